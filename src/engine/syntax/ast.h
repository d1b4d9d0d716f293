// The syntax tree the parser builds and the compiler walks. Nodes carry the
// source position (line and column, both from 1) of their first token, so
// run-time errors can point at the statement that raised them.
//
// Ownership: every node is owned by its parent through std::unique_ptr; the
// Program owns the roots. Names are kept as written; the compiler folds case.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/variant.h"

namespace vbs::ast {

struct Pos {
    int line = 0;
    int column = 0;
};

// ---------------------------------------------------------------------------
// Expressions

enum class ExprKind {
    Literal,     // a constant: number, string, date, True/False/Empty/Null/Nothing
    Name,        // a bare identifier: variable, constant, or a call without arguments
    Me,          // the keyword Me
    Member,      // object.name, or .name inside With (object == nullptr)
    Call,        // target(args): a call or an array index, decided by the compiler/VM
    Paren,       // (expr): forces by-value passing of a variable argument
    Unary,       // -x, +x, Not x
    Binary,      // x op y
    New,         // New ClassName
    Missing,     // an omitted argument, as in f(1, , 3)
};

enum class UnaryOp { Negate, Plus, Not };

// Binary operators, grouped by precedence in the parser's table.
enum class BinaryOp {
    Power,        // ^
    Multiply,     // *
    Divide,       // /
    IntDivide,    // '\'
    Mod,          // Mod
    Add,          // +
    Subtract,     // -
    Concat,       // &
    Equal,        // =
    NotEqual,     // <>
    Less,         // <
    Greater,      // >
    LessEqual,    // <=
    GreaterEqual, // >=
    Is,           // Is
    And,
    Or,
    Xor,
    Eqv,
    Imp,
};

struct Expr {
    ExprKind kind;
    Pos pos;
    explicit Expr(ExprKind k, Pos p) : kind(k), pos(p) {}
    virtual ~Expr() = default;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    Variant value;
    LiteralExpr(Pos p, Variant v) : Expr(ExprKind::Literal, p), value(std::move(v)) {}
};

struct NameExpr : Expr {
    std::u16string name;
    NameExpr(Pos p, std::u16string n) : Expr(ExprKind::Name, p), name(std::move(n)) {}
};

struct MeExpr : Expr {
    explicit MeExpr(Pos p) : Expr(ExprKind::Me, p) {}
};

struct MemberExpr : Expr {
    ExprPtr object;  // nullptr for ".name" inside a With block
    std::u16string name;
    MemberExpr(Pos p, ExprPtr o, std::u16string n)
        : Expr(ExprKind::Member, p), object(std::move(o)), name(std::move(n)) {}
};

struct CallExpr : Expr {
    ExprPtr target;               // Name, Member, Call (a(1)(2)) or Me
    std::vector<ExprPtr> args;    // Missing nodes for omitted arguments
    CallExpr(Pos p, ExprPtr t, std::vector<ExprPtr> a)
        : Expr(ExprKind::Call, p), target(std::move(t)), args(std::move(a)) {}
};

struct ParenExpr : Expr {
    ExprPtr inner;
    ParenExpr(Pos p, ExprPtr e) : Expr(ExprKind::Paren, p), inner(std::move(e)) {}
};

struct UnaryExpr : Expr {
    UnaryOp op;
    ExprPtr operand;
    UnaryExpr(Pos p, UnaryOp o, ExprPtr e) : Expr(ExprKind::Unary, p), op(o), operand(std::move(e)) {}
};

struct BinaryExpr : Expr {
    BinaryOp op;
    ExprPtr left, right;
    BinaryExpr(Pos p, BinaryOp o, ExprPtr l, ExprPtr r)
        : Expr(ExprKind::Binary, p), op(o), left(std::move(l)), right(std::move(r)) {}
};

struct NewExpr : Expr {
    std::u16string className;
    NewExpr(Pos p, std::u16string c) : Expr(ExprKind::New, p), className(std::move(c)) {}
};

struct MissingExpr : Expr {
    explicit MissingExpr(Pos p) : Expr(ExprKind::Missing, p) {}
};

// ---------------------------------------------------------------------------
// Statements

enum class StmtKind {
    Assign,       // [Set] target = value
    CallStmt,     // f a, b   /   Call f(a, b)   /   obj.m a
    Dim,          // Dim/Public/Private variables (also class fields)
    ReDim,        // ReDim [Preserve] a(n, m), b(k)
    Erase,        // Erase a, b
    Const,        // [Public|Private] Const a = 1, b = 2
    If,           // block or single-line If, with ElseIf parts
    Select,       // Select Case
    ForNext,      // For i = a To b [Step c] ... Next
    ForEach,      // For Each x In coll ... Next
    DoLoop,       // Do [While|Until c] ... Loop [While|Until c]
    While,        // While c ... Wend
    Exit,         // Exit Do / For / Sub / Function / Property
    OnError,      // On Error Resume Next / On Error GoTo 0
    With,         // With obj ... End With
    Procedure,    // Sub / Function / Property Get|Let|Set
    Class,        // Class ... End Class
    OptionExplicit,
    Stop,         // does nothing
};

struct Stmt {
    StmtKind kind;
    Pos pos;
    explicit Stmt(StmtKind k, Pos p) : kind(k), pos(p) {}
    virtual ~Stmt() = default;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt : Stmt {
    ExprPtr target;  // Name, Member or Call (array element / property with args)
    ExprPtr value;
    bool isSet = false;
    AssignStmt(Pos p, ExprPtr t, ExprPtr v, bool set)
        : Stmt(StmtKind::Assign, p), target(std::move(t)), value(std::move(v)), isSet(set) {}
};

// `call` is a CallExpr, or a Name/Member for a call without arguments.
// `usedCallKeyword` is true for `Call f(...)`.
struct CallStmt : Stmt {
    ExprPtr call;
    bool usedCallKeyword = false;
    CallStmt(Pos p, ExprPtr c, bool kw) : Stmt(StmtKind::CallStmt, p), call(std::move(c)), usedCallKeyword(kw) {}
};

enum class Visibility { Default, Public, Private };

// One declared variable. `dims` empty and `isArray` false: a plain variable.
// `isArray` with empty dims: a dynamic array `a()`. Non-empty dims: a fixed
// array `a(3, 4)` whose bounds are constant expressions.
struct VarDecl {
    Pos pos;
    std::u16string name;
    bool isArray = false;
    std::vector<ExprPtr> dims;
};

struct DimStmt : Stmt {
    Visibility visibility = Visibility::Default;  // Default = Dim
    std::vector<VarDecl> vars;
    explicit DimStmt(Pos p) : Stmt(StmtKind::Dim, p) {}
};

struct ReDimItem {
    Pos pos;
    ExprPtr target;  // a Name, or a Member (obj.arr) for class fields
    std::vector<ExprPtr> dims;
};

struct ReDimStmt : Stmt {
    bool preserve = false;
    std::vector<ReDimItem> items;
    explicit ReDimStmt(Pos p) : Stmt(StmtKind::ReDim, p) {}
};

struct EraseStmt : Stmt {
    std::vector<ExprPtr> targets;
    explicit EraseStmt(Pos p) : Stmt(StmtKind::Erase, p) {}
};

struct ConstDecl {
    Pos pos;
    std::u16string name;
    ExprPtr value;  // a literal, possibly signed or parenthesised
};

struct ConstStmt : Stmt {
    Visibility visibility = Visibility::Default;
    std::vector<ConstDecl> consts;
    explicit ConstStmt(Pos p) : Stmt(StmtKind::Const, p) {}
};

struct IfBranch {
    Pos pos;
    ExprPtr condition;
    Block body;
};

struct IfStmt : Stmt {
    std::vector<IfBranch> branches;  // If, then each ElseIf
    Block elseBody;
    bool hasElse = false;
    explicit IfStmt(Pos p) : Stmt(StmtKind::If, p) {}
};

struct CaseClause {
    Pos pos;
    std::vector<ExprPtr> values;  // Case a, b, c
    Block body;
};

struct SelectStmt : Stmt {
    ExprPtr subject;
    std::vector<CaseClause> cases;
    Block elseBody;
    bool hasElse = false;
    explicit SelectStmt(Pos p) : Stmt(StmtKind::Select, p) {}
};

struct ForNextStmt : Stmt {
    ExprPtr variable;  // a Name (or Member inside classes/With)
    ExprPtr from, to, step;  // step may be null
    Block body;
    explicit ForNextStmt(Pos p) : Stmt(StmtKind::ForNext, p) {}
};

struct ForEachStmt : Stmt {
    ExprPtr variable;
    ExprPtr collection;
    Block body;
    explicit ForEachStmt(Pos p) : Stmt(StmtKind::ForEach, p) {}
};

enum class LoopTest { None, WhileTop, UntilTop, WhileBottom, UntilBottom };

struct DoLoopStmt : Stmt {
    LoopTest test = LoopTest::None;
    ExprPtr condition;  // null when test == None
    Block body;
    Pos loopPos;        // of the word Loop: a failing bottom test is reported there
    explicit DoLoopStmt(Pos p) : Stmt(StmtKind::DoLoop, p) {}
};

struct WhileStmt : Stmt {
    ExprPtr condition;
    Block body;
    explicit WhileStmt(Pos p) : Stmt(StmtKind::While, p) {}
};

enum class ExitKind { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt {
    ExitKind what;
    ExitStmt(Pos p, ExitKind w) : Stmt(StmtKind::Exit, p), what(w) {}
};

struct OnErrorStmt : Stmt {
    bool resumeNext;  // false: On Error GoTo 0
    OnErrorStmt(Pos p, bool r) : Stmt(StmtKind::OnError, p), resumeNext(r) {}
};

struct WithStmt : Stmt {
    ExprPtr object;
    Block body;
    explicit WithStmt(Pos p) : Stmt(StmtKind::With, p) {}
};

enum class ProcKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Param {
    Pos pos;
    std::u16string name;
    bool byVal = false;   // ByRef is the default
    bool isArray = false; // written as `a()`
};

struct ProcedureStmt : Stmt {
    ProcKind procKind = ProcKind::Sub;
    Visibility visibility = Visibility::Default;
    bool isDefault = false;  // Public Default Function/Property Get
    std::u16string name;
    Pos namePos;
    std::vector<Param> params;
    Pos headerEnd;  // just past the name or the closing bracket of the arguments
    Block body;
    int endLine = 0;  // line of End Sub/Function/Property
    explicit ProcedureStmt(Pos p) : Stmt(StmtKind::Procedure, p) {}
};

// Class members: fields come as DimStmt (Dim/Public/Private), methods and
// properties as ProcedureStmt. Const is not allowed inside a class.
struct ClassStmt : Stmt {
    std::u16string name;
    Pos namePos;
    std::vector<std::unique_ptr<DimStmt>> fields;
    std::vector<std::unique_ptr<ProcedureStmt>> members;
    explicit ClassStmt(Pos p) : Stmt(StmtKind::Class, p) {}
};

struct OptionExplicitStmt : Stmt {
    explicit OptionExplicitStmt(Pos p) : Stmt(StmtKind::OptionExplicit, p) {}
};

struct StopStmt : Stmt {
    explicit StopStmt(Pos p) : Stmt(StmtKind::Stop, p) {}
};

// A parsed unit of source: a file given to AddCode, a statement given to
// ExecuteStatement, or the text of Execute/ExecuteGlobal. Procedure and Class
// statements appear in `statements` where they stood in the source; the
// compiler hoists them (they are callable before their definition).
struct Program {
    Block statements;
    ExprPtr expression;  // set instead of `statements` when parsed for Eval
    bool optionExplicit = false;
};

}  // namespace vbs::ast
