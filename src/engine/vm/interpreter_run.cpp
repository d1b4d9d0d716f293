// The interpreter's operations as the facade and the script built-ins use
// them: the global table, compiling and running text, Execute/Eval in the
// current scope, GetRef, calling a procedure by name.
#include <cstdlib>
#include <new>

#include "engine/compile/compiler.h"
#include "engine/error_table.h"
#include "engine/library/builtins.h"
#include "engine/vm/interpreter.h"
#include "engine/values/object_cycles.h"
#include "engine/syntax/parser.h"
#include "engine/vm/script_class.h"
#include "engine/vm/err_object.h"

namespace vbs {

void dumpProcedure(const Procedure& proc);

namespace {

// What GetRef returns: calling it (its default member) runs the procedure.
class ProcedureRef : public Dispatch {
public:
    ProcedureRef(Interpreter* vm, const Procedure* proc, std::shared_ptr<bool> alive)
        : vm_(vm), proc_(proc), alive_(std::move(alive)) {}
    std::u16string typeName() const override { return u"Object"; }
    int32_t findMember(std::u16string_view) override { return kNoMember; }
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext&) override {
        if (member != kDefaultMember || kind == InvokeKind::Let || kind == InvokeKind::Set)
            return err::MemberNotSupported;
        if (!*alive_) return err::ObjectRequired;
        return vm_->callProcedure(proc_, nullptr, args.raw(), args.size(), result);
    }

private:
    Interpreter* vm_;
    const Procedure* proc_;
    std::shared_ptr<bool> alive_;
};

// Whether nothing but blanks follows line `line`, column `column` (from 1).
bool onlyBlanksFrom(std::u16string_view text, int line, int column) {
    size_t at = 0;
    for (int l = 1; l < line && at < text.size(); ++at)
        if (text[at] == u'\n') ++l;
    at += column > 0 ? static_cast<size_t>(column - 1) : 0;
    for (; at < text.size(); ++at)
        if (text[at] != u' ' && text[at] != u'\t' && text[at] != u'\r' && text[at] != u'\n') return false;
    return true;
}

void reportAsSyntaxError(ScriptError& error) {
    if (!isCompileError(error.number)) return;
    error.number = err::SyntaxError;
    error.description = toU16(errorText(err::SyntaxError));
    error.source = toU16(kCompileSource);
}

}  // namespace

Interpreter::Interpreter() {
    globalValues_.reserve(kMaxGlobals);
    err_ = new ErrObject();
    int32_t g = declareGlobal(u"Err", GlobalKind::Object);
    globalValue(g) = Variant::object(err_);
}

int32_t Interpreter::findGlobal(std::u16string_view foldedName) const {
    auto it = globalIndex_.find(std::u16string(foldedName));
    return it == globalIndex_.end() ? -1 : it->second;
}

// Past kMaxGlobals this throws std::bad_alloc: compileAndCommit turns it into
// "Out of memory" for the unit being compiled (resolveName checks first).
int32_t Interpreter::declareGlobal(std::u16string_view name, GlobalKind kind, bool hidden) {
    if (globalValues_.size() >= kMaxGlobals) throw std::bad_alloc();
    auto index = static_cast<int32_t>(globalInfos_.size());
    GlobalInfo info;
    info.name = std::u16string(name);
    info.kind = kind;
    info.hidden = hidden;
    globalInfos_.push_back(std::move(info));
    globalValues_.emplace_back();
    if (!hidden) globalIndex_[foldName(name)] = index;
    return index;
}

void Interpreter::rollbackGlobals(size_t mark) {
    while (globalInfos_.size() > mark) {
        if (!globalInfos_.back().hidden) globalIndex_.erase(foldName(globalInfos_.back().name));
        globalInfos_.pop_back();
        globalValues_.pop_back();
    }
}

int32_t Interpreter::takeHiddenGlobals(int32_t count) {
    for (size_t i = 0; i < freeHiddenRuns_.size(); ++i) {
        HiddenRun& run = freeHiddenRuns_[i];
        if (run.count < count) continue;
        int32_t first = run.first;
        run.first += count;
        run.count -= count;
        if (run.count == 0) freeHiddenRuns_.erase(freeHiddenRuns_.begin() + static_cast<std::ptrdiff_t>(i));
        return first;
    }
    int32_t first = declareGlobal(u"", GlobalKind::Variable, true);
    for (int32_t i = 1; i < count; ++i) declareGlobal(u"", GlobalKind::Variable, true);
    return first;
}

void Interpreter::releaseHiddenGlobals(const std::vector<HiddenRun>& runs) {
    for (const HiddenRun& run : runs) {
        if (static_cast<size_t>(run.first) >= globalValues_.size()) continue;  // rolled back with its compilation
        for (int32_t g = run.first; g < run.first + run.count; ++g) {
            Variant old = std::move(globalValues_[static_cast<size_t>(g)]);
        }
        freeHiddenRuns_.push_back(run);
    }
}

bool Interpreter::hostMemberExists(std::u16string_view name) {
    for (Dispatch* host : memberHosts_)
        if (host->findMember(name) != kNoMember) return true;
    return false;
}

void Interpreter::addObject(std::u16string_view name, Dispatch* object, bool addMembers) {
    int32_t g = findGlobal(foldName(name));
    if (g < 0) g = declareGlobal(name, GlobalKind::Object);
    globalInfo(g).kind = GlobalKind::Object;
    globalValue(g) = Variant::object(object);
    if (addMembers && object) {
        object->addRef();
        memberHosts_.push_back(object);
    }
}

void Interpreter::beginOperation() {
    if (callDepth_ > 0) return;  // a nested call from a host callback keeps the outer limits
    char here = 0;
    stackBase_ = &here;
    error_.clear();
    errorPlaced_ = false;
    detail_.clear();
    stopStatus_ = 0;
    ticks_ = kTicksPerClockCheck;
    if (timeoutMs_ > 0 || poll_) started_ = std::chrono::steady_clock::now();
    if (timeoutMs_ > 0) deadline_ = started_ + std::chrono::milliseconds(timeoutMs_);
}

int32_t Interpreter::finishOperation(int32_t status) {
    // A time-out or interrupt that only a Class_Terminate saw (it ignores its
    // errors) still ends the operation.
    if (status == 0 && stopStatus_ != 0 && callDepth_ == 0) status = stopStatus_;
    if (status == 0) return 0;
    if (error_.number != status) {
        error_.clear();
        error_.number = status;
        error_.description = detail_.description.empty() ? toU16(errorText(status)) : detail_.description;
        error_.source = toU16(isCompileError(status) ? kCompileSource : kRuntimeSource);
    }
    detail_.clear();
    return status;
}

// Parses and compiles `text`; on success its procedures and classes are bound
// to their global names. A failure leaves the global table as it was.
int32_t Interpreter::compileAndCommit(std::u16string_view text, bool expression, bool dynamic, const Frame* scope,
                                      std::unique_ptr<Procedure>& main) {
    ParseResult parsed = parse(text, expression ? ParseMode::Expression : ParseMode::Statements);
    if (parsed.error.number) {
        error_ = parsed.error;
        // Text given to Eval, Execute or ExecuteGlobal reports every compile
        // error as a plain syntax error, and so does an expression the host
        // evaluates that stops short ("1 + ").
        bool stopsShort = expression && error_.number == err::ExpectedExpression &&
                          onlyBlanksFrom(text, error_.line, error_.column);
        if (dynamic || stopsShort) reportAsSyntaxError(error_);
        if (error_.source.empty()) error_.source = toU16(kCompileSource);
        if (error_.text.empty()) {
            CodeUnit whole;
            whole.source = std::u16string(text);
            error_.text = whole.lineText(error_.line);
        }
        errorPlaced_ = true;
        if (dynamic) { error_.line = 0; error_.column = 0; errorPlaced_ = false; }
        return error_.number;
    }
    auto unit = std::make_shared<CodeUnit>();
    unit->source = std::u16string(text);
    unit->dynamic = dynamic;
    CompileRequest request;
    request.program = parsed.program.get();
    request.unit = unit;
    if (scope && !scope->proc->isGlobalCode) {
        request.scope = scope->proc;
        request.scopeClass = scope->me ? scope->me->classInfo() : scope->proc->owner;
        Frame& owner = const_cast<Frame*>(scope)->owner();
        if (owner.executed)
            for (const auto& entry : *owner.executed) request.executedNames.push_back(entry.first);
    }
    size_t mark = globalCount();
    if (dynamic && !request.scope) request.firstNewGlobal = static_cast<int32_t>(mark);
    CompiledUnit compiled;
    ScriptError compileError;
    try {
        compileError = compileProgram(request, *this, compiled);
    } catch (const std::bad_alloc&) {
        // Out of memory, or of globals (declareGlobal): the unit is dropped whole.
        compileError.number = err::OutOfMemory;
        compileError.description = toU16(errorText(err::OutOfMemory));
        compileError.source = toU16(kRuntimeSource);
    }
    if (compileError.number) {
        rollbackGlobals(mark);
        if (compiled.main) releaseHiddenGlobals(compiled.main->hiddenGlobals);
        error_ = compileError;
        if (dynamic) reportAsSyntaxError(error_);
        error_.text = unit->lineText(error_.line);
        errorPlaced_ = !dynamic;
        if (dynamic) { error_.line = 0; error_.column = 0; }
        return error_.number;
    }
    for (auto& [g, proc] : compiled.procedures) {
        globalInfo(g).kind = GlobalKind::Procedure;
        globalInfo(g).proc = proc.get();
        procedures_.push_back(std::move(proc));
    }
    for (auto& [g, cls] : compiled.classes) {
        globalInfo(g).kind = GlobalKind::Class;
        globalInfo(g).cls = cls;
        classes_.push_back(cls);
    }
    for (const Procedure* p : compiled.definitionOrder) {
        // A redefinition replaces the earlier entry in place.
        bool replaced = false;
        for (auto& existing : definitionOrder_)
            if (namesEqual(existing->name, p->name)) { existing = p; replaced = true; }
        if (!replaced) definitionOrder_.push_back(p);
    }
    main = std::move(compiled.main);
    if (std::getenv("TALVORO_DUMP_BYTECODE")) {
        for (const Procedure* p : compiled.definitionOrder) dumpProcedure(*p);
        dumpProcedure(*main);
    }
    return 0;
}

// Runs the statements of a unit. `scopeFrame` is the frame whose variables
// Execute/Eval text sees (null: global scope).
int32_t Interpreter::runMain(std::unique_ptr<Procedure> main, Frame* scopeFrame, Variant* result) {
    if (int32_t e = enterCall()) { releaseHiddenGlobals(main->hiddenGlobals); return e; }
    size_t count = static_cast<size_t>(main->numLocals + main->maxStack);
    size_t savedBlock, savedUsed;
    Variant* block = allocateSlots(count, savedBlock, savedUsed);
    // Global code has no slots of its own: its variables are the globals.
    Variant* slots = main->globalsAsSlots ? globalValues_.data() : block;
    Frame frame;
    frame.proc = main.get();
    frame.slots = slots;
    frame.stack = block + main->numLocals;
    frame.caller = current_;
    if (scopeFrame && !main->isGlobalCode) {
        // The caller's variables, by reference, in the slots the compiler gave them.
        const Procedure* outer = scopeFrame->proc;
        for (int i = 0; i < outer->numLocals && i < main->numLocals; ++i)
            slots[i] = Variant::ref(&scopeFrame->slots[i].deref());
        frame.me = scopeFrame->me;
        frame.scopeOwner = &scopeFrame->owner();
        bindExecutedVariables(*main, outer->numLocals, *frame.scopeOwner, slots);
    }
    current_ = &frame;
    int32_t status = execute(frame);
    if (status == 0 && result && main->resultSlot >= 0) *result = std::move(slots[main->resultSlot]);
    current_ = frame.caller;
    releaseSlots(block, count, savedBlock, savedUsed);
    releaseHiddenGlobals(main->hiddenGlobals);
    --callDepth_;
    return status;
}

// The variables of Execute text run inside a procedure (its Dims, its
// implicit variables) live on in that procedure's call: slots from `first`
// on refer to them, made now if new.
void Interpreter::bindExecutedVariables(const Procedure& main, int first, Frame& owner, Variant* slots) {
    auto bind = [&](const std::u16string& folded, int slot) {
        if (!owner.executed) owner.executed = std::make_unique<std::unordered_map<std::u16string, Variant>>();
        slots[slot] = Variant::ref(&(*owner.executed)[folded]);
    };
    for (int i = first; i < main.numLocals; ++i)
        if (!main.localNames[static_cast<size_t>(i)].empty()) bind(main.localNames[static_cast<size_t>(i)], i);
    for (const auto& [folded, slot] : main.implicitLocalSlots)
        if (slot >= first) bind(folded, slot);
}

int32_t Interpreter::runGlobalText(std::u16string_view text) {
    beginOperation();
    int32_t status = 0;
    try {
        std::unique_ptr<Procedure> main;
        status = compileAndCommit(text, false, false, nullptr, main);
        if (status == 0) status = runMain(std::move(main), nullptr, nullptr);
    } catch (const std::bad_alloc&) {
        status = err::OutOfMemory;
    }
    return finishOperation(status);
}

int32_t Interpreter::evalGlobalText(std::u16string_view text, Variant& result) {
    beginOperation();
    int32_t status = 0;
    try {
        std::unique_ptr<Procedure> main;
        status = compileAndCommit(text, true, false, nullptr, main);
        if (status == 0) status = runMain(std::move(main), nullptr, &result);
    } catch (const std::bad_alloc&) {
        status = err::OutOfMemory;
    }
    return finishOperation(status);
}

int32_t Interpreter::runByName(std::u16string_view name, std::vector<Variant>& args, Variant& result) {
    beginOperation();
    int32_t g = findGlobal(foldName(name));
    if (g < 0 || globalInfo(g).kind != GlobalKind::Procedure || !globalInfo(g).proc) {
        detail_.description = toU16(errorText(err::SubNotDefined));
        return finishOperation(err::SubNotDefined);
    }
    int32_t status = 0;
    try {
        status = callProcedure(globalInfo(g).proc, nullptr, args.data(), static_cast<int>(args.size()), result);
    } catch (const std::bad_alloc&) {
        status = err::OutOfMemory;
    }
    return finishOperation(status);
}

std::vector<ProcedureInfo> Interpreter::procedures() const {
    std::vector<ProcedureInfo> out;
    for (const Procedure* p : definitionOrder_) {
        ProcedureInfo info;
        info.Name = p->name;
        info.NumArgs = p->numParams;
        info.HasReturnValue = p->hasReturnValue();
        info.ArgNames = p->paramNames;
        out.push_back(std::move(info));
    }
    return out;
}

std::vector<VariableInfo> Interpreter::variables() const {
    std::vector<VariableInfo> out;
    for (size_t i = 0; i < globalInfos_.size() && i < globalValues_.size(); ++i) {
        const GlobalInfo& g = globalInfos_[i];
        const bool isValue = g.kind == GlobalKind::Variable || g.kind == GlobalKind::Constant;
        if (!isValue || g.hidden || g.name.empty()) continue;
        out.push_back(VariableInfo{g.name, g.kind == GlobalKind::Constant, globalValues_[i].deref()});
    }
    return out;
}

std::vector<std::u16string> Interpreter::classNames() const {
    std::vector<std::u16string> out;
    for (const char16_t* builtin : builtinClassNames()) out.emplace_back(builtin);
    for (const GlobalInfo& g : globalInfos_) {
        if (g.kind == GlobalKind::Class && !g.hidden) out.push_back(g.name);
    }
    return out;
}

// ---- Execute, ExecuteGlobal, Eval, GetRef ---------------------------------------

int32_t Interpreter::evalInCurrentScope(std::u16string_view text, Variant& result, CallContext&) {
    std::unique_ptr<Procedure> main;
    if (int32_t e = compileAndCommit(text, true, true, current_, main)) return e;
    return runMain(std::move(main), current_, &result);
}

int32_t Interpreter::executeInCurrentScope(std::u16string_view text, CallContext&) {
    std::unique_ptr<Procedure> main;
    if (int32_t e = compileAndCommit(text, false, true, current_, main)) return e;
    return runMain(std::move(main), current_, nullptr);
}

int32_t Interpreter::executeGlobal(std::u16string_view text, CallContext&) {
    std::unique_ptr<Procedure> main;
    if (int32_t e = compileAndCommit(text, false, true, nullptr, main)) return e;
    return runMain(std::move(main), nullptr, nullptr);
}

int32_t Interpreter::getRef(std::u16string_view name, Variant& result, CallContext& ctx) {
    int32_t g = findGlobal(foldName(name));
    if (g < 0 || globalInfo(g).kind != GlobalKind::Procedure || !globalInfo(g).proc)
        return ctx.fail(err::InvalidProcCall);
    result = Variant::object(new ProcedureRef(this, globalInfo(g).proc, alive_));
    return 0;
}

// Class_Terminate of an instance whose last reference just went. Its errors
// are not reported (there is no statement to report them at), and the error
// in flight, if any, survives it.
void Interpreter::runTerminate(ScriptObject* object) {
    ClassInfo* cls = object->classInfo();
    if (!cls->terminate || shuttingDown_) return;
    ScriptError saved = error_;
    bool savedPlaced = errorPlaced_;
    ErrorDetail savedDetail = detail_;
    Variant ignored;
    callProcedure(cls->terminate, object, nullptr, 0, ignored);
    error_ = saved;
    errorPlaced_ = savedPlaced;
    detail_ = savedDetail;
}

}  // namespace vbs
