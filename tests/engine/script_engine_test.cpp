// The facade as the application uses it: each operation, the error record,
// state kept after failures, and the limits (time, recursion, memory).
#include <gtest/gtest.h>

#include <map>
#include <new>
#include <string>
#include <vector>

#include "engine/host_object.h"
#include "engine/values/ops.h"
#include "engine/script_engine.h"

namespace {

using vbs::ScriptEngine;
using vbs::ScriptException;
using vbs::Variant;

std::string text(const Variant& v) {
    std::u16string s;
    EXPECT_EQ(vbs::ops::toString(v, s), 0);
    return vbs::toUtf8(s);
}

// Runs `call` expecting a ScriptException, returns its record.
template <typename Call>
vbs::ScriptError failure(Call&& call) {
    try {
        call();
    } catch (const ScriptException& e) {
        return e.error();
    }
    ADD_FAILURE() << "no exception";
    return {};
}

TEST(ScriptEngine, AddCodeDefinesGlobalsThatEvalAndExecuteStatementSee) {
    ScriptEngine engine;
    engine.AddCode(u"Dim total\ntotal = 40\nFunction AddTwo(x)\n AddTwo = x + 2\nEnd Function\n");
    EXPECT_EQ(text(engine.Eval(u"AddTwo(total)")), "42");
    engine.ExecuteStatement(u"total = total + 1");
    EXPECT_EQ(text(engine.Eval(u"total")), "41");
    // Eval reads `=` as a comparison, ExecuteStatement as an assignment.
    Variant same = engine.Eval(u"total = 41");
    EXPECT_EQ(same.type(), vbs::VarType::Boolean);
    EXPECT_TRUE(same.asBoolean());
    EXPECT_EQ(engine.Error().number, 0);
}

TEST(ScriptEngine, RuntimeErrorRecordHasNumberTextSourceAndPosition) {
    ScriptEngine engine;
    vbs::ScriptError e = failure([&] { engine.AddCode(u"x = 1\n  y = x / 0\n"); });
    EXPECT_EQ(e.number, 11);
    EXPECT_EQ(vbs::toUtf8(e.description), "Division by zero");
    EXPECT_EQ(vbs::toUtf8(e.source), "Microsoft VBScript runtime error");
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.column, 3);
    EXPECT_EQ(vbs::toUtf8(e.text), "  y = x / 0");
    EXPECT_EQ(engine.Error().number, 11);
    engine.ClearError();
    EXPECT_EQ(engine.Error().number, 0);
}

TEST(ScriptEngine, SyntaxErrorAddsNothingButRuntimeErrorKeepsProcedures) {
    ScriptEngine engine;
    vbs::ScriptError e = failure([&] { engine.AddCode(u"Function Lost()\nLost = 1\nEnd Function\nx = 1 +* 2\n"); });
    EXPECT_EQ(vbs::toUtf8(e.source), "Microsoft VBScript compilation error");
    EXPECT_GT(e.number, 1000);
    EXPECT_EQ(e.line, 4);
    EXPECT_EQ(vbs::toUtf8(e.text), "x = 1 +* 2");
    EXPECT_TRUE(engine.Procedures().empty());
    failure([&] { engine.Eval(u"Lost()"); });

    failure([&] { engine.AddCode(u"Function Kept()\nKept = 7\nEnd Function\nErr.Raise 5\n"); });
    EXPECT_EQ(text(engine.Eval(u"Kept()")), "7");
}

TEST(ScriptEngine, StateSurvivesAFailedCall) {
    ScriptEngine engine;
    engine.AddCode(u"Dim n\nn = 5\n");
    failure([&] { engine.ExecuteStatement(u"n = 6 : Err.Raise 1000, \"me\", \"custom\""); });
    EXPECT_EQ(engine.Error().number, 1000);
    EXPECT_EQ(vbs::toUtf8(engine.Error().description), "custom");
    // What ran before the failure stays done; the engine keeps working.
    EXPECT_EQ(text(engine.Eval(u"n")), "6");
    engine.ExecuteStatement(u"n = n * 2");
    EXPECT_EQ(text(engine.Eval(u"n")), "12");
    EXPECT_EQ(engine.Error().number, 0);
}

TEST(ScriptEngine, ProceduresListsGlobalSubsAndFunctionsInOrder) {
    ScriptEngine engine;
    engine.AddCode(u"Sub First(a, b)\nEnd Sub\nFunction second()\nEnd Function\n"
                   u"Class C\nSub NotGlobal()\nEnd Sub\nEnd Class\n");
    auto procs = engine.Procedures();
    ASSERT_EQ(procs.size(), 2u);
    EXPECT_EQ(vbs::toUtf8(procs[0].Name), "First");
    EXPECT_EQ(procs[0].NumArgs, 2);
    EXPECT_FALSE(procs[0].HasReturnValue);
    EXPECT_EQ(vbs::toUtf8(procs[1].Name), "second");
    EXPECT_TRUE(procs[1].HasReturnValue);
}

TEST(ScriptEngine, ProceduresKeepArgumentNamesAsDeclared) {
    ScriptEngine engine;
    engine.AddCode(u"Function Hyp(ByVal sideA, sideB())\nEnd Function\nSub NoArgs\nEnd Sub\n");
    auto procs = engine.Procedures();
    ASSERT_EQ(procs.size(), 2u);
    ASSERT_EQ(procs[0].ArgNames.size(), 2u);
    EXPECT_EQ(vbs::toUtf8(procs[0].ArgNames[0]), "sideA");
    EXPECT_EQ(vbs::toUtf8(procs[0].ArgNames[1]), "sideB");
    EXPECT_TRUE(procs[1].ArgNames.empty());
}

// "Name kind(args)" per public member, in declaration order.
std::vector<std::string> memberLines(const Variant& object) {
    std::vector<std::string> lines;
    const auto* dispatch = dynamic_cast<const vbs::Dispatch*>(object.asObject());
    if (dispatch == nullptr) return lines;
    for (const vbs::MemberInfo& m : dispatch->members()) {
        static const char* const kShapes[] = {"property", "sub", "function"};
        std::string line = vbs::toUtf8(m.name) + " " + kShapes[static_cast<int>(m.shape)] + "(";
        for (size_t i = 0; i < m.argNames.size(); ++i) line += (i ? "," : "") + vbs::toUtf8(m.argNames[i]);
        lines.push_back(line + ")");
    }
    return lines;
}

TEST(ScriptEngine, ClassInstancesListTheirPublicMembersWithoutRunningThem) {
    ScriptEngine engine;
    engine.AddCode(u"Dim calls\nClass Point\nPublic X, Y\nPrivate secret\n"
                   u"Public Function Dist(other)\ncalls = calls + 1\nEnd Function\nSub Move(dx, dy)\nEnd Sub\n"
                   u"Private Sub Hidden()\nEnd Sub\n"
                   u"Property Get Item(i)\ncalls = calls + 1\nEnd Property\nProperty Let Item(i, v)\nEnd Property\n"
                   u"Property Let Size(v)\nEnd Property\nEnd Class\nSet p = New Point\n");
    EXPECT_EQ(memberLines(engine.Eval(u"p")),
              (std::vector<std::string>{"X property()", "Y property()", "Dist function(other)", "Move sub(dx,dy)",
                                        "Item property(i)", "Size property()"}));
    EXPECT_EQ(text(engine.Eval(u"IsEmpty(calls)")), "True");
    EXPECT_TRUE(memberLines(engine.Eval(u"New RegExp")).empty());
}

TEST(ScriptEngine, ClassNamesAreTheEnginesOwnThenTheScriptsInOrder) {
    ScriptEngine engine;
    engine.AddCode(u"Class Zeta\nEnd Class\nClass alpha\nEnd Class\nDim notAClass\nSub NorThis()\nEnd Sub\n");
    std::vector<std::string> names;
    for (const std::u16string& name : engine.ClassNames()) names.push_back(vbs::toUtf8(name));
    EXPECT_EQ(names, (std::vector<std::string>{"RegExp", "Zeta", "alpha"}));
    engine.Reset();
    EXPECT_EQ(engine.ClassNames().size(), 1u);
}

TEST(ScriptEngine, VariablesListsGlobalValuesButNotProceduresOrObjects) {
    ScriptEngine engine;
    engine.AddCode(u"Dim Total\nTotal = 7\nConst Rate = 2\nSub Work()\nDim inner\nEnd Sub\n");
    engine.ExecuteStatement(u"implicitOne = \"x\"");
    std::map<std::string, std::string> seen;
    for (const vbs::VariableInfo& v : engine.Variables())
        seen[vbs::toUtf8(v.Name)] = (v.IsConstant ? "const " : "") + text(v.Value);
    EXPECT_EQ(seen, (std::map<std::string, std::string>{{"Total", "7"}, {"Rate", "const 2"}, {"implicitOne", "x"}}));
    engine.Reset();
    EXPECT_TRUE(engine.Variables().empty());
}

TEST(ScriptEngine, RunCallsByNameWithArgumentsByValue) {
    ScriptEngine engine;
    engine.AddCode(u"Function Scale(v, k)\n v = v * k\n Scale = v\nEnd Function\n");
    Variant r = engine.Run(u"scale", {Variant::integer(6), Variant::integer(7)});
    EXPECT_EQ(text(r), "42");
    vbs::ScriptError e = failure([&] { engine.Run(u"Scale", {Variant::integer(1)}); });
    EXPECT_EQ(e.number, 450);
    e = failure([&] { engine.Run(u"Missing"); });
    EXPECT_EQ(e.number, 35);
}

TEST(ScriptEngine, AddObjectWithAndWithoutMembersAsGlobals) {
    auto calc = vbs::makeHostObject(u"Calc");
    calc->property(u"Base", [](vbs::Args, Variant& r, vbs::CallContext&) {
        r = Variant::integer(100);
        return 0;
    });
    ScriptEngine plain;
    plain.AddObject(u"Calc", calc.get());
    EXPECT_EQ(text(plain.Eval(u"Calc.Base + 1")), "101");
    EXPECT_EQ(plain.Eval(u"Base").type(), vbs::VarType::Empty);  // not reachable bare

    ScriptEngine merged;
    merged.AddObject(u"Calc", calc.get(), true);
    EXPECT_EQ(text(merged.Eval(u"Base + 1")), "101");
    merged.AddCode(u"Function UseBase()\n UseBase = Base * 2\nEnd Function\n");
    EXPECT_EQ(text(merged.Eval(u"UseBase()")), "200");
}

TEST(ScriptEngine, ResetForgetsCodeVariablesAndObjects) {
    ScriptEngine engine;
    auto obj = vbs::makeHostObject(u"Thing");
    engine.AddObject(u"Thing", obj.get());
    engine.AddCode(u"Dim v\nv = 3\nSub P()\nEnd Sub\n");
    engine.Reset();
    EXPECT_TRUE(engine.Procedures().empty());
    EXPECT_EQ(engine.Eval(u"v").type(), vbs::VarType::Empty);
    EXPECT_EQ(engine.Eval(u"IsObject(Thing)").asBoolean(), false);
}

// Each engine keeps the locale its scripts chose, also while another one
// runs inside its call; Reset goes back to the default.
TEST(ScriptEngine, EachEngineKeepsItsOwnLocale) {
    ScriptEngine german, plain;
    german.ExecuteStatement(u"SetLocale 1031");
    EXPECT_EQ(text(german.Eval(u"CStr(1.5)")), "1,5");
    EXPECT_EQ(text(plain.Eval(u"CStr(1.5)")), "1.5");
    EXPECT_EQ(text(plain.Eval(u"GetLocale()")), "1033");

    auto host = vbs::makeHostObject(u"Inner");
    host->method(u"Text", [&](vbs::Args, Variant& result, vbs::CallContext&) {
        result = plain.Eval(u"CStr(2.5)");
        return 0;
    });
    german.AddObject(u"Inner", host.get());
    EXPECT_EQ(text(german.Eval(u"Inner.Text() & \"|\" & CStr(3.5)")), "2.5|3,5");

    german.Reset();
    EXPECT_EQ(text(german.Eval(u"CStr(1.5)")), "1.5");
}

TEST(ScriptEngine, LanguageIsVBScriptOnly) {
    ScriptEngine engine;
    EXPECT_EQ(vbs::toUtf8(engine.Language()), "VBScript");
    engine.SetLanguage(u"vbscript");
    vbs::ScriptError e = failure([&] { engine.SetLanguage(u"JScript"); });
    EXPECT_EQ(e.number, 5);
}

TEST(ScriptEngine, TimeoutStopsAnEndlessLoopEvenUnderResumeNext) {
    ScriptEngine engine;
    engine.SetTimeout(50);
    vbs::ScriptError e = failure([&] { engine.AddCode(u"On Error Resume Next\nDo\nx = x + 1\nLoop\n"); });
    EXPECT_EQ(e.number, 5050);
    EXPECT_EQ(vbs::toUtf8(e.description), "Script ran longer than its time limit");
    // The next call gets a fresh time budget.
    EXPECT_EQ(text(engine.Eval(u"1 + 1")), "2");
    e = failure([&] { engine.AddCode(u"Sub Spin()\nWhile True\nWend\nEnd Sub\nSpin\n"); });
    EXPECT_EQ(e.number, 5050);
}

// The poll runs while a script runs without a time limit; an Interrupt from
// it (or from a host object the script calls) stops the script untrappably,
// and the engine keeps what the script did.
TEST(ScriptEngine, PollSeesTheRunAndInterruptStopsIt) {
    ScriptEngine engine;
    engine.SetTimeout(0);
    std::vector<int64_t> seen;
    bool runningInPoll = false;
    engine.SetPoll([&](std::chrono::milliseconds running) {
        seen.push_back(running.count());
        runningInPoll = engine.Running();
        if (running.count() >= 30) engine.Interrupt();
    });
    vbs::ScriptError e = failure([&] { engine.ExecuteStatement(u"On Error Resume Next\nDo\nn = n + 1\nLoop\n"); });
    EXPECT_EQ(e.number, 5052);
    EXPECT_EQ(vbs::toUtf8(e.description), "Script interrupted by the user");
    ASSERT_GE(seen.size(), 2u);
    EXPECT_LE(seen.front(), seen.back());
    EXPECT_GE(seen.back(), 30);
    EXPECT_TRUE(runningInPoll);
    EXPECT_FALSE(engine.Running());
    EXPECT_GT(engine.Eval(u"n").asDouble(), 0);  // the variable stays, and the next call runs

    // Kept across Reset; an Interrupt between operations is forgotten.
    engine.Reset();
    engine.Interrupt();
    EXPECT_EQ(text(engine.Eval(u"1 + 1")), "2");
    seen.clear();
    e = failure([&] { engine.AddCode(u"Sub Spin()\nSpin2\nEnd Sub\nSub Spin2()\nEnd Sub\nDo\nSpin\nLoop\n"); });
    EXPECT_EQ(e.number, 5052);
    EXPECT_FALSE(seen.empty());
}

TEST(ScriptEngine, InterruptFromAHostCallStopsAtTheNextJump) {
    ScriptEngine engine;
    engine.SetTimeout(0);
    int calls = 0;
    vbs::HostObjectRef host = vbs::makeHostObject(u"Host");
    host->method(u"Stop", [&](vbs::Args, Variant&, vbs::CallContext&) -> int32_t {
        ++calls;
        EXPECT_FALSE(engine.Stopping());
        engine.Interrupt();
        EXPECT_TRUE(engine.Stopping());
        return 0;
    });
    engine.AddObject(u"Host", host.get());
    vbs::ScriptError e = failure([&] { engine.ExecuteStatement(u"Do\nHost.Stop\nLoop\n"); });
    EXPECT_EQ(e.number, 5052);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(engine.Stopping());
}

TEST(ScriptEngine, RunawayRecursionIsOutOfStackSpace) {
    ScriptEngine engine;
    engine.SetTimeout(0);
    vbs::ScriptError e = failure([&] { engine.AddCode(u"Function Down(n)\nDown = Down(n + 1)\nEnd Function\nDown 1\n"); });
    EXPECT_EQ(e.number, 28);
    // Deep but finite recursion is fine.
    engine.AddCode(u"Function Sum(n)\nIf n = 0 Then Sum = 0 Else Sum = n + Sum(n - 1)\nEnd Function\n");
    EXPECT_EQ(text(engine.Eval(u"Sum(1000)")), "500500");
}

// Global code of one operation takes hidden slots (a For's end and step, a
// With's object, Eval's result) that the operation before it gave back: in
// either mode, and whatever came first, every loop runs every pass.
TEST(ScriptEngine, LoopsAfterEarlierOperationsRunEveryPass) {
    const char16_t* before[] = {u"1", u"2+2", u"\"x\"", u"1 = 1"};
    for (bool plain : {false, true}) {
        for (const char16_t* first : before) {
            ScriptEngine engine;
            engine.SetPlain(plain);
            engine.ExecuteStatement(u"Class C\nPublic v\nEnd Class\nSet o = New C");
            engine.Eval(first);
            engine.ExecuteStatement(u"Ans = 4");
            engine.ExecuteStatement(
                u"t = 0: For k = 1 To 100: t = t + k: Next\n"
                u"For Each x In Array(1, 2, 3): Select Case x: Case 2: t = t + 20: End Select: Next\n"
                u"With o: .v = 7: For j = 10 To 1 Step -3: t = t + .v: Next: End With");
            EXPECT_EQ(text(engine.Eval(u"t")), "5098") << "plain " << plain << " after " << vbs::toUtf8(first);
        }
    }
}

// An allocation that fails deep inside a run (here a host member that
// throws) ends the operation with error 7 and leaves nothing behind: no
// call depth, no locked array, no stale operand.
TEST(ScriptEngine, AFailedAllocationLeavesNoTraceForTheNextOperation) {
    ScriptEngine engine;
    vbs::HostObjectRef host = vbs::makeHostObject(u"Host");
    host->method(u"Grow", [](vbs::Args, Variant&, vbs::CallContext&) -> int32_t { throw std::bad_alloc(); });
    engine.AddObject(u"Host", host.get());
    engine.AddCode(u"ReDim a(2)\nSub Deep(n, x)\nIf n > 0 Then Deep n - 1, x Else Host.Grow\nEnd Sub\n");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(failure([&] { engine.ExecuteStatement(u"Deep 5, a(1)"); }).number, 7);
    engine.ExecuteStatement(u"ReDim a(5)");  // not locked by the abandoned calls
    EXPECT_EQ(text(engine.Eval(u"UBound(a)")), "5");
    engine.AddCode(u"Function Sum(n)\nIf n = 0 Then Sum = 0 Else Sum = n + Sum(n - 1)\nEnd Function\n");
    EXPECT_EQ(text(engine.Eval(u"Sum(2490)")), "3101295");  // the full call depth is there again
}

TEST(ScriptEngine, HugeArraysFailWithoutCrashing) {
    ScriptEngine engine;
    vbs::ScriptError e = failure([&] { engine.AddCode(u"ReDim a(100000, 100000)\n"); });
    EXPECT_EQ(e.number, 7);
    e = failure([&] { engine.AddCode(u"ReDim a(2^31)\n"); });
    EXPECT_TRUE(e.number == 6 || e.number == 7) << e.number;
}

TEST(ScriptEngine, HostHooksServeMsgBoxAndInputBox) {
    ScriptEngine engine;
    vbs::ScriptError e = failure([&] { engine.Eval(u"MsgBox(\"hi\")"); });
    EXPECT_EQ(e.number, 5);
    std::u16string seenPrompt;
    vbs::HostHooks hooks;
    hooks.msgBox = [&](const std::u16string& prompt, int buttons, const std::u16string&) {
        seenPrompt = prompt;
        return buttons == 4 ? 6 : 1;  // vbYesNo -> vbYes
    };
    hooks.inputBox = [](const std::u16string&, const std::u16string&, const std::u16string& def, bool& cancelled) {
        cancelled = false;
        return def + u"!";
    };
    engine.SetHostHooks(hooks);
    EXPECT_EQ(text(engine.Eval(u"MsgBox(\"sure?\", 4)")), "6");
    EXPECT_EQ(vbs::toUtf8(seenPrompt), "sure?");
    EXPECT_EQ(text(engine.Eval(u"InputBox(\"name\", \"t\", \"bob\")")), "bob!");
}

TEST(ScriptEngine, ErrorsInsideExecuteAreReportedAtTheExecuteStatement) {
    ScriptEngine engine;
    vbs::ScriptError e = failure([&] { engine.AddCode(u"x = 1\nExecute \"y = 1\" & vbCrLf & \"z = 1 / 0\"\n"); });
    EXPECT_EQ(e.number, 11);
    EXPECT_EQ(e.line, 2);
}

}  // namespace

TEST(ScriptEngine, RegisteredObjectTypesServeCreateObjectAndOutlastReset) {
    ScriptEngine engine;
    int made = 0;
    engine.RegisterObjectType(u"Test.Counter", [&made](vbs::CallContext&, vbs::Variant& result) {
        auto* counter = new vbs::HostObject(u"Counter");
        result = vbs::Variant::object(counter);
        counter->property(u"Number", [n = ++made](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
            r = vbs::Variant::long_(n);
            return 0;
        });
        return 0;
    });
    engine.RegisterObjectType(u"Test.Refuses", [](vbs::CallContext& ctx, vbs::Variant&) {
        return ctx.fail(70, u"not for you");
    });
    EXPECT_EQ(text(engine.Eval(u"CreateObject(\"test.COUNTER\").Number")), "1");
    engine.Reset();
    EXPECT_EQ(text(engine.Eval(u"TypeName(CreateObject(\"Test.Counter\")) & CreateObject(\"Test.Counter\").Number")),
              "Counter3");
    vbs::ScriptError e = failure([&] { engine.Eval(u"CreateObject(\"Test.Refuses\")"); });
    EXPECT_EQ(e.number, 70);
    EXPECT_EQ(vbs::toUtf8(e.description), "not for you");
    EXPECT_EQ(failure([&] { engine.Eval(u"CreateObject(\"Test.Other\")"); }).number, 429);
}
