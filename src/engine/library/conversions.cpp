// Conversion built-ins: CBool CByte CCur CDate CDbl CInt CLng CSng CStr, and
// the two questions IsNumeric and IsDate. The conversion rules themselves live
// in ops (the operators need them too); these functions only pick the target
// subtype. Null cannot be converted (94), which ops reports.
#include "engine/library/builtins.h"
#include "engine/library/library_support.h"
#include "engine/values/locale.h"

namespace vbs {

namespace {

int32_t fnCBool(CallContext&, Args args, Variant& result) {
    bool b = false;
    if (int32_t e = ops::toBoolean(args.at(0), b)) return e;
    result = Variant::boolean(b);
    return 0;
}

int32_t fnCByte(CallContext&, Args args, Variant& result) {
    uint8_t b = 0;
    if (int32_t e = ops::toByte(args.at(0), b)) return e;
    result = Variant::byte(b);
    return 0;
}

int32_t fnCCur(CallContext&, Args args, Variant& result) {
    int64_t scaled = 0;
    if (int32_t e = ops::toCurrency(args.at(0), scaled)) return e;
    result = Variant::currency(scaled);
    return 0;
}

int32_t fnCDate(CallContext&, Args args, Variant& result) {
    double d = 0;
    if (int32_t e = ops::toDate(args.at(0), d)) return e;
    result = Variant::date(d);
    return 0;
}

int32_t fnCDbl(CallContext&, Args args, Variant& result) {
    double d = 0;
    if (int32_t e = ops::toDouble(args.at(0), d)) return e;
    result = Variant::double_(d);
    return 0;
}

int32_t fnCInt(CallContext&, Args args, Variant& result) {
    int16_t n = 0;
    if (int32_t e = ops::castToInteger(args.at(0), n)) return e;
    result = Variant::integer(n);
    return 0;
}

int32_t fnCLng(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = ops::castToLong(args.at(0), n)) return e;
    result = Variant::long_(n);
    return 0;
}

int32_t fnCSng(CallContext&, Args args, Variant& result) {
    float f = 0;
    if (int32_t e = ops::toSingle(args.at(0), f)) return e;
    result = Variant::single(f);
    return 0;
}

int32_t fnCStr(CallContext&, Args args, Variant& result) {
    std::u16string s;
    if (int32_t e = ops::toString(args.at(0), s)) return e;
    result = Variant::string(std::move(s));
    return 0;
}

// Dates are not numeric to IsNumeric, though they are numbers inside; Empty
// is (it converts to 0). Text must read as a whole number.
bool looksNumeric(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: case VarType::Integer: case VarType::Long: case VarType::Single:
    case VarType::Double: case VarType::Currency: case VarType::Boolean: case VarType::Byte:
        return true;
    case VarType::String: {
        double ignored = 0;
        return ops::parseNumber(v.asString(), ignored);
    }
    default:
        return false;
    }
}

bool looksLikeDate(const Variant& v) {
    if (v.isString()) {
        double ignored = 0;
        return ops::parseDate(v.asString(), ignored, activeLocale());
    }
    return v.type() == VarType::Date;
}

// IsNumeric and IsDate ask about a value and do not fail for want of one:
// Nothing, or an object without a default member, is neither a number nor
// a date. Other errors that reading the default member raises stand.
template <bool (*Test)(const Variant&)>
int32_t askAboutValue(CallContext& ctx, Args args, Variant& result) {
    if (args.at(0).isObject()) {
        int32_t e = lib::replaceObjectsByValues(ctx, args);
        if (e == err::ObjectVariableNotSet || e == err::MemberNotSupported) {
            result = Variant::boolean(false);
            return 0;
        }
        if (e) return e;
    }
    result = Variant::boolean(Test(args.at(0)));
    return 0;
}

const BuiltinInfo kConversionBuiltins[] = {
    {u"CBool", 1, 1, lib::onValues<fnCBool>},
    {u"CByte", 1, 1, lib::onValues<fnCByte>},
    {u"CCur", 1, 1, lib::onValues<fnCCur>},
    {u"CDate", 1, 1, lib::onValues<fnCDate>},
    {u"CDbl", 1, 1, lib::onValues<fnCDbl>},
    {u"CInt", 1, 1, lib::onValues<fnCInt>},
    {u"CLng", 1, 1, lib::onValues<fnCLng>},
    {u"CSng", 1, 1, lib::onValues<fnCSng>},
    {u"CStr", 1, 1, lib::onValues<fnCStr>},
    {u"IsDate", 1, 1, askAboutValue<looksLikeDate>},
    {u"IsNumeric", 1, 1, askAboutValue<looksNumeric>},
};

}  // namespace

std::span<const BuiltinInfo> conversionBuiltins() { return kConversionBuiltins; }

}  // namespace vbs
