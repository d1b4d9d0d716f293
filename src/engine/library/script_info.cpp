#include "engine/library/script_info.h"

#include <algorithm>

#include "engine/library/library_support.h"

namespace vbs::lib {

namespace {

constexpr int32_t kMajorVersion = 5;
constexpr int32_t kMinorVersion = 8;
constexpr int32_t kBuildVersion = 18000;

// SetLocale only records the choice; numbers and dates stay US-formatted, so
// a script that switches locale still prints what the calculator expects.
int32_t currentLocaleId = kDefaultLocaleId;

struct LocaleName {
    const char16_t* tag;
    int32_t id;
};

const LocaleName kLocaleNames[] = {
    {u"en-us", 1033}, {u"en-gb", 2057}, {u"en-au", 3081}, {u"en-ca", 4105},
    {u"de-de", 1031}, {u"de-at", 3079}, {u"de-ch", 2055}, {u"fr-fr", 1036},
    {u"fr-ca", 3084}, {u"it-it", 1040}, {u"es-es", 3082}, {u"es-mx", 2058},
    {u"nl-nl", 1043}, {u"pt-br", 1046}, {u"pt-pt", 2070}, {u"sv-se", 1053},
    {u"da-dk", 1030}, {u"nb-no", 1044}, {u"fi-fi", 1035}, {u"pl-pl", 1045},
    {u"cs-cz", 1029}, {u"hu-hu", 1038}, {u"ru-ru", 1049}, {u"tr-tr", 1055},
    {u"el-gr", 1032}, {u"ja-jp", 1041}, {u"ko-kr", 1042}, {u"zh-cn", 2052},
    {u"zh-tw", 1028},
};

bool isKnownLocaleId(int32_t id) {
    return std::any_of(std::begin(kLocaleNames), std::end(kLocaleNames),
                       [id](const LocaleName& n) { return n.id == id; });
}

int32_t localeIdFromName(const std::u16string& name, int32_t& id) {
    for (const LocaleName& n : kLocaleNames)
        if (namesEqual(name, n.tag)) { id = n.id; return 0; }
    return err::InvalidProcCall;
}

int32_t fnScriptEngine(CallContext&, Args, Variant& result) {
    result = Variant::string(std::u16string(u"VBScript"));
    return 0;
}
int32_t fnMajorVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kMajorVersion); return 0; }
int32_t fnMinorVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kMinorVersion); return 0; }
int32_t fnBuildVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kBuildVersion); return 0; }

int32_t fnGetLocale(CallContext&, Args, Variant& result) {
    result = Variant::long_(currentLocaleId);
    return 0;
}

// SetLocale([lcid]) answers the previous locale. 0 or no argument means the
// default; text is a tag such as "en-gb".
int32_t fnSetLocale(CallContext&, Args args, Variant& result) {
    int32_t id = kDefaultLocaleId;
    if (!args.missing(0)) {
        const Variant& v = args.at(0);
        if (v.isString()) {
            if (int32_t e = localeIdFromName(v.asString(), id)) return e;
        } else {
            if (int32_t e = ops::toLong(v, id)) return e;
            if (id == 0) id = kDefaultLocaleId;
            if (!isKnownLocaleId(id)) return err::InvalidProcCall;
        }
    }
    result = Variant::long_(currentLocaleId);
    currentLocaleId = id;
    return 0;
}

// RGB(r, g, b): components above 255 count as 255; negative ones are errors.
int32_t fnRGB(CallContext&, Args args, Variant& result) {
    int32_t value = 0;
    for (int i = 2; i >= 0; --i) {
        int32_t component = 0;
        if (int32_t e = readLong(args, i, component)) return e;
        if (component < 0) return err::InvalidProcCall;
        value = value * 256 + std::min(component, 255);
    }
    result = Variant::long_(value);
    return 0;
}

const BuiltinInfo kScriptInfoBuiltins[] = {
    {u"GetLocale", 0, 0, fnGetLocale},
    {u"RGB", 3, 3, fnRGB},
    {u"ScriptEngine", 0, 0, fnScriptEngine},
    {u"ScriptEngineBuildVersion", 0, 0, fnBuildVersion},
    {u"ScriptEngineMajorVersion", 0, 0, fnMajorVersion},
    {u"ScriptEngineMinorVersion", 0, 0, fnMinorVersion},
    {u"SetLocale", 0, 1, fnSetLocale},
};

}  // namespace

std::span<const BuiltinInfo> scriptInfoBuiltins() { return kScriptInfoBuiltins; }

}  // namespace vbs::lib
