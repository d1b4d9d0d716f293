#include "app/runner_file.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "common/file_reading.h"
#include "engine/error_table.h"
#include "engine/host_object.h"
#include "engine/script_engine.h"
#include "host/dotnet_objects.h"
#include "host/scripting_runtime.h"
#include "host/shell_objects.h"
#include "host/wscript.h"

namespace talvoro {

namespace {

void printLine(const std::u16string& text) {
    std::string utf8 = vbs::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

vbs::HostHooks terminalHooks() {
    vbs::HostHooks hooks;
    hooks.msgBox = [](const std::u16string& prompt, int, const std::u16string&) {
        printLine(prompt);
        std::fflush(stdout);
        return 1;  // vbOK
    };
    hooks.inputBox = [](const std::u16string& prompt, const std::u16string&, const std::u16string& defaultText,
                        bool& cancelled) {
        printLine(prompt);
        std::fflush(stdout);
        std::string line;
        if (!std::getline(std::cin, line)) {
            cancelled = true;
            return std::u16string();
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        cancelled = false;
        return line.empty() ? defaultText : vbs::toU16(line);
    };
    return hooks;
}

// "t.vbs(3, 5) Microsoft VBScript runtime error: Division by zero", as the console
// script host reports an error that ends the script.
void reportError(const std::string& path, const vbs::ScriptError& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s(%d, %d) %s: %s\n", path.c_str(), error.line, error.column,
                 vbs::toUtf8(error.source).c_str(), vbs::toUtf8(error.description).c_str());
}

// Files whose streams the script never closed are written when the engine
// lets them go; a failure then has no script left to tell.
bool reportLateFailures(const host::WriteSession& session) {
    for (const auto& [file, number] : session.lateFailures)
        std::fprintf(stderr, "%s: %s\n", file.c_str(), vbs::errorText(number));
    return !session.lateFailures.empty();
}

}  // namespace

int runScriptFile(const std::string& path, const std::vector<std::string>& arguments, const std::string& hostProgram) {
    std::string bytes;
    if (!readFileBytes(path, bytes)) {
        std::fprintf(stderr, "%s: cannot open the file\n", path.c_str());
        return 1;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);

    host::WScriptObject wscript(host::ScriptHostFacts{path, arguments, hostProgram});
    auto mainForm = vbs::makeHostObject(u"MainForm");
    mainForm->method(u"OPrint", [](vbs::Args args, vbs::Variant&, vbs::CallContext& ctx) {
        std::u16string text;
        if (args.size() > 0)
            if (int32_t e = host::echoText(ctx, args.at(0), text)) return e;
        printLine(text);
        return 0;
    });

    int status = 0;
    std::shared_ptr<host::WriteSession> files;
    {
        vbs::ScriptEngine engine;
        engine.SetTimeout(0);  // a terminal run may take as long as it needs
        engine.SetHostHooks(terminalHooks());
        files = host::registerScriptingRuntime(engine);
        host::registerDotNetObjects(engine);
        host::registerShellObjects(engine);
        engine.AddObject(u"WScript", wscript.object());
        engine.AddObject(u"MainForm", mainForm.get());
        try {
            engine.AddCode(vbs::toU16(bytes));
        } catch (const vbs::ScriptException& e) {
            if (!wscript.quitCode()) {
                // Files the failed run left open keep what they held before.
                files->abandonAll();
                reportError(path, e.error());
                status = 1;
            }
        }
        if (wscript.quitCode()) status = *wscript.quitCode();
    }
    std::fflush(stdout);
    if (reportLateFailures(*files) && status == 0) status = 1;
    return status;
}

}  // namespace talvoro
