// Runs script text the way the engine's script tests do: on a fresh
// ScriptEngine whose WScript.Echo and MainForm.OPrint add lines to a list.
// Shared by the script runner and the differential test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/script_error.h"

namespace vbs::testing {

// Which way the engine compiles and runs: Default leaves it as the engine
// starts (TALVORO_PLAIN decides), Normal and Plain set it whatever that says.
enum class EngineMode { Default, Normal, Plain };

// A generous time limit: test scripts are short, but a slow sanitizer build
// or a busy machine must not turn one into a time-out.
constexpr int64_t kScriptTimeoutMs = 20000;

struct ScriptRun {
    std::vector<std::string> printed;  // UTF-8, one entry per line printed
    std::optional<ScriptError> error;  // the operation's failure, if any
};

// Runs `source` as one AddCode on a new engine. The engine is destroyed
// before this returns, so what the script's end prints (Class_Terminate)
// is part of the output.
ScriptRun runScriptText(std::u16string_view source, EngineMode mode = EngineMode::Default,
                        int64_t timeoutMs = kScriptTimeoutMs);

}  // namespace vbs::testing
