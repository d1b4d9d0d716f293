// The eight keys, their defaults, and the settings file beside the program.
#include <gtest/gtest.h>

#include <string>

#include "engine/variant.h"
#include "settings/setting_keys.h"
#include "recording_message_box.h"
#include "temp_dir.h"

namespace talvoro {
namespace {

using testing::readBytes;
using testing::RecordingMessageBox;
using testing::TempDir;
using testing::writeBytes;

std::string defaultFile(const std::string& dir) {
    return "TextEditor=xdg-open\r\n"
           "OnTop= 0\r\n"
           "MainScriptFile=" + dir + "/scripts.tvo\r\n"
           "WindowNormal= 207\r\n"
           "WindowExtended= 435\r\n"
           "NormalHeight= 229\r\n"
           "QuickVisibleHeight= 380\r\n"
           "InputBoxMaxOKS= 5\r\n";
}

TEST(SettingKeys, FirstStartWritesTheEightDefaults) {
    TempDir dir;
    CvarStore store;
    LoadSettings(store, dir.path());
    EXPECT_EQ(store.GetCvarStr(u"MainScriptFile"), vbs::toU16(dir.path() + "/scripts.tvo"));
    EXPECT_EQ(store.GetCvarNum(u"NormalHeight"), 229);
    RecordingMessageBox box;
    SaveSettings(store, dir.path(), box);
    EXPECT_EQ(readBytes(dir.file("defaults.txt")), defaultFile(dir.path()));
}

TEST(SettingKeys, AFileNamingOneKeyChangesOnlyThatKey) {
    TempDir dir;
    writeBytes(dir.file("defaults.txt"), "/ my settings\r\nwindownormal=250\r\nColour=red\r\n");
    CvarStore store;
    LoadSettings(store, dir.path());
    RecordingMessageBox box;
    SaveSettings(store, dir.path(), box);
    std::string expected = defaultFile(dir.path());
    expected.replace(expected.find("WindowNormal= 207"), 17, "WindowNormal= 250");
    EXPECT_EQ(readBytes(dir.file("defaults.txt")), expected);
}

TEST(SettingKeys, UnreadKeysKeepTheirValuesFromTheFile) {
    TempDir dir;
    writeBytes(dir.file("defaults.txt"), "OnTop=1\r\nInputBoxMaxOKS=-2.5\r\n");
    CvarStore store;
    LoadSettings(store, dir.path());
    EXPECT_EQ(store.GetCvarNum(u"OnTop"), 1);
    EXPECT_EQ(store.GetCvarNum(u"InputBoxMaxOKS"), -2.5);
}

TEST(SettingKeys, LoadingAgainRestoresDefaultsThenRereadsWithoutAddingEntries) {
    TempDir dir;
    CvarStore store;
    LoadSettings(store, dir.path());
    store.SetCvarNum(u"WindowExtended", 999);
    writeBytes(dir.file("defaults.txt"), "NormalHeight=300\r\n");
    LoadSettings(store, dir.path());
    EXPECT_EQ(store.CvarCount(), 8);
    EXPECT_EQ(store.GetCvarNum(u"WindowExtended"), 435);
    EXPECT_EQ(store.GetCvarNum(u"NormalHeight"), 300);
}

TEST(SettingKeys, ProgramDirectoryHoldsTheRunningExecutable) {
    std::string dir = executableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '/');
    EXPECT_EQ(::access(dir.c_str(), F_OK), 0);
    EXPECT_EQ(settingsFilePath("/opt/t"), "/opt/t/defaults.txt");
}

}  // namespace
}  // namespace talvoro
