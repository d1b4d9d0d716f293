// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime, with the
// conventions of the running script's locale (locale.h): in English (US) "."
// before decimals, "," between groups of three, "$" in front of amounts.
// Null is not a number to format (13), unlike the string functions that
// pass it through.
#include <cmath>

#include "engine/library/builtins.h"
#include "engine/library/calendar.h"
#include "engine/library/decimal_rounding.h"
#include "engine/library/library_support.h"
#include "engine/values/locale.h"

namespace vbs {

namespace {

// The Tristate arguments: vbTrue -1, vbFalse 0, vbUseDefault -2.
constexpr int32_t kUseDefault = -2;
// More decimals than a Double has digits only pads with zeros; the cap
// keeps a typo such as FormatNumber(x, 1e6) from building a huge string.
constexpr int32_t kMaxDecimals = 255;
constexpr int32_t kDefaultDecimals = 2;

struct NumberStyle {
    int32_t decimals = kDefaultDecimals;
    bool leadingZero = true;   // "0.50" rather than ".50"
    bool parentheses = false;  // "(1.00)" rather than "-1.00"
    bool parenthesesChosen = false;  // by the caller, not left to the default
    bool grouping = true;      // "1,234" rather than "1234"
};

// `chosen`, if given, tells whether the caller decided (not vbUseDefault).
int32_t readTristate(const Args& args, int i, bool fallback, bool& out, bool* chosen = nullptr) {
    int32_t n = kUseDefault;
    if (int32_t e = lib::readOptionalLong(args, i, kUseDefault, n)) return e;
    out = n == kUseDefault ? fallback : n != 0;
    if (chosen) *chosen = n != kUseDefault;
    return 0;
}

// Reads arguments 1..4 (digits, leading digit, parentheses, grouping);
// `defaultDecimals` stands where no digits are given.
int32_t readStyle(const Args& args, bool parenthesesByDefault, NumberStyle& style,
                  int32_t defaultDecimals = kDefaultDecimals) {
    int32_t decimals = -1;
    if (int32_t e = lib::readOptionalLong(args, 1, -1, decimals)) return e;
    if (decimals < -1 || decimals > kMaxDecimals) return err::InvalidProcCall;
    style.decimals = decimals == -1 ? defaultDecimals : decimals;
    if (int32_t e = readTristate(args, 2, true, style.leadingZero)) return e;
    if (int32_t e = readTristate(args, 3, parenthesesByDefault, style.parentheses, &style.parenthesesChosen))
        return e;
    return readTristate(args, 4, true, style.grouping);
}

std::u16string groupThousands(const std::string& digits, char16_t separator) {
    std::u16string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += static_cast<char16_t>(digits[i]);
    }
    return out;
}

// The digits of |value| in `style`, without any sign; sets `negative` for
// values below zero, even those that round to zero ("-0.00", as the system's
// number formatting shows them).
std::u16string formatMagnitude(double value, const NumberStyle& style, bool& negative) {
    lib::RoundedDecimal r = lib::roundDecimal(value, style.decimals, lib::TieRule::HalfAwayFromZero);
    negative = value < 0;
    const Locale& locale = activeLocale();
    std::u16string text;
    if (r.integerDigits != "0" || style.leadingZero || style.decimals == 0)
        text = style.grouping ? groupThousands(r.integerDigits, locale.group) : toU16(r.integerDigits);
    if (style.decimals > 0) text += locale.decimal + toU16(r.fractionDigits);
    return text;
}

int32_t readAmount(Args& args, double& value) {
    if (args.at(0).isNull()) return err::TypeMismatch;
    return lib::readDouble(args, 0, value);
}

int32_t fnFormatNumber(CallContext&, Args args, Variant& result) {
    NumberStyle style;
    if (int32_t e = readStyle(args, false, style)) return e;
    double value = 0;
    if (int32_t e = readAmount(args, value)) return e;
    bool negative = false;
    std::u16string digits = formatMagnitude(value, style, negative);
    if (negative) digits = style.parentheses ? u"(" + digits + u")" : u"-" + digits;
    result = Variant::string(std::move(digits));
    return 0;
}

// The locale's money form: "$1,234.50" and "($1,234.50)" in English (US),
// "1.234,50 €" and "-1.234,50 €" in German. Asked for parentheses, a
// negative amount is its positive form in them; asked for none, a "-" stands
// in front where the locale would have parentheses.
std::u16string currencyText(const std::u16string& digits, bool negative, const NumberStyle& style) {
    const Locale& locale = activeLocale();
    std::u16string positive = locale.currency.prefix + digits + locale.currency.suffix;
    if (!negative) return positive;
    std::u16string usual = locale.negativeCurrency.prefix + digits + locale.negativeCurrency.suffix;
    bool usualHasParentheses = usual.front() == u'(';
    if (!style.parenthesesChosen) return usual;
    if (style.parentheses) return u"(" + positive + u")";
    return usualHasParentheses ? u"-" + positive : usual;
}

int32_t fnFormatCurrency(CallContext&, Args args, Variant& result) {
    NumberStyle style;
    if (int32_t e = readStyle(args, true, style, activeLocale().currencyDecimals)) return e;
    double value = 0;
    if (int32_t e = readAmount(args, value)) return e;
    bool negative = false;
    std::u16string digits = formatMagnitude(value, style, negative);
    result = Variant::string(currencyText(digits, negative, style));
    return 0;
}

int32_t fnFormatPercent(CallContext&, Args args, Variant& result) {
    NumberStyle style;
    if (int32_t e = readStyle(args, false, style)) return e;
    double value = 0;
    if (int32_t e = readAmount(args, value)) return e;
    // A Double near its limit has no percentage: 100 times it is Overflow.
    if (!std::isfinite(value * 100)) return err::Overflow;
    bool negative = false;
    std::u16string percent = formatMagnitude(value * 100, style, negative) + u"%";
    if (negative) percent = style.parentheses ? u"(" + percent + u")" : u"-" + percent;
    result = Variant::string(std::move(percent));
    return 0;
}

// FormatDateTime(date[, format]): 0 general, 1 long date, 2 short date,
// 3 long time, 4 short time (24-hour "13:45").
int32_t fnFormatDateTime(CallContext&, Args args, Variant& result) {
    int32_t format = 0;
    if (int32_t e = lib::readOptionalLong(args, 1, 0, format)) return e;
    if (format < 0 || format > 4) return err::InvalidProcCall;
    if (args.at(0).isNull()) return err::TypeMismatch;
    double date = 0;
    if (int32_t e = lib::readDate(args, 0, date)) return e;
    std::u16string text;
    switch (format) {
    case 0: text = ops::formatDate(date, activeLocale()); break;
    case 1: text = lib::longDateText(date); break;
    case 2: text = lib::shortDateText(date); break;
    case 3: text = lib::longTimeText(date); break;
    default: text = lib::shortTimeText(date); break;
    }
    result = Variant::string(std::move(text));
    return 0;
}

const BuiltinInfo kFormatBuiltins[] = {
    {u"FormatCurrency", 1, 5, lib::onValues<fnFormatCurrency>},
    {u"FormatDateTime", 1, 2, lib::onValues<fnFormatDateTime>},
    {u"FormatNumber", 1, 5, lib::onValues<fnFormatNumber>},
    {u"FormatPercent", 1, 5, lib::onValues<fnFormatPercent>},
};

}  // namespace

std::span<const BuiltinInfo> formatBuiltins() { return kFormatBuiltins; }

}  // namespace vbs
