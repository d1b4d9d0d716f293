// The conversion functions behind CBool, CByte, CInt, CLng, CSng, CDbl,
// CCur, CDate and CStr: rounding, range errors, text input, Null and Empty.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/values/ops.h"
#include "engine/variant.h"

namespace {

using vbs::Variant;
using namespace vbs::ops;

Variant I(int16_t x) { return Variant::integer(x); }
Variant D(double x) { return Variant::double_(x); }
Variant S(const char* s) { return Variant::fromUtf8(s); }
Variant Cy(int64_t scaled) { return Variant::currency(scaled); }

// One input and what a conversion makes of it: a value, or an error number.
template <typename T>
struct ConversionCase {
    const char* source;
    Variant input;
    int32_t error;
    T value;
};

template <typename T>
void runConversion(int32_t (*convert)(const Variant&, T&), const std::vector<ConversionCase<T>>& cases) {
    for (const auto& c : cases) {
        T out{};
        int32_t e = convert(c.input, out);
        EXPECT_EQ(e, c.error) << c.source;
        if (e == 0 && c.error == 0) {
            EXPECT_EQ(out, c.value) << c.source;
        }
    }
}

TEST(ToInteger, RoundsHalfToEvenAndChecksRange) {
    runConversion<int16_t>(toInteger, {
        {"CInt(2.5)", D(2.5), 0, 2},
        {"CInt(3.5)", D(3.5), 0, 4},
        {"CInt(-2.5)", D(-2.5), 0, -2},
        {"CInt(\"3.5\")", S("3.5"), 0, 4},
        {"CInt(CCur(2.5))", Cy(25000), 0, 2},
        {"CInt(CCur(-2.5001))", Cy(-25001), 0, -3},
        {"CInt(True)", Variant::boolean(true), 0, -1},
        {"CInt(32767.5)", D(32767.5), 6, 0},
        {"CInt(-32768.5)", D(-32768.5), 0, -32768},
        {"CInt(32768)", Variant::long_(32768), 6, 0},
        {"CInt(Null)", Variant::null(), 94, 0},
    });
}

TEST(ToLong, RoundsHalfToEvenAndChecksRange) {
    runConversion<int32_t>(toLong, {
        {"CLng(-3.5)", D(-3.5), 0, -4},
        {"CLng(2147483647.5)", D(2147483647.5), 6, 0},
        {"CLng(-2147483648.5)", D(-2147483648.5), 0, INT32_MIN},
        {"CLng(\"2147483648\")", S("2147483648"), 6, 0},
        {"CLng(\"&HFFFF\")", S("&HFFFF"), 0, 65535},
        {"CLng(\"1,000\")", S("1,000"), 0, 1000},
        {"CLng(#1/2/2020 18:00#)", Variant::date(43832.75), 0, 43833},
    });
}

TEST(ToByte, RangeIsZeroTo255AfterRounding) {
    runConversion<uint8_t>(toByte, {
        {"CByte(256)", I(256), 6, 0},
        {"CByte(-0.5)", D(-0.5), 0, 0},
        {"CByte(-0.6)", D(-0.6), 6, 0},
        {"CByte(254.5)", D(254.5), 0, 254},
    });
}

TEST(ToBoolean, NumbersAndTheTwoWords) {
    runConversion<bool>(toBoolean, {
        {"CBool(0)", I(0), 0, false},
        {"CBool(0.1)", D(0.1), 0, true},
        {"CBool(CCur(0.0001))", Cy(1), 0, true},
        {"CBool(\"True\")", S("True"), 0, true},
        {"CBool(\"FALSE\")", S("FALSE"), 0, false},
        {"CBool(\"0\")", S("0"), 0, false},
        {"CBool(\"yes\")", S("yes"), 13, false},
        {"CBool(\"\")", S(""), 13, false},
        {"CBool(\" true \")", S(" true "), 13, false},
        {"CBool(Null)", Variant::null(), 94, false},
    });
}

TEST(ToDouble, TextEmptyAndOtherSubtypes) {
    runConversion<double>(toDouble, {
        {"CDbl(True)", Variant::boolean(true), 0, -1},
        {"CDbl(CCur(1.5))", Cy(15000), 0, 1.5},
        {"CDbl(\"1,5\")", S("1,5"), 0, 15},
        {"CDbl(\"&H10\")", S("&H10"), 0, 16},
        {"CDbl(\"1e400\")", S("1e400"), 6, 0},
        {"CDbl(\"\")", S(""), 13, 0},
        {"CDbl(\"1/2/2020\")", S("1/2/2020"), 13, 0},
        {"CDbl(Null)", Variant::null(), 94, 0},
    });
}

TEST(ToSingle, OverflowBeyondSingleRange) {
    runConversion<float>(toSingle, {
        {"CSng(1/3)", D(1.0 / 3), 0, 1.0f / 3},
        {"CSng(\"1e39\")", S("1e39"), 6, 0},
        {"CSng(-1E39)", D(-1e39), 6, 0},
    });
}

TEST(ToCurrency, FourDecimalsRoundedHalfToEven) {
    runConversion<int64_t>(toCurrency, {
        {"CCur(1.23456)", D(1.23456), 0, 12346},
        {"CCur(1.03125)", D(1.03125), 0, 10312},  // an exact half: to even
        {"CCur(1.09375)", D(1.09375), 0, 10938},
        {"CCur(0.00025)", D(0.00025), 0, 3},      // a little above the half as a double
        {"CCur(0.00015)", D(0.00015), 0, 1},
        {"CCur(922337203685477)", D(922337203685477.0), 0, 9223372036854770000},
        {"CCur(1E15)", D(1e15), 6, 0},
        {"CCur(\"x\")", S("x"), 13, 0},
    });
}

TEST(ToDate, NumbersAndDateTexts) {
    runConversion<double>(toDate, {
        {"CDate(True)", Variant::boolean(true), 0, -1},
        {"CDate(\"1/2/2020\")", S("1/2/2020"), 0, 43832},
        {"CDate(\"43832\")", S("43832"), 0, 43832},
        {"CDate(\"12:00 PM\")", S("12:00 PM"), 0, 0.5},
        {"CDate(3000000)", D(3000000), 6, 0},
        {"CDate(\"abc\")", S("abc"), 13, 0},
        {"CDate(Null)", Variant::null(), 94, 0},
    });
}

TEST(ToString, EverySubtypeHasItsTextForm) {
    const struct { const char* source; Variant input; int32_t error; const char* text; } cases[] = {
        {"CStr(True)", Variant::boolean(true), 0, "True"},
        {"CStr(Empty)", Variant(), 0, ""},
        {"CStr(Null)", Variant::null(), 94, ""},
        {"CStr(CLng(-2147483648))", Variant::long_(INT32_MIN), 0, "-2147483648"},
        {"CStr(CSng(1/3))", Variant::single(1.0f / 3), 0, "0.3333333"},
        {"CStr(CCur(1.23456))", Cy(12346), 0, "1.2346"},
        {"CStr(#1/2/2020#)", Variant::date(43832), 0, "1/2/2020"},
    };
    for (const auto& c : cases) {
        std::u16string out = u"stale";
        int32_t e = toString(c.input, out);
        EXPECT_EQ(e, c.error) << c.source;
        if (e == 0) {
            EXPECT_EQ(vbs::toUtf8(out), c.text) << c.source;
        }
    }
}

TEST(ToNumber, TextBecomesDoubleAndNumbersStayAsTheyAre) {
    Variant out;
    ASSERT_EQ(toNumber(S(" 10 "), out), 0);
    EXPECT_EQ(out.type(), vbs::VarType::Double);
    EXPECT_EQ(out.asDouble(), 10);

    ASSERT_EQ(toNumber(Variant::byte(3), out), 0);
    EXPECT_EQ(out.type(), vbs::VarType::Byte);

    ASSERT_EQ(toNumber(Variant(), out), 0);
    EXPECT_EQ(out.type(), vbs::VarType::Integer);

    EXPECT_EQ(toNumber(S("ten"), out), 13);
    EXPECT_EQ(toNumber(S("1e999"), out), 6);
}

// Conversions read through a ByRef reference to the caller's value.
TEST(ConvertByRef, ConversionsFollowReferences) {
    Variant target = S("42");
    Variant ref = Variant::ref(&target);
    int32_t l = 0;
    ASSERT_EQ(toLong(ref, l), 0);
    EXPECT_EQ(l, 42);
    std::u16string text;
    ASSERT_EQ(toString(ref, text), 0);
    EXPECT_EQ(text, u"42");
}

}  // namespace
