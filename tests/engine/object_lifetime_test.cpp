// Script objects that refer to each other are never freed by reference
// counting alone; the engine frees them when it goes away, so a host object
// they hold is released and nothing leaks.
#include <gtest/gtest.h>

#include "engine/host_object.h"
#include "engine/library/dictionary.h"
#include "engine/vm/script_class.h"
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

// Dictionaries take part in cycles too: one holding itself, and one holding
// a class instance that holds the dictionary.
const char16_t* const kDictionaryCycles =
    u"Class Node\nPublic other, payload\nEnd Class\n"
    u"Set d = CreateObject(\"Scripting.Dictionary\")\n"
    u"d.Add \"me\", d\nd.Add \"probe\", Probe\n"
    u"Set e = CreateObject(\"Scripting.Dictionary\")\nSet n = New Node\n"
    u"Set n.other = e\ne.Add \"node\", n\nSet n.payload = Probe\n"
    u"Set d = Nothing\nSet e = Nothing\nSet n = Nothing\n";

TEST(ObjectLifetime, CyclesThroughDictionariesAreFreedWithTheEngine) {
    vbs::HostObjectRef probe = vbs::makeHostObject(u"Probe");
    {
        vbs::ScriptEngine engine;
        engine.AddObject(u"Probe", probe.get());
        engine.AddCode(kDictionaryCycles);
        EXPECT_GT(probe.get()->refCount(), 2u);
    }
    EXPECT_EQ(probe.get()->refCount(), 1u) << "only this test's handle should be left";
}

// A cycle through an array: the instance holds an array that holds it.
TEST(ObjectLifetime, CyclesThroughArraysAreFreedWithTheEngine) {
    vbs::HostObjectRef probe = vbs::makeHostObject(u"Probe");
    {
        vbs::ScriptEngine engine;
        engine.AddObject(u"Probe", probe.get());
        engine.AddCode(u"Class Node\nPublic other\nEnd Class\n"
                       u"Set n = New Node\nn.other = Array(n, Probe)\nSet n = Nothing\n");
        EXPECT_GT(probe.get()->refCount(), 2u);
    }
    EXPECT_EQ(probe.get()->refCount(), 1u);
}

// What the application still holds outlives the engine whole, with all that
// it reaches: the dictionary keeps its entries, even one that holds the
// dictionary itself, and a class instance in it keeps its fields.
TEST(ObjectLifetime, ContainersTheApplicationHoldsKeepTheirContents) {
    vbs::Variant kept;
    {
        vbs::ScriptEngine engine;
        engine.AddCode(u"Class Node\nPublic v\nEnd Class\n"
                       u"Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"a\", 1\nd.Add \"me\", d\n"
                       u"Set n = New Node\nn.v = \"field\"\nd.Add \"node\", n\n");
        kept = engine.Eval(u"d");
    }
    ASSERT_TRUE(kept.isObject());
    auto* dict = dynamic_cast<vbs::Dictionary*>(static_cast<vbs::Dispatch*>(kept.asObject()));
    ASSERT_NE(dict, nullptr);
    EXPECT_EQ(dict->count(), 3);
    vbs::Variant node;
    ASSERT_EQ(dict->item(vbs::Variant::string(std::u16string(u"node")), node), 0);
    auto* instance = dynamic_cast<vbs::ScriptObject*>(static_cast<vbs::Dispatch*>(node.asObject()));
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(vbs::toUtf8(instance->fields()[0].asString()), "field");
    dict->removeAll();  // the test's own cycle (d("me") = d), broken by hand
}

// An array shared by two instances in cycles and also held by the
// application: what the array holds stays whole.
TEST(ObjectLifetime, AnArrayTheApplicationSharesKeepsWhatItHolds) {
    vbs::Variant kept;
    {
        vbs::ScriptEngine engine;
        engine.AddCode(u"Class Node\nPublic v, other\nEnd Class\n"
                       u"Set x = New Node\nx.v = \"inside\"\narr = Array(x)\n"
                       u"Set n = New Node\nSet n.other = n\nn.v = arr\n"
                       u"Set m = New Node\nSet m.other = m\nm.v = arr\n");
        kept = engine.Eval(u"arr");
    }
    ASSERT_TRUE(kept.isArray());
    auto* x = dynamic_cast<vbs::ScriptObject*>(static_cast<vbs::Dispatch*>(kept.asArray()->elems[0].asObject()));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(vbs::toUtf8(x->fields()[0].asString()), "inside");
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
