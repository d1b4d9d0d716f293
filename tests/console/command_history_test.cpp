// The command history: the Up/Down cursor that wraps, and the 50-line limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/command_history.h"
#include "engine/variant.h"

namespace talvoro {
namespace {

enum Key { Up, Down };

// A, B and C pushed in that order, then `keys`; the texts the keys return.
std::vector<std::u16string> pressAfterABC(const std::vector<Key>& keys) {
    CommandHistory history;
    for (const char16_t* line : {u"A", u"B", u"C"}) history.HistoryPush(line);
    std::vector<std::u16string> shown;
    for (Key key : keys) shown.push_back(key == Up ? history.HistoryOlder() : history.HistoryNewer());
    return shown;
}

TEST(CommandHistory, CursorWalksAndWraps) {
    struct Case {
        std::vector<Key> keys;
        std::vector<std::u16string> shown;
    };
    const Case cases[] = {
        {{Up, Up, Up, Up}, {u"C", u"B", u"A", u"C"}},
        {{Down, Down}, {u"C", u"A"}},
        {{Up, Up, Down, Down, Down}, {u"C", u"B", u"A", u"B", u"C"}},
        {{Down, Down, Down, Down}, {u"C", u"A", u"B", u"C"}},
    };
    for (const auto& c : cases) EXPECT_EQ(pressAfterABC(c.keys), c.shown);
}

TEST(CommandHistory, APushPutsTheCursorBackOnTheNewest) {
    CommandHistory history;
    for (const char16_t* line : {u"A", u"B", u"C"}) history.HistoryPush(line);
    EXPECT_EQ(history.HistoryOlder(), u"C");
    history.HistoryPush(u"D");
    EXPECT_EQ(history.HistoryCursor(), 0);
    EXPECT_EQ(history.HistoryOlder(), u"D");
    EXPECT_EQ(history.HistoryOlder(), u"C");
}

TEST(CommandHistory, FirstPushAndEmptyHistory) {
    CommandHistory history;
    EXPECT_EQ(history.HistoryOlder(), u"");
    EXPECT_EQ(history.HistoryNewer(), u"");
    EXPECT_EQ(history.HistoryCount(), 0);
    history.HistoryPush(u"only");
    EXPECT_EQ(history.HistoryCount(), 1);
    EXPECT_EQ(history.HistoryCursor(), 0);
    EXPECT_EQ(history.entry(0), u"only");
    EXPECT_EQ(history.HistoryOlder(), u"only");
    EXPECT_EQ(history.HistoryNewer(), u"only");
}

TEST(CommandHistory, EmptyEntriesAndDuplicatesAreEntriesToo) {
    CommandHistory history;
    for (const char16_t* line : {u"x", u"", u"x", u"x"}) history.HistoryPush(line);
    EXPECT_EQ(history.HistoryCount(), 4);
    const std::vector<std::u16string> expected = {u"x", u"x", u"", u"x", u"x"};
    std::vector<std::u16string> shown;
    for (size_t i = 0; i < expected.size(); ++i) shown.push_back(history.HistoryOlder());
    EXPECT_EQ(shown, expected);
}

TEST(CommandHistory, KeepsTheFiftyNewestLines) {
    CommandHistory history;
    for (int i = 1; i <= 51; ++i) history.HistoryPush(vbs::toU16(std::to_string(i)));
    EXPECT_EQ(history.HistoryCount(), 50);
    EXPECT_EQ(history.entry(0), u"51");
    EXPECT_EQ(history.entry(49), u"2");  // line 1 fell out
    EXPECT_EQ(history.entry(50), u"");
    EXPECT_EQ(history.HistoryNewer(), u"51");
    EXPECT_EQ(history.HistoryCursor(), 49);  // wrapped to the oldest
    EXPECT_EQ(history.HistoryNewer(), u"2");
}

TEST(CommandHistory, ShiftMovesEntriesOlderAndEmptiesTheNewest) {
    CommandHistory history;
    history.HistoryPush(u"a");
    history.HistoryPush(u"b");
    history.HistoryShift();
    EXPECT_EQ(history.HistoryCount(), 2);
    EXPECT_EQ(history.entry(0), u"");
    EXPECT_EQ(history.entry(1), u"b");  // "a" was the last slot and is overwritten
}

}  // namespace
}  // namespace talvoro
