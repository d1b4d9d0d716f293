#include "host/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "engine/error_table.h"
#include "host/file_errors.h"

namespace talvoro::host {

namespace {

// Writes all of `data`; 0 or the errno of the failure.
int writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool refusesNewFiles(int errnoValue) { return errnoValue == EACCES || errnoValue == EPERM || errnoValue == EROFS; }

}  // namespace

void WriteSession::abandonAll() {
    for (PendingFile* file : std::set<PendingFile*>(open_)) file->abandon();
}

PendingFile::PendingFile(std::string path, Mode mode, bool created, bool startedEmpty,
                         std::shared_ptr<WriteSession> session)
    : path_(std::move(path)), mode_(mode), createdForUs_(created), startedEmpty_(startedEmpty),
      session_(std::move(session)) {
    if (session_) session_->open_.insert(this);
}

PendingFile::~PendingFile() {
    // A stream the script let go of without Close is closed now, as on Windows.
    if (int32_t status = commit(); status != 0 && session_) session_->lateFailures.emplace_back(path_, status);
    if (session_) session_->open_.erase(this);
}

int32_t PendingFile::open(const std::string& requested, Mode mode, bool mustBeNew,
                          std::shared_ptr<WriteSession> session, std::unique_ptr<PendingFile>& out) {
    std::string path = requested;
    // Writing through a link writes the file it points to, which stays a link's target.
    std::error_code ignored;
    if (std::filesystem::is_symlink(path, ignored) && std::filesystem::exists(path, ignored))
        path = std::filesystem::canonical(path, ignored).string();

    struct stat info;
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return vbs::err::PermissionDenied;
        if (mustBeNew) return vbs::err::FileAlreadyExists;
        if (::access(path.c_str(), W_OK) != 0) return fileError(errno);
        out.reset(new PendingFile(path, mode, false, info.st_size == 0, std::move(session)));
        return 0;
    }
    struct stat folder;
    if (::stat(folderOf(path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) return vbs::err::PathNotFound;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fileError(errno);
    ::close(fd);
    out.reset(new PendingFile(path, mode, true, true, std::move(session)));
    return 0;
}

int32_t PendingFile::commit() {
    if (finished_) return 0;
    finished_ = true;
    int32_t status = mode_ == Mode::Append ? appendContent() : replaceContent();
    buffer_.clear();
    buffer_.shrink_to_fit();
    return status;
}

void PendingFile::abandon() {
    if (finished_) return;
    finished_ = true;
    buffer_.clear();
    struct stat info;
    if (createdForUs_ && ::stat(path_.c_str(), &info) == 0 && info.st_size == 0) ::unlink(path_.c_str());
}

int32_t PendingFile::replaceContent() {
    std::string temporary = folderOf(path_) + "/." + std::filesystem::path(path_).filename().string() + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        if (!refusesNewFiles(errno)) return fileError(errno);
        // A writable file in a folder we may not add to: rewritten in place,
        // the one case where a failing disk can still cut the file short.
        fd = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return fileError(errno);
        int failure = writeAll(fd, buffer_);
        if (::close(fd) != 0 && failure == 0) failure = errno;
        return failure == 0 ? 0 : fileError(failure);
    }
    // The new version keeps the old one's permissions (or those the empty
    // file was created with).
    struct stat info;
    ::fchmod(fd, ::stat(path_.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644);
    int failure = writeAll(fd, buffer_);
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return fileError(failure);
    }
    return 0;
}

int32_t PendingFile::appendContent() {
    int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return fileError(errno);
    struct stat info;
    off_t before = ::fstat(fd, &info) == 0 ? info.st_size : 0;
    int failure = writeAll(fd, buffer_);
    if (failure != 0) (void)::ftruncate(fd, before);
    if (::close(fd) != 0 && failure == 0) failure = errno;
    return failure == 0 ? 0 : fileError(failure);
}

}  // namespace talvoro::host
