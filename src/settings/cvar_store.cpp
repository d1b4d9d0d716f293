#include "settings/cvar_store.h"

namespace talvoro {

std::u16string upperCaseName(std::u16string_view name) {
    std::u16string upper(name);
    for (char16_t& c : upper) {
        bool asciiLower = c >= u'a' && c <= u'z';
        bool latin1Lower = c >= 0xE0 && c <= 0xFE && c != 0xF7;  // 0xF7 is the division sign
        if (asciiLower || latin1Lower) c = static_cast<char16_t>(c - 0x20);
        else if (c == 0xFF) c = 0x178;  // y with diaeresis upper-cases outside Latin-1
    }
    return upper;
}

int32_t CvarStore::findCvar(std::u16string_view name) const {
    const std::u16string wanted = upperCaseName(name);
    for (size_t i = 0; i < cvars_.size(); ++i) {
        if (upperCaseName(cvars_[i].Name) == wanted) return static_cast<int32_t>(i);
    }
    return -1;
}

bool CvarStore::CvarExists(std::u16string_view name) const { return findCvar(name) >= 0; }

void CvarStore::CvarAdd(std::u16string_view name, int16_t kind) {
    Cvar entry;
    entry.Name = std::u16string(name);
    entry.Kind = kind;
    cvars_.push_back(std::move(entry));
}

void CvarStore::SetCvarStr(std::u16string_view name, std::u16string_view value) {
    if (!CvarExists(name)) CvarAdd(name, kCvarKindString);
    cvars_[findCvar(name)].StrValue = std::u16string(value);
}

void CvarStore::SetCvarNum(std::u16string_view name, double value) {
    if (!CvarExists(name)) CvarAdd(name, kCvarKindNumber);
    cvars_[findCvar(name)].NumValue = value;
}

std::u16string CvarStore::GetCvarStr(std::u16string_view name) const {
    int32_t index = findCvar(name);
    return index < 0 ? std::u16string() : cvars_[index].StrValue;
}

double CvarStore::GetCvarNum(std::u16string_view name) const {
    int32_t index = findCvar(name);
    return index < 0 ? 0.0 : cvars_[index].NumValue;
}

int16_t CvarStore::CvarKind(std::u16string_view name) const {
    int32_t index = findCvar(name);
    return index < 0 ? kCvarKindString : cvars_[index].Kind;
}

CvarStore& processCvars() {
    static CvarStore store;
    return store;
}

}  // namespace talvoro
