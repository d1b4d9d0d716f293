#include "mode_comparison.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "engine/error_table.h"
#include "engine/variant.h"

namespace vbs::testing {

namespace {

// Lines of each output a report shows around the first difference: enough
// to see what led to it without flooding the log with a benchmark's output.
constexpr size_t kReportedLinesBefore = 20;
constexpr size_t kReportedLinesAfter = 20;

bool sameError(const std::optional<ScriptError>& a, const std::optional<ScriptError>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    return a->number == b->number && a->description == b->description && a->source == b->source &&
           a->line == b->line && a->column == b->column;
}

std::string describe(const std::optional<ScriptError>& error) {
    if (!error) return "no error";
    std::ostringstream text;
    text << "error " << error->number << " line " << error->line << " column " << error->column << " \""
         << toUtf8(error->description) << "\" (" << toUtf8(error->source) << ")";
    return text.str();
}

size_t firstDifferentLine(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    size_t common = std::min(a.size(), b.size());
    return static_cast<size_t>(std::mismatch(a.begin(), a.begin() + common, b.begin()).first - a.begin());
}

void showOutput(std::ostringstream& text, const char* mode, const ScriptRun& run, size_t differing) {
    size_t from = differing > kReportedLinesBefore ? differing - kReportedLinesBefore : 0;
    size_t to = std::min(run.printed.size(), differing + kReportedLinesAfter);
    text << "---- " << mode << " mode: " << run.printed.size() << " lines, " << describe(run.error) << "\n";
    if (from > 0) text << "   ... (" << from << " lines)\n";
    for (size_t i = from; i < to; ++i) text << (i == differing ? " > " : "   ") << run.printed[i] << "\n";
    if (to < run.printed.size()) text << "   ... (" << run.printed.size() - to << " more lines)\n";
}

}  // namespace

bool ModeComparison::agree() const { return normal.printed == plain.printed && sameError(normal.error, plain.error); }

std::string ModeComparison::report() const {
    if (agree()) return {};
    size_t differing = firstDifferentLine(normal.printed, plain.printed);
    std::ostringstream text;
    for (const ScriptRun* run : {&normal, &plain})
        if (run->error && run->error->number == err::ScriptTimedOut) {
            text << "a run reached its time limit: where it stopped depends on the machine\n";
            break;
        }
    if (normal.printed != plain.printed) text << "outputs part at line " << differing + 1 << "\n";
    else text << "same output, different errors\n";
    showOutput(text, "normal", normal, differing);
    showOutput(text, "plain", plain, differing);
    return text.str();
}

ModeComparison compareModes(std::u16string_view program) {
    return {runInMode(program, EngineMode::Normal), runInMode(program, EngineMode::Plain)};
}

}  // namespace vbs::testing
