// A text seen as its bytes (UTF-16LE, two to a character), as the byte
// functions (LenB, LeftB, ChrB, ...) and the concatenation of their results
// see it. Such a text may hold an odd number of bytes: its last byte is kept
// beside the whole characters (StringData::trailingByte).
#pragma once

#include <string>

#include "engine/variant.h"

namespace vbs {

// The bytes of a text's whole characters.
std::string bytesOfText(const std::u16string& text);
// The bytes of a String Variant, its odd last byte included.
std::string bytesOfString(const Variant& text);
// A String Variant of these bytes; an odd last byte stays its trailing byte.
Variant textOfBytes(const std::string& bytes);
// True for a String Variant that ends in half a character.
inline bool hasOddByte(const Variant& v) { return v.isString() && v.trailingByte() >= 0; }

}  // namespace vbs
