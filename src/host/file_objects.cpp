#include "host/file_objects.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <filesystem>
#include <vector>

#include "engine/arguments.h"
#include "engine/conversions.h"
#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/file_errors.h"
#include "host/file_operations.h"
#include "host/text_codec.h"
#include "host/text_files.h"
#include "host/windows_path.h"

namespace talvoro::host {

namespace fs = std::filesystem;
using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

// The File attribute values scripts test (FileAttribute in the documentation).
constexpr int32_t kReadOnly = 1;
constexpr int32_t kHidden = 2;
constexpr int32_t kDirectory = 16;
constexpr int32_t kArchive = 32;
constexpr int32_t kAlias = 1024;

// A file or folder object's state: its path changes when it is moved or renamed.
struct Entry {
    std::string path;
    std::shared_ptr<WriteSession> session;
};
using EntryRef = std::shared_ptr<Entry>;

std::string nameOf(const std::string& path) { return path == "/" ? "" : fs::path(path).filename().string(); }

std::string parentOf(const std::string& path) {
    std::string parent = fs::path(path).parent_path().string();
    return parent.empty() ? "/" : parent;
}

// A size as scripts get it: a Long while it fits, a Double beyond.
Variant sizeValue(uint64_t bytes) {
    return bytes <= static_cast<uint64_t>(INT32_MAX) ? Variant::long_(static_cast<int32_t>(bytes))
                                                      : Variant::double_(static_cast<double>(bytes));
}

Variant localDate(time_t seconds) {
    struct tm local {};
    ::localtime_r(&seconds, &local);
    return Variant::date(vbs::ops::dateOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                          local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec));
}

enum class Stamp { Created, Modified, Accessed };

int32_t dateOf(const std::string& path, Stamp stamp, Variant& result) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME | STATX_ATIME, &info) != 0)
        return fileError(errno);
    time_t seconds = info.stx_mtime.tv_sec;
    if (stamp == Stamp::Accessed) seconds = info.stx_atime.tv_sec;
    // Not every file system keeps the time of creation.
    if (stamp == Stamp::Created && (info.stx_mask & STATX_BTIME)) seconds = info.stx_btime.tv_sec;
    result = localDate(seconds);
    return 0;
}

int32_t attributesOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return 0;
    int32_t attributes = S_ISDIR(info.st_mode) ? kDirectory : kArchive;
    if (S_ISLNK(info.st_mode)) attributes |= kAlias;
    if (nameOf(path).rfind('.', 0) == 0) attributes |= kHidden;
    if (::access(path.c_str(), W_OK) != 0) attributes |= kReadOnly;
    return attributes;
}

// Only ReadOnly can be changed here: it takes the write permissions away, or
// gives the owner's back.
int32_t setAttributes(const std::string& path, const Variant& value) {
    int32_t attributes = 0;
    if (int32_t e = vbs::ops::toLong(value, attributes)) return e;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return fileError(errno);
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & kReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    return ::chmod(path.c_str(), mode) == 0 ? 0 : fileError(errno);
}

uint64_t folderSize(const std::string& path) {
    uint64_t total = 0;
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(path, fs::directory_options::skip_permission_denied, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_regular_file(ignored)) total += it->file_size(ignored);
    }
    return total;
}

// The entries of a folder that are folders (or are not), ordered by name
// without regard to case, as Windows lists them.
std::vector<std::string> entriesOf(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored))
        if (entry.is_directory(ignored) == folders) names.push_back(entry.path().filename().string());
    auto folded = [](const std::string& name) {
        std::u16string text = vbs::toU16(name);
        for (char16_t& c : text) c = vbs::ops::upperChar(c);
        return text;
    };
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    return names;
}

std::string within(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

using Reader = std::function<int32_t(Variant&)>;
HostObject::Call reading(Reader read) {
    return [read = std::move(read)](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        return read(result);
    };
}

int32_t readOptionalBool(Args& args, int i, bool fallback, bool& out) {
    if (args.missing(i)) { out = fallback; return 0; }
    return vbs::ops::toBoolean(args.at(i), out);
}

// Rename in place (Name = "new.txt"): 58 when the folder has that name already.
int32_t rename(const EntryRef& entry, const Variant& value) {
    std::u16string name;
    if (int32_t e = vbs::ops::toString(value, name)) return e;
    if (name.empty() || name.find_first_of(u"\\/") != std::u16string::npos) return vbs::err::BadFileNameOrNumber;
    std::string target = within(parentOf(entry->path), vbs::toUtf8(name));
    if (::access(target.c_str(), F_OK) == 0) return vbs::err::FileAlreadyExists;
    if (::rename(entry->path.c_str(), target.c_str()) != 0) return fileError(errno);
    entry->path = target;
    return 0;
}

// Where Move and Copy put an entry: into a destination ending with a
// separator, or that is an existing folder; else to the destination itself.
std::string destinationOf(const EntryRef& entry, std::u16string_view destination) {
    std::string to = diskPath(destination);
    struct stat info {};
    bool intoFolder = (!destination.empty() && isPathSeparator(destination.back())) ||
                      (::stat(to.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
    return absolutePath(intoFolder ? within(to, nameOf(entry->path)) : to);
}

using Operation = int32_t (*)(std::u16string_view, std::u16string_view);

void addCommonMembers(HostObject& object, const EntryRef& entry, bool folder) {
    object.property(u"Name", reading([entry](Variant& r) { r = Variant::fromUtf8(nameOf(entry->path)); return 0; }),
                    [entry](Args, const Variant& value, CallContext&) { return rename(entry, value); });
    auto path = reading([entry](Variant& r) { r = Variant::fromUtf8(entry->path); return 0; });
    object.property(u"Path", path).property(u"ShortPath", path);
    object.property(u"ShortName", reading([entry](Variant& r) { r = Variant::fromUtf8(nameOf(entry->path)); return 0; }));
    object.setDefault(u"Path");
    object.property(u"Attributes", reading([entry](Variant& r) { r = Variant::long_(attributesOf(entry->path)); return 0; }),
                    [entry](Args, const Variant& value, CallContext&) { return setAttributes(entry->path, value); });
    object.property(u"DateCreated", reading([entry](Variant& r) { return dateOf(entry->path, Stamp::Created, r); }));
    object.property(u"DateLastModified", reading([entry](Variant& r) { return dateOf(entry->path, Stamp::Modified, r); }));
    object.property(u"DateLastAccessed", reading([entry](Variant& r) { return dateOf(entry->path, Stamp::Accessed, r); }));
    object.property(u"ParentFolder", reading([entry](Variant& r) {
        r = entry->path == "/" ? Variant::nothing() : makeFolderObject(parentOf(entry->path), entry->session);
        return 0;
    }));
    object.property(u"Drive", reading([entry](Variant& r) { r = makeDriveObject(u"", entry->session); return 0; }));
    object.method(u"Delete", [entry, folder](Args args, Variant&, CallContext&) -> int32_t {
        bool force = false;
        if (int32_t e = readOptionalBool(args, 0, false, force)) return e;
        const std::u16string path = vbs::toU16(entry->path);
        return folder ? deleteFolders(path, force) : deleteFiles(path, force);
    });
    object.method(u"Copy", [entry, folder](Args args, Variant&, CallContext&) -> int32_t {
        std::u16string destination;
        bool overwrite = true;
        if (args.size() < 1) return vbs::err::ArgumentNotOptional;
        if (int32_t e = vbs::lib::readString(args, 0, destination)) return e;
        if (int32_t e = readOptionalBool(args, 1, true, overwrite)) return e;
        const std::u16string path = vbs::toU16(entry->path);
        return folder ? copyFolders(path, destination, overwrite) : copyFiles(path, destination, overwrite);
    });
    object.method(u"Move", [entry, folder](Args args, Variant&, CallContext&) -> int32_t {
        std::u16string destination;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readString(args, 0, destination)) return e;
        std::string target = destinationOf(entry, destination);
        Operation move = folder ? moveFolders : moveFiles;
        if (int32_t e = move(vbs::toU16(entry->path), vbs::toU16(target))) return e;
        entry->path = target;
        return 0;
    });
}

Variant makeEntriesCollection(const EntryRef& folder, bool folders) {
    auto* collection = new HostObject(folders ? u"Folders" : u"Files");
    Variant holder = Variant::object(collection);
    collection->property(u"Count", reading([folder, folders](Variant& r) {
        r = Variant::long_(static_cast<int32_t>(entriesOf(folder->path, folders).size()));
        return 0;
    }));
    collection->property(u"Item", [folder, folders](Args args, Variant& result, CallContext&) -> int32_t {
        std::u16string name;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readString(args, 0, name)) return e;
        std::string path = resolveOnDisk(within(folder->path, vbs::toUtf8(name)));
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode) != folders)
            return folders ? vbs::err::PathNotFound : vbs::err::FileNotFound;
        result = folders ? makeFolderObject(path, folder->session) : makeFileObject(path, folder->session);
        return 0;
    });
    collection->setDefault(u"Item");
    collection->enumerator([folder, folders](std::vector<Variant>& items, CallContext&) -> int32_t {
        items.clear();
        for (const std::string& name : entriesOf(folder->path, folders)) {
            std::string path = within(folder->path, name);
            items.push_back(folders ? makeFolderObject(path, folder->session) : makeFileObject(path, folder->session));
        }
        return 0;
    });
    if (folders) {
        collection->method(u"Add", [folder](Args args, Variant& result, CallContext&) -> int32_t {
            std::u16string name;
            if (args.size() != 1) return vbs::err::WrongArgCount;
            if (int32_t e = vbs::lib::readString(args, 0, name)) return e;
            std::string path = within(folder->path, vbs::toUtf8(name));
            if (::mkdir(path.c_str(), 0777) != 0) return pathError(errno);
            result = makeFolderObject(path, folder->session);
            return 0;
        });
    }
    return holder;
}

// A File's Type: Windows asks its registry ("Text Document"); here it is
// the extension's ("TXT File"), or "File".
std::u16string typeOfFile(const std::string& path) {
    std::u16string extension = extensionOf(vbs::toU16(path));
    for (char16_t& c : extension) c = vbs::ops::upperChar(c);
    return extension.empty() ? u"File" : extension + u" File";
}

}  // namespace

Variant makeFileObject(const std::string& path, std::shared_ptr<WriteSession> session) {
    auto entry = std::make_shared<Entry>(Entry{absolutePath(path), std::move(session)});
    auto* file = new HostObject(u"File");
    Variant holder = Variant::object(file);
    addCommonMembers(*file, entry, false);
    file->property(u"Size", reading([entry](Variant& r) {
        struct stat info {};
        if (::stat(entry->path.c_str(), &info) != 0) return fileError(errno);
        r = sizeValue(static_cast<uint64_t>(info.st_size));
        return 0;
    }));
    file->property(u"Type", reading([entry](Variant& r) { r = Variant::string(typeOfFile(entry->path)); return 0; }));
    file->method(u"OpenAsTextStream", [entry](Args args, Variant& result, CallContext&) -> int32_t {
        int32_t mode = kForReading, format = kTristateFalse;
        if (int32_t e = vbs::lib::readOptionalLong(args, 0, kForReading, mode)) return e;
        if (int32_t e = vbs::lib::readOptionalLong(args, 1, kTristateFalse, format)) return e;
        return openTextFile(entry->path, mode, false, format, entry->session, result);
    });
    return holder;
}

Variant makeFolderObject(const std::string& path, std::shared_ptr<WriteSession> session) {
    auto entry = std::make_shared<Entry>(Entry{absolutePath(path), std::move(session)});
    auto* folder = new HostObject(u"Folder");
    Variant holder = Variant::object(folder);
    addCommonMembers(*folder, entry, true);
    folder->property(u"Size", reading([entry](Variant& r) { r = sizeValue(folderSize(entry->path)); return 0; }));
    folder->property(u"Type", reading([](Variant& r) { r = Variant::string(std::u16string(u"File folder")); return 0; }));
    folder->property(u"IsRootFolder", reading([entry](Variant& r) { r = Variant::boolean(entry->path == "/"); return 0; }));
    folder->property(u"Files", reading([entry](Variant& r) { r = makeEntriesCollection(entry, false); return 0; }));
    folder->property(u"SubFolders", reading([entry](Variant& r) { r = makeEntriesCollection(entry, true); return 0; }));
    folder->method(u"CreateTextFile", [entry](Args args, Variant& result, CallContext&) -> int32_t {
        std::u16string name;
        bool overwrite = true, unicode = false;
        if (args.size() < 1) return vbs::err::ArgumentNotOptional;
        if (int32_t e = vbs::lib::readString(args, 0, name)) return e;
        if (int32_t e = readOptionalBool(args, 1, true, overwrite)) return e;
        if (int32_t e = readOptionalBool(args, 2, false, unicode)) return e;
        std::string path = within(entry->path, toLinuxPath(name));
        return createTextFile(path, overwrite, unicode, entry->session, result);
    });
    return holder;
}

Variant makeDriveObject(std::u16string letter, std::shared_ptr<WriteSession> session) {
    auto* drive = new HostObject(u"Drive");
    Variant holder = Variant::object(drive);
    auto space = [](bool total, bool forUs) {
        return reading([total, forUs](Variant& r) {
            struct statvfs info {};
            if (::statvfs("/", &info) != 0) return vbs::err::DeviceUnavailable;
            uint64_t blocks = total ? info.f_blocks : (forUs ? info.f_bavail : info.f_bfree);
            r = Variant::double_(static_cast<double>(blocks) * static_cast<double>(info.f_frsize));
            return 0;
        });
    };
    drive->property(u"AvailableSpace", space(false, true));
    drive->property(u"FreeSpace", space(false, false));
    drive->property(u"TotalSize", space(true, false));
    drive->property(u"DriveLetter", reading([letter](Variant& r) { r = Variant::string(letter); return 0; }));
    drive->property(u"Path", reading([letter](Variant& r) {
        r = Variant::string(letter.empty() ? std::u16string(u"/") : letter + u":");
        return 0;
    }));
    drive->setDefault(u"Path");
    drive->property(u"DriveType", reading([](Variant& r) { r = Variant::long_(2); return 0; }));  // Fixed
    drive->property(u"IsReady", reading([](Variant& r) { r = Variant::boolean(true); return 0; }));
    drive->property(u"RootFolder", reading([session](Variant& r) { r = makeFolderObject("/", session); return 0; }));
    for (const char16_t* text : {u"FileSystem", u"ShareName", u"VolumeName"})
        drive->property(text, reading([](Variant& r) { r = Variant::string(std::u16string()); return 0; }));
    drive->property(u"SerialNumber", reading([](Variant& r) { r = Variant::long_(0); return 0; }));
    return holder;
}

Variant makeDrivesCollection(std::shared_ptr<WriteSession> session) {
    auto* drives = new HostObject(u"Drives");
    Variant holder = Variant::object(drives);
    drives->property(u"Count", reading([](Variant& r) { r = Variant::long_(1); return 0; }));
    drives->property(u"Item", [session](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 1) return vbs::err::WrongArgCount;
        result = makeDriveObject(u"", session);
        return 0;
    });
    drives->setDefault(u"Item");
    drives->enumerator([session](std::vector<Variant>& items, CallContext&) {
        items.assign(1, makeDriveObject(u"", session));
        return 0;
    });
    return holder;
}

}  // namespace talvoro::host
