// WScript.Arguments and its Named and Unnamed views. A named argument is a
// switch: "/name:value", or "/name" alone (its value is Empty); names are
// matched without regard to case. Item(i) counts from 0 and is the default
// member, so Arguments(0) is the first argument.
#include <memory>

#include "engine/error_table.h"
#include "engine/host_object.h"
#include "engine/arguments.h"
#include "host/wscript.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

struct NamedArgument {
    std::u16string name;
    Variant value;
};

bool parseSwitch(const std::u16string& argument, NamedArgument& out) {
    if (argument.size() < 2 || argument[0] != u'/') return false;
    size_t colon = argument.find(u':');
    out.name = argument.substr(1, colon == std::u16string::npos ? std::u16string::npos : colon - 1);
    out.value = colon == std::u16string::npos ? Variant() : Variant::string(argument.substr(colon + 1));
    return !out.name.empty();
}

void addCount(HostObject& object, int32_t count) {
    auto answer = [count](Args, Variant& result, CallContext&) {
        result = Variant::long_(count);
        return 0;
    };
    object.property(u"Count", answer).property(u"Length", answer);
}

// A list by position: Item(i), Count, Length, For Each.
Variant makePositional(std::vector<Variant> values, const char16_t* typeName) {
    auto* list = new HostObject(typeName);
    Variant holder = Variant::object(list);
    auto shared = std::make_shared<std::vector<Variant>>(std::move(values));
    addCount(*list, static_cast<int32_t>(shared->size()));
    list->property(u"Item", [shared](Args args, Variant& result, CallContext&) -> int32_t {
        int32_t index = 0;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readLong(args, 0, index)) return e;
        if (index < 0 || static_cast<size_t>(index) >= shared->size()) return vbs::err::SubscriptOutOfRange;
        result = (*shared)[static_cast<size_t>(index)];
        return 0;
    });
    list->setDefault(u"Item");
    list->enumerator([shared](std::vector<Variant>& items, CallContext&) {
        items = *shared;
        return 0;
    });
    return holder;
}

// The switches by name: Item(name) (Empty for one not given), Exists, and
// For Each over the names.
Variant makeNamed(std::vector<NamedArgument> switches) {
    auto* named = new HostObject(u"Object");
    Variant holder = Variant::object(named);
    auto shared = std::make_shared<std::vector<NamedArgument>>(std::move(switches));
    addCount(*named, static_cast<int32_t>(shared->size()));
    auto find = [shared](Args& args, const NamedArgument*& found) -> int32_t {
        std::u16string name;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readString(args, 0, name)) return e;
        found = nullptr;
        for (const NamedArgument& candidate : *shared)
            if (vbs::namesEqual(candidate.name, name)) found = &candidate;  // the last one given counts
        return 0;
    };
    named->property(u"Item", [find](Args args, Variant& result, CallContext&) -> int32_t {
        const NamedArgument* found;
        if (int32_t e = find(args, found)) return e;
        result = found ? found->value : Variant();
        return 0;
    });
    named->setDefault(u"Item");
    named->method(u"Exists", [find](Args args, Variant& result, CallContext&) -> int32_t {
        const NamedArgument* found;
        if (int32_t e = find(args, found)) return e;
        result = Variant::boolean(found != nullptr);
        return 0;
    });
    named->enumerator([shared](std::vector<Variant>& items, CallContext&) {
        items.clear();
        for (const NamedArgument& argument : *shared) items.push_back(Variant::string(argument.name));
        return 0;
    });
    return holder;
}

}  // namespace

Variant makeArgumentsObject(const std::vector<std::string>& arguments) {
    std::vector<Variant> all, unnamed;
    std::vector<NamedArgument> named;
    for (const std::string& argument : arguments) {
        std::u16string text = vbs::toU16(argument);
        all.push_back(Variant::string(text));
        NamedArgument parsed;
        if (parseSwitch(text, parsed)) named.push_back(std::move(parsed));
        else unnamed.push_back(Variant::string(text));
    }
    Variant object = makePositional(std::move(all), u"Object");
    auto* dispatch = static_cast<HostObject*>(object.asObject());
    Variant namedView = makeNamed(std::move(named));
    Variant unnamedView = makePositional(std::move(unnamed), u"Object");
    // Given arguments, the VM indexes the view instead (Named("n")).
    auto view = [](Variant value) {
        return [value](Args args, Variant& result, CallContext&) {
            if (args.size() != 0) return vbs::err::WrongArgCount;
            result = value;
            return 0;
        };
    };
    dispatch->property(u"Named", view(std::move(namedView)));
    dispatch->property(u"Unnamed", view(std::move(unnamedView)));
    return object;
}

}  // namespace talvoro::host
