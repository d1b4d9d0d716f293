#include "engine/library/library_support.h"

#include "engine/values/work_meter.h"

namespace vbs::lib {

int32_t readString(const Args& args, int i, std::u16string& out) {
    int32_t e = ops::toString(args.at(i), out);
    chargeWork(out.size() * sizeof(char16_t));
    return e;
}

int32_t readCompareMode(const Args& args, int i, bool& textCompare) {
    int32_t mode = 0;
    if (int32_t e = readOptionalLong(args, i, 0, mode)) return e;
    // vbDatabaseCompare (2) needs a database to ask; a script has none, so
    // it is an invalid argument like any other unknown mode.
    if (mode != 0 && mode != 1) return err::InvalidProcCall;
    textCompare = mode == 1;
    return 0;
}

int32_t replaceObjectsByValues(CallContext& ctx, Args& args) {
    for (int i = 0; i < args.size(); ++i) {
        const Variant& v = args.at(i);
        if (!v.isObject()) continue;
        if (v.isNothing()) return err::ObjectVariableNotSet;
        // Every object a script holds is a Dispatch (object.h).
        auto* object = static_cast<Dispatch*>(v.asObject());
        Variant keepAlive = v;
        Variant value;
        if (int32_t e = object->invoke(kDefaultMember, InvokeKind::Get, Args(nullptr, 0), value, ctx)) return e;
        if (value.isObject()) return err::MemberNotSupported;
        args.raw()[i] = std::move(value);
    }
    return 0;
}

}  // namespace vbs::lib
