// The calculator in a terminal: start-up from the files beside the program,
// then one evaluation per input line, transcript lines on the output.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "terminal/terminal_console.h"
#include "../settings/temp_dir.h"

namespace talvoro {
namespace {

using testing::TempDir;
using testing::writeBytes;

struct ConsoleRun {
    std::string out, diagnostics;
};

ConsoleRun runConsole(const TempDir& dir, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, diagnostics;
    EXPECT_EQ(runTerminalConsole(dir.path(), in, out, diagnostics), 0);
    return {out.str(), diagnostics.str()};
}

TEST(TerminalConsole, WithoutScriptsEvaluatesPlainExpressions) {
    TempDir dir;
    ConsoleRun run = runConsole(dir, "1+(2+(3\n");
    EXPECT_EQ(run.out, "1+(2+(3))\nA:6\n");
    EXPECT_NE(run.diagnostics.find("Failed to open script file"), std::string::npos);
    EXPECT_NE(run.diagnostics.find("Sub Main not found"), std::string::npos);
}

TEST(TerminalConsole, RunsMainAndOffersTheScriptsProcedures) {
    TempDir dir;
    writeBytes(dir.file("scripts.tvo"),
               "Sub main\r\nMainForm.OPrint \"ready\"\r\nEnd Sub\r\nFunction Twice(n)\r\nTwice = 2 * n\r\nEnd Function");
    ConsoleRun run = runConsole(dir, "Twice(21)\r\n");
    EXPECT_EQ(run.out, "ready\nTwice(21)\nA:42\n");
    EXPECT_EQ(run.diagnostics, "");
}

TEST(TerminalConsole, LinesReachTheFileSystemObject) {
    TempDir dir;
    writeBytes(dir.file("numbers.txt"), "12345");
    ConsoleRun run = runConsole(dir, "Len(CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"" +
                                         dir.file("numbers.txt") + "\").ReadAll)\n");
    EXPECT_NE(run.out.find("A:5\n"), std::string::npos) << run.out;
}

TEST(TerminalConsole, LinesReachTheDotNetCollections) {
    TempDir dir;
    ConsoleRun run = runConsole(dir, "CreateObject(\"System.Collections.ArrayList\").Add(7) + 1\n");
    EXPECT_NE(run.out.find("A:1\n"), std::string::npos) << run.out;
}

TEST(TerminalConsole, OperatorFirstContinuesFromAnsAndEmptyLineRepeats) {
    TempDir dir;
    ConsoleRun run = runConsole(dir, "2+3\n*2\n\n!v=Ans\n$v\n");
    EXPECT_EQ(run.out, "2+3\nA:5\nAns*2\nA:10\nAns*2\nA:20\nE:v=Ans\nS:v\nA:20\n");
}

TEST(TerminalConsole, ReportsAScriptErrorWithItsLineAndGoesOn) {
    TempDir dir;
    writeBytes(dir.file("scripts.tvo"), "x = 1\r\ny = 2\r\nIf Then\r\n");
    ConsoleRun run = runConsole(dir, "7\n");
    EXPECT_EQ(run.diagnostics.rfind("Error in script\n", 0), 0u) << run.diagnostics;
    EXPECT_NE(run.diagnostics.find("\nAt Line: 3\n"), std::string::npos) << run.diagnostics;
    EXPECT_EQ(run.out, "7\nA:7\n");
}

TEST(TerminalConsole, TakesTheScriptFileFromTheSettings) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("a,b"));
    writeBytes(dir.file("a,b/lib.tvo"), "Const Answer = 42\r\n");
    writeBytes(dir.file("defaults.txt"), "\"MainScriptFile=" + dir.file("a,b/lib.tvo") + "\"\r\n");
    ConsoleRun run = runConsole(dir, "Answer\n");
    EXPECT_EQ(run.out, "Answer\nA:42\n");
    EXPECT_EQ(run.diagnostics, "Sub Main not found\n");
}

}  // namespace
}  // namespace talvoro
