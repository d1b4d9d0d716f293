// The arithmetic operators + - * / \ Mod ^, concatenation & and the unary
// signs, with VBScript's result subtypes: the narrowest type of the two
// operands, widened step by step (Byte, Integer, Long, Double) when the
// result does not fit.
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "engine/error_table.h"
#include "engine/values/byte_text.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"
#include "engine/values/work_meter.h"

namespace vbs::ops {

namespace {

// The numeric families an arithmetic operand falls into, narrowest first so
// that the wider of two kinds is their maximum. Boolean counts as Integer.
enum class Kind { Empty, Byte, Integer, Long, Single, Double, Currency, Date };

struct Operand {
    Kind kind = Kind::Empty;
    int64_t whole = 0;  // Byte, Integer, Long value; Currency's scaled amount
    double real = 0;    // the value as a double, for every kind
};

enum class ArithOp { Add, Subtract, Multiply };

int32_t readOperand(const Variant& value, Operand& o) {
    const Variant& v = value.deref();
    switch (v.type()) {
    case VarType::Empty: o = {Kind::Empty, 0, 0}; return 0;
    case VarType::Boolean: case VarType::Integer: o = {Kind::Integer, v.asInteger(), 0}; break;
    case VarType::Byte: o = {Kind::Byte, v.asByte(), 0}; break;
    case VarType::Long: o = {Kind::Long, v.asLong(), 0}; break;
    case VarType::Single: o = {Kind::Single, 0, v.asSingle()}; return 0;
    case VarType::Double: o = {Kind::Double, 0, v.asDouble()}; return 0;
    case VarType::Date: o = {Kind::Date, 0, v.asDate()}; return 0;
    case VarType::Currency:
        o = {Kind::Currency, v.asCurrencyScaled(), static_cast<double>(v.asCurrencyScaled()) / detail::kCurrencyScale};
        return 0;
    case VarType::String: {
        // Text takes part as a Double, whatever digits it holds.
        double d = 0;
        if (int32_t e = detail::readNumber(v.asString(), d)) return e;
        o = {Kind::Double, 0, d};
        return 0;
    }
    default: return err::TypeMismatch;
    }
    o.real = static_cast<double>(o.whole);
    return 0;
}

int32_t readOperands(const Variant& a, const Variant& b, Operand& x, Operand& y) {
    if (int32_t e = readOperand(a, x)) return e;
    return readOperand(b, y);
}

// Empty takes the other operand's kind; two Empties make an Integer.
void adoptEmpty(Kind& a, Kind& b) {
    if (a == Kind::Empty && b == Kind::Empty) a = b = Kind::Integer;
    else if (a == Kind::Empty) a = b;
    else if (b == Kind::Empty) b = a;
}

Kind arithmeticKind(ArithOp op, Kind a, Kind b) {
    adoptEmpty(a, b);
    if (a == Kind::Date || b == Kind::Date) {
        if (op == ArithOp::Multiply) return Kind::Double;
        if (op == ArithOp::Subtract && a == Kind::Date && b == Kind::Date) return Kind::Double;
        return Kind::Date;
    }
    if (a == Kind::Currency || b == Kind::Currency) {
        Kind other = a == Kind::Currency ? b : a;
        bool floating = other == Kind::Single || other == Kind::Double;
        // Sums keep Currency's exactness; a product with a float is a Double.
        return op == ArithOp::Multiply && floating ? Kind::Double : Kind::Currency;
    }
    if ((a == Kind::Single && b == Kind::Long) || (a == Kind::Long && b == Kind::Single)) return Kind::Double;
    return a > b ? a : b;
}

// Stores an integral result in the narrowest kind from `kind` upwards that
// holds it: Byte, Integer, Long, then Double (or error 6 when Long is the
// widest allowed, as for `\` and Mod).
int32_t storeIntegral(int64_t r, Kind kind, Variant& out, bool longIsWidest = false) {
    if (kind <= Kind::Byte && r >= 0 && r <= 255) out = Variant::byte(static_cast<uint8_t>(r));
    else if (kind <= Kind::Integer && r >= INT16_MIN && r <= INT16_MAX) out = Variant::integer(static_cast<int16_t>(r));
    else if (r >= INT32_MIN && r <= INT32_MAX) out = Variant::long_(static_cast<int32_t>(r));
    else if (longIsWidest) return err::Overflow;
    else out = Variant::double_(static_cast<double>(r));
    return 0;
}

int32_t storeDouble(double r, Variant& out) {
    if (!std::isfinite(r)) return err::Overflow;
    out = Variant::double_(r);
    return 0;
}

// A Single result that does not fit a Single becomes a Double.
int32_t storeSingle(double r, Variant& out) {
    if (std::isfinite(r) && std::fabs(r) <= static_cast<double>(FLT_MAX)) {
        out = Variant::single(static_cast<float>(r));
        return 0;
    }
    return storeDouble(r, out);
}

int32_t storeCurrency(__int128 scaled, Variant& out) {
    if (scaled > std::numeric_limits<int64_t>::max() || scaled < std::numeric_limits<int64_t>::min())
        return err::Overflow;
    out = Variant::currency(static_cast<int64_t>(scaled));
    return 0;
}

int32_t currencyOf(const Operand& o, int64_t& scaled) {
    if (o.kind == Kind::Currency) { scaled = o.whole; return 0; }
    return detail::doubleToCurrency(o.real, scaled);
}

// Divides by 10,000 rounding half to even: the product of two scaled
// amounts carries the scale twice.
__int128 unscaleProduct(__int128 product) {
    __int128 q = product / 10000;
    __int128 rest = product % 10000;
    __int128 absRest = rest < 0 ? -rest : rest;
    if (absRest > 5000 || (absRest == 5000 && q % 2 != 0)) q += product < 0 ? -1 : 1;
    return q;
}

int32_t currencyArithmetic(ArithOp op, const Operand& x, const Operand& y, Variant& out) {
    int64_t a = 0, b = 0;
    if (int32_t e = currencyOf(x, a)) return e;
    if (int32_t e = currencyOf(y, b)) return e;
    switch (op) {
    case ArithOp::Add: return storeCurrency(static_cast<__int128>(a) + b, out);
    case ArithOp::Subtract: return storeCurrency(static_cast<__int128>(a) - b, out);
    case ArithOp::Multiply: return storeCurrency(unscaleProduct(static_cast<__int128>(a) * b), out);
    }
    return err::InternalError;
}

double applyReal(ArithOp op, double a, double b) {
    switch (op) {
    case ArithOp::Add: return a + b;
    case ArithOp::Subtract: return a - b;
    case ArithOp::Multiply: return a * b;
    }
    return 0;
}

int64_t applyWhole(ArithOp op, int64_t a, int64_t b) {
    // Two Long values multiply within 63 bits, so int64 never overflows.
    return op == ArithOp::Add ? a + b : op == ArithOp::Subtract ? a - b : a * b;
}

int32_t arithmetic(ArithOp op, const Variant& a, const Variant& b, Variant& out) {
    // The commonest operand pairs of a calculator skip the general rules.
    if (a.type() == VarType::Integer && b.type() == VarType::Integer)
        return storeIntegral(applyWhole(op, a.asInteger(), b.asInteger()), Kind::Integer, out);
    if (a.type() == VarType::Double && b.type() == VarType::Double)
        return storeDouble(applyReal(op, a.asDouble(), b.asDouble()), out);

    if (a.deref().isNull() || b.deref().isNull()) { out = Variant::null(); return 0; }
    Operand x, y;
    if (int32_t e = readOperands(a, b, x, y)) return e;
    Kind kind = arithmeticKind(op, x.kind, y.kind);
    switch (kind) {
    case Kind::Byte: case Kind::Integer: case Kind::Long:
        return storeIntegral(applyWhole(op, x.whole, y.whole), kind, out);
    case Kind::Single: return storeSingle(applyReal(op, x.real, y.real), out);
    case Kind::Currency: return currencyArithmetic(op, x, y, out);
    case Kind::Date: {
        double r = applyReal(op, x.real, y.real);
        if (!detail::dateInRange(r)) return err::Overflow;
        out = Variant::date(r);
        return 0;
    }
    default: return storeDouble(applyReal(op, x.real, y.real), out);
    }
}

// The operand of `\` and Mod: Byte and Integer (and Boolean) keep their
// kind, everything else is rounded half to even to a Long.
int32_t readIntegralOperand(const Variant& value, Kind& kind, int64_t& whole) {
    const Variant& v = value.deref();
    switch (v.type()) {
    case VarType::Empty: kind = Kind::Empty; whole = 0; return 0;
    case VarType::Byte: kind = Kind::Byte; whole = v.asByte(); return 0;
    case VarType::Boolean: case VarType::Integer: kind = Kind::Integer; whole = v.asInteger(); return 0;
    default: {
        int32_t l = 0;
        if (int32_t e = toLong(v, l)) return e;
        kind = Kind::Long;
        whole = l;
        return 0;
    }
    }
}

int32_t integerDivision(bool wantRemainder, const Variant& a, const Variant& b, Variant& out) {
    if (a.deref().isNull() || b.deref().isNull()) { out = Variant::null(); return 0; }
    Kind ka, kb;
    int64_t x = 0, y = 0;
    if (int32_t e = readIntegralOperand(a, ka, x)) return e;
    if (int32_t e = readIntegralOperand(b, kb, y)) return e;
    if (y == 0) return err::DivisionByZero;
    adoptEmpty(ka, kb);
    int64_t r = wantRemainder ? x % y : x / y;  // C++ truncates like VBScript: sign of the dividend
    return storeIntegral(r, ka > kb ? ka : kb, out, true);
}

}  // namespace

int32_t add(const Variant& a, const Variant& b, Variant& out) {
    const Variant& x = a.deref();
    const Variant& y = b.deref();
    if (x.isString() && y.isString()) return concat(x, y, out);
    // Empty adds nothing to a text: "5" + Empty stays the String "5".
    if (x.isString() && y.isEmpty()) { out = x; return 0; }
    if (y.isString() && x.isEmpty()) { out = y; return 0; }
    return arithmetic(ArithOp::Add, x, y, out);
}

int32_t subtract(const Variant& a, const Variant& b, Variant& out) {
    return arithmetic(ArithOp::Subtract, a, b, out);
}

int32_t multiply(const Variant& a, const Variant& b, Variant& out) {
    return arithmetic(ArithOp::Multiply, a, b, out);
}

int32_t divide(const Variant& a, const Variant& b, Variant& out) {
    if (a.deref().isNull() || b.deref().isNull()) { out = Variant::null(); return 0; }
    Operand x, y;
    if (int32_t e = readOperands(a, b, x, y)) return e;
    if (y.real == 0) return x.real == 0 ? err::Overflow : err::DivisionByZero;
    double r = x.real / y.real;
    // A Single divided by a Single or a small integer stays a Single; every
    // other quotient is a Double.
    Kind ka = x.kind, kb = y.kind;
    adoptEmpty(ka, kb);
    auto smallOrSingle = [](Kind k) { return k == Kind::Byte || k == Kind::Integer || k == Kind::Single; };
    if ((ka == Kind::Single || kb == Kind::Single) && smallOrSingle(ka) && smallOrSingle(kb))
        return storeSingle(r, out);
    return storeDouble(r, out);
}

int32_t intDivide(const Variant& a, const Variant& b, Variant& out) {
    return integerDivision(false, a, b, out);
}

int32_t modulo(const Variant& a, const Variant& b, Variant& out) {
    return integerDivision(true, a, b, out);
}

int32_t power(const Variant& a, const Variant& b, Variant& out) {
    if (a.deref().isNull() || b.deref().isNull()) { out = Variant::null(); return 0; }
    Operand x, y;
    if (int32_t e = readOperands(a, b, x, y)) return e;
    // A negative base with a fractional exponent, or zero to a negative
    // power, has no value: an invalid argument rather than an infinity.
    if (x.real == 0 && y.real < 0) return err::InvalidProcCall;
    double r = std::pow(x.real, y.real);
    if (std::isnan(r)) return err::InvalidProcCall;
    return storeDouble(r, out);
}

namespace {
int32_t concatBytes(const Variant& x, const Variant& y, Variant& out) {
    std::string bytes;
    for (const Variant* v : {&x, &y}) {
        if (v->isNull()) continue;
        if (v->isString()) { bytes += bytesOfString(*v); continue; }
        std::u16string text;
        if (int32_t e = toString(*v, text)) return e;
        bytes += bytesOfText(text);
    }
    if (bytes.size() > 2 * kMaxStringLength) return err::OutOfMemory;
    chargeWork(bytes.size());
    out = textOfBytes(bytes);
    return 0;
}
}  // namespace

int32_t concat(const Variant& a, const Variant& b, Variant& out) {
    const Variant& x = a.deref();
    const Variant& y = b.deref();
    if (x.isNull() && y.isNull()) { out = Variant::null(); return 0; }
    // A text that ends in half a character joins the other byte for byte
    // (`s = s & ChrB(n)` builds a text of bytes).
    if (hasOddByte(x) || hasOddByte(y)) return concatBytes(x, y, out);
    std::u16string left, right;
    if (!x.isNull()) {
        if (int32_t e = toString(x, left)) return e;
    }
    if (!y.isNull()) {
        if (int32_t e = toString(y, right)) return e;
    }
    if (left.size() + right.size() > kMaxStringLength) return err::OutOfMemory;
    left += right;
    chargeWork(left.size() * sizeof(char16_t));
    out = Variant::string(std::move(left));
    return 0;
}

int32_t negate(const Variant& a, Variant& out) {
    const Variant& v = a.deref();
    switch (v.type()) {
    case VarType::Null: out = Variant::null(); return 0;
    case VarType::Empty: out = Variant::integer(0); return 0;
    case VarType::Boolean: case VarType::Integer: case VarType::Byte: case VarType::Long: {
        Operand o;
        readOperand(v, o);
        // -Byte is an Integer; -(-32768) needs a Long, -(Long minimum) a Double.
        Kind kind = o.kind == Kind::Byte ? Kind::Integer : o.kind;
        return storeIntegral(-o.whole, kind, out);
    }
    case VarType::Single: out = Variant::single(-v.asSingle()); return 0;
    case VarType::Double: out = Variant::double_(-v.asDouble()); return 0;
    case VarType::Currency:
        return storeCurrency(-static_cast<__int128>(v.asCurrencyScaled()), out);
    case VarType::Date:
        if (!detail::dateInRange(-v.asDate())) return err::Overflow;
        out = Variant::date(-v.asDate());
        return 0;
    case VarType::String: {
        double d = 0;
        if (int32_t e = detail::readNumber(v.asString(), d)) return e;
        out = Variant::double_(-d);
        return 0;
    }
    default: return err::TypeMismatch;
    }
}

int32_t unaryPlus(const Variant& a, Variant& out) {
    const Variant& v = a.deref();
    // A unary plus changes nothing, not even the subtype: +"5" is still text.
    if (!v.isNumeric() && !v.isString() && !v.isEmpty() && !v.isNull()) return err::TypeMismatch;
    out = v;
    return 0;
}

}  // namespace vbs::ops
