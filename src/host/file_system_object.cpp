// The FileSystemObject: its members that name things by path. Paths may be
// written the Windows way; what it answers (Path, GetAbsolutePathName) are
// paths of this system.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>

#include "engine/error_table.h"
#include "engine/host_object.h"
#include "engine/arguments.h"
#include "host/file_errors.h"
#include "host/file_objects.h"
#include "host/file_operations.h"
#include "host/scripting_runtime.h"
#include "host/text_codec.h"
#include "host/text_files.h"
#include "host/text_stream.h"
#include "host/windows_path.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

// GetSpecialFolder's values, and where each lies on this system.
constexpr int32_t kWindowsFolder = 0;
constexpr int32_t kSystemFolder = 1;
constexpr int32_t kTemporaryFolder = 2;

std::string temporaryFolder() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : "/tmp";
}

// "C", "C:", "C:\" name a drive; so does a root ("\" or "/").
bool namesDrive(std::u16string_view spec, std::u16string& letter) {
    auto isLetter = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    if (spec.size() == 1 && isPathSeparator(spec[0])) { letter.clear(); return true; }
    if (spec.empty() || !isLetter(spec[0])) return false;
    if (spec.size() == 1 || (spec[1] == u':' && (spec.size() == 2 || (spec.size() == 3 && isPathSeparator(spec[2]))))) {
        letter = std::u16string(1, spec[0] & ~char16_t{0x20});
        return true;
    }
    return false;
}

// Arguments: the path (text) first, then optional Booleans and numbers. An
// object stands for its default member's value (a Folder for its Path).
struct Reading {
    Reading(Args& given, CallContext& ctx) : args(given), status(vbs::lib::replaceObjectsByValues(ctx, args)) {}
    Args& args;
    int32_t status = 0;
    std::u16string text(int i) {
        std::u16string out;
        if (status == 0) status = args.missing(i) ? vbs::err::ArgumentNotOptional : vbs::lib::readString(args, i, out);
        return out;
    }
    bool flag(int i, bool fallback) {
        bool out = fallback;
        if (status == 0 && !args.missing(i)) status = vbs::ops::toBoolean(args.at(i), out);
        return out;
    }
    int32_t number(int i, int32_t fallback) {
        int32_t out = fallback;
        if (status == 0) status = vbs::lib::readOptionalLong(args, i, fallback, out);
        return out;
    }
};

using TextFunction = std::u16string (*)(std::u16string_view);

void addNameFunctions(HostObject& fso) {
    for (auto [name, function] : {std::pair<const char16_t*, TextFunction>{u"GetFileName", fileNameOf},
                                  {u"GetBaseName", baseNameOf},
                                  {u"GetExtensionName", extensionOf},
                                  {u"GetParentFolderName", parentFolderOf},
                                  {u"GetDriveName", driveNameOf}}) {
        fso.method(name, [function](Args args, Variant& result, CallContext& ctx) -> int32_t {
            Reading in{args, ctx};
            std::u16string path = in.text(0);
            if (in.status) return in.status;
            result = Variant::string(function(path));
            return 0;
        });
    }
    fso.method(u"BuildPath", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::u16string path = in.text(0), name = in.text(1);
        if (in.status) return in.status;
        result = Variant::string(buildPath(path, name));
        return 0;
    });
    fso.method(u"GetAbsolutePathName", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::u16string path = in.text(0);
        if (in.status) return in.status;
        result = Variant::fromUtf8(absolutePath(toLinuxPath(path)));
        return 0;
    });
    fso.method(u"GetTempName", [](Args, Variant& result, CallContext&) -> int32_t {
        static std::mt19937 random{std::random_device{}()};
        const char16_t* digits = u"0123456789ABCDEF";
        std::u16string name = u"rad";
        for (int i = 0; i < 5; ++i) name += digits[random() % 16];
        result = Variant::string(name + u".tmp");
        return 0;
    });
}

using Test = bool (*)(const std::string&);

void addQueries(HostObject& fso, const std::shared_ptr<WriteSession>& session) {
    for (auto [name, test] : {std::pair<const char16_t*, Test>{u"FileExists", isExistingFile},
                                                                  {u"FolderExists", isExistingFolder}}) {
        fso.method(name, [test](Args args, Variant& result, CallContext& ctx) -> int32_t {
            Reading in{args, ctx};
            std::u16string path = in.text(0);
            if (in.status) return in.status;
            result = Variant::boolean(test(diskPath(path)));
            return 0;
        });
    }
    fso.method(u"GetFile", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::string path = diskPath(in.text(0));
        if (in.status) return in.status;
        if (!isExistingFile(path)) return vbs::err::FileNotFound;
        result = makeFileObject(path, session);
        return 0;
    });
    fso.method(u"GetFolder", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::string path = diskPath(in.text(0));
        if (in.status) return in.status;
        if (!isExistingFolder(path)) return vbs::err::PathNotFound;
        result = makeFolderObject(path, session);
        return 0;
    });
    fso.method(u"GetSpecialFolder", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        int32_t which = in.number(0, -1);
        if (in.status) return in.status;
        if (which == kWindowsFolder) result = makeFolderObject("/usr", session);
        else if (which == kSystemFolder) result = makeFolderObject("/usr/bin", session);
        else if (which == kTemporaryFolder) result = makeFolderObject(temporaryFolder(), session);
        else return vbs::err::InvalidProcCall;
        return 0;
    });
    fso.method(u"DriveExists", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::u16string spec = in.text(0), letter;
        if (in.status) return in.status;
        result = Variant::boolean(namesDrive(spec, letter));
        return 0;
    });
    fso.method(u"GetDrive", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::u16string spec = in.text(0), letter;
        if (in.status) return in.status;
        if (!namesDrive(spec, letter)) return vbs::err::DeviceUnavailable;
        result = makeDriveObject(letter, session);
        return 0;
    });
    fso.property(u"Drives", [session](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = makeDrivesCollection(session);
        return 0;
    });
}

void addTextFileMembers(HostObject& fso, const std::shared_ptr<WriteSession>& session) {
    fso.method(u"OpenTextFile", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::string path = diskPath(in.text(0));
        int32_t mode = in.number(1, kForReading);
        bool create = in.flag(2, false);
        int32_t format = in.number(3, kTristateFalse);
        if (in.status) return in.status;
        return openTextFile(path, mode, create, format, session, result);
    });
    fso.method(u"CreateTextFile", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::string path = diskPath(in.text(0));
        bool overwrite = in.flag(1, true), unicode = in.flag(2, false);
        if (in.status) return in.status;
        return createTextFile(path, overwrite, unicode, session, result);
    });
    fso.method(u"GetStandardStream", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        int32_t which = in.number(0, -1);
        if (in.status) return in.status;
        if (which == 0) result = makeStandardInputStream();
        else if (which == 1) result = makeConsoleWritingStream(stdout);
        else if (which == 2) result = makeConsoleWritingStream(stderr);
        else return vbs::err::InvalidProcCall;
        return 0;
    });
}

void addFileOperations(HostObject& fso, const std::shared_ptr<WriteSession>& session) {
    fso.method(u"CreateFolder", [session](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Reading in{args, ctx};
        std::string path = diskPath(in.text(0));
        if (in.status) return in.status;
        if (::access(path.c_str(), F_OK) == 0) return vbs::err::FileAlreadyExists;
        if (::mkdir(path.c_str(), 0777) != 0) return pathError(errno);
        result = makeFolderObject(path, session);
        return 0;
    });
    using Delete = int32_t (*)(std::u16string_view, bool);
    for (auto [name, remove] : {std::pair<const char16_t*, Delete>{u"DeleteFile", deleteFiles},
                                {u"DeleteFolder", deleteFolders}}) {
        fso.method(name, [remove](Args args, Variant&, CallContext& ctx) -> int32_t {
            Reading in{args, ctx};
            std::u16string spec = in.text(0);
            bool force = in.flag(1, false);
            return in.status ? in.status : remove(spec, force);
        });
    }
    using Copy = int32_t (*)(std::u16string_view, std::u16string_view, bool);
    for (auto [name, copy] : {std::pair<const char16_t*, Copy>{u"CopyFile", copyFiles}, {u"CopyFolder", copyFolders}}) {
        fso.method(name, [copy](Args args, Variant&, CallContext& ctx) -> int32_t {
            Reading in{args, ctx};
            std::u16string source = in.text(0), destination = in.text(1);
            bool overwrite = in.flag(2, true);
            return in.status ? in.status : copy(source, destination, overwrite);
        });
    }
    using Move = int32_t (*)(std::u16string_view, std::u16string_view);
    for (auto [name, move] : {std::pair<const char16_t*, Move>{u"MoveFile", moveFiles}, {u"MoveFolder", moveFolders}}) {
        fso.method(name, [move](Args args, Variant&, CallContext& ctx) -> int32_t {
            Reading in{args, ctx};
            std::u16string source = in.text(0), destination = in.text(1);
            return in.status ? in.status : move(source, destination);
        });
    }
}

}  // namespace

Variant makeFileSystemObject(std::shared_ptr<WriteSession> session) {
    auto* fso = new HostObject(u"FileSystemObject");
    Variant holder = Variant::object(fso);
    addNameFunctions(*fso);
    addQueries(*fso, session);
    addTextFileMembers(*fso, session);
    addFileOperations(*fso, session);
    return holder;
}

std::shared_ptr<WriteSession> registerScriptingRuntime(vbs::ScriptEngine& engine) {
    auto session = std::make_shared<WriteSession>();
    engine.RegisterObjectType(u"Scripting.FileSystemObject", [session](CallContext&, Variant& result) {
        result = makeFileSystemObject(session);
        return 0;
    });
    return session;
}

}  // namespace talvoro::host
