// Helpers shared by the operator and conversion files (ops_*.cpp, convert.cpp,
// number_format.cpp, date_time.cpp). Not part of the engine's interface.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/variant.h"

namespace vbs::ops::detail {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as CInt, CLng, `\` and Mod do. The default floating-point
// rounding mode is round-to-nearest-even, which nearbyint follows.
inline double roundHalfEven(double x) { return std::nearbyint(x); }

// Reads a numeric text; returns 0, 13 (not a number) or 6 (too large).
// With `wrapBits` (16 or 32), a hex or octal text that needs all those bits
// reads as their two's complement, as CInt and CLng read "&HFFFF".
int32_t readNumber(std::u16string_view text, double& out, int wrapBits = 0);

// The first and last days a Date may hold: 1 Jan 100 and 31 Dec 9999.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.0;
// True if `d` lies in the Date range (the last day's fraction included).
inline bool dateInRange(double d) { return d > kMinDate - 1.0 && d < kMaxDate + 1.0; }

// Currency limits in the scaled (x 10,000) integer form, as doubles for
// range checks before converting.
constexpr double kCurrencyScale = 10000.0;
constexpr double kCurrencyScaledLimit = 9223372036854775807.0;

// Converts a double to Currency's scaled form, rounding half to even;
// returns 6 if out of range.
int32_t doubleToCurrency(double x, int64_t& scaled);

// Reads the words a text may stand for a Boolean with: "True"/"False" and
// the "#TRUE#"/"#FALSE#" that written data files hold, in any letter case
// and without blanks around. False if the text is none of them.
bool readBooleanWord(std::u16string_view text, bool& out);

// Case-insensitive ordering of two UTF-16 texts (vbTextCompare): -1, 0, 1.
int compareTextInsensitive(std::u16string_view a, std::u16string_view b);

// Case-sensitive ordering by UTF-16 code unit (vbBinaryCompare): -1, 0, 1.
int compareBinary(std::u16string_view a, std::u16string_view b);

}  // namespace vbs::ops::detail
