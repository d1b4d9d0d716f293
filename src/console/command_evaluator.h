// Evaluating one input line of the console on the main script engine.
//
// By its first character a line is a statement ("!": run, nothing shown), a
// text expression ("$": assigned to MainForm.passtr, which is shown) or a
// numeric expression (missing ")" added, the value shown as its result text
// and stored in the script variable Ans). Each command writes an echo line
// and a result line, or an "Error:" line, to the transcript:
//
//     !x=5        ->  E:x=5
//     $x & x      ->  S:x & x     A:55
//     1+(2+(3     ->  1+(2+(3))   A:6
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "console/command_history.h"
#include "console/input_line.h"
#include "console/transcript.h"
#include "engine/script_engine.h"
#include "engine/variant.h"

namespace talvoro {

// The main engine's time limit per call: long enough (11.6 days) never to
// stop a user's script; the window lets the user interrupt one instead.
inline constexpr int64_t kMainEngineTimeoutMs = 1000000000;

// Small helpers the script loader uses too.
void AppendStr(std::u16string& target, std::u16string_view text);
void IncVar(int32_t& target, int32_t step = 1);
void DecVar(int32_t& target, int32_t step = 1);

// Appends as many ")" as "(" are left open. Every bracket counts, also in
// quoted text. More ")" than "(" leaves the text as it is and returns error 5
// (invalid procedure call or argument); otherwise returns 0.
int32_t FillBrackets(std::u16string& InpStr);

// The text a numeric result is shown as and Ans is assigned from: at most 15
// significant digits, "." always, no thousands separators, no blanks; True
// and False as words, Empty as 0, a date as its day number, text that reads as
// a number as that number, an object as its default member's value. Returns
// 0, or 13 (not a number) or 94 (Null). `engine` (ScriptEngine::HostContext)
// runs a script object's default member.
int32_t resultText(const vbs::Variant& value, std::u16string& text, vbs::CallContext* engine = nullptr);

// The input line as a command: every CR LF pair removed (a pasted line break
// joins its parts), then spaces, and only spaces, trimmed from both ends.
std::u16string commandText(std::u16string_view inputText);

// Everything EvaluateInput works on. `passtr` reads the main window's public
// text member that the "$" command assigns through the engine;
// `processEvents` lets events already queued run first (may be empty).
struct EvaluationHost {
    vbs::ScriptEngine& engine;
    CommandHistory& history;
    InputLine& input;
    Transcript& transcript;
    std::function<std::u16string()> passtr;
    std::function<void()> processEvents;
};

// Takes the input line's text, files it in the history, empties the line and
// runs it; errors become an "Error:" line. Ends with the transcript's SetToTop.
void EvaluateInput(EvaluationHost& host);

}  // namespace talvoro
