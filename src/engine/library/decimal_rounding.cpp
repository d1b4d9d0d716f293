#include "engine/library/decimal_rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "engine/values/ops.h"

namespace vbs::lib {

namespace {

// All digits of |value| to `significant` places, with the position of the
// decimal point inside them (may be <= 0 or past the end).
void significantDigits(double value, int significant, std::string& digits, int& pointPos) {
    char buf[400];
    auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             significant - 1).ptr;
    std::string text(buf, end);
    size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    digits.clear();
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    pointPos = exponent + 1;
}

bool allZeros(const std::string& s, size_t from) {
    for (size_t i = from; i < s.size(); ++i)
        if (s[i] != '0') return false;
    return true;
}

// Adds one unit in the last place of a digit string; may grow it by a digit.
void incrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') { ++digits[i]; return; }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

bool RoundedDecimal::isZero() const {
    return allZeros(integerDigits, 0) && allZeros(fractionDigits, 0);
}

RoundedDecimal roundDecimal(double value, int decimals, TieRule tie, int significant) {
    std::string digits;
    int pointPos = 0;
    if (value == 0) { digits = "0"; pointPos = 1; }
    else significantDigits(value, significant, digits, pointPos);

    // Make the point fall inside the digit string: pad with zeros on the left
    // (0.00123) or on the right (12300).
    if (pointPos < 0) { digits.insert(0, static_cast<size_t>(-pointPos), '0'); pointPos = 0; }
    size_t keep = static_cast<size_t>(pointPos) + static_cast<size_t>(decimals);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');

    std::string kept = digits.substr(0, keep);
    char next = digits[keep];
    bool roundUp;
    if (tie == TieRule::HalfAwayFromZero) {
        roundUp = next >= '5';
    } else {
        bool exactTie = next == '5' && allZeros(digits, keep + 1);
        bool lastOdd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
        roundUp = next > '5' || (next == '5' && (!exactTie || lastOdd));
    }
    // Rounding up can carry into a new leading digit (9.99 -> 10.0), which
    // lengthens the integer part by one.
    size_t integerLength = static_cast<size_t>(pointPos);
    if (roundUp) {
        size_t before = kept.size();
        incrementDigits(kept);
        if (kept.size() > before) ++integerLength;
    }

    RoundedDecimal r;
    r.integerDigits = kept.substr(0, integerLength);
    r.fractionDigits = kept.substr(integerLength);
    size_t firstNonZero = r.integerDigits.find_first_not_of('0');
    r.integerDigits = firstNonZero == std::string::npos ? "0" : r.integerDigits.substr(firstNonZero);
    return r;
}

double toDouble(const RoundedDecimal& r, bool negative) {
    std::string text = r.integerDigits;
    if (!r.fractionDigits.empty()) text += "." + r.fractionDigits;
    double v = ops::readAsciiDecimal(text);
    return negative ? -v : v;
}

}  // namespace vbs::lib
