#include "terminal/console_session.h"

#include <ostream>

#include "console/command_history.h"
#include "common/file_reading.h"
#include "engine/object.h"
#include "host/dotnet_objects.h"
#include "host/scripting_runtime.h"
#include "host/shell_objects.h"
#include "settings/cvar_store.h"
#include "settings/setting_keys.h"

namespace talvoro {

namespace {

void reportScriptError(const vbs::ScriptError& error, std::ostream& diagnostics) {
    diagnostics << "Error in script\n" << vbs::toUtf8(error.description) << "\nAt Line: " << error.line
                << "\nColumn: " << error.column << "\n";
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

}  // namespace

ConsoleSession::ConsoleSession(const std::string& programDir, Transcript& transcript, std::ostream& diagnostics,
                               const EnginePreparation& prepareEngine)
    : transcript_(transcript),
      diagnostics_(diagnostics),
      mainForm_(new ConsoleMainForm(transcript_)),
      mainFormHolder_(vbs::Variant::object(mainForm_)),
      editor_(line_, processHistory(), ansInserted_),
      host_{engine_, processHistory(), line_, transcript_, [this] { return mainForm_->passtr(); }, {}} {
    LoadSettings(processCvars(), programDir);
    engine_.SetTimeout(kMainEngineTimeoutMs);
    host::registerScriptingRuntime(engine_);
    host::registerDotNetObjects(engine_);
    host::registerShellObjects(engine_);
    if (prepareEngine) prepareEngine(engine_);
    reload();
    startUp(engine_, diagnostics_);
}

void ConsoleSession::pressEnter() {
    if (editor_.enter()) EvaluateInput(host_);
}

void ConsoleSession::enterLine(const std::u16string& line) {
    editor_.setText(u"");
    for (char16_t c : line) editor_.typeChar(c);
    pressEnter();
}

void ConsoleSession::reload() {
    engine_.Reset();
    engine_.AddObject(u"MainForm", mainForm_);
    std::u16string code;
    if (!readScriptText(vbs::toUtf8(processCvars().GetCvarStr(u"MainScriptFile")), code)) {
        diagnostics_ << "Failed to open script file\n";
        return;
    }
    try {
        engine_.AddCode(code);
    } catch (const vbs::ScriptException& e) {
        reportScriptError(e.error(), diagnostics_);
    }
}

}  // namespace talvoro
