#include "engine/values/work_meter.h"

namespace vbs {

namespace {
thread_local int32_t* t_countdown = nullptr;
}  // namespace

void chargeTicksFor(size_t bytes) {
    int32_t* countdown = t_countdown;
    if (!countdown || *countdown <= 0) return;
    const size_t ticks = bytes / kBytesPerTick;
    // At 0 the next backward jump or call reads the clock.
    *countdown = ticks >= static_cast<size_t>(*countdown) ? 0 : *countdown - static_cast<int32_t>(ticks);
}

WorkMeterScope::WorkMeterScope(int32_t& countdown) : previous_(t_countdown) { t_countdown = &countdown; }

WorkMeterScope::~WorkMeterScope() { t_countdown = previous_; }

}  // namespace vbs
