// The registry of built-in functions and constants. Each family of functions
// (maths, strings, dates, ...) lives in its own file and contributes a table;
// the compiler looks names up here once, at compile time, so a call of a
// built-in is a direct function-pointer call at run time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/object.h"
#include "engine/variant.h"

namespace vbs {

// A built-in: reads its arguments (through args.at(i), which follows ByRef
// references; args.missing(i) for omitted optional ones), writes its result,
// and returns 0 or an error number (ctx.fail(...) to give a custom text).
using BuiltinFn = int32_t (*)(CallContext& ctx, Args args, Variant& result);

struct BuiltinInfo {
    const char16_t* name;  // as documented, e.g. u"FormatNumber"
    int8_t minArgs;
    int8_t maxArgs;        // -1: any number (Array)
    BuiltinFn fn;
};

struct ConstantInfo {
    const char16_t* name;  // e.g. u"vbCrLf"
    Variant (*make)();     // builds the value (strings are heap values)
};

// Looks a built-in function up by name, without regard to case; nullptr if none.
const BuiltinInfo* findBuiltin(std::u16string_view name);
// Looks a built-in constant up by name, without regard to case; nullptr if none.
const ConstantInfo* findConstant(std::u16string_view name);

// Each family registers its table here (defined in the family's own file).
std::span<const BuiltinInfo> mathBuiltins();
std::span<const BuiltinInfo> conversionBuiltins();
std::span<const BuiltinInfo> stringBuiltins();
std::span<const BuiltinInfo> formatBuiltins();
std::span<const BuiltinInfo> dateBuiltins();
std::span<const BuiltinInfo> arrayBuiltins();
std::span<const BuiltinInfo> scriptBuiltins();   // Eval, Execute, GetRef, CreateObject, ... (need the interpreter)
std::span<const BuiltinInfo> objectBuiltins();   // CreateObject
std::span<const ConstantInfo> builtinConstants();

// A component CreateObject makes without the application's help, by ProgID.
struct EngineComponent {
    const char16_t* progId;                // e.g. u"Scripting.Dictionary"
    Dispatch* (*make)(CallContext& ctx);   // a new instance, no reference counted yet
};
std::span<const EngineComponent> engineComponents();

// The classes `New` makes itself (RegExp).
std::span<const char16_t* const> builtinClassNames();

// `New RegExp`: a new instance of a class the engine itself provides, with one
// reference already counted for the caller; nullptr if `name` is no such class.
Dispatch* newBuiltinClassInstance(std::u16string_view name);
// True for the classes `New` makes itself: a script's own class of that name
// may be declared, but `New` still makes the engine's.
bool isBuiltinClass(std::u16string_view name);

}  // namespace vbs
