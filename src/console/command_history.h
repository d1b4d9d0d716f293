// The 50 most recent input lines, newest first, with one cursor that the Up
// and Down keys move in opposite directions and that wraps at both ends.
// Each step returns the entry under the cursor before moving it, so the
// cursor always names the entry the next step of either direction returns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talvoro {

class CommandHistory {
public:
    // Beyond this many lines the oldest one falls out.
    static constexpr int32_t kMaxEntries = 50;

    // Stores `text` as the newest entry (empty text and repeats included) and
    // puts the cursor back on it.
    void HistoryPush(const std::u16string& text);
    // Up key: the entry under the cursor; the cursor moves one older, from
    // the oldest back to the newest. Empty text before the first push.
    std::u16string HistoryOlder();
    // Down key: the entry under the cursor; the cursor moves one newer, from
    // the newest round to the oldest. Empty text before the first push.
    std::u16string HistoryNewer();
    // Moves every entry one place older (the last one is overwritten) and
    // empties entry 0: the inner step of HistoryPush.
    void HistoryShift();

    int32_t HistoryCount() const { return static_cast<int32_t>(list_.size()); }
    int32_t HistoryCursor() const { return cursor_; }
    // Entry `index` (0 is the newest); empty text outside the list.
    std::u16string entry(int32_t index) const;

private:
    std::vector<std::u16string> list_;  // HistoryList
    int32_t cursor_ = 0;                // HistoryCursor
};

// The process-wide history the input line and EvaluateInput share.
CommandHistory& processHistory();

}  // namespace talvoro
