#include "script_host.h"

#include "engine/host_object.h"
#include "engine/vm/interpreter.h"
#include "engine/values/locale.h"
#include "engine/values/ops.h"
#include "engine/script_engine.h"

namespace vbs::testing {

namespace {

// What a print shows of a value: an object's default value, Null as "Null",
// everything else as CStr converts it in English (US).
std::u16string printable(CallContext& ctx, const Variant& arg) {
    Variant value = arg;
    if (value.isObject() && ctx.vm) {
        Variant plain;
        if (ctx.vm->defaultValue(arg, plain) == 0) value = plain;
    }
    if (value.isNull()) return u"Null";
    std::u16string text;
    if (ops::toInvariantString(value, text) != 0) return u"";
    return text;
}

}  // namespace

ScriptRun runScriptText(std::u16string_view source, EngineMode mode, int64_t timeoutMs) {
    ScriptRun run;
    auto wscript = makeHostObject(u"WScript");
    wscript->method(u"Echo", [&](Args args, Variant&, CallContext& ctx) {
        std::u16string line;
        for (int i = 0; i < args.size(); ++i) {
            if (i) line += u' ';
            line += printable(ctx, args.at(i));
        }
        run.printed.push_back(toUtf8(line));
        return 0;
    });
    auto mainForm = makeHostObject(u"MainForm");
    mainForm->method(u"OPrint", [&](Args args, Variant&, CallContext& ctx) {
        run.printed.push_back(args.size() > 0 ? toUtf8(printable(ctx, args.at(0))) : std::string());
        return 0;
    });

    {
        // The engine goes at the end of this block, before `run` is returned.
        ScriptEngine engine;
        if (mode != EngineMode::Default) engine.SetPlain(mode == EngineMode::Plain);
        engine.SetTimeout(timeoutMs);
        engine.AddObject(u"WScript", wscript.get());
        engine.AddObject(u"MainForm", mainForm.get());
        try {
            engine.AddCode(source);
        } catch (const ScriptException& e) {
            run.error = e.error();
        }
    }
    return run;
}

}  // namespace vbs::testing
