// The time limit and the interrupt arrive on time even when every pass of a
// loop does milliseconds of work inside a built-in or an operator: that work
// counts towards the next reading of the clock (work_meter.h). How late they
// may come is checked generously, so that a slow or busy machine does not
// fail the test; without the charging they came seconds late.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/script_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

// Far beyond the 200 ms limit plus a clock check's worth of heavy passes,
// far below the seconds a loop ran past its limit before.
constexpr auto kLateness = std::chrono::milliseconds(2000);

// Runs `script` and returns the error number it stopped with (0 if none)
// and, in `took`, how long it ran.
int32_t run(vbs::ScriptEngine& engine, const std::u16string& script, Clock::duration& took) {
    const auto start = Clock::now();
    int32_t number = 0;
    try {
        engine.ExecuteStatement(script);
    } catch (const vbs::ScriptException& e) {
        number = e.error().number;
    }
    took = Clock::now() - start;
    return number;
}

const char16_t* const kHeavyLoops[] = {
    u"Do : s = Space(2^23) : Loop",
    u"Do : s = String(2^22, \"a\") : t = StrReverse(s) : Loop",
    u"s = Space(2^22) : Do : n = InStr(s, \"x\") : Loop",
    u"s = Space(2^22) : Do : t = Replace(s, \"x\", \"y\") : Loop",
    u"s = Space(2^22) : Do : t = s & \"x\" : Loop",
    u"s = Space(2^22) : Do : t = Mid(s, 2) : Loop",
    u"a = Split(Space(2^20)) : Do : s = Join(a, \"ab\") : Loop",
    u"a = Split(Space(2^20)) : Do : b = Filter(a, \"x\") : Loop",
    u"a = Split(Space(2^20)) : Do : b = a : b(0) = 1 : Loop",
    u"Do : ReDim a(2^20) : Loop",
};

TEST(LongWorkLimits, TimeLimitStopsLoopsOfHeavyBuiltins) {
    for (const char16_t* loop : kHeavyLoops) {
        vbs::ScriptEngine engine;
        engine.SetTimeout(200);
        Clock::duration took{};
        EXPECT_EQ(run(engine, loop, took), 5050) << vbs::toUtf8(loop);
        EXPECT_LT(took, std::chrono::milliseconds(200) + kLateness) << vbs::toUtf8(loop);
    }
}

TEST(LongWorkLimits, InterruptStopsALoopOfHeavyBuiltins) {
    vbs::ScriptEngine engine;
    engine.SetTimeout(0);
    engine.SetPoll([&](std::chrono::milliseconds running) {
        if (running.count() >= 200) engine.Interrupt();
    });
    Clock::duration took{};
    EXPECT_EQ(run(engine, u"Do : s = Space(2^23) : Loop", took), 5052);
    EXPECT_LT(took, std::chrono::milliseconds(200) + kLateness);
}

}  // namespace
