#include "engine/values/locale.h"

#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs {

namespace {

// Where the active locale is kept: the running engine's own slot, or, with
// no engine running (a unit test calling the library directly), this one.
thread_local const Locale* unscopedLocale = nullptr;
thread_local const Locale** activeSlot = &unscopedLocale;

}  // namespace

const Locale& activeLocale() {
    const Locale* locale = *activeSlot;
    return locale ? *locale : usEnglishLocale();
}

void setActiveLocale(const Locale& locale) { *activeSlot = &locale; }

LocaleScope::LocaleScope(const Locale*& slot) : previous_(activeSlot) { activeSlot = &slot; }

LocaleScope::~LocaleScope() { activeSlot = previous_; }

namespace ops {

int32_t toInvariantString(const Variant& v, std::u16string& out) {
    const Locale* invariant = &usEnglishLocale();
    LocaleScope scope(invariant);
    return toString(v, out);
}

int32_t readInvariantNumber(std::u16string_view text, double& out) {
    const Locale* invariant = &usEnglishLocale();
    LocaleScope scope(invariant);
    return detail::readNumber(text, out);
}

}  // namespace ops

}  // namespace vbs
