// Dates: day numbers from and to calendar parts, the text CStr shows, and
// the date texts CDate accepts.
#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <string>

#include "engine/values/ops.h"
#include "engine/variant.h"

namespace {

using vbs::toU16;
using vbs::toUtf8;
using namespace vbs::ops;

int thisYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

TEST(DateFromParts, DayNumbersOfKnownDates) {
    const struct { int y, m, d; double serial; } cases[] = {
        {1899, 12, 30, 0},
        {1899, 12, 29, -1},
        {2020, 1, 2, 43832},
        {100, 1, 1, -657434},
        {9999, 12, 31, 2958465},
        {2000, 2, 29, 36585},  // a leap day in a century divisible by 400
        {1900, 3, 1, 61},      // 1900 had no 29 February
    };
    for (const auto& c : cases) {
        double out = -1e9;
        ASSERT_TRUE(dateFromParts(c.y, c.m, c.d, out)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(out, c.serial) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(DateFromParts, OverflowingMonthsAndDaysAndTwoDigitYears) {
    const struct { int y, m, d; const char* text; } cases[] = {
        {2020, 13, 1, "1/1/2021"},
        {2020, 2, 30, "3/1/2020"},
        {2020, 0, 1, "12/1/2019"},
        {2020, 1, 0, "12/31/2019"},
        {2020, -1, 1, "11/1/2019"},
        {2020, 1, -1, "12/30/2019"},
        {2020, 25, 1, "1/1/2022"},
        {2021, 2, 29, "3/1/2021"},
        {99, 1, 1, "1/1/1999"},
        {29, 6, 15, "6/15/2029"},
        {0, 1, 1, "1/1/2000"},
    };
    for (const auto& c : cases) {
        double out = 0;
        ASSERT_TRUE(dateFromParts(c.y, c.m, c.d, out)) << c.text;
        EXPECT_EQ(toUtf8(formatDate(out)), c.text);
    }
}

TEST(DateFromParts, OutsideYears100To9999Fails) {
    double out = 0;
    EXPECT_FALSE(dateFromParts(10000, 1, 1, out));
    EXPECT_FALSE(dateFromParts(9999, 12, 32, out));
    EXPECT_FALSE(dateFromParts(100, 1, 0, out));
    EXPECT_FALSE(dateFromParts(-5, 1, 1, out));
    EXPECT_FALSE(dateFromParts(2000, 1, 2000000000, out));
}

TEST(PartsFromDate, NegativeDaysCountTheTimeForward) {
    const struct { double date; int y, mo, d, h, mi, s; } cases[] = {
        {43832.5, 2020, 1, 2, 12, 0, 0},
        {-1.5, 1899, 12, 29, 12, 0, 0},
        {-0.25, 1899, 12, 30, 6, 0, 0},
        {1.99999999, 1900, 1, 1, 0, 0, 0},  // 23:59:59.9991 rounds into the next day
        {-1.99999999, 1899, 12, 30, 0, 0, 0},
        {2958465.999988, 9999, 12, 31, 23, 59, 59},
    };
    for (const auto& c : cases) {
        int y, mo, d, h, mi, s;
        partsFromDate(c.date, y, mo, d, h, mi, s);
        EXPECT_EQ((std::array<int, 6>{y, mo, d, h, mi, s}), (std::array<int, 6>{c.y, c.mo, c.d, c.h, c.mi, c.s}))
            << c.date;
    }
}

TEST(FormatDate, DateTimeOrBothDependingOnTheValue) {
    const struct { double date; const char* text; } cases[] = {
        {43832, "1/2/2020"},
        {0.572916666666667, "1:45:00 PM"},
        {43832.572916666666667, "1/2/2020 1:45:00 PM"},
        {0, "12:00:00 AM"},
        {-1.5, "12/29/1899 12:00:00 PM"},
        {-0.25, "6:00:00 AM"},
        {-657434, "1/1/100"},
        {-657434.5, "1/1/100 12:00:00 PM"},
        {0.99999999, "12:00:00 AM"},
        {-1.99999999, "12/30/1899 12:00:00 AM"},
        {36526 + 1.0 / 86400, "1/1/2000 12:00:01 AM"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(formatDate(c.date)), c.text) << c.date;
}

TEST(ParseDate, AcceptedForms) {
    double jan2 = 43832, t1345 = (13 * 60 + 45) / 1440.0;
    const struct { const char* text; double date; } cases[] = {
        {"1/2/2020", jan2},
        {"2020-01-02", jan2},
        {"2020/1/2", jan2},
        {"1-2-2020", jan2},
        {"January 2, 2020", jan2},
        {"2 Jan 2020", jan2},
        {"Thursday, January 2, 2020", jan2},
        {"13/2/2020", 43874},  // no month 13: read day first
        {"1/2/20", jan2},
        {"1/1/99", 36161},
        {"1/1/100", -657434},
        {"12/31/9999", 2958465},
        {"January 2020", 43831},
        {"13:45", t1345},
        {"1:45 PM", t1345},
        {"13:45 PM", t1345},
        {"1:45:30 pm", t1345 + 30 / 86400.0},
        {"12:30 AM", 30 / 1440.0},
        {"0:00", 0},
        {"1 PM", 13 / 24.0},
        {"1/2/2020 13:45:30", jan2 + t1345 + 30 / 86400.0},
        {"2020-01-02 1:45 pm", jan2 + t1345},
        {"2 January 2020 13:45", jan2 + t1345},
        {"1/2/2020 1:45", jan2 + 105 / 1440.0},
        // Before day 0 the time still counts forward: 29 Dec 1899 at noon.
        {"12/29/1899 12:00 PM", -1.5},
    };
    for (const auto& c : cases) {
        double out = -1e9;
        ASSERT_TRUE(parseDate(toU16(c.text), out)) << c.text;
        EXPECT_NEAR(out, c.date, 1e-9) << c.text;
    }
}

TEST(ParseDate, AMonthAndDayAloneMeanThisYear) {
    double out = 0, expected = 0;
    ASSERT_TRUE(parseDate(u"1/2", out));
    ASSERT_TRUE(dateFromParts(thisYear(), 1, 2, expected));
    EXPECT_EQ(out, expected);
}

TEST(ParseDate, RejectedForms) {
    const char* cases[] = {"", "abc", "43832", "1.5", "1.2.2020", "Feb 30, 2020", "2/29/2021", "1/2/2020 25:00",
                           "12:60", "1/1/10000", "13/13/2020", "0/1/2020", "1/2/3/4", "PM", "1:2:3:4", "Jan Feb 2020", "1/2/2020 1:45 PM PM"};
    for (const char* text : cases) {
        double out = 0;
        EXPECT_FALSE(parseDate(toU16(text), out)) << text;
    }
}

// What formatDate writes, parseDate reads back to the same value.
TEST(DateText, FormatThenParseRoundTrips) {
    const double values[] = {43832, 43832.75, 0.5, -1.5, -657434, 2958465.5, 36526 + 3723 / 86400.0};
    for (double v : values) {
        double back = 1e9;
        ASSERT_TRUE(parseDate(formatDate(v), back)) << v;
        EXPECT_NEAR(back, v, 1e-9) << toUtf8(formatDate(v));
    }
}

}  // namespace
