// The date built-ins, with the clock fixed so that nothing depends on the day
// the tests run. Dates are shown in the engine's US short form.
#include <gtest/gtest.h>

#include "engine/library/clock.h"
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

Variant missing() { return missingArg(); }

class LibraryDates : public ::testing::Test {
protected:
    // Thursday 2 January 2020, 13:45:30.
    void SetUp() override { setClockForTests(dateOf(2020, 1, 2, 13, 45, 30).asDate()); }
    void TearDown() override { setClockForTests(std::nullopt); }
};

TEST_F(LibraryDates, TheClockFunctionsReadTheFixedClock) {
    runCases({
        {u"Now", {}, "Date 1/2/2020 1:45:30 PM"},
        {u"Date", {}, "Date 1/2/2020"},
        {u"Time", {}, "Date 1:45:30 PM"},
        {u"Timer", {}, "Single 49530"},
    });
}

TEST(LibraryClock, TheSystemClockGivesAPlausibleNow) {
    setClockForTests(std::nullopt);
    double now = callValue(u"Now").asDate();
    EXPECT_GT(now, 45000.0);   // after 2023
    EXPECT_LT(now, 80000.0);   // before 2119
    float timer = callValue(u"Timer").asSingle();
    EXPECT_GE(timer, 0.0f);
    EXPECT_LT(timer, 86400.0f);
}

TEST_F(LibraryDates, DateAddClampsMonthEndsAndKeepsTheTime) {
    runCases({
        {u"DateAdd", {str("m"), i16(1), dateOf(2020, 1, 31)}, "Date 2/29/2020"},
        {u"DateAdd", {str("m"), i16(1), dateOf(2021, 1, 31)}, "Date 2/28/2021"},
        {u"DateAdd", {str("yyyy"), i16(1), dateOf(2020, 2, 29)}, "Date 2/28/2021"},
        {u"DateAdd", {str("q"), i16(1), dateOf(2020, 11, 30)}, "Date 2/28/2021"},
        {u"DateAdd", {str("m"), i16(-2), dateOf(2020, 1, 15)}, "Date 11/15/2019"},
        {u"DateAdd", {str("d"), i16(1), dateOf(2020, 12, 31, 10, 0, 0)}, "Date 1/1/2021 10:00:00 AM"},
        {u"DateAdd", {str("ww"), i16(2), dateOf(2020, 1, 1)}, "Date 1/15/2020"},
        {u"DateAdd", {str("h"), i16(25), dateOf(2020, 1, 1)}, "Date 1/2/2020 1:00:00 AM"},
        {u"DateAdd", {str("n"), i16(-1), dateOf(2020, 1, 1)}, "Date 12/31/2019 11:59:00 PM"},
        {u"DateAdd", {str("s"), i16(90), dateOf(2020, 1, 1)}, "Date 1/1/2020 12:01:30 AM"},
        {u"DateAdd", {str("Y"), i16(3), dateOf(2020, 1, 1)}, "Date 1/4/2020"},
        {u"DateAdd", {str("x"), i16(1), dateOf(2020, 1, 1)}, "error 5"},
        {u"DateAdd", {str("yyyy"), i16(9000), dateOf(2020, 1, 1)}, "error 5"},
        {u"DateAdd", {str("s"), i16(59), dateOf(9999, 12, 31, 23, 59, 0)}, "Date 12/31/9999 11:59:59 PM"},
        {u"DateAdd", {str("s"), i16(60), dateOf(9999, 12, 31, 23, 59, 0)}, "error 5"},
        {u"DateAdd", {str("h"), i16(23), dateOf(100, 1, 1)}, "Date 1/1/100 11:00:00 PM"},
        {u"DateAdd", {str("s"), i16(-1), dateOf(100, 1, 1)}, "error 5"},
        {u"DateAdd", {str("d"), i16(1), str("1/31/2020")}, "Date 2/1/2020"},
        {u"DateAdd", {str("d"), i16(1), Variant::null()}, "Null"},
    });
}

TEST_F(LibraryDates, DateAddAcrossDayZeroWhereTimesRunForward) {
    // 30 December 1899 is day 0; before it the time still counts forward.
    runCases({
        {u"DateAdd", {str("h"), i16(-6), dateOf(1899, 12, 30)}, "Date 12/29/1899 6:00:00 PM"},
        {u"DateAdd", {str("h"), i16(12), dateOf(1899, 12, 29, 18, 0, 0)}, "Date 6:00:00 AM"},
    });
}

TEST_F(LibraryDates, DateDiffCountsBoundariesCrossed) {
    runCases({
        {u"DateDiff", {str("yyyy"), dateOf(2019, 12, 31), dateOf(2020, 1, 1)}, "Long 1"},
        {u"DateDiff", {str("m"), dateOf(2020, 1, 31), dateOf(2020, 2, 1)}, "Long 1"},
        {u"DateDiff", {str("m"), dateOf(2020, 3, 1), dateOf(2020, 1, 31)}, "Long -2"},
        {u"DateDiff", {str("q"), dateOf(2020, 3, 31), dateOf(2020, 4, 1)}, "Long 1"},
        {u"DateDiff", {str("d"), dateOf(2020, 1, 1, 23, 0, 0), dateOf(2020, 1, 2, 1, 0, 0)}, "Long 1"},
        {u"DateDiff", {str("y"), dateOf(2020, 1, 1), dateOf(2020, 3, 1)}, "Long 60"},
        {u"DateDiff", {str("h"), dateOf(2020, 1, 1, 10, 59, 0), dateOf(2020, 1, 1, 11, 0, 0)}, "Long 1"},
        {u"DateDiff", {str("n"), dateOf(2020, 1, 1), dateOf(2020, 1, 2)}, "Long 1440"},
        {u"DateDiff", {str("s"), dateOf(2020, 1, 1), dateOf(2020, 1, 1, 0, 1, 1)}, "Long 61"},
        // Wed 1 Jan 2020 to Sun 5 Jan: no whole week, one Sunday crossed.
        {u"DateDiff", {str("w"), dateOf(2020, 1, 1), dateOf(2020, 1, 5)}, "Long 0"},
        {u"DateDiff", {str("ww"), dateOf(2020, 1, 1), dateOf(2020, 1, 5)}, "Long 1"},
        {u"DateDiff", {str("ww"), dateOf(2020, 1, 1), dateOf(2020, 1, 5), i16(2)}, "Long 0"},
        {u"DateDiff", {str("w"), dateOf(2020, 1, 1), dateOf(2020, 1, 15)}, "Long 2"},
        {u"DateDiff", {str("d"), Variant::null(), dateOf(2020, 1, 1)}, "Null"},
        {u"DateDiff", {str("d"), dateOf(2020, 1, 1), dateOf(2020, 1, 1), i16(8)}, "error 5"},
    });
}

TEST_F(LibraryDates, DatePartWithFirstDayAndFirstWeek) {
    Variant d = dateOf(2020, 5, 17, 8, 9, 10);  // a Sunday
    runCases({
        {u"DatePart", {str("yyyy"), d}, "Integer 2020"},
        {u"DatePart", {str("q"), d}, "Integer 2"},
        {u"DatePart", {str("m"), d}, "Integer 5"},
        {u"DatePart", {str("y"), d}, "Integer 138"},
        {u"DatePart", {str("d"), d}, "Integer 17"},
        {u"DatePart", {str("w"), d}, "Integer 1"},
        {u"DatePart", {str("w"), d, i16(2)}, "Integer 7"},
        {u"DatePart", {str("h"), d}, "Integer 8"},
        {u"DatePart", {str("n"), d}, "Integer 9"},
        {u"DatePart", {str("s"), d}, "Integer 10"},
        {u"DatePart", {str("ww"), dateOf(2020, 1, 1)}, "Integer 1"},
        {u"DatePart", {str("ww"), dateOf(2020, 1, 5)}, "Integer 2"},
        // 2021 starts on a Friday: with Monday weeks, 1-3 January belong to the
        // last week of 2020 under the four-day and full-week rules.
        {u"DatePart", {str("ww"), dateOf(2021, 1, 4), i16(2), i16(2)}, "Integer 1"},
        {u"DatePart", {str("ww"), dateOf(2021, 1, 3), i16(2), i16(2)}, "Integer 53"},
        {u"DatePart", {str("ww"), dateOf(2021, 1, 3), i16(2), i16(1)}, "Integer 1"},
        {u"DatePart", {str("ww"), dateOf(2021, 1, 11), i16(2), i16(3)}, "Integer 2"},
        {u"DatePart", {str("ww"), d, missing(), i16(4)}, "error 5"},
        {u"DatePart", {str("d"), Variant::null()}, "Null"},
    });
}

TEST_F(LibraryDates, SerialFunctionsNormaliseOverflow) {
    runCases({
        {u"DateSerial", {i16(2020), i16(2), i16(30)}, "Date 3/1/2020"},
        {u"DateSerial", {i16(2020), i16(13), i16(1)}, "Date 1/1/2021"},
        {u"DateSerial", {i16(2020), i16(1), i16(0)}, "Date 12/31/2019"},
        {u"DateSerial", {i16(2020), i16(0), i16(1)}, "Date 12/1/2019"},
        {u"DateSerial", {i16(99), i16(1), i16(1)}, "Date 1/1/1999"},
        {u"DateSerial", {i16(5), i16(1), i16(1)}, "Date 1/1/2005"},
        {u"DateSerial", {i16(10000), i16(1), i16(1)}, "error 5"},
        {u"DateSerial", {Variant::null(), i16(1), i16(1)}, "error 94"},
        {u"TimeSerial", {i16(25), i16(61), i16(61)}, "Date 12/31/1899 2:02:01 AM"},
        {u"TimeSerial", {i16(13), i16(45), i16(0)}, "Date 1:45:00 PM"},
        {u"TimeSerial", {i16(0), i16(-1), i16(0)}, "Date 12/29/1899 11:59:00 PM"},
    });
}

TEST_F(LibraryDates, ValuesAndPartsOfDates) {
    Variant d = dateOf(2020, 1, 2, 13, 45, 30);
    runCases({
        {u"DateValue", {str("January 2, 2020")}, "Date 1/2/2020"},
        {u"DateValue", {d}, "Date 1/2/2020"},
        {u"DateValue", {str("not a date")}, "error 13"},
        {u"TimeValue", {str("1:45 PM")}, "Date 1:45:00 PM"},
        {u"TimeValue", {d}, "Date 1:45:30 PM"},
        {u"Year", {d}, "Integer 2020"},
        {u"Month", {d}, "Integer 1"},
        {u"Day", {d}, "Integer 2"},
        {u"Hour", {d}, "Integer 13"},
        {u"Minute", {d}, "Integer 45"},
        {u"Second", {d}, "Integer 30"},
        {u"Year", {Variant::null()}, "Null"},
        {u"Day", {str("2/29/2020")}, "Integer 29"},
        {u"Weekday", {d}, "Integer 5"},
        {u"Weekday", {d, i16(2)}, "Integer 4"},
        {u"Weekday", {d, i16(0)}, "Integer 5"},
        {u"Weekday", {d, i16(8)}, "error 5"},
        {u"Weekday", {dateOf(1899, 12, 30)}, "Integer 7"},
        {u"Weekday", {dateOf(1899, 12, 28)}, "Integer 5"},
    });
}

TEST_F(LibraryDates, NamesOfMonthsAndWeekdays) {
    runCases({
        {u"MonthName", {i16(1)}, "String January"},
        {u"MonthName", {i16(9), Variant::boolean(true)}, "String Sep"},
        {u"MonthName", {i16(13)}, "error 5"},
        {u"MonthName", {i16(0)}, "error 5"},
        {u"WeekdayName", {i16(1)}, "String Sunday"},
        {u"WeekdayName", {i16(7), Variant::boolean(true)}, "String Sat"},
        {u"WeekdayName", {i16(1), Variant::boolean(false), i16(2)}, "String Monday"},
        {u"WeekdayName", {i16(7), missing(), i16(2)}, "String Sunday"},
        {u"WeekdayName", {i16(8)}, "error 5"},
    });
}

}  // namespace
