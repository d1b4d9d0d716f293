#include "app/runner_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/host_object.h"
#include "engine/interpreter.h"
#include "engine/ops.h"
#include "engine/script_engine.h"

namespace talvoro {

namespace {

// The text of one Echo/OPrint argument, as CStr would make it.
std::u16string echoText(vbs::CallContext& ctx, const vbs::Variant& arg) {
    vbs::Variant value = arg;
    if (value.isObject() && ctx.vm) {
        vbs::Variant plain;
        if (ctx.vm->defaultValue(arg, plain) == 0) value = plain;
    }
    if (value.isNull()) return u"Null";
    std::u16string text;
    if (vbs::ops::toString(value, text) != 0) return u"";
    return text;
}

void printLine(const std::u16string& text) {
    std::string utf8 = vbs::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

int32_t echo(vbs::Args args, vbs::Variant&, vbs::CallContext& ctx) {
    std::u16string line;
    for (int i = 0; i < args.size(); ++i) {
        if (i) line += u' ';
        line += echoText(ctx, args.at(i));
    }
    printLine(line);
    return 0;
}

int32_t quit(vbs::Args args, vbs::Variant&, vbs::CallContext&) {
    int32_t code = 0;
    if (args.size() > 0 && !args.missing(0)) vbs::ops::toLong(args.at(0), code);
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(code);
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

}  // namespace

int runScriptFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open the file\n", path.c_str());
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string bytes = buffer.str();
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);

    auto wscript = vbs::makeHostObject(u"WScript");
    wscript->method(u"Echo", echo);
    wscript->method(u"Quit", quit);
    auto mainForm = vbs::makeHostObject(u"MainForm");
    mainForm->method(u"OPrint", [](vbs::Args args, vbs::Variant&, vbs::CallContext& ctx) {
        printLine(args.size() > 0 ? echoText(ctx, args.at(0)) : std::u16string());
        return 0;
    });

    vbs::ScriptEngine engine;
    engine.SetTimeout(0);  // a terminal run may take as long as it needs
    engine.SetHostHooks(terminalHooks());
    engine.AddObject(u"WScript", wscript.get());
    engine.AddObject(u"MainForm", mainForm.get());
    try {
        engine.AddCode(vbs::toU16(bytes));
    } catch (const vbs::ScriptException& e) {
        std::fflush(stdout);
        const vbs::ScriptError& err = e.error();
        std::fprintf(stderr, "%s(%d, %d) %s\n", path.c_str(), err.line, err.column,
                     vbs::toUtf8(err.description).c_str());
        return 1;
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace talvoro
