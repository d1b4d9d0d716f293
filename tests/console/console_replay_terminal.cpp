// Replaying a run through the terminal's path: one ConsoleSession, as
// talvoro-run holds it, with a transcript that keeps its lines. The
// terminal has no quick panel or Reload button: a block is run as the
// panel runs it, and Reload does what the session's start does first.
#include <fstream>
#include <sstream>

#include "../settings/temp_dir.h"
#include "console/command_history.h"
#include "terminal/console_session.h"
#include "console/script_block.h"
#include "console_replay_steps.h"
#include "engine/variant.h"

namespace talvoro::replay {

namespace {

class LineTranscript : public Transcript {
public:
    void AppendLine(const std::u16string& line) override {
        for (std::string& part : entryLines(line)) lines.push_back(std::move(part));
    }
    void SetToTop() override {}

    // The lines added since the last call.
    std::vector<std::string> takeNew() {
        std::vector<std::string> added(lines.begin() + static_cast<std::ptrdiff_t>(taken_), lines.end());
        taken_ = lines.size();
        return added;
    }

    std::vector<std::string> lines;

private:
    size_t taken_ = 0;
};

void playStep(ConsoleSession& session, LineTranscript& transcript, const std::string& programDir, const Step& step) {
    switch (step.kind) {
    case Step::Kind::Line: session.enterLine(vbs::toU16(step.text)); break;
    case Step::Kind::Block: runScriptBlock(session.engine(), transcript, vbs::toU16(step.text)); break;
    case Step::Kind::Load: {
        const std::string failure = loadScriptText(session.engine(), step.text);
        if (!failure.empty()) transcript.lines.push_back(failure);
        break;
    }
    case Step::Kind::Reload: session.reload(); break;
    case Step::Kind::Library: writeLibrary(programDir, step.text); break;
    }
}

}  // namespace

void writeLibrary(const std::string& programDir, const std::string& library) {
    std::string text;
    for (char c : library) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    testing::writeBytes(programDir + "/" + kLibraryFileName, text);
}

std::string loadScriptText(vbs::ScriptEngine& engine, const std::string& text) {
    try {
        engine.AddCode(vbs::toU16(text));
        return {};
    } catch (const vbs::ScriptException& e) {
        return "Load failed:" + vbs::toUtf8(e.error().description) + " at line " + std::to_string(e.error().line);
    }
}

std::vector<std::string> entryLines(std::u16string_view entry) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = entry.find(u'\n', start);
        std::u16string_view line = entry.substr(start, end == std::u16string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        lines.push_back(vbs::toUtf8(line));
        if (end == std::u16string_view::npos) return lines;
        start = end + 1;
    }
}

Run replayTerminal(const Run& run, const ReplayOptions& options) {
    testing::TempDir programDir;
    writeLibrary(programDir.path(), run.library);
    processHistory() = CommandHistory();
    LineTranscript transcript;
    std::ostringstream diagnostics;  // start-up reports: not part of a run
    ConsoleSession session(programDir.path(), transcript, diagnostics, options.prepareEngine);
    transcript.takeNew();
    Run produced = run;
    for (Step& step : produced.steps) {
        playStep(session, transcript, programDir.path(), step);
        step.produced = transcript.takeNew();
    }
    return produced;
}

}  // namespace talvoro::replay
