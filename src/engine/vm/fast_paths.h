// The inline fast paths of the dispatch loop (interpreter.cpp): arithmetic
// and comparisons of Integer, Long and Double values, equality of strings,
// one-dimensional array elements. Each returns false for anything else, and
// the loop then calls the general operators of ops.h, which these must
// agree with in every result and subtype: Integer widens to Long and Long
// to Double when a result does not fit, and an infinite Double is left to
// the general path, which raises Overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>

#include "engine/compile/bytecode.h"
#include "engine/variant.h"
#include "engine/values/work_meter.h"

namespace vbs::fast {

#define VBS_ALWAYS_INLINE inline __attribute__((always_inline))

VBS_ALWAYS_INLINE bool isIntLike(VarType t) { return t == VarType::Integer || t == VarType::Long; }
VBS_ALWAYS_INLINE bool isNumber(VarType t) { return isIntLike(t) || t == VarType::Double; }
VBS_ALWAYS_INLINE int32_t intOf(const Variant& v) { return v.asIntOrLong(); }  // of an Integer or a Long
// Of an Integer, a Long or a Double (an Integer is kept widened, as a Long).
VBS_ALWAYS_INLINE double doubleOf(const Variant& v) {
    return v.type() == VarType::Double ? v.asDouble() : static_cast<double>(v.asIntOrLong());
}

// Writes a number over a Variant known to hold no heap value (a number, or
// a free stack slot), without the release check of the assignment operator.
VBS_ALWAYS_INLINE void setPlain(Variant& slot, Variant&& value) { std::construct_at(&slot, std::move(value)); }

// A Double result; an infinite one goes to the general path (Overflow).
VBS_ALWAYS_INLINE bool setFinite(Variant& out, double r) {
    if (std::isinf(r)) return false;
    setPlain(out, Variant::double_(r));
    return true;
}

// Integer op Integer stays Integer when it fits, then Long, then Double.
VBS_ALWAYS_INLINE Variant widenInt(int64_t r, bool bothInteger) {
    if (bothInteger && r >= -32768 && r <= 32767) return Variant::integer(static_cast<int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX) return Variant::long_(static_cast<int32_t>(r));
    return Variant::double_(static_cast<double>(r));
}

constexpr bool isComparison(Op op) {
    return op == Op::Equal || op == Op::NotEqual || op == Op::Less || op == Op::Greater || op == Op::LessEqual ||
           op == Op::GreaterEqual;
}

template <typename T>
VBS_ALWAYS_INLINE bool compareNumbers(Op op, T x, T y) {
    switch (op) {
    case Op::Equal: return x == y;
    case Op::NotEqual: return x != y;
    case Op::Less: return x < y;
    case Op::Greater: return x > y;
    case Op::LessEqual: return x <= y;
    default: return x >= y;
    }
}

// The truth of the comparison x op y of two numbers or of two strings
// compared with = or <>; false for anything else (the general path).
VBS_ALWAYS_INLINE bool compare(Op op, const Variant& x, const Variant& y, bool& truth) {
    VarType tx = x.type(), ty = y.type();
    if (tx == VarType::Double && ty == VarType::Double) {
        truth = compareNumbers(op, x.asDouble(), y.asDouble());
        return true;
    }
    if (isIntLike(tx) && isIntLike(ty)) { truth = compareNumbers(op, intOf(x), intOf(y)); return true; }
    if (isNumber(tx) && isNumber(ty)) { truth = compareNumbers(op, doubleOf(x), doubleOf(y)); return true; }
    if ((op == Op::Equal || op == Op::NotEqual) && tx == VarType::String && ty == VarType::String) {
        truth = (x.asString() == y.asString()) == (op == Op::Equal);
        return true;
    }
    return false;
}

// out = a op b for the arithmetic operators on Doubles.
VBS_ALWAYS_INLINE bool doubleArith(Op op, double a, double b, Variant& out) {
    switch (op) {
    case Op::Add: return setFinite(out, a + b);
    case Op::Subtract: return setFinite(out, a - b);
    case Op::Multiply: return setFinite(out, a * b);
    case Op::Divide: return b != 0 && setFinite(out, a / b);
    default: return false;  // Modulo, IntDivide: rounding to Long first, on the general path
    }
}

// out = x op y for the operators of VBS_FUSED_OPERATORS. `out` may be `x`
// or `y` itself, or a free stack slot; x and y are values (no Ref).
VBS_ALWAYS_INLINE bool binary(Op op, const Variant& x, const Variant& y, Variant& out) {
    if (isComparison(op)) {
        bool truth;
        if (!compare(op, x, y, truth)) return false;
        // Two strings or two numbers: only a string needs releasing.
        if (x.isString()) out = Variant::boolean(truth);
        else setPlain(out, Variant::boolean(truth));
        return true;
    }
    VarType tx = x.type(), ty = y.type();
    // Floating-point loops first: one test for two Doubles.
    if (tx == VarType::Double && ty == VarType::Double) return doubleArith(op, x.asDouble(), y.asDouble(), out);
    if (isIntLike(tx) && isIntLike(ty)) {
        // Counters and indexes: the commonest case, exact in 64 bits.
        int64_t a = intOf(x), b = intOf(y);
        bool bothInteger = tx == VarType::Integer && ty == VarType::Integer;
        switch (op) {
        case Op::Add: setPlain(out, widenInt(a + b, bothInteger)); return true;
        case Op::Subtract: setPlain(out, widenInt(a - b, bothInteger)); return true;
        case Op::Multiply: setPlain(out, widenInt(a * b, bothInteger)); return true;
        case Op::Divide:
            if (b == 0) return false;
            setPlain(out, Variant::double_(static_cast<double>(a) / static_cast<double>(b)));
            return true;
        case Op::Modulo: case Op::IntDivide: {
            if (b == 0) return false;  // Division by zero
            int64_t r = op == Op::Modulo ? a % b : a / b;
            if (r > INT32_MAX) return false;  // Long minimum \ -1: Overflow
            setPlain(out, bothInteger && r >= -32768 && r <= 32767 ? Variant::integer(static_cast<int16_t>(r))
                                                                    : Variant::long_(static_cast<int32_t>(r)));
            return true;
        }
        default: return false;
        }
    }
    if (isNumber(tx) && isNumber(ty)) return doubleArith(op, doubleOf(x), doubleOf(y), out);
    return false;
}

// `x & y` of two strings, appending to x in place when it is x's only holder.
VBS_ALWAYS_INLINE bool concat(Variant& x, const Variant& y) {
    if (!x.isString() || !y.isString() || x.asString().size() + y.asString().size() > kMaxStringLength)
        return false;
    if (x.trailingByte() >= 0 || y.trailingByte() >= 0) return false;  // joined byte for byte
    if (x.ownsStringUniquely()) {
        chargeWork(bytesSpanned(y));
        x.mutableString() += y.asString();
    } else {
        x = Variant::string(x.asString() + y.asString());
        chargeWork(bytesSpanned(x));
    }
    return true;
}

// Element of a one-dimensional array by an Integer/Long index, or nullptr.
inline Variant* element(Variant& container, const Variant& index) {
    if (!container.isArray() || !isIntLike(index.type())) return nullptr;
    ArrayData* arr = container.asArray();
    if (arr->dims() != 1) return nullptr;
    int32_t i = intOf(index);
    if (i < 0 || static_cast<uint32_t>(i) >= arr->counts[0]) return nullptr;
    return &arr->elems[static_cast<size_t>(i)];
}

}  // namespace vbs::fast
