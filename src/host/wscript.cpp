#include "host/wscript.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "engine/arguments.h"
#include "engine/conversions.h"
#include "engine/error_table.h"
#include "host/text_stream.h"
#include "host/windows_path.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

// What WScript.Version answers: the version of the Windows host whose
// behaviour this one follows.
constexpr char16_t kHostVersion[] = u"5.812";
constexpr char16_t kHostName[] = u"Windows Script Host";

vbs::HostObject::Call constant(Variant value) {
    return [value](Args args, Variant& result, CallContext&) {
        // Given arguments, the VM indexes the value instead (Arguments(0)).
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = value;
        return 0;
    };
}

// Held for the object's life, handed out each time it is asked for.
vbs::HostObject::Call heldObject(Variant& slot, std::function<Variant()> make) {
    return [&slot, make = std::move(make)](Args args, Variant& result, CallContext&) {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        if (slot.isEmpty()) slot = make();
        result = slot;
        return 0;
    };
}

// WScript members that events would need: the objects here have none.
int32_t noEvents(Args, Variant&, CallContext& ctx) { return ctx.fail(vbs::err::ActionNotSupported); }

}  // namespace

int32_t echoText(CallContext& ctx, const Variant& value, std::u16string& out) {
    if (value.isObject()) {
        if (!ctx.vm) return vbs::err::TypeMismatch;
        Variant plain;
        if (int32_t e = ctx.defaultValue(value, plain)) return e;
        return echoText(ctx, plain, out);
    }
    switch (value.type()) {
    case vbs::VarType::Null: out = u"null"; return 0;
    case vbs::VarType::Boolean: out = value.asBoolean() ? u"-1" : u"0"; return 0;
    case vbs::VarType::Array: return vbs::err::TypeMismatch;
    default: return vbs::ops::toInvariantString(value, out);  // "." whatever the script's locale
    }
}

WScriptObject::WScriptObject(ScriptHostFacts facts)
    : facts_(std::move(facts)), object_(new vbs::HostObject(u"Object")) {
    addOutput();
    addNames();
    addObjectMembers();
}

void WScriptObject::addOutput() {
    vbs::HostObject& wscript = *object_.get();
    wscript.method(u"Echo", [this](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::u16string line, text;
        for (int i = 0; i < args.size(); ++i) {
            if (int32_t e = echoText(ctx, args.at(i), text)) return e;
            line += (i ? u" " : u"") + text;
        }
        // A script run without interaction shows nothing through Echo.
        if (!interactive_) return 0;
        std::string bytes = vbs::toUtf8(line) + "\n";
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    });
    wscript.property(u"StdIn", heldObject(stdIn_, makeStandardInputStream));
    wscript.property(u"StdOut", heldObject(stdOut_, [] { return makeConsoleWritingStream(stdout); }));
    wscript.property(u"StdErr", heldObject(stdErr_, [] { return makeConsoleWritingStream(stderr); }));
    wscript.property(
        u"Interactive", [this](Args, Variant& result, CallContext&) { result = Variant::boolean(interactive_); return 0; },
        [this](Args, const Variant& value, CallContext&) { return vbs::ops::toBoolean(value, interactive_); });
    wscript.method(u"Quit", [this](Args args, Variant&, CallContext& ctx) -> int32_t {
        int32_t code = 0;
        if (int32_t e = vbs::lib::readOptionalLong(args, 0, 0, code)) return e;
        quitCode_ = code;
        return ctx.fail(vbs::err::ScriptEnded);
    });
    wscript.method(u"Sleep", [](Args args, Variant&, CallContext&) -> int32_t {
        int32_t milliseconds = 0;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readLong(args, 0, milliseconds)) return e;
        if (milliseconds < 0) return vbs::err::InvalidProcCall;
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return 0;
    });
}

void WScriptObject::addNames() {
    vbs::HostObject& wscript = *object_.get();
    namespace fs = std::filesystem;
    const std::string host = facts_.hostProgram;
    wscript.property(u"ScriptName", constant(Variant::fromUtf8(fs::path(facts_.scriptPath).filename().string())));
    wscript.property(u"ScriptFullName", constant(Variant::fromUtf8(absolutePath(facts_.scriptPath))));
    wscript.property(u"FullName", constant(Variant::fromUtf8(host)));
    wscript.property(u"Path", constant(Variant::fromUtf8(fs::path(host).parent_path().string())));
    wscript.property(u"Name", constant(Variant::string(std::u16string_view(kHostName))));
    wscript.setDefault(u"Name");
    wscript.property(u"Version", constant(Variant::string(std::u16string_view(kHostVersion))));
    wscript.property(u"Arguments", heldObject(arguments_, [this] { return makeArgumentsObject(facts_.arguments); }));
}

void WScriptObject::addObjectMembers() {
    vbs::HostObject& wscript = *object_.get();
    // The same components as the script's own CreateObject; an event prefix
    // (the second argument) would connect events, which nothing here has.
    wscript.method(u"CreateObject", [](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (args.size() < 1) return vbs::err::ArgumentNotOptional;
        if (args.size() > 2) return vbs::err::WrongArgCount;
        std::u16string prefix;
        if (!args.missing(1))
            if (int32_t e = vbs::lib::readString(args, 1, prefix)) return e;
        if (!prefix.empty()) return noEvents(args, result, ctx);
        return ctx.createObject(args.at(0), result);
    });
    // No running component can be reached by name or file.
    wscript.method(u"GetObject", [](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() < 1) return vbs::err::ArgumentNotOptional;
        return vbs::err::CantCreateObject;
    });
    wscript.method(u"ConnectObject", noEvents);
    wscript.method(u"DisconnectObject", noEvents);
}

}  // namespace talvoro::host
