// Reading, writing and comparing run files (console_replay.h).
#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "console_replay.h"

namespace talvoro::replay {

namespace {

constexpr std::string_view kTypedPrefix = ">";
constexpr std::string_view kEnd = "@end";

// The lines of a text; a CR before a line's LF is dropped.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in{std::string(text)};
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool needsEscape(const std::string& line) {
    return line.empty() || line[0] == '>' || line[0] == '@' || line[0] == '#' || line[0] == '\\';
}

std::invalid_argument formatError(size_t lineIndex, const std::string& what) {
    return std::invalid_argument("run file line " + std::to_string(lineIndex + 1) + ": " + what);
}

// The lines after `open` up to its "@end", joined by "\n"; `i` ends on the "@end".
std::string enclosedText(const std::vector<std::string>& lines, size_t& i) {
    const size_t open = i;
    std::string text;
    for (++i; i < lines.size() && lines[i] != kEnd; ++i) {
        if (i > open + 1) text += '\n';
        text += lines[i];
    }
    if (i == lines.size()) throw formatError(open, lines[open] + " without " + std::string(kEnd));
    return text;
}

Step::Kind directiveKind(const std::string& line, size_t lineIndex) {
    if (line == "@block") return Step::Kind::Block;
    if (line == "@load") return Step::Kind::Load;
    if (line == "@reload") return Step::Kind::Reload;
    if (line == "@library") return Step::Kind::Library;
    throw formatError(lineIndex, "unknown directive " + line);
}

std::string typedText(const std::string& line) {
    std::string text = line.substr(kTypedPrefix.size());
    return text.starts_with(' ') ? text.substr(1) : text;
}

// Reads the step that begins at line `i`; `i` ends on the step's last line.
void addStep(Run& run, const std::vector<std::string>& lines, size_t& i) {
    const size_t lineIndex = i;
    const std::string& line = lines[i];
    Step step;
    if (line.starts_with(kTypedPrefix)) {
        step.text = typedText(line);
    } else {
        step.kind = directiveKind(line, lineIndex);
        if (step.kind == Step::Kind::Block || step.kind == Step::Kind::Load || step.kind == Step::Kind::Library)
            step.text = enclosedText(lines, i);
    }
    // The library read before any step is the start-up's, not a step.
    if (step.kind == Step::Kind::Library && run.steps.empty()) run.library = step.text;
    else run.steps.push_back(std::move(step));
}

void writeEnclosed(std::ostringstream& out, const char* directive, const std::string& text) {
    out << directive << '\n';
    if (!text.empty()) out << text << '\n';
    out << kEnd << '\n';
}

void writeStep(std::ostringstream& out, const Step& step) {
    switch (step.kind) {
    case Step::Kind::Line: out << "> " << step.text << '\n'; break;
    case Step::Kind::Block: writeEnclosed(out, "@block", step.text); break;
    case Step::Kind::Load: writeEnclosed(out, "@load", step.text); break;
    case Step::Kind::Reload: out << "@reload\n"; break;
    case Step::Kind::Library: writeEnclosed(out, "@library", step.text); break;
    }
    for (const std::string& line : step.produced) out << (needsEscape(line) ? "\\" : "") << line << '\n';
}

// How many lines of context the comparison report shows around a difference.
constexpr size_t kContextLines = 3;

struct DiffLine {
    char mark;  // ' ' both, '-' expected only, '+' produced only
    std::string text;
};

// A longest-common-subsequence line diff: runs are a few hundred lines.
std::vector<DiffLine> diffLines(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<std::vector<size_t>> common(a.size() + 1, std::vector<size_t>(b.size() + 1, 0));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<DiffLine> diff;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) diff.push_back({' ', a[i++]}), ++j;
        else if (i < a.size() && (j == b.size() || common[i + 1][j] >= common[i][j + 1])) diff.push_back({'-', a[i++]});
        else diff.push_back({'+', b[j++]});
    }
    return diff;
}

}  // namespace

Run parseRun(std::string_view text) {
    const std::vector<std::string> lines = splitLines(text);
    Run run;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '>' || line[0] == '@') {
            addStep(run, lines, i);
            continue;
        }
        if (run.steps.empty()) throw formatError(i, "a transcript line before the first step");
        run.steps.back().produced.push_back(line[0] == '\\' ? line.substr(1) : line);
    }
    return run;
}

std::string formatRun(const Run& run) {
    std::ostringstream out;
    if (!run.library.empty()) writeEnclosed(out, "@library", run.library);
    for (const Step& step : run.steps) writeStep(out, step);
    return out.str();
}

std::string compareRuns(const Run& expected, const Run& produced) {
    const std::vector<DiffLine> diff = diffLines(splitLines(formatRun(expected)), splitLines(formatRun(produced)));
    std::vector<bool> shown(diff.size(), false);
    for (size_t k = 0; k < diff.size(); ++k) {
        if (diff[k].mark == ' ') continue;
        const size_t from = k >= kContextLines ? k - kContextLines : 0;
        const size_t to = std::min(diff.size(), k + kContextLines + 1);
        std::fill(shown.begin() + static_cast<std::ptrdiff_t>(from), shown.begin() + static_cast<std::ptrdiff_t>(to),
                  true);
    }
    std::ostringstream report;
    bool gap = false;
    for (size_t k = 0; k < diff.size(); ++k) {
        if (!shown[k]) {
            gap = true;
            continue;
        }
        if (gap && report.tellp() > 0) report << "  ...\n";
        gap = false;
        report << diff[k].mark << ' ' << diff[k].text << '\n';
    }
    return report.str();
}

}  // namespace talvoro::replay
