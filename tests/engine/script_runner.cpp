// Runs .vbs test scripts and checks them against the expectations written
// inside them:
//
//   '> text                  the next line the script prints, in order
//   '!error N line L [column C] ["text"]   the script must fail this way
//
// Usage: vbs_script_tests FILE|DIRECTORY...  Exit code 0 when every script
// passes. Each failure is explained on standard error.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/variant.h"
#include "script_host.h"

namespace {

namespace fs = std::filesystem;

struct ExpectedError {
    int number = 0;
    int line = 0;
    std::optional<int> column;
    std::optional<std::string> text;
};

struct Expectations {
    std::vector<std::string> lines;
    std::optional<ExpectedError> error;
};

std::string trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Reads "'!error 13 line 5 column 3 "text"" (the part after "'!error").
bool parseErrorLine(const std::string& rest, ExpectedError& out) {
    std::istringstream in(rest);
    std::string word;
    if (!(in >> out.number)) return false;
    if (!(in >> word) || word != "line" || !(in >> out.line)) return false;
    std::string tail;
    std::getline(in, tail);
    tail = trimmed(tail);
    if (tail.rfind("column", 0) == 0) {
        std::istringstream c(tail.substr(6));
        int column = 0;
        if (!(c >> column)) return false;
        out.column = column;
        tail.clear();
        std::getline(c, tail);
        tail = trimmed(tail);
    }
    if (!tail.empty()) {
        if (tail.size() < 2 || tail.front() != '"' || tail.back() != '"') return false;
        out.text = tail.substr(1, tail.size() - 2);
    }
    return true;
}

bool readExpectations(const std::string& source, Expectations& out, std::string& problem) {
    std::istringstream in(source);
    std::string line;
    while (std::getline(in, line)) {
        std::string t = trimmed(line);
        if (t.rfind("'>", 0) == 0) {
            std::string text = t.substr(2);
            if (!text.empty() && text[0] == ' ') text.erase(0, 1);
            // Keep trailing blanks the script prints, but not the CR of CRLF files.
            std::string raw = line.substr(line.find("'>") + 2);
            if (!raw.empty() && raw[0] == ' ') raw.erase(0, 1);
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            out.lines.push_back(raw);
        } else if (t.rfind("'!error", 0) == 0) {
            ExpectedError e;
            if (!parseErrorLine(t.substr(7), e)) {
                problem = "malformed expectation: " + t;
                return false;
            }
            out.error = e;
        }
    }
    return true;
}

// Runs one script; returns an empty string on success, else what went wrong.
std::string runScript(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream buffer;
    buffer << file.rdbuf();
    std::string source = buffer.str();
    Expectations expected;
    std::string problem;
    if (!readExpectations(source, expected, problem)) return problem;

    vbs::testing::ScriptRun run = vbs::testing::runScriptText(vbs::toU16(source));
    std::vector<std::string>& printed = run.printed;
    const std::optional<vbs::ScriptError>& failure = run.error;

    // Editors drop blanks at the end of a line, so they do not count.
    auto rstrip = [](std::string& s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    };
    for (auto& l : printed) rstrip(l);
    for (auto& l : expected.lines) rstrip(l);

    std::ostringstream report;
    size_t common = std::min(printed.size(), expected.lines.size());
    for (size_t i = 0; i < common; ++i) {
        if (printed[i] != expected.lines[i]) {
            report << "  output line " << i + 1 << ": expected \"" << expected.lines[i] << "\", got \"" << printed[i]
                   << "\"\n";
            break;
        }
    }
    if (printed.size() != expected.lines.size()) {
        report << "  printed " << printed.size() << " lines, expected " << expected.lines.size() << "\n";
        if (printed.size() > common) report << "  first extra line: \"" << printed[common] << "\"\n";
        else report << "  first missing line: \"" << expected.lines[common] << "\"\n";
    }
    if (failure && !expected.error) {
        report << "  unexpected error " << failure->number << " line " << failure->line << " column "
               << failure->column << ": " << vbs::toUtf8(failure->description) << "\n";
    } else if (!failure && expected.error) {
        report << "  expected error " << expected.error->number << " line " << expected.error->line
               << ", but the script succeeded\n";
    } else if (failure && expected.error) {
        const ExpectedError& want = *expected.error;
        bool same = failure->number == want.number && failure->line == want.line &&
                    (!want.column || *want.column == failure->column) &&
                    (!want.text || *want.text == vbs::toUtf8(failure->description));
        if (!same) {
            report << "  expected error " << want.number << " line " << want.line;
            if (want.column) report << " column " << *want.column;
            if (want.text) report << " \"" << *want.text << "\"";
            report << "; got " << failure->number << " line " << failure->line << " column " << failure->column
                   << " \"" << vbs::toUtf8(failure->description) << "\"\n";
        }
    }
    return report.str();
}

void collect(const fs::path& p, std::vector<fs::path>& out) {
    if (fs::is_directory(p)) {
        for (const auto& entry : fs::recursive_directory_iterator(p))
            if (entry.is_regular_file() && entry.path().extension() == ".vbs") out.push_back(entry.path());
    } else {
        out.push_back(p);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> scripts;
    for (int i = 1; i < argc; ++i) collect(argv[i], scripts);
    std::sort(scripts.begin(), scripts.end());
    if (scripts.empty()) {
        std::fprintf(stderr, "usage: vbs_script_tests FILE|DIRECTORY...\n");
        return 2;
    }
    int failed = 0;
    for (const auto& script : scripts) {
        std::string problem = runScript(script);
        if (problem.empty()) continue;
        ++failed;
        std::cerr << "FAIL " << script.string() << "\n" << problem;
    }
    if (scripts.size() > 1)
        std::cerr << (scripts.size() - failed) << " of " << scripts.size() << " scripts passed\n";
    return failed == 0 ? 0 : 1;
}
