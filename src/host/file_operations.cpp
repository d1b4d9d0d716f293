#include "host/file_operations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "engine/error_table.h"
#include "engine/variant.h"
#include "host/file_errors.h"
#include "host/text_files.h"
#include "host/windows_path.h"

namespace talvoro::host {

namespace fs = std::filesystem;

namespace {

enum class Kind { File, Folder };

bool isKind(const std::string& path, Kind kind) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return false;
    return kind == Kind::Folder ? S_ISDIR(info.st_mode) : !S_ISDIR(info.st_mode);
}

int32_t missing(Kind kind) { return kind == Kind::File ? vbs::err::FileNotFound : vbs::err::PathNotFound; }

std::string joined(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The files or folders `pathPattern` names: one, or those its wildcards match,
// in name order.
int32_t expandPattern(std::u16string_view pathPattern, Kind kind, std::vector<std::string>& out) {
    out.clear();
    if (!hasWildcards(pathPattern)) {
        std::string path = diskPath(pathPattern);
        if (!isKind(path, kind)) return missing(kind);
        out.push_back(path);
        return 0;
    }
    std::u16string parent = parentFolderOf(pathPattern);
    std::string folder = parent.empty() ? "." : diskPath(parent);
    if (!isKind(folder, Kind::Folder)) return vbs::err::PathNotFound;
    const std::u16string pattern = fileNameOf(pathPattern);
    std::error_code failure;
    for (const auto& entry : fs::directory_iterator(folder, failure)) {
        std::string name = entry.path().filename().string();
        std::string path = joined(folder, name);
        if (wildcardMatch(pattern, vbs::toU16(name)) && isKind(path, kind)) out.push_back(path);
    }
    if (failure) return pathError(failure.value());
    std::sort(out.begin(), out.end());
    return out.empty() ? missing(kind) : 0;
}

// Where each source goes: into the destination folder (a destination that
// ends with a separator, or any destination of several sources), else to
// the destination itself.
int32_t targetOf(const std::string& source, std::u16string_view destination, bool severalSources,
                 std::string& target) {
    std::string to = diskPath(destination);
    bool intoFolder = !destination.empty() && isPathSeparator(destination.back());
    if (intoFolder || severalSources) {
        if (!isKind(to, Kind::Folder)) return vbs::err::PathNotFound;
        target = joined(to, fs::path(source).filename().string());
        return 0;
    }
    target = to;
    return 0;
}

bool isInside(const std::string& path, const std::string& folder) {
    const std::string inner = absolutePath(path), outer = absolutePath(folder);
    return inner == outer || inner.rfind(outer == "/" ? outer : outer + "/", 0) == 0;
}

int32_t copyOneFile(const std::string& source, const std::string& target, bool overwrite) {
    std::error_code ignored;
    if (fs::exists(target, ignored) && fs::equivalent(source, target, ignored)) return vbs::err::PermissionDenied;
    if (isKind(target, Kind::Folder)) return vbs::err::PermissionDenied;
    std::string bytes;
    if (int32_t e = readWholeFile(source, bytes)) return e;
    std::unique_ptr<PendingFile> file;
    if (int32_t e = PendingFile::open(target, PendingFile::Mode::Replace, !overwrite, nullptr, file)) return e;
    file->write(bytes);
    return file->commit();
}

int32_t renameOrCopy(const std::string& source, const std::string& target, Kind kind) {
    std::error_code ignored;
    if (fs::exists(fs::symlink_status(target, ignored))) return vbs::err::FileAlreadyExists;
    if (::rename(source.c_str(), target.c_str()) == 0) return 0;
    if (errno != EXDEV) return kind == Kind::File ? fileError(errno) : pathError(errno);
    // Another file system: copied, then the source removed.
    std::error_code failure;
    fs::copy(source, target, fs::copy_options::recursive, failure);
    if (!failure) fs::remove_all(source, failure);
    return failure ? pathError(failure.value()) : 0;
}

// Runs `act` on each file or folder `source` names and the path it goes to.
template <typename Act>
int32_t eachToTarget(std::u16string_view source, std::u16string_view destination, Kind kind, Act act) {
    std::vector<std::string> sources;
    if (int32_t e = expandPattern(source, kind, sources)) return e;
    for (const std::string& from : sources) {
        std::string to;
        if (int32_t e = targetOf(from, destination, hasWildcards(source), to)) return e;
        if (int32_t e = act(from, to)) return e;
    }
    return 0;
}

}  // namespace

bool isExistingFile(const std::string& path) { return isKind(path, Kind::File); }
bool isExistingFolder(const std::string& path) { return isKind(path, Kind::Folder); }

std::string diskPath(std::u16string_view scriptPath) { return resolveOnDisk(toLinuxPath(scriptPath)); }

int32_t deleteFiles(std::u16string_view pathPattern, bool force) {
    std::vector<std::string> files;
    if (int32_t e = expandPattern(pathPattern, Kind::File, files)) return e;
    for (const std::string& file : files) {
        if (!force && ::access(file.c_str(), W_OK) != 0) return vbs::err::PermissionDenied;
        if (::unlink(file.c_str()) != 0) return fileError(errno);
    }
    return 0;
}

int32_t deleteFolders(std::u16string_view pathPattern, bool force) {
    std::vector<std::string> folders;
    if (int32_t e = expandPattern(pathPattern, Kind::Folder, folders)) return e;
    for (const std::string& folder : folders) {
        if (!force && ::access(folder.c_str(), W_OK) != 0) return vbs::err::PermissionDenied;
        std::error_code failure;
        fs::remove_all(folder, failure);
        if (failure) return pathError(failure.value());
    }
    return 0;
}

int32_t copyFiles(std::u16string_view source, std::u16string_view destination, bool overwrite) {
    return eachToTarget(source, destination, Kind::File, [overwrite](const std::string& from, const std::string& to) {
        return copyOneFile(from, to, overwrite);
    });
}

int32_t moveFiles(std::u16string_view source, std::u16string_view destination) {
    return eachToTarget(source, destination, Kind::File, [](const std::string& from, const std::string& to) {
        return renameOrCopy(from, to, Kind::File);
    });
}

int32_t copyFolders(std::u16string_view source, std::u16string_view destination, bool overwrite) {
    return eachToTarget(source, destination, Kind::Folder, [overwrite](const std::string& from, const std::string& to) {
        if (isInside(to, from)) return vbs::err::PermissionDenied;  // into itself: it would never end
        auto options = fs::copy_options::recursive |
                       (overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none);
        std::error_code failure;
        fs::copy(from, to, options, failure);
        if (!failure) return 0;
        return failure.value() == EEXIST ? vbs::err::FileAlreadyExists : pathError(failure.value());
    });
}

int32_t moveFolders(std::u16string_view source, std::u16string_view destination) {
    return eachToTarget(source, destination, Kind::Folder, [](const std::string& from, const std::string& to) {
        return renameOrCopy(from, to, Kind::Folder);
    });
}

}  // namespace talvoro::host
