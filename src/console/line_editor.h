// The keys of the input line, without a window: an operator typed first on
// an empty line continues from the last answer ("Ans" is put before it),
// Up and Down walk the command history, and Enter on an empty line takes the
// newest command again. The terminal console feeds it keys; EvaluateInput
// reads and clears it as it does the window's input box.
#pragma once

#include <cstdint>
#include <string>

#include "console/command_history.h"
#include "console/input_line.h"

namespace talvoro {

class LineEditor : public InputLine {
public:
    explicit LineEditor(CommandHistory& history) : history_(history) {}

    // Typing always adds at the end of the line; there is no caret to move.
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

    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override { text_ = text; }
    void setCaret(int32_t) override {}

private:
    void showHistoryEntry(const std::u16string& entry);

    CommandHistory& history_;
    std::u16string text_;
    bool ansInserted_ = false;  // AnsIns: once per evaluation
};

}  // namespace talvoro
