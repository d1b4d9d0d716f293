// Numbers to text and numeric text to numbers: the forms CStr and the
// arithmetic on strings depend on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/values/ops.h"
#include "engine/variant.h"

namespace {

using vbs::toUtf8;
using namespace vbs::ops;

struct DoubleText {
    double value;
    const char* text;
};

TEST(FormatDouble, FifteenSignificantDigitsAndExponentThresholds) {
    const DoubleText cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {1e15, "1E+15"},
        {999999999999999.0, "999999999999999"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {1e-6, "1E-06"},
        {-1.5e-7, "-1.5E-07"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {9007199254740992.0, "9.00719925474099E+15"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {9.2 * 100, "920"},
        {0.1 + 0.2, "0.3"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {-1234567890.125, "-1234567890.125"},
        // A 16th digit that is exactly a half rounds away from zero.
        {1e14 + 0.5, "100000000000001"},
        // ...but 4.88 in the 16th place, though it prints as 5 at 16 digits, rounds down.
        {1.0000000000000049, "1"},
        // Rounding that carries into a new leading digit moves the exponent.
        {999999999999999.9, "1E+15"},
        {0.00009999999999999999, "0.0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(formatDouble(c.value)), c.text) << c.text;
}

TEST(FormatSingle, SevenSignificantDigits) {
    const struct { float value; const char* text; } cases[] = {
        {1.0f / 3, "0.3333333"},
        {12345678.0f, "1.234568E+07"},
        {1e7f, "1E+07"},
        {9999999.0f, "9999999"},
        {0.00001f, "1E-05"},
        {3.4028235e38f, "3.402823E+38"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(formatSingle(c.value)), c.text) << c.text;
}

TEST(FormatCurrency, UpToFourDecimalsWithoutTrailingZeros) {
    const struct { int64_t scaled; const char* text; } cases[] = {
        {0, "0"},
        {12346, "1.2346"},
        {-5000, "-0.5"},
        {1, "0.0001"},
        {-1, "-0.0001"},
        {std::numeric_limits<int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(formatCurrency(c.scaled)), c.text) << c.text;
}

TEST(ParseNumber, AcceptedForms) {
    const struct { const char* text; double value; } cases[] = {
        {" 12 ", 12},
        {"-1.5", -1.5},
        {"5-", -5},
        {"(5)", -5},
        {"$5", 5},
        {"1,5", 15},
        {"1,234.5", 1234.5},
        {"1,5.3,2", 15.32},
        {"1,,5", 15},
        {"  -1,234.5e1 ", -12345},
        {"1.5e3", 1500},
        {"1.", 1},
        {".5", 0.5},
        {"&H10", 16},
        {"&HFFFF", 65535},
        {"&O17", 15},
    };
    for (const auto& c : cases) {
        double out = -999;
        EXPECT_TRUE(parseNumber(vbs::toU16(c.text), out)) << c.text;
        EXPECT_DOUBLE_EQ(out, c.value) << c.text;
    }
}

TEST(ParseNumber, RejectedForms) {
    const char* cases[] = {"", " ", "abc", "1e", "1 000", "&H", "&HG", "1.2.3", "--5", ".", "1e5x",
                           "12abc", ",5", "1d2", "1e400", "&HFFFFFFFF", "5-5"};
    for (const char* text : cases) {
        double out = 0;
        EXPECT_FALSE(parseNumber(vbs::toU16(text), out)) << text;
    }
}

// Every Double shown with 15 digits reads back within 15-digit precision:
// the two directions agree.
TEST(NumberText, FormatThenParseRoundTrips) {
    const double values[] = {1.0 / 7, -123.456, 6.02214076e23, 1.6e-19, 42, 0.0001, 99999.5};
    for (double v : values) {
        double back = 0;
        ASSERT_TRUE(parseNumber(formatDouble(v), back)) << v;
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
    }
}

}  // namespace
