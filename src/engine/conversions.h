// Conversions of values, as the engine's own operators and built-ins make
// them: the part of the engine's public face that host objects use to read
// their arguments and that the application uses to show and read values.
// Every function returns 0 or an error number (13 Type mismatch, 6
// Overflow, 94 Invalid use of Null) and writes its result to `out`; none of
// them throws. An object is not converted here: ask for its default value
// first (CallContext::defaultValue).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/variant.h"

namespace vbs::ops {

// ---- conversions (the rules of CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CDate, CStr)
int32_t toBoolean(const Variant& v, bool& out);
int32_t toByte(const Variant& v, uint8_t& out);      // True -> 255
int32_t toInteger(const Variant& v, int16_t& out);   // rounds half to even; 6 out of range
int32_t toLong(const Variant& v, int32_t& out);      // rounds half to even; 6 out of range
// CInt and CLng themselves: as toInteger and toLong, but a hex or octal text
// that needs all 16 or 32 bits is their two's complement (CInt("&HFFFF") and
// CLng("&HFFFFFFFF") are -1); operators and arguments read such text unsigned.
int32_t castToInteger(const Variant& v, int16_t& out);
int32_t castToLong(const Variant& v, int32_t& out);
int32_t toSingle(const Variant& v, float& out);
int32_t toDouble(const Variant& v, double& out);     // Empty -> 0; text read as a number or 13
int32_t toCurrency(const Variant& v, int64_t& out);  // scaled by 10,000
int32_t toDate(const Variant& v, double& out);
// Null -> 94; Empty -> "". Numbers and dates are written in the running
// script's locale (SetLocale); toInvariantString writes them in English (US).
int32_t toString(const Variant& v, std::u16string& out);

// ---- what the application shows and reads ------------------------------------
// CStr's text of a value, and the reading of numeric text, in English (US)
// whatever locale the running script chose.
int32_t toInvariantString(const Variant& v, std::u16string& out);
int32_t readInvariantNumber(std::u16string_view text, double& out);

// At most 15 significant digits, "." always, exponent form from 1E+15 and
// below 1E-04 ("1E+15", "1E-05", "1.23456789012346E+17"), "-" for negatives.
std::u16string formatDouble(double d);
std::u16string formatSingle(float f);          // at most 7 significant digits
std::u16string formatCurrency(int64_t scaled); // up to 4 decimals

// ---- characters and dates as the built-ins see them --------------------------
// UCase of one UTF-16 unit.
char16_t upperChar(char16_t c);
// The Date of a calendar day and a time of day in seconds (both may run
// over: month 13 is January of the next year).
double dateOf(int year, int month, int day, int64_t secondsOfDay);

}  // namespace vbs::ops
