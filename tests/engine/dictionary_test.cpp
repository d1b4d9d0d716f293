// Scripting.Dictionary driven through its script interface (findMember +
// invoke), as the interpreter drives it.
#include <gtest/gtest.h>

#include "engine/library/builtins.h"
#include "engine/library/dictionary.h"
#include "dispatch_call.h"

namespace vbs {
namespace {

using testing_support::arrayElements;
using testing_support::callMember;
using testing_support::str;
using testing_support::textOf;

// A bare object that counts its own destruction, for identity keys and for
// checking that the dictionary lets go of what it held.
class Probe : public Dispatch {
public:
    explicit Probe(int* destroyed) : destroyed_(destroyed) {}
    ~Probe() override { ++*destroyed_; }
    std::u16string typeName() const override { return u"Probe"; }
    int32_t findMember(std::u16string_view) override { return kNoMember; }
    int32_t invoke(int32_t, InvokeKind, Args, Variant&, CallContext&) override { return 438; }

private:
    int* destroyed_;
};

class DictionaryTest : public ::testing::Test {
protected:
    DictionaryTest() : holder_(Variant::object(new Dictionary)) {}
    Dispatch& dict() { return *static_cast<Dispatch*>(holder_.asObject()); }

    int32_t add(Variant key, Variant item) { return callMember(dict(), u"Add", InvokeKind::Method, {key, item}).error; }
    Variant get(Variant key) {
        auto r = callMember(dict(), u"", InvokeKind::Get, {key});
        EXPECT_EQ(r.error, 0);
        return r.value;
    }
    bool exists(Variant key) { return callMember(dict(), u"Exists", InvokeKind::Method, {key}).value.asBoolean(); }
    int32_t count() { return callMember(dict(), u"Count", InvokeKind::Get).value.asLong(); }
    std::vector<std::u16string> keyTexts() {
        std::vector<std::u16string> out;
        for (const auto& k : arrayElements(callMember(dict(), u"Keys", InvokeKind::Method).value)) out.push_back(textOf(k));
        return out;
    }

    Variant holder_;
};

// The plain uses (Add, Item, Exists, Count, the errors) are in
// scripts/library/dictionary.vbs; these are the details behind them.
TEST_F(DictionaryTest, FailedAddKeepsTheItemAndReadingAddsEmpty) {
    ASSERT_EQ(add(str(u"a"), Variant::long_(1)), 0);
    EXPECT_EQ(add(str(u"a"), Variant::long_(9)), 457);
    EXPECT_EQ(get(str(u"a")).asLong(), 1);
    EXPECT_TRUE(get(str(u"ghost")).isEmpty());
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(callMember(dict(), u"Add", InvokeKind::Method, {str(u"only key")}).error, 450);
}

TEST_F(DictionaryTest, NumbersOfAnySubtypeAreOneKeyButNotTheirText) {
    ASSERT_EQ(add(Variant::integer(1), str(u"int")), 0);
    EXPECT_EQ(add(Variant::long_(1), str(u"x")), 457);
    EXPECT_EQ(add(Variant::double_(1.0), str(u"x")), 457);
    EXPECT_EQ(add(Variant::byte(1), str(u"x")), 457);
    EXPECT_EQ(add(Variant::currency(10000), str(u"x")), 457);
    EXPECT_EQ(textOf(get(Variant::double_(1.0))), u"int");

    EXPECT_EQ(add(str(u"1"), str(u"text")), 0) << "\"1\" and 1 are different keys";
    EXPECT_EQ(add(Variant::double_(1.5), str(u"x")), 0);
    EXPECT_EQ(add(Variant::double_(-0.0), str(u"minus zero")), 0);
    EXPECT_EQ(add(Variant::long_(0), str(u"x")), 457) << "0 and -0 are the same number";
    EXPECT_EQ(count(), 4);
}

TEST_F(DictionaryTest, EmptyNullAndArraysAsKeys) {
    EXPECT_EQ(add(Variant(), str(u"empty")), 0);
    EXPECT_EQ(add(Variant::long_(0), str(u"zero")), 0) << "Empty is its own key, not 0";
    EXPECT_EQ(add(str(u""), str(u"blank")), 0) << "Empty is its own key, not \"\"";
    EXPECT_EQ(add(Variant::null(), str(u"null")), 0);
    EXPECT_EQ(add(Variant(), str(u"again")), 457);
    EXPECT_EQ(textOf(get(Variant::null())), u"null");

    auto* arr = new ArrayData;
    arr->counts = {1};
    arr->elems.resize(1);
    EXPECT_EQ(add(Variant::adoptArray(arr), str(u"x")), 445);
}

TEST_F(DictionaryTest, ObjectsAreKeysByIdentityAndReleasedWhenRemoved) {
    int destroyed = 0;
    {
        Variant first = Variant::object(new Probe(&destroyed));
        Variant second = Variant::object(new Probe(&destroyed));
        ASSERT_EQ(add(first, str(u"one")), 0);
        ASSERT_EQ(add(second, str(u"two")), 0);
        EXPECT_EQ(textOf(get(second)), u"two");
        EXPECT_EQ(add(Variant::nothing(), str(u"nothing")), 0);
        ASSERT_EQ(callMember(dict(), u"Item", InvokeKind::Set, {str(u"held"), first}).error, 0);
    }
    EXPECT_EQ(destroyed, 0) << "the dictionary holds its keys and items";
    Variant keys = callMember(dict(), u"Keys", InvokeKind::Method).value;
    Variant firstKey = arrayElements(keys)[0];
    keys.clear();
    ASSERT_EQ(callMember(dict(), u"Remove", InvokeKind::Method, {firstKey}).error, 0);
    EXPECT_EQ(destroyed, 0) << "still referenced as the item of \"held\"";
    ASSERT_EQ(callMember(dict(), u"Remove", InvokeKind::Method, {str(u"held")}).error, 0);
    firstKey.clear();
    EXPECT_EQ(destroyed, 1);
    callMember(dict(), u"RemoveAll", InvokeKind::Method);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(count(), 0);
}

TEST_F(DictionaryTest, CompareModeDecidesWhetherCaseMatters) {
    ASSERT_EQ(add(str(u"Key"), Variant::long_(1)), 0);
    EXPECT_FALSE(exists(str(u"KEY"))) << "binary compare is the default";
    EXPECT_EQ(callMember(dict(), u"CompareMode", InvokeKind::Let, {Variant::long_(1)}).error, 5)
        << "CompareMode cannot change once keys exist";

    callMember(dict(), u"RemoveAll", InvokeKind::Method);
    ASSERT_EQ(callMember(dict(), u"CompareMode", InvokeKind::Let, {Variant::long_(1)}).error, 0);
    EXPECT_EQ(callMember(dict(), u"CompareMode", InvokeKind::Get).value.asLong(), 1);
    ASSERT_EQ(add(str(u"Straße"), Variant::long_(1)), 0);
    EXPECT_TRUE(exists(str(u"STRAßE")));
    EXPECT_EQ(add(str(u"straße"), Variant::long_(2)), 457);
    EXPECT_EQ(add(str(u"ÉTÉ"), Variant::long_(3)), 0);
    EXPECT_TRUE(exists(str(u"été")));
    EXPECT_EQ(keyTexts(), (std::vector<std::u16string>{u"Straße", u"ÉTÉ"})) << "keys keep the case they were added with";
}

TEST_F(DictionaryTest, KeysItemsAndForEachFollowInsertionOrder) {
    for (auto k : {u"c", u"a", u"b", u"d"}) add(str(k), str(std::u16string(k) + u"!"));
    ASSERT_EQ(callMember(dict(), u"Remove", InvokeKind::Method, {str(u"a")}).error, 0);
    add(str(u"a"), str(u"again"));
    EXPECT_EQ(keyTexts(), (std::vector<std::u16string>{u"c", u"b", u"d", u"a"}));

    auto items = arrayElements(callMember(dict(), u"Items", InvokeKind::Method).value);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(textOf(items[0]), u"c!");
    EXPECT_EQ(textOf(items[3]), u"again");

    std::vector<Variant> visited;
    CallContext ctx;
    ASSERT_EQ(dict().enumerate(visited, ctx), 0);
    ASSERT_EQ(visited.size(), 4u);
    EXPECT_EQ(textOf(visited[1]), u"b");
}

TEST_F(DictionaryTest, RenamingAKeyKeepsItsPlace) {
    for (auto k : {u"x", u"y", u"z"}) add(str(k), str(k));
    ASSERT_EQ(callMember(dict(), u"Key", InvokeKind::Let, {str(u"y"), str(u"why")}).error, 0);
    EXPECT_EQ(keyTexts(), (std::vector<std::u16string>{u"x", u"why", u"z"}));
    EXPECT_EQ(textOf(get(str(u"why"))), u"y");
    EXPECT_FALSE(exists(str(u"y")));

    EXPECT_EQ(callMember(dict(), u"Key", InvokeKind::Let, {str(u"nope"), str(u"n")}).error, 32811);
    EXPECT_EQ(callMember(dict(), u"Key", InvokeKind::Let, {str(u"x"), str(u"z")}).error, 457);
    EXPECT_EQ(callMember(dict(), u"Key", InvokeKind::Get, {str(u"x")}).error, 438) << "Key can only be assigned";
}

TEST_F(DictionaryTest, LookupsStayRightAfterManyRemovals) {
    // Enough removals to make the dictionary compact its storage.
    for (int i = 0; i < 300; ++i) ASSERT_EQ(add(Variant::long_(i), Variant::long_(i * 10)), 0);
    for (int i = 0; i < 300; ++i)
        if (i % 3 != 0) {
            ASSERT_EQ(callMember(dict(), u"Remove", InvokeKind::Method, {Variant::long_(i)}).error, 0);
        }
    EXPECT_EQ(count(), 100);
    for (int i = 0; i < 300; ++i) EXPECT_EQ(exists(Variant::double_(i)), i % 3 == 0) << i;
    EXPECT_EQ(get(Variant::long_(297)).asLong(), 2970);
    auto keys = arrayElements(callMember(dict(), u"Keys", InvokeKind::Method).value);
    ASSERT_EQ(keys.size(), 100u);
    EXPECT_EQ(keys[1].asLong(), 3);
    EXPECT_EQ(keys[99].asLong(), 297);
}

TEST(CreateObjectTest, MakesDictionariesOnlyAndRegExpThroughNew) {
    const BuiltinInfo* create = nullptr;
    for (const auto& info : objectBuiltins())
        if (namesEqual(info.name, u"CreateObject")) create = &info;
    ASSERT_NE(create, nullptr);

    CallContext ctx;
    std::vector<Variant> args{str(u"scripting.DICTIONARY")};
    Variant result;
    ASSERT_EQ(create->fn(ctx, Args(args.data(), 1), result), 0);
    ASSERT_TRUE(result.isObject() && result.asObject());
    EXPECT_EQ(static_cast<Dispatch*>(result.asObject())->typeName(), u"Dictionary");
    EXPECT_EQ(result.asObject()->refCount(), 1u);

    args = {str(u"Scripting.FileSystemObject")};
    EXPECT_EQ(create->fn(ctx, Args(args.data(), 1), result), 429);

    Dispatch* regExp = newBuiltinClassInstance(u"regexp");
    ASSERT_NE(regExp, nullptr);
    EXPECT_EQ(regExp->typeName(), u"IRegExp2");
    EXPECT_EQ(regExp->refCount(), 1u);
    regExp->releaseRef();
    EXPECT_EQ(newBuiltinClassInstance(u"Dictionary"), nullptr);
}

}  // namespace
}  // namespace vbs
