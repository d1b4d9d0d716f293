#include "engine/variant.h"

#include "engine/work_meter.h"

namespace vbs {

Variant Variant::string(std::u16string s) {
    Variant v;
    v.tag_ = VarType::String;
    v.u_.str = new StringData(std::move(s));
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

std::u16string toU16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        size_t extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { out.push_back(c); ++i; continue; }  // stray byte: keep it as Latin-1
        bool ok = i + extra < utf8.size();
        for (size_t k = 1; ok && k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) { out.push_back(c); ++i; continue; }  // broken sequence: Latin-1 byte
        i += extra + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) out.push_back(static_cast<char>(cp));
        else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace vbs
