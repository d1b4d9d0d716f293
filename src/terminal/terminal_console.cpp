#include "terminal/terminal_console.h"

#include <iostream>
#include <string>

#include <unistd.h>

#include "console/command_evaluator.h"
#include "console/command_history.h"
#include "console/console_main_form.h"
#include "common/file_reading.h"
#include "console/line_editor.h"
#include "terminal/terminal_keys.h"
#include "engine/object.h"
#include "engine/script_engine.h"
#include "host/scripting_runtime.h"
#include "settings/cvar_store.h"
#include "settings/program_paths.h"
#include "settings/setting_keys.h"

namespace talvoro {

namespace {

class StreamTranscript : public Transcript {
public:
    explicit StreamTranscript(std::ostream& out) : out_(out) {}
    // A terminal ends lines with LF alone.
    void AppendLine(const std::u16string& line) override { out_ << vbs::toUtf8(line) << '\n'; }
    void SetToTop() override { out_.flush(); }

private:
    std::ostream& out_;
};

void reportScriptError(const vbs::ScriptError& error, std::ostream& diagnostics) {
    diagnostics << "Error in script\n" << vbs::toUtf8(error.description) << "\nAt Line: " << error.line
                << "\nColumn: " << error.column << "\n";
}

// Resets the engine, registers MainForm and adds the main script file.
void loadMainScript(vbs::ScriptEngine& engine, vbs::Dispatch* mainForm, const CvarStore& settings,
                    std::ostream& diagnostics) {
    engine.Reset();
    engine.AddObject(u"MainForm", mainForm);
    std::u16string code;
    if (!readScriptText(vbs::toUtf8(settings.GetCvarStr(u"MainScriptFile")), code)) {
        diagnostics << "Failed to open script file\n";
        return;
    }
    try {
        engine.AddCode(code);
    } catch (const vbs::ScriptException& e) {
        reportScriptError(e.error(), diagnostics);
    }
}

bool procedureExists(const vbs::ScriptEngine& engine, std::u16string_view name) {
    for (const vbs::ProcedureInfo& procedure : engine.Procedures()) {
        if (vbs::namesEqual(procedure.Name, name)) return true;
    }
    return false;
}

// "Ans=0", then Main if it exists; errors from here on are ignored, as at
// the window's start.
void startUp(vbs::ScriptEngine& engine, std::ostream& diagnostics) {
    try {
        engine.ExecuteStatement(u"Ans=0");
    } catch (const vbs::ScriptException&) {
    }
    if (!procedureExists(engine, u"Main")) {
        diagnostics << "Sub Main not found\n";
        return;
    }
    try {
        engine.ExecuteStatement(u"Main");
    } catch (const vbs::ScriptException&) {
    }
}

// Feeds a line of text to the editor as typed keys, so that an operator
// typed first continues from Ans as it does in the window.
void typeLine(LineEditor& editor, const std::u16string& line) {
    for (char16_t c : line) editor.typeChar(c);
}

// Everything one run of the console holds: the engine with MainForm, the
// transcript on the output and the input line.
class ConsoleSession {
public:
    ConsoleSession(const std::string& programDir, std::ostream& out, std::ostream& diagnostics)
        : transcript_(out),
          mainForm_(new ConsoleMainForm(transcript_)),
          mainFormHolder_(vbs::Variant::object(mainForm_)),
          editor_(processHistory()),
          host_{engine_, processHistory(), editor_, transcript_, [this] { return mainForm_->passtr(); }, {}} {
        CvarStore& settings = processCvars();
        LoadSettings(settings, programDir);
        engine_.SetTimeout(kMainEngineTimeoutMs);
        host::registerScriptingRuntime(engine_);
        loadMainScript(engine_, mainForm_, settings, diagnostics);
        startUp(engine_, diagnostics);
    }

    LineEditor& editor() { return editor_; }

    // Enter: evaluates the line unless it is empty with an empty history.
    void pressEnter() {
        if (editor_.enter()) EvaluateInput(host_);
    }

private:
    StreamTranscript transcript_;
    ConsoleMainForm* mainForm_;
    vbs::Variant mainFormHolder_;  // our reference: the form outlives every Reset
    // After the transcript and the form: the engine goes first, so nothing a
    // script leaves behind can print to a transcript that is gone.
    vbs::ScriptEngine engine_;
    LineEditor editor_;
    EvaluationHost host_;
};

// Shows the input line being typed on the terminal's last line.
void redrawInputLine(std::ostream& out, const LineEditor& editor) {
    out << "\r\x1b[K> " << vbs::toUtf8(editor.text()) << std::flush;
}

int runInteractive(ConsoleSession& session, std::ostream& out) {
    RawTerminalMode raw(STDIN_FILENO);
    auto nextByte = [] {
        unsigned char byte = 0;
        return ::read(STDIN_FILENO, &byte, 1) == 1 ? static_cast<int>(byte) : -1;
    };
    LineEditor& editor = session.editor();
    redrawInputLine(out, editor);
    while (true) {
        KeyPress press = readKey(nextByte);
        switch (press.key) {
        case TerminalKey::EndOfInput: out << "\r\x1b[K" << std::flush; return 0;
        case TerminalKey::Text: for (char16_t c : press.text) editor.typeChar(c); break;
        case TerminalKey::Backspace: editor.backspace(); break;
        case TerminalKey::Up: editor.up(); break;
        case TerminalKey::Down: editor.down(); break;
        case TerminalKey::Enter:
            out << "\r\x1b[K" << std::flush;  // the echo line in the transcript replaces it
            session.pressEnter();
            break;
        case TerminalKey::Ignored: break;
        }
        redrawInputLine(out, editor);
    }
}

}  // namespace

int runTerminalConsole(const std::string& programDir, std::istream& in, std::ostream& out,
                       std::ostream& diagnostics) {
    ConsoleSession session(programDir, out, diagnostics);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        session.editor().setText(u"");
        typeLine(session.editor(), vbs::toU16(line));
        session.pressEnter();
    }
    out.flush();
    return 0;
}

int runTerminalConsole() {
    if (::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO)) {
        ConsoleSession session(programDirectory(), std::cout, std::cerr);
        return runInteractive(session, std::cout);
    }
    return runTerminalConsole(programDirectory(), std::cin, std::cout, std::cerr);
}

}  // namespace talvoro
