// Runs a program in the normal mode and in the plain mode (no fused or
// specialised instruction, every handler on its general path) and compares
// what they printed and how they failed: the two must agree on every line
// and on the error's number, description, source, line and column.
#pragma once

#include <string>
#include <string_view>

#include "../script_host.h"

namespace vbs::testing {

// The output and the error of `program` on a new engine in `mode`.
inline ScriptRun runInMode(std::u16string_view program, EngineMode mode) { return runScriptText(program, mode); }

struct ModeComparison {
    ScriptRun normal;
    ScriptRun plain;
    bool agree() const;
    // Both outputs and errors, with the first line where they part marked;
    // empty when they agree.
    std::string report() const;
};

ModeComparison compareModes(std::u16string_view program);

}  // namespace vbs::testing
