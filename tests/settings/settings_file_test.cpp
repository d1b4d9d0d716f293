// Reading and writing the settings file: the item rules, the overlay onto
// registered keys, and a save that never loses the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/variant.h"
#include "settings/cvar_number.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "recording_message_box.h"
#include "temp_dir.h"

namespace talvoro {
namespace {

using testing::readBytes;
using testing::RecordingMessageBox;
using testing::TempDir;
using testing::writeBytes;

// A store with one string and one number setting, read from `content`.
struct Loaded {
    CvarStore store;
    explicit Loaded(const std::string& content) {
        TempDir dir;
        store.SetCvarStr(u"TextEditor", u"vi");
        store.SetCvarNum(u"WindowNormal", 207);
        writeBytes(dir.file("defaults.txt"), content);
        LoadCvars(store, dir.file("defaults.txt"));
    }
};

struct LoadCase {
    const char* name;
    const char* content;
    const char16_t* editor;  // expected TextEditor
    double width;            // expected WindowNormal
};

TEST(LoadCvars, ItemRulesAndOverlay) {
    const LoadCase cases[] = {
        {"plain", "TextEditor=nano\r\nWindowNormal= 300\r\n", u"nano", 300},
        {"key in other case", "texteditor=nano\r\n", u"nano", 207},
        {"spaces around the name go, the one after = stays", "  TextEditor = nano\r\n", u" nano", 207},
        {"number followed by letters", "WindowNormal=300px\r\n", u"vi", 300},
        {"empty number", "WindowNormal=\r\n", u"vi", 0},
        {"number starting with a letter", "WindowNormal=x300\r\n", u"vi", 0},
        {"empty name", "=nano\r\n   =nano\r\n", u"vi", 207},
        {"line of spaces", "    \r\n", u"vi", 207},
        {"line without =", "TextEditor\r\n", u"vi", 207},
        {"unregistered key", "Colour=red\r\n", u"vi", 207},
        {"comment", "/TextEditor=nano\r\n// WindowNormal=1\r\n", u"vi", 207},
        {"a comment ends at a comma like any item", "/ old: Colour=1,WindowNormal=3\r\n", u"vi", 3},
        {"comma makes two items", "Colour=red,WindowNormal=250\r\n", u"vi", 250},
        {"further = belong to the value", "TextEditor=a=b=c\r\n", u"a=b=c", 207},
        {"quoted item keeps its comma", "\"TextEditor=a,b\"\r\n", u"a,b", 207},
        {"text after a closing quote is dropped", "\"TextEditor=x\" junk,WindowNormal=9\r\n", u"x", 9},
        {"unclosed quote runs to the line end", "\"TextEditor=a,b\r\n", u"a,b", 207},
        {"unquoted value with a comma is cut", "TextEditor=a,b\r\n", u"a", 207},
        {"blanks before an item are skipped", "Colour=1,  \tTextEditor=nano\r\n", u"nano", 207},
        {"a quote inside an unquoted item is kept", "TextEditor=say \"hi\"\r\n", u"say \"hi\"", 207},
        {"trailing blanks of a value are kept", "TextEditor=nano  \r\n", u"nano  ", 207},
        {"LF and lone CR end lines too", "TextEditor=nano\nWindowNormal=1\rColour=2", u"nano", 1},
        {"last line without an end", "WindowNormal=12", u"vi", 12},
        {"later lines win", "WindowNormal=1\r\nWindowNormal=2\r\n", u"vi", 2},
        {"byte-order mark before the first key", "\xef\xbb\xbfTextEditor=nano\r\n", u"nano", 207},
        {"UTF-8 value", "TextEditor=\xc3\xa9\xe2\x82\xac\r\n", u"\u00e9\u20ac", 207},
        {"a line that is not UTF-8 is Latin-1", "TextEditor=\xe9t\xe9 \xc3\xa9\r\n", u"\u00e9t\u00e9 \u00c3\u00a9", 207},
    };
    for (const auto& c : cases) {
        Loaded loaded(c.content);
        EXPECT_EQ(loaded.store.GetCvarStr(u"TextEditor"), c.editor) << c.name;
        EXPECT_EQ(loaded.store.GetCvarNum(u"WindowNormal"), c.width) << c.name;
        EXPECT_EQ(loaded.store.CvarCount(), 2) << c.name;
        EXPECT_EQ(loaded.store.Cvars()[0].Name, u"TextEditor") << c.name;
    }
}

TEST(LoadCvars, ANumberTooLargeStopsTheReadingButKeepsWhatWasRead) {
    Loaded loaded("TextEditor=nano\r\nWindowNormal=1E999\r\nTextEditor=emacs\r\n");
    EXPECT_EQ(loaded.store.GetCvarStr(u"TextEditor"), u"nano");
    EXPECT_EQ(loaded.store.GetCvarNum(u"WindowNormal"), 207);
}

TEST(LoadCvars, AMissingFileChangesNothing) {
    CvarStore store;
    store.SetCvarNum(u"WindowNormal", 207);
    LoadCvars(store, "/nonexistent/defaults.txt");
    EXPECT_EQ(store.GetCvarNum(u"WindowNormal"), 207);
}

// A folder named like the file is a file that cannot be opened.
TEST(LoadCvars, AFolderInPlaceOfTheFileChangesNothing) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("defaults.txt"));
    CvarStore store;
    store.SetCvarNum(u"WindowNormal", 207);
    LoadCvars(store, dir.file("defaults.txt"));
    EXPECT_EQ(store.GetCvarNum(u"WindowNormal"), 207);
}

// Reading fails at the size limit: the lines before it apply, the line it
// cuts into and everything after it do not.
TEST(LoadCvars, ReadingEndsAtTheSizeLimit) {
    const std::string head = "TextEditor=nano\r\n";
    auto comment = [](size_t size) { return "/" + std::string(size - 3, '-') + "\r\n"; };
    // The limit falls after "WindowNormal=123": read on, it would set 123.
    Loaded cut(head + comment(kMaxSettingsFileBytes - head.size() - 16) + "WindowNormal=123456789\r\n");
    EXPECT_EQ(cut.store.GetCvarStr(u"TextEditor"), u"nano");
    EXPECT_EQ(cut.store.GetCvarNum(u"WindowNormal"), 207);
    // A file of exactly the limit is read whole.
    Loaded fits(head + comment(kMaxSettingsFileBytes - head.size() - 16) + "WindowNormal=1\r\n");
    EXPECT_EQ(fits.store.GetCvarNum(u"WindowNormal"), 1);
}

TEST(SettingsItems, DivideALine) {
    using Items = std::vector<std::u16string>;
    EXPECT_EQ(settingsItems(u""), Items{u""});
    EXPECT_EQ(settingsItems(u"a=1,b=2"), (Items{u"a=1", u"b=2"}));
    EXPECT_EQ(settingsItems(u"a=1,"), (Items{u"a=1", u""}));
    EXPECT_EQ(settingsItems(u" \"x,y\" , z"), (Items{u"x,y", u"z"}));
}

TEST(SplitCvarLine, SplitsAtTheFirstEqualsOnly) {
    std::u16string name = u"old", value = u"kept";
    SplitCvarLine(u"no equals", name, value);
    EXPECT_EQ(name, u"old");
    EXPECT_EQ(value, u"kept");
    SplitCvarLine(u" Key = a=b", name, value);
    EXPECT_EQ(name, u" Key ");
    EXPECT_EQ(value, u" a=b");
    SplitCvarLine(u"=", name, value);
    EXPECT_EQ(name, u"");
    EXPECT_EQ(value, u"");
}

TEST(SaveCvars, WritesEveryEntryInRegistrationOrder) {
    TempDir dir;
    CvarStore store;
    store.SetCvarStr(u"TextEditor", u"vi");
    store.SetCvarNum(u"Negative", -3);
    store.SetCvarNum(u"Half", 2.5);
    store.SetCvarStr(u"Folder", u"/tmp/a,b/s.tvo");
    store.SetCvarStr(u"Empty", u"");
    RecordingMessageBox box;
    SaveCvars(store, dir.file("defaults.txt"), box);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(readBytes(dir.file("defaults.txt")),
              "TextEditor=vi\r\nNegative=-3\r\nHalf= 2.5\r\n\"Folder=/tmp/a,b/s.tvo\"\r\nEmpty=\r\n");
    EXPECT_FALSE(std::filesystem::exists(settingsTempPath(dir.file("defaults.txt"))));
}

TEST(SaveCvars, ReadsBackWhatItWrote) {
    TempDir dir;
    CvarStore original;
    LoadSettings(original, dir.path());
    original.SetCvarStr(u"MainScriptFile", u"/home/u/a,b/scripts.tvo");
    original.SetCvarStr(u"TextEditor", u" gedit --new-window \"x\" ");
    original.SetCvarNum(u"WindowNormal", 1.0 / 3);
    original.SetCvarNum(u"OnTop", -1);
    original.SetCvarNum(u"InputBoxMaxOKS", 1e-7);
    RecordingMessageBox box;
    SaveSettings(original, dir.path(), box);

    CvarStore reread;
    LoadSettings(reread, dir.path());
    ASSERT_EQ(reread.CvarCount(), original.CvarCount());
    for (const Cvar& cvar : original.Cvars()) {
        EXPECT_EQ(reread.GetCvarStr(cvar.Name), cvar.StrValue) << vbs::toUtf8(cvar.Name);
        if (cvar.Kind == kCvarKindNumber) {
            EXPECT_EQ(cvarNumberText(reread.GetCvarNum(cvar.Name)), cvarNumberText(cvar.NumValue));
        }
    }
    // A second save of what was read writes the same bytes.
    std::string first = readBytes(settingsFilePath(dir.path()));
    SaveSettings(reread, dir.path(), box);
    EXPECT_EQ(readBytes(settingsFilePath(dir.path())), first);
    EXPECT_TRUE(box.shown.empty());
}

// The save fails; the old file must be there, unchanged, and the user told.
void expectFailedSaveKeepsOldFile(const std::string& path, RecordingMessageBox& box) {
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, u"Error Saving CVAR's");
    EXPECT_EQ(box.shown[0].title, u"CVAR error");
    EXPECT_EQ(readBytes(path), "TextEditor=old\r\n");
}

TEST(SaveCvars, FailureInAReadOnlyDirectoryLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("defaults.txt");
    writeBytes(path, "TextEditor=old\r\n");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    // Root writes everywhere: the directory would not refuse, so there is nothing to test.
    if (::access(dir.path().c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore permissions";

    CvarStore store;
    store.SetCvarStr(u"TextEditor", u"new");
    RecordingMessageBox box;
    SaveCvars(store, path, box);
    expectFailedSaveKeepsOldFile(path, box);
    EXPECT_EQ(store.GetCvarStr(u"TextEditor"), u"new");
}

TEST(SaveCvars, FailureToCreateTheTemporaryFileLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("defaults.txt");
    writeBytes(path, "TextEditor=old\r\n");
    // A directory where the temporary file would go cannot be opened as a file.
    std::filesystem::create_directory(settingsTempPath(path));

    CvarStore store;
    store.SetCvarStr(u"TextEditor", u"new");
    RecordingMessageBox box;
    SaveCvars(store, path, box);
    expectFailedSaveKeepsOldFile(path, box);
    EXPECT_TRUE(std::filesystem::is_directory(settingsTempPath(path)));  // not ours to remove
}

TEST(SaveCvars, FailureToReplaceTheOldFileRemovesTheTemporaryOne) {
    TempDir dir;
    // A non-empty directory in the file's place cannot be replaced by rename.
    const std::string path = dir.file("defaults.txt");
    std::filesystem::create_directory(path);
    writeBytes(path + "/keep", "x");

    CvarStore store;
    store.SetCvarStr(u"TextEditor", u"new");
    RecordingMessageBox box;
    SaveCvars(store, path, box);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(readBytes(path + "/keep"), "x");
    EXPECT_FALSE(std::filesystem::exists(settingsTempPath(path)));
}

}  // namespace
}  // namespace talvoro
