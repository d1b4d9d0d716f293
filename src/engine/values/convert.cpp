// The conversion rules of CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CDate
// and CStr, used by the operators and the built-in library alike.
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "engine/error_table.h"
#include "engine/values/locale.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs::ops {

namespace {

// Rounds Currency's scaled form to a whole number, halves to even.
int64_t roundCurrencyToWhole(int64_t scaled) {
    int64_t whole = scaled / 10000;
    int64_t rest = scaled % 10000;  // same sign as `scaled`
    int64_t absRest = rest < 0 ? -rest : rest;
    bool awayFromZero = absRest > 5000 || (absRest == 5000 && (whole % 2 != 0));
    if (awayFromZero) whole += scaled < 0 ? -1 : 1;
    return whole;
}

// The value of a numeric, Empty or text operand rounded half to even to a
// whole number of type T (6 outside its range), for the integer conversions.
// Currency is rounded on its exact scaled form rather than through a double;
// hex and octal text wraps at `wrapBits` (detail::readNumber).
template <typename T>
int32_t wholeNumber(const Variant& v, int wrapBits, T& out) {
    double d = 0;
    if (v.type() == VarType::Currency) {
        d = static_cast<double>(roundCurrencyToWhole(v.asCurrencyScaled()));
    } else if (v.type() == VarType::String) {
        if (int32_t e = detail::readNumber(v.asString(), d, wrapBits)) return e;
        d = detail::roundHalfEven(d);
    } else {
        if (int32_t e = toDouble(v, d)) return e;
        d = detail::roundHalfEven(d);
    }
    // -0 from CByte(-0.5) passes.
    if (!(d >= std::numeric_limits<T>::min() && d <= std::numeric_limits<T>::max())) return err::Overflow;
    out = static_cast<T>(d);
    return 0;
}

// A number's text with the locale's decimal separator in place of ".".
std::u16string withDecimalSeparator(std::u16string text, const Locale& locale) {
    if (locale.decimal != u'.')
        for (char16_t& c : text)
            if (c == u'.') c = locale.decimal;
    return text;
}

bool equalsIgnoringCase(std::u16string_view text, std::u16string_view word) {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != word[i]) return false;
    }
    return true;
}

}  // namespace

namespace detail {

bool readBooleanWord(std::u16string_view text, bool& out) {
    for (bool value : {true, false}) {
        const char16_t* plain = value ? u"true" : u"false";
        const char16_t* marked = value ? u"#true#" : u"#false#";
        if (equalsIgnoringCase(text, plain) || equalsIgnoringCase(text, marked)) {
            out = value;
            return true;
        }
    }
    return false;
}

int32_t doubleToCurrency(double x, int64_t& scaled) {
    // The product is formed in extended precision so that the halfway test
    // sees the double's true value: 0.00015 is a little below the half and
    // becomes 0.0001, 0.00005 a little above and becomes 0.0001 too.
    long double r = std::nearbyintl(static_cast<long double>(x) * 10000.0L);
    if (std::isnan(r) || r >= kCurrencyScaledLimit || r < -kCurrencyScaledLimit) return err::Overflow;
    scaled = static_cast<int64_t>(r);
    return 0;
}

}  // namespace detail

int32_t toDouble(const Variant& value, double& out) {
    const Variant& v = value.deref();
    switch (v.type()) {
    case VarType::Empty: out = 0; return 0;
    case VarType::Null: return err::InvalidUseOfNull;
    case VarType::Integer: case VarType::Boolean: out = v.asInteger(); return 0;
    case VarType::Long: out = v.asLong(); return 0;
    case VarType::Byte: out = v.asByte(); return 0;
    case VarType::Single: out = v.asSingle(); return 0;
    case VarType::Double: out = v.asDouble(); return 0;
    case VarType::Date: out = v.asDate(); return 0;
    case VarType::Currency: out = static_cast<double>(v.asCurrencyScaled()) / detail::kCurrencyScale; return 0;
    case VarType::String: return detail::readNumber(v.asString(), out);
    default: return err::TypeMismatch;
    }
}

int32_t toLong(const Variant& value, int32_t& out) { return wholeNumber(value.deref(), 0, out); }

int32_t castToLong(const Variant& value, int32_t& out) { return wholeNumber(value.deref(), 32, out); }

int32_t toInteger(const Variant& value, int16_t& out) { return wholeNumber(value.deref(), 0, out); }

int32_t castToInteger(const Variant& value, int16_t& out) { return wholeNumber(value.deref(), 16, out); }

int32_t toByte(const Variant& value, uint8_t& out) {
    const Variant& v = value.deref();
    // True is all bits set, and a Byte keeps the lowest eight of them.
    if (v.type() == VarType::Boolean) { out = v.asBoolean() ? 255 : 0; return 0; }
    return wholeNumber(v, 0, out);
}

int32_t toSingle(const Variant& value, float& out) {
    double d = 0;
    if (int32_t e = toDouble(value, d)) return e;
    if (std::fabs(d) > static_cast<double>(FLT_MAX)) return err::Overflow;
    out = static_cast<float>(d);
    return 0;
}

int32_t toCurrency(const Variant& value, int64_t& out) {
    const Variant& v = value.deref();
    if (v.type() == VarType::Currency) { out = v.asCurrencyScaled(); return 0; }
    double d = 0;
    if (int32_t e = toDouble(v, d)) return e;
    return detail::doubleToCurrency(d, out);
}

int32_t toBoolean(const Variant& value, bool& out) {
    const Variant& v = value.deref();
    if (v.type() == VarType::String) {
        if (detail::readBooleanWord(v.asString(), out)) return 0;
    }
    if (v.type() == VarType::Currency) { out = v.asCurrencyScaled() != 0; return 0; }
    double d = 0;
    if (int32_t e = toDouble(v, d)) return e;
    out = d != 0;
    return 0;
}

int32_t toDate(const Variant& value, double& out) {
    const Variant& v = value.deref();
    double d = 0;
    if (v.type() == VarType::String) {
        if (!parseDate(v.asString(), d, activeLocale())) {
            if (int32_t e = detail::readNumber(v.asString(), d)) return e;
        }
    } else if (int32_t e = toDouble(v, d)) {
        return e;
    }
    if (!detail::dateInRange(d)) return err::Overflow;
    out = d;
    return 0;
}

int32_t toString(const Variant& value, std::u16string& out) {
    const Variant& v = value.deref();
    std::string ascii;
    switch (v.type()) {
    case VarType::Empty: out.clear(); return 0;
    case VarType::Null: return err::InvalidUseOfNull;
    case VarType::String: out = v.asString(); return 0;
    case VarType::Boolean: out = v.asBoolean() ? u"True" : u"False"; return 0;
    case VarType::Integer: ascii = std::to_string(v.asInteger()); break;
    case VarType::Long: ascii = std::to_string(v.asLong()); break;
    case VarType::Byte: ascii = std::to_string(v.asByte()); break;
    case VarType::Single: out = withDecimalSeparator(formatSingle(v.asSingle()), activeLocale()); return 0;
    case VarType::Double: out = withDecimalSeparator(formatDouble(v.asDouble()), activeLocale()); return 0;
    case VarType::Currency: out = withDecimalSeparator(formatCurrency(v.asCurrencyScaled()), activeLocale()); return 0;
    case VarType::Date: out = formatDate(v.asDate(), activeLocale()); return 0;
    case VarType::Error: ascii = "Error " + std::to_string(v.asError()); break;
    default: return err::TypeMismatch;
    }
    out.assign(ascii.begin(), ascii.end());
    return 0;
}

int32_t toNumber(const Variant& value, Variant& out) {
    const Variant& v = value.deref();
    switch (v.type()) {
    case VarType::Empty: out = Variant::integer(0); return 0;
    case VarType::Null: out = Variant::null(); return 0;
    case VarType::String: {
        // Text operands always become Double, whatever digits they hold.
        double d = 0;
        if (int32_t e = detail::readNumber(v.asString(), d)) return e;
        out = Variant::double_(d);
        return 0;
    }
    default:
        if (!v.isNumeric()) return err::TypeMismatch;
        out = v;
        return 0;
    }
}

}  // namespace vbs::ops
