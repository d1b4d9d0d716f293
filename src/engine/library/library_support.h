// Helpers of the built-in functions beyond reading their arguments
// (arguments.h, which host objects use too).
#pragma once

#include <cstdint>
#include <string>

#include "engine/arguments.h"
#include "engine/error_table.h"
#include "engine/object.h"
#include "engine/values/ops.h"
#include "engine/variant.h"
#include "engine/values/work_meter.h"

namespace vbs::lib {

// The `compare` argument of InStr, Replace, Split, StrComp, Filter:
// 0 binary (default), 1 text; anything else is error 5.
int32_t readCompareMode(const Args& args, int i, bool& textCompare);

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
