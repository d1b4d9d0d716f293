// The dispatch loop. Common cases (Integer/Long/Double arithmetic and
// comparisons, local and global variables, array elements) are handled
// inline; everything else goes to the slow paths in vm_*.cpp, which call the
// operators of ops.h.
#include "engine/interpreter.h"

#include <cmath>
#include <memory>

#include "engine/builtins.h"
#include "engine/error_table.h"
#include "engine/script_class.h"
#include "engine/vm_err.h"

namespace vbs {

namespace {

inline bool isIntLike(VarType t) { return t == VarType::Integer || t == VarType::Long; }
inline bool isFastNumber(VarType t) { return isIntLike(t) || t == VarType::Double; }
inline int32_t intOf(const Variant& v) { return v.type() == VarType::Integer ? v.asInteger() : v.asLong(); }
inline double doubleOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Integer: return v.asInteger();
    case VarType::Long: return v.asLong();
    default: return v.asDouble();
    }
}

// Overwrites a Variant that holds no heap value (a number) without the
// release check of the assignment operator: the hot arithmetic paths know
// their left operand is a plain number.
#define VBS_ALWAYS_INLINE inline __attribute__((always_inline))

VBS_ALWAYS_INLINE void setNumber(Variant& slot, Variant&& value) { std::construct_at(&slot, std::move(value)); }

// A Double result; an infinite one goes to the slow path, which raises
// Overflow as VBScript does.
VBS_ALWAYS_INLINE bool setFinite(Variant& slot, double r) {
    if (std::isinf(r)) return false;
    setNumber(slot, Variant::double_(r));
    return true;
}

// Integer op Integer stays Integer when it fits, then Long, then Double, as
// VBScript widens on overflow.
VBS_ALWAYS_INLINE Variant widenInt(int64_t r, bool bothInteger) {
    if (bothInteger && r >= -32768 && r <= 32767) return Variant::integer(static_cast<int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX) return Variant::long_(static_cast<int32_t>(r));
    return Variant::double_(static_cast<double>(r));
}

// Returns true when the operation was done here; false sends it to the slow path.
VBS_ALWAYS_INLINE bool fastBinary(Op op, Variant& a, const Variant& b) {
    VarType ta = a.type(), tb = b.type();
    // Integer/Long counters and indexes first: the commonest case by far, and
    // their comparisons need no conversion to Double.
    if (isIntLike(ta) && isIntLike(tb)) {
        int32_t x = intOf(a), y = intOf(b);
        bool bothInteger = ta == VarType::Integer && tb == VarType::Integer;
        switch (op) {
        case Op::Add: setNumber(a, widenInt(static_cast<int64_t>(x) + y, bothInteger)); return true;
        case Op::Subtract: setNumber(a, widenInt(static_cast<int64_t>(x) - y, bothInteger)); return true;
        case Op::Equal: setNumber(a, Variant::boolean(x == y)); return true;
        case Op::NotEqual: setNumber(a, Variant::boolean(x != y)); return true;
        case Op::Less: setNumber(a, Variant::boolean(x < y)); return true;
        case Op::Greater: setNumber(a, Variant::boolean(x > y)); return true;
        case Op::LessEqual: setNumber(a, Variant::boolean(x <= y)); return true;
        case Op::GreaterEqual: setNumber(a, Variant::boolean(x >= y)); return true;
        default: break;  // the general number path below
        }
    }
    if (ta == VarType::Double && tb == VarType::Double) {
        double x = a.asDouble(), y = b.asDouble();
        switch (op) {
        case Op::Add: return setFinite(a, x + y);
        case Op::Subtract: return setFinite(a, x - y);
        case Op::Multiply: return setFinite(a, x * y);
        case Op::Less: setNumber(a, Variant::boolean(x < y)); return true;
        case Op::Greater: setNumber(a, Variant::boolean(x > y)); return true;
        default: break;  // the general number path below
        }
    }
    if (!isFastNumber(ta) || !isFastNumber(tb)) {
        if (op == Op::Concat && ta == VarType::String && tb == VarType::String &&
            a.asString().size() + b.asString().size() <= kMaxStringLength) {
            if (a.ownsStringUniquely()) a.mutableString() += b.asString();
            else a = Variant::string(a.asString() + b.asString());
            return true;
        }
        // The = and <> of two strings compare their code units exactly.
        if ((op == Op::Equal || op == Op::NotEqual) && ta == VarType::String && tb == VarType::String) {
            bool same = a.asString() == b.asString();
            a = Variant::boolean(same == (op == Op::Equal));
            return true;
        }
        return false;
    }
    bool ints = isIntLike(ta) && isIntLike(tb);
    bool bothInteger = ta == VarType::Integer && tb == VarType::Integer;
    switch (op) {
    case Op::Add:
        if (ints) setNumber(a, widenInt(static_cast<int64_t>(intOf(a)) + intOf(b), bothInteger));
        else return setFinite(a, doubleOf(a) + doubleOf(b));
        return true;
    case Op::Subtract:
        if (ints) setNumber(a, widenInt(static_cast<int64_t>(intOf(a)) - intOf(b), bothInteger));
        else return setFinite(a, doubleOf(a) - doubleOf(b));
        return true;
    case Op::Multiply:
        if (ints) setNumber(a, widenInt(static_cast<int64_t>(intOf(a)) * intOf(b), bothInteger));
        else return setFinite(a, doubleOf(a) * doubleOf(b));
        return true;
    case Op::Divide: {
        double d = doubleOf(b);
        if (d == 0) return false;
        return setFinite(a, doubleOf(a) / d);
    }
    case Op::Modulo: {
        if (!ints) return false;
        int32_t d = intOf(b);
        if (d == 0) return false;
        int32_t r = (d == -1) ? 0 : intOf(a) % d;
        setNumber(a, bothInteger ? Variant::integer(static_cast<int16_t>(r)) : Variant::long_(r));
        return true;
    }
    case Op::IntDivide: {
        if (!ints) return false;
        int32_t d = intOf(b);
        if (d == 0 || d == -1) return false;
        int32_t r = intOf(a) / d;
        setNumber(a, bothInteger ? Variant::integer(static_cast<int16_t>(r)) : Variant::long_(r));
        return true;
    }
    case Op::Equal: setNumber(a, Variant::boolean(doubleOf(a) == doubleOf(b))); return true;
    case Op::NotEqual: setNumber(a, Variant::boolean(doubleOf(a) != doubleOf(b))); return true;
    case Op::Less: setNumber(a, Variant::boolean(doubleOf(a) < doubleOf(b))); return true;
    case Op::Greater: setNumber(a, Variant::boolean(doubleOf(a) > doubleOf(b))); return true;
    case Op::LessEqual: setNumber(a, Variant::boolean(doubleOf(a) <= doubleOf(b))); return true;
    case Op::GreaterEqual: setNumber(a, Variant::boolean(doubleOf(a) >= doubleOf(b))); return true;
    default: return false;
    }
}

// Element of a one-dimensional array by a Integer/Long index, or nullptr.
inline Variant* fastElement(Variant& container, const Variant& index) {
    if (!container.isArray() || !isIntLike(index.type())) return nullptr;
    ArrayData* arr = container.asArray();
    if (arr->dims() != 1) return nullptr;
    int32_t i = intOf(index);
    if (i < 0 || static_cast<uint32_t>(i) >= arr->counts[0]) return nullptr;
    return &arr->elems[static_cast<size_t>(i)];
}

}  // namespace

int32_t Interpreter::enterCall() {
    char probe = 0;
    if (callDepth_ + 1 > kMaxCallDepth) return err::OutOfStackSpace;
    if (stackBase_ && static_cast<size_t>(stackBase_ > &probe ? stackBase_ - &probe : &probe - stackBase_) >
                          kStackBudgetBytes)
        return err::OutOfStackSpace;
    ++callDepth_;
    if (--ticks_ <= 0 && clockExpired()) { --callDepth_; return err::ScriptTimedOut; }
    return 0;
}

bool Interpreter::clockExpired() {
    ticks_ = kTicksPerClockCheck;
    if (timeoutMs_ <= 0) return false;
    if (!timedOut_ && std::chrono::steady_clock::now() >= deadline_) timedOut_ = true;
    // Once expired, every later check fails at once: code that outlives a
    // swallowed time-out (a Class_Terminate ignores its errors) must not get
    // another few thousand ticks.
    if (timedOut_) ticks_ = 0;
    return timedOut_;
}

Variant* Interpreter::allocateSlots(size_t count, size_t& savedBlock, size_t& savedUsed) {
    constexpr size_t kBlockSize = 1u << 16;
    savedBlock = blockIndex_;
    savedUsed = blockUsed_;
    if (!stackBlocks_.empty() && blockUsed_ + count <= blockSizes_[blockIndex_]) {
        Variant* base = stackBlocks_[blockIndex_].get() + blockUsed_;
        blockUsed_ += count;
        return base;
    }
    if (stackBlocks_.empty()) {
        stackBlocks_.push_back(std::make_unique<Variant[]>(kBlockSize));
        blockSizes_.push_back(kBlockSize);
        blockIndex_ = 0;
        blockUsed_ = 0;
    }
    if (blockUsed_ + count > blockSizes_[blockIndex_]) {
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
        blockUsed_ = 0;
    }
    Variant* base = stackBlocks_[blockIndex_].get() + blockUsed_;
    blockUsed_ += count;
    return base;
}

void Interpreter::releaseSlots(Variant* base, size_t count, size_t savedBlock, size_t savedUsed) {
    for (size_t i = 0; i < count; ++i) base[i].clear();
    blockIndex_ = savedBlock;
    blockUsed_ = savedUsed;
}

int32_t Interpreter::callProcedure(const Procedure* proc, ScriptObject* me, Variant* args, int argc,
                                   Variant& result) {
    if (argc != proc->numParams) return err::WrongArgCount;
    if (int32_t e = enterCall()) return e;
    size_t count = static_cast<size_t>(proc->numLocals + proc->maxStack);
    size_t savedBlock = blockIndex_, savedUsed = blockUsed_;
    Variant* slots;
    if (!stackBlocks_.empty() && blockUsed_ + count <= blockSizes_[blockIndex_]) {
        slots = stackBlocks_[blockIndex_].get() + blockUsed_;  // the common case, inline
        blockUsed_ += count;
    } else {
        slots = allocateSlots(count, savedBlock, savedUsed);
    }
    const uint8_t* byVal = proc->paramByVal.data();
    for (int i = 0; i < argc; ++i) {
        if (byVal[i] || !args[i].isRef()) slots[i] = args[i].deref();
        else slots[i] = args[i];
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

int32_t Interpreter::execute(Frame& entry) {
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
    const Instr* ip = code;
    int32_t e = 0;
#define VBS_LOAD_FRAME()                          \
    do {                                          \
        procp = fp->proc;                         \
        code = procp->code.data();                \
        constants = procp->constants.data();      \
        slots = fp->slots;                        \
        base = fp->stack;                         \
    } while (0)

    for (;;) {
        const Instr& in = *ip++;
        switch (in.op) {
        case Op::Nop: break;
        case Op::PushConst: std::construct_at(sp++, constants[in.a]); break;
        case Op::PushEmpty: sp++->clear(); break;
        case Op::PushMissing: *sp++ = missingArg(); break;
        case Op::PushMe: *sp++ = Variant::object(fp->me); break;
        case Op::Pop: (--sp)->clear(); break;
        case Op::Dup: *sp = sp[-1]; ++sp; break;

        case Op::LoadLocal: std::construct_at(sp++, slots[in.a].deref()); break;
        case Op::LoadGlobal: std::construct_at(sp++, globalValues_[static_cast<size_t>(in.a)]); break;
        case Op::LoadField:
            if (!fp->me) { e = err::ObjectRequired; goto failed; }
            *sp++ = fp->me->fields()[in.a];
            break;
        case Op::StoreLocal: {
            Variant& dst = slots[in.a].deref();
            --sp;
            if (!sp->isObject() && !dst.isArray()) { dst = std::move(*sp); break; }
            if (in.c & 2) { dst = std::move(*sp); break; }
            e = letAssign(dst, std::move(*sp));
            sp->clear();
            if (e) goto failed;
            break;
        }
        case Op::StoreGlobal: case Op::StoreField: case Op::StoreRaw: {
            Variant* dst;
            if (in.op == Op::StoreRaw) dst = &slots[in.a];
            else if (in.op == Op::StoreGlobal) dst = &globalValues_[static_cast<size_t>(in.a)];
            else {
                if (!fp->me) { e = err::ObjectRequired; goto failed; }
                dst = &fp->me->fields()[in.a];
            }
            --sp;
            if (in.op == Op::StoreRaw) { slots[in.a] = std::move(*sp); break; }
            if ((in.c & 2) || (!sp->isObject() && !dst->isArray())) { *dst = std::move(*sp); break; }
            e = letAssign(*dst, std::move(*sp));
            sp->clear();
            if (e) goto failed;
            break;
        }
        case Op::SetLocal: case Op::SetGlobal: case Op::SetField: {
            Variant* dst;
            if (in.op == Op::SetLocal) dst = &slots[in.a].deref();
            else if (in.op == Op::SetGlobal) dst = &globalValues_[static_cast<size_t>(in.a)];
            else {
                if (!fp->me) { e = err::ObjectRequired; goto failed; }
                dst = &fp->me->fields()[in.a];
            }
            --sp;
            e = setAssign(*dst, std::move(*sp));
            sp->clear();
            if (e) goto failed;
            break;
        }
        case Op::AppendLocal: case Op::AppendGlobal: {
            Variant& dst = in.op == Op::AppendLocal ? slots[in.a].deref() : globalValues_[static_cast<size_t>(in.a)];
            --sp;
            if (dst.ownsStringUniquely() && sp->isString() &&
                dst.asString().size() + sp->asString().size() <= kMaxStringLength)
                dst.mutableString() += sp->asString();
            else e = appendInPlace(dst, *sp);
            sp->clear();
            if (e) goto failed;
            break;
        }
        case Op::RefLocal: *sp++ = Variant::ref(&slots[in.a].deref()); break;
        case Op::RefGlobal: *sp++ = Variant::ref(&globalValues_[static_cast<size_t>(in.a)]); break;
        case Op::RefField:
            if (!fp->me) { e = err::ObjectRequired; goto failed; }
            *sp++ = Variant::ref(&fp->me->fields()[in.a]);
            break;

        case Op::LoadName: case Op::RefName: {
            Variant* slot = nullptr;
            Variant value;
            fp->pc = static_cast<int32_t>(ip - code);
            e = resolveName(*fp, in, slot, in.op == Op::LoadName ? &value : nullptr);
            if (e) goto failed;
            if (in.op == Op::RefName) *sp++ = slot ? Variant::ref(slot) : Variant();
            else *sp++ = slot ? slot->deref() : std::move(value);
            break;
        }
        case Op::StoreName: case Op::SetName: {
            Variant* slot = nullptr;
            fp->pc = static_cast<int32_t>(ip - code);
            e = resolveName(*fp, in, slot, nullptr);
            if (e) goto failed;
            --sp;
            if (!slot) { sp->clear(); e = err::IllegalAssignmentShort; goto failed; }
            if (in.op == Op::SetName) e = setAssign(slot->deref(), std::move(*sp));
            else if (in.c & 2) slot->deref() = std::move(*sp);
            else e = letAssign(slot->deref(), std::move(*sp));
            sp->clear();
            if (e) goto failed;
            break;
        }

// One case per operator, so each inlined fast path is specialised for it.
#define VBS_BINARY_CASE(OP)                                                   \
        case Op::OP: {                                                        \
            --sp;                                                             \
            if (!fastBinary(Op::OP, sp[-1], *sp)) {                           \
                e = binarySlow(Op::OP, in.c, sp[-1], *sp);                    \
                sp->clear();                                                  \
                if (e) goto failed;                                           \
            }                                                                 \
            sp->clear();                                                      \
            break;                                                            \
        }
        VBS_BINARY_CASE(Add)
        VBS_BINARY_CASE(Subtract)
        VBS_BINARY_CASE(Multiply)
        VBS_BINARY_CASE(Divide)
        VBS_BINARY_CASE(IntDivide)
        VBS_BINARY_CASE(Modulo)
        VBS_BINARY_CASE(Concat)
#undef VBS_BINARY_CASE
// A comparison is nearly always followed by the jump of its If or loop: when
// it gives a Boolean, that jump is taken here, saving a dispatch and a trip
// of the Boolean through the stack.
#define VBS_COMPARE_CASE(OP)                                                  \
        case Op::OP: {                                                        \
            --sp;                                                             \
            if (!fastBinary(Op::OP, sp[-1], *sp)) {                           \
                e = binarySlow(Op::OP, in.c, sp[-1], *sp);                    \
                sp->clear();                                                  \
                if (e) goto failed;                                           \
            }                                                                 \
            sp->clear();                                                      \
            if (sp[-1].type() == VarType::Boolean &&                          \
                (ip->op == Op::JumpIfFalse || ip->op == Op::JumpIfTrue)) {    \
                bool truth = sp[-1].asBoolean();                              \
                (--sp)->clear();                                              \
                const Instr& jump = *ip++;                                    \
                if (truth == (jump.op == Op::JumpIfTrue)) {                   \
                    if (code + jump.a < ip && --ticks_ <= 0 && clockExpired()) { \
                        e = err::ScriptTimedOut;                              \
                        goto failed;                                          \
                    }                                                         \
                    ip = code + jump.a;                                       \
                }                                                             \
            }                                                                 \
            break;                                                            \
        }
        VBS_COMPARE_CASE(Equal)
        VBS_COMPARE_CASE(NotEqual)
        VBS_COMPARE_CASE(Less)
        VBS_COMPARE_CASE(Greater)
        VBS_COMPARE_CASE(LessEqual)
        VBS_COMPARE_CASE(GreaterEqual)
#undef VBS_COMPARE_CASE
#define VBS_LOCAL_CONST_CASE(OP)                                              \
        case Op::OP##LocalConst: {                                            \
            std::construct_at(sp++, slots[in.a].deref());                     \
            if (!fastBinary(Op::OP, sp[-1], constants[in.b])) {               \
                e = binarySlow(Op::OP, in.c, sp[-1], constants[in.b]);        \
                if (e) goto failed;                                           \
            }                                                                 \
            break;                                                            \
        }
        VBS_LOCAL_CONST_CASE(Add)
        VBS_LOCAL_CONST_CASE(Subtract)
#undef VBS_LOCAL_CONST_CASE
        case Op::Power: case Op::Is: case Op::And: case Op::Or: case Op::Xor: case Op::Eqv: case Op::Imp: {
            --sp;
            e = binarySlow(in.op, in.c, sp[-1], *sp);
            sp->clear();
            if (e) goto failed;
            break;
        }
        case Op::Negate: {
            Variant& a = sp[-1];
            if (a.type() == VarType::Double) a = Variant::double_(-a.asDouble());
            else if (a.type() == VarType::Long && a.asLong() != INT32_MIN) a = Variant::long_(-a.asLong());
            else if (a.type() == VarType::Integer && a.asInteger() != -32768)
                a = Variant::integer(static_cast<int16_t>(-a.asInteger()));
            else if ((e = unarySlow(in.op, a))) goto failed;
            break;
        }
        case Op::UnaryPlus: case Op::Not:
            if ((e = unarySlow(in.op, sp[-1]))) goto failed;
            break;

        case Op::Jump:
            if (code + in.a < ip && --ticks_ <= 0 && clockExpired()) { e = err::ScriptTimedOut; goto failed; }
            ip = code + in.a;
            break;
        case Op::JumpIfFalse: case Op::JumpIfTrue: {
            --sp;
            bool truth;
            if (sp->type() == VarType::Boolean) truth = sp->asBoolean();
            else if ((e = conditionValue(*sp, truth))) { sp->clear(); goto failed; }
            sp->clear();
            if (truth == (in.op == Op::JumpIfTrue)) {
                if (code + in.a < ip && --ticks_ <= 0 && clockExpired()) { e = err::ScriptTimedOut; goto failed; }
                ip = code + in.a;
            }
            break;
        }
        case Op::CaseEqual: {
            --sp;
            Variant subject = slots[in.b];
            Variant v = std::move(*sp);
            sp->clear();
            if (!fastBinary(Op::Equal, subject, v)) e = binarySlow(Op::Equal, 0, subject, v);
            if (e) goto failed;
            if (subject.type() == VarType::Boolean && subject.asBoolean()) ip = code + in.a;
            break;
        }
        case Op::ExitProc:
            if (err_) err_->clear();
            [[fallthrough]];
        case Op::Return: {
            while (sp > base) (--sp)->clear();
            if (fp == &entry) return 0;
            // Back to the caller in this same loop, with the callee's value.
            Variant result;
            if (procp->resultSlot >= 0) result = std::move(slots[procp->resultSlot]);
            Frame* done = fp;
            fp = done->caller;
            sp = fp->callerSp;
            popInlineFrame(done);
            VBS_LOAD_FRAME();
            ip = code + fp->pc;
            for (int i = 0; i < ip[-1].b; ++i) (--sp)->clear();
            if (!fp->locked.empty()) fp->unlockArrays();
            std::construct_at(sp++, std::move(result));
            break;
        }

        case Op::CallProc: {
            const Procedure* callee = globalInfos_[static_cast<size_t>(in.a)].proc;
            fp->pc = static_cast<int32_t>(ip - code);
            if (!callee) e = err::SubNotDefined;
            else if (in.b != callee->numParams) e = err::WrongArgCount;
            else e = enterCall();
            if (e) {
                for (int i = 0; i < in.b; ++i) (--sp)->clear();
                if (!fp->locked.empty()) fp->unlockArrays();
                goto failed;
            }
            fp->callerSp = sp;
            fp = pushInlineFrame(callee, fp, sp - in.b, in.b);
            VBS_LOAD_FRAME();
            sp = base;
            ip = code;
            break;
        }
        case Op::CallBuiltin: {
            const BuiltinInfo* bi = procp->builtins[static_cast<size_t>(in.a)];
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            if (in.b < bi->minArgs || (bi->maxArgs >= 0 && in.b > bi->maxArgs)) e = err::WrongArgCount;
            else {
                if (in.c) {
                    for (Variant* arg = sp - in.b; arg < sp && !e; ++arg) {
                        if (!arg->isObject()) continue;
                        Variant plain;
                        if (!(e = defaultValue(*arg, plain))) *arg = std::move(plain);
                    }
                }
                ctx_.vm = this;
                ctx_.detail = &detail_;
                if (!e) e = bi->fn(ctx_, Args(sp - in.b, in.b), result);
            }
            for (int i = 0; i < in.b; ++i) (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::CallMember: {
            Variant* args = sp - in.b;
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = invokeMember(args[-1], procp->names[static_cast<size_t>(in.a)], static_cast<InvokeKind>(in.c), args,
                             in.b, result);
            for (int i = 0; i <= in.b; ++i) (--sp)->clear();
            if (!fp->locked.empty()) fp->unlockArrays();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::CallMeMember: {
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            if (!fp->me) e = err::ObjectRequired;
            else {
                ctx_.vm = this;
                ctx_.detail = &detail_;
                Object* keep = fp->me;
                keep->addRef();
                e = fp->me->invokeFromInside(in.a, static_cast<InvokeKind>(in.c), Args(sp - in.b, in.b), result,
                                               ctx_);
                keep->releaseRef();
            }
            for (int i = 0; i < in.b; ++i) (--sp)->clear();
            if (!fp->locked.empty()) fp->unlockArrays();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::CallValue: {
            Variant* args = sp - in.b;
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = callValue(args[-1], args, in.b, result, in.c == 1 ? InvokeKind::Method : InvokeKind::Get);
            for (int i = 0; i <= in.b; ++i) (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::IndexRef: {
            Variant* args = sp - in.b;
            Variant& container = args[-1].deref();
            if (in.b == 1) {
                if (Variant* el = fastElement(container, args[0])) {
                    Variant v = *el;
                    (--sp)->clear();
                    sp[-1] = std::move(v);
                    break;
                }
            }
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = indexValue(container, args, in.b, result, procp->names[static_cast<size_t>(in.a)]);
            for (int i = 0; i <= in.b; ++i) (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::IndexLocal: {
            Variant& container = slots[in.a].deref();
            if (Variant* el = fastElement(container, sp[-1])) {
                sp[-1] = *el;
                break;
            }
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = indexValue(container, sp - 1, 1, result, procp->names[static_cast<size_t>(in.b)]);
            (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::IndexLocalAt: {
            Variant& container = slots[in.a].deref();
            const Variant& index = slots[in.b].deref();
            if (Variant* el = fastElement(container, index)) {
                std::construct_at(sp++, *el);
                break;
            }
            std::construct_at(sp++, index);
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = indexValue(container, sp - 1, 1, result, procp->names[in.c]);
            (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::StoreIndexLocal: {
            Variant& container = slots[in.a].deref();
            Variant* index = sp - 2;
            fp->pc = static_cast<int32_t>(ip - code);
            Variant* el = nullptr;
            if (!sp[-1].isObject() && container.isArray() && container.asArray()->refs == 1)
                el = fastElement(container, *index);
            if (el) *el = std::move(sp[-1]);
            else e = storeIndexed(container, index, 1, std::move(sp[-1]), false);
            (--sp)->clear();
            (--sp)->clear();
            if (e) goto failed;
            break;
        }
        case Op::RefElement: {
            Variant* args = sp - in.b;
            Variant& container = args[-1].deref();
            Variant element;
            fp->pc = static_cast<int32_t>(ip - code);
            if (container.isArray()) {
                ArrayData* arr = writableArray(container);
                size_t offset = 0;
                e = elementOffset(*arr, args, in.b, offset);
                if (!e) {
                    ++arr->locks;
                    fp->locked.push_back(arr);
                    element = Variant::ref(&arr->elems[offset]);
                }
            } else {
                e = indexValue(container, args, in.b, element, procp->names[static_cast<size_t>(in.a)]);
            }
            for (int i = 0; i <= in.b; ++i) (--sp)->clear();
            if (e) goto failed;
            *sp++ = std::move(element);
            break;
        }
        case Op::StoreIndex: {
            Variant* args = sp - in.b - 1;
            Variant& container = args[-1].deref();
            fp->pc = static_cast<int32_t>(ip - code);
            if (in.b == 1 && in.c == 0 && !sp[-1].isObject() && container.isArray() &&
                container.asArray()->refs == 1) {
                if (Variant* el = fastElement(container, args[0])) {
                    *el = std::move(sp[-1]);
                    for (int i = 0; i < in.b + 2; ++i) (--sp)->clear();
                    break;
                }
            }
            e = storeIndexed(container, args, in.b, std::move(sp[-1]), in.c != 0);
            for (int i = 0; i < in.b + 2; ++i) (--sp)->clear();
            if (e) goto failed;
            break;
        }
        case Op::StoreMember: {
            Variant* args = sp - in.b - 1;
            Variant ignored;
            fp->pc = static_cast<int32_t>(ip - code);
            e = invokeMember(args[-1], procp->names[static_cast<size_t>(in.a)],
                             in.c ? InvokeKind::Set : InvokeKind::Let, args, in.b + 1, ignored);
            for (int i = 0; i < in.b + 2; ++i) (--sp)->clear();
            if (e) goto failed;
            break;
        }
        case Op::StoreMeMember: {
            Variant ignored;
            fp->pc = static_cast<int32_t>(ip - code);
            if (!fp->me) e = err::ObjectRequired;
            else {
                ctx_.vm = this;
                ctx_.detail = &detail_;
                e = fp->me->invokeFromInside(in.a, in.c ? InvokeKind::Set : InvokeKind::Let,
                                               Args(sp - in.b - 1, in.b + 1), ignored, ctx_);
            }
            for (int i = 0; i < in.b + 1; ++i) (--sp)->clear();
            if (e) goto failed;
            break;
        }
        case Op::CallName: {
            Variant result;
            fp->pc = static_cast<int32_t>(ip - code);
            e = callByName(*fp, procp->names[static_cast<size_t>(in.a)], sp - in.b, in.b, result, in.c == 1);
            for (int i = 0; i < in.b; ++i) (--sp)->clear();
            if (!fp->locked.empty()) fp->unlockArrays();
            if (e) goto failed;
            *sp++ = std::move(result);
            break;
        }
        case Op::ToValue:
            if (sp[-1].isObject()) {
                Variant v;
                fp->pc = static_cast<int32_t>(ip - code);
                if ((e = defaultValue(sp[-1], v))) goto failed;
                sp[-1] = std::move(v);
            }
            break;
        case Op::New: {
            Variant obj;
            fp->pc = static_cast<int32_t>(ip - code);
            if ((e = newInstance(globalInfos_[static_cast<size_t>(in.a)].cls, obj))) goto failed;
            *sp++ = std::move(obj);
            break;
        }
        case Op::NewName: {
            Variant obj;
            fp->pc = static_cast<int32_t>(ip - code);
            if ((e = newByName(procp->names[static_cast<size_t>(in.a)], obj))) goto failed;
            *sp++ = std::move(obj);
            break;
        }

        case Op::DimArray: case Op::ReDim: {
            Variant* bounds = sp - in.b;
            fp->pc = static_cast<int32_t>(ip - code);
            e = dimArray(bounds[-1].deref(), bounds, in.b, in.op == Op::ReDim, in.c != 0);
            for (int i = 0; i <= in.b; ++i) (--sp)->clear();
            if (e) goto failed;
            break;
        }
        case Op::Erase:
            e = eraseArray(sp[-1].deref());
            (--sp)->clear();
            if (e) goto failed;
            break;
        case Op::OnErrorResume:
            fp->resumeNext = true;
            if (err_) err_->clear();
            break;
        case Op::OnErrorGoto0:
            fp->resumeNext = false;
            if (err_) err_->clear();
            break;
        case Op::ForPrep: {
            fp->pc = static_cast<int32_t>(ip - code);
            e = forPrep(*fp, in, sp - 3);
            for (int i = 0; i < 3; ++i) (--sp)->clear();
            if (e) goto failed;
            if (fp->pc < 0) ip = code + in.a;  // the loop runs no time
            else ++ip;                      // skip the counter operand
            break;
        }
        case Op::ForStep: {
            bool again = false;
            Variant* counter = in.c == static_cast<uint8_t>(CounterKind::Local)
                                   ? &slots[ip->a].deref()
                                   : counterSlot(*fp, static_cast<CounterKind>(in.c), ip->a);
            Variant& step = slots[in.b + 1];
            Variant& end = slots[in.b];
            if (counter && isIntLike(counter->type()) && isIntLike(step.type()) && isIntLike(end.type())) {
                int64_t next = static_cast<int64_t>(intOf(*counter)) + intOf(step);
                *counter = widenInt(next, counter->type() == VarType::Integer && step.type() == VarType::Integer);
                again = intOf(step) >= 0 ? next <= intOf(end) : next >= intOf(end);
            } else {
                fp->pc = static_cast<int32_t>(ip - code);
                if ((e = forStep(*fp, in, again))) goto failed;
            }
            if (again) {
                if (--ticks_ <= 0 && clockExpired()) { e = err::ScriptTimedOut; goto failed; }
                ip = code + in.a;
            } else {
                ++ip;
            }
            break;
        }
        case Op::ForEachPrep: {
            fp->pc = static_cast<int32_t>(ip - code);
            e = forEachPrep(*fp, in, sp[-1].deref());
            (--sp)->clear();
            if (e) goto failed;
            if (fp->pc < 0) ip = code + in.a;
            break;
        }
        case Op::ForEachNext: {
            Variant& items = slots[in.b];
            int32_t index = slots[in.b + 1].asLong();
            ArrayData* arr = items.isArray() ? items.asArray() : nullptr;
            if (!arr || static_cast<size_t>(index) >= arr->elems.size()) { ip = code + in.a; break; }
            *sp++ = arr->elems[static_cast<size_t>(index)];
            slots[in.b + 1] = Variant::long_(index + 1);
            break;
        }
        case Op::RaiseUndefined:
            fp->pc = static_cast<int32_t>(ip - code);
            detail_.description = toU16(errorText(err::VariableUndefined)) + u": '" +
                                  procp->names[static_cast<size_t>(in.a)] + u"'";
            detail_.namesItem = true;
            e = err::VariableUndefined;
            goto failed;
        }
        continue;

    failed:
        fp->pc = static_cast<int32_t>(ip - code);
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
            ip = code + fp->pc;
            for (int i = 0; i < ip[-1].b; ++i) (--sp)->clear();
            goto failed;
        }
        // On Error Resume Next: Err takes the error, execution goes on with
        // the statement after the one that failed.
        if (err_) err_->setFrom(error_, errorNamesItem_);
        error_.clear();
        errorPlaced_ = false;
        while (sp > base) (--sp)->clear();
        const StatementMark* m = procp->markAt(static_cast<int32_t>(ip - code) - 1);
        if (!m || m->resumePc < 0) return 0;
        ip = code + m->resumePc;
        e = 0;
    }
#undef VBS_LOAD_FRAME
}

Frame* Interpreter::pushInlineFrame(const Procedure* callee, Frame* caller, Variant* args, int argc) {
    size_t depth = static_cast<size_t>(callDepth_);
    while (framePool_.size() <= depth) framePool_.push_back(std::make_unique<Frame>());
    Frame* f = framePool_[depth].get();
    size_t count = static_cast<size_t>(callee->numLocals + callee->maxStack);
    f->savedBlock = blockIndex_;
    f->savedUsed = blockUsed_;
    Variant* slots;
    if (!stackBlocks_.empty() && blockUsed_ + count <= blockSizes_[blockIndex_]) {
        slots = stackBlocks_[blockIndex_].get() + blockUsed_;
        blockUsed_ += count;
    } else {
        slots = allocateSlots(count, f->savedBlock, f->savedUsed);
    }
    const uint8_t* byVal = callee->paramByVal.data();
    for (int i = 0; i < argc; ++i) {
        if (byVal[i] || !args[i].isRef()) slots[i] = args[i].deref();
        else slots[i] = args[i];
    }
    f->proc = callee;
    f->slots = slots;
    f->stack = slots + callee->numLocals;
    f->me = nullptr;
    f->pc = 0;
    f->resumeNext = false;
    f->caller = caller;
    f->callerSp = nullptr;
    f->locked.clear();
    current_ = f;
    return f;
}

void Interpreter::popInlineFrame(Frame* done) {
    if (!done->locked.empty()) done->unlockArrays();
    current_ = done->caller;
    releaseSlots(done->slots, static_cast<size_t>(done->proc->numLocals), done->savedBlock, done->savedUsed);
    --callDepth_;
}

}  // namespace vbs
