#include "host/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/error_table.h"
#include "host/file_errors.h"
#include "host/file_operations.h"
#include "host/text_codec.h"
#include "host/text_stream.h"

namespace talvoro::host {

namespace {

bool startsWithUtf16Bom(const std::string& path) {
    char start[2];
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool bom = ::read(fd, start, 2) == 2 && std::string_view(start, 2) == kUtf16Bom;
    ::close(fd);
    return bom;
}

// A file that is not there: 76 when its folder is not there either, as Windows tells the two apart.
int32_t missingFileError(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    return isExistingFolder(folder) ? vbs::err::FileNotFound : vbs::err::PathNotFound;
}

int32_t formatOf(int32_t tristate, const std::string& path, TextFormat& format) {
    switch (tristate) {
    case kTristateFalse: format = TextFormat::Ascii; return 0;
    case kTristateTrue: format = TextFormat::Unicode; return 0;
    case kTristateUseDefault:
        format = startsWithUtf16Bom(path) ? TextFormat::Unicode : TextFormat::Ascii;
        return 0;
    default: return vbs::err::InvalidProcCall;
    }
}

int32_t openForReading(const std::string& path, bool create, int32_t tristate, vbs::Variant& stream) {
    if (::access(path.c_str(), F_OK) != 0 && create) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) return errno == ENOENT ? vbs::err::PathNotFound : fileError(errno);
        ::close(fd);
    }
    TextFormat format;
    if (int32_t e = formatOf(tristate, path, format)) return e;
    std::string bytes;
    if (int32_t e = readWholeFile(path, bytes)) return e;
    stream = makeReadingStream(decodeText(bytes, format));
    return 0;
}

}  // namespace

int32_t readWholeFile(const std::string& path, std::string& bytes) {
    if (isExistingFolder(path)) return vbs::err::PermissionDenied;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? missingFileError(path) : fileError(errno);
    bytes.clear();
    char chunk[65536];
    for (;;) {
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int failure = errno;
            ::close(fd);
            return fileError(failure);
        }
        if (got == 0) break;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    ::close(fd);
    return 0;
}

int32_t openTextFile(const std::string& path, int32_t ioMode, bool create, int32_t tristate,
                     const std::shared_ptr<WriteSession>& session, vbs::Variant& stream) {
    if (ioMode == kForReading) return openForReading(path, create, tristate, stream);
    if (ioMode != kForWriting && ioMode != kForAppending) return vbs::err::InvalidProcCall;
    if (::access(path.c_str(), F_OK) != 0 && !create) return missingFileError(path);
    TextFormat format;
    if (int32_t e = formatOf(tristate, path, format)) return e;
    std::unique_ptr<PendingFile> file;
    auto mode = ioMode == kForAppending ? PendingFile::Mode::Append : PendingFile::Mode::Replace;
    if (int32_t e = PendingFile::open(path, mode, false, session, file)) return e;
    stream = makeFileWritingStream(std::move(file), format);
    return 0;
}

int32_t createTextFile(const std::string& path, bool overwrite, bool unicode,
                       const std::shared_ptr<WriteSession>& session, vbs::Variant& stream) {
    std::unique_ptr<PendingFile> file;
    if (int32_t e = PendingFile::open(path, PendingFile::Mode::Replace, !overwrite, session, file)) return e;
    stream = makeFileWritingStream(std::move(file), unicode ? TextFormat::Unicode : TextFormat::Ascii);
    return 0;
}

}  // namespace talvoro::host
