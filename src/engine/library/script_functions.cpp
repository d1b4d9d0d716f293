// Built-ins that need the interpreter or the host: Eval, Execute,
// ExecuteGlobal, GetRef, MsgBox and InputBox. MsgBox and InputBox go through
// the HostHooks the application installed (ScriptEngine::SetHostHooks);
// without a hook they fail with error 5 "Invalid procedure call or argument",
// since there is no one to ask.
#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/values/ops.h"

namespace vbs {

namespace {

int32_t readText(const Args& args, int i, std::u16string& out) {
    if (args.missing(i)) { out.clear(); return 0; }
    return ops::toString(args.at(i), out);
}

// Eval(expression): the value of an expression in the caller's scope. Only
// a text is an expression; any other value (a number, True, Null, Empty) is
// already a value and comes back as it is.
int32_t fnEval(CallContext& ctx, Args args, Variant& result) {
    const Variant& v = args.at(0);
    if (!v.isString() && !v.isObject()) { result = v; return 0; }
    std::u16string text;
    if (int32_t e = readText(args, 0, text)) return e;
    return ctx.vm->evalInCurrentScope(text, result, ctx);
}

// The statements Execute and ExecuteGlobal run: a text. A number, Null or
// Empty is no program, so it is not converted.
int32_t readStatements(const Args& args, std::u16string& out) {
    const Variant& v = args.at(0);
    if (!v.isString()) return err::TypeMismatch;
    return readText(args, 0, out);
}

// Execute statements: run in the caller's scope (its locals are visible, and
// what they declare stays visible to the rest of the call).
int32_t fnExecute(CallContext& ctx, Args args, Variant&) {
    std::u16string text;
    if (int32_t e = readStatements(args, text)) return e;
    return ctx.vm->executeInCurrentScope(text, ctx);
}

// ExecuteGlobal statements: run at global scope wherever it is called;
// what they define is global.
int32_t fnExecuteGlobal(CallContext& ctx, Args args, Variant&) {
    std::u16string text;
    if (int32_t e = readStatements(args, text)) return e;
    return ctx.vm->executeGlobal(text, ctx);
}

// GetRef(name): only a text names a procedure; "" names none (5).
int32_t fnGetRef(CallContext& ctx, Args args, Variant& result) {
    if (!args.at(0).isString()) return err::TypeMismatch;
    std::u16string name;
    if (int32_t e = readText(args, 0, name)) return e;
    return ctx.vm->getRef(name, result, ctx);
}

// MsgBox(prompt[, buttons[, title[, helpfile, context]]]) -> the button pressed.
int32_t fnMsgBox(CallContext& ctx, Args args, Variant& result) {
    const HostHooks& hooks = ctx.vm->hostHooks();
    if (!hooks.msgBox) return err::InvalidProcCall;
    std::u16string prompt, title;
    int32_t buttons = 0;
    if (int32_t e = readText(args, 0, prompt)) return e;
    if (!args.missing(1)) { if (int32_t e = ops::toLong(args.at(1), buttons)) return e; }
    if (int32_t e = readText(args, 2, title)) return e;
    const int pressed = hooks.msgBox(prompt, buttons, title);
    // Stopped while the box was open: the button it closed with is no answer.
    if (int32_t stop = ctx.vm->stopStatus()) return stop;
    result = Variant::integer(static_cast<int16_t>(pressed));
    return 0;
}

// InputBox(prompt[, title[, default[, x, y[, helpfile, context]]]]) -> text, "" when cancelled.
int32_t fnInputBox(CallContext& ctx, Args args, Variant& result) {
    const HostHooks& hooks = ctx.vm->hostHooks();
    if (!hooks.inputBox) return err::InvalidProcCall;
    std::u16string prompt, title, defaultText;
    if (int32_t e = readText(args, 0, prompt)) return e;
    if (int32_t e = readText(args, 1, title)) return e;
    if (int32_t e = readText(args, 2, defaultText)) return e;
    bool cancelled = false;
    std::u16string answer = hooks.inputBox(prompt, title, defaultText, cancelled);
    if (int32_t stop = ctx.vm->stopStatus()) return stop;
    result = Variant::string(cancelled ? std::u16string() : answer);
    return 0;
}

constexpr BuiltinInfo kScriptBuiltins[] = {
    {u"Eval", 1, 1, fnEval},
    {u"Execute", 1, 1, fnExecute},
    {u"ExecuteGlobal", 1, 1, fnExecuteGlobal},
    {u"GetRef", 1, 1, fnGetRef},
    {u"MsgBox", 1, 5, fnMsgBox},
    {u"InputBox", 1, 7, fnInputBox},
};

}  // namespace

std::span<const BuiltinInfo> scriptBuiltins() { return kScriptBuiltins; }

}  // namespace vbs
