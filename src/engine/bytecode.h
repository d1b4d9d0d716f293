// The compiled form of a script: a flat list of instructions per procedure
// for a stack machine. Names are resolved by the compiler: a local variable
// is a frame slot, a global one an index into the interpreter's global
// table, a field an index into the instance, so the dispatch loop never
// looks a name up by its text on the common paths.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/ast.h"
#include "engine/variant.h"

namespace vbs {

struct ClassInfo;
struct BuiltinInfo;

enum class Op : uint8_t {
    Nop,
    // ---- values ---------------------------------------------------------
    PushConst,     // a: constant index
    PushEmpty,
    PushMissing,   // an omitted argument
    PushMe,
    Pop,
    Dup,
    // Store* ops: c bit 2 set = store the value as is (For Each, Const),
    // without taking an object's default value.
    LoadLocal,     // a: slot             push its value (through a ByRef)
    StoreLocal,    // a: slot             pop a value, Let-assign it
    SetLocal,      // a: slot             pop an object, Set-assign it
    StoreRaw,      // a: slot             pop any value into a hidden slot, as is
    LoadGlobal,    // a: global index
    StoreGlobal,
    SetGlobal,
    LoadField,     // a: field of Me
    StoreField,
    SetField,
    AppendLocal,   // a: slot   pop x: slot = slot & x, in place when possible
    AppendGlobal,  // a: global
    // References to storage, for ByRef arguments and element stores.
    RefLocal,      // a: slot
    RefGlobal,     // a: global
    RefField,      // a: field
    // A name the compiler could not place (a global defined later, an
    // implicit variable). a: name index, b: fallback local slot or -1,
    // c: 1 if Option Explicit applies.
    LoadName,
    StoreName,
    SetName,
    RefName,
    // ---- operators (pop operands, push the result) -----------------------
    Add, Subtract, Multiply, Divide, IntDivide, Modulo, Power, Concat,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,  // c: literal flags (1 left, 2 right)
    Is, And, Or, Xor, Eqv, Imp,
    Negate, UnaryPlus, Not,
    // ---- control -----------------------------------------------------------
    Jump,          // a: target pc
    JumpIfFalse,   // a: target pc      pops a condition
    JumpIfTrue,
    CaseEqual,     // pops a value, compares it with local slot b; jumps to a if equal
    Return,        // ends the procedure
    ExitProc,      // Exit Sub/Function/Property: clears Err, then returns
    // ---- calls ---------------------------------------------------------------
    CallProc,      // a: global index of a procedure, b: argc, c: 1 = keep result
    CallBuiltin,   // a: builtin index, b: argc, c: 1 = objects among the arguments become their default values
    CallMember,    // a: name index, b: argc, c: InvokeKind    [obj args..] -> [result]
    CallMeMember,  // a: class member id, b: argc, c: InvokeKind   on Me, private members too
    CallValue,     // b: argc, c: 1 = a statement call   [callee args..] -> [result]  array index / default member
    CallName,      // a: name index, b: argc, c: 1 = a statement call   resolved at run time
    IndexRef,      // a: name index, b: argc   [ref args..] -> [value]   array element or call of the value
    RefElement,    // a: name index, b: argc   [ref args..] -> [ref to the element], for a ByRef argument;
                   // the array stays locked (error 10 on ReDim/Erase) until the call returns
    StoreIndex,    // b: argc, c: 1 = Set   [ref args.. value]    element or default-member store
    StoreMember,   // a: name index, b: argc, c: 1 = Set   [obj args.. value]
    StoreMeMember, // a: member id, b: argc, c: 1 = Set
    ToValue,       // replaces an object on top by its default member's value
    New,           // a: global index of a class
    NewName,       // a: name index (a built-in class such as RegExp)
    // ---- statements -----------------------------------------------------------
    DimArray,      // b: number of bounds   [ref bounds..]   a fixed-size array
    ReDim,         // b: number of bounds, c: 1 = Preserve   [ref bounds..]
    Erase,         // [ref]
    OnErrorResume,
    OnErrorGoto0,
    ForPrep,       // [from to step] -> hidden slots; a: exit pc, b: first hidden slot, c: counter kind
    ForStep,       // a: loop top pc, b: first hidden slot, c: counter kind
    ForEachPrep,   // [collection] -> hidden slots; a: exit pc, b: first hidden slot
    ForEachNext,   // a: exit pc, b: first hidden slot; pushes the next item
    RaiseUndefined,// a: name index: error 500 for an undeclared name under Option Explicit
    // ---- one-index shortcuts for a local array (the compiler's choice for
    // `a(i)` and `a(i) = v` when a is a local): no reference to the local is
    // pushed, and an Integer/Long index of a one-dimensional array is served
    // inline; anything else takes IndexRef's / StoreIndex's general path.
    IndexLocal,    // a: slot, b: name index      [index] -> [value]
    StoreIndexLocal,// a: slot                    [index value] -> []   Let only
    IndexLocalAt,  // a: slot, b: slot of the index, c: name index   [] -> [value]   `a(i)`, both locals
    // `x + k` and `x - k` of a local and a constant (the `j + 1` of loops).
    AddLocalConst,      // a: slot, b: constant index, c: literal flags   [] -> [value]
    SubtractLocalConst, // a: slot, b: constant index, c: literal flags
};

// Counter kinds of For (the `c` of ForPrep/ForStep, and its `a` is the
// counter's slot: local, global or field).
enum class CounterKind : uint8_t { Local, Global, Field };

struct Instr {
    Op op;
    uint8_t c = 0;
    int32_t a = 0;
    int32_t b = 0;
};

// Where a statement begins in the code and where execution resumes when it
// fails under On Error Resume Next.
struct StatementMark {
    int32_t pc;
    int32_t resumePc;
    int line;
    int column;
};

// One compiled source text: AddCode's script, an ExecuteStatement, the text
// of Execute/Eval. Kept alive while any of its procedures can run.
struct CodeUnit {
    std::u16string source;
    // Code from Execute/Eval inside a script: its errors are reported at the
    // position of the statement that ran it, in the outer text.
    bool dynamic = false;
    std::u16string lineText(int line) const;
};

struct Procedure {
    std::u16string name;                 // as written
    ast::ProcKind kind = ast::ProcKind::Sub;
    bool isPublic = true;
    int numParams = 0;
    std::vector<uint8_t> paramByVal;       // 1: ByVal (a byte each: read on every call)
    std::vector<std::u16string> localNames;  // folded; slots 0.. in order; "" for hidden slots
    // Variables the procedure creates by using an undeclared name (no Option
    // Explicit): folded name -> slot. Names still looked up at run time (a
    // call `f(x)` may meet a procedure defined later) fall back to these.
    std::unordered_map<std::u16string, int32_t> implicitLocalSlots;
    int numLocals = 0;
    int resultSlot = -1;                 // Function / Property Get: where its name's value lives
    int maxStack = 0;
    std::vector<Instr> code;
    std::vector<Variant> constants;
    std::vector<std::u16string> names;   // as written, for name-based ops and messages
    std::vector<const BuiltinInfo*> builtins;  // CallBuiltin's a indexes this
    std::vector<StatementMark> marks;    // sorted by pc
    std::shared_ptr<CodeUnit> unit;
    ClassInfo* owner = nullptr;          // the class of a method
    bool optionExplicit = false;
    bool isGlobalCode = false;           // the statements of a unit, run at global scope

    bool hasReturnValue() const {
        return kind == ast::ProcKind::Function || kind == ast::ProcKind::PropertyGet;
    }
    // The mark of the statement that contains `pc` (nullptr before the first).
    const StatementMark* markAt(int32_t pc) const;
};

}  // namespace vbs
