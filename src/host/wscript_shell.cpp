// WScript.Shell: Run, Exec, CurrentDirectory, the environment, the special
// folders and Popup. What needs Windows itself (the registry, shortcuts,
// other programs' windows, the event log) is a run-time error saying so,
// rather than a member the object would not have.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/arguments.h"
#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/child_process.h"
#include "host/file_errors.h"
#include "host/file_operations.h"
#include "host/shell_objects.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

// E_NOTIMPL: what a member that needs Windows itself raises here.
constexpr int32_t kNotAvailable = static_cast<int32_t>(0x80004001u);
// Run's window style when none is given (SW_SHOWNORMAL); read, and
// otherwise without effect, since the programs have no window of ours.
constexpr int32_t kNormalWindow = 1;
// Where Popup's type keeps its button set (the low three bits, vbOKOnly =
// 0 ... vbRetryCancel = 5) and its default button (vbDefaultButton2 = 256...).
constexpr int32_t kButtonSetMask = 7;
constexpr int32_t kDefaultButtonShift = 8;
constexpr int32_t kDefaultButtonMask = 3;

int32_t startFailed(CallContext& ctx, const StartFailure& failure) {
    return ctx.fail(startErrorNumber(failure), u"Cannot start the program: " + vbs::toU16(failure.reason));
}

int32_t readCommand(Args& args, int32_t most, std::string& command) {
    if (args.missing(0)) return vbs::err::ArgumentNotOptional;
    if (args.size() > most) return vbs::err::WrongArgCount;
    std::u16string text;
    if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
    command = vbs::toUtf8(text);
    // What the script printed comes before what the program prints.
    std::fflush(stdout);
    std::fflush(stderr);
    return 0;
}

void addPrograms(vbs::HostObject& shell) {
    shell.method(u"Run", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        std::string command;
        int32_t style = kNormalWindow;
        bool wait = false;
        if (int32_t e = readCommand(args, 3, command)) return e;
        if (int32_t e = vbs::lib::readOptionalLong(args, 1, kNormalWindow, style)) return e;
        if (!args.missing(2))
            if (int32_t e = vbs::ops::toBoolean(args.at(2), wait)) return e;
        StartFailure failure;
        pid_t child = startInheriting(command, failure);
        if (child < 0) return startFailed(ctx, failure);
        int32_t exitCode = 0;
        if (!wait) reapWhenDone(child);
        else if (int32_t stop = waitForExitWhile(child, [&ctx] { return ctx.keepAlive(); }, exitCode)) return stop;
        result = Variant::long_(exitCode);
        return 0;
    });
    shell.method(u"Exec", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        std::string command;
        if (int32_t e = readCommand(args, 1, command)) return e;
        StartFailure failure;
        ChildPipes pipes;
        pid_t child = startWithPipes(command, pipes, failure);
        if (child < 0) return startFailed(ctx, failure);
        result = makeExecObject(child, pipes);
        return 0;
    });
}

void addFolders(vbs::HostObject& shell) {
    shell.property(
        u"CurrentDirectory",
        [](Args args, Variant& result, CallContext&) -> int32_t {
            if (args.size() != 0) return vbs::err::WrongArgCount;
            char* here = ::getcwd(nullptr, 0);
            if (!here) return pathError(errno);
            result = Variant::fromUtf8(here);
            std::free(here);
            return 0;
        },
        [](Args args, const Variant& value, CallContext&) -> int32_t {
            if (args.size() != 0) return vbs::err::WrongArgCount;
            std::u16string folder;
            if (int32_t e = vbs::ops::toString(value, folder)) return e;
            return ::chdir(diskPath(folder).c_str()) == 0 ? 0 : pathError(errno);
        });
    shell.property(u"SpecialFolders", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Variant folders = makeSpecialFoldersObject();
        if (args.size() == 0) { result = folders; return 0; }
        // SpecialFolders("Desktop"): the collection's Item.
        auto* collection = static_cast<vbs::Dispatch*>(folders.asObject());
        return collection->invoke(vbs::kDefaultMember, vbs::InvokeKind::Get, args, result, ctx);
    });
}

// Windows' four sets of variables; all of them are the process's here.
bool isEnvironmentKind(std::u16string_view kind) {
    for (const char16_t* known : {u"PROCESS", u"SYSTEM", u"USER", u"VOLATILE"})
        if (vbs::namesEqual(kind, known)) return true;
    return false;
}

void addEnvironment(vbs::HostObject& shell) {
    shell.property(u"Environment", [](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() > 1) return vbs::err::WrongArgCount;
        std::u16string kind = u"SYSTEM";
        if (!args.missing(0))
            if (int32_t e = vbs::lib::readString(args, 0, kind)) return e;
        if (!isEnvironmentKind(kind)) return vbs::err::InvalidProcCall;
        result = makeEnvironmentObject();
        return 0;
    });
    shell.method(u"ExpandEnvironmentStrings", [](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 1) return vbs::err::WrongArgCount;
        std::u16string text;
        if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
        result = Variant::string(expandEnvironmentStrings(text));
        return 0;
    });
}

void addPopup(vbs::HostObject& shell, const ShellHooks& hooks) {
    PopupHook popup = hooks.popup ? hooks.popup : PopupHook(consolePopup);
    shell.method(u"Popup", [popup](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (args.missing(0)) return vbs::err::ArgumentNotOptional;
        if (args.size() > 4) return vbs::err::WrongArgCount;
        std::u16string text, title;
        int32_t seconds = 0, type = 0;
        if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
        if (int32_t e = vbs::lib::readOptionalLong(args, 1, 0, seconds)) return e;
        if (!args.missing(2))
            if (int32_t e = vbs::lib::readString(args, 2, title)) return e;
        if (int32_t e = vbs::lib::readOptionalLong(args, 3, 0, type)) return e;
        int answer = popup(text, seconds, title, type);
        // A script being stopped while the box was up gets no answer.
        if (int32_t stop = ctx.stopStatus()) return stop;
        result = Variant::long_(answer);
        return 0;
    });
}

void addUnavailable(vbs::HostObject& shell) {
    for (const char16_t* name : {u"RegRead", u"RegWrite", u"RegDelete"})
        shell.method(name, [](Args, Variant&, CallContext& ctx) {
            return ctx.fail(kNotAvailable, u"There is no registry on this system");
        });
    for (const char16_t* name : {u"CreateShortcut", u"AppActivate", u"SendKeys", u"LogEvent"}) {
        std::u16string text = std::u16string(name) + u" is not available on this system";
        shell.method(name, [text](Args, Variant&, CallContext& ctx) { return ctx.fail(kNotAvailable, text); });
    }
}

Variant makeShellObject(const ShellHooks& hooks) {
    auto* shell = new vbs::HostObject(u"IWshShell3");
    Variant holder = Variant::object(shell);
    addPrograms(*shell);
    addFolders(*shell);
    addEnvironment(*shell);
    addPopup(*shell, hooks);
    addUnavailable(*shell);
    return holder;
}

}  // namespace

int consolePopup(const std::u16string& text, int, const std::u16string& title, int type) {
    // The answers of each button set, left to right (vbOKOnly ... vbRetryCancel).
    static const std::vector<int> kAnswers[] = {{1}, {1, 2}, {3, 4, 5}, {6, 7, 2}, {6, 7}, {4, 2}};
    std::string shown = title.empty() ? vbs::toUtf8(text) : vbs::toUtf8(title) + "\n" + vbs::toUtf8(text);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    const int set = type & kButtonSetMask;
    const std::vector<int>& answers = kAnswers[set < static_cast<int>(std::size(kAnswers)) ? set : 0];
    const size_t chosen = static_cast<size_t>((type >> kDefaultButtonShift) & kDefaultButtonMask);
    return answers[chosen < answers.size() ? chosen : 0];
}

void registerShellObjects(vbs::ScriptEngine& engine, ShellHooks hooks) {
    engine.RegisterObjectType(u"WScript.Shell", [hooks](CallContext&, Variant& result) {
        result = makeShellObject(hooks);
        return 0;
    });
    engine.RegisterObjectType(u"WScript.Network", [](CallContext&, Variant& result) {
        result = makeNetworkObject();
        return 0;
    });
}

}  // namespace talvoro::host
