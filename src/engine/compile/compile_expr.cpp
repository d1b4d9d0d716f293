// Expressions: operators, names, calls and their arguments.
#include "engine/compile/proc_compiler.h"

#include "engine/library/builtins.h"
#include "engine/values/ops.h"
#include "engine/vm/script_class.h"

namespace vbs::detail {

namespace {

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

// Built-ins that are statements in function form: they give no value, so
// reading one (`x = Randomize(0)`) is a type mismatch.
bool givesNoValue(std::u16string_view name) { return namesEqual(name, u"Randomize"); }

// The conversion built-ins (CInt, CStr, ...).
bool isConversion(std::u16string_view name) {
    static const char16_t* const kNames[] = {u"CBool", u"CByte", u"CCur", u"CDate", u"CDbl",
                                             u"CInt",  u"CLng",  u"CSng", u"CStr"};
    for (const char16_t* n : kNames)
        if (namesEqual(name, n)) return true;
    return false;
}



// True when the result of `left op right` depends on the locale a script
// may choose with SetLocale before the expression runs: a number written as
// text ("x" & 2.5) or a text read as a number ("2,5" * 2).
bool dependsOnLocale(BinaryOp op, const Variant& left, const Variant& right) {
    auto writtenInLocale = [](const Variant& v) {
        VarType t = v.type();
        return t == VarType::Single || t == VarType::Double || t == VarType::Currency || t == VarType::Date;
    };
    if (op == BinaryOp::Concat) return writtenInLocale(left) || writtenInLocale(right);
    return left.type() == VarType::String || right.type() == VarType::String;
}

}  // namespace

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
        if (p.kind == PlaceKind::Class && !isBuiltinClass(n.className)) emit(Op::New, p.index);
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

void ProcCompiler::compileCall(const Expr& bracketedTarget, const std::vector<ExprPtr>& args, InvokeKind kind,
                               bool callKeyword) {
    int32_t argc = static_cast<int32_t>(args.size());
    // Brackets around a name that arguments follow only group it:
    // `Call ((f)) (x)` calls f with x by reference, `((a))(0)` indexes a.
    const Expr* unwrapped = &bracketedTarget;
    while (argc > 0 && unwrapped->kind == ExprKind::Paren)
        unwrapped = static_cast<const ParenExpr&>(*unwrapped).inner.get();
    const Expr& target = unwrapped->kind == ExprKind::Name ? *unwrapped : bracketedTarget;
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
            if (kind != InvokeKind::Method && givesNoValue(n.name)) emit(Op::RaiseError, err::TypeMismatch);
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
        uint8_t brackets = kind == InvokeKind::Get && argc == 0 ? kEmptyBrackets : 0;
        emit(Op::CallMember, nameIndex(m.name), argc, static_cast<uint8_t>(static_cast<uint8_t>(kind) | brackets));
        return;
    }
    compileExpr(target);
    compileArgs(args, false);
    emit(Op::CallValue, 0, argc);
}

}  // namespace vbs::detail
