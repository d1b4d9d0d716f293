// The locales SetLocale accepts, with the conventions Windows gives them by
// default. A locale we do not carry the conventions of is refused (error 447
// for a number, 5 for a tag) rather than accepted and written as English (US).
#include <algorithm>
#include <iterator>

#include "engine/values/locale.h"
#include "engine/object.h"

namespace vbs {

namespace {

const CalendarNames kEnglish = {
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
     u"October", u"November", u"December"},
    {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"},
    {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
    {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
};

const CalendarNames kGerman = {
    {u"Januar", u"Februar", u"M\u00e4rz", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
     u"Oktober", u"November", u"Dezember"},
    {u"Jan", u"Feb", u"M\u00e4r", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"},
    {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
    {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"},
};

// Austria says "Jänner" for January.
const CalendarNames kAustrianGerman = {
    {u"J\u00e4nner", u"Februar", u"M\u00e4rz", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
     u"Oktober", u"November", u"Dezember"},
    {u"J\u00e4n", u"Feb", u"M\u00e4r", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"},
    {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
    {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"},
};

const CalendarNames kFrench = {
    {u"janvier", u"f\u00e9vrier", u"mars", u"avril", u"mai", u"juin", u"juillet", u"ao\u00fbt", u"septembre",
     u"octobre", u"novembre", u"d\u00e9cembre"},
    {u"janv.", u"f\u00e9vr.", u"mars", u"avr.", u"mai", u"juin", u"juil.", u"ao\u00fbt", u"sept.", u"oct.",
     u"nov.", u"d\u00e9c."},
    {u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi"},
    {u"dim.", u"lun.", u"mar.", u"mer.", u"jeu.", u"ven.", u"sam."},
};

const CalendarNames kItalian = {
    {u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno", u"luglio", u"agosto", u"settembre",
     u"ottobre", u"novembre", u"dicembre"},
    {u"gen", u"feb", u"mar", u"apr", u"mag", u"giu", u"lug", u"ago", u"set", u"ott", u"nov", u"dic"},
    {u"domenica", u"luned\u00ec", u"marted\u00ec", u"mercoled\u00ec", u"gioved\u00ec", u"venerd\u00ec",
     u"sabato"},
    {u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"},
};

const CalendarNames kSpanish = {
    {u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio", u"julio", u"agosto", u"septiembre",
     u"octubre", u"noviembre", u"diciembre"},
    {u"ene.", u"feb.", u"mar.", u"abr.", u"may.", u"jun.", u"jul.", u"ago.", u"sep.", u"oct.", u"nov.",
     u"dic."},
    {u"domingo", u"lunes", u"martes", u"mi\u00e9rcoles", u"jueves", u"viernes", u"s\u00e1bado"},
    {u"dom.", u"lun.", u"mar.", u"mi\u00e9.", u"jue.", u"vie.", u"s\u00e1b."},
};

const CalendarNames kDutch = {
    {u"januari", u"februari", u"maart", u"april", u"mei", u"juni", u"juli", u"augustus", u"september",
     u"oktober", u"november", u"december"},
    {u"jan", u"feb", u"mrt", u"apr", u"mei", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"},
    {u"zondag", u"maandag", u"dinsdag", u"woensdag", u"donderdag", u"vrijdag", u"zaterdag"},
    {u"zo", u"ma", u"di", u"wo", u"do", u"vr", u"za"},
};

const CalendarNames kPortuguese = {
    {u"janeiro", u"fevereiro", u"mar\u00e7o", u"abril", u"maio", u"junho", u"julho", u"agosto", u"setembro",
     u"outubro", u"novembro", u"dezembro"},
    {u"jan", u"fev", u"mar", u"abr", u"mai", u"jun", u"jul", u"ago", u"set", u"out", u"nov", u"dez"},
    {u"domingo", u"segunda-feira", u"ter\u00e7a-feira", u"quarta-feira", u"quinta-feira", u"sexta-feira",
     u"s\u00e1bado"},
    {u"dom", u"seg", u"ter", u"qua", u"qui", u"sex", u"s\u00e1b"},
};

const CalendarNames kSwedish = {
    {u"januari", u"februari", u"mars", u"april", u"maj", u"juni", u"juli", u"augusti", u"september",
     u"oktober", u"november", u"december"},
    {u"jan", u"feb", u"mar", u"apr", u"maj", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"},
    {u"s\u00f6ndag", u"m\u00e5ndag", u"tisdag", u"onsdag", u"torsdag", u"fredag", u"l\u00f6rdag"},
    {u"s\u00f6", u"m\u00e5", u"ti", u"on", u"to", u"fr", u"l\u00f6"},
};

// Japanese numbers its months; the short names are the numbers alone.
const CalendarNames kJapanese = {
    {u"1\u6708", u"2\u6708", u"3\u6708", u"4\u6708", u"5\u6708", u"6\u6708", u"7\u6708", u"8\u6708",
     u"9\u6708", u"10\u6708", u"11\u6708", u"12\u6708"},
    {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"},
    {u"\u65e5\u66dc\u65e5", u"\u6708\u66dc\u65e5", u"\u706b\u66dc\u65e5", u"\u6c34\u66dc\u65e5",
     u"\u6728\u66dc\u65e5", u"\u91d1\u66dc\u65e5", u"\u571f\u66dc\u65e5"},
    {u"\u65e5", u"\u6708", u"\u706b", u"\u6c34", u"\u6728", u"\u91d1", u"\u571f"},
};

constexpr char16_t kNoBreakSpace = u'\u00a0';

const Locale kLocales[] = {
    {1033, u"en-us", u'.', u',', u"M/d/yyyy", u"dddd, MMMM d, yyyy", u"h:mm:ss tt", u"AM", u"PM",
     {u"$", u""}, {u"($", u")"}, &kEnglish},
    {2057, u"en-gb", u'.', u',', u"dd/MM/yyyy", u"dd MMMM yyyy", u"HH:mm:ss", u"AM", u"PM",
     {u"\u00a3", u""}, {u"-\u00a3", u""}, &kEnglish},
    {3081, u"en-au", u'.', u',', u"d/MM/yyyy", u"dddd, d MMMM yyyy", u"h:mm:ss tt", u"AM", u"PM",
     {u"$", u""}, {u"-$", u""}, &kEnglish},
    {4105, u"en-ca", u'.', u',', u"dd/MM/yyyy", u"MMMM d, yyyy", u"h:mm:ss tt", u"AM", u"PM",
     {u"$", u""}, {u"-$", u""}, &kEnglish},
    {1031, u"de-de", u',', u'.', u"dd.MM.yyyy", u"dddd, d. MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"", u" \u20ac"}, {u"-", u" \u20ac"}, &kGerman},
    {3079, u"de-at", u',', u'.', u"dd.MM.yyyy", u"dddd, dd. MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"\u20ac ", u""}, {u"-\u20ac ", u""}, &kAustrianGerman},
    {2055, u"de-ch", u'.', u'\'', u"dd.MM.yyyy", u"dddd, d. MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"CHF ", u""}, {u"CHF-", u""}, &kGerman},
    {1036, u"fr-fr", u',', kNoBreakSpace, u"dd/MM/yyyy", u"dddd d MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"", u" \u20ac"}, {u"-", u" \u20ac"}, &kFrench},
    {3084, u"fr-ca", u',', kNoBreakSpace, u"yyyy-MM-dd", u"d MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"", u" $"}, {u"(", u" $)"}, &kFrench},
    {1040, u"it-it", u',', u'.', u"dd/MM/yyyy", u"dddd d MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"\u20ac ", u""}, {u"-\u20ac ", u""}, &kItalian},
    {3082, u"es-es", u',', u'.', u"dd/MM/yyyy", u"dddd, d' de 'MMMM' de 'yyyy", u"H:mm:ss", u"", u"",
     {u"", u" \u20ac"}, {u"-", u" \u20ac"}, &kSpanish},
    {1043, u"nl-nl", u',', u'.', u"d-M-yyyy", u"dddd d MMMM yyyy", u"H:mm:ss", u"", u"",
     {u"\u20ac ", u""}, {u"\u20ac -", u""}, &kDutch},
    {1046, u"pt-br", u',', u'.', u"dd/MM/yyyy", u"dddd, d' de 'MMMM' de 'yyyy", u"HH:mm:ss", u"", u"",
     {u"R$ ", u""}, {u"-R$ ", u""}, &kPortuguese},
    {1053, u"sv-se", u',', kNoBreakSpace, u"yyyy-MM-dd", u"'den 'd MMMM yyyy", u"HH:mm:ss", u"", u"",
     {u"", u" kr"}, {u"-", u" kr"}, &kSwedish},
    {1041, u"ja-jp", u'.', u',', u"yyyy/MM/dd", u"yyyy'\u5e74'M'\u6708'd'\u65e5'", u"H:mm:ss", u"\u5348\u524d",
     u"\u5348\u5f8c", {u"\u00a5", u""}, {u"-\u00a5", u""}, &kJapanese, 0},
};

// A language alone stands for its main country.
struct LanguageAlias {
    const char16_t* language;
    int32_t id;
};
const LanguageAlias kLanguages[] = {
    {u"en", 1033}, {u"de", 1031}, {u"fr", 1036}, {u"it", 1040},
    {u"es", 3082}, {u"nl", 1043}, {u"pt", 1046}, {u"sv", 1053}, {u"ja", 1041},
};

}  // namespace

const Locale& usEnglishLocale() { return kLocales[0]; }

const Locale* findLocale(int32_t id) {
    auto it = std::find_if(std::begin(kLocales), std::end(kLocales), [id](const Locale& l) { return l.id == id; });
    return it == std::end(kLocales) ? nullptr : &*it;
}

const Locale* findLocale(std::u16string_view tag) {
    for (const Locale& l : kLocales)
        if (namesEqual(tag, l.tag)) return &l;
    for (const LanguageAlias& a : kLanguages)
        if (namesEqual(tag, a.language)) return findLocale(a.id);
    return nullptr;
}

}  // namespace vbs
