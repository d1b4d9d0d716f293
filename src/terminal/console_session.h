// One run of the calculator without a window, as `talvoro-run` holds it:
// the settings beside the program, a fresh engine with "MainForm", the main
// script file loaded, Ans set to 0 and Main run; then input lines typed and
// entered one by one. Start-up reports (a script that fails to load, "Sub
// Main not found") go to the diagnostics stream, never to the transcript.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "console/command_evaluator.h"
#include "console/console_main_form.h"
#include "console/line_editor.h"
#include "console/transcript.h"
#include "engine/script_engine.h"

namespace talvoro {

// Sets up a new engine before anything runs on it (its time limit and the
// scripting runtime are set already). Kept across every reload.
using EnginePreparation = std::function<void(vbs::ScriptEngine&)>;

class ConsoleSession {
public:
    ConsoleSession(const std::string& programDir, Transcript& transcript, std::ostream& diagnostics,
                   const EnginePreparation& prepareEngine = {});

    LineEditor& editor() { return editor_; }
    vbs::ScriptEngine& engine() { return engine_; }

    // Enter: evaluates the line unless it is empty with an empty history.
    void pressEnter();
    // Types `line` into an emptied input line, key by key (an operator first
    // continues from Ans), and presses Enter.
    void enterLine(const std::u16string& line);
    // Resets the engine, registers MainForm and adds the main script file
    // named by the settings; a file that fails is reported to diagnostics.
    void reload();

private:
    Transcript& transcript_;
    std::ostream& diagnostics_;
    ConsoleMainForm* mainForm_;
    vbs::Variant mainFormHolder_;  // our reference: the form outlives every Reset
    // After the transcript and the form: the engine goes first, so nothing a
    // script leaves behind can print to a transcript that is gone.
    vbs::ScriptEngine engine_;
    TextLine line_;
    bool ansInserted_ = false;  // AnsIns
    LineEditor editor_;
    EvaluationHost host_;
};

}  // namespace talvoro
