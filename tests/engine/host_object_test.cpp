// HostObject as the application builds its objects with it, seen from scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/host_object.h"
#include "engine/values/ops.h"
#include "engine/script_engine.h"

namespace {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

std::string text(const Variant& v) {
    std::u16string s;
    EXPECT_EQ(vbs::ops::toString(v, s), 0);
    return vbs::toUtf8(s);
}

// A small counter object: Value (default, get/let), Doubler (changes its
// ByRef argument), Items (enumerable), Child (object property, Set).
struct Fixture {
    int value = 1;
    Variant child;
    vbs::HostObjectRef obj = vbs::makeHostObject(u"Counter");
    vbs::ScriptEngine engine;

    Fixture() {
        obj->property(
            u"Value",
            [this](Args, Variant& r, CallContext&) {
                r = Variant::long_(value);
                return 0;
            },
            [this](Args, const Variant& v, CallContext&) { return vbs::ops::toLong(v, value); });
        obj->setDefault(u"Value");
        obj->method(u"Doubler", [](Args a, Variant&, CallContext&) {
            if (a.size() != 1) return 450;
            int32_t n = 0;
            if (int32_t e = vbs::ops::toLong(a.at(0), n)) return e;
            a.at(0) = Variant::long_(n * 2);
            return 0;
        });
        obj->method(u"Fail", [](Args, Variant&, CallContext& ctx) { return ctx.fail(5, u"counter says no"); });
        obj->property(
            u"Child",
            [this](Args, Variant& r, CallContext&) {
                r = child;
                return 0;
            },
            {},
            [this](Args, const Variant& v, CallContext&) {
                child = v;
                return 0;
            });
        obj->enumerator([](std::vector<Variant>& items, CallContext&) {
            for (int i = 1; i <= 3; ++i) items.push_back(Variant::integer(static_cast<int16_t>(i * 10)));
            return 0;
        });
        engine.AddObject(u"Counter", obj.get());
    }
};

TEST(HostObject, MethodChangesItsByRefArgumentButNotAnExpression) {
    Fixture f;
    f.engine.AddCode(u"n = 4\nCounter.Doubler n\nm = 4\nCounter.Doubler (m)\n");
    EXPECT_EQ(text(f.engine.Eval(u"n")), "8");
    EXPECT_EQ(text(f.engine.Eval(u"m")), "4");
}

TEST(HostObject, PropertyGetLetAndSet) {
    Fixture f;
    f.engine.ExecuteStatement(u"Counter.Value = 41");
    EXPECT_EQ(f.value, 41);
    EXPECT_EQ(text(f.engine.Eval(u"Counter.Value + 1")), "42");
    f.engine.ExecuteStatement(u"Set Counter.Child = Counter");
    EXPECT_TRUE(f.child.isObject());
    EXPECT_EQ(text(f.engine.Eval(u"Counter.Child.Value")), "41");
    f.child.clear();  // break the cycle the test made
}

TEST(HostObject, DefaultMemberServesValueUses) {
    Fixture f;
    f.value = 7;
    EXPECT_EQ(text(f.engine.Eval(u"Counter & \"\"")), "7");
    EXPECT_EQ(text(f.engine.Eval(u"Counter * 2")), "14");
    f.engine.ExecuteStatement(u"x = Counter");
    EXPECT_EQ(f.engine.Eval(u"VarType(x)").asInteger(), 3);  // a Long, not the object
    // obj(...) = v goes to the default member's Let.
    f.engine.ExecuteStatement(u"Set c = Counter\nc() = 9");
    EXPECT_EQ(f.value, 9);
}

TEST(HostObject, ForEachVisitsTheEnumeratedItems) {
    Fixture f;
    f.engine.AddCode(u"s = \"\"\nFor Each i In Counter\ns = s & i & \";\"\nNext\n");
    EXPECT_EQ(text(f.engine.Eval(u"s")), "10;20;30;");
}

TEST(HostObject, MemberNamesIgnoreCaseAndUnknownOnesRaise438) {
    Fixture f;
    f.value = 3;
    EXPECT_EQ(text(f.engine.Eval(u"COUNTER.value + counter.VALUE")), "6");
    try {
        f.engine.Eval(u"Counter.NoSuchThing");
        FAIL() << "no error";
    } catch (const vbs::ScriptException& e) {
        EXPECT_EQ(e.error().number, 438);
    }
}

TEST(HostObject, CustomErrorTextReachesErrObject) {
    Fixture f;
    f.engine.AddCode(u"On Error Resume Next\nCounter.Fail\nd = Err.Description\nn = Err.Number\n");
    EXPECT_EQ(text(f.engine.Eval(u"n & \":\" & d")), "5:counter says no");
    EXPECT_EQ(text(f.engine.Eval(u"TypeName(Counter)")), "Counter");
}

}  // namespace
