// Calls the library's built-in functions by name, the way the interpreter
// does, and describes results as "Subtype value" strings so a table of
// cases reads like a transcript: {"Round(2.5)", "Double 2"}.
#pragma once

#include <string>
#include <vector>

#include "engine/library/builtins.h"
#include "engine/values/ops.h"

namespace vbs::testing {

inline const BuiltinInfo* findLibraryFunction(std::u16string_view name) {
    for (auto family : {mathBuiltins, conversionBuiltins, stringBuiltins, formatBuiltins, dateBuiltins,
                        arrayBuiltins}) {
        for (const BuiltinInfo& info : family())
            if (namesEqual(info.name, name)) return &info;
    }
    return nullptr;
}

inline Variant str(std::string_view utf8) { return Variant::fromUtf8(utf8); }
inline Variant i16(int16_t n) { return Variant::integer(n); }
inline Variant i32(int32_t n) { return Variant::long_(n); }
inline Variant dbl(double d) { return Variant::double_(d); }

// A date from its parts, for date tests. Before day 0 (30 December 1899)
// the time is subtracted: -1.25 is 29 December 1899 at 06:00.
inline Variant dateOf(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    double day = 0;
    ops::dateFromParts(y, m, d, day);
    double time = (hh * 3600 + mm * 60 + ss) / 86400.0;
    return Variant::date(day < 0 ? day - time : day + time);
}

inline std::string typeLabel(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Boolean: return "Boolean";
    case VarType::Byte: return "Byte";
    case VarType::Array: return "Array";
    case VarType::Object: return "Object";
    default: return "Other";
    }
}

// "Integer 5", "String abc", "Null", "Array(a|b)", "error 5".
inline std::string describe(int32_t error, const Variant& v) {
    if (error != 0) return "error " + std::to_string(error);
    if (v.isNull() || v.isEmpty()) return typeLabel(v);
    if (v.isArray()) {
        std::string items;
        for (const Variant& e : v.asArray()->elems) {
            std::u16string s;
            ops::toString(e, s);
            items += (items.empty() ? "" : "|") + toUtf8(s);
        }
        return "Array(" + items + ")";
    }
    std::u16string s;
    if (v.type() == VarType::Date) s = ops::formatDate(v.asDate());
    else if (ops::toString(v, s) != 0) return typeLabel(v) + " ?";
    return typeLabel(v) + " " + toUtf8(s);
}

// Calls `name` with `args` (use missingArg() for an omitted one) and describes the outcome.
inline std::string call(std::u16string_view name, std::vector<Variant> args = {}) {
    const BuiltinInfo* info = findLibraryFunction(name);
    if (!info) return "no such function";
    ErrorDetail detail;
    CallContext ctx;
    ctx.detail = &detail;
    Variant result;
    int32_t error = info->fn(ctx, Args(args.data(), static_cast<int>(args.size())), result);
    return describe(error, result);
}

// The raw result of a call, for tests that look at the value itself.
inline Variant callValue(std::u16string_view name, std::vector<Variant> args = {}) {
    const BuiltinInfo* info = findLibraryFunction(name);
    CallContext ctx;
    Variant result;
    if (info) info->fn(ctx, Args(args.data(), static_cast<int>(args.size())), result);
    return result;
}

}  // namespace vbs::testing
