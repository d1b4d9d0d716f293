// Slow paths of the dispatch loop: operators on any values, assignment
// rules, array elements, object members and names resolved at run time.
#include <cmath>

#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/values/ops.h"
#include "engine/vm/script_class.h"
#include "engine/values/work_meter.h"

namespace vbs {

namespace {

// Arrays bigger than this many elements are refused with "Out of memory"
// before anything is allocated: 2^27 Variants are 2 GB.
constexpr uint64_t kMaxArrayElements = uint64_t{1} << 27;

ops::CompareOp compareOpOf(Op op) {
    switch (op) {
    case Op::Equal: return ops::CompareOp::Equal;
    case Op::NotEqual: return ops::CompareOp::NotEqual;
    case Op::Less: return ops::CompareOp::Less;
    case Op::Greater: return ops::CompareOp::Greater;
    case Op::LessEqual: return ops::CompareOp::LessEqual;
    default: return ops::CompareOp::GreaterEqual;
    }
}

}  // namespace

// The flat position of an element from its subscripts; 9 when out of range.
int32_t elementOffset(const ArrayData& arr, Variant* args, int argc, size_t& offset) {
    if (argc != arr.dims()) return err::SubscriptOutOfRange;
    offset = 0;
    for (int i = 0; i < argc; ++i) {
        int32_t index = 0;
        if (int32_t e = ops::toLong(args[i].deref(), index)) return e;
        uint32_t count = arr.counts[static_cast<size_t>(i)];
        if (index < 0 || static_cast<uint32_t>(index) >= count) return err::SubscriptOutOfRange;
        offset = offset * count + static_cast<size_t>(index);
    }
    return 0;
}

int32_t Interpreter::defaultValue(const Variant& v, Variant& out) {
    const Variant& d = v.deref();
    if (!d.isObject()) { out = d; return 0; }
    if (d.isNothing()) return err::ObjectVariableNotSet;
    auto* obj = static_cast<Dispatch*>(d.asObject());
    Variant keep = d;
    ctx_.vm = this;
    ctx_.detail = &detail_;
    Variant result;
    if (int32_t e = obj->invoke(kDefaultMember, InvokeKind::Get, Args(nullptr, 0), result, ctx_)) return e;
    if (result.isObject()) return err::MemberNotSupported;
    out = std::move(result);
    return 0;
}

int32_t Interpreter::binarySlow(Op op, uint8_t literalFlags, Variant& a, const Variant& b) {
    if (op == Op::Is) {
        const Variant& x = a.deref();
        const Variant& y = b.deref();
        if (!x.isObject() || !y.isObject()) return err::ObjectRequired;
        a = Variant::boolean(x.asObject() == y.asObject());
        return 0;
    }
    Variant left, right;
    if (int32_t e = defaultValue(a, left)) return e;
    if (int32_t e = defaultValue(b, right)) return e;
    Variant out;
    int32_t e = 0;
    switch (op) {
    case Op::Add: e = ops::add(left, right, out); break;
    case Op::Subtract: e = ops::subtract(left, right, out); break;
    case Op::Multiply: e = ops::multiply(left, right, out); break;
    case Op::Divide: e = ops::divide(left, right, out); break;
    case Op::IntDivide: e = ops::intDivide(left, right, out); break;
    case Op::Modulo: e = ops::modulo(left, right, out); break;
    case Op::Power: e = ops::power(left, right, out); break;
    case Op::Concat: e = ops::concat(left, right, out); break;
    case Op::And: e = ops::logicalAnd(left, right, out); break;
    case Op::Or: e = ops::logicalOr(left, right, out); break;
    case Op::Xor: e = ops::logicalXor(left, right, out); break;
    case Op::Eqv: e = ops::logicalEqv(left, right, out); break;
    case Op::Imp: e = ops::logicalImp(left, right, out); break;
    default:
        e = ops::compare(compareOpOf(op), left, right, out, (literalFlags & 1) != 0, (literalFlags & 2) != 0);
        break;
    }
    if (e) return e;
    a = std::move(out);
    return 0;
}

int32_t Interpreter::binaryInto(Op op, uint8_t literalFlags, const Variant& x, const Variant& y, Variant& out) {
    Variant left = x, right = y;
    if (int32_t e = binarySlow(op, literalFlags, left, right)) return e;
    out = std::move(left);
    return 0;
}

int32_t Interpreter::unarySlow(Op op, Variant& a) {
    Variant value, out;
    if (int32_t e = defaultValue(a, value)) return e;
    int32_t e = 0;
    switch (op) {
    case Op::Negate: e = ops::negate(value, out); break;
    case Op::UnaryPlus: e = ops::unaryPlus(value, out); break;
    default: e = ops::logicalNot(value, out); break;
    }
    if (e) return e;
    a = std::move(out);
    return 0;
}

int32_t Interpreter::conditionValue(const Variant& v, bool& out) {
    Variant value;
    if (int32_t e = defaultValue(v, value)) return e;
    if (value.isNull()) { out = false; return 0; }
    return ops::toBoolean(value, out);
}

int32_t Interpreter::letAssign(Variant& target, Variant&& value) {
    if (target.isArray() && target.asArray()->locks > 0) return err::ArrayLocked;
    // `a = a` keeps a fixed array fixed; any other holder gets a resizable copy.
    if (value.isArray() && !(target.isArray() && target.asArray() == value.asArray())) value.detachFixedArray();
    if (value.isObject()) {
        Variant plain;
        if (int32_t e = defaultValue(value, plain)) return e;
        target = std::move(plain);
        return 0;
    }
    target = std::move(value);
    return 0;
}

int32_t Interpreter::setAssign(Variant& target, Variant&& value) {
    const Variant& v = value.deref();
    if (!v.isObject()) return err::ObjectRequired;
    if (target.isArray() && target.asArray()->locks > 0) return err::ArrayLocked;
    // Copy first: the old value may be the last reference to an object whose
    // Class_Terminate runs now and must see the new value already stored.
    Variant old = std::move(target);
    target = v;
    return 0;
}

int32_t Interpreter::appendInPlace(Variant& target, const Variant& x) {
    Variant value;
    if (int32_t e = defaultValue(x, value)) return e;
    const bool wholeCharacters = !(value.isString() && value.trailingByte() >= 0);
    if (target.ownsStringUniquely() && target.trailingByte() < 0 && wholeCharacters && !value.isNull()) {
        std::u16string text;
        if (int32_t e = ops::toString(value, text)) return e;
        if (target.asString().size() + text.size() > kMaxStringLength) return err::OutOfMemory;
        chargeWork(text.size() * sizeof(char16_t));
        target.mutableString() += text;
        return 0;
    }
    Variant left, out;
    if (int32_t e = defaultValue(target, left)) return e;
    if (int32_t e = ops::concat(left, value, out)) return e;
    target = std::move(out);
    return 0;
}

int32_t Interpreter::indexValue(Variant& container, Variant* args, int argc, Variant& out,
                                std::u16string_view name) {
    if (container.isArray()) {
        size_t offset = 0;
        // a() names no element of a fixed array.
        if (argc == 0 && container.asArray()->fixedSize) return err::SubscriptOutOfRange;
        if (argc == 0) { out = container; return 0; }
        if (int32_t e = elementOffset(*container.asArray(), args, argc, offset)) return e;
        out = container.asArray()->elems[offset];
        return 0;
    }
    // x() of an object is its default member's value, as x(i) calls it with i.
    if (container.isObject()) return callValue(container, args, argc, out);
    // x() of a plain value is a call of something that cannot be called.
    if (!name.empty()) {
        detail_.description = toU16(errorText(err::TypeMismatch)) + u": '" + std::u16string(name) + u"'";
        detail_.namesItem = true;
    }
    return err::TypeMismatch;
}

int32_t Interpreter::callValue(Variant& callee, Variant* args, int argc, Variant& out, InvokeKind kind) {
    Variant& c = callee.deref();
    if (c.isArray()) return indexValue(c, args, argc, out, {});
    if (c.isObject()) {
        if (c.isNothing()) return err::ObjectVariableNotSet;
        Variant keep = c;
        auto* obj = static_cast<Dispatch*>(c.asObject());
        ctx_.vm = this;
        ctx_.detail = &detail_;
        return obj->invoke(kDefaultMember, kind, Args(args, argc), out, ctx_);
    }
    // A number, text, Empty or Boolean named alone as a statement is nothing
    // to call; read as a value (`v()` in an expression) it is itself.
    if (argc == 0 && kind != InvokeKind::Method) { out = c; return 0; }
    return err::TypeMismatch;
}

int32_t Interpreter::storeIndexed(Variant& container, Variant* args, int argc, Variant&& value, bool isSet) {
    if (container.isArray()) {
        ArrayData* arr = writableArray(container);
        size_t offset = 0;
        if (int32_t e = elementOffset(*arr, args, argc, offset)) return e;
        return isSet ? setAssign(arr->elems[offset], std::move(value)) : letAssign(arr->elems[offset], std::move(value));
    }
    if (container.isObject()) {
        if (container.isNothing()) return err::ObjectVariableNotSet;
        Variant keep = container;
        auto* obj = static_cast<Dispatch*>(container.asObject());
        std::vector<Variant> all(args, args + argc);
        all.push_back(std::move(value));
        Variant ignored;
        ctx_.vm = this;
        ctx_.detail = &detail_;
        return obj->invoke(kDefaultMember, isSet ? InvokeKind::Set : InvokeKind::Let,
                           Args(all.data(), static_cast<int>(all.size())), ignored, ctx_);
    }
    return err::TypeMismatch;
}

int32_t Interpreter::invokeMember(const Variant& target, std::u16string_view name, InvokeKind kind, Variant* args,
                                  int argc, Variant& result, bool emptyBrackets) {
    const Variant& t = target.deref();
    if (!t.isObject() || t.isNothing()) return err::ObjectRequired;
    Variant keep = t;  // the call may drop the caller's reference
    auto* obj = static_cast<Dispatch*>(t.asObject());
    int32_t id = obj->findMember(name);
    if (id == kNoMember) {
        detail_.description = toU16(errorText(err::MemberNotSupported)) + u": '" + std::u16string(name) + u"'";
        detail_.namesItem = true;
        return err::MemberNotSupported;
    }
    ctx_.vm = this;
    ctx_.detail = &detail_;
    // Only a script class reads the flag, and clears it as it does.
    ctx_.emptyBrackets = emptyBrackets && dynamic_cast<ScriptObject*>(obj) != nullptr;
    int32_t e = obj->invoke(id, kind, Args(args, argc), result, ctx_);
    if (e == err::WrongArgCount && argc > 0 && (kind == InvokeKind::Get || kind == InvokeKind::Method)) {
        // obj.Items(0) where Items takes no arguments: index the value it returns.
        Variant whole;
        detail_.clear();
        if (obj->invoke(id, InvokeKind::Get, Args(nullptr, 0), whole, ctx_) == 0 &&
            (whole.isObject() || whole.isArray())) {
            return callValue(whole, args, argc, result);
        }
        detail_.clear();
    }
    return e;
}

// Names the compiler could not place: globals defined after the code was
// compiled, members of objects added with addMembers, implicit variables.
// `slot` receives the variable; LoadName's value, and RefName's when the
// name is a constant (passed ByRef as a copy), go to `valueOut`.
int32_t Interpreter::resolveName(Frame& frame, const Instr& in, Variant*& slot, Variant* valueOut) {
    const std::u16string& name = frame.proc->names[static_cast<size_t>(in.a)];
    if (in.b == -2) { slot = nullptr; return 0; }  // assignment to a constant or procedure
    bool read = in.op == Op::LoadName;
    const std::u16string folded = foldName(name);
    if (Variant* v = frame.owner().executedVariable(folded)) { slot = v; return 0; }
    int32_t g = findGlobal(folded);
    if (g >= 0) {
        GlobalInfo& info = globalInfos_[static_cast<size_t>(g)];
        if (info.kind == GlobalKind::Procedure || info.kind == GlobalKind::Class) {
            if (!read) { slot = nullptr; return 0; }
            if (info.kind == GlobalKind::Class || !info.proc) return err::TypeMismatch;
            return callProcedure(info.proc, nullptr, nullptr, 0, *valueOut);
        }
        if (info.kind == GlobalKind::Constant && !read) {
            // A procedure compiled before the Const statement reaches it by name.
            if (in.op != Op::RefName) return err::IllegalAssignmentShort;
            *valueOut = globalValues_[static_cast<size_t>(g)];
            return 0;
        }
        slot = &globalValues_[static_cast<size_t>(g)];
        return 0;
    }
    for (Dispatch* host : memberHosts_) {
        int32_t id = host->findMember(name);
        if (id == kNoMember) continue;
        if (!read) return err::IllegalAssignmentShort;
        ctx_.vm = this;
        ctx_.detail = &detail_;
        return host->invoke(id, InvokeKind::Get, Args(nullptr, 0), *valueOut, ctx_);
    }
    if (in.b >= 0) { slot = &frame.slots[in.b].deref(); return 0; }
    if (in.c & 1) {
        detail_.description = toU16(errorText(err::VariableUndefined)) + u": '" + name + u"'";
        detail_.namesItem = true;
        return err::VariableUndefined;
    }
    // Global code without Option Explicit: the name becomes a global now.
    if (globalCount() >= kMaxGlobals) return err::OutOfMemory;
    slot = &globalValues_[static_cast<size_t>(declareGlobal(name, GlobalKind::Variable))];
    return 0;
}

// A variable used as a call: `v(i)` reads an element or calls the object's
// default member; named alone as a statement (`v`, `Call v()`) it calls the
// object it holds, as a GetRef value expects.
int32_t Interpreter::callVariable(Variant& variable, Variant* args, int argc, Variant& out, std::u16string_view name,
                                  bool statement) {
    if (statement && argc == 0) return callValue(variable, nullptr, 0, out, InvokeKind::Method);
    return indexValue(variable, args, argc, out, name);
}

int32_t Interpreter::callByName(Frame& frame, const std::u16string& name, Variant* args, int argc, Variant& out,
                                bool statement) {
    const std::u16string folded = foldName(name);
    if (Variant* v = frame.owner().executedVariable(folded)) return callVariable(*v, args, argc, out, name, statement);
    int32_t g = findGlobal(folded);
    if (g >= 0) {
        GlobalInfo& info = globalInfos_[static_cast<size_t>(g)];
        if (info.kind == GlobalKind::Procedure && info.proc) return callProcedure(info.proc, nullptr, args, argc, out);
        if (info.kind != GlobalKind::Class)
            return callVariable(globalValues_[static_cast<size_t>(g)], args, argc, out, name, statement);
    }
    for (Dispatch* host : memberHosts_) {
        int32_t id = host->findMember(name);
        if (id == kNoMember) continue;
        ctx_.vm = this;
        ctx_.detail = &detail_;
        return host->invoke(id, InvokeKind::Method, Args(args, argc), out, ctx_);
    }
    const auto& implicit = frame.proc->implicitLocalSlots;
    if (auto it = implicit.find(folded); it != implicit.end())
        return callVariable(frame.slots[it->second].deref(), args, argc, out, name, statement);
    detail_.description = toU16(errorText(err::TypeMismatch)) + u": '" + name + u"'";
    detail_.namesItem = true;
    return err::TypeMismatch;
}

// Dim a(n, m) (redim false) and ReDim [Preserve] a(n, m).
int32_t Interpreter::dimArray(Variant& target, Variant* bounds, int count, bool redim, bool preserve) {
    // A fixed or locked array refuses ReDim before its bounds are read.
    if (redim && target.isArray() && (target.asArray()->fixedSize || target.asArray()->locks > 0))
        return err::ArrayLocked;
    std::vector<uint32_t> counts;
    uint64_t total = 1;
    for (int i = 0; i < count; ++i) {
        Variant value;
        if (int32_t e = defaultValue(bounds[i], value)) return e;
        int32_t upper = 0;
        if (int32_t e = ops::toLong(value, upper)) return e;
        if (upper < -1) return err::SubscriptOutOfRange;
        counts.push_back(static_cast<uint32_t>(upper + 1));
        total *= static_cast<uint64_t>(upper + 1);
        if (total > kMaxArrayElements) return err::OutOfMemory;
    }
    auto* arr = new (std::nothrow) ArrayData();
    if (!arr) return err::OutOfMemory;
    Variant fresh = Variant::adoptArray(arr);
    arr->counts = counts;
    arr->fixedSize = !redim && count > 0;
    try {
        arr->elems.resize(static_cast<size_t>(count > 0 ? total : 0));
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    }
    if (redim && preserve && target.isArray()) {
        ArrayData* old = target.asArray();
        if (old->dims() > 0) {
            if (old->dims() != count) return err::SubscriptOutOfRange;
            for (int i = 0; i + 1 < count; ++i)
                if (old->counts[static_cast<size_t>(i)] != counts[static_cast<size_t>(i)]) return err::SubscriptOutOfRange;
            // Rows keep their place; only the last dimension changes length.
            size_t oldLast = old->counts.back(), newLast = counts.back();
            size_t rows = oldLast ? old->elems.size() / oldLast : 0;
            for (size_t r = 0; r < rows; ++r)
                for (size_t k = 0; k < oldLast && k < newLast; ++k)
                    arr->elems[r * newLast + k] = old->elems[r * oldLast + k];
        }
    }
    chargeWork(bytesSpanned(fresh));
    target = std::move(fresh);
    return 0;
}

int32_t Interpreter::eraseArray(Variant& target) {
    if (!target.isArray()) return err::TypeMismatch;
    ArrayData* arr = target.asArray();
    if (arr->locks > 0) return err::ArrayLocked;
    if (arr->fixedSize) {
        arr = target.uniqueArray();
        // Swapped out first: releasing an element may run a Class_Terminate
        // that changes this very array.
        std::vector<Variant> old(arr->elems.size());
        old.swap(arr->elems);
        return 0;
    }
    target = Variant::adoptArray(new ArrayData());
    return 0;
}

Variant* Interpreter::counterSlot(Frame& frame, CounterKind kind, int32_t index) {
    switch (kind) {
    case CounterKind::Local: return &frame.slots[index].deref();
    case CounterKind::Global: return &globalValues_[static_cast<size_t>(index)];
    case CounterKind::Field: return frame.me ? &frame.me->fields()[index] : nullptr;
    }
    return nullptr;
}

namespace {
int32_t forNumber(const Variant& v, Variant& out) {
    if (v.isNumeric() || v.isEmpty()) {
        if (v.isEmpty()) out = Variant::integer(0);
        else out = v;
        return 0;
    }
    if (v.isNull()) return err::InvalidUseOfNull;
    return ops::toNumber(v, out);
}

int32_t inRange(const Variant& counter, const Variant& end, const Variant& step, bool& again) {
    Variant sign;
    int order = 0, stepOrder = 0;
    if (int32_t e = ops::compareOrder(step, Variant::integer(0), stepOrder)) return e;
    if (int32_t e = ops::compareOrder(counter, end, order)) return e;
    again = stepOrder >= 0 ? order <= 0 : order >= 0;
    return 0;
}
}  // namespace

int32_t Interpreter::forPrep(Frame& frame, const Instr& in, Variant* vals) {
    Variant from, to, step;
    for (int i = 0; i < 3; ++i) {
        Variant plain;
        if (int32_t e = defaultValue(vals[i], plain)) return e;
        Variant& dst = i == 0 ? from : i == 1 ? to : step;
        if (int32_t e = forNumber(plain, dst)) return e;
    }
    int32_t counterIndex = frame.proc->code[static_cast<size_t>(frame.pc)].a;
    Variant* counter = counterSlot(frame, static_cast<CounterKind>(in.c & kCounterKindMask), counterIndex);
    if (!counter) return err::ObjectRequired;
    bool again = false;
    if (int32_t e = inRange(from, to, step, again)) return e;
    if (int32_t e = letAssign(*counter, std::move(from))) return e;
    // Set up only now: until then the empty step tells Next that it failed.
    frame.slots[in.b] = to;
    frame.slots[in.b + 1] = step;
    if (!again) frame.pc = -1;
    return 0;
}

int32_t Interpreter::forStep(Frame& frame, const Instr& in, bool& again) {
    int32_t counterIndex = frame.proc->code[static_cast<size_t>(frame.pc)].a;
    Variant* counter = counterSlot(frame, static_cast<CounterKind>(in.c & kCounterKindMask), counterIndex);
    if (!counter) return err::ObjectRequired;
    if (frame.slots[in.b + 1].isEmpty()) return err::ForLoopNotInitialized;
    Variant current, next;
    if (int32_t e = defaultValue(*counter, current)) return e;
    if (int32_t e = ops::add(current, frame.slots[in.b + 1], next)) return e;
    if (int32_t e = inRange(next, frame.slots[in.b], frame.slots[in.b + 1], again)) return e;
    *counter = std::move(next);
    return 0;
}

int32_t Interpreter::forEachPrep(Frame& frame, const Instr& in, Variant& collection) {
    Variant items;
    if (collection.isArray() && collection.asArray()->dims() <= 1) {
        items = collection;
    } else if (collection.isArray()) {
        // Several dimensions: VBScript visits the first subscript fastest.
        const ArrayData& source = *collection.asArray();
        auto* arr = new ArrayData();
        items = Variant::adoptArray(arr);
        arr->elems.reserve(source.elems.size());
        std::vector<uint32_t> index(source.counts.size(), 0);
        for (size_t n = 0; n < source.elems.size(); ++n) {
            size_t offset = 0;
            for (size_t d = 0; d < index.size(); ++d) offset = offset * source.counts[d] + index[d];
            arr->elems.push_back(source.elems[offset]);
            for (size_t d = 0; d < index.size(); ++d) {
                if (++index[d] < source.counts[d]) break;
                index[d] = 0;
            }
        }
        arr->counts.push_back(static_cast<uint32_t>(arr->elems.size()));
    } else if (collection.isObject() && !collection.isNothing()) {
        Variant keep = collection;
        auto* arr = new ArrayData();
        items = Variant::adoptArray(arr);
        ctx_.vm = this;
        ctx_.detail = &detail_;
        if (int32_t e = static_cast<Dispatch*>(collection.asObject())->enumerate(arr->elems, ctx_)) return e;
        arr->counts.push_back(static_cast<uint32_t>(arr->elems.size()));
    } else if (collection.isObject()) {
        return err::ObjectRequired;
    } else {
        return err::NotACollection;
    }
    bool empty = items.asArray()->elems.empty();
    frame.slots[in.b] = std::move(items);
    frame.slots[in.b + 1] = Variant::long_(0);
    if (empty) frame.pc = -1;
    return 0;
}

int32_t Interpreter::newInstance(const std::shared_ptr<ClassInfo>& cls, Variant& out) {
    if (!cls) return err::ClassNotDefined;
    auto* obj = new ScriptObject(cls, this, alive_);
    out = Variant::object(obj);
    if (cls->initialize) {
        Variant ignored;
        if (int32_t e = callProcedure(cls->initialize, obj, nullptr, 0, ignored)) return e;
    }
    return 0;
}

// The engine's own classes come first: a script's Class RegExp does not
// replace the built-in one for New.
int32_t Interpreter::newByName(const std::u16string& name, Variant& out) {
    if (Dispatch* d = newBuiltinClassInstance(name)) {
        out = Variant::object(d);
        d->releaseRef();  // newBuiltinClassInstance counted one reference for us
        return 0;
    }
    int32_t g = findGlobal(foldName(name));
    if (g >= 0 && globalInfos_[static_cast<size_t>(g)].kind == GlobalKind::Class)
        return newInstance(globalInfos_[static_cast<size_t>(g)].cls, out);
    // An unknown name after New is reported as an unknown name (500), the
    // way Windows reports it, not as 506 "Class not defined".
    detail_.description = toU16(errorText(err::VariableUndefined)) + u": '" + name + u"'";
    detail_.namesItem = true;
    return err::VariableUndefined;
}

}  // namespace vbs
