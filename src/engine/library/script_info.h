// ScriptEngine, ScriptEngine*Version, GetLocale, SetLocale and RGB. They are
// registered as part of the maths family (see mathBuiltins()).
#pragma once

#include <span>

#include "engine/builtins.h"

namespace vbs::lib {

std::span<const BuiltinInfo> scriptInfoBuiltins();

// The locale scripts see: always formatted as English (US) whatever it says.
constexpr int32_t kDefaultLocaleId = 1033;

}  // namespace vbs::lib
