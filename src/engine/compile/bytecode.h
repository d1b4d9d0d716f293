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

#include "engine/syntax/ast.h"
#include "engine/variant.h"

namespace vbs {

struct ClassInfo;
struct BuiltinInfo;

// The instructions, in the order of Op. The dispatch loop has one handler
// per entry (its table of handlers is made from this list); what each one
// takes and leaves is beside it. Stack effects read [before] -> [after].
#define VBS_OPCODES(X)                                                                                       \
    X(Nop)                                                                                                   \
    /* ---- values ---------------------------------------------------------------------------- */          \
    X(PushConst)     /* a: constant index */                                                                 \
    X(PushEmpty)                                                                                             \
    X(PushMissing)   /* an omitted argument */                                                               \
    X(PushMe)                                                                                                \
    X(Pop)                                                                                                   \
    X(Dup)                                                                                                   \
    /* Store* ops: c bit 2 set = store the value as is (For Each, Const), without taking an object's  */     \
    /* default value.                                                                                  */     \
    X(LoadLocal)     /* a: slot             push its value (through a ByRef) */                              \
    X(StoreLocal)    /* a: slot             pop a value, Let-assign it */                                    \
    X(SetLocal)      /* a: slot             pop an object, Set-assign it */                                  \
    X(StoreRaw)      /* a: slot, c: 1 = 424 unless an object   pop a value into a hidden slot, as is */      \
    X(LoadGlobal)    /* a: global index */                                                                   \
    X(StoreGlobal)                                                                                           \
    X(SetGlobal)                                                                                             \
    X(LoadField)     /* a: field of Me */                                                                    \
    X(StoreField)                                                                                            \
    X(SetField)                                                                                              \
    X(AppendLocal)   /* a: slot   pop x: slot = slot & x, in place when possible */                          \
    X(AppendGlobal)  /* a: global */                                                                         \
    /* References to storage, for ByRef arguments and element stores. */                                    \
    X(RefLocal)      /* a: slot */                                                                           \
    X(RefGlobal)     /* a: global */                                                                         \
    X(RefField)      /* a: field */                                                                          \
    /* A name the compiler could not place (a global defined later, an implicit variable).           */      \
    /* a: name index, b: fallback local slot or -1, c: 1 if Option Explicit applies.                 */      \
    X(LoadName)                                                                                              \
    X(StoreName)                                                                                             \
    X(SetName)                                                                                               \
    X(RefName)                                                                                               \
    /* ---- operators (pop operands, push the result); comparisons' c: literal flags (1 left, 2 right) */    \
    X(Add) X(Subtract) X(Multiply) X(Divide) X(IntDivide) X(Modulo) X(Power) X(Concat)                      \
    X(Equal) X(NotEqual) X(Less) X(Greater) X(LessEqual) X(GreaterEqual)                                     \
    X(Is) X(And) X(Or) X(Xor) X(Eqv) X(Imp)                                                                  \
    X(Negate) X(UnaryPlus) X(Not)                                                                            \
    /* ---- control ------------------------------------------------------------------------------ */       \
    X(Jump)          /* a: target pc */                                                                      \
    X(JumpIfFalse)   /* a: target pc      pops a condition */                                                \
    X(JumpIfTrue)                                                                                            \
    X(CaseEqual)     /* pops a value, compares it with local slot b; jumps to a if equal */                  \
    X(Return)        /* ends the procedure */                                                                \
    X(ExitProc)      /* Exit Sub/Function/Property: clears Err, then returns */                              \
    /* ---- calls --------------------------------------------------------------------------------- */      \
    X(CallProc)      /* a: global index of a procedure, b: argc, c: 1 = keep result */                       \
    X(CallBuiltin)   /* a: builtin index, b: argc, c: 1 = object arguments become their default values */    \
    X(CallMember)    /* a: name index, b: argc, c: InvokeKind | kEmptyBrackets   [obj args..] -> [result] */  \
    X(CallMeMember)  /* a: class member id, b: argc, c: InvokeKind   on Me, private members too */           \
    X(CallValue)     /* b: argc, c: 1 = a statement call   [callee args..] -> [result]  index / default */   \
    X(CallName)      /* a: name index, b: argc, c: 1 = a statement call   resolved at run time */            \
    X(IndexRef)      /* a: name index, b: argc   [ref args..] -> [value]   array element or call */          \
    X(RefElement)    /* a: name index, b: argc   [ref args..] -> [ref to the element], for a ByRef   */      \
                     /* argument; the array stays locked (error 10 on ReDim/Erase) until the call returns */ \
    X(StoreIndex)    /* b: argc, c: 1 = Set, 2 = kStoreIntoElement   [ref args.. value]   element store */   \
    X(StoreMember)   /* a: name index, b: argc, c: 1 = Set   [obj args.. value] */                           \
    X(StoreMeMember) /* a: member id, b: argc, c: 1 = Set */                                                 \
    X(ToValue)       /* replaces an object on top by its default member's value */                           \
    X(New)           /* a: global index of a class */                                                        \
    X(NewName)       /* a: name index (a built-in class such as RegExp) */                                   \
    /* ---- statements ------------------------------------------------------------------------- */         \
    X(DimArray)      /* b: number of bounds, c: kRedeclaredArray   [ref bounds..]   a fixed-size array */    \
    X(ReDim)         /* b: number of bounds, c: 1 = Preserve   [ref bounds..] */                             \
    X(Erase)         /* [ref] */                                                                             \
    X(OnErrorResume)                                                                                         \
    X(OnErrorGoto0)                                                                                          \
    X(ForPrep)       /* [from to step] -> hidden slots; a: exit pc, b: first hidden slot, c: counter kind */ \
    X(ForStep)       /* a: loop top pc, b: first hidden slot, c: counter kind */                             \
    X(ForEachPrep)   /* [collection] -> hidden slots; a: exit pc, b: first hidden slot */                    \
    X(ForEachNext)   /* a: exit pc, b: first hidden slot; pushes the next item */                            \
    X(RaiseUndefined)/* a: name index: error 500 for an undeclared name under Option Explicit */             \
    X(RaiseError)    /* a: error number, raised where a value was due (505: `.name` outside With) */        \
    /* ---- one-index shortcuts for a local array (the compiler's choice for `a(i)` and `a(i) = v`  */       \
    /* when a is a local): no reference to the local is pushed, and an Integer/Long index of a     */        \
    /* one-dimensional array is served inline; anything else takes IndexRef's / StoreIndex's path. */        \
    X(IndexLocal)      /* a: slot, b: name index      [index] -> [value] */                                  \
    X(StoreIndexLocal) /* a: slot                    [index value] -> []   Let only */                       \
    X(IndexLocalAt)    /* a: slot, b: slot of the index, c: name index   [] -> [value]   both locals */      \
    VBS_FUSED_OPERATORS(VBS_FUSED_FORMS_OF, X)

// ---- operators on operands taken where they are ---------------------------------
// Arithmetic and comparisons whose operands are a local slot or a constant
// need no instruction to push them first. Each operator OP listed here comes
// in six forms (c: literal flags, as for the plain operator):
//   OP##LocalConst  a: slot, b: constant   [] -> [slot OP constant]
//   OP##LocalLocal  a: slot, b: slot       [] -> [slot a OP slot b]
//   OP##ConstLocal  a: constant, b: slot   [] -> [constant OP slot]
//   OP##Const       a: constant            [x] -> [x OP constant]
//   OP##Local       a: slot                [x] -> [x OP slot]
//   OP##LocalTop    a: slot                [x] -> [slot OP x]   the local is the left operand
#define VBS_FUSED_OPERATORS(F, X)                                                     \
    F(X, Add) F(X, Subtract) F(X, Multiply) F(X, Divide) F(X, IntDivide) F(X, Modulo) \
    F(X, Equal) F(X, NotEqual) F(X, Less) F(X, Greater) F(X, LessEqual) F(X, GreaterEqual)
#define VBS_FUSED_FORMS_OF(X, OP) \
    X(OP##LocalConst) X(OP##LocalLocal) X(OP##ConstLocal) X(OP##Const) X(OP##Local) X(OP##LocalTop)

enum class Op : uint8_t {
#define VBS_ENUM_ENTRY(name) name,
    VBS_OPCODES(VBS_ENUM_ENTRY)
#undef VBS_ENUM_ENTRY
};

// A flag beside the InvokeKind in CallMember's c: the member was read with
// empty brackets (`x = obj.p()`).
constexpr uint8_t kEmptyBrackets = 0x80;

// A flag in StoreIndex's c: the container is an element reference that
// RefElement pushed (`x(0)(1) = v`), whose arrays stay locked until the store.
constexpr uint8_t kStoreIntoElement = 2;

// DimArray's c: an ExecuteGlobal text declares an array under the name of
// an existing global; if that holds an array already, it is error 13.
constexpr uint8_t kRedeclaredArray = 1;

// Counter kinds of For (the `c` of ForPrep/ForStep, and its `a` is the
// counter's slot: local, global or field).
enum class CounterKind : uint8_t { Local, Global, Field };

// Set in the c of an operator of VBS_FUSED_OPERATORS: the result is not
// pushed but Let-assigned to the local slot `d` (the `x = ...` that
// follows the operator in the source).
constexpr uint8_t kResultToLocal = 4;
// Set in the c of a comparison of VBS_FUSED_OPERATORS that the JumpIfFalse
// or JumpIfTrue of its If or loop follows: when the comparison gives a plain
// truth, the comparison takes that jump itself and no Boolean is made. Any
// other result is pushed, for the jump to test as usual.
constexpr uint8_t kBranchFollows = 8;

// Set in the c of an instruction compiled in plain mode (ScriptEngine::
// SetPlain): its handler skips the inline fast path and takes the general
// one. Operators (plain forms), Concat, Negate, CaseEqual, IndexRef,
// StoreIndex, ForStep, the Let stores and the conditional jumps carry it.
constexpr uint8_t kGeneralPath = 16;
// The bits of ForPrep's and ForStep's c that hold the CounterKind.
constexpr uint8_t kCounterKindMask = 3;

struct Instr {
    Op op = Op::Nop;
    uint8_t c = 0;
    int16_t d = 0;  // kResultToLocal's slot; fills what would be padding
    int32_t a = 0;
    int32_t b = 0;
    Instr() = default;
    Instr(Op op_, uint8_t c_, int32_t a_, int32_t b_) : op(op_), c(c_), a(a_), b(b_) {}
};
static_assert(sizeof(Instr) == 12, "an instruction stays 12 bytes");

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

// Consecutive nameless globals that global code uses as hidden slots.
struct HiddenRun {
    int32_t first;
    int32_t count;
};

struct Procedure {
    std::u16string name;                 // as written
    ast::ProcKind kind = ast::ProcKind::Sub;
    bool isPublic = true;
    int numParams = 0;
    std::vector<std::u16string> paramNames;  // as written, for help while typing
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
    // Global code addressing the globals as its slots (all but plain mode).
    bool globalsAsSlots = false;
    // Global code: its slots are the globals; these nameless ones are its
    // hidden slots, given back when it has run.
    std::vector<HiddenRun> hiddenGlobals;

    bool hasReturnValue() const {
        return kind == ast::ProcKind::Function || kind == ast::ProcKind::PropertyGet;
    }
    // The mark of the statement that contains `pc` (nullptr before the first).
    const StatementMark* markAt(int32_t pc) const;
};

}  // namespace vbs
