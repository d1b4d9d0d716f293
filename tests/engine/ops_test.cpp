// The operators: result values, result subtypes and error numbers, written
// as "Subtype value" the way TypeName and CStr would show them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/values/ops.h"
#include "engine/variant.h"

namespace {

using vbs::Variant;
using vbs::VarType;
using namespace vbs::ops;

Variant I(int16_t x) { return Variant::integer(x); }
Variant L(int32_t x) { return Variant::long_(x); }
Variant D(double x) { return Variant::double_(x); }
Variant Sg(float x) { return Variant::single(x); }
Variant By(uint8_t x) { return Variant::byte(x); }
Variant B(bool x) { return Variant::boolean(x); }
Variant Cy(double amount) { return Variant::currency(std::llround(amount * 10000)); }
Variant Dt(double days) { return Variant::date(days); }
Variant S(const char* s) { return Variant::fromUtf8(s); }
Variant E() { return Variant(); }
Variant N() { return Variant::null(); }

const char* typeName(VarType t) {
    switch (t) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Boolean: return "Boolean";
    case VarType::Byte: return "Byte";
    default: return "Other";
    }
}

// "Integer 3", "String 105", "Null", "error 13".
std::string describe(int32_t error, const Variant& v) {
    if (error != 0) return "error " + std::to_string(error);
    if (v.isNull() || v.isEmpty()) return typeName(v.type());
    std::u16string text;
    if (toString(v, text) != 0) return "unprintable";
    return std::string(typeName(v.type())) + " " + vbs::toUtf8(text);
}

using BinaryOp = int32_t (*)(const Variant&, const Variant&, Variant&);

struct BinaryCase {
    const char* source;  // what the case stands for, as a script would write it
    BinaryOp op;
    Variant a, b;
    const char* expected;
};

void runBinaryCases(const std::vector<BinaryCase>& cases) {
    for (const auto& c : cases) {
        Variant out = S("stale");
        int32_t e = c.op(c.a, c.b, out);
        EXPECT_EQ(describe(e, out), c.expected) << c.source;
    }
}

TEST(OpsArithmetic, IntegerSubtypesWidenOnOverflow) {
    runBinaryCases({
        {"32767 + 1", add, I(32767), I(1), "Long 32768"},
        {"CInt(-32768) - 1", subtract, I(-32768), I(1), "Long -32769"},
        {"2147483647 + 1", add, L(2147483647), I(1), "Double 2147483648"},
        {"100000 * 100000", multiply, L(100000), L(100000), "Double 10000000000"},
        {"CByte(200) + CByte(100)", add, By(200), By(100), "Integer 300"},
        {"CByte(1) - CByte(2)", subtract, By(1), By(2), "Integer -1"},
        {"CByte(10) * CByte(20)", multiply, By(10), By(20), "Byte 200"},
        {"CByte(200) * CByte(200)", multiply, By(200), By(200), "Long 40000"},
        {"True + True", add, B(true), B(true), "Integer -2"},
        {"True * True", multiply, B(true), B(true), "Integer 1"},
    });
}

TEST(OpsArithmetic, FloatingCurrencyAndDateSubtypes) {
    runBinaryCases({
        {"CSng(1.5) + 1", add, Sg(1.5f), I(1), "Single 2.5"},
        {"CSng(1.5) + 1.5", add, Sg(1.5f), D(1.5), "Double 3"},
        {"CSng(1) + CLng(2)", add, Sg(1), L(2), "Double 3"},
        {"CSng(2^127) * 4", multiply, Sg(1.70141183e38f), I(4), "Double 6.80564733841877E+38"},
        {"CCur(5) + 2.5", add, Cy(5), D(2.5), "Currency 7.5"},
        {"CCur(5) * 2.5", multiply, Cy(5), D(2.5), "Double 12.5"},
        {"CCur(1) * CSng(2)", multiply, Cy(1), Sg(2), "Double 2"},
        {"CCur(2.5) * CCur(0.5)", multiply, Cy(2.5), Cy(0.5), "Currency 1.25"},
        {"CCur(0.0001) * CCur(0.5)", multiply, Cy(0.0001), Cy(0.5), "Currency 0"},
        {"CCur(0.0003) * CCur(0.5)", multiply, Cy(0.0003), Cy(0.5), "Currency 0.0002"},
        {"CCur(922337203685477) + 1", add, Cy(922337203685477.0), I(1), "error 6"},
        {"#1/2/2020# + 1", add, Dt(43832), I(1), "Date 1/3/2020"},
        {"#1/1/2000# - #1/1/1999#", subtract, Dt(36526), Dt(36161), "Double 365"},
        {"#1/1/2000# * 2", multiply, Dt(36526), I(2), "Double 73052"},
        {"CDate(1) + CCur(1)", add, Dt(1), Cy(1), "Date 1/1/1900"},
        {"#1/1/2000# + #1/1/2000#", add, Dt(36526), Dt(36526), "Date 1/2/2100"},
        {"\"1\" + #1/1/2000#", add, S("1"), Dt(36526), "Date 1/2/2000"},
        {"CCur(1) - #1/1/2000#", subtract, Cy(1), Dt(36526), "Date 12/29/1799"},
        {"CCur(1) + CSng(1)", add, Cy(1), Sg(1), "Currency 2"},
        {"CByte(1) * CSng(2)", multiply, By(1), Sg(2), "Single 2"},
        {"CDate(1) + CSng(0.5)", add, Dt(1), Sg(0.5f), "Date 12/31/1899 12:00:00 PM"},
        {"#1/1/9999# + 1E6", add, Dt(2958101), D(1e6), "error 6"},
        {"1E308 * 10", multiply, D(1e308), I(10), "error 6"},
    });
}

TEST(OpsArithmetic, TextEmptyAndNullOperands) {
    runBinaryCases({
        {"\"10\" + 5", add, S("10"), I(5), "Double 15"},
        {"\"10\" - \"3\"", subtract, S("10"), S("3"), "Double 7"},
        {"\"10\" + \"5\"", add, S("10"), S("5"), "String 105"},
        {"\"a\" + 1", add, S("a"), I(1), "error 13"},
        {"\"\" + 1", add, S(""), I(1), "error 13"},
        {"\"1e400\" + 1", add, S("1e400"), I(1), "error 6"},
        {"1 + Empty", add, I(1), E(), "Integer 1"},
        {"Empty + Empty", add, E(), E(), "Integer 0"},
        {"Empty + CByte(1)", add, E(), By(1), "Byte 1"},
        {"Empty + True", add, E(), B(true), "Integer -1"},
        {"\"5\" + Empty", add, S("5"), E(), "String 5"},
        {"Empty + \"x\"", add, E(), S("x"), "String x"},
        {"Empty - \"5\"", subtract, E(), S("5"), "Double -5"},
        {"1 + Null", add, I(1), N(), "Null"},
        {"Null * \"a\"", multiply, N(), S("a"), "Null"},
    });
}

TEST(OpsArithmetic, Division) {
    runBinaryCases({
        {"1 / 3", divide, I(1), I(3), "Double 0.333333333333333"},
        {"1 / 0", divide, I(1), I(0), "error 11"},
        {"1 / Empty", divide, I(1), E(), "error 11"},
        {"0 / 0", divide, I(0), I(0), "error 6"},
        {"CSng(1) / CSng(3)", divide, Sg(1), Sg(3), "Single 0.3333333"},
        {"CByte(1) / CSng(4)", divide, By(1), Sg(4), "Single 0.25"},
        {"CSng(1) / CLng(2)", divide, Sg(1), L(2), "Double 0.5"},
        {"CCur(5) / 2", divide, Cy(5), I(2), "Double 2.5"},
        {"1E308 / 1E-10", divide, D(1e308), D(1e-10), "error 6"},
    });
}

TEST(OpsArithmetic, IntegerDivisionAndModRoundOperandsFirst) {
    runBinaryCases({
        {"7 \\ 2", intDivide, I(7), I(2), "Integer 3"},
        {"7.9 \\ 2", intDivide, D(7.9), I(2), "Long 4"},
        {"2.5 \\ 1", intDivide, D(2.5), I(1), "Long 2"},
        {"\"7\" \\ 2", intDivide, S("7"), I(2), "Long 3"},
        {"CByte(5) \\ CByte(2)", intDivide, By(5), By(2), "Byte 2"},
        {"Empty \\ 1", intDivide, E(), I(1), "Integer 0"},
        {"CInt(-32768) \\ -1", intDivide, I(-32768), I(-1), "Long 32768"},
        {"1 \\ 0", intDivide, I(1), I(0), "error 11"},
        {"1 \\ 0.4", intDivide, I(1), D(0.4), "error 11"},
        {"1 \\ 3E9", intDivide, I(1), D(3e9), "error 6"},
        {"Null \\ 1", intDivide, N(), I(1), "Null"},
        {"-7 Mod 3", modulo, I(-7), I(3), "Integer -1"},
        {"7 Mod -3", modulo, I(7), I(-3), "Integer 1"},
        {"5.5 Mod 2", modulo, D(5.5), I(2), "Long 0"},
        {"CByte(7) Mod CByte(4)", modulo, By(7), By(4), "Byte 3"},
        {"CInt(7) Mod CByte(4)", modulo, I(7), By(4), "Integer 3"},
        {"5 Mod 0", modulo, I(5), I(0), "error 11"},
    });
}

TEST(OpsArithmetic, PowerIsAlwaysDouble) {
    runBinaryCases({
        {"2 ^ 10", power, I(2), I(10), "Double 1024"},
        {"\"2\" ^ 2", power, S("2"), I(2), "Double 4"},
        {"(-8) ^ 3", power, I(-8), I(3), "Double -512"},
        {"(-8) ^ (1/3)", power, I(-8), D(1.0 / 3), "error 5"},
        {"0 ^ -1", power, I(0), I(-1), "error 5"},
        {"2 ^ 1024", power, I(2), I(1024), "error 6"},
    });
}

TEST(OpsConcat, ConvertsBothSidesToText) {
    runBinaryCases({
        {"\"10\" & 5", concat, S("10"), I(5), "String 105"},
        {"1E+20 & -0.000001", concat, D(1e20), D(-0.000001), "String 1E+20-1E-06"},
        {"\"x\" & Null", concat, S("x"), N(), "String x"},
        {"Null & Null", concat, N(), N(), "Null"},
        {"Empty & Empty", concat, E(), E(), "String "},
        {"CCur(1.5) & #1/2/2020#", concat, Cy(1.5), Dt(43832), "String 1.51/2/2020"},
    });
}

struct UnaryCase {
    const char* source;
    Variant a;
    const char* expected;
};

TEST(OpsUnarySigns, NegateWidensAndKeepsDatesAndText) {
    const UnaryCase cases[] = {
        {"-CInt(-32768)", I(-32768), "Long 32768"},
        {"-CLng(-2147483648)", L(INT32_MIN), "Double 2147483648"},
        {"-CByte(5)", By(5), "Integer -5"},
        {"-True", B(true), "Integer 1"},
        {"-Empty", E(), "Integer 0"},
        {"-\"5\"", S("5"), "Double -5"},
        {"-\"x\"", S("x"), "error 13"},
        {"-CCur(2.5)", Cy(2.5), "Currency -2.5"},
        {"-#1/2/1900#", Dt(3), "Date 12/27/1899"},
    };
    for (const auto& c : cases) {
        Variant out;
        int32_t e = negate(c.a, out);
        EXPECT_EQ(describe(e, out), c.expected) << c.source;
    }
    Variant out;
    EXPECT_EQ(negate(Variant::currency(INT64_MIN), out), 6);
}

// The result may be written over one of the operands, as the interpreter
// does with `x = x + 1` on its stack.
TEST(OpsArithmetic, ResultMayAliasAnOperand) {
    Variant x = S("ab");
    ASSERT_EQ(concat(x, x, x), 0);
    EXPECT_EQ(describe(0, x), "String abab");
    Variant n = I(32767);
    ASSERT_EQ(add(n, n, n), 0);
    EXPECT_EQ(describe(0, n), "Long 65534");
}

// ---- comparison -------------------------------------------------------------

struct CompareCase {
    const char* source;
    CompareOp op;
    Variant a, b;
    bool aLiteral, bLiteral;
    const char* expected;
};

TEST(OpsCompare, NumbersTextEmptyAndNull) {
    using enum CompareOp;
    const CompareCase cases[] = {
        {"CCur(1.5) = 1.5", Equal, Cy(1.5), D(1.5), false, false, "Boolean True"},
        {"CSng(0.1) = 0.1", Equal, Sg(0.1f), D(0.1), false, false, "Boolean True"},
        {"0.1 + 0.2 = 0.3", Equal, D(0.1 + 0.2), D(0.3), false, false, "Boolean False"},
        {"#1/2/2020# = 43832", Equal, Dt(43832), L(43832), false, false, "Boolean True"},
        {"CByte(255) > -1", Greater, By(255), I(-1), false, false, "Boolean True"},
        {"Null = Null", Equal, N(), N(), false, false, "Null"},
        {"Empty = 0", Equal, E(), I(0), false, false, "Boolean True"},
        {"Empty = \"\"", Equal, E(), S(""), false, false, "Boolean True"},
        {"Empty = False", Equal, E(), B(false), false, false, "Boolean True"},
        {"Empty < \"a\"", Less, E(), S("a"), false, false, "Boolean True"},
        {"\"a\" = \"A\"", Equal, S("a"), S("A"), false, false, "Boolean False"},
        {"\"a\" < \"B\" (binary)", Less, S("a"), S("B"), false, false, "Boolean False"},
        {"\"Z\" < \"a\"", Less, S("Z"), S("a"), false, false, "Boolean True"},
        {"\"10\" < \"9\"", Less, S("10"), S("9"), false, false, "Boolean True"},
        {"2 <> 3", NotEqual, I(2), I(3), false, false, "Boolean True"},
        {"3 >= 3", GreaterEqual, I(3), I(3), false, false, "Boolean True"},
    };
    for (const auto& c : cases) {
        Variant out;
        int32_t e = compare(c.op, c.a, c.b, out, c.aLiteral, c.bLiteral);
        EXPECT_EQ(describe(e, out), c.expected) << c.source;
    }
}

// A number meets a text: with a numeric literal the text is read as a
// number; a literal text meets a computed number's text; between variables
// the text is always the greater.
TEST(OpsCompare, NumberAgainstTextDependsOnLiterals) {
    using enum CompareOp;
    const CompareCase cases[] = {
        {"10 < \"9\" (literals)", Less, I(10), S("9"), true, true, "Boolean False"},
        {"\"10\" < 100 (literals)", Less, S("10"), I(100), true, true, "Boolean True"},
        {"\"42\" = 42 (literals)", Equal, S("42"), I(42), true, true, "Boolean True"},
        {"n < \"9\" (number literal only)", Less, I(10), S("9"), true, false, "Boolean False"},
        {"\"abc\" = 5 (literals)", Equal, S("abc"), I(5), true, true, "error 13"},
        {"n < s (variables 10, \"9\")", Less, I(10), S("9"), false, false, "Boolean True"},
        {"s > n (variables \"1\", 5)", Greater, S("1"), I(5), false, false, "Boolean True"},
        {"\"abc\" = n (variable 5)", Equal, S("abc"), I(5), true, false, "Boolean False"},
        {"\"9\" < n (variable 10, as text)", Less, S("9"), I(10), true, false, "Boolean False"},
        {"\"010\" = n (variable 10, as text)", Equal, S("010"), D(10), true, false, "Boolean False"},
        {"\"True\" = True", Equal, S("True"), B(true), true, true, "Boolean True"},
        {"b = \"False\" (b False)", Equal, B(false), S("False"), false, true, "Boolean True"},
        {"b = s (True, \"True\")", Equal, B(true), S("True"), false, false, "Boolean False"},
        {"#1/2/2020# = \"1/2/2020\"", Equal, Dt(43832), S("1/2/2020"), true, true, "Boolean True"},
    };
    for (const auto& c : cases) {
        Variant out;
        int32_t e = compare(c.op, c.a, c.b, out, c.aLiteral, c.bLiteral);
        EXPECT_EQ(describe(e, out), c.expected) << c.source;
    }
}

TEST(OpsCompare, ThreeWayOrder) {
    const struct { Variant a, b; bool text; int32_t error; int order; } cases[] = {
        {I(1), I(2), false, 0, -1},
        {S("abc"), S("ABC"), false, 0, 1},
        {S("abc"), S("ABC"), true, 0, 0},
        {S("\xC3\xA9"), S("\xC3\x89"), true, 0, 0},  // é and É
        {S("a"), S("B"), true, 0, -1},
        {S("x"), I(5), false, 0, 1},
        {E(), I(0), false, 0, 0},
        {N(), I(0), false, 94, 0},
    };
    for (const auto& c : cases) {
        int order = 99;
        int32_t e = compareOrder(c.a, c.b, order, c.text);
        EXPECT_EQ(e, c.error);
        if (e == 0) {
            EXPECT_EQ(order, c.order) << describe(0, c.a) << " vs " << describe(0, c.b);
        }
    }
}

// ---- logic ------------------------------------------------------------------

TEST(OpsLogic, BitwiseKeepsTheOperandType) {
    runBinaryCases({
        {"5 And 3", logicalAnd, I(5), I(3), "Integer 1"},
        {"True And True", logicalAnd, B(true), B(true), "Boolean True"},
        {"True And 5", logicalAnd, B(true), I(5), "Integer 5"},
        {"True Eqv False", logicalEqv, B(true), B(false), "Boolean False"},
        {"CByte(5) Xor CByte(3)", logicalXor, By(5), By(3), "Byte 6"},
        {"CByte(1) Or True", logicalOr, By(1), B(true), "Integer -1"},
        {"5 Or 2.5", logicalOr, I(5), D(2.5), "Long 7"},
        {"6 Eqv 3", logicalEqv, I(6), I(3), "Integer -6"},
        {"6 Imp 3", logicalImp, I(6), I(3), "Integer -5"},
        {"\"True\" And True", logicalAnd, S("True"), B(true), "Boolean True"},
        {"\"5\" And 3", logicalAnd, S("5"), I(3), "Long 1"},
        {"\"abc\" And 1", logicalAnd, S("abc"), I(1), "error 13"},
        {"2147483648 And 1", logicalAnd, D(2147483648.0), I(1), "error 6"},
    });
}

TEST(OpsLogic, NullIsUnknownUnlessTheOtherSideDecides) {
    runBinaryCases({
        {"True And Null", logicalAnd, B(true), N(), "Null"},
        {"False And Null", logicalAnd, B(false), N(), "Boolean False"},
        {"Null And False", logicalAnd, N(), B(false), "Boolean False"},
        {"Null And 0", logicalAnd, N(), I(0), "Integer 0"},
        {"True Or Null", logicalOr, B(true), N(), "Boolean True"},
        {"False Or Null", logicalOr, B(false), N(), "Null"},
        {"True Xor Null", logicalXor, B(true), N(), "Null"},
        {"Null Eqv False", logicalEqv, N(), B(false), "Null"},
        {"False Imp Null", logicalImp, B(false), N(), "Boolean True"},
        {"True Imp Null", logicalImp, B(true), N(), "Null"},
        {"CByte(170) Imp Null", logicalImp, By(170), N(), "Byte 85"},
        {"Null Imp True", logicalImp, N(), B(true), "Boolean True"},
        {"Null Imp False", logicalImp, N(), B(false), "Null"},
        {"Null And \"x\"", logicalAnd, N(), S("x"), "error 13"},
    });
}

TEST(OpsLogic, Not) {
    const UnaryCase cases[] = {
        {"Not 5", I(5), "Integer -6"},
        {"Not CByte(5)", By(5), "Byte 250"},
        {"Not Empty", E(), "Long -1"},
        {"Not Null", N(), "Null"},
        {"Not \"False\"", S("False"), "Boolean True"},
        {"Not CCur(1)", Cy(1), "Long -2"},
        {"Not 2147483647.5", D(2147483647.5), "error 6"},
        {"Not -2147483648.5", D(-2147483648.5), "Long 2147483647"},
    };
    for (const auto& c : cases) {
        Variant out;
        int32_t e = logicalNot(c.a, out);
        EXPECT_EQ(describe(e, out), c.expected) << c.source;
    }
}

}  // namespace
