// Prints a syntax tree as compact S-expressions, so a parser test can state
// the whole shape it expects in one readable string:
//   x = -2 ^ 2      ->  (assign x (^ (neg 2) 2))
// Literals print as their VarType and value: 2 (Integer), 70000L (Long),
// 1.5D (Double), "a" (String), #45000.5 (Date), True, Empty, Null, Nothing.
#pragma once

#include <sstream>
#include <string>

#include "engine/syntax/ast.h"

namespace vbs::testing {

using namespace vbs::ast;

inline std::string narrow(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

inline std::string literalText(const Variant& v) {
    std::ostringstream out;
    switch (v.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: out << v.asInteger(); break;
    case VarType::Long: out << v.asLong() << "L"; break;
    case VarType::Double: out << v.asDouble() << "D"; break;
    case VarType::Date: out << "#" << v.asDouble(); break;
    case VarType::Boolean: return v.asBoolean() ? "True" : "False";
    case VarType::String: return "\"" + narrow(std::u16string(v.asString())) + "\"";
    case VarType::Object: return "Nothing";
    default: return "?";
    }
    return out.str();
}

inline const char* binaryText(BinaryOp op) {
    switch (op) {
    case BinaryOp::Power: return "^";
    case BinaryOp::Multiply: return "*";
    case BinaryOp::Divide: return "/";
    case BinaryOp::IntDivide: return "\\";
    case BinaryOp::Mod: return "mod";
    case BinaryOp::Add: return "+";
    case BinaryOp::Subtract: return "-";
    case BinaryOp::Concat: return "&";
    case BinaryOp::Equal: return "=";
    case BinaryOp::NotEqual: return "<>";
    case BinaryOp::Less: return "<";
    case BinaryOp::Greater: return ">";
    case BinaryOp::LessEqual: return "<=";
    case BinaryOp::GreaterEqual: return ">=";
    case BinaryOp::Is: return "is";
    case BinaryOp::And: return "and";
    case BinaryOp::Or: return "or";
    case BinaryOp::Xor: return "xor";
    case BinaryOp::Eqv: return "eqv";
    case BinaryOp::Imp: return "imp";
    }
    return "?";
}

inline std::string print(const Expr* e) {
    if (!e) return "_";
    switch (e->kind) {
    case ExprKind::Literal: return literalText(static_cast<const LiteralExpr*>(e)->value);
    case ExprKind::Name: return narrow(static_cast<const NameExpr*>(e)->name);
    case ExprKind::Me: return "Me";
    case ExprKind::Member: {
        auto m = static_cast<const MemberExpr*>(e);
        return "(. " + print(m->object.get()) + " " + narrow(m->name) + ")";
    }
    case ExprKind::Call: {
        auto c = static_cast<const CallExpr*>(e);
        std::string out = "(call " + print(c->target.get());
        for (const auto& a : c->args) out += " " + print(a.get());
        return out + ")";
    }
    case ExprKind::Paren: return "(paren " + print(static_cast<const ParenExpr*>(e)->inner.get()) + ")";
    case ExprKind::Unary: {
        auto u = static_cast<const UnaryExpr*>(e);
        const char* op = u->op == UnaryOp::Negate ? "neg" : u->op == UnaryOp::Plus ? "pos" : "not";
        return std::string("(") + op + " " + print(u->operand.get()) + ")";
    }
    case ExprKind::Binary: {
        auto b = static_cast<const BinaryExpr*>(e);
        return std::string("(") + binaryText(b->op) + " " + print(b->left.get()) + " " +
               print(b->right.get()) + ")";
    }
    case ExprKind::New: return "(new " + narrow(static_cast<const NewExpr*>(e)->className) + ")";
    case ExprKind::Missing: return "missing";
    }
    return "?";
}

std::string print(const Stmt* s);

inline std::string print(const Block& block) {
    std::string out;
    for (const auto& s : block) out += (out.empty() ? "" : " ") + print(s.get());
    return "[" + out + "]";
}

inline std::string visibilityText(Visibility v) {
    return v == Visibility::Public ? "public " : v == Visibility::Private ? "private " : "";
}

inline std::string print(const VarDecl& d) {
    std::string out = narrow(d.name);
    if (!d.isArray) return out;
    out += "(";
    for (size_t i = 0; i < d.dims.size(); ++i) out += (i ? "," : "") + print(d.dims[i].get());
    return out + ")";
}

inline std::string printProcedure(const ProcedureStmt* p) {
    static const char* kinds[] = {"sub", "function", "get", "let", "set"};
    std::string out = "(" + visibilityText(p->visibility) + (p->isDefault ? "default " : "") +
                      kinds[static_cast<int>(p->procKind)] + " " + narrow(p->name) + " (";
    for (size_t i = 0; i < p->params.size(); ++i) {
        const Param& q = p->params[i];
        out += std::string(i ? " " : "") + (q.byVal ? "byval " : "") + narrow(q.name) + (q.isArray ? "()" : "");
    }
    return out + ") " + print(p->body) + ")";
}

inline std::string print(const Stmt* s) {
    switch (s->kind) {
    case StmtKind::Assign: {
        auto a = static_cast<const AssignStmt*>(s);
        return std::string(a->isSet ? "(set " : "(assign ") + print(a->target.get()) + " " +
               print(a->value.get()) + ")";
    }
    case StmtKind::CallStmt: {
        auto c = static_cast<const CallStmt*>(s);
        return std::string(c->usedCallKeyword ? "(Call " : "(do ") + print(c->call.get()) + ")";
    }
    case StmtKind::Dim: {
        auto d = static_cast<const DimStmt*>(s);
        std::string out = "(" + visibilityText(d->visibility) + "dim";
        for (const auto& v : d->vars) out += " " + print(v);
        return out + ")";
    }
    case StmtKind::ReDim: {
        auto r = static_cast<const ReDimStmt*>(s);
        std::string out = r->preserve ? "(redim preserve" : "(redim";
        for (const auto& item : r->items) {
            out += " " + print(item.target.get()) + "(";
            for (size_t i = 0; i < item.dims.size(); ++i) out += (i ? "," : "") + print(item.dims[i].get());
            out += ")";
        }
        return out + ")";
    }
    case StmtKind::Erase: {
        std::string out = "(erase";
        for (const auto& t : static_cast<const EraseStmt*>(s)->targets) out += " " + print(t.get());
        return out + ")";
    }
    case StmtKind::Const: {
        auto c = static_cast<const ConstStmt*>(s);
        std::string out = "(" + visibilityText(c->visibility) + "const";
        for (const auto& d : c->consts) out += " " + narrow(d.name) + "=" + print(d.value.get());
        return out + ")";
    }
    case StmtKind::If: {
        auto i = static_cast<const IfStmt*>(s);
        std::string out = "(if";
        for (const auto& b : i->branches) out += " " + print(b.condition.get()) + " " + print(b.body);
        if (i->hasElse) out += " else " + print(i->elseBody);
        return out + ")";
    }
    case StmtKind::Select: {
        auto sel = static_cast<const SelectStmt*>(s);
        std::string out = "(select " + print(sel->subject.get());
        for (const auto& c : sel->cases) {
            out += " (case";
            for (const auto& v : c.values) out += " " + print(v.get());
            out += " " + print(c.body) + ")";
        }
        if (sel->hasElse) out += " else " + print(sel->elseBody);
        return out + ")";
    }
    case StmtKind::ForNext: {
        auto f = static_cast<const ForNextStmt*>(s);
        return "(for " + print(f->variable.get()) + " " + print(f->from.get()) + " " + print(f->to.get()) +
               " " + print(f->step.get()) + " " + print(f->body) + ")";
    }
    case StmtKind::ForEach: {
        auto f = static_cast<const ForEachStmt*>(s);
        return "(foreach " + print(f->variable.get()) + " " + print(f->collection.get()) + " " +
               print(f->body) + ")";
    }
    case StmtKind::DoLoop: {
        auto d = static_cast<const DoLoopStmt*>(s);
        static const char* tests[] = {"do", "do-while", "do-until", "do-loop-while", "do-loop-until"};
        std::string out = std::string("(") + tests[static_cast<int>(d->test)];
        if (d->condition) out += " " + print(d->condition.get());
        return out + " " + print(d->body) + ")";
    }
    case StmtKind::While: {
        auto w = static_cast<const WhileStmt*>(s);
        return "(while " + print(w->condition.get()) + " " + print(w->body) + ")";
    }
    case StmtKind::Exit: {
        static const char* kinds[] = {"do", "for", "sub", "function", "property"};
        return std::string("(exit ") + kinds[static_cast<int>(static_cast<const ExitStmt*>(s)->what)] + ")";
    }
    case StmtKind::OnError:
        return static_cast<const OnErrorStmt*>(s)->resumeNext ? "(on-error-resume-next)" : "(on-error-goto-0)";
    case StmtKind::With: {
        auto w = static_cast<const WithStmt*>(s);
        return "(with " + print(w->object.get()) + " " + print(w->body) + ")";
    }
    case StmtKind::Procedure: return printProcedure(static_cast<const ProcedureStmt*>(s));
    case StmtKind::Class: {
        auto c = static_cast<const ClassStmt*>(s);
        std::string out = "(class " + narrow(c->name);
        for (const auto& f : c->fields) out += " " + print(f.get());
        for (const auto& m : c->members) out += " " + printProcedure(m.get());
        return out + ")";
    }
    case StmtKind::OptionExplicit: return "(option-explicit)";
    case StmtKind::Stop: return "(stop)";
    }
    return "?";
}

}  // namespace vbs::testing
