// Source text to syntax tree. The parser reports the first syntax error it
// meets, with VBScript's number and the line and column where it was found,
// and builds nothing in that case.
#pragma once

#include <memory>
#include <string_view>

#include "engine/syntax/ast.h"
#include "engine/script_error.h"

namespace vbs {

// How deeply constructs may nest (brackets, If blocks, loops, calls in calls)
// before the parser gives up with error 1001 "Out of memory" instead of
// exhausting the C++ stack. Real scripts nest a few dozen levels at most.
// Each bracket, sign, Not, block and argument list counts one level, and so
// does each link of an operator or member chain (a + b + c, a.b.c), because
// the tree grows that deep too and later stages walk it recursively. At this
// limit the parser needs less than 512 KB of stack.
constexpr int kMaxNestingDepth = 1000;

enum class ParseMode {
    Statements,  // AddCode, ExecuteStatement, Execute, ExecuteGlobal
    Expression,  // Eval: exactly one expression; `=` compares
};

struct ParseResult {
    std::unique_ptr<ast::Program> program;  // null when error.number != 0
    ScriptError error;                      // Source is "Microsoft VBScript compilation error"
};

ParseResult parse(std::u16string_view source, ParseMode mode);

}  // namespace vbs
