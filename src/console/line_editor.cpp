#include "console/line_editor.h"

#include <string_view>

namespace talvoro {

namespace {

// The characters that continue from the last answer when typed first.
constexpr std::u16string_view kAnsOperators = u"+-*/\\";

bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void LineEditor::show(const std::u16string& text) {
    line_.setText(text);
    line_.setCaret(static_cast<int32_t>(text.size()));
}

void LineEditor::beforeTyping(char16_t c) {
    if (!ansInserted_ && kAnsOperators.find(c) != std::u16string_view::npos && line_.text().empty()) {
        show(u"Ans");
        ansInserted_ = true;
    }
}

void LineEditor::typeChar(char16_t c) {
    beforeTyping(c);
    show(line_.text() + c);
}

void LineEditor::backspace() {
    std::u16string text = line_.text();
    if (text.empty()) return;
    bool pair = text.size() >= 2 && isLowSurrogate(text.back());
    text.resize(text.size() - (pair ? 2 : 1));
    show(text);
}

// An empty entry leaves the line as it was; the history's cursor has moved anyway.
void LineEditor::up() {
    std::u16string entry = history_.HistoryOlder();
    if (!entry.empty()) show(entry);
}

void LineEditor::down() {
    std::u16string entry = history_.HistoryNewer();
    if (!entry.empty()) show(entry);
}

bool LineEditor::enter() {
    if (line_.text().empty() && history_.HistoryCount() != 0) line_.setText(history_.entry(0));
    if (line_.text().empty()) return false;
    ansInserted_ = false;
    return true;
}

}  // namespace talvoro
