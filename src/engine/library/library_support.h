// Small helpers every family of built-in functions uses to read its
// arguments. They only forward to the conversions in ops.h, so each built-in
// reads as "convert, check, compute" and the conversion rules stay in one place.
#pragma once

#include <cstdint>
#include <string>

#include "engine/error_table.h"
#include "engine/object.h"
#include "engine/ops.h"
#include "engine/variant.h"
#include "engine/work_meter.h"

namespace vbs::lib {

inline int32_t readDouble(const Args& args, int i, double& out) { return ops::toDouble(args.at(i), out); }
// Integer and Long arguments (counts, positions, character codes: nearly all
// of them) are read without the general conversion.
inline int32_t readLong(const Args& args, int i, int32_t& out) {
    const Variant& v = args.at(i);
    if (v.type() == VarType::Long) { out = v.asLong(); return 0; }
    if (v.type() == VarType::Integer) { out = v.asInteger(); return 0; }
    return ops::toLong(v, out);
}
// The copy counts towards the time limit's clock (work_meter.h).
inline int32_t readString(const Args& args, int i, std::u16string& out) {
    int32_t e = ops::toString(args.at(i), out);
    chargeWork(out.size() * sizeof(char16_t));
    return e;
}
// Argument `i` as text without copying it when it is a string already (Mid or
// InStr on a long text in a loop must not copy the text at each call); other
// values are converted into `storage`. `out` stays valid during the call.
inline int32_t readTextRef(const Args& args, int i, std::u16string& storage, const std::u16string*& out) {
    const Variant& v = args.at(i);
    if (v.isString()) { out = &v.asString(); return 0; }
    out = &storage;
    return ops::toString(v, storage);
}
inline int32_t readDate(const Args& args, int i, double& out) { return ops::toDate(args.at(i), out); }

// An optional whole-number argument: `fallback` when the caller omitted it.
inline int32_t readOptionalLong(const Args& args, int i, int32_t fallback, int32_t& out) {
    if (args.missing(i)) { out = fallback; return 0; }
    return readLong(args, i, out);
}

inline bool isNullArg(const Args& args, int i) { return !args.missing(i) && args.at(i).isNull(); }

// The `compare` argument of InStr, Replace, Split, StrComp, Filter:
// 0 binary (default), 1 text; anything else is error 5.
int32_t readCompareMode(const Args& args, int i, bool& textCompare);

// Functions that work on values (Len, Abs, CStr, Year, ...) see an object
// argument as the value of its default member, as operators do. This swaps
// each object argument for that value in the argument slot itself, so the
// caller's variable (a ByRef argument) keeps its object. Nothing is error 91;
// an object without a default member is error 438.
int32_t replaceObjectsByValues(CallContext& ctx, Args& args);

// A table entry `onValues<fnLen>` runs fnLen with objects already replaced.
template <int32_t (*Fn)(CallContext&, Args, Variant&)>
int32_t onValues(CallContext& ctx, Args args, Variant& result) {
    // Objects among the arguments are rare: look for one here, inline, and
    // only then make the call that replaces them.
    for (int i = 0; i < args.size(); ++i) {
        if (!args.at(i).isObject()) continue;
        if (int32_t e = replaceObjectsByValues(ctx, args)) return e;
        break;
    }
    return Fn(ctx, args, result);
}

}  // namespace vbs::lib

#include <vector>

namespace vbs::lib {

// A new one-dimensional array (lower bound 0) holding `items`; no items give
// the empty array whose UBound is -1.
inline Variant makeArray(std::vector<Variant> items) {
    auto* data = new ArrayData;
    data->counts = {static_cast<uint32_t>(items.size())};
    data->elems = std::move(items);
    return Variant::adoptArray(data);
}

}  // namespace vbs::lib
