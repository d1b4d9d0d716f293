// Compile errors as Windows reports them: for each invalid script the error
// number, line and column (from 1, counted in UTF-16 units, a tab is one).
// The scripts go through AddCode, so errors the compiler finds after the
// parser count too. Grouped by the construct that is wrong.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "engine/script_engine.h"

namespace {

struct Invalid {
    const char* source;
    int number, line, column;
};

// A name of 256 characters is one too many.
const std::string kLongName = "x = 1\nDim " + std::string(256, 'a');

const Invalid kLexical[] = {
    {"x = 1 ? 2", 1032, 1, 7},
    {"x = 1 $ 2", 1032, 1, 7},
    {"x = (1\ny = $", 1006, 1, 7},  // the first error in the text, not the lexer's
    {"x = Gr\xc3\xb6\xc3\x9f" "e", 1032, 1, 7},  // a name with a non-ASCII letter
    {"x = \"abc", 1033, 1, 9},                     // where the line ends
    {"x = \"abc ' note", 1033, 1, 16},
    {"x = 1\r\ny = \"ab\r\nz = 2", 1033, 2, 8},
    {"s = \"a\" & \"b\ny = 1", 1033, 1, 13},
    {"x = 1e", 1031, 1, 5},
    {"x = 11e9999", 1031, 1, 12},  // too large: after the literal
    {"x = 1e999", 1031, 1, 10},
    {"x = 11e99999999999999999999", 1031, 1, 28},  // an exponent past any integer type
    {"x = 0.000001e99999999999999999999", 1031, 1, 34},
    {"x = &H100000000", 1031, 1, 5},
    {"x = [abc", 1007, 1, 9},
    {"\tx = 1 2", 1025, 1, 8},
    {kLongName.c_str(), 1030, 2, 261},  // just past the name
    {"x = 1 _x", 1032, 1, 8},            // a `_` continuing no line: what follows it
};

const Invalid kSimpleStatements[] = {
    {"x = 1 2", 1025, 1, 7},
    {"Dim x = 5", 1025, 1, 7},
    {"x = 1 Dim y", 1025, 1, 7},
    {"Dim x As Integer", 1025, 1, 7},  // habits from other Basics
    {"x = \"a\" \"b\"", 1025, 1, 9},
    {"Call f x", 1025, 1, 8},
    {"x = ", 1023, 1, 5},
    {"x = 1 +", 1023, 1, 8},
    {"x = 1 + * 2", 1023, 1, 9},
    {"x = Not", 1023, 1, 8},
    {"x = ()", 1023, 1, 6},
    {"x = 1 ' fine\ny = )", 1023, 2, 5},
    {"MainForm.passtr=", 1023, 1, 17},
    {"x = (1 + 2", 1006, 1, 11},
    {"x = (1, 2)", 1006, 1, 7},
    {"x = f(1, 2", 1006, 1, 11},
    {"x = a(1", 1006, 1, 8},
    {"5 * 4", 1024, 1, 1},
    {"\"text\"", 1024, 1, 1},
    {"5 = x", 1024, 1, 1},
    {"Dim 5", 1010, 1, 5},
    {"Dim x,", 1010, 1, 7},
    {"Const x = 1,", 1010, 1, 13},
    {"x = a.b.", 1010, 1, 9},
    {"x = a.", 1010, 1, 7},
    {"x = a..b", 1010, 1, 7},
    {"x = New 5", 1010, 1, 9},
    {"Call 5", 1010, 1, 6},
    {"Set x 5", 1011, 1, 7},
    {"Set x", 1011, 1, 6},
    {"Const a 1", 1011, 1, 9},
    {"Const a = b", 1045, 1, 11},
    {"Const a = 1 + 2", 1045, 1, 16},  // where the expression ends
    {"Const x = 1 + \"a\"", 1045, 1, 18},
    {"Const a = 1 2", 1025, 1, 13},
    {"Dim a(n)", 1026, 1, 7},
    {"Dim a(1,)", 1026, 1, 9},
    {"ReDim a", 1005, 1, 8},
    {"On Error GoTo Handler", 1002, 1, 15},
    {"On Error Resume", 1002, 1, 16},
    {"On Error", 1002, 1, 9},
    {"Option Strict", 1002, 1, 8},
    {"x = 1\nOption Explicit", 1024, 2, 1},
    {"Sub s\n Option Explicit\nEnd Sub", 1024, 2, 2},
    {"Const", 1010, 1, 6},
    {"ReDim", 1010, 1, 6},
    {"Call", 1010, 1, 5},
    {"Dim x, , y", 1010, 1, 8},
    {"Set x = New", 1010, 1, 12},
    {"Set x =", 1023, 1, 8},
    {"x = a(1,", 1023, 1, 9},
    {"x = Array(1, 2", 1006, 1, 15},
    {"Dim x(2\nx = 1", 1006, 1, 8},
    {"Randomize 1 2", 1025, 1, 13},
    {"x.y.z 1 2", 1025, 1, 9},
    {"Me = 1", 1037, 1, 1},
    {"f(1, 2)", 1044, 1, 8},  // one past the closing bracket
    {"strcomp(\"x\", \"y\")", 1044, 1, 18},
    {"  obj.m(1, 2)", 1044, 1, 14},
    {"f (1, 2), 3", 1044, 1, 9},
    {"f(,)", 1044, 1, 5},
};

const Invalid kBlocks[] = {
    {"If x = 1\n y\nEnd If", 1017, 1, 9},
    {"If x Then\n y = 1\n", 1014, 3, 1},
    {"If x Then\n y = 1\nEnd Sub", 1012, 3, 5},
    {"If a Then For i = 1 To 2: Next", 1024, 1, 11},
    {"If a Then b = 1 Else End If", 1024, 1, 22},  // Else needs a statement
    {"If a Then\n x = 0 End If", 1042, 2, 8},
    {"If a Then\nElseIf b Then\n x = 0 End If", 1042, 3, 8},
    {"If False Then\nx = 0\nElse End If", 1024, 3, 6},
    {"Select Case x\nCase 1\n x = True End Select", 1042, 3, 11},
    {"While x\n x = 0 Wend", 1025, 2, 8},
    {"While x\n x = 0 End While", 1024, 2, 8},
    {"Do\n x = 0 Loop While False", 1025, 2, 8},
    {"Do\n x = 0 Loop Until True", 1025, 2, 8},
    {"Class C End Class", 1024, 1, 9},
    {"Class C _\nEnd Class", 1024, 2, 1},
    {"x = 1 End If", 1042, 1, 7},
    {"End If", 1024, 1, 1},
    {"Else", 1024, 1, 1},
    {"ElseIf x Then", 1024, 1, 1},
    {"Select x\nEnd Select", 1021, 1, 8},
    {"Select Case\nEnd Select", 1023, 1, 12},
    {"Select Case x\n y = 1\nEnd Select", 1021, 2, 2},
    {"Select Case x\nCase\nEnd Select", 1023, 2, 5},
    {"Select Case x\nCase 1\nEnd If", 1022, 3, 5},
    {"Select Case x\nCase 1\n", 1014, 3, 1},
    {"Select Case x\nCase Else\nCase 1\nEnd Select", 1014, 3, 1},  // Case Else comes last
    {"If x Then\nElse\nElse\nEnd If", 1014, 3, 1},
    {"Case 1", 1024, 1, 1},
    {"For i = 1 To 3\n x = i\n", 1020, 3, 1},
    {"For i = 1 3\nNext", 1013, 1, 11},
    {"For i 1 To 3\nNext", 1011, 1, 7},
    {"For i = 1 To 2 Step\nNext", 1023, 1, 20},
    {"For i = To 3\nNext", 1023, 1, 9},
    {"For Each x c\nNext", 1046, 1, 12},
    {"For 5 = 1 To 2\nNext", 1040, 1, 5},
    {"x = 1\nFor x.y = 1 To 3\nNext", 1040, 2, 9},  // after the whole target
    {"x = 1\nFor Each x.y In Array(1)\nNext", 1040, 2, 14},
    {"For i = 1 To 2\n x = i Next", 1042, 2, 8},
    {"For i = 1 To 2\n If i Then x = i Next", 1042, 2, 18},
    {"x = 1\nNext", 1055, 2, 1},
    {"Do\n x = 1", 1019, 2, 7},
    {"Do x\nLoop", 1028, 1, 4},
    {"Do While\nLoop", 1023, 1, 9},
    {"Do Until\nLoop", 1023, 1, 9},
    {"Do\nLoop While", 1023, 2, 11},
    {"Do While x Until y\nLoop", 1025, 1, 12},
    {"Do While a\nLoop Until b", 1025, 2, 6},
    {"Do\nLoop Until x y", 1025, 2, 14},
    {"Do\n x = 1 Loop", 1025, 2, 8},
    {"Loop", 1038, 1, 1},
    {"While x\n y", 1018, 2, 3},
    {"While x\n y\nEnd While", 1018, 3, 1},
    {"Wend", 1024, 1, 1},
    {"With obj\n .a = 1\n", 1014, 3, 1},
    {"With obj\nEnd Sub", 1029, 2, 5},
    {"With\nEnd With", 1023, 1, 5},
    {"Exit Do", 1039, 1, 6},  // at the word after Exit
    {"Exit Loop", 1039, 1, 6},
    {"Exit", 1039, 1, 5},
    {"For i = 1 To 2\n Exit Do\nNext", 1039, 2, 7},
    {"Function f\n Exit Sub\nEnd Function", 1039, 2, 7},
    {"Sub s\n Exit Property\nEnd Sub", 1039, 2, 7},
    {"Sub s\n Exit Function\nEnd Sub", 1039, 2, 7},
};

const Invalid kProcedures[] = {
    {"Sub s\n x = 1\n", 1014, 3, 1},
    {"Sub s\n x = 1", 1014, 2, 7},
    {"Sub s\nEnd Function", 1016, 2, 5},
    {"Function f\nEnd Sub", 1015, 2, 5},
    {"Function f(a) f = a End Sub", 1015, 1, 25},
    {"Sub s()\nEnd Sub x", 1025, 2, 9},
    {"Sub f() 5\nEnd Sub", 1024, 1, 9},
    {"Sub 5\nEnd Sub", 1010, 1, 5},
    {"Sub s(a b)\nEnd Sub", 1006, 1, 9},
    {"Sub s(a\nEnd Sub", 1006, 1, 8},
    {"Function f(a,)\nEnd Function", 1010, 1, 14},
    {"Sub s(ByRef)\nEnd Sub", 1010, 1, 12},
    {"Public Sub\nEnd Sub", 1010, 1, 11},
    {"Sub s\n Private Sub t\n End Sub\nEnd Sub", 1024, 2, 2},
    {"Sub s\n Sub t\n End Sub\nEnd Sub", 1024, 2, 2},
    {"Sub x)\nEnd Sub", 1005, 1, 6},
    {"Property Get x\nEnd Property", 1048, 1, 10},
    {"Public Default Function f\nEnd Function", 1048, 1, 8},
};

// Name redefined points at the second declaration's name.
const Invalid kNames[] = {
    {"Dim x\nDim x", 1041, 2, 5},
    {"Dim a, b, A", 1041, 1, 11},
    {"Const c = 1\nDim c", 1041, 2, 5},
    {"Dim x\nIf c Then\n Const x = 1\nEnd If", 1041, 3, 8},
    {"Sub f\nEnd Sub\nDim F", 1041, 3, 5},
    {"Dim f\nSub f\nEnd Sub", 1041, 2, 5},
    {"Sub f(a, b, a)\nEnd Sub", 1041, 1, 13},
    {"Sub s(ByVal a, ByVal a)\nEnd Sub", 1041, 1, 22},
    {"Sub f(a)\n Dim a\nEnd Sub", 1041, 2, 6},
    {"Sub s\n Dim v\n Dim v\nEnd Sub", 1041, 3, 6},
    {"Class C\nEnd Class\nDim c", 1041, 3, 5},
    {"Class C\n Dim v\n Public V\nEnd Class", 1041, 3, 9},
    {"Class C\n Dim p\n Property Get p\n End Property\nEnd Class", 1041, 3, 15},
    {"Class C\n Sub p\n End Sub\n Dim p\nEnd Class", 1041, 4, 6},  // in the order written
    {"Class C\n Property Get p\n End Property\n Property Get p\n End Property\nEnd Class", 1041, 4, 15},
};

const Invalid kClasses[] = {
    {"Class 5\nEnd Class", 1010, 1, 7},
    {"Class\nEnd Class", 1010, 1, 6},
    {"Class C\n Public\nEnd Class", 1010, 2, 8},
    {"Class C\n Public Function\n End Function\nEnd Class", 1010, 2, 17},
    {"Class C D\nEnd Class", 1025, 1, 9},
    {"Class C\n x = 1\nEnd Class", 1024, 2, 2},
    {"Class C\n Const k = 1\nEnd Class", 1024, 2, 2},
    {"Class C\n Class D\n End Class\nEnd Class", 1024, 2, 2},
    {"Class C\n Dim a\n", 1014, 3, 1},
    {"Class C\nEnd Sub", 1047, 2, 5},
    {"Class C\n Property x\n End Property\nEnd Class", 1049, 2, 11},
    {"Class C\n Property Get p\n End Sub\nEnd Class", 1050, 3, 6},
    {"Class C\n Property Let x\n End Property\nEnd Class", 1054, 2, 16},
    {"Class C\n Property Set x()\n End Property\nEnd Class", 1054, 2, 18},
    // 1051 and 1053 point after the arguments.
    {"Class C\n Property Get p(a)\n End Property\n Property Let p(v)\n End Property\nEnd Class", 1051, 4, 19},
    {"Class C\n Property Set p(a, v)\n End Property\n Property Get p\n End Property\nEnd Class", 1051, 4, 16},
    {"Class C\nPublic x\nProperty Get P\nEnd Property\nProperty Let P(a, b)\nEnd Property\nEnd Class", 1051, 5, 21},
    {"Class C\n Sub Class_Terminate(a)\n End Sub\nEnd Class", 1053, 2, 24},
    {"Class C\nSub Class_Initialize(x)\nEnd Sub\nEnd Class", 1053, 2, 24},
    {"Class C\nSub Class_Terminate(x)\nEnd Sub\nEnd Class", 1053, 2, 23},
    {"Class C\n Sub S\n    Set Me = Nothing\n End Sub\nEnd Class", 1037, 3, 12},
    {"Class C\n Public Default x\nEnd Class", 1056, 2, 17},
    {"Class C\n Private Default Function f\n End Function\nEnd Class", 1057, 2, 10},
    {"Class C\nDefault Private Function f()\nEnd Function\nEnd Class", 1057, 2, 1},
    {"Class C\n Public Default Property Let x(v)\n End Property\nEnd Class", 1058, 2, 26},
    // A second default: at the word after Default.
    {"Class C\n Public Default Sub a\n End Sub\n Public Default Sub b\n End Sub\nEnd Class", 1052, 4, 17},
    {"Class C\nPublic Default Function F()\nEnd Function\nDim v\n  Public Default Function G()\n  End Function\nEnd Class",
     1052, 5, 18},
};

std::u16string utf16(const char* utf8) {
    return vbs::toU16(std::string(utf8));
}

void expectAll(const char* group, const Invalid* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Invalid& c = cases[i];
        vbs::ScriptEngine engine;
        vbs::ScriptError got;
        try {
            engine.AddCode(utf16(c.source));
        } catch (const vbs::ScriptException& e) {
            got = e.error();
        }
        EXPECT_TRUE(got.number == c.number && got.line == c.line && got.column == c.column)
            << group << ": " << c.source << "\n  expected " << c.number << " at " << c.line << ":" << c.column
            << ", got " << got.number << " at " << got.line << ":" << got.column;
    }
}

#define EXPECT_ALL(table) expectAll(#table, table, std::size(table))

TEST(CompileErrors, Lexical) { EXPECT_ALL(kLexical); }
TEST(CompileErrors, SimpleStatements) { EXPECT_ALL(kSimpleStatements); }
TEST(CompileErrors, Blocks) { EXPECT_ALL(kBlocks); }
TEST(CompileErrors, Procedures) { EXPECT_ALL(kProcedures); }
TEST(CompileErrors, Names) { EXPECT_ALL(kNames); }
TEST(CompileErrors, Classes) { EXPECT_ALL(kClasses); }

TEST(CompileErrors, RecordCarriesWindowsTexts) {
    vbs::ScriptEngine engine;
    try {
        engine.AddCode(u"x = 1\nIf a Then\n y = 1 End If\n");
        FAIL() << "no compile error";
    } catch (const vbs::ScriptException& e) {
        EXPECT_EQ(vbs::toUtf8(e.error().description), "Must be first statement on the line");
        EXPECT_EQ(vbs::toUtf8(e.error().source), "Microsoft VBScript compilation error");
        EXPECT_EQ(vbs::toUtf8(e.error().text), " y = 1 End If");
    }
}

}  // namespace

