#include "scripts/script_library.h"

#include <QString>

#include "engine/error_table.h"
#include "host/dotnet_objects.h"
#include "host/scripting_runtime.h"
#include "host/shell_objects.h"

namespace talvoro {

namespace {

constexpr char16_t kCrLf[] = u"\r\n";

std::u16string upperTrimmedName(std::u16string_view name) {
    std::u16string upper = vbs::foldName(name);
    const size_t first = upper.find_first_not_of(u' ');
    if (first == std::u16string::npos) return {};
    const size_t last = upper.find_last_not_of(u' ');
    return upper.substr(first, last - first + 1);
}

// The engine's error record, with the table's text when it carries none.
vbs::ScriptError completedError(vbs::ScriptError error, int32_t status) {
    if (error.number == 0) error.number = status;
    if (error.description.empty()) error.description = vbs::toU16(vbs::errorText(error.number));
    return error;
}

}  // namespace

std::u16string signedNumberText(int number) {
    const std::string digits = std::to_string(number);
    return vbs::toU16(number >= 0 ? " " + digits : digits);
}

std::u16string scriptErrorReport(const vbs::ScriptError& error) {
    return u"Error in script" + std::u16string(kCrLf) + error.description + kCrLf + u"At Line:" +
           signedNumberText(error.line) + kCrLf + u"Column:" + signedNumberText(error.column);
}

bool ProcedureExists(const std::vector<vbs::ProcedureInfo>& procedures, std::u16string_view name) {
    const std::u16string wanted = upperTrimmedName(name);
    const size_t count = procedures.size();
    for (size_t i = 0; i < count; ++i) {
        if (upperTrimmedName(procedures[i].Name) == wanted) return true;
    }
    return false;
}

ScriptLibrary::ScriptLibrary(vbs::ScriptEngine& engine, std::function<void(vbs::ScriptEngine&)> registerObjects,
                             MessageBox& box, ShellPopup popup)
    : engine_(engine), registerObjects_(std::move(registerObjects)), box_(box) {
    host::registerScriptingRuntime(engine_);
    host::registerDotNetObjects(engine_);
    host::registerShellObjects(engine_, host::ShellHooks{std::move(popup)});
}

void ScriptLibrary::report(const std::u16string& text) { box_.showMessage(text, {}); }

void ScriptLibrary::LoadScriptFile(const CvarStore& settings) {
    const std::u16string path = settings.GetCvarStr(u"MainScriptFile");
    LoadScripts(QString::fromStdU16String(path).toStdString());
}

void ScriptLibrary::LoadScripts(const std::string& path) {
    engine_.Reset();
    if (registerObjects_) registerObjects_(engine_);
    LoadScript(path);
}

void ScriptLibrary::LoadScript(const std::string& path) {
    std::u16string text;
    if (!readScriptText(path, text)) {
        report(kOpenFailureText);
        return;
    }
    try {
        engine_.AddCode(text);
    } catch (const vbs::ScriptException& e) {
        report(scriptErrorReport(e.error()));
    }
}

int32_t ScriptLibrary::LoadScriptFromScript(const std::string& path, vbs::CallContext& ctx) {
    std::u16string text;
    if (!readScriptText(path, text)) {
        report(kOpenFailureText);
        return 0;
    }
    // Error 28 "Out of stack space", raised into the script that loads.
    if (nestedLoads_ >= kMaxNestedLoads) return ctx.fail(28);
    vbs::CallContext running = ctx.vm != nullptr ? ctx : engine_.HostContext();
    ++nestedLoads_;
    const int32_t status = running.executeGlobal(text);
    --nestedLoads_;
    // A stop (the user's interrupt, the time limit) ends the whole run, the
    // script that loads included: it goes on up unreported, as the error of
    // the statement that called LoadScript.
    if (int32_t stop = running.stopStatus()) return stop;
    if (status != 0) {
        vbs::ScriptError error = completedError(running.lastError(), status);
        if (ctx.detail != nullptr && !ctx.detail->description.empty()) error.description = ctx.detail->description;
        if (ctx.detail != nullptr) ctx.detail->clear();
        // Code added inside a running script has its errors placed at the
        // calling statement; the file's own position of a syntax error is
        // found by parsing the text again.
        if (error.line == 0) {
            const vbs::ScriptError syntax = vbs::ScriptEngine::SyntaxCheck(text);
            if (syntax.number != 0) error = syntax;
        }
        report(scriptErrorReport(error));
    }
    return 0;
}

bool ScriptLibrary::ProcedureExists(std::u16string_view name) const {
    return talvoro::ProcedureExists(engine_.Procedures(), name);
}

void ScriptLibrary::runStartup(const CvarStore& settings, const std::function<void(const std::u16string&)>& print) {
    LoadScriptFile(settings);
    try {
        engine_.ExecuteStatement(u"Ans=0");
    } catch (const vbs::ScriptException&) {
        // The engine was just reset and loaded; a failure here leaves Ans
        // to the first evaluation, which assigns it anyway.
    }
    // From here on every failure is ignored, as the start-up must reach the
    // window's width whatever the script library does.
    try {
        if (ProcedureExists(u"Main")) engine_.ExecuteStatement(u"Main");
        else print(kMainNotFoundText);
    } catch (const vbs::ScriptException&) {
    }
}

}  // namespace talvoro
