// Syntax tree to bytecode. The compiler resolves every name it can once:
// locals to frame slots, globals to indexes in the interpreter's table,
// fields to instance slots, built-ins to function pointers. Names it cannot
// place (a global that a later ExecuteGlobal may define, an implicit
// variable) become name-based instructions resolved at run time.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/syntax/ast.h"
#include "engine/compile/bytecode.h"
#include "engine/vm/interpreter.h"
#include "engine/script_error.h"

namespace vbs {

struct CompileRequest {
    const ast::Program* program = nullptr;
    std::shared_ptr<CodeUnit> unit;
    // Execute/Eval inside a procedure: the names of that procedure's slots
    // become the first slots of the compiled code (filled with references to
    // the caller's variables at run time), and its class's members resolve.
    const Procedure* scope = nullptr;
    ClassInfo* scopeClass = nullptr;
    // Variables that earlier Execute text declared in that call: they take
    // the slots after the procedure's own.
    std::vector<std::u16string> executedNames;
    // ExecuteGlobal text: the globals below this index existed before it,
    // and its Dim of an array there meets what they hold.
    int32_t firstNewGlobal = INT32_MAX;
};

// Declares new globals in `vm` (the caller rolls them back on failure) and
// fills `out`. Returns a compilation error record, number 0 on success.
ScriptError compileProgram(const CompileRequest& request, Interpreter& vm, CompiledUnit& out);

}  // namespace vbs
