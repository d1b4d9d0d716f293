// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in their
// English (US) forms, with each optional argument switched on and off.
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

Variant missing() { return missingArg(); }
const Variant kTrue = i16(-1);
const Variant kFalse = i16(0);

TEST(LibraryFormat, FormatNumberDefaultsAndOptions) {
    runCases({
        {u"FormatNumber", {dbl(1234567.891)}, "String 1,234,567.89"},
        {u"FormatNumber", {dbl(1234.5), i16(0)}, "String 1,235"},
        {u"FormatNumber", {dbl(2.5), i16(0)}, "String 3"},
        {u"FormatNumber", {dbl(-0.5), i16(0)}, "String -1"},
        {u"FormatNumber", {dbl(1.005), i16(2)}, "String 1.01"},
        {u"FormatNumber", {dbl(0.5), i16(2), kFalse}, "String .50"},
        {u"FormatNumber", {dbl(0.5), i16(2), kTrue}, "String 0.50"},
        {u"FormatNumber", {dbl(-1234.5), i16(2), missing(), kTrue}, "String (1,234.50)"},
        {u"FormatNumber", {dbl(1234.5), i16(2), missing(), missing(), kFalse}, "String 1234.50"},
        {u"FormatNumber", {dbl(1234.5), i16(-1)}, "String 1,234.50"},
        {u"FormatNumber", {dbl(123), i16(4)}, "String 123.0000"},
        {u"FormatNumber", {dbl(999.999), i16(2)}, "String 1,000.00"},
        {u"FormatNumber", {dbl(1e20)}, "String 100,000,000,000,000,000,000.00"},
        {u"FormatNumber", {dbl(-0.001), i16(2)}, "String -0.00"},
        {u"FormatNumber", {str("1234.5")}, "String 1,234.50"},
        {u"FormatNumber", {Variant()}, "String 0.00"},
        {u"FormatNumber", {dbl(1), i16(-2)}, "error 5"},
        {u"FormatNumber", {str("abc")}, "error 13"},
        {u"FormatNumber", {Variant::null()}, "error 13"},
        {u"FormatPercent", {Variant::null()}, "error 13"},
    });
}

TEST(LibraryFormat, CurrencyAndPercent) {
    runCases({
        {u"FormatCurrency", {dbl(1234.5)}, "String $1,234.50"},
        {u"FormatCurrency", {dbl(-1234.5)}, "String ($1,234.50)"},
        {u"FormatCurrency", {dbl(-1234.5), missing(), missing(), kFalse}, "String -$1,234.50"},
        {u"FormatCurrency", {dbl(0.256), i16(1)}, "String $0.3"},
        {u"FormatCurrency", {Variant::currency(10000)}, "String $1.00"},
        {u"FormatPercent", {dbl(0.1234)}, "String 12.34%"},
        {u"FormatPercent", {dbl(-0.5), i16(0)}, "String -50%"},
        {u"FormatPercent", {dbl(12.5), i16(1)}, "String 1,250.0%"},
        {u"FormatPercent", {dbl(0.001), i16(2), kFalse}, "String .10%"},
        {u"FormatPercent", {dbl(1e308)}, "error 6"},  // 100 times it is past a Double
    });
}

TEST(LibraryFormat, FormatDateTimeNamedFormats) {
    Variant afternoon = dateOf(2020, 1, 2, 13, 45, 0);
    runCases({
        {u"FormatDateTime", {afternoon}, "String 1/2/2020 1:45:00 PM"},
        {u"FormatDateTime", {afternoon, i16(1)}, "String Thursday, January 2, 2020"},
        {u"FormatDateTime", {afternoon, i16(2)}, "String 1/2/2020"},
        {u"FormatDateTime", {afternoon, i16(3)}, "String 1:45:00 PM"},
        {u"FormatDateTime", {afternoon, i16(4)}, "String 13:45"},
        {u"FormatDateTime", {dateOf(2020, 1, 2, 0, 5, 9), i16(3)}, "String 12:05:09 AM"},
        {u"FormatDateTime", {dateOf(2020, 1, 2, 0, 5, 9), i16(4)}, "String 00:05"},
        {u"FormatDateTime", {dateOf(2020, 1, 2)}, "String 1/2/2020"},
        {u"FormatDateTime", {str("12/25/2021"), i16(1)}, "String Saturday, December 25, 2021"},
        {u"FormatDateTime", {afternoon, i16(5)}, "error 5"},
        {u"FormatDateTime", {str("nonsense")}, "error 13"},
        {u"FormatDateTime", {Variant::null()}, "error 13"},
    });
}

}  // namespace
