#include "console/command_history.h"

namespace talvoro {

void CommandHistory::HistoryPush(const std::u16string& text) {
    if (HistoryCount() != kMaxEntries) list_.emplace_back();
    HistoryShift();
    cursor_ = 0;
    list_[0] = text;
}

void CommandHistory::HistoryShift() {
    if (list_.empty()) return;
    for (size_t i = list_.size() - 1; i > 0; --i) list_[i] = std::move(list_[i - 1]);
    list_[0].clear();
}

std::u16string CommandHistory::HistoryOlder() {
    if (list_.empty()) return {};
    std::u16string taken = list_[cursor_];
    ++cursor_;
    if (cursor_ > HistoryCount() - 1) cursor_ = 0;
    return taken;
}

std::u16string CommandHistory::HistoryNewer() {
    if (list_.empty()) return {};
    std::u16string taken = list_[cursor_];
    --cursor_;
    if (cursor_ < 0) cursor_ = HistoryCount() - 1;
    return taken;
}

std::u16string CommandHistory::entry(int32_t index) const {
    if (index < 0 || index >= HistoryCount()) return {};
    return list_[index];
}

CommandHistory& processHistory() {
    static CommandHistory history;
    return history;
}

}  // namespace talvoro
