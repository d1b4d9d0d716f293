// The in-memory settings store: named values ("CVARs"), each either a string
// or a number setting, looked up by name without regard to letter case.
// Entries are only ever appended, so the table order is registration order,
// which is also the order of the lines in a saved settings file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talvoro {

// The kind of a setting, fixed when its entry is created.
constexpr int16_t kCvarKindString = 0;
constexpr int16_t kCvarKindNumber = -1;

struct Cvar {
    std::u16string Name;      // letter case of the first registration
    std::u16string StrValue;  // used when Kind is kCvarKindString
    double NumValue = 0;      // used when Kind is kCvarKindNumber
    int16_t Kind = kCvarKindString;
};

class CvarStore {
public:
    // True if an entry with that name exists (letter case ignored).
    bool CvarExists(std::u16string_view name) const;
    // Appends an entry with empty values. Does not look for duplicates: the
    // setters call it only for absent names.
    void CvarAdd(std::u16string_view name, int16_t kind);

    // The setters register a name on first use (fixing its kind and case),
    // then store the value in the first matching entry.
    void SetCvarStr(std::u16string_view name, std::u16string_view value);
    void SetCvarNum(std::u16string_view name, double value);

    // Unregistered names give "" and 0; no error is reported.
    std::u16string GetCvarStr(std::u16string_view name) const;
    double GetCvarNum(std::u16string_view name) const;

    // The kind of a registered name; kCvarKindString for an unknown one.
    int16_t CvarKind(std::u16string_view name) const;

    int32_t CvarCount() const { return static_cast<int32_t>(cvars_.size()); }
    const std::vector<Cvar>& Cvars() const { return cvars_; }

private:
    // Index of the first entry matching `name`, or -1.
    int32_t findCvar(std::u16string_view name) const;

    std::vector<Cvar> cvars_;
};

// Upper-cases a setting name the way the store compares names: ASCII and
// Latin-1 letters (names in files are typed by hand, mostly ASCII).
std::u16string upperCaseName(std::u16string_view name);

// The process-wide store the window and the script library share.
CvarStore& processCvars();

}  // namespace talvoro
