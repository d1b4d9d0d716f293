// Numbers as the settings file holds them: the text a number setting is
// written as, and the lenient reading of a value part back into a number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvoro {

// " 207", "-3", " 2.5", " 1E+20": a blank in place of a plus sign (for zero
// too, also -0), at most 15 significant digits in their shortest form, "."
// whatever the locale, no point in whole numbers, exponent form from 1E+15
// and below 1E-04.
std::u16string cvarNumberText(double value);

// Reads a number as the settings reader does: blanks and tabs anywhere are
// ignored; sign, digits, one ".", an exponent ("E" or "e", sign, digits);
// reading stops at the first character that cannot continue the number, and
// text that does not begin with one reads as 0. Returns false only when the
// number is too large for a double (the reader then stops reading the file).
bool readCvarNumber(std::u16string_view text, double& out);

}  // namespace talvoro
