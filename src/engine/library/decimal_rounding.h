// Decimal rounding of doubles for Round and the Format* functions.
//
// Rounding a binary double "to two places" by multiplying by 100 gives answers
// people do not expect (2.675 is stored as 2.67499999...). VBScript rounds the
// value as it would print it, so we first take the 15 significant digits a
// double shows and round that decimal text.
#pragma once

#include <string>

namespace vbs::lib {

enum class TieRule { HalfEven, HalfAwayFromZero };

// |value| rounded to `decimals` places (decimals >= 0), as plain digits:
// `integerDigits` has no leading zeros except a lone "0"; `fractionDigits`
// has exactly `decimals` digits. `significant` is how many digits of the
// value count (15 for Double, 7 for Single).
struct RoundedDecimal {
    std::string integerDigits;
    std::string fractionDigits;
    bool isZero() const;
};
RoundedDecimal roundDecimal(double value, int decimals, TieRule tie, int significant = 15);

// The value of a rounded decimal with the sign of `negative`.
double toDouble(const RoundedDecimal& r, bool negative);

}  // namespace vbs::lib
