// What the calculator core needs of the one-line input box: its text and its
// caret. The window's input box, the terminal and the tests supply their own.
#pragma once

#include <cstdint>
#include <string>

namespace talvoro {

class InputLine {
public:
    virtual ~InputLine() = default;
    virtual std::u16string text() const = 0;
    virtual void setText(const std::u16string& text) = 0;
    // Caret position in UTF-16 units from the start of the text.
    virtual void setCaret(int32_t position) = 0;
};

}  // namespace talvoro
