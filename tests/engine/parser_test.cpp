// The parser: tree shapes (through the S-expression printer), the error
// record, and the nesting limit. The numbers and positions of syntax errors
// are the table in compile_errors_test.cpp.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ast_printer.h"
#include "engine/error_table.h"
#include "engine/syntax/parser.h"

namespace vbs {
namespace {

using testing::narrow;

std::u16string widen(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

// The printed tree of a script, or "error N at L:C" if it does not parse.
std::string parsed(std::string_view source) {
    ParseResult r = parse(widen(source), ParseMode::Statements);
    if (!r.program) {
        return "error " + std::to_string(r.error.number) + " at " + std::to_string(r.error.line) + ":" +
               std::to_string(r.error.column);
    }
    return testing::print(r.program->statements);
}

std::string evaluated(std::string_view source) {
    ParseResult r = parse(widen(source), ParseMode::Expression);
    if (!r.program) return "error " + std::to_string(r.error.number);
    return testing::print(r.program->expression.get());
}

int errorOf(std::string_view source, ParseMode mode = ParseMode::Statements) {
    return parse(widen(source), mode).error.number;
}

struct Case {
    const char* source;
    const char* expected;
};

void expectAll(std::initializer_list<Case> cases, std::string (*run)(std::string_view)) {
    for (const Case& c : cases) EXPECT_EQ(run(c.source), c.expected) << "source: " << c.source;
}

TEST(ParserExpressions, PrecedenceFollowsVBScriptsTable) {
    expectAll({
        {"-2^2", "(^ (neg 2) 2)"},          // unary minus binds tighter than ^
        {"2^-2", "(^ 2 (neg 2))"},
        {"2^3^2", "(^ (^ 2 3) 2)"},          // ^ is left-associative
        {"1+2*3", "(+ 1 (* 2 3))"},
        {"a\\b*c", "(\\ a (* b c))"},        // * and / above \ ...
        {"a Mod b\\c", "(mod a (\\ b c))"},  // ... above Mod ...
        {"a+b Mod c", "(+ a (mod b c))"},    // ... above + and -
        {"1-2-3", "(- (- 1 2) 3)"},
        {"a & b + c", "(& a (+ b c))"},
        {"a = b & c", "(= a (& b c))"},
        {"a < b = c", "(= (< a b) c)"},      // comparisons share one level
        {"a Is Nothing", "(is a Nothing)"},
        {"Not a = b", "(not (= a b))"},
        {"Not a And b", "(and (not a) b)"},
        {"Not Not a", "(not (not a))"},
        {"Not x Is Nothing", "(not (is x Nothing))"},
        {"a Or b And c", "(or a (and b c))"},
        {"a Xor b Or c", "(xor a (or b c))"},
        {"a Eqv b Xor c", "(eqv a (xor b c))"},
        {"a Imp b Eqv c", "(imp a (eqv b c))"},
        {"a Imp b Imp c", "(imp (imp a b) c)"},
        {"- - 1", "(neg (neg 1))"},
        {"a - -b", "(- a (neg b))"},
        {"2 * +3", "(* 2 (pos 3))"},
        {"-a.b(1)", "(neg (call (. a b) 1))"},
        {"(1 + 2) * 3", "(* (paren (+ 1 2)) 3)"},
        {"a AND b oR c", "(or (and a b) c)"},  // keywords in any case
    }, evaluated);
}

TEST(ParserExpressions, OperandsAndChains) {
    expectAll({
        {"a.b(1).c", "(. (call (. a b) 1) c)"},
        {"a(1)(2)", "(call (call a 1) 2)"},
        {"f(1, , 3)", "(call f 1 missing 3)"},
        {"f(,)", "(call f missing missing)"},
        {"f()", "(call f)"},
        {"f (1)", "(call f 1)"},
        {"obj.Type + x.Class + d.Item(1)", "(+ (+ (. obj Type) (. x Class)) (call (. d Item) 1))"},
        {"rs.Next & e.End & o.Rem", "(& (& (. rs Next) (. e End)) (. o Rem))"},
        {"New Foo", "(new Foo)"},
        {"Me.x", "(. Me x)"},
        {"True Or False", "(or True False)"},
        {"IsNull(Null) = Empty", "(= (call IsNull Null) Empty)"},
        {"[my var] + 1", "(+ my var 1)"},
        {"(New C).p + (New C)(5)", "(+ (. (paren (new C)) p) (call (paren (new C)) 5))"},
        {"a = Not b And c", "(and (= a (not b)) c)"},
        {"1 + _\n 2", "(+ 1 2)"},
    }, evaluated);
}

TEST(ParserExpressions, EvalModeTakesExactlyOneExpression) {
    EXPECT_EQ(evaluated("x = 1"), "(= x 1)");  // in Eval `=` compares
    EXPECT_EQ(evaluated("1 + 1\n"), "(+ 1 1)");
    EXPECT_EQ(errorOf("", ParseMode::Expression), err::ExpectedExpression);
    EXPECT_EQ(errorOf("   ", ParseMode::Expression), err::ExpectedExpression);
    EXPECT_EQ(errorOf("1 2", ParseMode::Expression), err::ExpectedEndOfStatement);
    EXPECT_EQ(errorOf("x = 1 : y = 2", ParseMode::Expression), err::ExpectedEndOfStatement);
    EXPECT_EQ(errorOf("1 +", ParseMode::Expression), err::ExpectedExpression);
    EXPECT_EQ(evaluated("a =< b"), "(<= a b)");  // old spellings of <=, >=, <>
    EXPECT_EQ(evaluated("a => b >< c"), "(<> (>= a b) c)");
}

TEST(ParserStatements, AssignmentsAndSet) {
    expectAll({
        {"x = 5", "[(assign x 5)]"},
        {"x(1) = e", "[(assign (call x 1) e)]"},
        {"obj.p = 1 = 2", "[(assign (. obj p) (= 1 2))]"},  // the second = compares
        {"obj.p(1, 2) = 3", "[(assign (call (. obj p) 1 2) 3)]"},
        {"Set x = New C", "[(set x (new C))]"},
        {"Set o.child = Nothing", "[(set (. o child) Nothing)]"},
        {"Me.v = 1", "[(assign (. Me v) 1)]"},
        {"x=5", "[(assign x 5)]"},
    }, parsed);
}

TEST(ParserStatements, CallsWithAndWithoutParentheses) {
    expectAll({
        {"f", "[(do f)]"},
        {"f a, b", "[(do (call f a b))]"},
        {"f (a)", "[(do (call f (paren a)))]"},   // one argument, passed by value
        {"f(a)", "[(do (call f (paren a)))]"},
        {"f (a), b", "[(do (call f (paren a) b))]"},
        {"f (a) + 1, b", "[(do (call f (+ (paren a) 1) b))]"},
        {"f (a) - 1", "[(do (call f (- (paren a) 1)))]"},
        {"f -1", "[(do (call f (neg 1)))]"},
        {"f , 2", "[(do (call f missing 2))]"},
        {"f()", "[(do (call f))]"},
        {"obj.m a", "[(do (call (. obj m) a))]"},
        {"obj.m", "[(do (. obj m))]"},
        {"Err.Raise 5", "[(do (call (. Err Raise) 5))]"},
        {"Call f(a, b)", "[(Call (call f a b))]"},
        {"Call f", "[(Call f)]"},
        {"f g(1), 2", "[(do (call f (call g 1) 2))]"},
        {"f(1) x", "[(do (call (call f 1) x))]"},   // calls what f(1) returns
        {"a.b(1).c 2", "[(do (call (. (call (. a b) 1) c) 2))]"},
    }, parsed);
}

TEST(ParserStatements, Declarations) {
    expectAll({
        {"Dim a, b(3), c()", "[(dim a b(3) c())]"},
        {"Dim m(2, 3)", "[(dim m(2,3))]"},
        {"Public x, y(1)", "[(public dim x y(1))]"},
        {"Private z", "[(private dim z)]"},
        {"ReDim a(n), b(x, y)", "[(redim a(n) b(x,y))]"},
        {"ReDim Preserve a(UBound(a) + 1)", "[(redim preserve a((+ (call UBound a) 1)))]"},
        {"Erase a, b", "[(erase a b)]"},
        {"Const a = 1, b = \"x\"", "[(const a=1 b=\"x\")]"},
        {"Const n = -5, m = (+2)", "[(const n=(neg 5) m=(paren (pos 2)))]"},
        {"Public Const k = True", "[(public const k=True)]"},
        {"Private Const p = 1.5", "[(private const p=1.5D)]"},
        {"Option Explicit\nDim a", "[(option-explicit) (dim a)]"},
    }, parsed);
    EXPECT_TRUE(parse(u"Option Explicit", ParseMode::Statements).program->optionExplicit);
}

TEST(ParserStatements, IfInAllItsForms) {
    expectAll({
        {"If a Then\n x = 1\nElseIf b Then\n x = 2\nElse\n x = 3\nEnd If",
         "[(if a [(assign x 1)] b [(assign x 2)] else [(assign x 3)])]"},
        {"If a Then x = 1: y = 2 Else z = 3: w = 4",
         "[(if a [(assign x 1) (assign y 2)] else [(assign z 3) (assign w 4)])]"},
        {"If a Then f", "[(if a [(do f)])]"},
        {"If a Then If b Then c Else d", "[(if a [(if b [(do c)] else [(do d)])])]"},
        {"If a Then ' note\n x = 1\nEnd If", "[(if a [(assign x 1)])]"},
        {"If a Then\nElse\nEnd If", "[(if a [] else [])]"},
        {"If a Then x = 1: End If", "[(if a [(assign x 1)])]"},
    }, parsed);
}

TEST(ParserStatements, SelectCase) {
    EXPECT_EQ(parsed("Select Case x\n Case 1, 2\n  a\n Case \"s\": b\n Case Else\n  c\nEnd Select"),
              "[(select x (case 1 2 [(do a)]) (case \"s\" [(do b)]) else [(do c)])]");
    EXPECT_EQ(parsed("Select Case x\n' only a comment\nEnd Select"), "[(select x)]");
    EXPECT_EQ(parsed("Select Case x\nCase 1 a b\nEnd Select"), "[(select x (case 1 [(do (call a b))]))]");
}

TEST(ParserStatements, Loops) {
    expectAll({
        {"For i = 1 To 10 Step -2\n s = s + i\nNext", "[(for i 1 10 (neg 2) [(assign s (+ s i))])]"},
        {"For i = a To b: Next i", "[(for i a b _ [])]"},
        {"For Each x In c\n f x\nNext", "[(foreach x c [(do (call f x))])]"},
        {"Do While x < 3\n x = x + 1\nLoop", "[(do-while (< x 3) [(assign x (+ x 1))])]"},
        {"Do Until x\nLoop", "[(do-until x [])]"},
        {"Do\nLoop While x", "[(do-loop-while x [])]"},
        {"Do\nLoop Until x", "[(do-loop-until x [])]"},
        {"Do\n Exit Do\nLoop", "[(do [(exit do)])]"},
        {"While x\n Wend", "[(while x [])]"},
        {"For i = 1 To 2\n Do\n  Exit For\n Loop\nNext", "[(for i 1 2 _ [(do [(exit for)])])]"},
    }, parsed);
}

TEST(ParserStatements, WithOnErrorAndTheRest) {
    expectAll({
        {"With obj\n .a = 1\n .m 2, .b\n x = .c.d\nEnd With",
         "[(with obj [(assign (. _ a) 1) (do (call (. _ m) 2 (. _ b))) (assign x (. (. _ c) d))])]"},
        {"On Error Resume Next\nOn Error GoTo 0", "[(on-error-resume-next) (on-error-goto-0)]"},
        {"Stop", "[(stop)]"},
        {"Rem a comment\nx = 1 ' another", "[(assign x 1)]"},
        {"x = 1: : y = 2:", "[(assign x 1) (assign y 2)]"},
        {"\n\n  \r\n", "[]"},
        {"a = 1\rb = 2\r\nc = 3", "[(assign a 1) (assign b 2) (assign c 3)]"},
    }, parsed);
}

TEST(ParserProcedures, SubsFunctionsAndProperties) {
    expectAll({
        {"Sub s\nEnd Sub", "[(sub s () [])]"},
        {"Function f(ByVal a, ByRef b, c())\n f = a\nEnd Function",
         "[(function f (byval a b c()) [(assign f a)])]"},
        {"Private Sub p(): Exit Sub: End Sub", "[(private sub p () [(exit sub)])]"},
        {"Public Function g: Exit Function: End Function", "[(public function g () [(exit function)])]"},
        {"Function f() f = 1 End Function", "[(function f () [(assign f 1)])]"},
        {"Property = 1: Property(2) = 3", "[(assign Property 1) (assign (call Property 2) 3)]"},
    }, parsed);
    ParseResult r = parse(u"Sub s\n x = 1\nEnd Sub", ParseMode::Statements);
    ASSERT_TRUE(r.program);
    EXPECT_EQ(static_cast<ast::ProcedureStmt*>(r.program->statements[0].get())->endLine, 3);
}

TEST(ParserProcedures, Classes) {
    const char* source =
        "Class Account\n"
        "  Private balance_, log_()\n"
        "  Public Owner\n"
        "  Dim count\n"
        "  Private Sub Class_Initialize(): balance_ = 0: End Sub\n"
        "  Public Default Property Get Balance: Balance = balance_: End Property\n"
        "  Public Property Let Balance(v): balance_ = v: End Property\n"
        "  Property Set Link(o): Set link_ = o: Exit Property: End Property\n"
        "  Function Add(n): Add = n: End Function\n"
        "End Class\n";
    EXPECT_EQ(parsed(source),
              "[(class Account (private dim balance_ log_()) (public dim Owner) (dim count)"
              " (private sub Class_Initialize () [(assign balance_ 0)])"
              " (public default get Balance () [(assign Balance balance_)])"
              " (public let Balance (v) [(assign balance_ v)])"
              " (set Link (o) [(set link_ o) (exit property)])"
              " (function Add (n) [(assign Add n)]))]");
}

// Names declared twice are errors (compile_errors_test.cpp); these are not.
TEST(ParserErrors, NamesThatMayBeDeclaredAgain) {
    // Different scopes, and the accessors of one property, may share a name.
    EXPECT_EQ(errorOf("Dim x\nSub f(x)\n Dim y\nEnd Sub\nSub g\n Dim y\nEnd Sub"), 0);
    EXPECT_EQ(errorOf("Class C\n Property Get p\n End Property\n Property Let p(v)\n End Property\n"
                      " Property Set p(v)\n End Property\nEnd Class\nDim p"),
              0);
    EXPECT_EQ(errorOf("Dim a()\nReDim a(3)\nReDim Preserve a(4)"), 0);
}

TEST(ParserErrors, ErrorRecordCarriesSourceTextAndLine) {
    ParseResult r = parse(u"a = 1\r\nb = 1 2\r\nc = 3", ParseMode::Statements);
    EXPECT_FALSE(r.program);
    EXPECT_EQ(r.error.number, err::ExpectedEndOfStatement);
    EXPECT_EQ(narrow(r.error.description), "Expected end of statement");
    EXPECT_EQ(narrow(r.error.source), "Microsoft VBScript compilation error");
    EXPECT_EQ(narrow(r.error.text), "b = 1 2");
    EXPECT_EQ(r.error.line, 2);
    EXPECT_EQ(r.error.column, 7);

    // The first error in the text wins, even when the lexer met a bad
    // character further on.
    EXPECT_EQ(parsed("x = (1\ny = $"), "error 1006 at 1:7");
    EXPECT_EQ(parsed("x = 1\ny = $"), "error 1032 at 2:5");
}

// Deep nesting ends in error 1001 instead of exhausting the stack; ordinary
// depths still parse.
TEST(ParserLimits, DeepNestingIsAnErrorNotACrash) {
    auto repeat = [](std::string_view piece, int times) {
        std::string out;
        for (int i = 0; i < times; ++i) out += piece;
        return out;
    };
    const int huge = 10000;
    EXPECT_EQ(errorOf("x = " + repeat("(", huge) + "1" + repeat(")", huge)), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("x = " + repeat("- ", huge) + "1"), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("x = " + repeat("Not ", huge) + "1"), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("x = " + repeat("a(", huge) + "1" + repeat(")", huge)), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("x = 1" + repeat(" + 1", 100000)), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("x = a" + repeat(".b", 100000)), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf("ReDim a" + repeat(".b", 100000) + "(1)"), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf(repeat("If a Then\n", huge) + repeat("End If\n", huge)), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf(repeat("If a Then ", huge) + "x"), err::SyntaxOutOfMemory);
    EXPECT_EQ(errorOf(repeat("(", huge) + "1", ParseMode::Expression), err::SyntaxOutOfMemory);

    const int fine = 100;
    EXPECT_EQ(errorOf("x = " + repeat("(", fine) + "1" + repeat(")", fine)), 0);
    EXPECT_EQ(errorOf(repeat("Do\n", fine) + repeat("Loop\n", fine)), 0);
    EXPECT_EQ(errorOf("x = 1" + repeat(" & 1", fine)), 0);
}

// Random input must end in a compilation error or a tree, never a crash.
TEST(ParserLimits, RandomInputNeverCrashes) {
    std::mt19937 random(20261207);
    const std::u16string pieces[] = {u"If ", u"Then", u"Else", u"End ", u"Sub ", u"(", u")", u"\"", u"x",
                                     u" = ", u",", u".", u":", u"\n", u"For ", u"Next", u"Do", u"Loop",
                                     u"&H", u"#", u"[", u"_\n", u"1", u"-", u"Class ", u"Set ", u"'"};
    for (int round = 0; round < 2000; ++round) {
        std::u16string text;
        int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            if (round % 2)
                text += static_cast<char16_t>(random() % 128);
            else
                text += pieces[random() % std::size(pieces)];
        }
        for (ParseMode mode : {ParseMode::Statements, ParseMode::Expression}) {
            ParseResult r = parse(text, mode);
            if (r.program) continue;
            EXPECT_TRUE(isCompileError(r.error.number)) << r.error.number << " for " << narrow(text);
            EXPECT_GE(r.error.line, 1);
            EXPECT_GE(r.error.column, 1);
        }
    }
}

}  // namespace
}  // namespace vbs
