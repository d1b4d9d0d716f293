// The bytes of a text file and the text a script sees. "ASCII" files (the
// default format) are read as UTF-8, or as Latin-1 when they are not valid
// UTF-8 (an older file from a Windows machine), and written as UTF-8;
// "Unicode" files are UTF-16 little-endian with a byte order mark.
#pragma once

#include <string>
#include <string_view>

namespace talvoro::host {

enum class TextFormat { Ascii, Unicode };

// OpenTextFile's format argument: TristateFalse (0) ASCII, TristateTrue (-1)
// Unicode, TristateUseDefault (-2): Unicode when the file starts with the
// UTF-16 byte order mark, else ASCII.
constexpr int kTristateFalse = 0;
constexpr int kTristateTrue = -1;
constexpr int kTristateUseDefault = -2;

inline constexpr std::string_view kUtf16Bom = "\xFF\xFE";
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isValidUtf8(std::string_view bytes);

// The text of a file's bytes; a byte order mark of the format is dropped.
std::u16string decodeText(std::string_view bytes, TextFormat format);
// The bytes of `text`, without a byte order mark.
std::string encodeText(std::u16string_view text, TextFormat format);

}  // namespace talvoro::host
