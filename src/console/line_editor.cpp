#include "console/line_editor.h"

#include <string_view>

namespace talvoro {

namespace {

// The characters that continue from the last answer when typed first.
constexpr std::u16string_view kAnsOperators = u"+-*/\\";

bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void LineEditor::typeChar(char16_t c) {
    if (text_.empty() && !ansInserted_ && kAnsOperators.find(c) != std::u16string_view::npos) {
        text_ = u"Ans";
        ansInserted_ = true;
    }
    text_.push_back(c);
}

void LineEditor::backspace() {
    if (text_.empty()) return;
    bool pair = text_.size() >= 2 && isLowSurrogate(text_.back());
    text_.resize(text_.size() - (pair ? 2 : 1));
}

void LineEditor::showHistoryEntry(const std::u16string& entry) {
    // An empty entry leaves the line as it was; the cursor has moved anyway.
    if (!entry.empty()) text_ = entry;
}

void LineEditor::up() { showHistoryEntry(history_.HistoryOlder()); }

void LineEditor::down() { showHistoryEntry(history_.HistoryNewer()); }

bool LineEditor::enter() {
    if (text_.empty() && history_.HistoryCount() != 0) text_ = history_.entry(0);
    if (text_.empty()) return false;
    ansInserted_ = false;
    return true;
}

}  // namespace talvoro
