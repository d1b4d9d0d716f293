// The settings store and the number forms of the settings file.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/variant.h"
#include "settings/cvar_number.h"
#include "settings/cvar_store.h"

namespace talvoro {
namespace {

TEST(CvarStore, FirstSetterRegistersNameCaseAndKind) {
    CvarStore store;
    store.SetCvarStr(u"TextEditor", u"vi");
    store.SetCvarNum(u"WindowNormal", 207);
    store.SetCvarStr(u"TEXTEDITOR", u"nano");   // same entry, other case
    store.SetCvarNum(u"windownormal", 250);

    ASSERT_EQ(store.CvarCount(), 2);
    EXPECT_EQ(store.Cvars()[0].Name, u"TextEditor");
    EXPECT_EQ(store.Cvars()[0].Kind, kCvarKindString);
    EXPECT_EQ(store.Cvars()[1].Name, u"WindowNormal");
    EXPECT_EQ(store.Cvars()[1].Kind, kCvarKindNumber);
    EXPECT_EQ(store.GetCvarStr(u"texteditor"), u"nano");
    EXPECT_EQ(store.GetCvarNum(u"WINDOWNORMAL"), 250);
}

TEST(CvarStore, OtherSlotIsKeptButNotShownByTheOtherGetter) {
    CvarStore store;
    store.SetCvarStr(u"Path", u"/x");
    store.SetCvarNum(u"Path", 7);  // lands in NumValue; kind stays string
    EXPECT_EQ(store.Cvars()[0].Kind, kCvarKindString);
    EXPECT_EQ(store.GetCvarStr(u"Path"), u"/x");
    EXPECT_EQ(store.GetCvarNum(u"Path"), 7);
}

TEST(CvarStore, UnregisteredNamesGiveEmptyAndZero) {
    CvarStore store;
    EXPECT_FALSE(store.CvarExists(u"Nothing"));
    EXPECT_EQ(store.GetCvarStr(u"Nothing"), u"");
    EXPECT_EQ(store.GetCvarNum(u"Nothing"), 0);
    store.SetCvarNum(u"A", 1);
    EXPECT_TRUE(store.CvarExists(u"a"));
    EXPECT_FALSE(store.CvarExists(u"A "));  // the store itself does not trim
    EXPECT_EQ(store.GetCvarStr(u"Nothing"), u"");
}

TEST(CvarStore, NamesCompareByUpperCase) {
    EXPECT_EQ(upperCaseName(u"WindowNormal"), u"WINDOWNORMAL");
    EXPECT_EQ(upperCaseName(u"gr\u00fc\u00dfe"), u"GR\u00dc\u00dfE");  // sharp s has no one-letter upper case
    CvarStore store;
    store.SetCvarStr(u"\u00e9t\u00e9", u"summer");
    EXPECT_EQ(store.GetCvarStr(u"\u00c9T\u00c9"), u"summer");
}

struct NumberTextCase {
    double value;
    const char* text;
};

TEST(CvarNumber, TextForm) {
    const NumberTextCase cases[] = {
        {207, " 207"},
        {0, " 0"},
        {-0.0, " 0"},
        {-3, "-3"},
        {2.5, " 2.5"},
        {0.1 + 0.2, " 0.3"},
        {1.0 / 3, " 0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {123456789012345, " 123456789012345"},
        {1e15, " 1E+15"},
        {1e-5, " 1E-05"},
        {0.0001, " 0.0001"},
        {9007199254740993.0, " 9.00719925474099E+15"},
        {-1.5e300, "-1.5E+300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbs::toUtf8(cvarNumberText(c.value)), c.text) << c.value;
    }
}

struct NumberReadCase {
    const char16_t* text;
    double value;
};

TEST(CvarNumber, Reading) {
    const NumberReadCase cases[] = {
        {u" 207", 207},
        {u"300px", 300},
        {u"", 0},
        {u"abc", 0},
        {u"-3", -3},
        {u"+4", 4},
        {u"2.5", 2.5},
        {u".5", 0.5},
        {u"1 2\t3", 123},       // blanks and tabs anywhere are ignored
        {u"1,5", 1},            // a comma is no decimal separator
        {u"1.2.3", 1.2},
        {u"1E3", 1000},
        {u"1e-2", 0.01},
        {u"2E", 2},             // an exponent without digits is not read
        {u"2E+x", 2},
        {u"- 7", -7},
        {u"-", 0},
        {u".", 0},
        {u"1E-400", 0},         // too small to hold reads as zero
        {u"12\u00e97", 12},
    };
    for (const auto& c : cases) {
        double out = -99;
        EXPECT_TRUE(readCvarNumber(c.text, out)) << vbs::toUtf8(c.text);
        EXPECT_EQ(out, c.value) << vbs::toUtf8(c.text);
    }
}

TEST(CvarNumber, TooLargeForADoubleFails) {
    double out = 0;
    EXPECT_FALSE(readCvarNumber(u"1E400", out));
    EXPECT_FALSE(readCvarNumber(u"-9E999", out));
}

TEST(CvarNumber, EveryWrittenFormReadsBackToTheSameValue) {
    const double values[] = {207, -3, 2.5, 0.1, 1.0 / 3, 1e15, 1e-5, 123456.789, -1e-300,
                             std::numeric_limits<double>::max() / 10};
    for (double v : values) {
        double back = 0;
        ASSERT_TRUE(readCvarNumber(cvarNumberText(v), back)) << v;
        // 15 digits keep the value to 15 significant digits.
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
        EXPECT_EQ(cvarNumberText(back), cvarNumberText(v)) << v;
    }
}

}  // namespace
}  // namespace talvoro
