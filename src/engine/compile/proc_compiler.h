// The compiler's inside, shared by its files: ProcCompiler turns one
// procedure body (or a unit's global code) into bytecode. compiler.cpp
// compiles a whole unit with it; the names, expressions and statements of
// a body are compiled in compile_names.cpp, compile_expr.cpp and
// compile_stmt.cpp; the operand forms of the operators in
// instruction_forms.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/compile/bytecode.h"
#include "engine/compile/compiler.h"
#include "engine/error_table.h"
#include "engine/syntax/ast.h"
#include "engine/vm/interpreter.h"

namespace vbs::detail {

using namespace vbs::ast;

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

// ---- the forms of the instructions (instruction_forms.cpp) ----------------------------
// The six operand forms of an operator that has them.
bool fusedForms(Op op, Form& forms);
// Operators that may assign their result to a local themselves (kResultToLocal).
bool canStoreResult(Op op);
// Comparisons in any form (they may take their jump: kBranchFollows).
bool isComparisonForm(Op op);
// The instructions whose handler has an inline fast path beside the
// general one (kGeneralPath chooses the general one).
bool hasGeneralPath(Op op);

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
    // ExecuteGlobal text: the globals below this index existed before it.
    int32_t firstNewGlobal = INT32_MAX;

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
    // Global code: the script's own Const statements are set before its
    // first statement runs, so a constant may be used above its declaration.
    void hoistConsts(const Block& block);
    void compileBlock(const Block& block);
    void compileExprTop(const Expr& e) { compileExpr(e); }
    void finish() {
        emit(Op::Return);
        proc_.maxStack = maxDepth_ + 2;
    }

private:
    std::unordered_set<const Stmt*> hoistedConsts_;  // compiled by hoistConsts already

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
    bool isReadOnly(const Place& p) const;
    bool compileElementRef(const Expr& e);
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

}  // namespace vbs::detail
