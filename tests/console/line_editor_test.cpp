// The input line's keys without a window: "Ans" before a first operator,
// history on Up and Down, Enter on an empty line; and the terminal's bytes
// turned into those keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/line_editor.h"
#include "terminal/terminal_keys.h"
#include "engine/variant.h"

namespace talvoro {
namespace {

void type(LineEditor& editor, const std::u16string& text) {
    for (char16_t c : text) editor.typeChar(c);
}

// A line editor on a plain text line, as the terminal has it.
struct Line {
    CommandHistory history;
    TextLine line;
    bool ansInserted = false;
    LineEditor editor{line, history, ansInserted};
};

TEST(LineEditor, OperatorFirstContinuesFromAns) {
    struct Case {
        std::u16string typed, line;
    };
    const Case cases[] = {
        {u"/2", u"Ans/2"}, {u"-5", u"Ans-5"}, {u"+1", u"Ans+1"}, {u"*3", u"Ans*3"}, {u"\\2", u"Ans\\2"},
        {u"(-5)", u"(-5)"}, {u"2+3", u"2+3"},  {u"^2", u"^2"},   {u"!x=1", u"!x=1"}, {u"$s", u"$s"},
    };
    for (const Case& c : cases) {
        Line l;
        type(l.editor, c.typed);
        EXPECT_EQ(vbs::toUtf8(l.editor.text()), vbs::toUtf8(c.line));
    }
}

TEST(LineEditor, InsertionRearmsOnlyAtTheNextEvaluation) {
    Line l;
    LineEditor& editor = l.editor;
    type(editor, u"+");
    for (int i = 0; i < 4; ++i) editor.backspace();
    EXPECT_EQ(editor.text(), u"");
    type(editor, u"+");
    EXPECT_EQ(editor.text(), u"+");  // emptied by hand: no second insertion
    EXPECT_TRUE(editor.enter());
    EXPECT_FALSE(editor.ansInserted());
    editor.setText(u"");
    type(editor, u"+");
    EXPECT_EQ(editor.text(), u"Ans+");
}

TEST(LineEditor, HistoryKeysAndEnterOnAnEmptyLine) {
    Line l;
    CommandHistory& history = l.history;
    LineEditor& editor = l.editor;
    EXPECT_FALSE(editor.enter());  // nothing typed, nothing stored
    for (const char16_t* line : {u"A", u"", u"C"}) history.HistoryPush(line);
    editor.up();
    EXPECT_EQ(editor.text(), u"C");
    editor.up();
    EXPECT_EQ(editor.text(), u"C");  // the empty entry leaves the line as it was
    editor.up();
    EXPECT_EQ(editor.text(), u"A");
    editor.down();
    EXPECT_EQ(editor.text(), u"C");
    editor.setText(u"");
    EXPECT_TRUE(editor.enter());
    EXPECT_EQ(editor.text(), u"C");  // the newest line again
}

TEST(LineEditor, BackspaceRemovesWholeCharacters) {
    Line l;
    LineEditor& editor = l.editor;
    editor.setText(u"x\U0001D11E");
    editor.backspace();
    EXPECT_EQ(editor.text(), u"x");
    editor.backspace();
    editor.backspace();
    EXPECT_EQ(editor.text(), u"");
}

TEST(TerminalKeys, BytesBecomeKeys) {
    const std::string bytes = "a\xc3\xa9\r\n\x7f\x08\x1b[A\x1b[B\x1b[1;5C\x01\x1bOA\x03";
    size_t at = 0;
    auto next = [&] { return at < bytes.size() ? static_cast<unsigned char>(bytes[at++]) : -1; };
    const std::vector<TerminalKey> expected = {
        TerminalKey::Text,      TerminalKey::Text, TerminalKey::Enter,   TerminalKey::Enter,
        TerminalKey::Backspace, TerminalKey::Backspace, TerminalKey::Up, TerminalKey::Down,
        TerminalKey::Ignored,   TerminalKey::Ignored,   TerminalKey::Up, TerminalKey::EndOfInput,
        TerminalKey::EndOfInput,
    };
    std::vector<TerminalKey> keys;
    std::u16string text;
    for (size_t i = 0; i < expected.size(); ++i) {
        KeyPress press = readKey(next);
        keys.push_back(press.key);
        text += press.text;
    }
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(text, u"a\u00e9");
}

}  // namespace
}  // namespace talvoro
