// The time limit, the interrupt and the application's poll are served when
// the interpreter reads the clock, which it does every kTicksPerClockCheck
// backward jumps or calls: a countdown is far cheaper than a clock read. A
// pass of a loop that calls a built-in on a long text or array does far more
// work than a tick stands for (Space(2^23) fills 16 MB), so the code that
// copies or scans long texts and arrays charges the countdown by the bytes
// it touches, and the clock is read after about the same time whatever a
// loop does.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/variant.h"

namespace vbs {

// The bytes that copying or scanning does in about the time of one tick of
// the countdown (a pass of a tight loop, some nanoseconds, in which memory
// moves at several bytes per nanosecond). Less work than this is not
// charged: the jump or call that follows it ticks anyway.
constexpr size_t kBytesPerTick = 64;

// Charges the countdown of the operation running on this thread, if any.
void chargeTicksFor(size_t bytes);
inline void chargeWork(size_t bytes) {
    if (bytes >= kBytesPerTick) chargeTicksFor(bytes);
}

// The bytes a value's own storage spans: a string's text, an array's
// elements (not what they hold in turn); 0 for anything else.
inline size_t bytesSpanned(const Variant& v) {
    if (v.isString()) return v.asString().size() * sizeof(char16_t);
    if (v.isArray()) return v.asArray()->elems.size() * sizeof(Variant);
    return 0;
}

// Makes `countdown` the one that work on this thread charges, for the
// lifetime of the scope (an operation of an interpreter); the previous one
// comes back after it, so operations of several engines may nest.
class WorkMeterScope {
public:
    explicit WorkMeterScope(int32_t& countdown);
    ~WorkMeterScope();
    WorkMeterScope(const WorkMeterScope&) = delete;
    WorkMeterScope& operator=(const WorkMeterScope&) = delete;

private:
    int32_t* previous_;
};

}  // namespace vbs
