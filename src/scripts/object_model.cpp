#include "scripts/object_model.h"

#include "console/command_evaluator.h"
#include "engine/conversions.h"

namespace talvoro {

namespace {

// "Wrong number of arguments or invalid property assignment".
constexpr int32_t kWrongArguments = 450;

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

// A method without a result and without parameters.
vbs::HostObject::Call action(std::function<void()> work) {
    return [work = std::move(work)](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        work();
        return 0;
    };
}

// The first argument as text, the way a String parameter receives it.
int32_t textArgument(Args& args, int count, std::u16string& text) {
    if (args.size() != count || args.missing(0)) return kWrongArguments;
    return vbs::ops::toInvariantString(args.at(0), text);
}

// A public String variable of the window.
void textVariable(vbs::HostObject& object, std::u16string_view name, std::function<std::u16string&()> slot) {
    object.property(
        name,
        [slot](Args args, Variant& result, CallContext&) -> int32_t {
            if (args.size() != 0) return kWrongArguments;
            result = Variant::string(slot());
            return 0;
        },
        [slot](Args args, const Variant& value, CallContext&) -> int32_t {
            if (args.size() != 0) return kWrongArguments;
            std::u16string text;
            if (int32_t status = vbs::ops::toInvariantString(value.deref(), text)) return status;
            slot() = std::move(text);
            return 0;
        });
}

// A public Boolean variable of the window.
void flagVariable(vbs::HostObject& object, std::u16string_view name, std::function<bool&()> slot) {
    object.property(
        name,
        [slot](Args args, Variant& result, CallContext&) -> int32_t {
            if (args.size() != 0) return kWrongArguments;
            result = Variant::boolean(slot());
            return 0;
        },
        [slot](Args args, const Variant& value, CallContext&) -> int32_t {
            if (args.size() != 0) return kWrongArguments;
            bool flag = false;
            if (int32_t status = vbs::ops::toBoolean(value.deref(), flag)) return status;
            slot() = flag;
            return 0;
        });
}

// A member that would reset or re-enter the engine under the running script.
int32_t refuseWhileRunning(CallContext& ctx) { return ctx.fail(kCannotDoNow, kCannotDoNowText); }

// A question the user ended by stopping the script (Escape in the input
// box, Ctrl+Break, closing the window) has no answer: what the dialog falls
// back to (the last answer) must not reach the script, so the member fails
// with the stop and the statement that asked assigns nothing.
int32_t stoppedWhileAsking(const CallContext& ctx) { return ctx.stopStatus(); }

void addVariables(vbs::HostObject& form, MainFormHost& host) {
    textVariable(form, u"passtr", [&host]() -> std::u16string& { return host.variables().passtr; });
    textVariable(form, u"LastCmd", [&host]() -> std::u16string& { return host.variables().LastCmd; });
    flagVariable(form, u"WindowExtended", [&host]() -> bool& { return host.variables().WindowExtended; });
    flagVariable(form, u"QuickVisible", [&host]() -> bool& { return host.variables().QuickVisible; });
    flagVariable(form, u"AnsIns", [&host]() -> bool& { return host.variables().AnsIns; });
}

void addDrawingMethods(vbs::HostObject& form, MainFormHost& host) {
    form.method(u"DrawLine", [&host](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 4) return kWrongArguments;
        return host.DrawLine(args.at(0), args.at(1), args.at(2), args.at(3));
    });
    form.method(u"DrawDot", [&host](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 2) return kWrongArguments;
        return host.DrawDot(args.at(0), args.at(1));
    });
    form.method(u"DrawCircle", [&host](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 3) return kWrongArguments;
        return host.DrawCircle(args.at(0), args.at(1), args.at(2));
    });
}

// The loaders. A reset would destroy the engine that runs the calling
// script, so LoadScriptFile and LoadScripts are refused; LoadScript adds
// code through the running interpreter, as ExecuteGlobal does.
void addLoadingMethods(vbs::HostObject& form, MainFormHost& host) {
    form.method(u"LoadScriptFile", [](Args args, Variant&, CallContext& ctx) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        return refuseWhileRunning(ctx);
    });
    form.method(u"LoadScripts", [](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::u16string path;
        if (int32_t status = textArgument(args, 1, path)) return status;
        return refuseWhileRunning(ctx);
    });
    form.method(u"LoadScript", [&host](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::u16string path;
        if (int32_t status = textArgument(args, 1, path)) return status;
        return host.LoadScriptFromScript(path, ctx);
    });
    form.method(u"LoadSettings", action([&host] { host.LoadSettings(); }));
    form.method(u"ProcedureExists", [&host](Args args, Variant& result, CallContext&) -> int32_t {
        std::u16string name;
        if (int32_t status = textArgument(args, 1, name)) return status;
        result = Variant::boolean(host.ProcedureExists(name));
        return 0;
    });
}

void addConsoleMethods(vbs::HostObject& form, MainFormHost& host) {
    form.method(u"OPrint", [&host](Args args, Variant&, CallContext&) -> int32_t {
        std::u16string text;
        if (int32_t status = textArgument(args, 1, text)) return status;
        host.OPrint(text);
        return 0;
    });
    // Evaluating the input line runs the engine again inside the running
    // script, which the engine's facade does not allow.
    form.method(u"EvaluateInput", [](Args args, Variant&, CallContext& ctx) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        return refuseWhileRunning(ctx);
    });
    form.method(u"SetToTop", action([&host] { host.SetToTop(); }));
    form.method(u"FillBrackets", [](Args args, Variant&, CallContext&) -> int32_t {
        std::u16string text;
        if (int32_t status = textArgument(args, 1, text)) return status;
        if (int32_t status = FillBrackets(text)) return status;
        args.at(0) = Variant::string(std::move(text));  // the caller's variable
        return 0;
    });
    form.method(u"GetIStr", [&host](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (args.size() != 1) return kWrongArguments;
        std::u16string answer = host.GetIStr(args.at(0));
        if (int32_t stop = stoppedWhileAsking(ctx)) return stop;
        result = Variant::string(std::move(answer));
        return 0;
    });
    form.method(u"GetIVal", [&host](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (args.size() != 1) return kWrongArguments;
        Variant answer = host.GetIVal(args.at(0));
        if (int32_t stop = stoppedWhileAsking(ctx)) return stop;
        result = std::move(answer);
        return 0;
    });
}

// A read-only property.
vbs::HostObject::Call reader(std::function<Variant()> value) {
    return [value = std::move(value)](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        result = value();
        return 0;
    };
}

}  // namespace

void addMainFormMembers(vbs::HostObject& form, MainFormHost& host) {
    addVariables(form, host);
    form.method(u"ExtendWindow", action([&host] { host.ExtendWindow(); }));
    form.method(u"NormalWindow", action([&host] { host.NormalWindow(); }));
    addDrawingMethods(form, host);
    addLoadingMethods(form, host);
    addConsoleMethods(form, host);
}

void addCalcScreenMembers(vbs::HostObject& screen, TranscriptAccess& pane) {
    screen.property(
        u"Text", reader([&pane] { return Variant::string(pane.Text()); }),
        [&pane](Args args, const Variant& value, CallContext&) -> int32_t {
            std::u16string text;
            if (args.size() != 0) return kWrongArguments;
            if (int32_t status = vbs::ops::toInvariantString(value.deref(), text)) return status;
            pane.SetText(text);
            return 0;
        });
    screen.setDefault(u"Text");
    auto numberStore = [](std::function<void(int32_t)> apply) {
        return [apply = std::move(apply)](Args args, const Variant& value, CallContext&) -> int32_t {
            int32_t number = 0;
            if (args.size() != 0) return kWrongArguments;
            if (int32_t status = vbs::ops::toLong(value.deref(), number)) return status;
            if (number < 0) return 5;  // "Invalid procedure call or argument"
            apply(number);
            return 0;
        };
    };
    screen.property(u"SelStart", reader([&pane] { return Variant::long_(pane.SelStart()); }),
                     numberStore([&pane](int32_t n) { pane.SetSelStart(n); }));
    screen.property(u"SelLength", reader([&pane] { return Variant::long_(pane.SelLength()); }),
                     numberStore([&pane](int32_t n) { pane.SetSelLength(n); }));
    screen.property(
        u"SelText", reader([&pane] { return Variant::string(pane.SelText()); }),
        [&pane](Args args, const Variant& value, CallContext&) -> int32_t {
            std::u16string text;
            if (args.size() != 0) return kWrongArguments;
            if (int32_t status = vbs::ops::toInvariantString(value.deref(), text)) return status;
            pane.SetSelText(text);
            return 0;
        });
}

void addScreenMembers(vbs::HostObject& screen, std::function<ScreenFacts()> facts) {
    screen.property(u"TwipsPerPixelX", reader([facts] { return Variant::double_(facts().twipsPerPixelX); }));
    screen.property(u"TwipsPerPixelY", reader([facts] { return Variant::double_(facts().twipsPerPixelY); }));
    screen.property(u"Width", reader([facts] {
                         const ScreenFacts f = facts();
                         return Variant::double_(f.widthPixels * f.twipsPerPixelX);
                     }));
    screen.property(u"Height", reader([facts] {
                         const ScreenFacts f = facts();
                         return Variant::double_(f.heightPixels * f.twipsPerPixelY);
                     }));
}

void addAppMembers(vbs::HostObject& app, const AppFacts& facts) {
    app.property(u"Path", reader([path = facts.path] { return Variant::string(path); }));
    app.property(u"Title", reader([title = facts.title] { return Variant::string(title); }));
    app.property(u"EXEName", reader([name = facts.exeName] { return Variant::string(name); }));
}

ObjectModel::ObjectModel(MainFormHost& form, TranscriptAccess& transcript, std::function<ScreenFacts()> screen,
                         AppFacts app, vbs::ScriptEngine& engine, vbs::Dispatch* drawWin)
    : calcScreen_(vbs::makeHostObject(u"RichTextBox")),
      mainForm_(vbs::makeHostObject(u"frm_calc")),
      screen_(vbs::makeHostObject(u"Screen")),
      app_(vbs::makeHostObject(u"App")),
      scriptObject_(vbs::makeHostObject(u"ScriptControl")),
      drawWin_(drawWin) {
    addCalcScreenMembers(*calcScreen_.get(), transcript);
    addMainFormMembers(*mainForm_.get(), form);
    addScreenMembers(*screen_.get(), std::move(screen));
    addAppMembers(*app_.get(), app);
    addScriptObjectMembers(*scriptObject_.get(), engine);
}

ObjectModel::~ObjectModel() = default;

void ObjectModel::registerAll(vbs::ScriptEngine& engine) {
    engine.AddObject(u"CalcScreen", calcScreen_.get());
    engine.AddObject(u"MainForm", mainForm_.get());
    engine.AddObject(u"Screen", screen_.get());
    engine.AddObject(u"App", app_.get());
    engine.AddObject(u"ScriptObject", scriptObject_.get());
    if (drawWin_ != nullptr) engine.AddObject(u"DrawWin", drawWin_);
}

}  // namespace talvoro
