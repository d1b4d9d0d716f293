#include "engine/compile/compiler.h"

#include <unordered_map>
#include <unordered_set>

#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/values/ops.h"
#include "engine/vm/script_class.h"

namespace vbs {

namespace {

using namespace ast;

// Where a name lives, as far as the compiler can tell.
enum class PlaceKind { Local, Global, Field, Constant, Procedure, MeMember, Builtin, Class, Dynamic };

struct Place {
    PlaceKind kind = PlaceKind::Dynamic;
    int32_t index = -1;
    Variant constant;
};

// The operand forms of an operator (bytecode.h), for those that have them.
struct Form {
    Op localConst, localLocal, constLocal, withConst, withLocal, localTop;
};

bool fusedForms(Op op, Form& forms) {
    switch (op) {
#define VBS_FORMS_OF(_, OP)                                                                           \
    case Op::OP:                                                                                     \
        forms = {Op::OP##LocalConst, Op::OP##LocalLocal, Op::OP##ConstLocal, Op::OP##Const, Op::OP##Local, \
                 Op::OP##LocalTop};                                                                  \
        return true;
        VBS_FUSED_OPERATORS(VBS_FORMS_OF, _)
#undef VBS_FORMS_OF
    default: return false;
    }
}

bool canStoreResult(Op op) {
    switch (op) {
#define VBS_ALL_FORMS_OF(_, OP)                                                                        \
    case Op::OP: case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal: case Op::OP##Const: \
    case Op::OP##Local: case Op::OP##LocalTop:
        VBS_FUSED_OPERATORS(VBS_ALL_FORMS_OF, _)
#undef VBS_ALL_FORMS_OF
        return true;
    default: return false;
    }
}

bool isComparisonForm(Op op) {
    switch (op) {
#define VBS_COMPARISON_FORMS_OF(_, OP)                                                                 \
    case Op::OP: case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal: case Op::OP##Const: \
    case Op::OP##Local: case Op::OP##LocalTop:
        VBS_COMPARISON_FORMS_OF(_, Equal) VBS_COMPARISON_FORMS_OF(_, NotEqual) VBS_COMPARISON_FORMS_OF(_, Less)
        VBS_COMPARISON_FORMS_OF(_, Greater) VBS_COMPARISON_FORMS_OF(_, LessEqual)
        VBS_COMPARISON_FORMS_OF(_, GreaterEqual)
#undef VBS_COMPARISON_FORMS_OF
        return true;
    default: return false;
    }
}

// The instructions whose handler has an inline fast path beside the
// general one (kGeneralPath chooses the general one).
bool hasGeneralPath(Op op) {
    switch (op) {
#define VBS_PLAIN_OPERATOR(_, OP) case Op::OP:
        VBS_FUSED_OPERATORS(VBS_PLAIN_OPERATOR, _)
#undef VBS_PLAIN_OPERATOR
    case Op::Concat: case Op::Negate: case Op::CaseEqual: case Op::IndexRef: case Op::StoreIndex:
    case Op::ForStep: case Op::StoreLocal: case Op::StoreGlobal: case Op::StoreField: case Op::JumpIfFalse:
    case Op::JumpIfTrue:
        return true;
    default: return false;
    }
}

// Built-ins that look at an object itself rather than at its default
// member's value (IsNumeric and IsDate ask for the value themselves, as an
// object without one is an answer there, not an error); every other
// built-in receives the value.
bool takesObjects(std::u16string_view name) {
    static const char16_t* const kNames[] = {u"TypeName", u"VarType", u"IsObject", u"IsEmpty", u"IsNull",
                                             u"IsArray", u"Array", u"GetRef", u"CreateObject", u"GetObject",
                                             u"UBound", u"LBound", u"Join", u"Filter", u"IsNumeric", u"IsDate"};
    for (const char16_t* n : kNames)
        if (namesEqual(name, n)) return true;
    return false;
}

// The conversion built-ins (CInt, CStr, ...).
bool isConversion(std::u16string_view name) {
    static const char16_t* const kNames[] = {u"CBool", u"CByte", u"CCur", u"CDate", u"CDbl",
                                             u"CInt",  u"CLng",  u"CSng", u"CStr"};
    for (const char16_t* n : kNames)
        if (namesEqual(name, n)) return true;
    return false;
}

// Compiles one procedure body (or the global code of a unit).
class ProcCompiler {
public:
    ProcCompiler(Interpreter& vm, Procedure& proc, ClassInfo* cls, bool globalCode, bool optionExplicit)
        : vm_(vm), proc_(proc), cls_(cls), globalCode_(globalCode), plain_(vm.plain()) {
        proc_.optionExplicit = optionExplicit;
        if (globalCode) proc_.globalsAsSlots = !plain_;
    }

    ScriptError error;
    std::unordered_map<std::u16string, Variant>* globalConsts = nullptr;

    int32_t addLocal(const std::u16string& folded) {
        proc_.localNames.push_back(folded);
        if (!folded.empty()) locals_[folded] = proc_.numLocals;
        return proc_.numLocals++;
    }
    // `count` consecutive slots for the compiler's own use (a For's end and
    // step, a With's object); returns the first. Global code's slots are the
    // globals, so it takes nameless ones.
    int32_t hiddenSlots(int32_t count = 1) {
        if (!proc_.globalsAsSlots) {
            int32_t first = addLocal(u"");
            for (int32_t i = 1; i < count; ++i) addLocal(u"");
            return first;
        }
        int32_t first = vm_.takeHiddenGlobals(count);
        proc_.hiddenGlobals.push_back(HiddenRun{first, count});
        return first;
    }
    void declareLocalsIn(const Block& block);
    void compileBlock(const Block& block);
    void compileExprTop(const Expr& e) { compileExpr(e); }
    void finish() {
        emit(Op::Return);
        proc_.maxStack = maxDepth_ + 2;
    }

private:
    // ---- emitting --------------------------------------------------------------
    int32_t pc() const { return static_cast<int32_t>(proc_.code.size()); }
    int32_t emit(Op op, int32_t a = 0, int32_t b = 0, uint8_t c = 0) {
        if (op == Op::JumpIfFalse || op == Op::JumpIfTrue) markBranchFollows();
        if (plain_ && hasGeneralPath(op)) c |= kGeneralPath;
        proc_.code.push_back(Instr{op, c, a, b});
        depth_ += stackEffect(op, b);
        if (depth_ > maxDepth_) maxDepth_ = depth_;
        return pc() - 1;
    }
    // `a(i)` of a local array. When the index is a local too (the LoadLocal
    // just emitted), one instruction reads both slots; nothing can jump
    // between the two, as they come from one expression.
    void emitIndexLocal(int32_t slot, int32_t name) {
        if (!proc_.code.empty() && proc_.code.back().op == Op::LoadLocal && name < 256) {
            int32_t indexSlot = proc_.code.back().a;
            proc_.code.pop_back();
            depth_ -= stackEffect(Op::LoadLocal, 0);
            emit(Op::IndexLocalAt, slot, indexSlot, static_cast<uint8_t>(name));
            return;
        }
        emit(Op::IndexLocal, slot, name);
    }
    // `x = <operator expression>` with x a local: the operator just emitted
    // for this statement assigns its result itself (kResultToLocal).
    bool storeFromOperator(int32_t slot) {
        if (plain_ || proc_.code.empty() || slot > INT16_MAX || proc_.marks.empty() || pc() - 1 < proc_.marks.back().pc)
            return false;
        Instr& last = proc_.code.back();
        if (!canStoreResult(last.op)) return false;
        last.c |= kResultToLocal;
        last.d = static_cast<int16_t>(slot);
        --depth_;
        return true;
    }
    // A conditional jump about to be emitted tests the comparison just
    // emitted for this statement: that comparison may take it (kBranchFollows).
    void markBranchFollows() {
        if (plain_ || proc_.code.empty() || proc_.marks.empty() || pc() - 1 < proc_.marks.back().pc) return;
        Instr& last = proc_.code.back();
        if (isComparisonForm(last.op) && !(last.c & kResultToLocal)) last.c |= kBranchFollows;
    }
    void patch(int32_t at) { proc_.code[static_cast<size_t>(at)].a = pc(); }
    static int stackEffect(Op op, int32_t b);
    int32_t constant(const Variant& v) {
        proc_.constants.push_back(v);
        return static_cast<int32_t>(proc_.constants.size() - 1);
    }
    int32_t nameIndex(const std::u16string& name) {
        for (size_t i = 0; i < proc_.names.size(); ++i)
            if (proc_.names[i] == name) return static_cast<int32_t>(i);
        proc_.names.push_back(name);
        return static_cast<int32_t>(proc_.names.size() - 1);
    }
    size_t markStatement(Pos pos) {
        proc_.marks.push_back(StatementMark{pc(), -1, pos.line, pos.column});
        depth_ = 0;
        return proc_.marks.size() - 1;
    }
    void setResume(size_t mark) { proc_.marks[mark].resumePc = pc(); }
    void clearSlot(int32_t slot) {
        emit(Op::PushEmpty);
        emit(Op::StoreRaw, slot);
    }
    void fail(int32_t number, Pos pos) {
        if (error.number) return;
        error.number = number;
        error.description = toU16(errorText(number));
        error.source = toU16(kCompileSource);
        error.line = pos.line;
        error.column = pos.column;
    }

    // ---- names -------------------------------------------------------------------
    // Global code runs with the globals as its slots (Interpreter::runMain),
    // so there a global variable is addressed as a local is, and every
    // instruction for locals serves it.
    PlaceKind globalVariableKind() const { return proc_.globalsAsSlots ? PlaceKind::Local : PlaceKind::Global; }
    Place resolve(const std::u16string& name, bool forAssignment);
    Place dynamicPlace(const std::u16string& folded);
    void emitLoad(const Place& place, const std::u16string& name);
    void emitStore(const Place& place, const std::u16string& name, bool isSet, bool raw);
    bool emitRef(const Place& place, const std::u16string& name);

    // ---- expressions -----------------------------------------------------------------
    void compileExpr(const Expr& e);
    void compileName(const NameExpr& e);
    void compileCall(const Expr& target, const std::vector<ExprPtr>& args, InvokeKind kind,
                     bool callKeyword = false);
    bool namesOwnResult(const Place& p) const {
        return p.kind == PlaceKind::Local && p.index == proc_.resultSlot && !globalCode_;
    }
    void compileArgs(const std::vector<ExprPtr>& args, bool byRefCapable);
    void compileArgRef(const Expr& arg);
    void compileObject(const MemberExpr& m);
    // A value written in the source as it stands: `-5` is a negation of the
    // literal 5, computed at run time, and compares as any computed number.
    static bool isLiteral(const Expr& e) { return e.kind == ExprKind::Literal; }
    bool foldConstant(const Expr& e, Variant& out);
    void compileBinary(const BinaryExpr& b);
    bool operandSlot(const Expr& e, int32_t& slot);
    bool readsOnly(const Expr& e);
    bool leavesVariablesAlone(const Expr& e);

    // ---- statements ------------------------------------------------------------------
    void compileStmt(const Stmt& s);
    void compileAssign(const AssignStmt& s);
    void compileDim(const DimStmt& s);
    void compileReDim(const ReDimStmt& s);
    void compileConst(const ConstStmt& s);
    void compileIf(const IfStmt& s);
    void compileSelect(const SelectStmt& s);
    void compileForNext(const ForNextStmt& s);
    void compileForEach(const ForEachStmt& s);
    void compileDoLoop(const DoLoopStmt& s);
    void compileWhile(const WhileStmt& s);
    void compileWith(const WithStmt& s);
    bool counterPlace(const Expr& variable, CounterKind& kind, int32_t& index);
    void storeToTarget(const Expr& target, bool raw);
    bool compileAppended(const Expr& value, const std::u16string& target);

    Interpreter& vm_;
    Procedure& proc_;
    ClassInfo* cls_;
    bool globalCode_;
    // Plain mode: only the general instructions, each marked kGeneralPath
    // where its handler has an inline fast path; no constant folding.
    bool plain_;
    std::unordered_map<std::u16string, int32_t> locals_;
    std::unordered_map<std::u16string, Variant> consts_;
    std::vector<std::vector<int32_t>> exitDo_, exitFor_;
    std::vector<int32_t> withSlots_;
    int depth_ = 0;
    int maxDepth_ = 0;
};

int ProcCompiler::stackEffect(Op op, int32_t b) {
    switch (op) {
    case Op::PushConst: case Op::PushEmpty: case Op::PushMissing: case Op::PushMe: case Op::Dup:
    case Op::LoadLocal: case Op::LoadGlobal: case Op::LoadField: case Op::RefLocal: case Op::RefGlobal:
    case Op::RefField: case Op::LoadName: case Op::RefName: case Op::New: case Op::NewName:
    case Op::RaiseUndefined: case Op::RaiseError: case Op::ForEachNext:
        return 1;
    case Op::Pop: case Op::StoreLocal: case Op::SetLocal: case Op::StoreRaw: case Op::StoreGlobal:
    case Op::SetGlobal: case Op::StoreField: case Op::SetField: case Op::AppendLocal: case Op::AppendGlobal:
    case Op::StoreName: case Op::SetName: case Op::JumpIfFalse: case Op::JumpIfTrue: case Op::CaseEqual:
    case Op::Erase: case Op::ForEachPrep:
        return -1;
    case Op::Add: case Op::Subtract: case Op::Multiply: case Op::Divide: case Op::IntDivide: case Op::Modulo:
    case Op::Power: case Op::Concat: case Op::Equal: case Op::NotEqual: case Op::Less: case Op::Greater:
    case Op::LessEqual: case Op::GreaterEqual: case Op::Is: case Op::And: case Op::Or: case Op::Xor:
    case Op::Eqv: case Op::Imp:
        return -1;
    case Op::CallProc: case Op::CallBuiltin: case Op::CallName: case Op::CallMeMember:
        return 1 - b;
    case Op::CallMember: case Op::CallValue: case Op::IndexRef: case Op::RefElement:
        return -b;
    case Op::IndexLocal:
        return 0;
    case Op::IndexLocalAt:
        return 1;
#define VBS_PUSHING_FORMS(_, OP) case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal:
    VBS_FUSED_OPERATORS(VBS_PUSHING_FORMS, _)
#undef VBS_PUSHING_FORMS
        return 1;
    case Op::StoreIndexLocal:
        return -2;
    case Op::StoreIndex: case Op::StoreMember:
        return -(b + 2);
    case Op::StoreMeMember:
        return -(b + 1);
    case Op::DimArray: case Op::ReDim:
        return -(b + 1);
    case Op::ForPrep:
        return -3;
    default:
        return 0;
    }
}

// ---- declarations ----------------------------------------------------------------

// Dim anywhere in a procedure declares the name for the whole procedure.
void ProcCompiler::declareLocalsIn(const Block& block) {
    for (const auto& s : block) {
        switch (s->kind) {
        case StmtKind::Dim:
            for (const auto& v : static_cast<const DimStmt&>(*s).vars) {
                std::u16string f = foldName(v.name);
                if (locals_.count(f)) { fail(err::NameRedefined, v.pos); return; }
                // Execute "Dim a" where the calling procedure already uses a
                // implicitly: that variable is the one declared.
                if (auto it = proc_.implicitLocalSlots.find(f); it != proc_.implicitLocalSlots.end())
                    locals_[f] = it->second;
                else
                    addLocal(f);
            }
            break;
        case StmtKind::If: {
            const auto& i = static_cast<const IfStmt&>(*s);
            for (const auto& b : i.branches) declareLocalsIn(b.body);
            declareLocalsIn(i.elseBody);
            break;
        }
        case StmtKind::Select: {
            const auto& sel = static_cast<const SelectStmt&>(*s);
            for (const auto& c : sel.cases) declareLocalsIn(c.body);
            declareLocalsIn(sel.elseBody);
            break;
        }
        case StmtKind::ForNext: declareLocalsIn(static_cast<const ForNextStmt&>(*s).body); break;
        case StmtKind::ForEach: declareLocalsIn(static_cast<const ForEachStmt&>(*s).body); break;
        case StmtKind::DoLoop: declareLocalsIn(static_cast<const DoLoopStmt&>(*s).body); break;
        case StmtKind::While: declareLocalsIn(static_cast<const WhileStmt&>(*s).body); break;
        case StmtKind::With: declareLocalsIn(static_cast<const WithStmt&>(*s).body); break;
        default: break;
        }
    }
}

// ---- names ---------------------------------------------------------------------------

Place ProcCompiler::dynamicPlace(const std::u16string& folded) {
    Place p;
    p.kind = PlaceKind::Dynamic;
    p.index = -1;
    if (!globalCode_ && !proc_.optionExplicit) {
        auto it = proc_.implicitLocalSlots.find(folded);
        if (it != proc_.implicitLocalSlots.end()) p.index = it->second;
        else {
            proc_.localNames.push_back(u"");
            p.index = proc_.numLocals++;
            proc_.implicitLocalSlots[folded] = p.index;
        }
    }
    return p;
}

Place ProcCompiler::resolve(const std::u16string& name, bool forAssignment) {
    std::u16string f = foldName(name);
    Place p;
    if (auto it = locals_.find(f); it != locals_.end()) { p.kind = PlaceKind::Local; p.index = it->second; return p; }
    if (auto it = consts_.find(f); it != consts_.end()) { p.kind = PlaceKind::Constant; p.constant = it->second; return p; }
    if (cls_) {
        for (size_t i = 0; i < cls_->fieldNames.size(); ++i)
            if (cls_->fieldNames[i] == f) { p.kind = PlaceKind::Field; p.index = static_cast<int32_t>(i); return p; }
        int32_t id = cls_->findMember(f);
        if (id != kNoMember) { p.kind = PlaceKind::MeMember; p.index = id; return p; }
    }
    if (globalConsts) {
        if (auto it = globalConsts->find(f); it != globalConsts->end()) {
            p.kind = PlaceKind::Constant; p.constant = it->second; return p;
        }
    }
    int32_t g = vm_.findGlobal(f);
    if (g >= 0) {
        p.index = g;
        switch (vm_.globalInfo(g).kind) {
        case GlobalKind::Procedure: p.kind = PlaceKind::Procedure; break;
        case GlobalKind::Class: p.kind = PlaceKind::Class; break;
        default: p.kind = globalVariableKind(); break;
        }
        return p;
    }
    if (const ConstantInfo* c = findConstant(name)) { p.kind = PlaceKind::Constant; p.constant = c->make(); return p; }
    if (const BuiltinInfo* b = findBuiltin(name)) {
        p.kind = PlaceKind::Builtin;
        p.index = static_cast<int32_t>(proc_.builtins.size());
        proc_.builtins.push_back(b);
        return p;
    }
    if (vm_.hostMemberExists(f)) return Place{};  // Dynamic, no fallback: the host object answers
    // Global code without Option Explicit: an assignment creates the
    // variable. A read stays a run-time lookup, since ExecuteGlobal may
    // still define the name as a procedure.
    if (globalCode_ && !proc_.optionExplicit) {
        if (!forAssignment) return Place{};
        p.kind = globalVariableKind();
        p.index = vm_.declareGlobal(name, GlobalKind::Variable);
        return p;
    }
    return dynamicPlace(f);
}

void ProcCompiler::emitLoad(const Place& place, const std::u16string& name) {
    switch (place.kind) {
    case PlaceKind::Local: emit(Op::LoadLocal, place.index); break;
    case PlaceKind::Global: emit(Op::LoadGlobal, place.index); break;
    case PlaceKind::Field: emit(Op::LoadField, place.index); break;
    case PlaceKind::Constant: emit(Op::PushConst, constant(place.constant)); break;
    case PlaceKind::Procedure: emit(Op::CallProc, place.index, 0); break;
    case PlaceKind::MeMember: emit(Op::CallMeMember, place.index, 0, static_cast<uint8_t>(InvokeKind::Get)); break;
    case PlaceKind::Builtin: emit(Op::CallBuiltin, place.index, 0); break;
    case PlaceKind::Class: emit(Op::LoadName, nameIndex(name), -1, proc_.optionExplicit); break;
    case PlaceKind::Dynamic: emit(Op::LoadName, nameIndex(name), place.index, proc_.optionExplicit); break;
    }
}

void ProcCompiler::emitStore(const Place& place, const std::u16string& name, bool isSet, bool raw) {
    uint8_t flags = raw ? 2 : 0;
    switch (place.kind) {
    case PlaceKind::Local: emit(isSet ? Op::SetLocal : Op::StoreLocal, place.index, 0, flags); break;
    case PlaceKind::Global: emit(isSet ? Op::SetGlobal : Op::StoreGlobal, place.index, 0, flags); break;
    case PlaceKind::Field: emit(isSet ? Op::SetField : Op::StoreField, place.index, 0, flags); break;
    case PlaceKind::MeMember:
        emit(Op::StoreMeMember, place.index, 0, isSet ? 1 : 0);
        break;
    default: {
        uint8_t f = static_cast<uint8_t>((proc_.optionExplicit ? 1 : 0) | flags);
        emit(isSet ? Op::SetName : Op::StoreName, nameIndex(name), place.index, f);
        break;
    }
    }
}

bool ProcCompiler::emitRef(const Place& place, const std::u16string& name) {
    switch (place.kind) {
    case PlaceKind::Local: emit(Op::RefLocal, place.index); return true;
    case PlaceKind::Global: emit(Op::RefGlobal, place.index); return true;
    case PlaceKind::Field: emit(Op::RefField, place.index); return true;
    case PlaceKind::Dynamic: emit(Op::RefName, nameIndex(name), place.index, proc_.optionExplicit); return true;
    default: return false;
    }
}

// ---- expressions -------------------------------------------------------------------------

// True when the result of `left op right` depends on the locale a script
// may choose with SetLocale before the expression runs: a number written as
// text ("x" & 2.5) or a text read as a number ("2,5" * 2).
static bool dependsOnLocale(BinaryOp op, const Variant& left, const Variant& right) {
    auto writtenInLocale = [](const Variant& v) {
        VarType t = v.type();
        return t == VarType::Single || t == VarType::Double || t == VarType::Currency || t == VarType::Date;
    };
    if (op == BinaryOp::Concat) return writtenInLocale(left) || writtenInLocale(right);
    return left.type() == VarType::String || right.type() == VarType::String;
}

// The value of an expression made of literals, constants and the
// arithmetic operators alone, computed now by the operators the VM uses;
// false when it needs a variable, or when computing it fails (1 / 0): that
// error belongs to the run, at its statement.
bool ProcCompiler::foldConstant(const Expr& e, Variant& out) {
    if (e.kind == ExprKind::Literal) { out = static_cast<const LiteralExpr&>(e).value; return true; }
    if (e.kind == ExprKind::Paren) return foldConstant(*static_cast<const ParenExpr&>(e).inner, out);
    if (e.kind == ExprKind::Name) {
        Place p = resolve(static_cast<const NameExpr&>(e).name, false);
        if (p.kind == PlaceKind::Constant) { out = p.constant; return true; }
        return false;
    }
    if (e.kind == ExprKind::Unary) {
        const auto& u = static_cast<const UnaryExpr&>(e);
        Variant operand;
        if (u.op == UnaryOp::Not || !foldConstant(*u.operand, operand)) return false;
        return (u.op == UnaryOp::Negate ? ops::negate(operand, out) : ops::unaryPlus(operand, out)) == 0;
    }
    if (e.kind != ExprKind::Binary) return false;
    const auto& b = static_cast<const BinaryExpr&>(e);
    using Fold = int32_t (*)(const Variant&, const Variant&, Variant&);
    Fold fold = nullptr;
    switch (b.op) {
    case BinaryOp::Power: fold = ops::power; break;
    case BinaryOp::Multiply: fold = ops::multiply; break;
    case BinaryOp::Divide: fold = ops::divide; break;
    case BinaryOp::IntDivide: fold = ops::intDivide; break;
    case BinaryOp::Mod: fold = ops::modulo; break;
    case BinaryOp::Add: fold = ops::add; break;
    case BinaryOp::Subtract: fold = ops::subtract; break;
    case BinaryOp::Concat: fold = ops::concat; break;
    default: return false;  // comparisons and logic stay as written
    }
    Variant left, right;
    if (!foldConstant(*b.left, left) || !foldConstant(*b.right, right)) return false;
    if (dependsOnLocale(b.op, left, right)) return false;
    return fold(left, right, out) == 0;
}

// True when `e` is a local variable read as it stands (the operand of a
// fused operator); its slot in `slot`.
bool ProcCompiler::operandSlot(const Expr& e, int32_t& slot) {
    if (e.kind == ExprKind::Paren) return operandSlot(*static_cast<const ParenExpr&>(e).inner, slot);
    if (e.kind != ExprKind::Name) return false;
    Place p = resolve(static_cast<const NameExpr&>(e).name, false);
    if (p.kind != PlaceKind::Local) return false;
    slot = p.index;
    return true;
}

// True when evaluating `e` runs no script code and assigns nothing: only
// literals, variables, constants and operators. A local read before such
// an expression is still the same when read after it.
bool ProcCompiler::readsOnly(const Expr& e) {
    switch (e.kind) {
    case ExprKind::Literal: return true;
    case ExprKind::Paren: return readsOnly(*static_cast<const ParenExpr&>(e).inner);
    case ExprKind::Unary: return readsOnly(*static_cast<const UnaryExpr&>(e).operand);
    case ExprKind::Binary: {
        const auto& b = static_cast<const BinaryExpr&>(e);
        return readsOnly(*b.left) && readsOnly(*b.right);
    }
    case ExprKind::Name: {
        PlaceKind k = resolve(static_cast<const NameExpr&>(e).name, false).kind;
        return k == PlaceKind::Local || k == PlaceKind::Global || k == PlaceKind::Constant;
    }
    default: return false;  // calls, members, Me, New
    }
}

// True when evaluating `e` assigns no variable: what readsOnly accepts, and
// on such arguments calls of built-ins, which run no script code (except
// the three that run script text), and elements of arrays. Like readsOnly
// it takes a variable for a value, though an object's default member could
// run code.
bool ProcCompiler::leavesVariablesAlone(const Expr& e) {
    switch (e.kind) {
    case ExprKind::Paren: return leavesVariablesAlone(*static_cast<const ParenExpr&>(e).inner);
    case ExprKind::Unary: return leavesVariablesAlone(*static_cast<const UnaryExpr&>(e).operand);
    case ExprKind::Binary: {
        const auto& b = static_cast<const BinaryExpr&>(e);
        return leavesVariablesAlone(*b.left) && leavesVariablesAlone(*b.right);
    }
    case ExprKind::Call: {
        const auto& c = static_cast<const CallExpr&>(e);
        if (c.target->kind != ExprKind::Name) return false;
        const std::u16string& name = static_cast<const NameExpr&>(*c.target).name;
        PlaceKind k = resolve(name, false).kind;
        bool element = k == PlaceKind::Local || k == PlaceKind::Global;
        bool builtin = k == PlaceKind::Builtin && !namesEqual(name, u"Eval") && !namesEqual(name, u"Execute") &&
                       !namesEqual(name, u"ExecuteGlobal");
        if (!element && !builtin) return false;
        for (const auto& arg : c.args)
            if (arg->kind != ExprKind::Missing && !leavesVariablesAlone(*arg)) return false;
        return true;
    }
    default: return readsOnly(e);
    }
}

// A binary operator. Its operands are pushed first, unless the operator
// has a form that reads them where they are (bytecode.h): a local or a
// constant on either side, or a local left of an expression that cannot
// change it.
void ProcCompiler::compileBinary(const BinaryExpr& b) {
    static const Op table[] = {Op::Power, Op::Multiply, Op::Divide, Op::IntDivide, Op::Modulo, Op::Add,
                               Op::Subtract, Op::Concat, Op::Equal, Op::NotEqual, Op::Less, Op::Greater,
                               Op::LessEqual, Op::GreaterEqual, Op::Is, Op::And, Op::Or, Op::Xor,
                               Op::Eqv, Op::Imp};
    Op op = table[static_cast<int>(b.op)];
    uint8_t flags = static_cast<uint8_t>((isLiteral(*b.left) ? 1 : 0) | (isLiteral(*b.right) ? 2 : 0));
    Form forms;
    if (plain_ || !fusedForms(op, forms)) {
        compileExpr(*b.left);
        compileExpr(*b.right);
        emit(op, 0, 0, flags);
        return;
    }
    int32_t leftSlot = -1, rightSlot = -1;
    Variant leftValue, rightValue;
    bool leftLocal = operandSlot(*b.left, leftSlot), rightLocal = operandSlot(*b.right, rightSlot);
    bool leftConst = !leftLocal && foldConstant(*b.left, leftValue);
    bool rightConst = !rightLocal && foldConstant(*b.right, rightValue);
    if (leftLocal && rightConst) { emit(forms.localConst, leftSlot, constant(rightValue), flags); return; }
    if (leftLocal && rightLocal) { emit(forms.localLocal, leftSlot, rightSlot, flags); return; }
    if (leftConst && rightLocal) { emit(forms.constLocal, constant(leftValue), rightSlot, flags); return; }
    if (leftLocal && !leftConst && readsOnly(*b.right)) {
        compileExpr(*b.right);
        emit(forms.localTop, leftSlot, 0, flags);
        return;
    }
    compileExpr(*b.left);
    if (rightConst) { emit(forms.withConst, constant(rightValue), 0, flags); return; }
    if (rightLocal) { emit(forms.withLocal, rightSlot, 0, flags); return; }
    compileExpr(*b.right);
    emit(op, 0, 0, flags);
}

void ProcCompiler::compileExpr(const Expr& e) {
    switch (e.kind) {
    case ExprKind::Literal:
        emit(Op::PushConst, constant(static_cast<const LiteralExpr&>(e).value));
        break;
    case ExprKind::Name: compileName(static_cast<const NameExpr&>(e)); break;
    case ExprKind::Me: emit(Op::PushMe); break;
    case ExprKind::Member: {
        const auto& m = static_cast<const MemberExpr&>(e);
        compileObject(m);
        emit(Op::CallMember, nameIndex(m.name), 0, static_cast<uint8_t>(InvokeKind::Get));
        break;
    }
    case ExprKind::Call: {
        const auto& c = static_cast<const CallExpr&>(e);
        compileCall(*c.target, c.args, InvokeKind::Get);
        break;
    }
    case ExprKind::Paren: compileExpr(*static_cast<const ParenExpr&>(e).inner); break;
    case ExprKind::Unary: {
        const auto& u = static_cast<const UnaryExpr&>(e);
        if (Variant folded; !plain_ && foldConstant(e, folded)) { emit(Op::PushConst, constant(folded)); break; }
        compileExpr(*u.operand);
        emit(u.op == UnaryOp::Negate ? Op::Negate : u.op == UnaryOp::Plus ? Op::UnaryPlus : Op::Not);
        break;
    }
    case ExprKind::Binary:
        if (Variant folded; !plain_ && foldConstant(e, folded)) { emit(Op::PushConst, constant(folded)); break; }
        compileBinary(static_cast<const BinaryExpr&>(e));
        break;
    case ExprKind::New: {
        const auto& n = static_cast<const NewExpr&>(e);
        Place p = resolve(n.className, false);
        if (p.kind == PlaceKind::Class) emit(Op::New, p.index);
        else emit(Op::NewName, nameIndex(n.className));
        break;
    }
    case ExprKind::Missing: emit(Op::PushMissing); break;
    }
}

void ProcCompiler::compileName(const NameExpr& e) {
    Place p = resolve(e.name, false);
    emitLoad(p, e.name);
}

void ProcCompiler::compileObject(const MemberExpr& m) {
    if (m.object) { compileExpr(*m.object); return; }
    // `.name` outside any With compiles; running it is error 505.
    if (withSlots_.empty()) { emit(Op::RaiseError, err::InvalidReference); return; }
    emit(Op::LoadLocal, withSlots_.back());
}

// A variable argument goes by reference: the callee decides (ByVal copies).
void ProcCompiler::compileArgRef(const Expr& arg) {
    if (arg.kind == ExprKind::Name) {
        const auto& n = static_cast<const NameExpr&>(arg);
        Place p = resolve(n.name, false);
        if (emitRef(p, n.name)) return;
        emitLoad(p, n.name);
        return;
    }
    if (arg.kind == ExprKind::Call) {
        // a(i) of an array variable: the element itself goes by reference.
        const auto& c = static_cast<const CallExpr&>(arg);
        if (c.target->kind == ExprKind::Name && !c.args.empty()) {
            const auto& n = static_cast<const NameExpr&>(*c.target);
            Place p = resolve(n.name, false);
            bool variable = p.kind == PlaceKind::Local || p.kind == PlaceKind::Global || p.kind == PlaceKind::Field;
            if (variable && !namesOwnResult(p)) {
                emitRef(p, n.name);
                compileArgs(c.args, false);
                emit(Op::RefElement, nameIndex(n.name), static_cast<int32_t>(c.args.size()));
                return;
            }
        }
    }
    compileExpr(arg);
}

void ProcCompiler::compileArgs(const std::vector<ExprPtr>& args, bool byRefCapable) {
    for (const auto& a : args) {
        if (byRefCapable) compileArgRef(*a);
        else compileExpr(*a);
    }
}

void ProcCompiler::compileCall(const Expr& target, const std::vector<ExprPtr>& args, InvokeKind kind,
                               bool callKeyword) {
    int32_t argc = static_cast<int32_t>(args.size());
    if (target.kind == ExprKind::Name) {
        const auto& n = static_cast<const NameExpr&>(target);
        Place p = resolve(n.name, false);
        // Inside a Function its name is the result variable, but followed by
        // brackets or as a statement it is a (recursive) call of the function.
        if (namesOwnResult(p)) {
            if (cls_) {
                int32_t id = cls_->findMember(foldName(n.name));
                if (id != kNoMember) { p.kind = PlaceKind::MeMember; p.index = id; }
            } else {
                int32_t g = vm_.findGlobal(foldName(n.name));
                if (g >= 0) { p.kind = PlaceKind::Procedure; p.index = g; }
            }
        }
        switch (p.kind) {
        case PlaceKind::Local: case PlaceKind::Global: case PlaceKind::Field:
            // A variable named as a statement (`f`, `f()`, `Call f`) calls the
            // object it holds, as a procedure value from GetRef is meant to be.
            if (kind == InvokeKind::Method && argc == 0) {
                emitRef(p, n.name);
                emit(Op::CallValue, 0, 0, 1);
                return;
            }
            if (p.kind == PlaceKind::Local && argc == 1 && !plain_) {
                compileArgs(args, false);
                emitIndexLocal(p.index, nameIndex(n.name));
                return;
            }
            emitRef(p, n.name);
            compileArgs(args, false);
            emit(Op::IndexRef, nameIndex(n.name), argc);
            return;
        case PlaceKind::Procedure:
            compileArgs(args, true);
            emit(Op::CallProc, p.index, argc);
            return;
        case PlaceKind::MeMember:
            compileArgs(args, true);
            emit(Op::CallMeMember, p.index, argc, static_cast<uint8_t>(kind));
            return;
        case PlaceKind::Builtin:
            compileArgs(args, false);
            emit(Op::CallBuiltin, p.index, argc, takesObjects(n.name) ? 0 : 1);
            // A conversion's value is all it gives: Call refuses it.
            if (callKeyword && isConversion(n.name)) emit(Op::RaiseError, err::UnsupportedAutomationType);
            return;
        case PlaceKind::Constant:
            emit(Op::PushConst, constant(p.constant));
            compileArgs(args, false);
            emit(Op::CallValue, 0, argc);
            return;
        default:
            compileArgs(args, true);
            emit(Op::CallName, nameIndex(n.name), argc, static_cast<uint8_t>(kind == InvokeKind::Method ? 1 : 0));
            return;
        }
    }
    if (target.kind == ExprKind::Member) {
        const auto& m = static_cast<const MemberExpr&>(target);
        compileObject(m);
        compileArgs(args, true);
        emit(Op::CallMember, nameIndex(m.name), argc, static_cast<uint8_t>(kind));
        return;
    }
    compileExpr(target);
    compileArgs(args, false);
    emit(Op::CallValue, 0, argc);
}

// ---- statements --------------------------------------------------------------------------

void ProcCompiler::compileBlock(const Block& block) {
    for (const auto& s : block) {
        if (error.number) return;
        compileStmt(*s);
    }
}

void ProcCompiler::compileStmt(const Stmt& s) {
    switch (s.kind) {
    case StmtKind::Assign: {
        size_t m = markStatement(s.pos);
        compileAssign(static_cast<const AssignStmt&>(s));
        setResume(m);
        break;
    }
    case StmtKind::CallStmt: {
        size_t m = markStatement(s.pos);
        const auto& c = static_cast<const CallStmt&>(s);
        if (c.call->kind == ExprKind::Call) {
            const auto& call = static_cast<const CallExpr&>(*c.call);
            compileCall(*call.target, call.args, InvokeKind::Method, c.usedCallKeyword);
        } else {
            static const std::vector<ExprPtr> none;
            compileCall(*c.call, none, InvokeKind::Method, c.usedCallKeyword);
        }
        emit(Op::Pop);
        setResume(m);
        break;
    }
    case StmtKind::Dim: {
        size_t m = markStatement(s.pos);
        compileDim(static_cast<const DimStmt&>(s));
        setResume(m);
        break;
    }
    case StmtKind::ReDim: {
        size_t m = markStatement(s.pos);
        compileReDim(static_cast<const ReDimStmt&>(s));
        setResume(m);
        break;
    }
    case StmtKind::Erase: {
        size_t m = markStatement(s.pos);
        for (const auto& t : static_cast<const EraseStmt&>(s).targets) {
            if (t->kind != ExprKind::Name) { fail(err::SyntaxError, t->pos); return; }
            const auto& n = static_cast<const NameExpr&>(*t);
            if (!emitRef(resolve(n.name, true), n.name)) { fail(err::SyntaxError, t->pos); return; }
            emit(Op::Erase);
        }
        setResume(m);
        break;
    }
    case StmtKind::Const: {
        size_t m = markStatement(s.pos);
        compileConst(static_cast<const ConstStmt&>(s));
        setResume(m);
        break;
    }
    case StmtKind::If: compileIf(static_cast<const IfStmt&>(s)); break;
    case StmtKind::Select: compileSelect(static_cast<const SelectStmt&>(s)); break;
    case StmtKind::ForNext: compileForNext(static_cast<const ForNextStmt&>(s)); break;
    case StmtKind::ForEach: compileForEach(static_cast<const ForEachStmt&>(s)); break;
    case StmtKind::DoLoop: compileDoLoop(static_cast<const DoLoopStmt&>(s)); break;
    case StmtKind::While: compileWhile(static_cast<const WhileStmt&>(s)); break;
    case StmtKind::Exit: {
        size_t m = markStatement(s.pos);
        ExitKind w = static_cast<const ExitStmt&>(s).what;
        if (w == ExitKind::Do || w == ExitKind::For) {
            auto& lists = (w == ExitKind::Do) ? exitDo_ : exitFor_;
            if (lists.empty()) { fail(err::InvalidExit, s.pos); return; }
            lists.back().push_back(emit(Op::Jump));
        } else {
            if (globalCode_) { fail(err::InvalidExit, s.pos); return; }
            emit(Op::ExitProc);
        }
        setResume(m);
        break;
    }
    case StmtKind::OnError: {
        size_t m = markStatement(s.pos);
        emit(static_cast<const OnErrorStmt&>(s).resumeNext ? Op::OnErrorResume : Op::OnErrorGoto0);
        setResume(m);
        break;
    }
    case StmtKind::With: compileWith(static_cast<const WithStmt&>(s)); break;
    case StmtKind::Procedure: case StmtKind::Class: case StmtKind::OptionExplicit: case StmtKind::Stop:
        break;  // hoisted by the unit compiler, or nothing to run
    }
}

void ProcCompiler::storeToTarget(const Expr& target, bool raw) {
    if (target.kind == ExprKind::Name) {
        const auto& n = static_cast<const NameExpr&>(target);
        Place p = resolve(n.name, true);
        if (p.kind == PlaceKind::Constant || p.kind == PlaceKind::Procedure || p.kind == PlaceKind::Builtin ||
            p.kind == PlaceKind::Class) {
            // Assigning to a constant or a procedure name: VBScript's "Illegal assignment".
            emit(Op::StoreName, nameIndex(n.name), -2, 0);
            return;
        }
        emitStore(p, n.name, false, raw);
        return;
    }
    fail(err::InvalidForControl, target.pos);
}

void ProcCompiler::compileAssign(const AssignStmt& s) {
    const Expr& t = *s.target;
    if (t.kind == ExprKind::Name) {
        const auto& n = static_cast<const NameExpr&>(t);
        Place p = resolve(n.name, true);
        // `s = s & x`: append in place when the string has one holder.
        if (!s.isSet && !plain_ && (p.kind == PlaceKind::Local || p.kind == PlaceKind::Global) &&
            compileAppended(*s.value, n.name)) {
            emit(p.kind == PlaceKind::Local ? Op::AppendLocal : Op::AppendGlobal, p.index);
            return;
        }
        compileExpr(*s.value);
        if (p.kind == PlaceKind::Constant || p.kind == PlaceKind::Procedure || p.kind == PlaceKind::Builtin ||
            p.kind == PlaceKind::Class) {
            emit(Op::StoreName, nameIndex(n.name), -2, 0);
            return;
        }
        if (!s.isSet && p.kind == PlaceKind::Local && storeFromOperator(p.index)) return;
        emitStore(p, n.name, s.isSet, false);
        return;
    }
    if (t.kind == ExprKind::Member) {
        const auto& m = static_cast<const MemberExpr&>(t);
        compileObject(m);
        compileExpr(*s.value);
        emit(Op::StoreMember, nameIndex(m.name), 0, s.isSet ? 1 : 0);
        return;
    }
    if (t.kind == ExprKind::Call) {
        const auto& c = static_cast<const CallExpr&>(t);
        int32_t argc = static_cast<int32_t>(c.args.size());
        if (c.target->kind == ExprKind::Member) {
            const auto& m = static_cast<const MemberExpr&>(*c.target);
            compileObject(m);
            compileArgs(c.args, false);
            compileExpr(*s.value);
            emit(Op::StoreMember, nameIndex(m.name), argc, s.isSet ? 1 : 0);
            return;
        }
        if (c.target->kind == ExprKind::Name) {
            const auto& n = static_cast<const NameExpr&>(*c.target);
            Place p = resolve(n.name, true);
            if (p.kind == PlaceKind::MeMember) {
                compileArgs(c.args, false);
                compileExpr(*s.value);
                emit(Op::StoreMeMember, p.index, argc, s.isSet ? 1 : 0);
                return;
            }
            if (p.kind == PlaceKind::Local && argc == 1 && !s.isSet && !plain_) {
                compileArgs(c.args, false);
                compileExpr(*s.value);
                emit(Op::StoreIndexLocal, p.index);
                return;
            }
            if (emitRef(p, n.name)) {
                compileArgs(c.args, false);
                compileExpr(*s.value);
                emit(Op::StoreIndex, 0, argc, s.isSet ? 1 : 0);
                return;
            }
        }
        compileExpr(*c.target);
        compileArgs(c.args, false);
        compileExpr(*s.value);
        emit(Op::StoreIndex, 0, argc, s.isSet ? 1 : 0);
        return;
    }
    fail(err::SyntaxError, t.pos);
}

// `s & x`, or `s & x & y ...`, with `s` the variable assigned: compiles what
// is appended to s and returns true. The pieces are evaluated before s is
// read, so they must not change s (`s = s & F(s)` with a ByRef parameter
// reads s first). Several pieces are joined first, which gives the same text
// as appending them one by one (& is associative, Null included).
bool ProcCompiler::compileAppended(const Expr& value, const std::u16string& target) {
    std::vector<const Expr*> pieces;
    const Expr* e = &value;
    while (e->kind == ExprKind::Binary && static_cast<const BinaryExpr*>(e)->op == BinaryOp::Concat) {
        const auto* b = static_cast<const BinaryExpr*>(e);
        pieces.push_back(b->right.get());
        e = b->left.get();
    }
    if (pieces.empty() || e->kind != ExprKind::Name || !namesEqual(static_cast<const NameExpr*>(e)->name, target))
        return false;
    for (const Expr* piece : pieces)
        if (!leavesVariablesAlone(*piece)) return false;
    compileExpr(*pieces.back());
    for (size_t i = pieces.size() - 1; i-- > 0;) {
        compileExpr(*pieces[i]);
        emit(Op::Concat);
    }
    return true;
}

void ProcCompiler::compileDim(const DimStmt& s) {
    for (const auto& v : s.vars) {
        std::u16string f = foldName(v.name);
        Place p;
        if (globalCode_) {
            int32_t g = vm_.findGlobal(f);
            if (g < 0) g = vm_.declareGlobal(v.name, GlobalKind::Variable);
            p.kind = PlaceKind::Global;
            p.index = g;
        } else {
            p = resolve(v.name, true);
        }
        if (!v.isArray) continue;
        emitRef(p, v.name);
        for (const auto& d : v.dims) compileExpr(*d);
        emit(Op::DimArray, 0, static_cast<int32_t>(v.dims.size()));
    }
}

void ProcCompiler::compileReDim(const ReDimStmt& s) {
    for (const auto& item : s.items) {
        if (item.target->kind != ExprKind::Name) { fail(err::SyntaxError, item.pos); return; }
        const auto& n = static_cast<const NameExpr&>(*item.target);
        Place p = resolve(n.name, true);
        if (p.kind == PlaceKind::Global && globalCode_ && proc_.optionExplicit) {
            // ReDim declares the name, as Dim does.
        }
        if (!emitRef(p, n.name)) { fail(err::SyntaxError, item.pos); return; }
        for (const auto& d : item.dims) compileExpr(*d);
        emit(Op::ReDim, 0, static_cast<int32_t>(item.dims.size()), s.preserve ? 1 : 0);
    }
}

void ProcCompiler::compileConst(const ConstStmt& s) {
    for (const auto& c : s.consts) {
        std::u16string f = foldName(c.name);
        Variant value;
        bool folded = foldConstant(*c.value, value);
        if (!folded && c.value->kind == ExprKind::Unary) {
            const auto& u = static_cast<const UnaryExpr&>(*c.value);
            Variant inner;
            if (u.op == UnaryOp::Negate && foldConstant(*u.operand, inner)) {
                if (inner.type() == VarType::Integer) { value = Variant::integer(static_cast<int16_t>(-inner.asInteger())); folded = inner.asInteger() != -32768; }
                else if (inner.type() == VarType::Long) { value = Variant::long_(-inner.asLong()); folded = inner.asLong() != INT32_MIN; }
                else if (inner.type() == VarType::Double) { value = Variant::double_(-inner.asDouble()); folded = true; }
            } else if (u.op == UnaryOp::Plus && foldConstant(*u.operand, inner)) {
                value = inner;
                folded = true;
            }
        }
        if (globalCode_) {
            int32_t g = vm_.findGlobal(f);
            if (g < 0) g = vm_.declareGlobal(c.name, GlobalKind::Constant);
            compileExpr(*c.value);
            emit(Op::StoreGlobal, g, 0, 2);
            if (folded && globalConsts) (*globalConsts)[f] = value;
        } else if (folded) {
            consts_[f] = value;
        } else {
            int32_t slot = locals_.count(f) ? locals_[f] : addLocal(f);
            compileExpr(*c.value);
            emit(Op::StoreLocal, slot, 0, 2);
        }
    }
}

void ProcCompiler::compileIf(const IfStmt& s) {
    std::vector<int32_t> toEnd;
    for (const auto& br : s.branches) {
        size_t m = markStatement(br.pos);
        compileExpr(*br.condition);
        int32_t skip = emit(Op::JumpIfFalse);
        setResume(m);
        compileBlock(br.body);
        toEnd.push_back(emit(Op::Jump));
        patch(skip);
    }
    if (s.hasElse) compileBlock(s.elseBody);
    for (int32_t j : toEnd) patch(j);
}

// Under On Error Resume Next a failing subject runs no Case (it resumes
// after End Select), and a failing Case value runs that Case's body, as the
// body is the statement after it.
void ProcCompiler::compileSelect(const SelectStmt& s) {
    size_t header = markStatement(s.pos);
    int32_t subject = hiddenSlots();
    compileExpr(*s.subject);
    emit(Op::ToValue);
    emit(Op::StoreRaw, subject);
    std::vector<int32_t> toEnd;
    for (const auto& c : s.cases) {
        size_t caseMark = markStatement(c.pos);
        std::vector<int32_t> toBody;
        for (const auto& v : c.values) {
            compileExpr(*v);
            toBody.push_back(emit(Op::CaseEqual, 0, subject));
        }
        int32_t next = emit(Op::Jump);
        for (int32_t j : toBody) patch(j);
        setResume(caseMark);
        compileBlock(c.body);
        toEnd.push_back(emit(Op::Jump));
        patch(next);
    }
    if (s.hasElse) compileBlock(s.elseBody);
    for (int32_t j : toEnd) patch(j);
    setResume(header);
}

bool ProcCompiler::counterPlace(const Expr& variable, CounterKind& kind, int32_t& index) {
    if (variable.kind != ExprKind::Name) { fail(err::InvalidForControl, variable.pos); return false; }
    const auto& n = static_cast<const NameExpr&>(variable);
    std::u16string f = foldName(n.name);
    Place p = resolve(n.name, true);
    if (p.kind == PlaceKind::Dynamic) {
        if (globalCode_) {
            p.kind = globalVariableKind();
            p.index = vm_.declareGlobal(n.name, GlobalKind::Variable);
        } else {
            p.kind = PlaceKind::Local;
            p.index = addLocal(f);
        }
    }
    switch (p.kind) {
    case PlaceKind::Local: kind = CounterKind::Local; break;
    case PlaceKind::Global: kind = CounterKind::Global; break;
    case PlaceKind::Field: kind = CounterKind::Field; break;
    default: fail(err::InvalidForControl, variable.pos); return false;
    }
    index = p.index;
    return true;
}

void ProcCompiler::compileForNext(const ForNextStmt& s) {
    size_t m = markStatement(s.pos);
    CounterKind kind;
    int32_t counter;
    if (!counterPlace(*s.variable, kind, counter)) return;
    int32_t hidden = hiddenSlots(2);
    // An empty step marks the loop as not set up: a failing header leaves it
    // so, and its Next raises 92.
    clearSlot(hidden + 1);
    compileExpr(*s.from);
    compileExpr(*s.to);
    if (s.step) compileExpr(*s.step);
    else emit(Op::PushConst, constant(Variant::integer(1)));
    int32_t prep = emit(Op::ForPrep, 0, hidden, static_cast<uint8_t>(kind));
    emit(Op::Nop, counter);
    setResume(m);
    int32_t top = pc();
    exitFor_.emplace_back();
    compileBlock(s.body);
    size_t stepMark = markStatement(s.pos);
    emit(Op::ForStep, top, hidden, static_cast<uint8_t>(kind));
    emit(Op::Nop, counter);
    setResume(stepMark);
    patch(prep);
    for (int32_t j : exitFor_.back()) patch(j);
    exitFor_.pop_back();
}

// A failing header resumes in the body, which runs once; its Next then
// finds no items and raises 451 (resuming after the loop).
void ProcCompiler::compileForEach(const ForEachStmt& s) {
    size_t header = markStatement(s.pos);
    int32_t hidden = hiddenSlots(2);
    clearSlot(hidden);
    compileExpr(*s.collection);
    int32_t prep = emit(Op::ForEachPrep, 0, hidden);
    int32_t top = pc();
    size_t nextMark = markStatement(s.pos);
    int32_t next = emit(Op::ForEachNext, 0, hidden);
    storeToTarget(*s.variable, true);
    setResume(header);
    exitFor_.emplace_back();
    compileBlock(s.body);
    emit(Op::Jump, top);
    patch(prep);
    patch(next);
    setResume(nextMark);
    for (int32_t j : exitFor_.back()) patch(j);
    exitFor_.pop_back();
    size_t end = markStatement(s.pos);
    clearSlot(hidden);
    setResume(end);
}

void ProcCompiler::compileDoLoop(const DoLoopStmt& s) {
    exitDo_.emplace_back();
    int32_t top = pc();
    int32_t exitJump = -1;
    if (s.test == LoopTest::WhileTop || s.test == LoopTest::UntilTop) {
        size_t m = markStatement(s.pos);
        compileExpr(*s.condition);
        exitJump = emit(s.test == LoopTest::WhileTop ? Op::JumpIfFalse : Op::JumpIfTrue);
        setResume(m);
    }
    compileBlock(s.body);
    if (s.test == LoopTest::WhileBottom || s.test == LoopTest::UntilBottom) {
        size_t m = markStatement(s.loopPos);
        compileExpr(*s.condition);
        emit(s.test == LoopTest::WhileBottom ? Op::JumpIfTrue : Op::JumpIfFalse, top);
        setResume(m);
    } else {
        emit(Op::Jump, top);
    }
    if (exitJump >= 0) patch(exitJump);
    for (int32_t j : exitDo_.back()) patch(j);
    exitDo_.pop_back();
}

void ProcCompiler::compileWhile(const WhileStmt& s) {
    int32_t top = pc();
    size_t m = markStatement(s.pos);
    compileExpr(*s.condition);
    int32_t exitJump = emit(Op::JumpIfFalse);
    setResume(m);
    compileBlock(s.body);
    emit(Op::Jump, top);
    patch(exitJump);
}

void ProcCompiler::compileWith(const WithStmt& s) {
    size_t m = markStatement(s.pos);
    int32_t slot = hiddenSlots();
    clearSlot(slot);  // a failing header leaves no object of an earlier run here
    compileExpr(*s.object);
    emit(Op::StoreRaw, slot);
    setResume(m);
    withSlots_.push_back(slot);
    compileBlock(s.body);
    withSlots_.pop_back();
    size_t end = markStatement(s.pos);
    clearSlot(slot);
    setResume(end);
}

// ---- units: hoisting procedures and classes ------------------------------------------------

class UnitCompiler {
public:
    UnitCompiler(const CompileRequest& req, Interpreter& vm, CompiledUnit& out) : req_(req), vm_(vm), out_(out) {}
    ScriptError run();

private:
    std::unique_ptr<Procedure> newProcedure(const std::u16string& name) {
        auto p = std::make_unique<Procedure>();
        p->name = name;
        p->unit = req_.unit;
        return p;
    }
    bool compileProcedure(const ProcedureStmt& s, Procedure& proc, ClassInfo* cls);
    bool compileClass(const ClassStmt& s, ClassInfo& cls);
    void declareGlobalDims(const Block& block);

    const CompileRequest& req_;
    Interpreter& vm_;
    CompiledUnit& out_;
    ScriptError error_;
    std::unordered_map<std::u16string, Variant> globalConsts_;
};

void UnitCompiler::declareGlobalDims(const Block& block) {
    for (const auto& s : block) {
        if (s->kind == StmtKind::Dim) {
            for (const auto& v : static_cast<const DimStmt&>(*s).vars)
                if (vm_.findGlobal(foldName(v.name)) < 0) vm_.declareGlobal(v.name, GlobalKind::Variable);
        } else if (s->kind == StmtKind::If) {
            const auto& i = static_cast<const IfStmt&>(*s);
            for (const auto& b : i.branches) declareGlobalDims(b.body);
            declareGlobalDims(i.elseBody);
        }
    }
}

bool UnitCompiler::compileProcedure(const ProcedureStmt& s, Procedure& proc, ClassInfo* cls) {
    proc.kind = s.procKind;
    proc.isPublic = s.visibility != Visibility::Private;
    ProcCompiler pc(vm_, proc, cls, false, req_.program->optionExplicit);
    pc.globalConsts = &globalConsts_;
    for (const auto& prm : s.params) {
        pc.addLocal(foldName(prm.name));
        proc.paramByVal.push_back(prm.byVal);
    }
    proc.numParams = static_cast<int>(s.params.size());
    if (proc.hasReturnValue()) proc.resultSlot = pc.addLocal(foldName(s.name));
    pc.declareLocalsIn(s.body);
    pc.compileBlock(s.body);
    pc.finish();
    if (pc.error.number) { error_ = pc.error; return false; }
    return true;
}

bool UnitCompiler::compileClass(const ClassStmt& s, ClassInfo& cls) {
    cls.name = s.name;
    for (const auto& d : s.fields) {
        for (const auto& v : d->vars) {
            std::u16string f = foldName(v.name);
            int32_t index = static_cast<int32_t>(cls.fieldNames.size());
            cls.fieldNames.push_back(f);
            std::vector<int32_t> bounds;
            for (const auto& e : v.dims) {
                if (e->kind == ExprKind::Literal) {
                    const Variant& lv = static_cast<const LiteralExpr&>(*e).value;
                    bounds.push_back(lv.type() == VarType::Integer ? lv.asInteger()
                                     : lv.type() == VarType::Long  ? lv.asLong()
                                                                   : static_cast<int32_t>(lv.asDouble()));
                }
            }
            cls.fieldBounds.push_back(bounds);
            cls.fieldIsArray.push_back(v.isArray);
            ClassMember m;
            m.name = v.name;
            m.isPublic = d->visibility != Visibility::Private;
            m.field = index;
            cls.members.push_back(m);
            cls.memberIds[f] = static_cast<int32_t>(cls.members.size());
        }
    }
    // Members first (so bodies can call each other), then the bodies.
    std::vector<std::pair<const ProcedureStmt*, Procedure*>> bodies;
    for (const auto& p : s.members) {
        std::u16string f = foldName(p->name);
        int32_t id = cls.findMember(f);
        if (id == kNoMember) {
            ClassMember m;
            m.name = p->name;
            m.isPublic = p->visibility != Visibility::Private;
            cls.members.push_back(m);
            id = static_cast<int32_t>(cls.members.size());
            cls.memberIds[f] = id;
        }
        auto proc = newProcedure(p->name);
        proc->owner = &cls;
        Procedure* raw = proc.get();
        cls.procedures.push_back(std::move(proc));
        ClassMember& m = cls.member(id);
        switch (p->procKind) {
        case ProcKind::Sub: case ProcKind::Function: m.method = raw; break;
        case ProcKind::PropertyGet: m.get = raw; break;
        case ProcKind::PropertyLet: m.let = raw; break;
        case ProcKind::PropertySet: m.set = raw; break;
        }
        if (p->isDefault) cls.defaultMember = id;
        if (f == u"CLASS_INITIALIZE") cls.initialize = raw;
        if (f == u"CLASS_TERMINATE") cls.terminate = raw;
        bodies.emplace_back(p.get(), raw);
    }
    for (auto& [stmt, proc] : bodies)
        if (!compileProcedure(*stmt, *proc, &cls)) return false;
    return true;
}

ScriptError UnitCompiler::run() {
    const ast::Program& program = *req_.program;
    out_.main = newProcedure(u"");
    Procedure& main = *out_.main;
    bool global = req_.scope == nullptr;
    main.isGlobalCode = global;

    // Hoist: classes and procedures are known before any code runs, so a
    // call may come before the definition.
    std::vector<std::pair<const ProcedureStmt*, Procedure*>> procBodies;
    std::vector<std::pair<const ClassStmt*, ClassInfo*>> classBodies;
    for (const auto& s : program.statements) {
        if (s->kind == StmtKind::Procedure) {
            const auto& p = static_cast<const ProcedureStmt&>(*s);
            int32_t g = vm_.findGlobal(foldName(p.name));
            if (g < 0) g = vm_.declareGlobal(p.name, GlobalKind::Procedure);
            vm_.globalInfo(g).kind = GlobalKind::Procedure;
            auto proc = newProcedure(p.name);
            procBodies.emplace_back(&p, proc.get());
            out_.definitionOrder.push_back(proc.get());
            out_.procedures.emplace_back(g, std::move(proc));
        } else if (s->kind == StmtKind::Class) {
            const auto& c = static_cast<const ClassStmt&>(*s);
            int32_t g = vm_.findGlobal(foldName(c.name));
            if (g < 0) g = vm_.declareGlobal(c.name, GlobalKind::Class);
            vm_.globalInfo(g).kind = GlobalKind::Class;
            auto cls = std::make_shared<ClassInfo>();
            classBodies.emplace_back(&c, cls.get());
            out_.classes.emplace_back(g, std::move(cls));
        }
    }
    if (global) declareGlobalDims(program.statements);
    for (auto& [stmt, cls] : classBodies)
        if (!compileClass(*stmt, *cls)) return error_;
    for (auto& [stmt, proc] : procBodies)
        if (!compileProcedure(*stmt, *proc, nullptr)) return error_;

    ProcCompiler pc(vm_, main, req_.scopeClass, global, program.optionExplicit);
    pc.globalConsts = &globalConsts_;
    if (!global) {
        // Execute/Eval inside a procedure: the caller's slots come first,
        // then the variables earlier Execute text declared in that call. Its
        // implicit variables stay implicit here, in the same slots.
        for (const auto& n : req_.scope->localNames) pc.addLocal(n);
        for (const auto& n : req_.executedNames) pc.addLocal(n);
        main.implicitLocalSlots = req_.scope->implicitLocalSlots;
        main.optionExplicit = req_.scope->optionExplicit || program.optionExplicit;
        pc.declareLocalsIn(program.statements);
    }
    if (program.expression) {
        pc.compileExprTop(*program.expression);
        main.resultSlot = pc.hiddenSlots();
        // The value is left on the stack; the VM stores it in the result slot.
        main.code.push_back(Instr{Op::StoreRaw, 0, main.resultSlot, 0});
    } else {
        pc.compileBlock(program.statements);
    }
    pc.finish();
    if (pc.error.number) return pc.error;
    return ScriptError{};
}

}  // namespace

ScriptError compileProgram(const CompileRequest& request, Interpreter& vm, CompiledUnit& out) {
    UnitCompiler compiler(request, vm, out);
    return compiler.run();
}

const StatementMark* Procedure::markAt(int32_t pc) const {
    const StatementMark* found = nullptr;
    size_t lo = 0, hi = marks.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (marks[mid].pc <= pc) { found = &marks[mid]; lo = mid + 1; }
        else hi = mid;
    }
    return found;
}

std::u16string CodeUnit::lineText(int line) const {
    if (line <= 0) return {};
    int current = 1;
    size_t start = 0;
    for (size_t i = 0; i < source.size() && current < line; ++i) {
        if (source[i] == u'\n') { ++current; start = i + 1; }
    }
    if (current != line) return {};
    size_t end = source.find(u'\n', start);
    if (end == std::u16string::npos) end = source.size();
    std::u16string text = source.substr(start, end - start);
    if (!text.empty() && text.back() == u'\r') text.pop_back();
    return text;
}

}  // namespace vbs
