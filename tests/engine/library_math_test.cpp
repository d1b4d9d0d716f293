// The maths built-ins: subtypes kept or changed, rounding, domain errors,
// Hex/Oct bit widths, and the Rnd sequence.
#include <gtest/gtest.h>

#include "library_test_support.h"

using namespace vbs;
using namespace vbs::testing;

namespace {

struct Case {
    const char16_t* name;
    std::vector<Variant> args;
    std::string expected;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(call(c.name, c.args), c.expected) << toUtf8(c.name) << " case expecting " << c.expected;
    }
}

TEST(LibraryMath, AbsKeepsTheSubtypeAndOverflowsAtTheNegativeLimit) {
    runCases({
        {u"Abs", {i16(-5)}, "Integer 5"},
        {u"Abs", {i32(-32768)}, "Long 32768"},
        {u"Abs", {i16(-32768)}, "error 6"},
        {u"Abs", {i32(INT32_MIN)}, "error 6"},
        {u"Abs", {dbl(-2.5)}, "Double 2.5"},
        {u"Abs", {Variant::currency(-12345)}, "Currency 1.2345"},
        {u"Abs", {str("-3")}, "Double 3"},
        {u"Abs", {Variant()}, "Integer 0"},
        {u"Abs", {Variant::boolean(true)}, "Integer 1"},
        {u"Abs", {Variant::null()}, "Null"},
        {u"Abs", {str("abc")}, "error 13"},
        {u"Abs", {dateOf(2000, 1, 1)}, "Date 1/1/2000"},
    });
}

TEST(LibraryMath, FixTruncatesAndIntFloors) {
    runCases({
        {u"Int", {dbl(-2.5)}, "Double -3"},
        {u"Fix", {dbl(-2.5)}, "Double -2"},
        {u"Int", {dbl(2.9)}, "Double 2"},
        {u"Fix", {dbl(-0.5)}, "Double 0"},
        {u"Int", {Variant::single(-1.5f)}, "Single -2"},
        {u"Int", {Variant::currency(-15000)}, "Currency -2"},
        {u"Fix", {Variant::currency(-15000)}, "Currency -1"},
        {u"Int", {i16(7)}, "Integer 7"},
        {u"Int", {str("3.7")}, "Double 3"},
        {u"Fix", {Variant::null()}, "Null"},
    });
}

TEST(LibraryMath, RoundIsHalfToEvenOnTheDecimalValue) {
    runCases({
        {u"Round", {dbl(2.5)}, "Double 2"},
        {u"Round", {dbl(3.5)}, "Double 4"},
        {u"Round", {dbl(0.5)}, "Double 0"},
        {u"Round", {dbl(-2.5)}, "Double -2"},
        {u"Round", {dbl(1.5)}, "Double 2"},
        {u"Round", {dbl(2.6)}, "Double 3"},
        {u"Round", {dbl(1.2345), i16(2)}, "Double 1.23"},
        {u"Round", {dbl(0.125), i16(2)}, "Double 0.12"},
        {u"Round", {dbl(0.135), i16(2)}, "Double 0.14"},
        {u"Round", {dbl(2.675), i16(2)}, "Double 2.68"},
        {u"Round", {dbl(9.995), i16(2)}, "Double 10"},
        {u"Round", {dbl(-0.4)}, "Double 0"},
        {u"Round", {dbl(123456.789), i16(10)}, "Double 123456.789"},
        {u"Round", {dbl(0.1), i32(2147483647)}, "Double 0.1"},
        {u"Round", {dbl(1e300), i16(2)}, "Double 1E+300"},
        {u"Round", {dbl(-1.23e-20), i16(25)}, "Double -1.23E-20"},
        {u"Round", {i16(7), i16(2)}, "Integer 7"},
        {u"Round", {Variant::currency(25000)}, "Currency 2"},
        {u"Round", {Variant::currency(35000)}, "Currency 4"},
        {u"Round", {Variant::currency(12355), i16(3)}, "Currency 1.236"},
        {u"Round", {str("2.5")}, "Double 2"},
        {u"Round", {dbl(1.5), i16(-1)}, "error 5"},
        {u"Round", {Variant::null()}, "Null"},
    });
}

TEST(LibraryMath, TranscendentalFunctionsCheckTheirDomain) {
    runCases({
        {u"Sqr", {i16(16)}, "Double 4"},
        {u"Sqr", {i16(-1)}, "error 5"},
        {u"Sqr", {Variant()}, "Double 0"},
        {u"Log", {i16(0)}, "error 5"},
        {u"Log", {i16(-3)}, "error 5"},
        {u"Log", {i16(1)}, "Double 0"},
        {u"Exp", {i16(0)}, "Double 1"},
        {u"Exp", {i16(710)}, "error 6"},
        {u"Exp", {dbl(709)}, "Double 8.21840746155497E+307"},
        {u"Atn", {i16(0)}, "Double 0"},
        {u"Cos", {i16(0)}, "Double 1"},
        {u"Sin", {Variant::null()}, "error 94"},
        {u"Sqr", {Variant::null()}, "error 94"},
        {u"Tan", {str("x")}, "error 13"},
    });
    Variant pi = callValue(u"Atn", {i16(1)});
    EXPECT_DOUBLE_EQ(pi.asDouble() * 4, 3.14159265358979323846);
}

TEST(LibraryMath, SgnAnswersAnIntegerAndRejectsNull) {
    runCases({
        {u"Sgn", {dbl(-0.1)}, "Integer -1"},
        {u"Sgn", {i16(0)}, "Integer 0"},
        {u"Sgn", {str("12")}, "Integer 1"},
        {u"Sgn", {Variant()}, "Integer 0"},
        {u"Sgn", {Variant::null()}, "error 94"},
    });
}

TEST(LibraryMath, HexAndOctShowSixteenBitsForIntegersAndThirtyTwoOtherwise) {
    runCases({
        {u"Hex", {i16(255)}, "String FF"},
        {u"Hex", {i16(-1)}, "String FFFF"},
        {u"Hex", {i32(-32768)}, "String FFFF8000"},
        {u"Hex", {i32(65536)}, "String 10000"},
        {u"Hex", {dbl(-1)}, "String FFFFFFFF"},
        {u"Hex", {dbl(2147483648.0)}, "error 6"},
        {u"Hex", {dbl(4294967295.0)}, "error 6"},
        {u"Hex", {dbl(10.5)}, "String A"},
        {u"Hex", {dbl(11.5)}, "String C"},
        {u"Hex", {Variant()}, "String 0"},
        {u"Hex", {Variant::null()}, "Null"},
        {u"Hex", {str("&H1F")}, "String 1F"},
        {u"Oct", {i16(8)}, "String 10"},
        {u"Oct", {i16(-1)}, "String 177777"},
        {u"Oct", {i16(-8)}, "String 177770"},
        {u"Oct", {i32(-1)}, "String 37777777777"},
    });
}

TEST(LibraryMath, RndFollowsTheTwentyFourBitSequence) {
    // A negative argument restarts a fixed sequence; Rnd(0) repeats the last.
    float first = callValue(u"Rnd", {i16(-1)}).asSingle();
    float second = callValue(u"Rnd").asSingle();
    EXPECT_EQ(callValue(u"Rnd", {i16(0)}).asSingle(), second);
    EXPECT_EQ(callValue(u"Rnd", {i16(-1)}).asSingle(), first);
    EXPECT_EQ(callValue(u"Rnd", {i16(5)}).asSingle(), second);

    // The next value follows from the previous by x' = (x * 1140671485 + 12820163) mod 2^24.
    uint32_t x = static_cast<uint32_t>(second * 16777216.0f);
    uint32_t next = (x * 1140671485u + 12820163u) & 0xFFFFFFu;
    EXPECT_EQ(callValue(u"Rnd").asSingle(), static_cast<float>(next) / 16777216.0f);

    for (int i = 0; i < 1000; ++i) {
        float r = callValue(u"Rnd").asSingle();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(LibraryMath, RandomizeWithTheSameSeedRepeatsTheSequence) {
    call(u"Rnd", {i16(-3)});
    call(u"Randomize", {i16(42)});
    float a = callValue(u"Rnd").asSingle();
    call(u"Rnd", {i16(-3)});
    call(u"Randomize", {i16(42)});
    EXPECT_EQ(callValue(u"Rnd").asSingle(), a);
    call(u"Rnd", {i16(-3)});
    call(u"Randomize", {i16(43)});
    EXPECT_NE(callValue(u"Rnd").asSingle(), a);
}

TEST(LibraryMath, ScriptInformationAndRgb) {
    runCases({
        {u"ScriptEngine", {}, "String VBScript"},
        {u"ScriptEngineMajorVersion", {}, "Long 5"},
        {u"ScriptEngineMinorVersion", {}, "Long 8"},
        {u"RGB", {i16(255), i16(0), i16(0)}, "Long 255"},
        {u"RGB", {i16(0), i16(0), i16(255)}, "Long 16711680"},
        {u"RGB", {i16(1), i16(2), i16(3)}, "Long 197121"},
        {u"RGB", {i16(300), i16(0), i16(0)}, "Long 255"},
        {u"RGB", {i16(-1), i16(0), i16(0)}, "error 5"},
    });
}

TEST(LibraryMath, SetLocaleAnswersThePreviousLocale) {
    EXPECT_EQ(call(u"GetLocale"), "Long 1033");
    EXPECT_EQ(call(u"SetLocale", {str("de-DE")}), "Long 1033");
    EXPECT_EQ(call(u"GetLocale"), "Long 1031");
    EXPECT_EQ(call(u"SetLocale", {i32(2057)}), "Long 1031");
    EXPECT_EQ(call(u"SetLocale", {str("xx-nowhere")}), "error 5");
    EXPECT_EQ(call(u"SetLocale", {i32(12345)}), "error 447");
    EXPECT_EQ(call(u"SetLocale", {i16(0)}), "Long 2057");
    EXPECT_EQ(call(u"GetLocale"), "Long 1033");
}

}  // namespace
