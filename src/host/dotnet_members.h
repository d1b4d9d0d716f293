// What the members of the .NET objects share: reading their arguments as the
// COM bridge does (too few is 449, too many 450, an index is a whole number)
// and checking an index against a collection's size.
#pragma once

#include <cstdint>

#include "engine/arguments.h"
#include "engine/error_table.h"
#include "host/dotnet_values.h"

namespace talvoro::host::dotnet {

inline int32_t checkArgCount(const vbs::Args& args, int count) {
    if (args.size() < count) return vbs::err::ArgumentNotOptional;
    if (args.size() > count) return vbs::err::WrongArgCount;
    for (int i = 0; i < count; ++i)
        if (args.missing(i)) return vbs::err::ArgumentNotOptional;
    return 0;
}

// An index that must name an item: 0 <= index < size.
inline int32_t readItemIndex(const vbs::Args& args, int i, size_t size, vbs::CallContext& ctx, size_t& out) {
    int32_t index = 0;
    if (int32_t e = vbs::lib::readLong(args, i, index)) return e;
    if (index < 0 || static_cast<size_t>(index) >= size) return fail(ctx, kIndexOutOfRange);
    out = static_cast<size_t>(index);
    return 0;
}

// A range given as its first index and length, which must lie within size.
inline int32_t readRange(const vbs::Args& args, int i, size_t size, vbs::CallContext& ctx, size_t& first,
                         size_t& count) {
    int32_t index = 0, length = 0;
    if (int32_t e = vbs::lib::readLong(args, i, index)) return e;
    if (int32_t e = vbs::lib::readLong(args, i + 1, length)) return e;
    if (index < 0 || length < 0) return fail(ctx, kNegativeNumber);
    if (static_cast<size_t>(index) > size || size - static_cast<size_t>(index) < static_cast<size_t>(length))
        return fail(ctx, kBadRange);
    first = static_cast<size_t>(index);
    count = static_cast<size_t>(length);
    return 0;
}

inline vbs::Variant countOf(size_t size) { return vbs::Variant::long_(static_cast<int32_t>(size)); }

}  // namespace talvoro::host::dotnet
