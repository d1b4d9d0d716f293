#include "engine/variant.h"

#include "engine/values/work_meter.h"

namespace vbs {

Variant Variant::string(std::u16string s) {
    Variant v;
    v.tag_ = VarType::String;
    v.u_.str = new StringData(std::move(s));
    return v;
}

Variant Variant::oddByteString(std::u16string whole, uint8_t trailing) {
    Variant v = string(std::move(whole));
    v.u_.str->trailingByte = trailing;
    return v;
}

Variant Variant::fromUtf8(std::string_view s) { return string(toU16(s)); }

Variant Variant::object(Object* o) {
    Variant v;
    v.tag_ = VarType::Object;
    v.u_.obj = o;
    if (o) o->addRef();
    return v;
}

Variant Variant::adoptArray(ArrayData* a) {
    Variant v;
    v.tag_ = VarType::Array;
    v.u_.arr = a;
    return v;
}

bool Variant::isNumeric() const {
    switch (tag_) {
    case VarType::Integer: case VarType::Long: case VarType::Single: case VarType::Double:
    case VarType::Currency: case VarType::Byte: case VarType::Boolean: case VarType::Date:
        return true;
    default:
        return false;
    }
}

ArrayData* Variant::uniqueArray() {
    if (tag_ != VarType::Array) return nullptr;
    if (u_.arr->refs > 1) {
        auto* copy = new ArrayData(*u_.arr);
        copy->refs = 1;
        copy->locks = 0;
        chargeWork(copy->elems.size() * sizeof(Variant));
        --u_.arr->refs;
        u_.arr = copy;
    }
    return u_.arr;
}

void Variant::copyFixedArrayAway() {
    auto* copy = new ArrayData(*u_.arr);
    copy->refs = 1;
    copy->locks = 0;
    copy->fixedSize = false;
    chargeWork(copy->elems.size() * sizeof(Variant));
    Variant fresh = adoptArray(copy);
    *this = std::move(fresh);
}

void Variant::releaseHeap() {
    switch (tag_) {
    case VarType::String:
        if (--u_.str->refs == 0) delete u_.str;
        break;
    case VarType::Object:
        if (u_.obj) u_.obj->releaseRef();
        break;
    case VarType::Array:
        if (--u_.arr->refs == 0) releaseLastReference(u_.arr);
        break;
    default:
        break;
    }
}

}  // namespace vbs
