// Maths built-ins: Abs Atn Cos Exp Fix Int Log Rnd Randomize Round Sgn Sin
// Sqr Tan Hex Oct. Functions that keep their argument's subtype (Abs, Fix,
// Int, Round) work on a "numeric operand": the argument with Empty, Boolean
// and text already turned into numbers the way VBScript does.
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "engine/library/builtins.h"
#include "engine/library/clock.h"
#include "engine/library/decimal_rounding.h"
#include "engine/library/library_support.h"
#include "engine/library/script_info.h"

namespace vbs {

namespace {

// Empty -> Integer 0, Boolean -> Integer, text -> Double, numbers stay as
// they are. Null is the caller's business; anything else is error 13.
int32_t numericOperand(const Variant& v, Variant& out) {
    switch (v.type()) {
    case VarType::Empty: out = Variant::integer(0); return 0;
    case VarType::Boolean: out = Variant::integer(v.asBoolean() ? -1 : 0); return 0;
    case VarType::String: {
        double d = 0;
        if (int32_t e = ops::toDouble(v, d)) return e;
        out = Variant::double_(d);
        return 0;
    }
    case VarType::Integer: case VarType::Long: case VarType::Single: case VarType::Double:
    case VarType::Currency: case VarType::Byte: case VarType::Date:
        out = v;
        return 0;
    default:
        return err::TypeMismatch;
    }
}

// A function of one Double argument giving a Double. Null cannot become a
// Double, so it is error 94 (Abs, Fix, Int and Round pass it through instead).
template <typename Compute>
int32_t doubleFunction(Args& args, Variant& result, Compute compute) {
    double x = 0;
    if (int32_t e = lib::readDouble(args, 0, x)) return e;
    double y = 0;
    if (int32_t e = compute(x, y)) return e;
    result = Variant::double_(y);
    return 0;
}

int32_t fnAtn(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) { y = std::atan(x); return 0; });
}
int32_t fnCos(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) { y = std::cos(x); return 0; });
}
int32_t fnSin(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) { y = std::sin(x); return 0; });
}
int32_t fnTan(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) { y = std::tan(x); return 0; });
}

// ln(DBL_MAX): the largest argument whose exponential is still a Double.
constexpr double kMaxExpArgument = 709.782712893384;

int32_t fnExp(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) {
        if (x > kMaxExpArgument) return err::Overflow;
        y = std::exp(x);
        return 0;
    });
}
int32_t fnLog(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) {
        if (x <= 0) return err::InvalidProcCall;
        y = std::log(x);
        return 0;
    });
}
int32_t fnSqr(CallContext&, Args args, Variant& result) {
    return doubleFunction(args, result, [](double x, double& y) {
        if (x < 0) return err::InvalidProcCall;
        y = std::sqrt(x);
        return 0;
    });
}

int32_t fnAbs(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    Variant v;
    if (int32_t e = numericOperand(args.at(0), v)) return e;
    switch (v.type()) {
    case VarType::Integer:
        if (v.asInteger() == std::numeric_limits<int16_t>::min()) return err::Overflow;
        result = Variant::integer(static_cast<int16_t>(std::abs(v.asInteger())));
        return 0;
    case VarType::Long:
        if (v.asLong() == std::numeric_limits<int32_t>::min()) return err::Overflow;
        result = Variant::long_(std::abs(v.asLong()));
        return 0;
    case VarType::Single: result = Variant::single(std::fabs(v.asSingle())); return 0;
    case VarType::Currency:
        if (v.asCurrencyScaled() == std::numeric_limits<int64_t>::min()) return err::Overflow;
        result = Variant::currency(std::llabs(v.asCurrencyScaled()));
        return 0;
    case VarType::Byte: result = v; return 0;
    case VarType::Date: result = Variant::date(std::fabs(v.asDate())); return 0;
    default: result = Variant::double_(std::fabs(v.asDouble())); return 0;
    }
}

// Fix and Int differ only in how they drop the fraction; the subtype stays.
int32_t dropFraction(Args& args, Variant& result, double (*drop)(double)) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    Variant v;
    if (int32_t e = numericOperand(args.at(0), v)) return e;
    switch (v.type()) {
    case VarType::Single: result = Variant::single(static_cast<float>(drop(v.asSingle()))); return 0;
    case VarType::Double: result = Variant::double_(drop(v.asDouble())); return 0;
    case VarType::Date: result = Variant::date(drop(v.asDate())); return 0;
    case VarType::Currency: {
        double units = drop(static_cast<double>(v.asCurrencyScaled()) / 10000.0);
        result = Variant::currency(static_cast<int64_t>(units) * 10000);
        return 0;
    }
    default: result = v; return 0;  // Integer, Long, Byte have no fraction
    }
}

int32_t fnFix(CallContext&, Args args, Variant& result) {
    return dropFraction(args, result, [](double x) { return std::trunc(x); });
}
int32_t fnInt(CallContext&, Args args, Variant& result) {
    return dropFraction(args, result, [](double x) { return std::floor(x); });
}

// Round(x[, digits]): half to even, on the decimal digits the value shows.
double roundHalfEven(double x, int digits, int significant) {
    if (!std::isfinite(x)) return x;
    lib::RoundedDecimal r = lib::roundDecimal(x, digits, lib::TieRule::HalfEven, significant);
    return lib::toDouble(r, x < 0);
}

// No Double has a digit this far after the point (the smallest are about
// 1E-324), so rounding to more places leaves every value as it is; the cap
// keeps Round(x, 2147483647) from building a two-gigabyte digit string.
constexpr int32_t kMaxMeaningfulDecimals = 340;

int32_t fnRound(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    int32_t digits = 0;
    if (int32_t e = lib::readOptionalLong(args, 1, 0, digits)) return e;
    if (digits < 0) return err::InvalidProcCall;
    if (digits > kMaxMeaningfulDecimals) digits = kMaxMeaningfulDecimals;
    // A Boolean is already round and stays one: Round(True) is True.
    if (args.at(0).type() == VarType::Boolean) { result = args.at(0); return 0; }
    Variant v;
    if (int32_t e = numericOperand(args.at(0), v)) return e;
    switch (v.type()) {
    case VarType::Double: result = Variant::double_(roundHalfEven(v.asDouble(), digits, 15)); return 0;
    case VarType::Date: result = Variant::date(roundHalfEven(v.asDate(), digits, 15)); return 0;
    case VarType::Single:
        result = Variant::single(static_cast<float>(roundHalfEven(v.asSingle(), digits, 7)));
        return 0;
    case VarType::Currency: {
        if (digits >= 4) { result = v; return 0; }
        int64_t unit = 1;
        for (int i = digits; i < 4; ++i) unit *= 10;
        int64_t scaled = v.asCurrencyScaled();
        int64_t quotient = scaled / unit, remainder = scaled % unit;
        int64_t twice = 2 * std::llabs(remainder);
        if (twice > unit || (twice == unit && quotient % 2 != 0)) quotient += scaled < 0 ? -1 : 1;
        result = Variant::currency(quotient * unit);
        return 0;
    }
    default: result = v; return 0;  // whole-number subtypes are already round
    }
}

int32_t fnSgn(CallContext&, Args args, Variant& result) {
    double x = 0;
    if (int32_t e = lib::readDouble(args, 0, x)) return e;  // Null: 94
    result = Variant::integer(static_cast<int16_t>(x > 0 ? 1 : (x < 0 ? -1 : 0)));
    return 0;
}

// ---- Hex and Oct -----------------------------------------------------------
// Negative Integers show 16 bits (Hex(-1) = "FFFF"), everything else is
// rounded to a Long and shows 32 bits (Hex(-32768) = "FFFF8000", since
// -32768 written in a script is a Long).
int32_t unsignedBits(const Variant& v, uint32_t& bits) {
    switch (v.type()) {
    case VarType::Empty: bits = 0; return 0;
    case VarType::Integer: bits = static_cast<uint16_t>(v.asInteger()); return 0;
    case VarType::Boolean: bits = v.asBoolean() ? 0xFFFFu : 0u; return 0;
    case VarType::Byte: bits = v.asByte(); return 0;
    default: {
        int32_t n = 0;
        if (int32_t e = ops::toLong(v, n)) return e;
        bits = static_cast<uint32_t>(n);
        return 0;
    }
    }
}

int32_t radixText(Args& args, Variant& result, unsigned shift) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    uint32_t bits = 0;
    if (int32_t e = unsignedBits(args.at(0), bits)) return e;
    const unsigned mask = (1u << shift) - 1;
    std::u16string text;
    do {
        text.insert(text.begin(), u"0123456789ABCDEF"[bits & mask]);
        bits >>= shift;
    } while (bits != 0);
    result = Variant::string(std::move(text));
    return 0;
}

int32_t fnHex(CallContext&, Args args, Variant& result) { return radixText(args, result, 4); }
int32_t fnOct(CallContext&, Args args, Variant& result) { return radixText(args, result, 3); }

// ---- Rnd and Randomize -----------------------------------------------------
// VBScript's generator: a 24-bit linear congruential sequence, one per
// process. The constants and the reseeding rules below are the documented
// ones, so a script that seeds with Rnd(-n) gets VBScript's numbers.
constexpr uint32_t kRndMultiplier = 1140671485u;
constexpr uint32_t kRndIncrement = 12820163u;
constexpr uint32_t kRndMask = 0xFFFFFFu;
constexpr uint32_t kRndInitialSeed = 0x50000u;

uint32_t rndSeed = kRndInitialSeed;

void advanceRnd() { rndSeed = (rndSeed * kRndMultiplier + kRndIncrement) & kRndMask; }
float currentRnd() { return static_cast<float>(rndSeed) / static_cast<float>(kRndMask + 1); }

int32_t fnRnd(CallContext&, Args args, Variant& result) {
    if (!args.missing(0)) {
        double x = 0;
        if (int32_t e = lib::readDouble(args, 0, x)) return e;
        if (x == 0) { result = Variant::single(currentRnd()); return 0; }
        if (x < 0) {
            // The same negative number always restarts the same sequence: the
            // seed comes from the bits of the argument as a Single.
            float asSingle = static_cast<float>(x);
            uint32_t bits = 0;
            std::memcpy(&bits, &asSingle, sizeof bits);
            rndSeed = ((bits & kRndMask) + (bits >> 24)) & kRndMask;
        }
    }
    advanceRnd();
    result = Variant::single(currentRnd());
    return 0;
}

// Mixes the high half of the Double's bits into the middle 16 bits of the
// seed, keeping the low byte, as VBScript's Randomize does.
void reseedFrom(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    uint32_t high = static_cast<uint32_t>(bits >> 32);
    uint32_t mixed = ((high >> 16) ^ high) & 0xFFFFu;
    rndSeed = ((rndSeed & 0xFFu) | (mixed << 8)) & kRndMask;
}

int32_t fnRandomize(CallContext&, Args args, Variant& result) {
    double seed = 0;
    if (args.missing(0)) seed = clockSecondsSinceMidnight();
    else if (int32_t e = lib::readDouble(args, 0, seed)) return e;
    reseedFrom(seed);
    result = Variant();
    return 0;
}

const BuiltinInfo kMathBuiltins[] = {
    {u"Abs", 1, 1, lib::onValues<fnAbs>},
    {u"Atn", 1, 1, lib::onValues<fnAtn>},
    {u"Cos", 1, 1, lib::onValues<fnCos>},
    {u"Exp", 1, 1, lib::onValues<fnExp>},
    {u"Fix", 1, 1, lib::onValues<fnFix>},
    {u"Hex", 1, 1, lib::onValues<fnHex>},
    {u"Int", 1, 1, lib::onValues<fnInt>},
    {u"Log", 1, 1, lib::onValues<fnLog>},
    {u"Oct", 1, 1, lib::onValues<fnOct>},
    {u"Randomize", 0, 1, lib::onValues<fnRandomize>},
    {u"Rnd", 0, 1, lib::onValues<fnRnd>},
    {u"Round", 1, 2, lib::onValues<fnRound>},
    {u"Sgn", 1, 1, lib::onValues<fnSgn>},
    {u"Sin", 1, 1, lib::onValues<fnSin>},
    {u"Sqr", 1, 1, lib::onValues<fnSqr>},
    {u"Tan", 1, 1, lib::onValues<fnTan>},
};

}  // namespace

// The script-information functions (ScriptEngine, GetLocale, RGB, ...) have
// their own file but no family of their own in the registry: they ride along
// with the maths table.
std::span<const BuiltinInfo> mathBuiltins() {
    static const std::vector<BuiltinInfo> table = [] {
        std::vector<BuiltinInfo> all(std::begin(kMathBuiltins), std::end(kMathBuiltins));
        for (const BuiltinInfo& info : lib::scriptInfoBuiltins()) all.push_back(info);
        return all;
    }();
    return table;
}

}  // namespace vbs
