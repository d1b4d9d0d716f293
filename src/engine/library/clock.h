// The one place the library reads the system clock (Date, Time, Now, Timer,
// Randomize without a seed). Tests fix the clock so they do not depend on
// the day they run.
#pragma once

#include <optional>

namespace vbs {

// Fixes "now" to `dateTime` (a VBScript date: days since 30 December 1899,
// the fraction is the time of day); std::nullopt returns to the system clock.
void setClockForTests(std::optional<double> dateTime);

// The local date and time now, as a VBScript date.
double clockNow();

// Seconds since local midnight, with fractions (what Timer answers).
double clockSecondsSinceMidnight();

}  // namespace vbs
