// The comparison operators = <> < > <= >= and the three-way ordering used by
// Select Case and sorting.
#include <cfloat>
#include <cmath>
#include <string>

#include "engine/error_table.h"
#include "engine/values/locale.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs::ops {

namespace {

int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

int orderNumbers(const Variant& a, const Variant& b) {
    // Two Currency amounts compare exactly; everything else fits a double
    // without losing order (Long, Integer, Byte are exact in a double).
    if (a.type() == VarType::Currency && b.type() == VarType::Currency) {
        int64_t x = a.asCurrencyScaled(), y = b.asCurrencyScaled();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    double x = 0, y = 0;
    toDouble(a, x);
    toDouble(b, y);
    // A Single meets a Double at the Single's precision, so CSng(0.1) = 0.1.
    bool singleWithDouble = (a.type() == VarType::Single && b.type() == VarType::Double) ||
                            (a.type() == VarType::Double && b.type() == VarType::Single);
    if (singleWithDouble && std::fabs(x) <= FLT_MAX && std::fabs(y) <= FLT_MAX) {
        x = static_cast<float>(x);
        y = static_cast<float>(y);
    }
    return x < y ? -1 : (x > y ? 1 : 0);
}

// A number against a text that is to be read as a number (a Date also
// accepts a date text). Returns 13 if the text is neither.
int32_t orderNumberWithText(const Variant& number, const std::u16string& text, int& order) {
    double x = 0, y = 0;
    toDouble(number, x);
    int32_t e = detail::readNumber(text, y);
    if (e != 0 && number.type() == VarType::Date && parseDate(text, y, activeLocale())) e = 0;
    if (e != 0) return e;
    order = sign(x - y);
    return 0;
}

// The order of a number `num` against a text `text` (number on the left).
// A number written as a literal reads the text as a number, and a text
// that is no number is a type mismatch ("abc" = 5). A literal text beside
// a computed number (a variable, a result, a conversion) meets that
// number's CStr form as text: "010" = CInt(10) is False, "10" > CByte(5)
// is False. Between two variables the text is the greater.
int32_t orderMixed(const Variant& num, bool numLiteral, const Variant& text, bool textLiteral, int& order) {
    const std::u16string& s = text.asString();
    if (numLiteral && num.type() != VarType::Boolean) return orderNumberWithText(num, s, order);
    if (numLiteral || textLiteral) {
        // "True" = True: a Boolean meets a literal text in its CStr form too.
        std::u16string numText;
        if (int32_t e = toString(num, numText)) return e;
        order = detail::compareBinary(numText, s);
        return 0;
    }
    order = -1;
    return 0;
}

// Orders two non-Null values; `textCompare` makes text comparisons ignore case.
int32_t orderValues(const Variant& a, const Variant& b, bool aLiteral, bool bLiteral, bool textCompare,
                    int& order) {
    auto supported = [](const Variant& v) { return v.isEmpty() || v.isString() || v.isNumeric(); };
    if (!supported(a) || !supported(b)) return err::TypeMismatch;
    auto textOf = [](const Variant& v) -> std::u16string_view {
        return v.isString() ? std::u16string_view(v.asString()) : std::u16string_view();
    };
    bool aText = a.isString() || (a.isEmpty() && b.isString());
    bool bText = b.isString() || (b.isEmpty() && a.isString());
    if (aText && bText) {
        order = textCompare ? detail::compareTextInsensitive(textOf(a), textOf(b))
                            : detail::compareBinary(textOf(a), textOf(b));
        return 0;
    }
    if (a.isString()) {
        int32_t e = orderMixed(b, bLiteral, a, aLiteral, order);
        order = -order;
        return e;
    }
    if (b.isString()) return orderMixed(a, aLiteral, b, bLiteral, order);
    order = orderNumbers(a, b);  // Empty reads as 0 here
    return 0;
}

// Folds the letters of Latin-1, Latin Extended-A, Greek and Cyrillic to
// lower case: enough for the texts a calculator's scripts compare.
char16_t foldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
    if (c == 0x178) return 0xFF;  // Y with diaeresis: its small letter lives in Latin-1
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Pairs alternate upper/lower, but the run 0x139..0x148 and 0x179..0x17E start on odd codes.
        bool oddStart = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool upper = oddStart ? (c % 2 == 1) : (c % 2 == 0);
        return upper ? static_cast<char16_t>(c + 1) : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<char16_t>(c + 32);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
    return c;
}

bool holds(CompareOp op, int order) {
    switch (op) {
    case CompareOp::Equal: return order == 0;
    case CompareOp::NotEqual: return order != 0;
    case CompareOp::Less: return order < 0;
    case CompareOp::Greater: return order > 0;
    case CompareOp::LessEqual: return order <= 0;
    case CompareOp::GreaterEqual: return order >= 0;
    }
    return false;
}

}  // namespace

namespace detail {

int compareBinary(std::u16string_view a, std::u16string_view b) {
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareTextInsensitive(std::u16string_view a, std::u16string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        char16_t x = foldCase(a[i]), y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace detail

int32_t compare(CompareOp op, const Variant& a, const Variant& b, Variant& out, bool aLiteral, bool bLiteral) {
    const Variant& x = a.deref();
    const Variant& y = b.deref();
    if (x.isNull() || y.isNull()) { out = Variant::null(); return 0; }
    int order = 0;
    if (int32_t e = orderValues(x, y, aLiteral, bLiteral, false, order)) return e;
    out = Variant::boolean(holds(op, order));
    return 0;
}

int32_t compareOrder(const Variant& a, const Variant& b, int& order, bool textCompare) {
    const Variant& x = a.deref();
    const Variant& y = b.deref();
    if (x.isNull() || y.isNull()) return err::InvalidUseOfNull;
    return orderValues(x, y, false, false, textCompare, order);
}

}  // namespace vbs::ops
