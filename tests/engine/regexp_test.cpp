// RegExp, MatchCollection, Match and SubMatches driven through their script
// interface, with the JavaScript-dialect details scripts rely on. The plain
// uses are in scripts/library/regexp.vbs.
#include <gtest/gtest.h>

#include "dispatch_call.h"
#include "engine/library/regexp.h"

namespace vbs {
namespace {

using testing_support::callMember;
using testing_support::CallResult;
using testing_support::str;
using testing_support::textOf;

Dispatch& asDispatch(const Variant& v) { return *static_cast<Dispatch*>(v.asObject()); }

class RegExpTest : public ::testing::Test {
protected:
    RegExpTest() : holder_(Variant::object(new RegExp)) {}
    Dispatch& re() { return asDispatch(holder_); }

    void set(std::u16string_view property, Variant value) {
        ASSERT_EQ(callMember(re(), property, InvokeKind::Let, {value}).error, 0) << toUtf8(property);
    }
    void configure(std::u16string_view pattern, bool global = false, bool ignoreCase = false, bool multiline = false) {
        set(u"Pattern", str(pattern));
        set(u"Global", Variant::boolean(global));
        set(u"IgnoreCase", Variant::boolean(ignoreCase));
        set(u"Multiline", Variant::boolean(multiline));
    }
    bool test(std::u16string_view subject) {
        CallResult r = callMember(re(), u"Test", InvokeKind::Method, {str(subject)});
        EXPECT_EQ(r.error, 0);
        return r.value.asBoolean();
    }
    std::u16string replace(std::u16string_view subject, std::u16string_view replacement) {
        CallResult r = callMember(re(), u"Replace", InvokeKind::Method, {str(subject), str(replacement)});
        EXPECT_EQ(r.error, 0);
        return textOf(r.value);
    }
    // "value@index" for every match, joined by blanks.
    std::u16string executeSummary(std::u16string_view subject) {
        CallResult r = callMember(re(), u"Execute", InvokeKind::Method, {str(subject)});
        EXPECT_EQ(r.error, 0);
        if (r.error) return u"<error>";
        std::vector<Variant> matches;
        CallContext ctx;
        EXPECT_EQ(asDispatch(r.value).enumerate(matches, ctx), 0);
        std::u16string out;
        for (const auto& m : matches) {
            if (!out.empty()) out += u' ';
            out += textOf(callMember(asDispatch(m), u"", InvokeKind::Get).value);
            out += u'@';
            out += toU16(std::to_string(callMember(asDispatch(m), u"FirstIndex", InvokeKind::Get).value.asLong()));
        }
        return out;
    }

    Variant holder_;
};

TEST_F(RegExpTest, TestHonoursCaseAndLineFlags) {
    configure(u"^b.d$");
    EXPECT_TRUE(test(u"bad"));
    EXPECT_FALSE(test(u"BAD"));
    EXPECT_FALSE(test(u"a\nbad\nc")) << "without Multiline ^ and $ are the ends of the text";
    EXPECT_FALSE(test(u"bad\n")) << "$ is the very end, not before a final newline";
    EXPECT_FALSE(test(u"b\nd")) << ". does not match a newline";
    EXPECT_FALSE(test(u"b\rd")) << "nor a carriage return";

    // Changing a flag must invalidate the cached compiled pattern.
    set(u"IgnoreCase", Variant::boolean(true));
    EXPECT_TRUE(test(u"BAD"));
    set(u"Multiline", Variant::boolean(true));
    EXPECT_TRUE(test(u"a\nbad\nc"));
    EXPECT_TRUE(test(u"a\r\nbad\r\nc")) << "lines ending in CRLF";
    set(u"Pattern", str(u"^c"));
    EXPECT_TRUE(test(u"a\nbad\nc"));
}

TEST_F(RegExpTest, JavaScriptDialect) {
    configure(u"\\u0041\\x42");
    EXPECT_TRUE(test(u"xAB"));
    configure(u"^(a)?b\\1$");
    EXPECT_TRUE(test(u"b")) << "a back-reference to an unset group matches nothing";
    configure(u"x[^]y");
    EXPECT_TRUE(test(u"x\ny"));
    configure(u"x[]y");
    EXPECT_FALSE(test(u"xy"));
    configure(u"\\d+");
    EXPECT_FALSE(test(u"\u0663")) << "\\d is ASCII digits only";
    configure(u"stra\u00DFe \u00E9t\u00E9", false, true);
    EXPECT_TRUE(test(u"STRA\u00DFE \u00C9T\u00C9")) << "IgnoreCase knows letters beyond ASCII";
}

TEST_F(RegExpTest, EmptyMatchesAdvanceInGlobalMode) {
    configure(u"x*", true);
    EXPECT_EQ(executeSummary(u"abc"), u"@0 @1 @2 @3");
    EXPECT_EQ(replace(u"abc", u"-"), u"-a-b-c-");
    configure(u"a*", true);
    EXPECT_EQ(replace(u"baaac", u"-"), u"-b--c-") << "an empty match may follow a non-empty one";
    EXPECT_EQ(replace(u"", u"-"), u"-");
}

TEST_F(RegExpTest, MatchMembersAndSubMatches) {
    configure(u"(\\w+)@(\\w+)(\\.com)?", true);
    CallResult r = callMember(re(), u"Execute", InvokeKind::Method, {str(u"mail joe@site or ann@web.com")});
    ASSERT_EQ(r.error, 0);
    Dispatch& matches = asDispatch(r.value);
    EXPECT_EQ(matches.typeName(), u"IMatchCollection2");
    EXPECT_EQ(callMember(matches, u"Count", InvokeKind::Get).value.asLong(), 2);
    EXPECT_EQ(callMember(matches, u"Item", InvokeKind::Get, {Variant::long_(2)}).error, 5);

    Variant first = callMember(matches, u"", InvokeKind::Get, {Variant::integer(0)}).value;
    Dispatch& match = asDispatch(first);
    EXPECT_EQ(match.typeName(), u"IMatch2");
    EXPECT_EQ(textOf(callMember(match, u"Value", InvokeKind::Get).value), u"joe@site");
    EXPECT_EQ(callMember(match, u"FirstIndex", InvokeKind::Get).value.asLong(), 5);
    EXPECT_EQ(callMember(match, u"Length", InvokeKind::Get).value.asLong(), 8);

    Variant subs = callMember(match, u"SubMatches", InvokeKind::Get).value;
    Dispatch& groups = asDispatch(subs);
    EXPECT_EQ(groups.typeName(), u"ISubMatches");
    EXPECT_EQ(callMember(groups, u"Count", InvokeKind::Get).value.asLong(), 3);
    EXPECT_EQ(textOf(callMember(groups, u"", InvokeKind::Get, {Variant::long_(1)}).value), u"site");
    EXPECT_TRUE(callMember(groups, u"Item", InvokeKind::Get, {Variant::long_(2)}).value.isEmpty())
        << "a group that took no part is Empty";
    EXPECT_EQ(callMember(groups, u"Item", InvokeKind::Get, {Variant::long_(-1)}).error, 5);
    EXPECT_EQ(textOf(callMember(match, u"SubMatches", InvokeKind::Get, {Variant::long_(0)}).value), u"joe")
        << "m.SubMatches(i) indexes the collection";

    Variant second = callMember(matches, u"Item", InvokeKind::Get, {Variant::long_(1)}).value;
    Variant secondGroups = callMember(asDispatch(second), u"SubMatches", InvokeKind::Get).value;
    std::vector<Variant> visited;
    CallContext ctx;
    ASSERT_EQ(asDispatch(secondGroups).enumerate(visited, ctx), 0);
    ASSERT_EQ(visited.size(), 3u);
    EXPECT_EQ(textOf(visited[2]), u".com");
}

TEST_F(RegExpTest, ReplacementForms) {
    configure(u"(\\w)(\\d)");
    EXPECT_EQ(replace(u"a1 b2", u"[$2$1]"), u"[1a] b2") << "without Global only the first match";
    set(u"Global", Variant::boolean(true));
    EXPECT_EQ(replace(u"a1 b2", u"[$2$1]"), u"[1a] [2b]");
    EXPECT_EQ(replace(u"x a1 y", u"<$&>"), u"x <a1> y");
    EXPECT_EQ(replace(u"x a1 y", u"<$`|$'>"), u"x <x | y> y");
    EXPECT_EQ(replace(u"a1", u"$$1 $0 $3 $"), u"$1 $0 $3 $") << "no such groups: written as is";
    EXPECT_EQ(replace(u"a1", u"$10"), u"a0") << "$10 is $1 then 0 when there is no group 10";

    configure(u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)");
    EXPECT_EQ(replace(u"abcdefghijk", u"$11$10$1"), u"kja");
    configure(u"(a)|(b)", true);
    EXPECT_EQ(replace(u"ab", u"[$1$2]"), u"[a][b]") << "an unmatched group is the empty string";
}

TEST_F(RegExpTest, BadPatternFailsWhenUsedAndRecovers) {
    set(u"Pattern", str(u"a{2,1}"));  // setting it is fine
    for (auto member : {u"Test", u"Execute"})
        EXPECT_EQ(callMember(re(), member, InvokeKind::Method, {str(u"ab")}).error, 5017) << toUtf8(member);
    EXPECT_EQ(callMember(re(), u"Replace", InvokeKind::Method, {str(u"ab"), str(u"")}).error, 5017);
    set(u"Pattern", str(u"a(b)"));
    EXPECT_TRUE(test(u"xab"));

    const std::pair<const char16_t*, int32_t> mistakes[] = {
        {u"*a", 5018}, {u"[ab", 5019}, {u"(ab", 5020}, {u"[z-a]", 5021}};
    for (auto [pattern, number] : mistakes) {
        set(u"Pattern", str(pattern));
        EXPECT_EQ(callMember(re(), u"Test", InvokeKind::Method, {str(u"a")}).error, number) << toUtf8(pattern);
    }
}

TEST_F(RegExpTest, ArgumentsAreConvertedAndCounted) {
    configure(u"^\\d+$");
    EXPECT_TRUE(callMember(re(), u"Test", InvokeKind::Method, {Variant::long_(42)}).value.asBoolean());
    EXPECT_EQ(callMember(re(), u"Test", InvokeKind::Method, {Variant::null()}).error, 13);
    EXPECT_EQ(callMember(re(), u"Test", InvokeKind::Method, {}).error, 450);
    EXPECT_EQ(callMember(re(), u"Replace", InvokeKind::Method, {str(u"1")}).error, 450);
    EXPECT_EQ(callMember(re(), u"Test", InvokeKind::Let, {str(u"1"), str(u"2")}).error, 438);
    EXPECT_EQ(callMember(re(), u"", InvokeKind::Get).error, 438) << "RegExp has no default member";
}

TEST_F(RegExpTest, SurrogatePairsAreTwoCodeUnits) {
    configure(u"b", true);
    EXPECT_EQ(executeSummary(u"\U0001F600b"), u"b@2") << "FirstIndex counts UTF-16 code units";
    configure(u"", true);
    EXPECT_EQ(executeSummary(u"\U0001F600b"), u"@0 @2 @3") << "an empty match does not split a pair";
    configure(u"b", true);
    EXPECT_EQ(executeSummary(std::u16string(u"\xD800" u"b")), u"b@1") << "a stray surrogate does not stop the search";
}

}  // namespace
}  // namespace vbs
