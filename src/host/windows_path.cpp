#include "host/windows_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "engine/conversions.h"
#include "engine/variant.h"

namespace talvoro::host {

namespace {

bool isDriveLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool hasDrivePrefix(std::u16string_view path) {
    return path.size() >= 2 && path[1] == u':' && isDriveLetter(path[0]);
}

bool exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

std::u16string_view withoutTrailingSeparators(std::u16string_view path) {
    while (!path.empty() && isPathSeparator(path.back())) path.remove_suffix(1);
    return path;
}

bool sameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (vbs::ops::upperChar(a[i]) != vbs::ops::upperChar(b[i])) return false;
    return true;
}

// The one entry of `folder` named `name` without regard to case, or "" when
// none or several are.
std::string onlyEntryNamedLike(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    const std::u16string wanted = vbs::toU16(name);
    std::string found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (sameNameIgnoringCase(vbs::toU16(entry->d_name), wanted)) {
            found = entry->d_name;
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : std::string();
}

}  // namespace

bool isPathSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::string toLinuxPath(std::u16string_view scriptPath) {
    if (hasDrivePrefix(scriptPath)) scriptPath.remove_prefix(2);
    std::u16string path(scriptPath);
    for (char16_t& c : path)
        if (c == u'\\') c = u'/';
    if (path.empty()) return ".";
    return vbs::toUtf8(path);
}

std::string resolveOnDisk(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    std::string resolved = path[0] == '/' ? "/" : "";
    bool matching = true;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part.empty()) continue;
        std::string candidate = resolved + part;
        if (matching && !exists(candidate) && part != "." && part != "..") {
            std::string match = onlyEntryNamedLike(resolved, part);
            if (match.empty()) matching = false;
            else candidate = resolved + match;
        }
        resolved = candidate;
        if (i + 1 < parts.size()) resolved += '/';
    }
    return resolved;
}

std::string absolutePath(const std::string& path) {
    std::error_code ignored;
    std::string out = std::filesystem::absolute(path, ignored).lexically_normal().string();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::u16string driveNameOf(std::u16string_view path) {
    if (hasDrivePrefix(path)) return std::u16string(path.substr(0, 2));
    if (path.size() > 2 && isPathSeparator(path[0]) && isPathSeparator(path[1])) {
        // \\server\share: the drive is the server and the share.
        size_t server = path.find_first_of(u"\\/", 2);
        if (server == std::u16string_view::npos) return std::u16string(path);
        size_t share = path.find_first_of(u"\\/", server + 1);
        return std::u16string(path.substr(0, share));
    }
    return {};
}

std::u16string fileNameOf(std::u16string_view path) {
    path.remove_prefix(driveNameOf(path).size());
    path = withoutTrailingSeparators(path);
    size_t last = path.find_last_of(u"\\/");
    return std::u16string(last == std::u16string_view::npos ? path : path.substr(last + 1));
}

std::u16string baseNameOf(std::u16string_view path) {
    std::u16string name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    return dot == std::u16string::npos ? name : name.substr(0, dot);
}

std::u16string extensionOf(std::u16string_view path) {
    std::u16string name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string() : name.substr(dot + 1);
}

std::u16string parentFolderOf(std::u16string_view path) {
    const std::u16string drive = driveNameOf(path);
    std::u16string_view rest = withoutTrailingSeparators(path.substr(drive.size()));
    if (rest.empty()) return {};  // a root has no parent
    size_t last = rest.find_last_of(u"\\/");
    if (last == std::u16string_view::npos) return drive;
    std::u16string_view parent = withoutTrailingSeparators(rest.substr(0, last));
    if (parent.empty()) parent = rest.substr(0, 1);  // the root's own separator
    return drive + std::u16string(parent);
}

std::u16string buildPath(std::u16string_view path, std::u16string_view name) {
    if (path.empty()) return std::u16string(name);
    const char16_t separator = path.find(u'\\') != std::u16string_view::npos ? u'\\' : u'/';
    std::u16string out(path);
    if (isPathSeparator(path.back())) {
        while (!name.empty() && isPathSeparator(name.front())) name.remove_prefix(1);
    } else if (path.back() != u':' && !(name.size() > 0 && isPathSeparator(name.front()))) {
        out += separator;
    }
    return out + std::u16string(name);
}

bool hasWildcards(std::u16string_view path) {
    return fileNameOf(path).find_first_of(u"*?") != std::u16string::npos;
}

bool wildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    if (pattern == u"*.*") pattern = u"*";  // DOS: every name, with or without a dot
    size_t p = 0, n = 0, starAt = std::u16string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || vbs::ops::upperChar(pattern[p]) == vbs::ops::upperChar(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::u16string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace talvoro::host
