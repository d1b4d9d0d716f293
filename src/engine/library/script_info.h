// ScriptEngine, ScriptEngine*Version, GetLocale, SetLocale and RGB. They are
// registered as part of the maths family (see mathBuiltins()).
#pragma once

#include <span>

#include "engine/library/builtins.h"

namespace vbs::lib {

std::span<const BuiltinInfo> scriptInfoBuiltins();

}  // namespace vbs::lib
