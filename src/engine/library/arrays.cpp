// Array and type-query built-ins: Array IsArray LBound UBound VarType
// TypeName IsEmpty IsNull IsObject. (Split, Join and Filter make and read
// arrays too, but they are string functions and live in strings.cpp.)
#include "engine/library/builtins.h"
#include "engine/library/library_support.h"

namespace vbs {

namespace {

int32_t fnArray(CallContext&, Args args, Variant& result) {
    std::vector<Variant> items;
    items.reserve(static_cast<size_t>(args.size()));
    for (int i = 0; i < args.size(); ++i) items.push_back(args.at(i));
    result = lib::makeArray(std::move(items));
    return 0;
}

// The array LBound/UBound read: the argument, or the array an object's
// default member (a Property Get) returns. An object whose default member is
// missing or needs arguments does not support the read (438).
int32_t boundedArray(CallContext& ctx, const Variant& v, Variant& out) {
    if (v.isNothing()) return err::ObjectVariableNotSet;
    if (!v.isObject()) { out = v; return 0; }
    int32_t e = ctx.defaultValue(v, out);
    return e == err::WrongArgCount ? err::MemberNotSupported : e;
}

// LBound/UBound(array[, dimension]): dimensions count from 1. Nothing is an
// object variable that was never set (91); any other non-array is 13.
// `holder` keeps an array read from an object alive while it is measured.
int32_t readDimension(CallContext& ctx, Args& args, Variant& holder, const ArrayData*& data, int& dimension) {
    if (int32_t e = boundedArray(ctx, args.at(0), holder)) return e;
    if (!holder.isArray()) return err::TypeMismatch;
    data = holder.asArray();
    int32_t n = 1;
    if (int32_t e = lib::readOptionalLong(args, 1, 1, n)) return e;
    if (n < 1 || n > data->dims()) return err::SubscriptOutOfRange;
    dimension = n - 1;
    return 0;
}

int32_t fnLBound(CallContext& ctx, Args args, Variant& result) {
    Variant holder;
    const ArrayData* data = nullptr;
    int dimension = 0;
    if (int32_t e = readDimension(ctx, args, holder, data, dimension)) return e;
    result = Variant::long_(0);  // VBScript arrays always start at 0
    return 0;
}

int32_t fnUBound(CallContext& ctx, Args args, Variant& result) {
    Variant holder;
    const ArrayData* data = nullptr;
    int dimension = 0;
    if (int32_t e = readDimension(ctx, args, holder, data, dimension)) return e;
    result = Variant::long_(static_cast<int32_t>(data->counts[static_cast<size_t>(dimension)]) - 1);
    return 0;
}

int32_t fnIsArray(CallContext&, Args args, Variant& result) {
    result = Variant::boolean(args.at(0).isArray());
    return 0;
}
int32_t fnIsEmpty(CallContext&, Args args, Variant& result) {
    result = Variant::boolean(args.at(0).isEmpty());
    return 0;
}
int32_t fnIsNull(CallContext&, Args args, Variant& result) {
    result = Variant::boolean(args.at(0).isNull());
    return 0;
}
int32_t fnIsObject(CallContext&, Args args, Variant& result) {
    result = Variant::boolean(args.at(0).isObject());
    return 0;
}

int32_t fnVarType(CallContext&, Args args, Variant& result) {
    result = Variant::integer(static_cast<int16_t>(args.at(0).type()));
    return 0;
}

const char16_t* typeNameOf(VarType type) {
    switch (type) {
    case VarType::Empty: return u"Empty";
    case VarType::Null: return u"Null";
    case VarType::Integer: return u"Integer";
    case VarType::Long: return u"Long";
    case VarType::Single: return u"Single";
    case VarType::Double: return u"Double";
    case VarType::Currency: return u"Currency";
    case VarType::Date: return u"Date";
    case VarType::String: return u"String";
    case VarType::Boolean: return u"Boolean";
    case VarType::Byte: return u"Byte";
    case VarType::Error: return u"Error";
    case VarType::Array: return u"Variant()";
    default: return u"Unknown";
    }
}

int32_t fnTypeName(CallContext&, Args args, Variant& result) {
    const Variant& v = args.at(0);
    if (v.isObject()) {
        // Every object a script holds is a Dispatch (object.h).
        if (v.isNothing()) result = Variant::string(std::u16string(u"Nothing"));
        else result = Variant::string(static_cast<Dispatch*>(v.asObject())->typeName());
        return 0;
    }
    result = Variant::string(std::u16string(typeNameOf(v.type())));
    return 0;
}

const BuiltinInfo kArrayBuiltins[] = {
    {u"Array", 0, -1, fnArray},
    {u"IsArray", 1, 1, fnIsArray},
    {u"IsEmpty", 1, 1, fnIsEmpty},
    {u"IsNull", 1, 1, fnIsNull},
    {u"IsObject", 1, 1, fnIsObject},
    {u"LBound", 1, 2, fnLBound},
    {u"TypeName", 1, 1, fnTypeName},
    {u"UBound", 1, 2, fnUBound},
    {u"VarType", 1, 1, fnVarType},
};

}  // namespace

std::span<const BuiltinInfo> arrayBuiltins() { return kArrayBuiltins; }

}  // namespace vbs
