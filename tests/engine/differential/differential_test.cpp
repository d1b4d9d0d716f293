// The normal mode and the plain mode must print the same and fail the same
// way for the engine's test scripts, the benchmark programs (made small) and
// generated programs. What the scripts should print is checked elsewhere;
// here only the two modes are compared.
//
// TALVORO_DIFF_PROGRAMS=N and TALVORO_DIFF_SEED=S run N generated programs
// from seed S (default: kDefaultPrograms from seed 1); TALVORO_DIFF_SLOW=1
// adds the scripts of kSlowWhenPlain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/variant.h"
#include "mode_comparison.h"
#include "program_generator.h"

namespace vbs::testing {
namespace {

namespace fs = std::filesystem;

// Generated programs in an ordinary test run: a few seconds' worth.
constexpr uint64_t kDefaultPrograms = 300;
// Differences shown in full; past these only counted, so a broken fast path
// does not bury the first reproducers under hundreds more.
constexpr int kMaxReportedDifferences = 3;
// Benchmark loops run this many times fewer passes (integer literals of
// 1000 and more are divided by it), so that each runs in a few milliseconds.
constexpr long kBenchmarkShrink = 100;

// Scripts that build long strings with s = s & x: without the in-place
// append of the normal mode each pass copies the string, and these take
// seconds (limits/globals.vbs near its time limit on a busy machine).
const std::vector<std::string> kSlowWhenPlain = {"limits/globals.vbs", "limits/huge_strings.vbs",
                                                 "limits/long_strings.vbs"};

bool slowWhenPlain(const fs::path& script) {
    std::string name = script.parent_path().filename().string() + "/" + script.filename().string();
    return std::find(kSlowWhenPlain.begin(), kSlowWhenPlain.end(), name) != kSlowWhenPlain.end();
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<fs::path> scriptsUnder(const fs::path& folder) {
    std::vector<fs::path> scripts;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".vbs") scripts.push_back(entry.path());
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

uint64_t numberFromEnvironment(const char* name, uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(EngineScripts, BothModesAgree) {
    auto scripts = scriptsUnder(TALVORO_SCRIPT_TESTS_DIR);
    ASSERT_GT(scripts.size(), 100u);
    bool all = numberFromEnvironment("TALVORO_DIFF_SLOW", 0) == 1;
    for (const auto& script : scripts) {
        if (slowWhenPlain(script) && !all) continue;
        ModeComparison result = compareModes(toU16(readFile(script)));
        EXPECT_TRUE(result.agree()) << script.string() << "\n" << result.report();
    }
}

// A benchmark made small: its big integer literals (loop bounds, sizes)
// divided by kBenchmarkShrink, Fib's argument lowered, and Timer read as 0,
// so that its "time" lines print the same in both modes.
std::string smallBenchmark(const std::string& source) {
    static const std::regex bigInteger(R"((^|[^\w.])(\d{4,})(?![\w.]))");
    static const std::regex timer(R"(\bTimer\b)");
    std::string text;
    auto last = source.cbegin();
    for (std::sregex_iterator it(source.begin(), source.end(), bigInteger), end; it != end; ++it) {
        const std::smatch& m = *it;
        text.append(last, m[2].first);
        text += std::to_string(std::stol(m[2].str()) / kBenchmarkShrink);
        last = m[2].second;
    }
    text.append(last, source.cend());
    text = std::regex_replace(text, timer, "0");
    return std::regex_replace(text, std::regex(R"(Fib\(27\))"), "Fib(16)");
}

TEST(BenchmarkPrograms, BothModesAgreeAtSmallSize) {
    auto programs = scriptsUnder(TALVORO_BENCH_PROGRAMS_DIR);
    ASSERT_GT(programs.size(), 5u);
    for (const auto& program : programs) {
        ModeComparison result = compareModes(toU16(smallBenchmark(readFile(program))));
        EXPECT_TRUE(result.agree()) << program.string() << "\n" << result.report();
        // Made small, the program still runs to its checksum line.
        std::string name = program.stem().string();
        const auto& lines = result.normal.printed;
        EXPECT_FALSE(result.normal.error) << program.string();
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& line) { return line.rfind(name + " ", 0) == 0; }))
            << program.string() << " printed no checksum";
    }
}

TEST(BenchmarkPrograms, ShrinkingDividesBigLiteralsOnly) {
    EXPECT_EQ(smallBenchmark("For i = 1 To 200000: x = 2.50000 + 999 + a2999(1): t0 = Timer: Fib(27)"),
              "For i = 1 To 2000: x = 2.50000 + 999 + a2999(1): t0 = 0: Fib(16)");
}

TEST(GeneratedPrograms, SameSeedSameProgram) {
    EXPECT_EQ(generateProgram(7), generateProgram(7));
    EXPECT_NE(generateProgram(7), generateProgram(8));
}

TEST(GeneratedPrograms, BothModesAgree) {
    uint64_t count = numberFromEnvironment("TALVORO_DIFF_PROGRAMS", kDefaultPrograms);
    uint64_t first = numberFromEnvironment("TALVORO_DIFF_SEED", 1);
    int differences = 0, completed = 0, trapped = 0;
    for (uint64_t seed = first; seed < first + count; ++seed) {
        std::string program = generateProgram(seed);
        ModeComparison result = compareModes(toU16(program));
        if (!result.normal.error) ++completed;
        for (const auto& line : result.normal.printed)
            if (line.rfind("err=String:", 0) == 0 && line != "err=String:0 ") { ++trapped; break; }
        if (result.agree()) continue;
        if (++differences <= kMaxReportedDifferences)
            ADD_FAILURE() << "seed " << seed << " (TALVORO_DIFF_SEED=" << seed
                          << " TALVORO_DIFF_PROGRAMS=1 to run it alone)\n---- program\n"
                          << program << result.report();
    }
    std::cout << count << " programs from seed " << first << ": " << differences << " differences, " << completed
              << " ran to their end, " << trapped << " trapped an error\n";
    EXPECT_EQ(differences, 0);
    // The generator must keep producing programs that get somewhere and
    // that fail on purpose, or the comparison tests little.
    if (count >= 100) {
        EXPECT_GT(completed, static_cast<int>(count / 2));
        EXPECT_GT(trapped, static_cast<int>(count / 10));
        EXPECT_LT(completed, static_cast<int>(count));
    }
}

}  // namespace
}  // namespace vbs::testing
