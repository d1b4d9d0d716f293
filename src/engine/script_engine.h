// The engine as the application sees it: the operations of a script control.
// One ScriptEngine is one global scope; calls share it until Reset. Every
// failing operation throws ScriptException carrying the error record, which
// `Error()` also keeps until the next operation or Clear. A failure leaves the
// engine as it was: what earlier calls defined stays.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/object.h"
#include "engine/script_error.h"
#include "engine/variant.h"

namespace vbs {

class Interpreter;
struct Locale;

// Hooks through which MsgBox and InputBox reach the user. Without a hook the
// functions raise an error.
struct HostHooks {
    // prompt, buttons (vbOKOnly...), title -> the button pressed (vbOK...)
    std::function<int(const std::u16string& prompt, int buttons, const std::u16string& title)> msgBox;
    // prompt, title, default -> the text typed, or nullopt-like `cancelled`
    std::function<std::u16string(const std::u16string& prompt, const std::u16string& title,
                                 const std::u16string& defaultText, bool& cancelled)>
        inputBox;
};

// Makes an object for CreateObject(progID): puts a new object (one the
// factory made, so its reference is the result's) into `result` and returns
// 0, or returns an error number (ctx.fail for a text of its own).
using ObjectFactory = std::function<int32_t(CallContext& ctx, Variant& result)>;

// One entry of Procedures(): a Sub or Function defined at global scope.
struct ProcedureInfo {
    std::u16string Name;  // as written in its definition
    int NumArgs = 0;
    bool HasReturnValue = false;  // Function: true, Sub: false
    std::vector<std::u16string> ArgNames = {};  // as written in its declaration, NumArgs of them
};

// One entry of Variables(): a variable or constant of the global scope.
struct VariableInfo {
    std::u16string Name;  // as first written
    bool IsConstant = false;
    Variant Value;
};

class ScriptEngine {
public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // "VBScript" is the only language; setting another raises error 5.
    std::u16string Language() const { return u"VBScript"; }
    void SetLanguage(std::u16string_view language);

    // Per-call time limit in milliseconds; a call running past it stops with
    // error 5050 "Script ran longer than its time limit". 0 or less: no limit.
    int64_t Timeout() const { return timeoutMs_; }
    void SetTimeout(int64_t ms) { timeoutMs_ = ms; }

    // Called from the engine's periodic clock check while an operation runs
    // (every few thousand backward jumps and calls), with the time since the
    // outermost operation began: an application that runs scripts on its
    // user-interface thread keeps its windows alive from here, and may call
    // Interrupt. Kept across Reset.
    using Poll = std::function<void(std::chrono::milliseconds running)>;
    void SetPoll(Poll poll);

    // Asks the running operation to stop at its next backward jump or call
    // with error 5052 "Script interrupted by the user", which scripts cannot
    // trap. Outside an operation it does nothing.
    void Interrupt();

    // True while an operation runs: a host object called by the script, or
    // the poll, is inside it.
    bool Running() const { return running_ > 0; }
    // True while the running operation has been told to stop (Interrupt or
    // its time limit) and is on its way out: a host object need not start
    // anything long, such as asking the user.
    bool Stopping() const;

    // Plain mode compiles without any fused or specialised instruction and
    // runs every operation through the general path: slower, and meant to
    // give the same output and errors as the normal mode in every case, so
    // tests compare the two. Applies to text compiled after the call; kept
    // across Reset. An engine starts plain when the environment variable
    // TALVORO_PLAIN is "1".
    void SetPlain(bool plain);
    bool Plain() const;

    // Discards all code, variables and named objects.
    void Reset();

    // Makes `object` reachable by scripts under `name`. With `addMembers`
    // its members are also reachable without the name (as globals).
    void AddObject(std::u16string_view name, Dispatch* object, bool addMembers = false);

    // Parses and runs a whole script: its procedures become callable and its
    // global statements run now. A syntax error adds nothing of the text.
    void AddCode(std::u16string_view code);

    // Runs statements in the global scope; `a = b` is an assignment.
    void ExecuteStatement(std::u16string_view statement);

    // Evaluates one expression in the global scope; `a = b` is a comparison.
    Variant Eval(std::u16string_view expression);

    // Calls a global Sub or Function by name; arguments are passed by value.
    Variant Run(std::u16string_view name, std::vector<Variant> args = {});

    // The error record of the last failed operation (number 0 if none).
    const ScriptError& Error() const { return error_; }
    void ClearError() { error_.clear(); }

    // Global Subs and Functions, in definition order, numbered from 1 by callers.
    std::vector<ProcedureInfo> Procedures() const;

    // The global variables and constants, in the order they were declared,
    // with their present values; named objects and procedures are not
    // among them. Reading them runs no script code.
    std::vector<VariableInfo> Variables() const;

    // The classes `New` can make: the engine's own (RegExp) first, then the
    // scripts' Class declarations in the order they were declared. Runs no
    // script code. An object's members: Dispatch::members (object.h).
    std::vector<std::u16string> ClassNames() const;

    // MsgBox / InputBox hooks (see HostHooks).
    void SetHostHooks(HostHooks hooks);

    // Lets scripts make `progId` (matched without regard to case) with
    // CreateObject; registering it again replaces the factory. The
    // application offers its components this way. Registrations, like the
    // hooks, outlast Reset: they are what is installed, not script state.
    void RegisterObjectType(std::u16string_view progId, ObjectFactory factory);

    // A call context for the application's own calls of members outside any
    // operation: through it a member can ask what it asks inside a call
    // (CallContext::executeGlobal, eval, run, defaultValue).
    CallContext HostContext();

    // The first syntax error of `text` read as a whole script, at the text's
    // own line and column; number 0 when there is none. Nothing runs.
    static ScriptError SyntaxCheck(std::u16string_view text);

private:
    // Runs `work`, turning a failure into the error record and an exception.
    void check(int32_t status);

    // Runs one operation on the interpreter, counted in running_.
    template <typename Work>
    int32_t operation(Work&& work);

    std::unique_ptr<Interpreter> vm_;
    // The locale this engine's scripts chose with SetLocale (nullptr: the
    // default); active while one of its operations runs (locale.h).
    const Locale* locale_ = nullptr;
    int64_t timeoutMs_ = 10000;
    int running_ = 0;  // operations in progress (nested through host objects)
    ScriptError error_;
};

}  // namespace vbs
