// The string built-ins: Null handling, bad positions and counts, the
// Windows-1252 codes of Asc/Chr, searching with start and compare, and the
// array-making Split/Join/Filter.
#include <gtest/gtest.h>

#include "library_test_support.h"

using namespace vbs;
using namespace vbs::testing;

namespace {

struct Case {
    const char16_t* name;
    std::vector<Variant> args;
    std::string expected;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(call(c.name, c.args), c.expected) << toUtf8(c.name) << " case expecting " << c.expected;
    }
}

Variant arrayOf(std::vector<Variant> items) {
    auto* data = new ArrayData;
    data->counts = {static_cast<uint32_t>(items.size())};
    data->elems = std::move(items);
    return Variant::adoptArray(data);
}

Variant missing() { return missingArg(); }

TEST(LibraryStrings, NullTextGivesNullButNullCountsAreErrors) {
    runCases({
        {u"Len", {Variant::null()}, "Null"},
        {u"LCase", {Variant::null()}, "Null"},
        {u"UCase", {Variant::null()}, "Null"},
        {u"Trim", {Variant::null()}, "Null"},
        {u"LTrim", {Variant::null()}, "Null"},
        {u"Mid", {Variant::null(), i16(1)}, "Null"},
        {u"Left", {Variant::null(), i16(1)}, "Null"},
        {u"Left", {str("abc"), Variant::null()}, "error 94"},
        {u"Mid", {str("abc"), Variant::null()}, "error 94"},
        {u"Space", {Variant::null()}, "error 94"},
        {u"Asc", {Variant::null()}, "error 94"},
        {u"Chr", {Variant::null()}, "error 94"},
        {u"String", {i16(3), Variant::null()}, "Null"},
        {u"StrReverse", {Variant::null()}, "error 94"},
    });
}

TEST(LibraryStrings, PiecesAndTheirBoundaries) {
    runCases({
        {u"Left", {str("hello"), i16(2)}, "String he"},
        {u"Left", {str("hello"), i16(10)}, "String hello"},
        {u"Left", {str("hello"), i16(0)}, "String "},
        {u"Left", {str("a"), i16(-1)}, "error 5"},
        {u"Right", {str("abc"), i16(5)}, "String abc"},
        {u"Right", {str("abc"), i16(2)}, "String bc"},
        {u"Right", {str("test"), i16(-1)}, "error 5"},
        {u"Mid", {str("hello"), i16(2), i16(3)}, "String ell"},
        {u"Mid", {str("hello"), i16(2)}, "String ello"},
        {u"Mid", {str("hello"), i16(9)}, "String "},
        {u"Mid", {str("hello"), i16(4), i16(99)}, "String lo"},
        {u"Mid", {str("a"), i16(0)}, "error 5"},
        {u"Mid", {str("hello"), i16(1), i16(-1)}, "error 5"},
        {u"Len", {str("hello")}, "Long 5"},
        {u"Len", {i16(123)}, "Long 3"},
        {u"Len", {dbl(1.5)}, "Long 3"},
        {u"Len", {Variant()}, "Long 0"},
        {u"LenB", {str("abc")}, "Long 6"},
        {u"LeftB", {str("abc"), i16(4)}, "String ab"},
        {u"RightB", {str("abc"), i16(2)}, "String c"},
        {u"MidB", {str("abcd"), i16(3), i16(4)}, "String bc"},
    });
}

TEST(LibraryStrings, CaseAndTrimming) {
    runCases({
        {u"UCase", {str("straße")}, "String STRAßE"},
        {u"LCase", {str("ÄB")}, "String Äb"},
        {u"UCase", {str("été")}, "String éTé"},
        {u"UCase", {str("az{@`")}, "String AZ{@`"},
        {u"LCase", {str("AZ[@`")}, "String az[@`"},
        {u"UCase", {i16(12)}, "String 12"},
        {u"Trim", {str("  a b  ")}, "String a b"},
        {u"LTrim", {str("  a  ")}, "String a  "},
        {u"RTrim", {str("  a  ")}, "String   a"},
        {u"Trim", {str("\ta\t")}, "String \ta\t"},
        {u"StrReverse", {str("abc")}, "String cba"},
        {u"Space", {i16(3)}, "String    "},
        {u"Space", {i16(-1)}, "error 5"},
        {u"String", {i16(3), str("ab")}, "String aaa"},
        {u"String", {i16(2), i16(65)}, "String AA"},
        {u"String", {i16(2), i16(321)}, "String AA"},
        {u"String", {i16(-1), str("a")}, "error 5"},
        {u"String", {i16(2), str("")}, "error 5"},
    });
}

TEST(LibraryStrings, CharacterCodesUseWindows1252) {
    runCases({
        {u"Asc", {str("A")}, "Integer 65"},
        {u"Asc", {str("€")}, "Integer 128"},
        {u"Asc", {str("é")}, "Integer 233"},
        {u"Asc", {str("Ω")}, "Integer 63"},
        {u"Asc", {str("")}, "error 5"},
        {u"Asc", {i16(5)}, "Integer 53"},
        {u"AscW", {str("€")}, "Integer 8364"},
        {u"AscW", {str("\xEF\xBF\xBF")}, "Integer -1"},
        {u"AscB", {str("€")}, "Byte 172"},
        {u"Chr", {i16(65)}, "String A"},
        {u"Chr", {i16(128)}, "String €"},
        {u"Chr", {i16(150)}, "String –"},
        {u"Chr", {i16(256)}, "error 5"},
        {u"Chr", {i16(-1)}, "error 5"},
        {u"ChrW", {i32(8364)}, "String €"},
        {u"ChrW", {i32(-32768)}, "String \xE8\x80\x80"},
        {u"ChrW", {i32(65536)}, "error 5"},
        {u"ChrB", {i16(256)}, "error 6"},
    });
    EXPECT_EQ(callValue(u"Chr", {i16(0)}).asString(), std::u16string(1, u'\0'));
}

TEST(LibraryStrings, InStrWithStartAndCompare) {
    runCases({
        {u"InStr", {str("hello"), str("l")}, "Long 3"},
        {u"InStr", {i16(4), str("hello"), str("l")}, "Long 4"},
        {u"InStr", {i16(5), str("abc"), str("a")}, "Long 0"},
        {u"InStr", {str(""), str("")}, "Long 0"},
        {u"InStr", {str("abc"), str("")}, "Long 1"},
        {u"InStr", {i16(2), str("abc"), str("")}, "Long 2"},
        {u"InStr", {str("abc"), str("B")}, "Long 0"},
        {u"InStr", {i16(1), str("abc"), str("B"), i16(1)}, "Long 2"},
        {u"InStr", {i16(1), str("abc"), str("B"), i16(0)}, "Long 0"},
        {u"InStr", {i16(1), str("xÄÖ"), str("äö"), i16(1)}, "Long 2"},
        {u"InStr", {i16(1), str("ПРИВЕТ"), str("вет"), i16(1)}, "Long 4"},
        {u"InStr", {i16(1), str("abc"), str("b"), i16(2)}, "error 5"},
        {u"InStr", {Variant::null(), str("a")}, "Null"},
        {u"InStr", {str("a"), Variant::null()}, "Null"},
        {u"InStr", {i16(0), str("abc"), str("a")}, "error 5"},
        {u"InStr", {Variant::null(), str("abc"), str("a")}, "error 94"},
        {u"InStrRev", {str("abcabc"), str("b")}, "Long 5"},
        {u"InStrRev", {str("abcabc"), str("b"), i16(4)}, "Long 2"},
        {u"InStrRev", {str("abcabc"), str("bc"), i16(5)}, "Long 2"},
        {u"InStrRev", {str("abcabc"), str("B"), i32(-1), i16(1)}, "Long 5"},
        {u"InStrRev", {str("abc"), str("")}, "Long 3"},
        {u"InStrRev", {str("abc"), str("a"), i16(0)}, "error 5"},
        {u"InStrRev", {str("abc"), str("a"), i16(9)}, "Long 0"},
        {u"InStrRev", {Variant::null(), str("a")}, "Null"},
        {u"InStrB", {str("abc"), str("b")}, "Long 3"},
    });
}

TEST(LibraryStrings, StrCompOrdersByCodeUnitOrIgnoringCase) {
    runCases({
        {u"StrComp", {str("a"), str("B")}, "Integer 1"},
        {u"StrComp", {str("a"), str("B"), i16(1)}, "Integer -1"},
        {u"StrComp", {str("abc"), str("ABC"), i16(1)}, "Integer 0"},
        {u"StrComp", {str("ab"), str("abc")}, "Integer -1"},
        {u"StrComp", {str("b"), str("b")}, "Integer 0"},
        {u"StrComp", {Variant::null(), str("b")}, "Null"},
        {u"StrComp", {str("a"), str("b"), i16(7)}, "error 5"},
    });
}

TEST(LibraryStrings, ReplaceStartsAtStartAndCountsReplacements) {
    runCases({
        {u"Replace", {str("aaa"), str("a"), str("b")}, "String bbb"},
        {u"Replace", {str("aaa"), str("a"), str("b"), i16(2)}, "String bb"},
        {u"Replace", {str("aAa"), str("a"), str("x"), i16(1), i16(-1), i16(1)}, "String xxx"},
        {u"Replace", {str("aAa"), str("a"), str("x")}, "String xAx"},
        {u"Replace", {str("aaaa"), str("a"), str("b"), i16(1), i16(2)}, "String bbaa"},
        {u"Replace", {str("abc"), str(""), str("x")}, "String abc"},
        {u"Replace", {str("abc"), str("b"), str("")}, "String ac"},
        {u"Replace", {str("abc"), str("a"), str("x"), i16(4)}, "String "},
        {u"Replace", {str("abc"), str("a"), str("x"), i16(1), i16(0)}, "String abc"},
        {u"Replace", {str("abc"), str("a"), str("x"), i16(0)}, "error 5"},
        {u"Replace", {str("abc"), str("a"), str("x"), i16(1), i16(-2)}, "error 5"},
        {u"Replace", {str("abab"), str("ab"), str("abab")}, "String abababab"},
        {u"Replace", {Variant::null(), str("a"), str("b")}, "error 94"},
        {u"Replace", {str("abc"), Variant::null(), str("b")}, "error 94"},
        {u"Replace", {i32(1001), i16(0), i16(5)}, "String 1551"},
    });
}

TEST(LibraryStrings, TextCompareReplaceAndSplitStayLinearOnLongText) {
    // Folding the whole text for every match would take minutes here.
    Variant longText = Variant::string(std::u16string(200000, u'a'));
    Variant replaced = callValue(u"Replace", {longText, str("A"), str("b"), i16(1), i32(-1), i16(1)});
    EXPECT_EQ(replaced.asString(), std::u16string(200000, u'b'));
    Variant parts = callValue(u"Split", {longText, str("A"), i32(-1), i16(1)});
    EXPECT_EQ(parts.asArray()->counts[0], 200001u);
}

TEST(LibraryStrings, SplitJoinAndFilter) {
    Variant words = arrayOf({str("apple"), str("Banana"), str("cherry")});
    runCases({
        {u"Split", {str("a,b,,c"), str(",")}, "Array(a|b||c)"},
        {u"Split", {str("a b  c")}, "Array(a|b||c)"},
        {u"Split", {str("")}, "Array()"},
        {u"Split", {str("abc"), str("")}, "Array(abc)"},
        {u"Split", {str("a,b,c"), str(","), i16(2)}, "Array(a|b,c)"},
        {u"Split", {str("a,b,c"), str(","), i16(1)}, "Array(a,b,c)"},
        {u"Split", {str("a,b,c"), str(","), i16(0)}, "Array()"},
        {u"Split", {str("aXbxc"), str("x"), i32(-1), i16(1)}, "Array(a|b|c)"},
        {u"Split", {str("aXbxc"), str("x")}, "Array(aXb|c)"},
        {u"Split", {str("a"), str(","), i16(-2)}, "error 5"},
        {u"Join", {arrayOf({str("a"), i16(1), Variant()})}, "String a 1 "},
        {u"Join", {arrayOf({str("a"), str("b")}), str(", ")}, "String a, b"},
        {u"Join", {arrayOf({})}, "String "},
        {u"Join", {str("a")}, "error 13"},
        {u"Filter", {words, str("an")}, "Array(Banana)"},
        {u"Filter", {words, str("an"), Variant::boolean(false)}, "Array(apple|cherry)"},
        {u"Filter", {words, str("B")}, "Array(Banana)"},
        {u"Filter", {words, str("A"), missing(), i16(1)}, "Array(apple|Banana)"},
        {u"Filter", {words, str("zzz")}, "Array()"},
        {u"Filter", {str("abc"), str("a")}, "error 13"},
    });
    EXPECT_EQ(callValue(u"Split", {str("")}).asArray()->counts[0], 0u);  // UBound -1
}

TEST(LibraryStrings, EscapeAndUnescapeAsJavaScriptDoes) {
    runCases({
        {u"Escape", {str("a b+c/d@e*f_g-h.i")}, "String a%20b+c/d@e*f_g-h.i"},
        {u"Escape", {str("100%")}, "String 100%25"},
        {u"Escape", {str("é€")}, "String %E9%u20AC"},
        {u"Escape", {str("\r\n")}, "String %0D%0A"},
        {u"Unescape", {str("a%20b%u20AC")}, "String a b€"},
        {u"Unescape", {str("%zz%2%u12")}, "String %zz%2%u12"},
        {u"Unescape", {str("%e9")}, "String é"},
        {u"Escape", {Variant::null()}, "error 94"},
    });
    // Whatever Escape produces, Unescape undoes.
    Variant text = str("Grüße, 50% off: ✓ & more");
    Variant escaped = callValue(u"Escape", {text});
    EXPECT_EQ(callValue(u"Unescape", {escaped}).asString(), text.asString());
}

}  // namespace
