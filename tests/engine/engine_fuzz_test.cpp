// Robustness: whatever text a user types, the engine must come back — with a
// value or a ScriptException — within its time limit. Random but plausible
// scripts (token soup, and mutations of the script tests) go through fresh
// engines; a crash, a hang or any other C++ exception fails the test.
//
// The generator has a fixed seed so a failure repeats. TALVORO_FUZZ_ITERATIONS
// raises the number of cases for long runs (e.g. under the sanitizers);
// TALVORO_FUZZ_SEED picks another sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/host_object.h"
#include "engine/script_engine.h"

namespace {

using vbs::ScriptEngine;
using vbs::ScriptException;

long envNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    if (!v || !*v) return fallback;
    char* end = nullptr;
    long n = std::strtol(v, &end, 10);
    return (end && *end == 0 && n > 0) ? n : fallback;
}

// Short, so a generated endless loop costs little; long enough that the
// clock check, not the end of the script, usually ends a loop.
constexpr int64_t kFuzzTimeoutMs = 100;
// A case that the time limit fails to stop never returns; ctest's time-out
// then fails the test. No wall-clock bound is asserted here: on a busy
// machine one bounded but large statement may legitimately run long.

long iterations(long fallback) { return envNumber("TALVORO_FUZZ_ITERATIONS", fallback); }
uint32_t seed() { return static_cast<uint32_t>(envNumber("TALVORO_FUZZ_SEED", 20261207)); }

// ---- the generator -------------------------------------------------------------

const std::vector<std::string> kKeywords = {
    "Dim", "ReDim", "Preserve", "Erase", "Const", "Set", "Let", "Call", "If", "Then", "Else", "ElseIf",
    "End If", "Select Case", "Case", "Case Else", "End Select", "For", "To", "Step", "Next", "For Each",
    "In", "Do", "Loop", "While", "Until", "Wend", "Exit Do", "Exit For", "Exit Sub", "Exit Function",
    "Sub", "End Sub", "Function", "End Function", "Class", "End Class", "Property Get", "Property Let",
    "Property Set", "End Property", "Public", "Private", "Default", "ByVal", "ByRef", "New", "Nothing",
    "Empty", "Null", "True", "False", "Me", "With", "End With", "On Error Resume Next", "On Error GoTo 0",
    "Option Explicit", "Randomize", "Execute", "ExecuteGlobal", "Eval", "GetRef", "Err", "Err.Raise",
    "Err.Clear", "Err.Number", "Is", "Not", "And", "Or", "Xor", "Eqv", "Imp", "Mod", "Stop",
    // Words that are names outside their statements, and closers glued to a
    // statement on one line.
    "Property", "Step", "Error", "Explicit", "Get", "Let", "Dim Property", "Dim step", "Case 1 x = 1",
    "Sub s(a) a = 1 End Sub", "Function f() f = 1 End Function", "x = 0 End If", "Else End If",
    "(New C).p", "(New C)(5)", "Call (New C).m()", ".prop", "obj.rem", "obj.if", "obj.end", "Me =",
    "If x Then y = 1 Next", "If x Then y = 1 Loop", "Case New C", "x = 1 Wend", "Option Explicit x",
};

const std::vector<std::string> kBuiltins = {
    "Len", "Left", "Mid", "Right", "InStr", "InStrRev", "Replace", "Split", "Join", "String", "Space",
    "UCase", "Trim", "StrReverse", "Asc", "Chr", "ChrW", "CInt", "CLng", "CDbl", "CStr", "CBool", "CDate",
    "CByte", "CCur", "CSng", "Abs", "Int", "Fix", "Round", "Sqr", "Exp", "Log", "Sin", "Atn", "Rnd", "Hex",
    "Oct", "IsNumeric", "IsArray", "IsObject", "IsEmpty", "IsNull", "VarType", "TypeName", "Array",
    "UBound", "LBound", "Filter", "Now", "Date", "DateAdd", "DateDiff", "DatePart", "DateSerial",
    "TimeSerial", "Year", "Month", "Weekday", "FormatNumber", "FormatCurrency", "FormatPercent",
    "FormatDateTime", "StrComp", "LCase", "Escape", "Unescape", "CreateObject", "ScriptEngine",
};

const std::vector<std::string> kOperators = {
    "+", "-", "*", "/", "\\", "^", "&", "=", "<>", "<", ">", "<=", ">=", "(", ")", ",", ".", ":", "_\n",
    "=>", "=<", "><", "= Not",
    "(", ")", "=", "(", ")",
};

const std::vector<std::string> kLiterals = {
    "0", "1", "-1", "2", "10", "255", "32767", "32768", "-32768", "2147483647", "2147483648", "1E308",
    "1.5", ".5", "1e-320", "&HFFFF", "&H7FFFFFFF", "&O777", "&HFFFFFFFF&", "\"\"", "\"abc\"",
    "\"a\"\"b\"", "\"12\"", "\" 3.5 \"", "#1/1/2000#", "#12:30:00 PM#", "#99/99/9999#", "2^31", "1/0",
    "\"x\" & \"y\"", "Array(1, 2, 3)", "CreateObject(\"Scripting.Dictionary\")", "New RegExp",
    "&H", "1e", "\"unterminated", "#", "[odd name]", "'comment\n", "REM comment\n",
    "&H8000", "&H8000&", "&hFFFF&", "&HFFFFFFFF&", "&H000000031", "&O17", "&hi", "&o9", "Gr\xc3\xb6\xc3\x9f" "e",
};

const std::vector<std::string> kNames = {"a", "b", "x", "arr", "obj", "Foo", "Bar", "C", "i", "n", "s", "d", "WScript"};

class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}

    size_t below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
    bool chance(int percent) { return static_cast<int>(below(100)) < percent; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[below(items.size())]; }

    // Any token of the language, separated as a person would type it.
    std::string tokenSoup(size_t tokens) {
        std::string out;
        for (size_t i = 0; i < tokens; ++i) {
            switch (below(10)) {
                case 0: case 1: out += pick(kKeywords); break;
                case 2: out += pick(kBuiltins); break;
                case 3: case 4: out += pick(kOperators); break;
                case 5: case 6: out += pick(kLiterals); break;
                case 7: out += "\n"; break;
                default: out += pick(kNames); break;
            }
            out += chance(85) ? " " : "";
        }
        return out;
    }

    // An expression-shaped soup: operands joined by operators, with calls and
    // brackets nested to a random depth.
    std::string expression(int depth) {
        if (depth <= 0 || chance(30)) return chance(50) ? pick(kLiterals) : pick(kNames);
        switch (below(4)) {
            case 0: return "(" + expression(depth - 1) + ")";
            case 1: return pick(kBuiltins) + "(" + expression(depth - 1) + ", " + expression(depth - 1) + ")";
            case 2: return (chance(50) ? "-" : "Not ") + expression(depth - 1);
            default: return expression(depth - 1) + " " + pick(kOperators) + " " + expression(depth - 1);
        }
    }

    // `source` damaged a few times: spans deleted, duplicated, moved or
    // overwritten with tokens, characters flipped, the end cut off.
    std::string mutate(std::string source) {
        int edits = 1 + static_cast<int>(below(6));
        for (int i = 0; i < edits && !source.empty(); ++i) {
            size_t at = below(source.size());
            size_t len = std::min(source.size() - at, 1 + below(40));
            switch (below(7)) {
                case 0: source.erase(at, len); break;
                case 1: source.insert(at, source.substr(at, len)); break;
                case 2: source.insert(at, " " + tokenSoup(1 + below(4)) + " "); break;
                case 3: source[at] = static_cast<char>(32 + below(95)); break;
                case 4: source.resize(at); break;
                case 5: source.replace(at, len, pick(kLiterals)); break;
                default: {
                    std::string span = source.substr(at, len);
                    source.erase(at, len);
                    source.insert(below(source.size() + 1), span);
                    break;
                }
            }
        }
        return source;
    }

private:
    std::mt19937 rng_;
};

// ---- running one case ----------------------------------------------------------

enum class Entry { AddCode, ExecuteStatement, Eval };

// The script tests print through WScript.Echo and MainForm.OPrint; the fuzzed
// copies should reach the same members instead of failing on a missing name.
struct FuzzHost {
    vbs::HostObjectRef wscript = vbs::makeHostObject(u"WScript");
    vbs::HostObjectRef mainForm = vbs::makeHostObject(u"MainForm");
    FuzzHost() {
        auto ignore = [](vbs::Args, vbs::Variant&, vbs::CallContext&) { return 0; };
        wscript->method(u"Echo", ignore);
        mainForm->method(u"OPrint", ignore);
    }
};

// Runs `text` through a fresh engine. A ScriptException is a fine outcome;
// anything else escaping, or overrunning the time limit, is a failure. Then
// the same engine must still answer, so a failure left it usable.
void runCase(const std::string& text, Entry entry, const std::string& label) {
    SCOPED_TRACE(label + ":\n" + text);
    FuzzHost host;
    ScriptEngine engine;
    engine.SetTimeout(kFuzzTimeoutMs);
    engine.AddObject(u"WScript", host.wscript.get());
    engine.AddObject(u"MainForm", host.mainForm.get());
    std::u16string code = vbs::toU16(text);
    try {
        switch (entry) {
            case Entry::AddCode: engine.AddCode(code); break;
            case Entry::ExecuteStatement: engine.ExecuteStatement(code); break;
            case Entry::Eval: engine.Eval(code); break;
        }
    } catch (const ScriptException& e) {
        EXPECT_NE(e.error().number, 0) << "an exception must carry an error number";
    } catch (const std::exception& e) {
        ADD_FAILURE() << "escaped C++ exception: " << e.what();
    }

    engine.SetTimeout(1000);
    EXPECT_EQ(vbs::toUtf8(engine.Eval(u"CStr(6 * 7)").asString()), "42") << "engine unusable after the case";
}

std::vector<std::string> scriptTestSources() {
    namespace fs = std::filesystem;
    fs::path dir = TALVORO_SCRIPT_TESTS_DIR;
    std::vector<fs::path> files;
    if (fs::exists(dir)) {
        for (const auto& e : fs::recursive_directory_iterator(dir))
            // The huge_* scripts spend seconds per statement filling memory up
            // to the engine's limits; mutated, they only test the machine's speed.
            if (e.is_regular_file() && e.path().extension() == ".vbs" &&
                e.path().filename().string().rfind("huge_", 0) != 0)
                files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());  // directory order varies; the seed must not
    std::vector<std::string> sources;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::stringstream buf;
        buf << in.rdbuf();
        sources.push_back(buf.str());
    }
    return sources;
}

// ---- the cases ------------------------------------------------------------------

TEST(EngineFuzz, TokenSoupThroughEveryEntryPoint) {
    Generator gen(seed());
    long n = iterations(1000);
    for (long i = 0; i < n; ++i) {
        std::string soup = gen.tokenSoup(1 + gen.below(40));
        Entry entry = static_cast<Entry>(gen.below(3));
        runCase(soup, entry, "soup #" + std::to_string(i));
        if (HasFatalFailure() || HasFailure()) return;
    }
}

TEST(EngineFuzz, NestedExpressionsInEvalAndStatements) {
    Generator gen(seed() + 1);
    long n = iterations(1000);
    for (long i = 0; i < n; ++i) {
        std::string e = gen.expression(1 + static_cast<int>(gen.below(8)));
        if (gen.chance(50)) {
            runCase(e, Entry::Eval, "expression #" + std::to_string(i));
        } else {
            runCase("x = " + e + "\nIf " + e + " Then y = " + e, Entry::ExecuteStatement,
                    "statement #" + std::to_string(i));
        }
        if (HasFailure()) return;
    }
}

TEST(EngineFuzz, MutatedScriptTests) {
    std::vector<std::string> sources = scriptTestSources();
    ASSERT_GT(sources.size(), 50u) << "the script tests were not found in " TALVORO_SCRIPT_TESTS_DIR;
    Generator gen(seed() + 2);
    long n = iterations(1000);
    for (long i = 0; i < n; ++i) {
        size_t which = gen.below(sources.size());
        runCase(gen.mutate(sources[which]), Entry::AddCode,
                "mutation #" + std::to_string(i) + " of script " + std::to_string(which));
        if (HasFailure()) return;
    }
}

// ---- scripts that once crashed the engine ---------------------------------------------

// Each ran into freed memory or a broken frame; under AddressSanitizer a
// regression fails here even where a plain build happens to survive.
const char* const kOnceCrashed[] = {
    // A failing Case value under Resume Next, inside a procedure.
    "Function F(v)\nOn Error Resume Next\nSelect Case v\nCase 1 / 0\nF = 1\nEnd Select\nEnd Function\n"
    "On Error Resume Next\nx = F(2)\nSelect Case 1 / 0\nCase 1\nEnd Select\n",
    // Headers of For and For Each failing inside procedures.
    "Sub S()\nOn Error Resume Next\nFor i = 1 To 1 / 0\nNext\nFor Each v In 42\nNext\nEnd Sub\nS\nS\n",
    // A Class_Terminate that stores a new instance in the global being released.
    "Class T\nSub Class_Terminate()\nSet g = New T\nEnd Sub\nEnd Class\nSet g = New T\n",
    // Releasing an element runs a Class_Terminate that replaces the array.
    "Class T\nSub Class_Terminate()\nReDim a(10)\nEnd Sub\nEnd Class\n"
    "ReDim a(2)\nSet a(0) = New T\na(0) = 1\nSet a(1) = New T\nErase a\n"
    "Sub L()\nDim b(2)\nSet b(0) = New T\nb(0) = 2\nEnd Sub\nL\n",
    // A fixed array erased while an element's Class_Terminate writes to it.
    "Class T\nSub Class_Terminate()\nf(1) = 5\nErase f\nEnd Sub\nEnd Class\n"
    "Dim f(2)\nSet f(0) = New T\nErase f\n",
    // A dictionary changed by the Class_Terminate of the item it drops.
    "Class T\nSub Class_Terminate()\nd.RemoveAll\nd.Add \"z\", 1\nEnd Sub\nEnd Class\n"
    "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"k\", New T\nd.Remove \"k\"\n"
    "d.Add \"k\", New T\nd(\"k\") = 2\nd.Add \"j\", New T\nd.RemoveAll\nd.Add \"i\", New T\n",
    // Cycles whose Class_Terminate code makes more objects and cycles.
    "Class N\nPublic o\nSub Class_Terminate()\nSet m = New N\nSet m.o = m\nSet keep = Me\nEnd Sub\n"
    "End Class\nSet a = New N\nSet a.o = a\nSet a = Nothing\n",
};

TEST(EngineFuzz, ScriptsThatOnceCrashedRunToTheirEnd) {
    for (const char* script : kOnceCrashed) runCase(script, Entry::AddCode, "once crashed");
}

// ---- the time limit against every kind of loop -------------------------------------

struct EndlessCase {
    const char* what;
    const char16_t* code;
};

// Each script never ends on its own. Under the time limit it must stop with
// 5050, even though every one of them has On Error Resume Next in force.
const EndlessCase kEndless[] = {
    {"Do/Loop", u"On Error Resume Next\nDo\nx = x + 1\nLoop\n"},
    {"Do While", u"On Error Resume Next\nDo While True\nLoop\n"},
    {"Do Until with a failing body", u"On Error Resume Next\nDo Until False\nx = 1 / 0\nLoop\n"},
    {"While/Wend", u"On Error Resume Next\nWhile 1\nWend\n"},
    {"For with a reset counter", u"On Error Resume Next\nFor i = 1 To 10\ni = 1\nNext\n"},
    {"For Each inside Do", u"On Error Resume Next\nDo\nFor Each v In Array(1, 2)\nNext\nLoop\n"},
    {"mutual recursion that unwinds",
     u"On Error Resume Next\nSub Ping(n)\nOn Error Resume Next\nIf n < 50 Then Pong n + 1\nEnd Sub\n"
     u"Sub Pong(n)\nPing n + 1\nEnd Sub\nDo\nPing 0\nLoop\n"},
    {"endless recursion caught and retried",
     u"Sub Down()\nDown\nEnd Sub\nOn Error Resume Next\nDo\nDown\nLoop\n"},
    {"a loop in a class method",
     u"Class Spinner\nPublic Sub Spin()\nOn Error Resume Next\nDo\nLoop\nEnd Sub\nEnd Class\n"
     u"On Error Resume Next\nSet s = New Spinner\ns.Spin\n"},
    {"a loop in Class_Terminate",
     u"Class T\nSub Class_Terminate()\nDo\nLoop\nEnd Sub\nEnd Class\nOn Error Resume Next\n"
     u"Set t = New T\nSet t = Nothing\n"},
    {"a loop in Execute text", u"On Error Resume Next\nExecute \"Do : Loop\"\n"},
    {"a loop in ExecuteGlobal text", u"On Error Resume Next\nExecuteGlobal \"While True : Wend\"\n"},
    {"a loop reached through Eval",
     u"Function F()\nDo\nLoop\nEnd Function\nOn Error Resume Next\nx = Eval(\"F()\")\n"},
    {"a loop through GetRef",
     u"Sub S(n)\nWhile True\nWend\nEnd Sub\nOn Error Resume Next\nSet r = GetRef(\"S\")\nCall r(1)\n"},
    {"Resume Next retrying in a loop", u"On Error Resume Next\nDo\nErr.Raise 5050\nLoop\n"},
};

TEST(EngineFuzz, TimeLimitStopsEveryKindOfLoopDespiteResumeNext) {
    for (const EndlessCase& c : kEndless) {
        SCOPED_TRACE(c.what);
        ScriptEngine engine;
        engine.SetTimeout(100);
        int number = 0;
        try {
            engine.AddCode(c.code);
        } catch (const ScriptException& e) {
            number = e.error().number;
        }
        EXPECT_EQ(number, 5050);
    }
}

// Run and ExecuteStatement get the limit too, not only AddCode.
TEST(EngineFuzz, TimeLimitCoversRunAndExecuteStatement) {
    ScriptEngine engine;
    engine.SetTimeout(100);
    engine.AddCode(u"Function Forever(n)\nDo\nn = n + 1\nLoop\nEnd Function\n");
    int number = 0;
    try {
        engine.Run(u"Forever", {vbs::Variant::long_(1)});
    } catch (const ScriptException& e) {
        number = e.error().number;
    }
    EXPECT_EQ(number, 5050);
    number = 0;
    try {
        engine.ExecuteStatement(u"On Error Resume Next : Forever 1 : Forever 2");
    } catch (const ScriptException& e) {
        number = e.error().number;
    }
    EXPECT_EQ(number, 5050);
}

}  // namespace
