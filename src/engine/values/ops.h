// VBScript's operators and conversions on values. Every function returns 0
// or an error number and writes its result to `out`; none of them throws.
// Objects are not handled here: the interpreter replaces an object operand by
// its default member's value before calling in (and reports 13 or 438 itself).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/conversions.h"
#include "engine/variant.h"

namespace vbs {
struct Locale;
}

namespace vbs::ops {

// ---- arithmetic and text -------------------------------------------------
int32_t add(const Variant& a, const Variant& b, Variant& out);        // +
int32_t subtract(const Variant& a, const Variant& b, Variant& out);   // -
int32_t multiply(const Variant& a, const Variant& b, Variant& out);   // *
int32_t divide(const Variant& a, const Variant& b, Variant& out);     // /
int32_t intDivide(const Variant& a, const Variant& b, Variant& out);  // '\'
int32_t modulo(const Variant& a, const Variant& b, Variant& out);     // Mod
int32_t power(const Variant& a, const Variant& b, Variant& out);      // ^
int32_t concat(const Variant& a, const Variant& b, Variant& out);     // &
int32_t negate(const Variant& a, Variant& out);                       // unary -
int32_t unaryPlus(const Variant& a, Variant& out);                    // unary +

// ---- logic (bitwise on Integer/Long/Byte/Boolean, Null-aware) --------------
int32_t logicalNot(const Variant& a, Variant& out);
int32_t logicalAnd(const Variant& a, const Variant& b, Variant& out);
int32_t logicalOr(const Variant& a, const Variant& b, Variant& out);
int32_t logicalXor(const Variant& a, const Variant& b, Variant& out);
int32_t logicalEqv(const Variant& a, const Variant& b, Variant& out);
int32_t logicalImp(const Variant& a, const Variant& b, Variant& out);

// ---- comparison ------------------------------------------------------------
enum class CompareOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

// Compares as VBScript does: Null gives Null; numbers as numbers; strings by
// UTF-16 code unit; a number against a string converts the string when the
// other operand was written as a literal in the source (aLiteral/bLiteral),
// otherwise the string is the greater.
int32_t compare(CompareOp op, const Variant& a, const Variant& b, Variant& out,
                bool aLiteral = false, bool bLiteral = false);

// Three-way comparison used by Select Case, StrComp-like callers and sorting:
// sets `order` to -1, 0 or 1. Returns 94 for Null operands.
int32_t compareOrder(const Variant& a, const Variant& b, int& order, bool textCompare = false);

// Converts to the narrowest numeric subtype that holds the value (used for
// text operands of arithmetic: "10" + 5 is a Double 15).
int32_t toNumber(const Variant& v, Variant& out);

// ---- number <-> text (formatDouble and its kin are in conversions.h) --------
// English (US) short forms: "1/2/2020", "1:45:00 PM", "1/2/2020 1:45:00 PM";
// a whole day number shows the date only, a value below 1 the time only.
std::u16string formatDate(double date);
// The same in a locale's short date and long time ("02.01.2020 13:45:00").
std::u16string formatDate(double date, const Locale& locale);
// A date written by one of the locale's patterns (see Locale).
std::u16string formatDatePattern(double date, std::u16string_view pattern, const Locale& locale);

// Reads plain ASCII decimal text ("123.45", "1e-5") with "." as the point,
// whatever the C library's locale says (a Qt program runs in the desktop's
// locale, where strtod may expect ","). Magnitudes beyond a Double give
// infinity, those below its smallest give 0, as strtod's do.
double readAsciiDecimal(std::string_view text);

// Reads text as VBScript reads a numeric string: blanks around, sign, digits,
// one decimal separator, exponent, "&H"/"&O" prefixes, group separators
// (the running script's locale: "." and "," in English). False if the whole
// text is not a number.
bool parseNumber(std::u16string_view text, double& out);
// Reads a date/time text (US order: "1/2/2020", "2020-01-02", "January 2, 2020",
// "13:45", "1:45 PM", combinations), as date literals are. False if it is not a date.
bool parseDate(std::u16string_view text, double& out);
// The same in a locale's order of day, month and year ("2.1.2020" is 2 January
// in German), with its month names beside the English ones.
bool parseDate(std::u16string_view text, double& out, const Locale& locale);

// ---- calendar ---------------------------------------------------------------
// Day numbers: day 0 is 30 December 1899; the fraction is the time of day.
bool dateFromParts(int year, int month, int day, double& out);  // normalises month/day overflow
void partsFromDate(double date, int& year, int& month, int& day, int& hour, int& minute, int& second);

}  // namespace vbs::ops
