#include "engine/object.h"

namespace vbs {

namespace {
char16_t upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }
}  // namespace

bool namesEqual(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

std::u16string foldName(std::u16string_view name) {
    std::u16string out(name);
    for (auto& c : out) c = upper(c);
    return out;
}

}  // namespace vbs
