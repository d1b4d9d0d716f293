// Text operations the string built-ins and the Dictionary share: case folding,
// "text compare" (case-insensitive) searching and ordering, and the
// Windows-1252 code page that Asc and Chr speak.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vbs::lib {

// Case folding for text comparisons (vbTextCompare): "ä" and "Ä" compare equal.
char16_t toUpperChar(char16_t c);
std::u16string toUpperText(std::u16string_view s);

// Repeated searches for one needle in one text (Replace, Split): the text is
// case-folded once, not once per match. Folding maps each code unit to one
// code unit, so positions in the folded text are positions in the original.
class TextSearcher {
public:
    TextSearcher(std::u16string_view hay, std::u16string_view needle, bool textCompare);
    // Position of the needle at or after `from` (0-based); npos if none.
    size_t find(size_t from) const { return hay_.find(needle_, from); }

private:
    std::u16string hay_;
    std::u16string needle_;
};

// Position of `needle` in `hay` at or after `from` (0-based); npos if none.
size_t findText(std::u16string_view hay, std::u16string_view needle, size_t from, bool textCompare);
// Last position of `needle` that ends at or before `end` (0-based, exclusive).
size_t findLastText(std::u16string_view hay, std::u16string_view needle, size_t end, bool textCompare);
// -1, 0 or 1, by UTF-16 code unit (binary) or case-insensitively (text).
int compareText(std::u16string_view a, std::u16string_view b, bool textCompare);

// Windows-1252: the character for a byte, and the byte for a character
// ('?' for characters the code page lacks, as the conversion does).
char16_t charFromCodePage(uint8_t byte);
uint8_t codePageFromChar(char16_t c);

}  // namespace vbs::lib
