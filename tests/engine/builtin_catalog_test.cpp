// The help catalog against the registry: every name the engine offers has a
// row, every row names something the engine offers, and each argument list
// admits exactly the argument counts the function accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/builtin_catalog.h"
#include "engine/library/builtins.h"
#include "engine/script_engine.h"
#include "engine/variant.h"

using namespace vbs;

namespace {

// The entry spelled exactly as the engine spells it, of the given kind.
void expectEntry(std::u16string_view name, CatalogKind kind) {
    const CatalogEntry* entry = FindCatalogEntry(name);
    ASSERT_NE(entry, nullptr) << "no catalog entry for " << toUtf8(name);
    EXPECT_EQ(entry->name, name) << "spelled differently in the catalog";
    EXPECT_EQ(entry->kind, kind) << toUtf8(name);
}

bool isEngineComponent(std::u16string_view name) {
    auto components = engineComponents();
    return std::any_of(components.begin(), components.end(),
                       [&](const EngineComponent& c) { return namesEqual(c.progId, name); });
}

// A name under which a fresh engine already holds an object.
bool isEngineObject(std::u16string_view name) {
    ScriptEngine engine;
    Variant value = engine.Eval(u"IsObject(" + std::u16string(name) + u")");
    return value.type() == VarType::Boolean && value.asBoolean();
}

// The argument counts a list like "([start, ]string1, string2[, compare])"
// admits: every name is one argument, those outside brackets are required.
struct Arity {
    int required = 0;
    int total = 0;
};

Arity arityOf(std::u16string_view arguments) {
    Arity arity;
    int depth = 0;
    std::u16string word;
    auto endWord = [&] {
        if (!word.empty() && word != u"...") {
            ++arity.total;
            if (depth == 0) ++arity.required;
        }
        word.clear();
    };
    for (char16_t c : arguments) {
        if (std::u16string_view(u"()[], ").find(c) == std::u16string_view::npos) {
            word += c;
            continue;
        }
        endWord();
        if (c == u'[') ++depth;
        if (c == u']') --depth;
    }
    endWord();
    return arity;
}

TEST(BuiltinCatalog, EveryBuiltinHasAnEntryOfItsKind) {
    for (auto family : {scriptBuiltins(), objectBuiltins(), mathBuiltins(), conversionBuiltins(), stringBuiltins(),
                        formatBuiltins(), dateBuiltins(), arrayBuiltins()}) {
        for (const BuiltinInfo& info : family) expectEntry(info.name, CatalogKind::Function);
    }
    for (const ConstantInfo& info : builtinConstants()) expectEntry(info.name, CatalogKind::Constant);
    for (const char16_t* name : builtinClassNames()) expectEntry(name, CatalogKind::Class);
    for (const EngineComponent& component : engineComponents()) expectEntry(component.progId, CatalogKind::Class);
}

TEST(BuiltinCatalog, EveryEntryNamesSomethingTheEngineOffers) {
    for (const CatalogEntry& entry : BuiltinCatalog()) {
        SCOPED_TRACE(toUtf8(entry.name));
        EXPECT_FALSE(entry.description.empty());
        EXPECT_EQ(FindCatalogEntry(entry.name), &entry) << "listed twice";
        switch (entry.kind) {
        case CatalogKind::Function: EXPECT_NE(findBuiltin(entry.name), nullptr); break;
        case CatalogKind::Constant: EXPECT_NE(findConstant(entry.name), nullptr); break;
        case CatalogKind::Class: EXPECT_TRUE(isBuiltinClass(entry.name) || isEngineComponent(entry.name)); break;
        case CatalogKind::Object: EXPECT_TRUE(isEngineObject(entry.name)); break;
        }
        if (entry.kind != CatalogKind::Function) {
            EXPECT_TRUE(entry.arguments.empty());
        }
    }
}

TEST(BuiltinCatalog, ArgumentListsAdmitWhatTheFunctionAccepts) {
    for (const CatalogEntry& entry : BuiltinCatalog()) {
        if (entry.kind != CatalogKind::Function) continue;
        SCOPED_TRACE(toUtf8(entry.name) + toUtf8(entry.arguments));
        ASSERT_GE(entry.arguments.size(), 2u);
        EXPECT_EQ(entry.arguments.front(), u'(');
        EXPECT_EQ(entry.arguments.back(), u')');
        const BuiltinInfo* info = findBuiltin(entry.name);
        if (!info) continue;  // reported by the test above
        Arity arity = arityOf(entry.arguments);
        EXPECT_EQ(arity.required, int{info->minArgs});
        if (info->maxArgs >= 0) {
            EXPECT_EQ(arity.total, int{info->maxArgs});
        }
    }
}

TEST(BuiltinCatalog, LookupIgnoresCaseAndKnowsOnlyBuiltins) {
    const CatalogEntry* inStr = FindCatalogEntry(u"instr");
    ASSERT_NE(inStr, nullptr);
    EXPECT_EQ(inStr->name, u"InStr");
    ASSERT_NE(FindCatalogEntry(u"SCRIPTING.DICTIONARY"), nullptr);
    EXPECT_EQ(FindCatalogEntry(u"sqrt"), nullptr);
    EXPECT_EQ(FindCatalogEntry(u""), nullptr);
}

}  // namespace
