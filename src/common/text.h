// Text conversion between UTF-8 (files, the terminal, Qt's byte strings)
// and UTF-16 (the engine's strings). A byte that does not begin a valid UTF-8
// sequence is read as the Latin-1 character of that value, so no input is
// refused or lost.
#pragma once

#include <string>
#include <string_view>

namespace talvoro {

std::u16string toU16(std::string_view utf8);
std::string toUtf8(std::u16string_view s);

}  // namespace talvoro
