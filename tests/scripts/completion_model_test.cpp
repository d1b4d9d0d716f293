// The completion model on a real engine: which name the caret is in, what
// completes it and in which order, and the F1 lookup.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <optional>

#include "engine/builtin_catalog.h"
#include "host/dotnet_objects.h"
#include "scripts/completion_model.h"

namespace talvoro {
namespace {

std::string utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }

// "|" marks the caret.
std::optional<TypedWord> wordAtMark(std::u16string text) {
    const size_t caret = text.find(u'|');
    text.erase(caret, 1);
    return wordAt(text, caret);
}

TEST(CompletionWord, FindsTheNameAndItsObjectOrNothing) {
    struct Row {
        std::u16string text;
        const char* prefix;  // nullptr: no name can be typed there
        const char* qualifier;
    };
    const Row rows[] = {
        {u"2*Sq|", "Sq", ""},
        {u"Sq|rt(2)", "Sq", ""},                 // the caret inside a name
        {u"x = MainForm.Dr|", "Dr", "MainForm"},
        {u"MainForm.|", "", "MainForm"},
        {u"|", "", ""},
        {u"s = \"Sq|", nullptr, nullptr},        // in a string
        {u"s = \"a\" & Sq|", "Sq", ""},          // after a closed one
        {u"x ' Sq|", nullptr, nullptr},          // in a comment
        {u"Rem Sq|", nullptr, nullptr},          // in a Rem comment, also after ":" and "!"
        {u"x = 1 :  rem\tSq|", nullptr, nullptr},
        {u" !REM Sq|", nullptr, nullptr},
        {u"Rem|", "Rem", ""},                    // the keyword itself is still typed
        {u"Remain + Sq|", "Sq", ""},
        {u"&HE|", nullptr, nullptr},             // in a hexadecimal or octal number
        {u"&o7|", nullptr, nullptr},
        {u"a &Sq|", "Sq", ""},                   // after the joining operator
        {u"[my Sq|", nullptr, nullptr},          // in a [bracketed name]
        {u"[my var] + Sq|", "Sq", ""},
        {u"1.5E|", nullptr, nullptr},            // in a number
        {u"a.b.c|", nullptr, nullptr},           // an object of a chain
        {u"first\r\nMa|", "Ma", ""},             // a later line of a block
    };
    for (const Row& row : rows) {
        const std::optional<TypedWord> word = wordAtMark(row.text);
        SCOPED_TRACE(utf8(row.text));
        ASSERT_EQ(word.has_value(), row.prefix != nullptr);
        if (!word) continue;
        EXPECT_EQ(utf8(word->prefix), row.prefix);
        EXPECT_EQ(utf8(word->qualifier), row.qualifier);
    }
    EXPECT_EQ(wordAtMark(u"Sq|rt(2)")->end, 4u);
}

class Completion : public ::testing::Test {
protected:
    Completion() {
        host::registerDotNetObjects(engine);
        engine.AddCode(u"Function Hyp(sideA, sideB)\nHyp = 1\nEnd Function\nSub Plot\nEnd Sub\n"
                       u"sqLimit = 12\nConst Label = \"total\"\n"
                       u"Set Book = CreateObject(\"Scripting.Dictionary\")\nSet Finder = New RegExp\n"
                       u"Set l = CreateObject(\"System.Collections.ArrayList\")\n");
    }
    std::vector<std::string> names(std::u16string text, bool forced = false) const {
        const size_t caret = text.find(u'|');
        text.erase(caret, 1);
        std::vector<std::string> out;
        for (const Candidate& c : model.complete(text, caret, forced)) out.push_back(utf8(c.name));
        return out;
    }
    vbs::ScriptEngine engine;
    CompletionModel model{engine};
};

TEST_F(Completion, MatchingCaseFirstThenAlphabetical) {
    const std::vector<std::string> upper = names(u"Sq|");
    const std::vector<std::string> lower = names(u"sq|");
    ASSERT_GE(upper.size(), 2u);
    EXPECT_EQ(upper.front(), "Sqr");
    EXPECT_EQ(upper.back(), "sqLimit");
    EXPECT_EQ(lower.front(), "sqLimit");
    EXPECT_EQ(lower.back(), "Sqr");
    EXPECT_TRUE(names(u"S|").empty());  // under two letters only when forced
    const std::vector<std::string> forced = names(u"S|", true);
    EXPECT_NE(std::find(forced.begin(), forced.end(), "Sqr"), forced.end());
}

TEST_F(Completion, ScriptNamesAndObjectMembers) {
    const std::vector<Candidate> hyp = model.complete(u"Hy", 2, false);
    ASSERT_EQ(hyp.size(), 1u);
    EXPECT_EQ(utf8(hyp[0].signature()), "Hyp(sideA, sideB)");
    EXPECT_TRUE(hyp[0].opensBracket);
    const std::vector<Candidate> plot = model.complete(u"Plo", 3, false);
    ASSERT_EQ(plot.size(), 1u);
    EXPECT_FALSE(plot[0].opensBracket);  // a Sub is called without brackets
    const std::vector<Candidate> label = model.complete(u"Lab", 3, false);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(utf8(label[0].description), "Constant = \"total\"");
    engine.ExecuteStatement(u"longText = String(100, \"x\")");
    const std::vector<Candidate> longText = model.complete(u"longT", 5, false);
    ASSERT_EQ(longText.size(), 1u);  // a value is shown up to kValuePreviewLength characters
    EXPECT_EQ(utf8(longText[0].description),
              "Variable = \"" + std::string(CompletionModel::kValuePreviewLength - 1, 'x') + "...");
    engine.ExecuteStatement(u"twoLines = \"a\" & vbCrLf & \"b\" & vbTab");
    const std::vector<Candidate> twoLines = model.complete(u"twoL", 4, false);
    ASSERT_EQ(twoLines.size(), 1u);  // a row of the list has one line
    EXPECT_EQ(utf8(twoLines[0].description), "Variable = \"a  b \"");

    EXPECT_EQ(names(u"MainForm.Draw|"), (std::vector<std::string>{"DrawCircle", "DrawDot", "DrawLine"}));
    EXPECT_EQ(names(u"book.re|"), (std::vector<std::string>{"Remove", "RemoveAll"}));  // by the value's TypeName
    EXPECT_EQ(names(u"Finder.Te|"), (std::vector<std::string>{"Test"}));
    EXPECT_TRUE(names(u"WScript.Ec|").empty());  // only the script host has WScript
    EXPECT_EQ(CompletionModel(engine, true).complete(u"WScript.Ec", 10, false).size(), 1u);
    EXPECT_EQ(names(u"Err|"), (std::vector<std::string>{"Err"}));  // the engine's own object
    EXPECT_EQ(names(u"Err.Ra|"), (std::vector<std::string>{"Raise"}));
    std::vector<std::string> listSignatures;  // a host object's members, by its TypeName too
    for (const Candidate& c : model.complete(u"l.Ad", 4, false)) listSignatures.push_back(utf8(c.signature()));
    EXPECT_EQ(listSignatures, (std::vector<std::string>{"Add(value)", "AddRange(collection)"}));
    EXPECT_TRUE(names(u"sqLimit.Ex|").empty());  // not an object
    EXPECT_TRUE(names(u"Nowhere.Ex|").empty());
}

// A script Class's instance offers the public members it declares, even
// when its name is a kind's (TypeName): not the kind's members.
TEST_F(Completion, AScriptClassOffersItsPublicMembers) {
    engine.AddCode(u"Class Point\nPublic X\nPrivate secret\nFunction Dist(other)\nEnd Function\n"
                   u"Sub Move(dx, dy)\nEnd Sub\nPrivate Sub Hidden\nEnd Sub\nProperty Get Length\nEnd Property\n"
                   u"End Class\nSet p = New Point\n"
                   u"Class TextStream\nPublic Line, Owner\nEnd Class\nSet mine = New TextStream\n");
    std::vector<std::string> signatures;
    for (const Candidate& c : model.complete(u"p.", 2, true)) signatures.push_back(utf8(c.signature()));
    EXPECT_EQ(signatures, (std::vector<std::string>{"Dist(other)", "Length", "Move(dx, dy)", "X"}));
    const std::optional<Candidate> dist = model.describe(u"p.Dist", 4);
    ASSERT_TRUE(dist.has_value());
    EXPECT_EQ(utf8(dist->description), "Function of class Point");
    EXPECT_TRUE(dist->opensBracket);
    EXPECT_EQ(names(u"mine.|", true), (std::vector<std::string>{"Line", "Owner"}));
}

TEST_F(Completion, AfterNewOnlyClassesAreOffered) {
    engine.AddCode(u"Class Point\nEnd Class\nClass Polygon\nEnd Class\nClass RegExp\nEnd Class\n");
    EXPECT_EQ(names(u"Set p = New Po|"), (std::vector<std::string>{"Point", "Polygon"}));
    EXPECT_EQ(names(u"Set p = new\tRe|"), (std::vector<std::string>{"RegExp"}));  // the engine's, once
    EXPECT_EQ(names(u"New |", true), (std::vector<std::string>{"Point", "Polygon", "RegExp"}));
    EXPECT_EQ(names(u"x = Renew Pl|"), (std::vector<std::string>{"Plot"}));  // no keyword New
    const std::optional<Candidate> regExp = model.describe(u"Set r = New RegExp", 12);
    ASSERT_TRUE(regExp.has_value());
    EXPECT_EQ(regExp->description, vbs::FindCatalogEntry(u"RegExp")->description);
}

TEST(CompletionCandidate, NeedsNoArgumentsWhenEveryArgumentIsOptional) {
    auto withArguments = [](std::u16string arguments) { return Candidate{u"F", std::move(arguments)}; };
    for (const char16_t* none : {u"", u"()", u"([number])", u"([a[, b]])"})
        EXPECT_TRUE(withArguments(none).needsNoArguments()) << utf8(none);
    for (const char16_t* some : {u"(number)", u"([start, ]string1, string2[, compare])", u"(x[, y])"})
        EXPECT_FALSE(withArguments(some).needsNoArguments()) << utf8(some);
}

TEST_F(Completion, DescribeTakesTheWholeNameUnderTheCaret) {
    const std::optional<Candidate> sqr = model.describe(u"1+Sqr(2)", 3);
    ASSERT_TRUE(sqr.has_value());
    EXPECT_EQ(utf8(sqr->signature()), "Sqr(number)");
    const std::optional<Candidate> member = model.describe(u"MainForm.DrawDot 1, 2", 12);
    ASSERT_TRUE(member.has_value());
    EXPECT_EQ(utf8(member->signature()), "DrawDot(X1, Y1)");
    EXPECT_FALSE(model.describe(u"sqrt(2)", 2).has_value());  // a prefix of nothing whole
}

}  // namespace
}  // namespace talvoro
