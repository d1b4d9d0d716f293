// The run-file format of tests/console/runs and its comparison report.
#include <gtest/gtest.h>

#include <stdexcept>

#include "console_replay.h"

namespace talvoro::replay {
namespace {

TEST(ConsoleRunFile, ReadsStepsTheirLinesAndEscapes) {
    const replay::Run run = parseRun(
        "# comment\n@library\nConst A = 1\n@end\n> 2+2\r\n2+2\n\nA:4\n>\n@block\nx = 1\n\n  y = 2\n@end\n"
        "\\\n\\> not typed\n@reload\n@library\nConst B = 2\n@end\n");
    EXPECT_EQ(run.library, "Const A = 1");
    ASSERT_EQ(run.steps.size(), 5u);
    EXPECT_EQ(run.steps[0].text, "2+2");
    EXPECT_EQ(run.steps[0].produced, (std::vector<std::string>{"2+2", "A:4"}));
    EXPECT_EQ(run.steps[1].kind, Step::Kind::Line);
    EXPECT_EQ(run.steps[1].text, "");
    EXPECT_EQ(run.steps[2].text, "x = 1\n\n  y = 2");
    EXPECT_EQ(run.steps[2].produced, (std::vector<std::string>{"", "> not typed"}));
    EXPECT_EQ(run.steps[3].kind, Step::Kind::Reload);
    EXPECT_EQ(run.steps[4].kind, Step::Kind::Library);
    // Written out and read again, the run is the same.
    EXPECT_EQ(formatRun(parseRun(formatRun(run))), formatRun(run));
}

TEST(ConsoleRunFile, RejectsMalformedFiles) {
    EXPECT_THROW(parseRun("A:4\n> 2+2\n"), std::invalid_argument);
    EXPECT_THROW(parseRun("> 1\n@block\nx = 1\n"), std::invalid_argument);
    EXPECT_THROW(parseRun("@reset\n"), std::invalid_argument);
}

TEST(ConsoleRunFile, ReportsOnlyTheDifferingLinesWithTheirContext) {
    const replay::Run expected = parseRun("> 1\n1\nA:1\n> $t\nS:t\nA:5050\n> 2\n2\nA:2\n> 3\n3\nA:3\n> 4\n4\nA:4\n");
    replay::Run produced = expected;
    EXPECT_EQ(compareRuns(expected, produced), "");
    produced.steps[1].produced[1] = "A:89";
    produced.steps[4].produced.push_back("extra");
    EXPECT_EQ(compareRuns(expected, produced),
              "  A:1\n  > $t\n  S:t\n- A:5050\n+ A:89\n  > 2\n  2\n  A:2\n  ...\n  > 4\n  4\n  A:4\n+ extra\n");
}

}  // namespace
}  // namespace talvoro::replay
