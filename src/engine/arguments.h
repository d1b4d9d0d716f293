// Reading a member's arguments: the helpers every built-in function and
// every host object member use. They only forward to the conversions, so a
// member reads as "convert, check, compute" and the conversion rules stay in
// one place.
#pragma once

#include <cstdint>
#include <string>

#include "engine/conversions.h"
#include "engine/object.h"
#include "engine/variant.h"

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
// The copy counts towards the time limit's clock, as every long copy does.
int32_t readString(const Args& args, int i, std::u16string& out);
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

// Functions that work on values (Len, Abs, CStr, Year, ...) see an object
// argument as the value of its default member, as operators do. This swaps
// each object argument for that value in the argument slot itself, so the
// caller's variable (a ByRef argument) keeps its object. Nothing is error 91;
// an object without a default member is error 438.
int32_t replaceObjectsByValues(CallContext& ctx, Args& args);

}  // namespace vbs::lib
