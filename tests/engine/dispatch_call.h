// Calling an object's members by name from a test, the way a script's call
// site would: findMember once, then invoke with the arguments in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/object.h"
#include "engine/variant.h"

namespace vbs::testing_support {

struct CallResult {
    int32_t error = 0;
    Variant value;
};

// `name` empty means the default member (obj(args)).
inline CallResult callMember(Dispatch& object, std::u16string_view name, InvokeKind kind,
                             std::vector<Variant> args = {}) {
    CallResult out;
    int32_t member = name.empty() ? kDefaultMember : object.findMember(name);
    if (member == kNoMember) {
        out.error = 438;
        return out;
    }
    ErrorDetail detail;
    CallContext ctx;
    ctx.detail = &detail;
    out.error = object.invoke(member, kind, Args(args.data(), static_cast<int>(args.size())), out.value, ctx);
    return out;
}

inline Variant str(std::u16string_view s) { return Variant::string(s); }

// The elements of a one-dimensional array Variant.
inline std::vector<Variant> arrayElements(const Variant& v) {
    if (!v.isArray()) return {};
    return v.asArray()->elems;
}

inline std::u16string textOf(const Variant& v) { return v.isString() ? v.asString() : u"<not a string>"; }

}  // namespace vbs::testing_support
