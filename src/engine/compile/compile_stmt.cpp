// Statements: assignments, declarations and the blocks.
#include "engine/compile/proc_compiler.h"

#include "engine/library/builtins.h"
#include "engine/values/ops.h"
#include "engine/vm/script_class.h"

namespace vbs::detail {

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
        if (hoistedConsts_.count(&s)) break;
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

// Assigning to a constant (one of this text, or a global one an earlier
// text declared) or to a procedure's name is VBScript's "Illegal
// assignment", raised when the statement runs.
bool ProcCompiler::isReadOnly(const Place& p) const {
    switch (p.kind) {
    case PlaceKind::Constant: case PlaceKind::Procedure: case PlaceKind::Builtin: case PlaceKind::Class:
        return true;
    case PlaceKind::Global:
        return vm_.globalInfo(p.index).kind == GlobalKind::Constant;
    case PlaceKind::Local:
        return globalCode_ && proc_.globalsAsSlots && vm_.globalInfo(p.index).kind == GlobalKind::Constant;
    default:
        return false;
    }
}

void ProcCompiler::storeToTarget(const Expr& target, bool raw) {
    if (target.kind == ExprKind::Name) {
        const auto& n = static_cast<const NameExpr&>(target);
        Place p = resolve(n.name, true);
        if (isReadOnly(p)) {
            emit(Op::StoreName, nameIndex(n.name), -2, 0);
            return;
        }
        emitStore(p, n.name, false, raw);
        return;
    }
    fail(err::InvalidForControl, target.pos);
}

// A reference to the element `e` names when it is an element of an array
// variable, at any depth (`x(0)`, `x(0)(1)`); false, with nothing emitted,
// for anything else.
bool ProcCompiler::compileElementRef(const Expr& e) {
    if (e.kind != ExprKind::Call) return false;
    const auto& c = static_cast<const CallExpr&>(e);
    if (c.args.empty()) return false;
    const Expr* root = c.target.get();
    while (root->kind == ExprKind::Call) root = static_cast<const CallExpr&>(*root).target.get();
    if (root->kind != ExprKind::Name) return false;
    const auto& n = static_cast<const NameExpr&>(*root);
    Place p = resolve(n.name, false);
    bool variable = p.kind == PlaceKind::Local || p.kind == PlaceKind::Global || p.kind == PlaceKind::Field;
    if (!variable || namesOwnResult(p)) return false;
    if (c.target->kind == ExprKind::Name) emitRef(p, n.name);
    else if (!compileElementRef(*c.target)) return false;
    compileArgs(c.args, false);
    emit(Op::RefElement, nameIndex(n.name), static_cast<int32_t>(c.args.size()));
    return true;
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
        if (isReadOnly(p)) {
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
        // x(0)(1) = v stores into the array x(0) itself, not into a copy.
        uint8_t nested = compileElementRef(*c.target) ? kStoreIntoElement : 0;
        if (!nested) compileExpr(*c.target);
        compileArgs(c.args, false);
        compileExpr(*s.value);
        emit(Op::StoreIndex, 0, argc, static_cast<uint8_t>((s.isSet ? 1 : 0) | nested));
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
        bool redeclared = globalCode_ && p.index < firstNewGlobal;
        emit(Op::DimArray, 0, static_cast<int32_t>(v.dims.size()), redeclared ? kRedeclaredArray : 0);
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

void ProcCompiler::hoistConsts(const Block& block) {
    for (const auto& s : block) {
        if (s->kind != StmtKind::Const) continue;
        size_t m = markStatement(s->pos);
        compileConst(static_cast<const ConstStmt&>(*s));
        setResume(m);
        hoistedConsts_.insert(s.get());
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
    // Run out of items, the variable is left Empty; Exit For leaves the
    // item it stood on.
    patch(prep);
    patch(next);
    emit(Op::PushEmpty);
    storeToTarget(*s.variable, true);
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
    emit(Op::StoreRaw, slot, 0, 1);  // With 42 fails here, not at its first member
    setResume(m);
    withSlots_.push_back(slot);
    compileBlock(s.body);
    withSlots_.pop_back();
    size_t end = markStatement(s.pos);
    clearSlot(slot);
    setResume(end);
}

}  // namespace vbs::detail
