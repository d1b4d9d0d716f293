#include "common/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/text.h"

namespace talvoro {

namespace {

// Closes the descriptor on every path.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool readFileBytes(const std::string& path, std::string& bytes, size_t maxBytes, bool* truncated) {
    bytes.clear();
    if (truncated != nullptr) *truncated = false;
    if (path.empty()) return false;
    // O_NONBLOCK: opening a pipe without a writer must not wait; it is
    // refused below as not a regular file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (static_cast<unsigned long long>(info.st_size) < maxBytes) bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    while (bytes.size() < maxBytes) {
        const size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    // At the limit: one byte more tells whether the file goes on.
    char probe = 0;
    ssize_t more = 0;
    do more = ::read(file.get(), &probe, 1);
    while (more < 0 && errno == EINTR);
    if (more < 0) return false;
    if (truncated != nullptr) *truncated = more > 0;
    return true;
}

bool readScriptText(const std::string& path, std::u16string& text) {
    std::string bytes;
    if (!readFileBytes(path, bytes)) return false;
    const std::u16string content = toU16(bytes);
    text.clear();
    text.reserve(content.size() + 2);
    size_t lineStart = 0;
    size_t i = 0;
    while (i < content.size()) {
        const char16_t c = content[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        text.append(content, lineStart, i - lineStart).append(u"\r\n");
        i += (c == u'\r' && i + 1 < content.size() && content[i + 1] == u'\n') ? 2 : 1;
        lineStart = i;
    }
    if (lineStart < content.size()) text.append(content, lineStart, std::u16string::npos).append(u"\r\n");
    return true;
}

}  // namespace talvoro
