// Not, And, Or, Xor, Eqv, Imp: bitwise on whole numbers, so on Booleans
// (True = -1) they are the logical operators. The result keeps the
// operands' type: two Booleans give a Boolean, Integers an Integer, two
// Bytes a Byte, anything wider a Long. Empty takes part as a Long 0, so
// `Empty And Empty` and `Not Empty` are Longs, and numeric text as a Long,
// so `"1" And "2"` and `5 And "3"` are Longs. Null is "unknown": it
// propagates except where the other operand decides the answer alone.
#include <string>

#include "engine/error_table.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs::ops {

namespace {

// Narrowest first, so the wider of two kinds is their maximum.
enum class BitKind { Boolean, Byte, Integer, Long };

struct Bits {
    BitKind kind = BitKind::Integer;
    int32_t value = 0;
};

int32_t readBits(const Variant& v, Bits& out) {
    switch (v.type()) {
    case VarType::Empty: out = {BitKind::Long, 0}; return 0;
    case VarType::Boolean: out = {BitKind::Boolean, v.asBoolean() ? -1 : 0}; return 0;
    case VarType::Byte: out = {BitKind::Byte, v.asByte()}; return 0;
    case VarType::Integer: out = {BitKind::Integer, v.asInteger()}; return 0;
    case VarType::String: {
        // "True"/"False" take part as Booleans, other text as a number.
        bool word = false;
        if (detail::readBooleanWord(v.asString(), word)) { out = {BitKind::Boolean, word ? -1 : 0}; return 0; }
        [[fallthrough]];
    }
    default: {
        int32_t l = 0;
        if (int32_t e = toLong(v, l)) return e;
        out = {BitKind::Long, l};
        return 0;
    }
    }
}

Variant makeBits(BitKind kind, int32_t value) {
    switch (kind) {
    case BitKind::Boolean: return Variant::boolean(value != 0);
    case BitKind::Byte: return Variant::byte(static_cast<uint8_t>(value & 0xFF));
    case BitKind::Integer: return Variant::integer(static_cast<int16_t>(value));
    case BitKind::Long: return Variant::long_(value);
    }
    return Variant();
}

// All bits set in the operand's own width: True, -1, or Byte 255.
bool allOnes(const Bits& b) {
    return b.kind == BitKind::Byte ? (b.value & 0xFF) == 0xFF : b.value == -1;
}

enum class LogicOp { And, Or, Xor, Eqv, Imp };

int32_t applyBits(LogicOp op, int32_t a, int32_t b) {
    switch (op) {
    case LogicOp::And: return a & b;
    case LogicOp::Or: return a | b;
    case LogicOp::Xor: return a ^ b;
    case LogicOp::Eqv: return ~(a ^ b);
    case LogicOp::Imp: return ~a | b;
    }
    return 0;
}

// One operand Null, the other `known` (which side it stood on matters for
// Imp only). Returns the known operand itself, an all-ones value, or Null.
Variant withNull(LogicOp op, const Bits& known, bool knownOnLeft) {
    switch (op) {
    case LogicOp::And:  // False And Null = False
        if (known.value == 0) return makeBits(known.kind, 0);
        break;
    case LogicOp::Or:  // True Or Null = True; a nonzero value is returned as it is
        if (known.value != 0) return makeBits(known.kind, known.value);
        break;
    case LogicOp::Imp:
        // x Imp Null: the bits Not x sets are set whatever Null stands for,
        // so the answer is Not x (False Imp Null is True, CByte(170) Imp
        // Null the Byte 85) unless Not x has no bit set (True, -1, Byte 255).
        if (knownOnLeft) return allOnes(known) ? Variant::null() : makeBits(known.kind, ~known.value);
        if (allOnes(known)) return makeBits(known.kind, -1);  // Null Imp True
        break;
    default:
        break;
    }
    return Variant::null();
}

int32_t binaryLogic(LogicOp op, const Variant& a, const Variant& b, Variant& out) {
    const Variant& x = a.deref();
    const Variant& y = b.deref();
    if (x.isNull() && y.isNull()) { out = Variant::null(); return 0; }
    Bits left, right;
    if (!x.isNull()) {
        if (int32_t e = readBits(x, left)) return e;
    }
    if (!y.isNull()) {
        if (int32_t e = readBits(y, right)) return e;
    }
    if (x.isNull()) { out = withNull(op, right, false); return 0; }
    if (y.isNull()) { out = withNull(op, left, true); return 0; }
    BitKind kind = left.kind > right.kind ? left.kind : right.kind;
    // A Boolean beside a Byte is widened to Integer: True is -1, not 255.
    if (kind == BitKind::Byte && left.kind != right.kind) kind = BitKind::Integer;
    out = makeBits(kind, applyBits(op, left.value, right.value));
    return 0;
}

}  // namespace

int32_t logicalNot(const Variant& a, Variant& out) {
    const Variant& v = a.deref();
    if (v.isNull()) { out = Variant::null(); return 0; }
    Bits bits;
    if (int32_t e = readBits(v, bits)) return e;
    out = makeBits(bits.kind, ~bits.value);
    return 0;
}

int32_t logicalAnd(const Variant& a, const Variant& b, Variant& out) { return binaryLogic(LogicOp::And, a, b, out); }
int32_t logicalOr(const Variant& a, const Variant& b, Variant& out) { return binaryLogic(LogicOp::Or, a, b, out); }
int32_t logicalXor(const Variant& a, const Variant& b, Variant& out) { return binaryLogic(LogicOp::Xor, a, b, out); }
int32_t logicalEqv(const Variant& a, const Variant& b, Variant& out) { return binaryLogic(LogicOp::Eqv, a, b, out); }
int32_t logicalImp(const Variant& a, const Variant& b, Variant& out) { return binaryLogic(LogicOp::Imp, a, b, out); }

}  // namespace vbs::ops
