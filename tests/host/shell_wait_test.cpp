// A script waiting on a program it started (Run with wait, a read from
// Exec's output) is stopped by its time limit and by an interrupt as a
// script in a loop is, and the application's poll runs while it waits.
#include <gtest/gtest.h>

#include <string>

#include "engine/script_engine.h"
#include "host/shell_objects.h"

namespace {

using vbs::ScriptEngine;
using vbs::ScriptException;

// The error that ends `statement`, 0 when it ends without one.
int32_t errorOf(ScriptEngine& engine, const std::u16string& statement) {
    try {
        engine.ExecuteStatement(statement);
    } catch (const ScriptException& e) {
        return e.error().number;
    }
    return 0;
}

// Each way of waiting, on a program that runs far longer than the limit (the
// one Run starts keeps none of the test's outputs open, so that nothing waits
// for it once the test ends).
const std::u16string kWaits[] = {
    u"CreateObject(\"WScript.Shell\").Run \"exec sleep 5 >/dev/null 2>&1\", 0, True",
    u"On Error Resume Next\nx = CreateObject(\"WScript.Shell\").Exec(\"sleep 5\").StdOut.ReadAll",
    u"On Error Resume Next\nx = CreateObject(\"WScript.Shell\").Exec(\"sleep 5\").StdErr.AtEndOfStream",
    // More than a pipe holds, to a program that never reads it.
    u"On Error Resume Next\nCreateObject(\"WScript.Shell\").Exec(\"sleep 5\").StdIn.Write Space(1000000)",
};

TEST(ShellWait, TheTimeLimitStopsAScriptWaitingOnAProgram) {
    ScriptEngine engine;
    talvoro::host::registerShellObjects(engine);
    engine.SetTimeout(100);
    for (const std::u16string& wait : kWaits) {
        EXPECT_EQ(errorOf(engine, wait), 5050) << vbs::toUtf8(wait);
        EXPECT_TRUE(engine.Eval(u"IsEmpty(x)").asBoolean());  // the cut-short read assigned nothing
    }
}

TEST(ShellWait, ThePollRunsWhileAProgramRunsAndCanInterruptIt) {
    ScriptEngine engine;
    talvoro::host::registerShellObjects(engine);
    engine.SetTimeout(0);
    int polls = 0;
    engine.SetPoll([&](std::chrono::milliseconds running) {
        ++polls;
        if (running.count() >= 100) engine.Interrupt();
    });
    for (const std::u16string& wait : kWaits) {
        polls = 0;
        EXPECT_EQ(errorOf(engine, wait), 5052) << vbs::toUtf8(wait);
        EXPECT_GT(polls, 1);
    }
}

}  // namespace
