// The objects a script can make without the application's help:
// CreateObject("Scripting.Dictionary") and `New RegExp` (also made by
// CreateObject("VBScript.RegExp")), and the ProgIDs the application
// registered (ScriptEngine::RegisterObjectType). Scripts cannot reach any
// other component, so every other ProgID fails the way a missing
// component does (429).
#include <array>

#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/library/dictionary.h"
#include "engine/library/regexp.h"
#include "engine/values/ops.h"

namespace vbs {

namespace {

Dispatch* makeDictionary(CallContext& ctx) { return new Dictionary(ctx.vm); }
Dispatch* makeRegExp(CallContext&) { return new RegExp; }

constexpr EngineComponent kEngineComponents[] = {
    {u"Scripting.Dictionary", &makeDictionary},
    {u"VBScript.RegExp", &makeRegExp},
};

constexpr const char16_t* kBuiltinClasses[] = {u"RegExp"};

// CreateObject(progID[, serverName]). A server name other than the local
// machine cannot be served either.
int32_t createObject(CallContext& ctx, Args args, Variant& result) {
    std::u16string progId;
    if (int32_t e = ops::toString(args.at(0), progId)) return e;
    if (!args.missing(1)) {
        std::u16string server;
        if (int32_t e = ops::toString(args.at(1), server)) return e;
        if (!server.empty()) return err::CantCreateObject;
    }
    for (const EngineComponent& component : engineComponents()) {
        if (namesEqual(progId, component.progId)) {
            result = Variant::object(component.make(ctx));
            return 0;
        }
    }
    if (const ObjectFactory* make = ctx.vm ? ctx.vm->objectFactory(progId) : nullptr) return (*make)(ctx, result);
    return err::CantCreateObject;
}

// GetObject([pathName][, class]): no running component or document can be
// reached from a script here.
int32_t getObject(CallContext&, Args, Variant&) { return err::CantCreateObject; }

constexpr std::array<BuiltinInfo, 2> kObjectBuiltins{{
    {u"CreateObject", 1, 2, &createObject},
    {u"GetObject", 0, 2, &getObject},
}};

}  // namespace

std::span<const BuiltinInfo> objectBuiltins() { return kObjectBuiltins; }

std::span<const EngineComponent> engineComponents() { return kEngineComponents; }

std::span<const char16_t* const> builtinClassNames() { return kBuiltinClasses; }

bool isBuiltinClass(std::u16string_view name) {
    for (const char16_t* builtin : kBuiltinClasses)
        if (namesEqual(name, builtin)) return true;
    return false;
}

Dispatch* newBuiltinClassInstance(std::u16string_view name) {
    if (isBuiltinClass(name)) {
        auto* regExp = new RegExp;
        regExp->addRef();
        return regExp;
    }
    return nullptr;
}

}  // namespace vbs
