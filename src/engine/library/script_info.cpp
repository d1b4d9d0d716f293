#include "engine/library/script_info.h"

#include <algorithm>

#include "engine/library/library_support.h"
#include "engine/values/locale.h"

namespace vbs::lib {

namespace {

constexpr int32_t kMajorVersion = 5;
constexpr int32_t kMinorVersion = 8;
constexpr int32_t kBuildVersion = 18000;

// SetLocale's argument: an LCID (1031), the same as text ("1031"), or a tag
// ("de-de", "de"); 0 and no argument mean the default. A number we do not
// carry the conventions of is 447 "Object doesn't support current locale
// setting", as Windows answers an LCID it does not know; an unknown tag is 5.
int32_t readLocale(const Args& args, const Locale*& out) {
    out = &usEnglishLocale();
    if (args.missing(0)) return 0;
    const Variant& v = args.at(0);
    double number = 0;
    if (v.isString() && !ops::parseNumber(v.asString(), number)) {
        out = findLocale(std::u16string_view(v.asString()));
        return out ? 0 : err::InvalidProcCall;
    }
    int32_t id = 0;
    if (int32_t e = ops::toLong(v, id)) return e;
    if (id == 0) return 0;
    out = findLocale(id);
    return out ? 0 : err::LocaleNotSupported;
}

int32_t fnScriptEngine(CallContext&, Args, Variant& result) {
    result = Variant::string(std::u16string(u"VBScript"));
    return 0;
}
int32_t fnMajorVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kMajorVersion); return 0; }
int32_t fnMinorVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kMinorVersion); return 0; }
int32_t fnBuildVersion(CallContext&, Args, Variant& result) { result = Variant::long_(kBuildVersion); return 0; }

int32_t fnGetLocale(CallContext&, Args, Variant& result) {
    result = Variant::long_(activeLocale().id);
    return 0;
}

// SetLocale([lcid]) answers the previous locale.
int32_t fnSetLocale(CallContext&, Args args, Variant& result) {
    const Locale* locale = nullptr;
    if (int32_t e = readLocale(args, locale)) return e;
    result = Variant::long_(activeLocale().id);
    setActiveLocale(*locale);
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
