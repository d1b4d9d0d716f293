#include "console/command_evaluator.h"

#include <exception>
#include <optional>
#include <string>

#include "engine/error_table.h"
#include "engine/conversions.h"
#include "engine/object.h"
#include "engine/script_error.h"

namespace talvoro {

namespace {

std::u16string errorDescription(int32_t number) { return vbs::toU16(vbs::errorText(number)); }

std::u16string_view trimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

std::u16string decimalText(int64_t n) { return vbs::toU16(std::to_string(n)); }

// A double as shown: -0 is shown as 0, not "-0".
std::u16string doubleText(double d) { return vbs::ops::formatDouble(d == 0 ? 0.0 : d); }

// The value an object result stands for: its default member, as VBScript
// uses it where a number is wanted.
int32_t defaultValue(const vbs::Variant& object, vbs::Variant& value, vbs::CallContext* engine) {
    if (object.isNothing()) return vbs::err::ObjectVariableNotSet;
    auto* dispatch = static_cast<vbs::Dispatch*>(object.asObject());
    vbs::ErrorDetail detail;
    vbs::CallContext ctx{engine ? engine->vm : nullptr, &detail};
    int32_t status = dispatch->invoke(vbs::kDefaultMember, vbs::InvokeKind::Get, vbs::Args(nullptr, 0), value, ctx);
    return status == 0 ? 0 : vbs::err::TypeMismatch;
}

// Text that reads as a number, as that number's result text. Read with "."
// as the decimal point whatever locale a script chose, as answers are written.
int32_t numericTextResult(const vbs::Variant& text, std::u16string& out) {
    double number = 0;
    int32_t status = vbs::ops::readInvariantNumber(text.asString(), number);
    if (status != 0) return vbs::err::TypeMismatch;
    out = doubleText(number);
    return 0;
}

int32_t untrimmedResultText(const vbs::Variant& value, std::u16string& out, vbs::CallContext* engine,
                            bool followObject) {
    using vbs::VarType;
    switch (value.type()) {
    case VarType::Empty: out = u"0"; return 0;
    case VarType::Null: return vbs::err::InvalidUseOfNull;
    case VarType::Boolean: out = value.asBoolean() ? u"True" : u"False"; return 0;
    case VarType::Byte: out = decimalText(value.asByte()); return 0;
    case VarType::Integer: out = decimalText(value.asInteger()); return 0;
    case VarType::Long: out = decimalText(value.asLong()); return 0;
    case VarType::Single: out = vbs::ops::formatSingle(value.asSingle()); return 0;
    case VarType::Double: out = doubleText(value.asDouble()); return 0;
    case VarType::Currency: out = vbs::ops::formatCurrency(value.asCurrencyScaled()); return 0;
    case VarType::Date: out = doubleText(value.asDate()); return 0;
    case VarType::String: return numericTextResult(value, out);
    case VarType::Object: {
        if (!followObject) return vbs::err::TypeMismatch;
        vbs::Variant inner;
        int32_t status = defaultValue(value, inner, engine);
        return status != 0 ? status : untrimmedResultText(inner.deref(), out, engine, false);
    }
    default: return vbs::err::TypeMismatch;  // arrays, error values
    }
}

// Runs the command; an error's description when it fails.
std::optional<std::u16string> runCommand(EvaluationHost& host, const std::u16string& command) {
    try {
        if (!command.empty() && command[0] == u'!') {
            std::u16string statement = command.substr(1);
            host.transcript.AppendLine(u"E:" + statement);
            host.engine.ExecuteStatement(statement);
            return std::nullopt;
        }
        if (!command.empty() && command[0] == u'$') {
            std::u16string expression = command.substr(1);
            host.transcript.AppendLine(u"S:" + expression);
            host.engine.ExecuteStatement(u"MainForm.passtr=" + expression);
            host.transcript.AppendLine(u"A:" + (host.passtr ? host.passtr() : std::u16string()));
            return std::nullopt;
        }
        std::u16string filled = command;
        if (int32_t status = FillBrackets(filled)) return errorDescription(status);
        host.transcript.AppendLine(filled);
        vbs::Variant value = host.engine.Eval(filled);
        std::u16string shown;
        vbs::CallContext engine = host.engine.HostContext();
        if (int32_t status = resultText(value.deref(), shown, &engine)) return errorDescription(status);
        host.engine.ExecuteStatement(u"Ans=" + shown);
        host.transcript.AppendLine(u"A:" + shown);
        return std::nullopt;
    } catch (const vbs::ScriptException& e) {
        return e.error().description;
    } catch (const std::exception& e) {
        // Not expected from the engine; shown rather than ending the program.
        return vbs::toU16(e.what());
    }
}

}  // namespace

void AppendStr(std::u16string& target, std::u16string_view text) { target.append(text); }

void IncVar(int32_t& target, int32_t step) { target += step; }

void DecVar(int32_t& target, int32_t step) { target -= step; }

int32_t FillBrackets(std::u16string& InpStr) {
    int32_t open = 0;
    for (char16_t c : InpStr) {
        if (c == u'(') IncVar(open);
        else if (c == u')') DecVar(open);
    }
    if (open < 0) return vbs::err::InvalidProcCall;
    AppendStr(InpStr, std::u16string(static_cast<size_t>(open), u')'));
    return 0;
}

int32_t resultText(const vbs::Variant& value, std::u16string& text, vbs::CallContext* engine) {
    std::u16string untrimmed;
    int32_t status = untrimmedResultText(value, untrimmed, engine, true);
    if (status != 0) return status;
    text = std::u16string(trimSpaces(untrimmed));
    return 0;
}

std::u16string commandText(std::u16string_view inputText) {
    std::u16string joined;
    for (size_t i = 0; i < inputText.size(); ++i) {
        if (inputText[i] == u'\r' && i + 1 < inputText.size() && inputText[i + 1] == u'\n') {
            ++i;
            continue;
        }
        joined.push_back(inputText[i]);
    }
    return std::u16string(trimSpaces(joined));
}

void EvaluateInput(EvaluationHost& host) {
    if (host.processEvents) host.processEvents();
    const std::u16string command = commandText(host.input.text());
    host.history.HistoryPush(command);
    host.input.setCaret(0);
    host.input.setText(u"");
    if (std::optional<std::u16string> error = runCommand(host, command)) {
        host.transcript.AppendLine(u"Error:" + *error);
    }
    host.transcript.SetToTop();
}

}  // namespace talvoro
