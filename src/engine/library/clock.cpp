#include "engine/library/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace vbs {

namespace {

std::optional<double> fixedNow;

constexpr double kSecondsPerDay = 86400.0;
// 1 January 1970 as a VBScript day number.
constexpr double kUnixEpochDay = 25569.0;

// Local time as seconds since 1970 in the local zone (so dividing by a day
// gives local calendar days).
double localSecondsSinceEpoch() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    double fraction = duration<double>(now.time_since_epoch()).count() - static_cast<double>(whole);
    return static_cast<double>(whole) + static_cast<double>(local.tm_gmtoff) + fraction;
}

}  // namespace

void setClockForTests(std::optional<double> dateTime) { fixedNow = dateTime; }

double clockNow() {
    if (fixedNow) return *fixedNow;
    // Whole seconds: Now shows no fractions of a second.
    double seconds = std::floor(localSecondsSinceEpoch());
    return kUnixEpochDay + seconds / kSecondsPerDay;
}

double clockSecondsSinceMidnight() {
    if (fixedNow) {
        double fraction = std::fabs(*fixedNow - std::trunc(*fixedNow));
        return std::round(fraction * kSecondsPerDay * 1000.0) / 1000.0;
    }
    return std::fmod(localSecondsSinceEpoch(), kSecondsPerDay);
}

}  // namespace vbs
