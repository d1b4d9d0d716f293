// Numbers to text (CStr of Double, Single and Currency) and numeric text to
// numbers (CDbl("..."), "10" + 5, IsNumeric).
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/error_table.h"
#include "engine/values/locale.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs::ops {

namespace {

// The decimal digits of a positive finite number, rounded to `precision`
// significant digits, and the power of ten of the first digit.
struct Digits {
    std::string digits;  // no trailing zeros, at least one digit
    int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1)
};

// The first digits of `magnitude`, correctly rounded from its exact binary
// value, and the exponent.
std::string printedDigits(double magnitude, int digits, int& exponent) {
    char buf[64];
    auto end = std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific, digits - 1).ptr;
    *end = '\0';
    std::string all(1, buf[0]);
    const char* p = buf + 2;
    while (*p != 'e') all.push_back(*p++);
    exponent = std::atoi(p + 1);
    return all;
}

// Halves are rounded away from zero ("1E14 + 0.5" shows as 100000000000001),
// as the script engine's number-to-text conversion does, not to even as
// to_chars and printf do. One digit beyond the precision decides the
// rounding unless it shows as 5: then the value may lie on either side of
// the half, and 40 digits settle it.
Digits roundedDigits(double magnitude, int precision) {
    Digits result;
    std::string all = printedDigits(magnitude, precision + 1, result.exponent);
    if (all[static_cast<size_t>(precision)] == '5') all = printedDigits(magnitude, 40, result.exponent);

    std::string kept = all.substr(0, static_cast<size_t>(precision));
    if (all[static_cast<size_t>(precision)] >= '5') {
        int i = precision - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++result.exponent;
        }
    }
    while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
    result.digits = kept;
    return result;
}

// "1.5E+20", "1E-05": mantissa with the point after the first digit, and at
// least two exponent digits.
std::string exponentForm(const Digits& d) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    s += d.exponent < 0 ? "E-" : "E+";
    int e = std::abs(d.exponent);
    if (e < 10) s += '0';
    s += std::to_string(e);
    return s;
}

// "123.45", "0.0001": plain positional notation.
std::string positionalForm(const Digits& d) {
    const std::string& digits = d.digits;
    if (d.exponent < 0) return "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + digits;
    size_t intLen = static_cast<size_t>(d.exponent) + 1;
    if (digits.size() <= intLen) return digits + std::string(intLen - digits.size(), '0');
    return digits.substr(0, intLen) + "." + digits.substr(intLen);
}

// Shared by Double (15 digits) and Single (7 digits): the exponent form is
// used once the number has more integer digits than the precision, or is
// below 1E-04.
std::u16string formatFloating(double value, int precision) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
    if (value == 0.0) return u"0";  // also -0
    // Whole numbers with no more digits than the precision print as they
    // are; they are the common case and need no rounding.
    if (std::fabs(value) < std::pow(10.0, precision) && value == std::trunc(value)) {
        std::string whole = std::to_string(static_cast<long long>(value));
        return std::u16string(whole.begin(), whole.end());
    }
    Digits d = roundedDigits(std::fabs(value), precision);
    bool useExponent = d.exponent >= precision || d.exponent < -4;
    std::string text = useExponent ? exponentForm(d) : positionalForm(d);
    if (value < 0) text.insert(text.begin(), '-');
    return std::u16string(text.begin(), text.end());
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

int digitValue(char16_t c, int base) {
    int v = -1;
    if (c >= u'0' && c <= u'9') v = c - u'0';
    else if (c >= u'a' && c <= u'f') v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') v = c - u'A' + 10;
    return v < base ? v : -1;
}

// "&H1F", "&O17": the digits after the prefix, read unsigned. A value that
// needs all `wrapBits` bits is that width's two's complement ("&HFFFF" is -1
// in 16 bits); values above the Long range overflow, as the engine's own
// string conversion does.
int32_t readRadix(std::u16string_view digits, int base, int wrapBits, double& out) {
    if (digits.empty()) return err::TypeMismatch;
    double value = 0;
    for (char16_t c : digits) {
        int v = digitValue(c, base);
        if (v < 0) return err::TypeMismatch;
        value = value * base + v;
    }
    if (wrapBits > 0) {
        double span = std::ldexp(1.0, wrapBits);
        if (value >= span / 2 && value < span) value -= span;
    }
    if (value > 2147483647.0) return err::Overflow;
    out = value;
    return 0;
}

// Strips the decorations VBScript accepts around a number: blanks, one sign
// in front or behind, parentheses meaning negative, a leading "$". Returns
// false if they are malformed.
bool stripDecorations(std::u16string_view& s, bool& negative) {
    negative = false;
    auto trim = [&] {
        while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
        while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    };
    trim();
    if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
        negative = true;
        s = s.substr(1, s.size() - 2);
        trim();
    }
    bool signSeen = false;
    if (!s.empty() && (s.front() == u'-' || s.front() == u'+')) {
        negative ^= s.front() == u'-';
        signSeen = true;
        s.remove_prefix(1);
        trim();
    } else if (!s.empty() && (s.back() == u'-' || s.back() == u'+')) {
        negative ^= s.back() == u'-';
        signSeen = true;
        s.remove_suffix(1);
        trim();
    }
    if (!s.empty() && s.front() == u'$') {
        s.remove_prefix(1);
        if (!signSeen && !s.empty() && (s.front() == u'-' || s.front() == u'+')) {
            negative ^= s.front() == u'-';
            s.remove_prefix(1);
        }
    }
    return !s.empty();
}

// Decimal digits with the locale's group separators (after the first
// digit), one decimal separator, an optional exponent. Copies the accepted
// characters to `clean` as ASCII ("1234.5e3"), group separators dropped.
bool scanDecimal(std::u16string_view s, const Locale& locale, std::string& clean) {
    size_t i = 0;
    int mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        char16_t c = s[i];
        if (c >= u'0' && c <= u'9') { clean.push_back(static_cast<char>(c)); ++mantissaDigits; }
        else if (c == locale.group && mantissaDigits > 0) continue;  // wherever they stand
        else if (c == locale.decimal && !seenPoint) { clean.push_back('.'); seenPoint = true; }
        else break;
    }
    if (mantissaDigits == 0) return false;
    if (i == s.size()) return true;
    if (s[i] != u'e' && s[i] != u'E') return false;
    clean.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) clean.push_back(static_cast<char>(s[i++]));
    int exponentDigits = 0;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i, ++exponentDigits)
        clean.push_back(static_cast<char>(s[i]));
    return exponentDigits > 0 && i == s.size();
}

}  // namespace

namespace detail {

int32_t readNumber(std::u16string_view text, double& out, int wrapBits) {
    bool negative = false;
    if (!stripDecorations(text, negative)) return err::TypeMismatch;
    double value = 0;
    char16_t radix = text.size() >= 2 && text[0] == u'&' ? static_cast<char16_t>(text[1] | 0x20) : 0;
    if (radix == u'h' || radix == u'o') {
        int base = radix == u'h' ? 16 : 8;
        if (int32_t e = readRadix(text.substr(2), base, wrapBits, value)) return e;
    } else {
        std::string clean;
        if (!scanDecimal(text, activeLocale(), clean)) return err::TypeMismatch;
        value = readAsciiDecimal(clean);
        if (std::isinf(value)) return err::Overflow;
    }
    out = negative ? -value : value;
    return 0;
}

}  // namespace detail

std::u16string formatDouble(double d) { return formatFloating(d, 15); }

std::u16string formatSingle(float f) { return formatFloating(static_cast<double>(f), 7); }

std::u16string formatCurrency(int64_t scaled) {
    // Work on the magnitude as unsigned so the most negative amount is safe.
    uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string text = std::to_string(magnitude / 10000);
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction != 0) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%04u", fraction);
        std::string decimals(buf);
        while (decimals.back() == '0') decimals.pop_back();
        text += "." + decimals;
    }
    if (scaled < 0) text.insert(text.begin(), '-');
    return std::u16string(text.begin(), text.end());
}

namespace {

// Past these powers of ten a Double is infinite, or 0, whatever the digits
// (its largest is about 1.8e308, its smallest above 0 about 4.9e-324).
constexpr long kLargestDecimalPower = 400;
// An exponent's digits are read only until its value passes this, so one of
// any length ("1e99999999999999999999") cannot overflow the count; far past
// kLargestDecimalPower, it still decides infinity or 0 through any number of
// mantissa digits.
constexpr long kExponentCeiling = 1000000000;
// Significant digits handed on: more than the 767 that can decide how a
// Double rounds, so dropping the rest changes no result.
constexpr size_t kMaxSignificantDigits = 800;

long readExponent(std::string_view text) {
    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (value < kExponentCeiling) value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace

double readAsciiDecimal(std::string_view text) {
    size_t exponentAt = text.find_first_of("eE");
    std::string_view mantissa = text.substr(0, exponentAt);
    long exponent = exponentAt == std::string_view::npos ? 0 : readExponent(text.substr(exponentAt + 1));
    // The significant digits, and the power of ten of the first of them.
    std::string digits;
    long power = -1;
    bool pointSeen = false;
    for (char c : mantissa) {
        if (c == '.') { pointSeen = true; continue; }
        if (c < '0' || c > '9') break;
        const bool leadingZero = digits.empty() && c == '0';
        if (!pointSeen && !leadingZero) ++power;  // 120 is 1.2e2, 0012 is 1.2e1
        if (pointSeen && leadingZero) --power;    // 0.012 is 1.2e-2
        if (!leadingZero && digits.size() < kMaxSignificantDigits) digits.push_back(c);
    }
    if (digits.empty()) return 0.0;
    power += exponent;
    if (power > kLargestDecimalPower) return HUGE_VAL;
    if (power < -kLargestDecimalPower) return 0.0;
    std::string normal = digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(power);
    double value = 0;
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) return power < 0 ? 0.0 : HUGE_VAL;
    return value;
}

bool parseNumber(std::u16string_view text, double& out) {
    return detail::readNumber(text, out) == 0;
}

}  // namespace vbs::ops
