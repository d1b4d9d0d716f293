// Script objects that refer to each other are never freed by reference
// counting alone; the engine frees them when it goes away, so a host object
// they hold is released and nothing leaks.
#include <gtest/gtest.h>

#include "engine/host_object.h"
#include "engine/script_engine.h"

namespace {

const char16_t* const kCycles =
    u"Class Node\nPublic other, payload\nEnd Class\n"
    u"Set a = New Node\nSet b = New Node\n"
    u"Set a.other = b\nSet b.other = a\n"       // two objects in a cycle
    u"Set a.payload = Probe\n"
    u"Set c = New Node\nSet c.other = c\n"      // one object holding itself
    u"Set c.payload = Probe\n"
    u"Set a = Nothing\nSet b = Nothing\nSet c = Nothing\n";

TEST(ObjectLifetime, CyclesOfScriptObjectsAreFreedWithTheEngine) {
    vbs::HostObjectRef probe = vbs::makeHostObject(u"Probe");
    {
        vbs::ScriptEngine engine;
        engine.AddObject(u"Probe", probe.get());
        engine.AddCode(kCycles);
        // The script dropped its variables, yet the cycles still hold the probe.
        EXPECT_GT(probe.get()->refCount(), 2u);
    }
    EXPECT_EQ(probe.get()->refCount(), 1u) << "only this test's handle should be left";
}

TEST(ObjectLifetime, ResetFreesCyclesToo) {
    vbs::HostObjectRef probe = vbs::makeHostObject(u"Probe");
    vbs::ScriptEngine engine;
    engine.AddObject(u"Probe", probe.get());
    engine.AddCode(kCycles);
    engine.Reset();
    EXPECT_EQ(probe.get()->refCount(), 1u);
    // The engine still works after the reset.
    engine.AddCode(u"Class Box\nPublic x\nEnd Class\nSet inst = New Box\ninst.x = 5\n");
    EXPECT_EQ(vbs::toUtf8(engine.Eval(u"CStr(inst.x * 2)").asString()), "10");
}

}  // namespace
