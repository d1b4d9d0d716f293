// Random VBScript programs for the differential test: each seed gives one
// program, the same text on every machine. The programs always end: every
// loop has a guard counter, procedures call only procedures defined before
// them, and recursion goes through one Function whose depth argument is a
// small literal. They print their variables (with TypeName) as they go and at
// the end, and look at Err.Number after statements that may fail.
#pragma once

#include <cstdint>
#include <string>

namespace vbs::testing {

std::string generateProgram(uint64_t seed);

}  // namespace vbs::testing
