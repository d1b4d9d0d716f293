// The rules of the calculator's input line, for every line that shows it
// (the window's input pane, the terminal, the tests): an operator typed first
// on an empty line continues from the last answer ("Ans" is put before it,
// once per evaluation), Up and Down walk the command history, and Enter on
// an empty line takes the newest command again. The line itself is an
// InputLine; EvaluateInput reads and clears it.
#pragma once

#include <cstdint>
#include <string>

#include "console/command_history.h"
#include "console/input_line.h"

namespace talvoro {

class LineEditor {
public:
    // `ansInserted` is AnsIns, which scripts may also read and set.
    LineEditor(InputLine& line, CommandHistory& history, bool& ansInserted)
        : line_(line), history_(history), ansInserted_(ansInserted) {}

    // Before `c` goes into the line: "Ans" first when `c` continues from it.
    // A line that inserts typed characters itself (a text widget) calls only this.
    void beforeTyping(char16_t c);
    // Typing at the end of the line, for a line without a caret of its own.
    void typeChar(char16_t c);
    // Removes the last character (a surrogate pair as one).
    void backspace();
    // Up and Down: the history entry under its cursor, if it is not empty.
    void up();
    void down();
    // Enter: true when the line (after taking the newest command for an
    // empty line) is worth evaluating; the caller then runs EvaluateInput.
    bool enter();

    bool ansInserted() const { return ansInserted_; }
    std::u16string text() const { return line_.text(); }
    void setText(const std::u16string& text) { line_.setText(text); }

private:
    void show(const std::u16string& text);

    InputLine& line_;
    CommandHistory& history_;
    bool& ansInserted_;
};

// A line that is only its text, typed at its end: the terminal's.
class TextLine : public InputLine {
public:
    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override { text_ = text; }
    void setCaret(int32_t) override {}

private:
    std::u16string text_;
};

}  // namespace talvoro
