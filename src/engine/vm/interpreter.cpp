// The dispatch loop. Common cases (Integer/Long/Double arithmetic and
// comparisons, local and global variables, array elements) are handled
// inline; everything else goes to the slow paths in interpreter_ops.cpp,
// which call the operators of values/ops.h.
#include "engine/vm/interpreter.h"

#include <memory>
#include <new>

#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/vm/script_class.h"
#include "engine/vm/err_object.h"
#include "engine/vm/fast_paths.h"
#include "engine/values/work_meter.h"

namespace vbs {

int32_t Interpreter::enterCall() {
    char probe = 0;
    if (callDepth_ + 1 > kMaxCallDepth) return err::OutOfStackSpace;
    if (stackBase_ && static_cast<size_t>(stackBase_ > &probe ? stackBase_ - &probe : &probe - stackBase_) >
                          kStackBudgetBytes)
        return err::OutOfStackSpace;
    ++callDepth_;
    if (--ticks_ <= 0 && clockExpired()) { --callDepth_; return stopStatus_; }
    return 0;
}

bool Interpreter::clockExpired() {
    ticks_ = kTicksPerClockCheck;
    if (stopStatus_ == 0 && (timeoutMs_ > 0 || poll_)) {
        const auto now = std::chrono::steady_clock::now();
        if (timeoutMs_ > 0 && now >= deadline_) stopStatus_ = err::ScriptTimedOut;
        else if (poll_) poll_(std::chrono::duration_cast<std::chrono::milliseconds>(now - started_));
    }
    // Once stopped, every later check fails at once: code that outlives a
    // swallowed stop (a Class_Terminate ignores its errors) must not get
    // another few thousand ticks.
    if (stopStatus_ != 0) ticks_ = 0;
    return stopStatus_ != 0;
}

void Interpreter::interrupt() {
    if (stopStatus_ == 0) stopStatus_ = err::ScriptInterrupted;
    ticks_ = 0;  // the next backward jump or call checks
}

// The current block cannot hold `count` more slots: the next block (made
// or enlarged as needed) takes them.
Variant* Interpreter::slotsInNextBlock(size_t count) {
    constexpr size_t kBlockSize = 1u << 16;
    if (stackBlocks_.empty()) {
        stackBlocks_.push_back(std::make_unique<Variant[]>(count > kBlockSize ? count : kBlockSize));
        blockSizes_.push_back(count > kBlockSize ? count : kBlockSize);
        blockIndex_ = 0;
    } else {
        ++blockIndex_;
        if (blockIndex_ >= stackBlocks_.size() || blockSizes_[blockIndex_] < count) {
            size_t size = count > kBlockSize ? count : kBlockSize;
            if (blockIndex_ < stackBlocks_.size()) {
                stackBlocks_[blockIndex_] = std::make_unique<Variant[]>(size);
                blockSizes_[blockIndex_] = size;
            } else {
                stackBlocks_.push_back(std::make_unique<Variant[]>(size));
                blockSizes_.push_back(size);
            }
        }
    }
    blockData_ = stackBlocks_[blockIndex_].get();
    blockSize_ = blockSizes_[blockIndex_];
    blockUsed_ = count;
    return blockData_;
}

int32_t Interpreter::callProcedure(const Procedure* proc, ScriptObject* me, Variant* args, int argc,
                                   Variant& result) {
    if (argc != proc->numParams) return err::WrongArgCount;
    if (int32_t e = enterCall()) return e;
    size_t count = static_cast<size_t>(proc->numLocals + proc->maxStack);
    size_t savedBlock, savedUsed;
    Variant* slots = allocateSlots(count, savedBlock, savedUsed);
    const uint8_t* byVal = proc->paramByVal.data();
    for (int i = 0; i < argc; ++i) {
        if (byVal[i] || !args[i].isRef()) {
            slots[i] = args[i].deref();
            slots[i].detachFixedArray();
        } else {
            slots[i] = args[i];
        }
    }
    Frame frame;
    frame.proc = proc;
    frame.slots = slots;
    frame.stack = slots + proc->numLocals;
    frame.me = me;
    frame.caller = current_;
    current_ = &frame;
    int32_t status = execute(frame);
    if (status == 0 && proc->resultSlot >= 0) result = std::move(slots[proc->resultSlot].deref());
    current_ = frame.caller;
    // execute() leaves its operand stack empty, so only the slots need clearing.
    releaseSlots(slots, static_cast<size_t>(proc->numLocals), savedBlock, savedUsed);
    --callDepth_;
    return status;
}

int32_t Interpreter::fail(Frame& frame, int32_t number) {
    if (error_.number != number) {
        error_.clear();
        errorPlaced_ = false;
        error_.number = number;
        if (!detail_.description.empty()) error_.description = detail_.description;
        else error_.description = toU16(errorText(number));
        errorNamesItem_ = detail_.namesItem;
        error_.source = detail_.source.empty() ? toU16(kRuntimeSource) : detail_.source;
        error_.helpFile = detail_.helpFile;
        error_.helpContext = detail_.helpContext;
    }
    detail_.clear();
    if (!errorPlaced_ && frame.proc->unit && !frame.proc->unit->dynamic) {
        if (const StatementMark* m = frame.proc->markAt(frame.pc - 1)) {
            error_.line = m->line;
            error_.column = m->column;
            error_.text = frame.proc->unit->lineText(m->line);
        }
        errorPlaced_ = true;
    }
    return number;
}

// The frame of a script procedure called from the dispatch loop; frames are
// kept by call depth and reused.
VBS_ALWAYS_INLINE Frame* Interpreter::pushInlineFrame(const Procedure* callee, Frame* caller, Variant* args,
                                                       int argc) {
    auto depth = static_cast<size_t>(callDepth_);
    if (framePool_.size() <= depth) framePool_.resize(depth + 1);
    if (!framePool_[depth]) framePool_[depth] = std::make_unique<Frame>();
    Frame* f = framePool_[depth].get();
    size_t count = static_cast<size_t>(callee->numLocals + callee->maxStack);
    Variant* slots = allocateSlots(count, f->savedBlock, f->savedUsed);
    // The arguments are the caller's temporaries: values move into the
    // parameters; a ByVal parameter takes a copy of what a reference names,
    // and the reference is dropped. So the caller finds them all empty when
    // the call returns. (Fresh slots are empty: releaseSlots leaves them so.)
    const uint8_t* byVal = callee->paramByVal.data();
    for (int i = 0; i < argc; ++i) {
        if (byVal[i] && args[i].isRef()) {
            std::construct_at(&slots[i], args[i].deref());
            std::construct_at(&args[i]);
        } else {
            std::construct_at(&slots[i], std::move(args[i]));
        }
        slots[i].detachFixedArray();
    }
    // pc and callerSp are written before anything reads them: at the
    // frame's first call or failure.
    f->proc = callee;
    f->slots = slots;
    f->stack = slots + callee->numLocals;
    f->me = nullptr;
    f->resumeNext = false;
    f->caller = caller;
    f->scopeOwner = nullptr;
    f->locked.clear();
    current_ = f;
    return f;
}

VBS_ALWAYS_INLINE void Interpreter::popInlineFrame(Frame* done) {
    if (!done->locked.empty()) done->unlockArrays();
    current_ = done->caller;
    releaseSlots(done->slots, static_cast<size_t>(done->proc->numLocals), done->savedBlock, done->savedUsed);
    if (done->executed) { auto gone = std::move(done->executed); }
    --callDepth_;
}

// Dispatch: with GCC each handler ends in its own indirect jump to the next
// one (labels as values), which the branch predictor follows far better than
// one shared switch. Clang refuses such jumps out of scopes that hold a
// Variant, so it, like any other compiler, gets the switch.
// `ip` is the instruction being run: VBS_DISPATCH runs the one ip points
// at (after a jump), VBS_NEXT the one after it.
#if defined(__GNUC__) && !defined(__clang__) && !defined(VBS_SWITCH_DISPATCH)
#define VBS_THREADED_DISPATCH 1
#define VBS_CASE(name) L_##name:
#define VBS_DISPATCH() goto* kHandlers[static_cast<size_t>(ip->op)]
#else
#define VBS_THREADED_DISPATCH 0
#define VBS_CASE(name) case Op::name:
#define VBS_DISPATCH() goto dispatch
#endif
#define VBS_NEXT() \
    do {           \
        ++ip;      \
        VBS_DISPATCH(); \
    } while (0)

// GCC does not keep ip in a register in a function this large, and every
// dispatch then waits for ip to be stored and loaded again. On x86-64 it is
// given a register of its own (one the calls out of the loop preserve).
#if VBS_THREADED_DISPATCH && defined(__x86_64__) && !defined(__clang__)
#define VBS_PIN_IP 1
#else
#define VBS_PIN_IP 0
#endif

namespace {

// The Let of an operator's result (a number, text, Null...: never an object)
// to a local; the stack slot it came from is left empty.
VBS_ALWAYS_INLINE int32_t storeResult(Variant& dst, Variant& result) {
    if (dst.isArray() && dst.asArray()->locks > 0) {
        result.clear();
        return err::ArrayLocked;
    }
    dst = std::move(result);
    return 0;
}

}  // namespace

int32_t Interpreter::execute(Frame& entry) {
    try {
        return dispatch(entry);
    } catch (const std::bad_alloc&) {
        return abandonFrames(entry, err::OutOfMemory);
    }
}

// The frames an exception left behind in the loop, from the innermost
// (current_) out to `entry`: their operand stacks are emptied, their arrays
// unlocked and the calls made inside the loop popped, as the loop's own
// failure path does, so the next operation finds no trace of them.
int32_t Interpreter::abandonFrames(Frame& entry, int32_t number) {
    Frame* f = current_;
    int32_t status = fail(*f, number);
    for (;;) {
        for (int i = 0; i < f->proc->maxStack; ++i) f->stack[i].clear();
        if (!f->locked.empty()) f->unlockArrays();
        if (f == &entry) break;
        Frame* caller = f->caller;
        popInlineFrame(f);
        f = caller;
    }
    return status;
}

int32_t Interpreter::dispatch(Frame& entry) {
    // The running frame and its registers. Script procedure calls switch
    // them to the callee's frame without a C++ call (see CallProc), so deep
    // script recursion does not use the C++ stack.
    Frame* fp = &entry;
    const Procedure* procp = fp->proc;
    const Instr* code = procp->code.data();
    const Variant* constants = procp->constants.data();
    Variant* slots = fp->slots;
    Variant* base = fp->stack;
    Variant* sp = base;
#if VBS_PIN_IP
    register const Instr* ip __asm__("r15") = code;
#else
    const Instr* ip = code;
#endif
    int32_t e = 0;
#define VBS_LOAD_FRAME()                          \
    do {                                          \
        procp = fp->proc;                         \
        code = procp->code.data();                \
        constants = procp->constants.data();      \
        slots = fp->slots;                        \
        base = fp->stack;                         \
    } while (0)
// The frame's pc is the index of the instruction after the running one
// (its return address while it calls).
#define VBS_SAVE_PC() (fp->pc = static_cast<int32_t>(ip + 1 - code))
// Goes on at `target`; a jump backwards counts towards the next reading of
// the clock.
#define VBS_JUMP_TO(target)                                                         \
    do {                                                                            \
        const Instr* to = code + (target);                                          \
        if (to <= ip && --ticks_ <= 0 && clockExpired()) {                          \
            e = stopStatus_;                                                        \
            goto failed;                                                            \
        }                                                                           \
        ip = to;                                                                    \
        VBS_DISPATCH();                                                             \
    } while (0)

#if VBS_THREADED_DISPATCH
    static void* const kHandlers[] = {
#define VBS_HANDLER_ADDRESS(name) &&L_##name,
        VBS_OPCODES(VBS_HANDLER_ADDRESS)
#undef VBS_HANDLER_ADDRESS
    };
    VBS_DISPATCH();
#else
dispatch:
    switch (ip->op) {
#endif

    VBS_CASE(Nop) VBS_NEXT();
    VBS_CASE(PushConst) std::construct_at(sp++, constants[ip->a]); VBS_NEXT();
    VBS_CASE(PushEmpty) sp++->clear(); VBS_NEXT();
    VBS_CASE(PushMissing) *sp++ = missingArg(); VBS_NEXT();
    VBS_CASE(PushMe) *sp++ = Variant::object(fp->me); VBS_NEXT();
    VBS_CASE(Pop) (--sp)->clear(); VBS_NEXT();
    VBS_CASE(Dup) *sp = sp[-1]; ++sp; VBS_NEXT();

    VBS_CASE(LoadLocal) std::construct_at(sp++, slots[ip->a].deref()); VBS_NEXT();
    VBS_CASE(LoadGlobal) std::construct_at(sp++, globalValues_[static_cast<size_t>(ip->a)]); VBS_NEXT();
    VBS_CASE(LoadField)
        if (!fp->me) { e = err::ObjectRequired; goto failed; }
        *sp++ = fp->me->fields()[ip->a];
        VBS_NEXT();
    VBS_CASE(StoreLocal) {
        Variant& dst = slots[ip->a].deref();
        --sp;
        if ((ip->c & 2) || (!sp->isObject() && !sp->isArray() && !dst.isArray() && !(ip->c & kGeneralPath))) {
            dst = std::move(*sp);
            VBS_NEXT();
        }
        e = letAssign(dst, std::move(*sp));
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(StoreRaw) {
        // c = 1 (a With header): only an object, Nothing included, may be stored.
        if (ip->c && !sp[-1].deref().isObject()) { e = err::ObjectRequired; goto failed; }
        --sp;
        slots[ip->a] = std::move(*sp);
        VBS_NEXT();
    }
    VBS_CASE(StoreGlobal) VBS_CASE(StoreField) {
        Variant* dst;
        if (ip->op == Op::StoreGlobal) dst = &globalValues_[static_cast<size_t>(ip->a)];
        else {
            if (!fp->me) { e = err::ObjectRequired; goto failed; }
            dst = &fp->me->fields()[ip->a];
        }
        --sp;
        if ((ip->c & 2) || (!sp->isObject() && !sp->isArray() && !dst->isArray() && !(ip->c & kGeneralPath))) {
            *dst = std::move(*sp);
            VBS_NEXT();
        }
        e = letAssign(*dst, std::move(*sp));
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(SetLocal) VBS_CASE(SetGlobal) VBS_CASE(SetField) {
        Variant* dst;
        if (ip->op == Op::SetLocal) dst = &slots[ip->a].deref();
        else if (ip->op == Op::SetGlobal) dst = &globalValues_[static_cast<size_t>(ip->a)];
        else {
            if (!fp->me) { e = err::ObjectRequired; goto failed; }
            dst = &fp->me->fields()[ip->a];
        }
        --sp;
        e = setAssign(*dst, std::move(*sp));
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(AppendLocal) VBS_CASE(AppendGlobal) {
        Variant& dst =
            ip->op == Op::AppendLocal ? slots[ip->a].deref() : globalValues_[static_cast<size_t>(ip->a)];
        --sp;
        if (dst.ownsStringUniquely() && sp->isString() && dst.trailingByte() < 0 && sp->trailingByte() < 0 &&
            dst.asString().size() + sp->asString().size() <= kMaxStringLength)
            dst.mutableString() += sp->asString();
        else e = appendInPlace(dst, *sp);
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(RefLocal) std::construct_at(sp++, Variant::ref(&slots[ip->a].deref())); VBS_NEXT();
    VBS_CASE(RefGlobal) std::construct_at(sp++, Variant::ref(&globalValues_[static_cast<size_t>(ip->a)])); VBS_NEXT();
    VBS_CASE(RefField)
        if (!fp->me) { e = err::ObjectRequired; goto failed; }
        *sp++ = Variant::ref(&fp->me->fields()[ip->a]);
        VBS_NEXT();

    VBS_CASE(LoadName) VBS_CASE(RefName) {
        Variant* slot = nullptr;
        Variant value;
        VBS_SAVE_PC();
        e = resolveName(*fp, *ip, slot, &value);
        if (e) goto failed;
        if (ip->op == Op::RefName) *sp++ = slot ? Variant::ref(slot) : std::move(value);
        else *sp++ = slot ? slot->deref() : std::move(value);
        VBS_NEXT();
    }
    VBS_CASE(StoreName) VBS_CASE(SetName) {
        Variant* slot = nullptr;
        VBS_SAVE_PC();
        e = resolveName(*fp, *ip, slot, nullptr);
        if (e) goto failed;
        --sp;
        if (!slot) { sp->clear(); e = err::IllegalAssignmentShort; goto failed; }
        if (ip->op == Op::SetName) e = setAssign(slot->deref(), std::move(*sp));
        else if (ip->c & 2) slot->deref() = std::move(*sp);
        else e = letAssign(slot->deref(), std::move(*sp));
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }

// ---- operators -------------------------------------------------------------
// `out = x OP y` through the fast path, else the general operators.
#define VBS_OPERATE(OP, X, Y, OUT)                                                    \
    if (!fast::binary(Op::OP, X, Y, OUT)) {                                           \
        VBS_SAVE_PC();                                     \
        if ((e = binaryInto(Op::OP, ip->c, X, Y, OUT))) goto failed;                  \
    }
// A comparison with kBranchFollows takes the jump after it itself when it
// has a plain truth (its POPS stack operands are dropped first: two strings
// or two numbers, and only strings need releasing); anything else goes on to
// VBS_OPERATE, whose result the jump then tests.
#define VBS_BRANCH(OP, X, Y, POPS)                                                    \
    if (fast::isComparison(Op::OP) && (ip->c & kBranchFollows)) {                     \
        bool truth;                                                                   \
        if (fast::compare(Op::OP, X, Y, truth)) {                                     \
            if ((POPS) > 0 && (X).isString())                                         \
                for (int i = 0; i < (POPS); ++i) (--sp)->clear();                     \
            else                                                                      \
                for (int i = 0; i < (POPS); ++i) std::construct_at(--sp);             \
            ++ip; /* the jump */                                                     \
            if (truth == (ip->op == Op::JumpIfTrue)) VBS_JUMP_TO(ip->a);              \
            VBS_NEXT();                                                               \
        }                                                                             \
    }
#define VBS_AFTER_OPERATOR(OP)                                                        \
    if (ip->c & kResultToLocal) {                                                     \
        --sp;                                                                         \
        if ((e = storeResult(slots[ip->d].deref(), *sp))) goto failed;                \
    }                                                                                 \
    VBS_NEXT();
// The forms that push their result, and those that replace the top.
#define VBS_PUSH_FORM(OP, X, Y)                                                       \
    {                                                                                 \
        VBS_BRANCH(OP, X, Y, 0)                                                       \
        VBS_OPERATE(OP, X, Y, *sp)                                                    \
        ++sp;                                                                         \
        VBS_AFTER_OPERATOR(OP)                                                        \
    }
#define VBS_TOP_FORM(OP, X, Y)                                                        \
    {                                                                                 \
        Variant& top = sp[-1];                                                        \
        VBS_BRANCH(OP, X, Y, 1)                                                       \
        VBS_OPERATE(OP, X, Y, top)                                                    \
        VBS_AFTER_OPERATOR(OP)                                                        \
    }
#define VBS_OPERATOR_HANDLERS(_, OP)                                                  \
    VBS_CASE(OP) {                                                                    \
        Variant& left = sp[-2];                                                       \
        VBS_BRANCH(OP, left, sp[-1], 2)                                               \
        if (ip->c & kGeneralPath) {                                                   \
            VBS_SAVE_PC();                                                            \
            if ((e = binaryInto(Op::OP, ip->c, left, sp[-1], left))) goto failed;     \
        } else                                                                        \
            VBS_OPERATE(OP, left, sp[-1], left)                                       \
        (--sp)->clear();                                                              \
        VBS_AFTER_OPERATOR(OP)                                                        \
    }                                                                                 \
    VBS_CASE(OP##LocalConst) VBS_PUSH_FORM(OP, slots[ip->a].deref(), constants[ip->b]) \
    VBS_CASE(OP##LocalLocal) VBS_PUSH_FORM(OP, slots[ip->a].deref(), slots[ip->b].deref()) \
    VBS_CASE(OP##ConstLocal) VBS_PUSH_FORM(OP, constants[ip->a], slots[ip->b].deref()) \
    VBS_CASE(OP##Const) VBS_TOP_FORM(OP, top, constants[ip->a])                       \
    VBS_CASE(OP##Local) VBS_TOP_FORM(OP, top, slots[ip->a].deref())                   \
    VBS_CASE(OP##LocalTop) VBS_TOP_FORM(OP, slots[ip->a].deref(), top)
    VBS_FUSED_OPERATORS(VBS_OPERATOR_HANDLERS, _)
#undef VBS_OPERATOR_HANDLERS
#undef VBS_TOP_FORM
#undef VBS_PUSH_FORM
#undef VBS_AFTER_OPERATOR
#undef VBS_BRANCH
#undef VBS_OPERATE

    VBS_CASE(Concat) {
        --sp;
        if ((ip->c & kGeneralPath) || !fast::concat(sp[-1], *sp)) {
            e = binarySlow(Op::Concat, ip->c, sp[-1], *sp);
            if (e) { sp->clear(); goto failed; }
        }
        sp->clear();
        VBS_NEXT();
    }
    VBS_CASE(Power) VBS_CASE(Is) VBS_CASE(And) VBS_CASE(Or) VBS_CASE(Xor) VBS_CASE(Eqv) VBS_CASE(Imp) {
        --sp;
        e = binarySlow(ip->op, ip->c, sp[-1], *sp);
        sp->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(Negate) {
        Variant& a = sp[-1];
        if (ip->c & kGeneralPath) {
            if ((e = unarySlow(ip->op, a))) goto failed;
        } else if (a.type() == VarType::Double) a = Variant::double_(-a.asDouble());
        else if (a.type() == VarType::Long && a.asLong() != INT32_MIN) a = Variant::long_(-a.asLong());
        else if (a.type() == VarType::Integer && a.asInteger() != -32768)
            a = Variant::integer(static_cast<int16_t>(-a.asInteger()));
        else if ((e = unarySlow(ip->op, a))) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(UnaryPlus) VBS_CASE(Not)
        if ((e = unarySlow(ip->op, sp[-1]))) goto failed;
        VBS_NEXT();

    // ---- control ---------------------------------------------------------------
    VBS_CASE(Jump) VBS_JUMP_TO(ip->a); VBS_NEXT();
    VBS_CASE(JumpIfFalse) VBS_CASE(JumpIfTrue) {
        --sp;
        bool truth;
        if (sp->type() == VarType::Boolean && !(ip->c & kGeneralPath)) truth = sp->asBoolean();
        else if ((e = conditionValue(*sp, truth))) { sp->clear(); goto failed; }
        sp->clear();
        if (truth == (ip->op == Op::JumpIfTrue)) VBS_JUMP_TO(ip->a);
        VBS_NEXT();
    }
    VBS_CASE(CaseEqual) {
        // The comparison runs on the stack: a handler's own Variants are not
        // destroyed when the indirect jump to the next handler leaves it.
        std::construct_at(sp, slots[ip->b]);
        if ((ip->c & kGeneralPath) || !fast::binary(Op::Equal, *sp, sp[-1], *sp)) e = binarySlow(Op::Equal, 0, *sp, sp[-1]);
        bool match = !e && sp->type() == VarType::Boolean && sp->asBoolean();
        sp->clear();
        (--sp)->clear();
        if (e) goto failed;
        if (match) {
            ip = code + ip->a;
            VBS_DISPATCH();
        }
        VBS_NEXT();
    }
    VBS_CASE(ExitProc)
        if (err_) err_->clear();
        goto returning;
    VBS_CASE(Return)
    returning: {
        while (sp > base) (--sp)->clear();
        if (fp == &entry) return 0;
        // Back to the caller in this same loop. Its arguments are empty
        // now (pushInlineFrame); the callee's value takes the first one's place.
        Frame* done = fp;
        fp = done->caller;
        VBS_LOAD_FRAME();
        ip = code + fp->pc - 1;  // the call
        sp = fp->callerSp - ip->b;
        if (done->proc->resultSlot >= 0) std::construct_at(sp, std::move(done->slots[done->proc->resultSlot]));
        popInlineFrame(done);
        if (!fp->locked.empty()) fp->unlockArguments(sp);
        ++sp;
        VBS_NEXT();
    }

    // ---- calls ---------------------------------------------------------------------
    VBS_CASE(CallProc) {
        const Procedure* callee = globalInfos_[static_cast<size_t>(ip->a)].proc;
        VBS_SAVE_PC();
        // enterCall()'s checks but the C++ stack's: this call uses none.
        if (callee && ip->b == callee->numParams && callDepth_ < kMaxCallDepth && --ticks_ > 0) {
            ++callDepth_;
        } else {
            if (!callee) e = err::SubNotDefined;
            else if (ip->b != callee->numParams) e = err::WrongArgCount;
            else e = enterCall();
            if (e) {
                for (int i = 0; i < ip->b; ++i) (--sp)->clear();
                if (!fp->locked.empty()) fp->unlockArguments(sp);
                goto failed;
            }
        }
        fp->callerSp = sp;
        fp = pushInlineFrame(callee, fp, sp - ip->b, ip->b);
        VBS_LOAD_FRAME();
        sp = base;
        ip = code;
        VBS_DISPATCH();
    }
    VBS_CASE(CallBuiltin) {
        const BuiltinInfo* bi = procp->builtins[static_cast<size_t>(ip->a)];
        Variant result;
        VBS_SAVE_PC();
        if (ip->b < bi->minArgs || (bi->maxArgs >= 0 && ip->b > bi->maxArgs)) e = err::WrongArgCount;
        else {
            if (ip->c) {
                for (Variant* arg = sp - ip->b; arg < sp && !e; ++arg) {
                    if (!arg->isObject()) continue;
                    Variant plain;
                    if (!(e = defaultValue(*arg, plain))) *arg = std::move(plain);
                }
            }
            ctx_.vm = this;
            ctx_.detail = &detail_;
            if (!e) e = bi->fn(ctx_, Args(sp - ip->b, ip->b), result);
        }
        for (int i = 0; i < ip->b; ++i) (--sp)->clear();
        if (e) goto failed;
        chargeWork(bytesSpanned(result));  // Space(2^23), Join, Split... made it byte by byte
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(CallMember) {
        Variant* args = sp - ip->b;
        Variant result;
        VBS_SAVE_PC();
        e = invokeMember(args[-1], procp->names[static_cast<size_t>(ip->a)],
                         static_cast<InvokeKind>(ip->c & ~kEmptyBrackets), args, ip->b, result,
                         (ip->c & kEmptyBrackets) != 0);
        for (int i = 0; i <= ip->b; ++i) (--sp)->clear();
        if (!fp->locked.empty()) fp->unlockArguments(sp);
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(CallMeMember) {
        Variant result;
        VBS_SAVE_PC();
        if (!fp->me) e = err::ObjectRequired;
        else {
            ctx_.vm = this;
            ctx_.detail = &detail_;
            Object* keep = fp->me;
            keep->addRef();
            e = fp->me->invokeFromInside(ip->a, static_cast<InvokeKind>(ip->c), Args(sp - ip->b, ip->b), result,
                                           ctx_);
            keep->releaseRef();
        }
        for (int i = 0; i < ip->b; ++i) (--sp)->clear();
        if (!fp->locked.empty()) fp->unlockArguments(sp);
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(CallValue) {
        Variant* args = sp - ip->b;
        Variant result;
        VBS_SAVE_PC();
        e = callValue(args[-1], args, ip->b, result, ip->c == 1 ? InvokeKind::Method : InvokeKind::Get);
        for (int i = 0; i <= ip->b; ++i) (--sp)->clear();
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(IndexRef) {
        Variant* args = sp - ip->b;
        Variant& container = args[-1].deref();
        if (ip->b == 1 && !(ip->c & kGeneralPath)) {
            if (Variant* el = fast::element(container, args[0])) {
                Variant v = *el;
                (--sp)->clear();
                sp[-1] = std::move(v);
                VBS_NEXT();
            }
        }
        Variant result;
        VBS_SAVE_PC();
        e = indexValue(container, args, ip->b, result, procp->names[static_cast<size_t>(ip->a)]);
        for (int i = 0; i <= ip->b; ++i) (--sp)->clear();
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(IndexLocal) {
        Variant& container = slots[ip->a].deref();
        if (Variant* el = fast::element(container, sp[-1])) {
            sp[-1] = *el;
            VBS_NEXT();
        }
        Variant result;
        VBS_SAVE_PC();
        e = indexValue(container, sp - 1, 1, result, procp->names[static_cast<size_t>(ip->b)]);
        (--sp)->clear();
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(IndexLocalAt) {
        Variant& container = slots[ip->a].deref();
        const Variant& index = slots[ip->b].deref();
        if (Variant* el = fast::element(container, index)) {
            std::construct_at(sp++, *el);
            VBS_NEXT();
        }
        std::construct_at(sp++, index);
        Variant result;
        VBS_SAVE_PC();
        e = indexValue(container, sp - 1, 1, result, procp->names[ip->c]);
        (--sp)->clear();
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(StoreIndexLocal) {
        Variant& container = slots[ip->a].deref();
        Variant* index = sp - 2;
        VBS_SAVE_PC();
        Variant* el = nullptr;
        if (!sp[-1].isObject() && container.isArray() && container.asArray()->refs == 1)
            el = fast::element(container, *index);
        if (el) *el = std::move(sp[-1]);
        else e = storeIndexed(container, index, 1, std::move(sp[-1]), false);
        (--sp)->clear();
        (--sp)->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(RefElement) {
        Variant* args = sp - ip->b;
        Variant& container = args[-1].deref();
        Variant element;
        VBS_SAVE_PC();
        if (container.isArray()) {
            ArrayData* arr = writableArray(container);
            size_t offset = 0;
            e = elementOffset(*arr, args, ip->b, offset);
            if (!e) {
                ++arr->locks;
                fp->locked.push_back({arr, args - 1});  // where the reference goes
                element = Variant::ref(&arr->elems[offset]);
            }
        } else {
            e = indexValue(container, args, ip->b, element, procp->names[static_cast<size_t>(ip->a)]);
        }
        for (int i = 0; i <= ip->b; ++i) (--sp)->clear();
        if (e) goto failed;
        *sp++ = std::move(element);
        VBS_NEXT();
    }
    VBS_CASE(StoreIndex) {
        Variant* args = sp - ip->b - 1;
        Variant& container = args[-1].deref();
        VBS_SAVE_PC();
        if (ip->b == 1 && ip->c == 0 && !sp[-1].isObject() && container.isArray() &&
            container.asArray()->refs == 1) {
            if (Variant* el = fast::element(container, args[0])) {
                *el = std::move(sp[-1]);
                for (int i = 0; i < ip->b + 2; ++i) (--sp)->clear();
                VBS_NEXT();
            }
        }
        // An element that holds Nothing is no container to store into (13).
        if ((ip->c & kStoreIntoElement) && container.isNothing()) e = err::TypeMismatch;
        else e = storeIndexed(container, args, ip->b, std::move(sp[-1]), (ip->c & 1) != 0);
        for (int i = 0; i < ip->b + 2; ++i) (--sp)->clear();
        if (!fp->locked.empty()) fp->unlockArguments(sp);
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(StoreMember) {
        Variant* args = sp - ip->b - 1;
        VBS_SAVE_PC();
        {
            Variant ignored;
            e = invokeMember(args[-1], procp->names[static_cast<size_t>(ip->a)],
                             ip->c ? InvokeKind::Set : InvokeKind::Let, args, ip->b + 1, ignored);
        }
        for (int i = 0; i < ip->b + 2; ++i) (--sp)->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(StoreMeMember) {
        VBS_SAVE_PC();
        if (!fp->me) e = err::ObjectRequired;
        else {
            ctx_.vm = this;
            ctx_.detail = &detail_;
            Variant ignored;
            e = fp->me->invokeFromInside(ip->a, ip->c ? InvokeKind::Set : InvokeKind::Let,
                                           Args(sp - ip->b - 1, ip->b + 1), ignored, ctx_);
        }
        for (int i = 0; i < ip->b + 1; ++i) (--sp)->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(CallName) {
        Variant result;
        VBS_SAVE_PC();
        e = callByName(*fp, procp->names[static_cast<size_t>(ip->a)], sp - ip->b, ip->b, result, ip->c == 1);
        for (int i = 0; i < ip->b; ++i) (--sp)->clear();
        if (!fp->locked.empty()) fp->unlockArguments(sp);
        if (e) goto failed;
        *sp++ = std::move(result);
        VBS_NEXT();
    }
    VBS_CASE(ToValue)
        if (sp[-1].isObject()) {
            Variant v;
            VBS_SAVE_PC();
            if ((e = defaultValue(sp[-1], v))) goto failed;
            sp[-1] = std::move(v);
        }
        VBS_NEXT();
    VBS_CASE(New) {
        Variant obj;
        VBS_SAVE_PC();
        if ((e = newInstance(globalInfos_[static_cast<size_t>(ip->a)].cls, obj))) goto failed;
        *sp++ = std::move(obj);
        VBS_NEXT();
    }
    VBS_CASE(NewName) {
        Variant obj;
        VBS_SAVE_PC();
        if ((e = newByName(procp->names[static_cast<size_t>(ip->a)], obj))) goto failed;
        *sp++ = std::move(obj);
        VBS_NEXT();
    }

    // ---- statements -----------------------------------------------------------------
    VBS_CASE(DimArray) VBS_CASE(ReDim) {
        Variant* bounds = sp - ip->b;
        VBS_SAVE_PC();
        bool redim = ip->op == Op::ReDim;
        if (!redim && (ip->c & kRedeclaredArray) && bounds[-1].deref().isArray()) e = err::TypeMismatch;
        else e = dimArray(bounds[-1].deref(), bounds, ip->b, redim, redim && ip->c != 0);
        for (int i = 0; i <= ip->b; ++i) (--sp)->clear();
        if (e) goto failed;
        VBS_NEXT();
    }
    VBS_CASE(Erase)
        e = eraseArray(sp[-1].deref());
        (--sp)->clear();
        if (e) goto failed;
        VBS_NEXT();
    VBS_CASE(OnErrorResume)
        fp->resumeNext = true;
        if (err_) err_->clear();
        VBS_NEXT();
    VBS_CASE(OnErrorGoto0)
        fp->resumeNext = false;
        if (err_) err_->clear();
        VBS_NEXT();
    VBS_CASE(ForPrep) {
        VBS_SAVE_PC();
        e = forPrep(*fp, *ip, sp - 3);
        for (int i = 0; i < 3; ++i) (--sp)->clear();
        if (e) goto failed;
        if (fp->pc < 0) ip = code + ip->a;  // the loop runs no time
        else ip += 2;                       // past the counter operand
        VBS_DISPATCH();
    }
    VBS_CASE(ForStep) {
        // A local Integer/Long counter with an Integer/Long end and step is
        // stepped here; anything else by forStep.
        bool again = false;
        Variant* counter = ip->c == static_cast<uint8_t>(CounterKind::Local)
                               ? &slots[ip[1].a].deref()
                               : counterSlot(*fp, static_cast<CounterKind>(ip->c & kCounterKindMask), ip[1].a);
        const Variant& step = slots[ip->b + 1];
        const Variant& end = slots[ip->b];
        if (counter && !(ip->c & kGeneralPath) && fast::isIntLike(counter->type()) && fast::isIntLike(step.type()) &&
            fast::isIntLike(end.type())) {
            int64_t next = static_cast<int64_t>(fast::intOf(*counter)) + fast::intOf(step);
            bool bothInteger = counter->type() == VarType::Integer && step.type() == VarType::Integer;
            fast::setPlain(*counter, fast::widenInt(next, bothInteger));
            again = fast::intOf(step) >= 0 ? next <= fast::intOf(end) : next >= fast::intOf(end);
        } else {
            VBS_SAVE_PC();
            if ((e = forStep(*fp, *ip, again))) goto failed;
        }
        if (again) VBS_JUMP_TO(ip->a);
        ip += 2;  // past the counter operand
        VBS_DISPATCH();
    }
    VBS_CASE(ForEachPrep) {
        VBS_SAVE_PC();
        e = forEachPrep(*fp, *ip, sp[-1].deref());
        (--sp)->clear();
        if (e) goto failed;
        if (fp->pc < 0) {
            ip = code + ip->a;
            VBS_DISPATCH();
        }
        VBS_NEXT();
    }
    VBS_CASE(ForEachNext) {
        Variant& items = slots[ip->b];
        int32_t index = slots[ip->b + 1].asLong();
        if (!items.isArray()) {  // the header failed under On Error Resume Next
            e = err::NotACollection;
            goto failed;
        }
        ArrayData* arr = items.asArray();
        if (static_cast<size_t>(index) >= arr->elems.size()) {
            ip = code + ip->a;
            VBS_DISPATCH();
        }
        *sp++ = arr->elems[static_cast<size_t>(index)];
        slots[ip->b + 1] = Variant::long_(index + 1);
        VBS_NEXT();
    }
    VBS_CASE(RaiseUndefined)
        VBS_SAVE_PC();
        detail_.description = toU16(errorText(err::VariableUndefined)) + u": '" +
                              procp->names[static_cast<size_t>(ip->a)] + u"'";
        detail_.namesItem = true;
        e = err::VariableUndefined;
        goto failed;
    VBS_CASE(RaiseError)
        e = ip->a;
        goto failed;
#if !VBS_THREADED_DISPATCH
    }
#endif

failed:
    VBS_SAVE_PC();
    if (!fp->locked.empty()) fp->unlockArrays();
    e = fail(*fp, e);
    if (err::endsScript(e) || !fp->resumeNext) {
        while (sp > base) (--sp)->clear();
        if (fp == &entry) return e;
        // The callee has no handler: it ends, and its call fails in the caller.
        Frame* done = fp;
        fp = done->caller;
        sp = fp->callerSp;
        popInlineFrame(done);
        VBS_LOAD_FRAME();
        ip = code + fp->pc - 1;  // the call
        for (int i = 0; i < ip->b; ++i) (--sp)->clear();
        goto failed;
    }
    {
        // On Error Resume Next: Err takes the error, execution goes on with
        // the statement after the one that failed.
        if (err_) err_->setFrom(error_, errorNamesItem_);
        error_.clear();
        errorPlaced_ = false;
        while (sp > base) (--sp)->clear();
        const StatementMark* m = procp->markAt(static_cast<int32_t>(ip - code));
        // Without a statement to resume at, the procedure ends through its
        // final Return, which also leaves an inline frame properly.
        ip = (m && m->resumePc >= 0) ? code + m->resumePc : code + procp->code.size() - 1;
        e = 0;
    }
    VBS_DISPATCH();
#undef VBS_JUMP_TO
#undef VBS_SAVE_PC
#undef VBS_LOAD_FRAME
}
#undef VBS_NEXT
#undef VBS_DISPATCH
#undef VBS_CASE
#undef VBS_PIN_IP
#undef VBS_THREADED_DISPATCH

}  // namespace vbs
