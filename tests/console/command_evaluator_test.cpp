// Evaluating input lines: the three kinds of command, their transcript
// lines, Ans, bracket filling and the text a numeric result is shown as.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "console/command_evaluator.h"
#include "console_fixture.h"
#include "engine/error_table.h"

namespace talvoro {
namespace {

using testing::Calculator;
using Lines = std::vector<std::u16string>;

std::string utf8(const std::u16string& s) { return vbs::toUtf8(s); }

// Whether a transcript line is an error line (its text is the engine's).
bool isErrorLine(const std::u16string& line) { return line.rfind(u"Error:", 0) == 0 && line.size() > 6; }

std::u16string ansText(Calculator& calc) {
    std::u16string text;
    EXPECT_EQ(resultText(calc.engine.Eval(u"Ans"), text), 0);
    return text;
}

// One row: the input lines typed in order on a fresh start, the transcript
// lines they add (an entry "Error" stands for any "Error:" line), and Ans
// afterwards.
struct Row {
    std::vector<std::u16string> typed;
    Lines added;
    std::u16string ans;
};

TEST(EvaluateInput, EdgeCaseRows) {
    const Row rows[] = {
        {{u"1+(2+(3"}, {u"1+(2+(3))", u"A:6"}, u"6"},
        {{u"2-(3+4"}, {u"2-(3+4)", u"A:-5"}, u"-5"},
        {{u"3/2"}, {u"3/2", u"A:1.5"}, u"1.5"},
        {{u"(1+2))"}, {u"Error"}, u"0"},
        {{u")1+2("}, {u")1+2(", u"Error"}, u"0"},
        {{u"!x=5"}, {u"E:x=5"}, u"0"},
        {{u"!x=5", u"$x & x"}, {u"E:x=5", u"S:x & x", u"A:55"}, u"0"},
        {{u"! x=1"}, {u"E: x=1"}, u"0"},
        {{u"   !x=1   "}, {u"E:x=1"}, u"0"},
        {{u"!"}, {u"E:"}, u"0"},
        {{u"$"}, {u"S:", u"Error"}, u"0"},
        {{u"3+3", u"Ans/2"}, {u"3+3", u"A:6", u"Ans/2", u"A:3"}, u"3"},
        {{u"\"a\" & \"b\""}, {u"\"a\" & \"b\"", u"Error"}, u"0"},
        {{u"$\"a\" & \"b\""}, {u"S:\"a\" & \"b\"", u"A:ab"}, u"0"},
        {{u"1+\r\n2"}, {u"1+2", u"A:3"}, u"3"},
        {{u"    "}, {u"", u"Error"}, u"0"},
        {{u"\"12\" & \"5\""}, {u"\"12\" & \"5\"", u"A:125"}, u"125"},
        {{u"4", u"1/0"}, {u"4", u"A:4", u"1/0", u"Error"}, u"4"},
        {{u"!y=2: z=1/0", u"y"}, {u"E:y=2: z=1/0", u"Error", u"y", u"A:2"}, u"2"},
        {{u"\t1 "}, {u"\t1", u"A:1"}, u"1"},
        // A script's locale changes what the script writes, never the answers.
        {{u"!SetLocale 1031", u"3/2", u"Ans/2"}, {u"E:SetLocale 1031", u"3/2", u"A:1.5", u"Ans/2", u"A:0.75"}, u"0.75"},
        {{u"!SetLocale \"fr\"", u"$1/4", u"$1/4 & \"\"", u"CDate(0.5)"},
         {u"E:SetLocale \"fr\"", u"S:1/4", u"A:0.25", u"S:1/4 & \"\"", u"A:0,25", u"CDate(0.5)", u"A:0.5"}, u"0.5"},
    };
    for (const Row& row : rows) {
        Calculator calc;
        Lines added;
        for (const auto& line : row.typed) {
            for (const auto& l : calc.enter(line)) added.push_back(l);
        }
        std::string context = utf8(row.typed.back());
        ASSERT_EQ(added.size(), row.added.size()) << context << ": got " << utf8(added.empty() ? u"" : added.back());
        for (size_t i = 0; i < added.size(); ++i) {
            if (row.added[i] == u"Error") EXPECT_TRUE(isErrorLine(added[i])) << context << ": " << utf8(added[i]);
            else EXPECT_EQ(utf8(added[i]), utf8(row.added[i])) << context;
        }
        EXPECT_EQ(utf8(ansText(calc)), utf8(row.ans)) << context;
    }
}

TEST(EvaluateInput, HistoryInputLineAndCaret) {
    Calculator calc;
    calc.enter(u"1+(2+(3");
    calc.enter(u"(1+2))");
    calc.enter(u"   ");
    EXPECT_EQ(calc.history.HistoryCount(), 3);
    EXPECT_EQ(calc.history.entry(2), u"1+(2+(3");  // as typed, before bracket filling
    EXPECT_EQ(calc.history.entry(1), u"(1+2))");   // failed lines can be recalled
    EXPECT_EQ(calc.history.entry(0), u"");
    EXPECT_EQ(calc.input.text(), u"");
    EXPECT_EQ(calc.input.caret, 0);
    EXPECT_EQ(calc.transcript.caretMovesToEnd, 3);  // once per line, errors included
}

TEST(EvaluateInput, ErrorLinesCarryTheDescription) {
    Calculator calc;
    EXPECT_EQ(calc.enter(u"(1+2))").back(), u"Error:" + vbs::toU16(vbs::errorText(vbs::err::InvalidProcCall)));
    EXPECT_EQ(calc.enter(u"\"abc\"").back(), u"Error:Type mismatch");
    EXPECT_EQ(calc.enter(u"Null").back(), u"Error:Invalid use of Null");
    EXPECT_EQ(calc.enter(u"1/0").back(), u"Error:Division by zero");
}

TEST(EvaluateInput, AFailedTextCommandKeepsPasstr) {
    Calculator calc;
    calc.enter(u"!x=5");
    calc.enter(u"$x & x");
    EXPECT_EQ(calc.passtr(), u"55");
    Lines failed = calc.enter(u"$1/0");
    EXPECT_EQ(failed.size(), 2u);
    EXPECT_EQ(calc.passtr(), u"55");
    EXPECT_EQ(calc.enter(u"$1/4"), (Lines{u"S:1/4", u"A:0.25"}));
}

TEST(EvaluateInput, ScriptOutputLandsBetweenEchoAndAnswer) {
    Calculator calc;
    calc.engine.AddCode(u"Function Twice(n)\r\nMainForm.OPrint \"doubling \" & n\r\nTwice = 2 * n\r\nEnd Function\r\n");
    EXPECT_EQ(calc.enter(u"Twice(Twice(1)"), (Lines{u"Twice(Twice(1))", u"doubling 1", u"doubling 2", u"A:4"}));
}

TEST(EvaluateInput, MainFormFillsBracketsOfAScriptVariable) {
    Calculator calc;
    calc.enter(u"!s = \"f(g(1\": MainForm.FillBrackets s");
    EXPECT_EQ(calc.enter(u"$s"), (Lines{u"S:s", u"A:f(g(1))"}));
    Lines failed = calc.enter(u"!t = \"1)\": MainForm.FillBrackets t");
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_TRUE(isErrorLine(failed[1]));
}

TEST(FillBrackets, ClosesOpenBrackets) {
    struct Case {
        std::u16string text, filled;
    };
    const Case cases[] = {
        {u"", u""},
        {u"1+2", u"1+2"},
        {u"1+(2+(3", u"1+(2+(3))"},
        {u"((", u"(())"},
        {u")(", u")("},                  // counted, not matched
        {u"\"(\" & x", u"\"(\" & x)"},   // brackets in quoted text count too
        {u"f(1)+g(2", u"f(1)+g(2)"},
    };
    for (const Case& c : cases) {
        std::u16string text = c.text;
        EXPECT_EQ(FillBrackets(text), 0) << utf8(c.text);
        EXPECT_EQ(utf8(text), utf8(c.filled));
    }
    std::u16string tooMany = u"(1+2))";
    EXPECT_EQ(FillBrackets(tooMany), vbs::err::InvalidProcCall);
    EXPECT_EQ(tooMany, u"(1+2))");
}

TEST(CommandText, JoinsPastedLinesAndTrimsSpacesOnly) {
    struct Case {
        std::u16string raw, command;
    };
    const Case cases[] = {
        {u"  !x=1  ", u"!x=1"},      {u"1+\r\n2", u"1+2"},  {u"1\r2", u"1\r2"},
        {u"1\n2", u"1\n2"},          {u"\t1\t", u"\t1\t"},  {u"\r\n", u""},
        {u" \r\n 1 \r\n", u"1"},     {u"\r\r\n\n", u"\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8(commandText(c.raw)), utf8(c.command)) << utf8(c.raw);
}

// Expressions whose values are awkward to show, their texts, and the check
// that "Ans=" + text reads each back to a value with the same text.
TEST(ResultText, AwkwardNumbersShowAndReadBack) {
    struct Case {
        std::u16string expression, shown;
    };
    const Case cases[] = {
        {u"10^15", u"1E+15"},
        {u"10^-5", u"1E-05"},
        {u"CDbl(0) * -1", u"0"},
        {u"1/3", u"0.333333333333333"},
        {u"0.1+0.2", u"0.3"},
        {u"2^53+1", u"9.00719925474099E+15"},
        {u"-2/3", u"-0.666666666666667"},
        {u"123456789012345", u"123456789012345"},
        {u"1E+300*1E+5/1E+5", u"1E+300"},
        {u"True", u"True"},
        {u"1=2", u"False"},
        {u"Empty", u"0"},
        {u"CByte(200)", u"200"},
        {u"CInt(-7)", u"-7"},
        {u"CLng(65536)*2", u"131072"},
        {u"CCur(12.5)", u"12.5"},
        {u"CSng(1.1)", u"1.1"},
        {u"CDate(45000.5)", u"45000.5"},
        {u"\" 12 \"", u"12"},
        {u"\"1E3\"", u"1000"},
    };
    for (const Case& c : cases) {
        Calculator calc;
        Lines lines = calc.enter(c.expression);
        ASSERT_EQ(lines.size(), 2u) << utf8(c.expression) << ": " << utf8(lines.back());
        EXPECT_EQ(utf8(lines[1]), "A:" + utf8(c.shown)) << utf8(c.expression);
        // Ans holds the value as shown, re-read by the engine.
        EXPECT_EQ(utf8(ansText(calc)), utf8(c.shown)) << utf8(c.expression);
    }
}

TEST(ResultText, ValuesThatAreNoNumbers) {
    std::u16string text = u"unchanged";
    EXPECT_EQ(resultText(vbs::Variant::null(), text), vbs::err::InvalidUseOfNull);
    EXPECT_EQ(resultText(vbs::Variant::string(std::u16string(u"abc")), text), vbs::err::TypeMismatch);
    EXPECT_EQ(resultText(vbs::Variant::string(std::u16string()), text), vbs::err::TypeMismatch);
    EXPECT_EQ(resultText(vbs::Variant::nothing(), text), vbs::err::ObjectVariableNotSet);
    EXPECT_EQ(text, u"unchanged");
    EXPECT_EQ(resultText(vbs::Variant::double_(-0.0), text), 0);
    EXPECT_EQ(text, u"0");
}

}  // namespace
}  // namespace talvoro
