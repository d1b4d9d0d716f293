// The parser's shared state, used by parser.cpp (entry point and token
// helpers), parse_expr.cpp (expressions) and parse_stmt.cpp / parse_block.cpp
// (statements). Recursive descent over the token list the lexer produced;
// every parse function returns null/false after recording the first error, and
// its callers pass that straight up.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/syntax/ast.h"
#include "engine/syntax/parser.h"
#include "engine/syntax/token.h"

namespace vbs::detail {

using namespace vbs::ast;

// What a postfix chain (a.b(1).c(2)) ended with; the statement parser needs it
// to tell `f (a) + 1, b` (an argument list) from `f(a, b)` (error 1044).
struct ChainInfo {
    bool endedWithParens = false;
    Pos parenPos;       // the `(` of the last argument list
    Pos closeParenPos;  // and its `)`; error 1044 points one past it
};

// An identifier whose text is `lowerWord` in any case (Error, Resume, ...).
bool isWord(const Token& t, std::u16string_view lowerWord);

// parseBlock's `headerLine` for blocks that no statement header opens (the
// script itself): a closing word after a statement never ends them.
constexpr int kNoHeaderLine = -1;

// The block an Else opens may be closed by `End If` right after a statement
// on the same line; other blocks have stricter rules (endStatementInBlock).
enum class BlockKind { Other, Else };

class Parser {
public:
    Parser(std::u16string_view source, std::vector<Token> tokens);
    ParseResult run(ParseMode mode);

    // ---- tokens (parser.cpp) ----
    const Token& tok() const { return tokens_[at_]; }
    const Token& peekToken(size_t ahead) const;
    Pos previousTokenPos() const { return tokens_[at_ > 0 ? at_ - 1 : 0].pos; }
    bool at(TokenKind k) const { return tok().kind == k; }
    void advance();
    bool accept(TokenKind k);
    bool expect(TokenKind k, int errorIfMissing);
    // An identifier whose text is `lowerWord` in any case (Error, Resume, ...).
    bool atWord(std::u16string_view lowerWord) const;
    // `Property` followed by a word: a property's header (Get, Let or Set must
    // come next), not a variable named Property (`Property = 1`, `Property(2)`).
    bool atPropertyHeader() const;
    bool atEndOfStatement() const;
    bool failed() const { return errorNumber_ != 0; }
    // Records the first error (at the current token) and returns false.
    bool fail(int number);
    bool failAt(int number, Pos pos);

    // Which line the current token stands on, counting from 0 and treating a
    // line continued with `_` as one line.
    int logicalLine() const { return logicalLine_; }

    // Counts one level of nesting; false (error 1001) past kMaxNestingDepth.
    bool enterNesting(int levels = 1);
    void leaveNesting(int levels = 1) { depth_ -= levels; }

    // ---- expressions (parse_expr.cpp) ----
    ExprPtr parseExpression();
    ExprPtr parseBinary(int minPrecedence);
    ExprPtr continueBinary(ExprPtr left, int minPrecedence);
    // The rest of a whole expression whose first operand is `left`.
    ExprPtr continueExpression(ExprPtr left);
    ExprPtr parseOperand();
    ExprPtr parseSigned();
    ExprPtr parsePrimary();
    ExprPtr parseChainStart();
    ExprPtr continueChain(ExprPtr target, ChainInfo* info);
    bool parseArgumentsInParens(std::vector<ExprPtr>& args);
    bool parseMemberName(std::u16string& name);
    static bool startsExpression(const Token& t);

    // ---- simple statements (parse_stmt.cpp) ----
    bool parseStatement(Block& out);
    bool parseNameStatement(Block& out);
    bool parseCallFromParenthesized(Block& out, Pos pos, CallExpr& parsed, Pos parenPos);
    bool parseBareArguments(std::vector<ExprPtr>& args);
    bool parseCallKeyword(Block& out);
    bool parseSet(Block& out);
    bool parseDim(Block& out, Visibility visibility, Pos pos);
    bool parseVarDecl(VarDecl& decl);
    bool parseReDim(Block& out);
    bool parseErase(Block& out);
    bool parseConst(Block& out, Visibility visibility, Pos pos);
    ExprPtr parseConstValue();
    bool parseVisibilityStatement(Block& out);
    bool parseExit(Block& out);
    bool parseOnError(Block& out);
    bool parseOption(Block& out);

    // ---- block statements (parse_block.cpp) ----
    // `headerLine` is the logicalLine() of the statement that opens the block:
    // on that line a closing word may follow a statement without a colon
    // (`Function f() f = 1 End Function`).
    bool parseBlock(Block& out, int headerLine, BlockKind kind = BlockKind::Other);
    bool endStatementInBlock(int headerLine, BlockKind kind);
    bool closingWordAfterStatement(BlockKind kind);
    bool parseIf(Block& out);
    bool parseSingleLineIf(IfStmt& stmt);
    bool parseSingleLineBody(Block& out);
    bool parseSelect(Block& out);
    bool parseFor(Block& out);
    bool parseForEach(Block& out, Pos pos);
    ExprPtr parseControlVariable();
    bool parseNext();
    bool parseDo(Block& out);
    bool parseWhile(Block& out);
    bool parseWith(Block& out);
    bool expectEnd(TokenKind what, int errorIfOther);

    // ---- procedures and classes (parse_proc.cpp) ----
    bool parseProcedure(Block& out, Visibility visibility, bool isDefault, Pos pos);
    std::unique_ptr<ProcedureStmt> parseProcedureNode(Visibility visibility, bool isDefault, Pos pos);
    bool parseParams(std::vector<Param>& params);
    bool parseClass(Block& out);
    bool parseClassMember(ClassStmt& cls);
    bool checkPropertyArguments(const ClassStmt& cls);
    bool closesClass() const { return at(TokenKind::KwEnd) && peekToken(1).kind == TokenKind::KwClass; }

private:
    std::u16string_view source_;
    std::vector<Token> tokens_;
    size_t at_ = 0;
    int depth_ = 0;
    int logicalLine_ = 0;  // line breaks passed so far; `_` continuations do not count
    int errorNumber_ = 0;
    Pos errorPos_;

public:
    // Where the statement being parsed stands; Exit and a few others depend on it.
    int doDepth_ = 0;
    int forDepth_ = 0;
    std::optional<ProcKind> procedure_;
    bool inClass_ = false;
    bool classHasDefault_ = false;  // the class being parsed has its Default member
    int singleLineIfDepth_ = 0;     // inside the statements of a one-line If
    bool topLevel_ = true;          // not inside any block
    bool sawOtherStatement_ = false;  // for Option Explicit, which must come first
    Program* program_ = nullptr;
};

// The first name declared twice in one scope of a finished tree (error 1041),
// or number 0 (parse_names.cpp).
struct NameProblem {
    int number = 0;
    Pos pos;
};
NameProblem findRedefinedNames(const Program& program);

// RAII helper for enterNesting/leaveNesting.
class NestingGuard {
public:
    NestingGuard(Parser& p, int levels = 1) : parser_(p), levels_(levels) { ok_ = p.enterNesting(levels); }
    ~NestingGuard() { parser_.leaveNesting(levels_); }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool ok() const { return ok_; }
    // Adds more levels to this guard (a growing a.b.c or 1+2+3 chain).
    bool grow() {
        ++levels_;
        return parser_.enterNesting(1);
    }

private:
    Parser& parser_;
    int levels_;
    bool ok_;
};

}  // namespace vbs::detail
