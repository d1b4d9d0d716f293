// Conversions, type questions, arrays and the named constants.
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

Variant matrix(uint32_t rows, uint32_t columns) {
    auto* data = new ArrayData;
    data->counts = {rows, columns};
    data->elems.resize(rows * columns);
    return Variant::adoptArray(data);
}

class NamedObject : public Dispatch {
public:
    std::u16string typeName() const override { return u"Dictionary"; }
    int32_t findMember(std::u16string_view) override { return kNoMember; }
    int32_t invoke(int32_t, InvokeKind, Args, Variant&, CallContext&) override { return 438; }
};

// An object whose default member answers a fixed value.
class ValueObject : public Dispatch {
public:
    explicit ValueObject(Variant value) : value_(std::move(value)) {}
    std::u16string typeName() const override { return u"ValueObject"; }
    int32_t findMember(std::u16string_view) override { return kNoMember; }
    int32_t invoke(int32_t member, InvokeKind kind, Args, Variant& result, CallContext&) override {
        if (member != kDefaultMember || kind != InvokeKind::Get) return 438;
        result = value_;
        return 0;
    }

private:
    Variant value_;
};

TEST(LibraryConversions, ObjectsStandForTheirDefaultValue) {
    Variant text = Variant::object(new ValueObject(str("hello")));
    Variant number = Variant::object(new ValueObject(dbl(-2.5)));
    Variant plain = Variant::object(new NamedObject);
    runCases({
        {u"Len", {text}, "Long 5"},
        {u"CStr", {number}, "String -2.5"},
        {u"Abs", {number}, "Double 2.5"},
        {u"Mid", {text, i16(2), i16(2)}, "String el"},
        {u"InStr", {text, str("l")}, "Long 3"},
        {u"Len", {plain}, "error 438"},
        {u"CDbl", {Variant::nothing()}, "error 91"},
        {u"TypeName", {text}, "String ValueObject"},
        {u"IsObject", {number}, "Boolean True"},
    });
    // The caller's variable, passed by reference, still holds the object.
    std::vector<Variant> args = {Variant::ref(&text)};
    const BuiltinInfo* len = findLibraryFunction(u"Len");
    CallContext ctx;
    Variant result;
    ASSERT_EQ(len->fn(ctx, Args(args.data(), 1), result), 0);
    EXPECT_EQ(result.asLong(), 5);
    EXPECT_TRUE(text.isObject());
}

TEST(LibraryConversions, EachConversionPicksItsSubtype) {
    runCases({
        {u"CInt", {dbl(2.5)}, "Integer 2"},
        {u"CInt", {dbl(3.5)}, "Integer 4"},
        {u"CInt", {i32(32768)}, "error 6"},
        {u"CLng", {str("2147483648")}, "error 6"},
        {u"CLng", {dbl(-3.5)}, "Long -4"},
        {u"CByte", {i16(256)}, "error 6"},
        {u"CByte", {dbl(200.4)}, "Byte 200"},
        {u"CDbl", {str("1.5e3")}, "Double 1500"},
        {u"CSng", {dbl(0.1)}, "Single 0.1"},
        {u"CCur", {dbl(1.23456)}, "Currency 1.2346"},
        {u"CBool", {str("True")}, "Boolean True"},
        {u"CBool", {i16(0)}, "Boolean False"},
        {u"CBool", {str("yes")}, "error 13"},
        {u"CStr", {Variant::boolean(true)}, "String True"},
        {u"CStr", {Variant()}, "String "},
        {u"CStr", {Variant::null()}, "error 94"},
        {u"CDate", {dbl(1.5)}, "Date 12/31/1899 12:00:00 PM"},
        {u"CDate", {str("2020-01-02")}, "Date 1/2/2020"},
        {u"CInt", {Variant::null()}, "error 94"},
    });
}

TEST(LibraryConversions, IsNumericAndIsDate) {
    runCases({
        {u"IsNumeric", {str("1e5")}, "Boolean True"},
        {u"IsNumeric", {str("&H1F")}, "Boolean True"},
        {u"IsNumeric", {str(" 12 ")}, "Boolean True"},
        {u"IsNumeric", {str("")}, "Boolean False"},
        {u"IsNumeric", {str("12a")}, "Boolean False"},
        {u"IsNumeric", {Variant()}, "Boolean True"},
        {u"IsNumeric", {Variant::null()}, "Boolean False"},
        {u"IsNumeric", {Variant::boolean(true)}, "Boolean True"},
        {u"IsNumeric", {dateOf(2020, 1, 1)}, "Boolean False"},
        {u"IsDate", {str("1/2/2020")}, "Boolean True"},
        {u"IsDate", {str("hello")}, "Boolean False"},
        {u"IsDate", {dateOf(2020, 1, 1)}, "Boolean True"},
        {u"IsDate", {i16(5)}, "Boolean False"},
        {u"IsDate", {Variant::null()}, "Boolean False"},
    });
}

TEST(LibraryArrays, ArrayAndBounds) {
    runCases({
        {u"Array", {}, "Array()"},
        {u"UBound", {callValue(u"Array", {i16(1), i16(2), i16(3)})}, "Long 2"},
        {u"UBound", {callValue(u"Array")}, "Long -1"},
        {u"LBound", {callValue(u"Array", {i16(1)})}, "Long 0"},
        {u"UBound", {matrix(3, 5), i16(2)}, "Long 4"},
        {u"UBound", {matrix(3, 5), i16(1)}, "Long 2"},
        {u"UBound", {matrix(3, 5), i16(3)}, "error 9"},
        {u"LBound", {matrix(3, 5), i16(0)}, "error 9"},
        {u"LBound", {i16(42)}, "error 13"},
        {u"UBound", {str("s")}, "error 13"},
        {u"IsArray", {matrix(1, 1)}, "Boolean True"},
        {u"IsArray", {str("a")}, "Boolean False"},
    });
    Variant mixed = callValue(u"Array", {i16(1), str("b"), Variant::null()});
    ASSERT_TRUE(mixed.isArray());
    EXPECT_EQ(mixed.asArray()->elems.size(), 3u);
    EXPECT_TRUE(mixed.asArray()->elems[2].isNull());
}

TEST(LibraryArrays, TypeNameAndVarTypeOfEverySubtype) {
    auto* object = new NamedObject;
    Variant holder = Variant::object(object);
    struct TypeCase { Variant value; const char* typeName; int varType; };
    std::vector<TypeCase> cases = {
        {Variant(), "Empty", 0}, {Variant::null(), "Null", 1}, {i16(1), "Integer", 2},
        {i32(1), "Long", 3}, {Variant::single(1), "Single", 4}, {dbl(1), "Double", 5},
        {Variant::currency(1), "Currency", 6}, {dateOf(2020, 1, 1), "Date", 7}, {str("s"), "String", 8},
        {Variant::nothing(), "Nothing", 9}, {holder, "Dictionary", 9}, {Variant::error(5), "Error", 10},
        {Variant::boolean(true), "Boolean", 11}, {Variant::byte(1), "Byte", 17},
        {callValue(u"Array"), "Variant()", 8204},
    };
    for (const TypeCase& c : cases) {
        EXPECT_EQ(call(u"TypeName", {c.value}), std::string("String ") + c.typeName);
        EXPECT_EQ(call(u"VarType", {c.value}), "Integer " + std::to_string(c.varType)) << c.typeName;
    }
}

TEST(LibraryArrays, TypeQuestionsFollowByRefArguments) {
    Variant target = Variant::null();
    std::vector<Variant> args = {Variant::ref(&target)};
    const BuiltinInfo* isNull = findLibraryFunction(u"IsNull");
    CallContext ctx;
    Variant result;
    ASSERT_EQ(isNull->fn(ctx, Args(args.data(), 1), result), 0);
    EXPECT_TRUE(result.asBoolean());
    runCases({
        {u"IsEmpty", {Variant()}, "Boolean True"},
        {u"IsEmpty", {str("")}, "Boolean False"},
        {u"IsObject", {Variant::nothing()}, "Boolean True"},
        {u"IsObject", {i16(0)}, "Boolean False"},
    });
}

TEST(LibraryConstants, ValuesScriptsRelyOn) {
    auto constant = [](std::u16string_view name) -> std::string {
        for (const ConstantInfo& info : builtinConstants())
            if (namesEqual(info.name, name)) return describe(0, info.make());
        return "missing";
    };
    EXPECT_EQ(constant(u"vbCrLf"), "String \r\n");
    EXPECT_EQ(constant(u"VBNEWLINE"), "String \r\n");
    EXPECT_EQ(constant(u"vbTextCompare"), "Integer 1");
    EXPECT_EQ(constant(u"vbUseDefault"), "Integer -2");
    EXPECT_EQ(constant(u"vbArray"), "Integer 8192");
    EXPECT_EQ(constant(u"vbSaturday"), "Integer 7");
    EXPECT_EQ(constant(u"vbFirstFullWeek"), "Integer 3");
    EXPECT_EQ(constant(u"vbShortTime"), "Integer 4");
    EXPECT_EQ(constant(u"vbYesNo"), "Integer 4");
    EXPECT_EQ(constant(u"vbNo"), "Integer 7");
    EXPECT_EQ(constant(u"vbDefaultButton3"), "Integer 512");
    EXPECT_EQ(constant(u"vbRed"), "Long 255");
    EXPECT_EQ(constant(u"vbYellow"), "Long 65535");
    EXPECT_EQ(constant(u"vbWhite"), "Long 16777215");
    EXPECT_EQ(constant(u"vbObjectError"), "Long -2147221504");
    Variant nul;
    for (const ConstantInfo& info : builtinConstants())
        if (namesEqual(info.name, u"vbNullChar")) nul = info.make();
    ASSERT_TRUE(nul.isString());
    EXPECT_EQ(nul.asString(), std::u16string(1, u'\0'));
}

TEST(LibraryRegistry, EveryNameIsUniqueAcrossFamilies) {
    std::vector<std::u16string> names;
    for (auto family : {mathBuiltins, conversionBuiltins, stringBuiltins, formatBuiltins, dateBuiltins,
                        arrayBuiltins}) {
        for (const BuiltinInfo& info : family()) {
            std::u16string folded = foldName(info.name);
            EXPECT_EQ(std::count(names.begin(), names.end(), folded), 0) << toUtf8(info.name);
            names.push_back(folded);
            EXPECT_LE(info.minArgs, info.maxArgs == -1 ? 127 : info.maxArgs) << toUtf8(info.name);
        }
    }
    for (const ConstantInfo& info : builtinConstants()) {
        std::u16string folded = foldName(info.name);
        EXPECT_EQ(std::count(names.begin(), names.end(), folded), 0) << toUtf8(info.name);
        names.push_back(folded);
    }
}

}  // namespace
