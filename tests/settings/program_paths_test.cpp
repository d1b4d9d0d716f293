// Where defaults.txt and scripts.tvo live: beside the program when it may
// write there, otherwise in the user's configuration directory, seeded once
// with the bundled script library.
#include "settings/program_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace talvoro {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ProgramPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/talvoro-paths-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        programDir_ = (root_ / "program").string();
        configDir_ = (root_ / "home" / ".config" / "talvoro").string();
        fs::create_directories(programDir_);
        writeFile(fs::path(programDir_) / "scripts.tvo", "Sub Main\nEnd Sub\n");
    }
    void TearDown() override {
        fs::permissions(programDir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
    }

    static bool writable(const std::string&) { return true; }
    static bool readOnly(const std::string&) { return false; }

    fs::path root_;
    std::string programDir_;
    std::string configDir_;
};

TEST_F(ProgramPathsTest, AWritableProgramDirectoryKeepsEverythingBesideTheProgram) {
    EXPECT_EQ(chooseProgramDirectory(programDir_, configDir_, writable), programDir_);
    EXPECT_FALSE(fs::exists(configDir_)) << "nothing is created in the user's directory";
}

TEST_F(ProgramPathsTest, AReadOnlyProgramDirectoryMovesToTheConfigDirectoryWithACopyOfTheScripts) {
    EXPECT_EQ(chooseProgramDirectory(programDir_, configDir_, readOnly), configDir_);
    EXPECT_EQ(readFile(fs::path(configDir_) / "scripts.tvo"), "Sub Main\nEnd Sub\n");
    EXPECT_FALSE(fs::exists(fs::path(configDir_) / "defaults.txt")) << "settings are written on close only";
}

TEST_F(ProgramPathsTest, TheUsersEditedScriptsAreNotOverwrittenOnLaterRuns) {
    fs::create_directories(configDir_);
    writeFile(fs::path(configDir_) / "scripts.tvo", "' mine\n");
    EXPECT_EQ(chooseProgramDirectory(programDir_, configDir_, readOnly), configDir_);
    EXPECT_EQ(readFile(fs::path(configDir_) / "scripts.tvo"), "' mine\n");
}

TEST_F(ProgramPathsTest, AConfigDirectoryThatCannotBeCreatedLeavesTheProgramDirectory) {
    // A plain file where the directory's parent should be.
    writeFile(root_ / "blocked", "");
    const std::string impossible = (root_ / "blocked" / "talvoro").string();
    EXPECT_EQ(chooseProgramDirectory(programDir_, impossible, readOnly), programDir_);
}

TEST_F(ProgramPathsTest, WritabilityFollowsThePermissionsForOrdinaryUsers) {
    EXPECT_TRUE(isWritableDirectory(programDir_));
    EXPECT_FALSE(isWritableDirectory((root_ / "missing").string()));
    fs::permissions(programDir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // root may write to a read-only directory, and the program treats it so.
    EXPECT_EQ(isWritableDirectory(programDir_), ::geteuid() == 0);
}

TEST(UserConfigDirectoryTest, FollowsXdgConfigHomeAndFallsBackToHome) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string xdgBefore = savedXdg != nullptr ? savedXdg : "";
    const char* savedHome = std::getenv("HOME");
    const std::string homeBefore = savedHome != nullptr ? savedHome : "";

    ::setenv("HOME", "/home/ann", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(userConfigDirectory(), "/cfg/talvoro");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(userConfigDirectory(), "/home/ann/.config/talvoro");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(userConfigDirectory(), "/home/ann/.config/talvoro");

    if (savedXdg != nullptr) ::setenv("XDG_CONFIG_HOME", xdgBefore.c_str(), 1);
    ::setenv("HOME", homeBefore.c_str(), 1);
}

}  // namespace
}  // namespace talvoro
