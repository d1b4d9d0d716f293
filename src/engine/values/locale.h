// The conventions of the locales a script can choose with SetLocale: how
// CStr, the Format functions and the date functions write numbers and dates,
// and how text is read back as a number or a date.
//
// The locale belongs to one engine: ScriptEngine makes its own locale the
// active one for the length of each operation (LocaleScope), so SetLocale
// in one engine leaves another alone. Outside any operation the active
// locale is English (US). What the application itself formats (the
// calculator's answers, the settings file, a host object's text arguments)
// goes through the invariant functions below, which always write "." and
// US dates, whatever a script chose.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/conversions.h"
#include "engine/variant.h"

namespace vbs {

// Month and weekday names of one language (January and Sunday first).
struct CalendarNames {
    const char16_t* months[12];
    const char16_t* monthAbbreviations[12];
    const char16_t* weekdays[7];
    const char16_t* weekdayAbbreviations[7];
};

// Text written before and after an amount of money.
struct Affixes {
    const char16_t* prefix;
    const char16_t* suffix;
};

// Date and time patterns use the letters of the system's own patterns:
// d dd ddd dddd (day, day name), M MM MMM MMMM (month, month name), yy yyyy,
// h hh (12-hour clock), H HH (24-hour clock), mm, ss, tt (AM/PM), and
// text between single quotes as it stands.
struct Locale {
    int32_t id;                 // the LCID GetLocale answers
    const char16_t* tag;        // "de-de"
    char16_t decimal;           // before the decimals
    char16_t group;             // between groups of three digits
    const char16_t* shortDate;  // "dd.MM.yyyy"
    const char16_t* longDate;   // "dddd, d. MMMM yyyy"
    const char16_t* longTime;   // "HH:mm:ss"
    const char16_t* am;
    const char16_t* pm;
    Affixes currency;           // a positive amount: "$" before, or " €" after
    Affixes negativeCurrency;   // a negative one: "($" and ")", or "-" and " €"
    const CalendarNames* names;
    int32_t currencyDecimals = 2;  // FormatCurrency's digits when none are asked for (yen: 0)
};

// English (US): the default, and what the application always writes.
const Locale& usEnglishLocale();
// nullptr if the locale is not one we carry the conventions of.
const Locale* findLocale(int32_t id);
// A tag such as "en-gb", or a language alone ("de" is German, Germany).
const Locale* findLocale(std::u16string_view tag);

// The locale of the engine running now (English (US) outside any).
const Locale& activeLocale();
// SetLocale: changes the running engine's locale.
void setActiveLocale(const Locale& locale);

// While it lives, `slot` holds the active locale: reads see it and
// setActiveLocale writes it. The previous slot comes back at the end, so
// scopes nest (an engine running inside another's call).
class LocaleScope {
public:
    explicit LocaleScope(const Locale*& slot);
    ~LocaleScope();
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    const Locale** previous_;
};

}  // namespace vbs
