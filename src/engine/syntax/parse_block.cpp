// Statements that hold blocks: If, Select Case, For, For Each, Do, While,
// With; and the block loop itself.
#include "engine/error_table.h"
#include "engine/syntax/parser_internal.h"

namespace vbs::detail {

namespace {

// Words that close a block: the block loop stops at them and leaves them to
// the statement that owns the block (or reports them if nobody does).
bool closesBlock(TokenKind kind) {
    switch (kind) {
    case TokenKind::EndOfInput: case TokenKind::KwEnd: case TokenKind::KwElse:
    case TokenKind::KwElseIf: case TokenKind::KwCase: case TokenKind::KwLoop:
    case TokenKind::KwNext: case TokenKind::KwWend:
        return true;
    default:
        return false;
    }
}

// Keeps a counter raised while a loop body is parsed (Exit Do / Exit For).
class CounterScope {
public:
    explicit CounterScope(int& counter) : counter_(counter) { ++counter_; }
    ~CounterScope() { --counter_; }
    CounterScope(const CounterScope&) = delete;
    CounterScope& operator=(const CounterScope&) = delete;

private:
    int& counter_;
};

// Marks "inside a block" while a nested body is parsed (Option Explicit,
// Public and Class are only allowed at the top; a Sub there is moved to it).
class NestedScope {
public:
    explicit NestedScope(bool& topLevel) : flag_(topLevel), saved_(topLevel) { flag_ = false; }
    ~NestedScope() { flag_ = saved_; }
    NestedScope(const NestedScope&) = delete;
    NestedScope& operator=(const NestedScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

// Statements separated by line breaks or colons, up to a word that closes
// a block.
bool Parser::parseBlock(Block& out, int headerLine, BlockKind kind) {
    NestingGuard guard(*this);
    if (!guard.ok()) return false;
    while (true) {
        while (at(TokenKind::NewLine) || at(TokenKind::Colon)) advance();
        if (closesBlock(tok().kind)) return true;
        if (!parseStatement(out) || !endStatementInBlock(headerLine, kind)) return false;
    }
}

// After a statement of a block: a separator, or a closing word that ends the
// statement too. Any closing word may do so when the block was opened on this
// same line: `Sub Show(s) WScript.Echo s End Sub`, `Do : n = n + 1 Loop Until n > 3`.
bool Parser::endStatementInBlock(int headerLine, BlockKind kind) {
    if (atEndOfStatement()) return true;
    if (!closesBlock(tok().kind)) return fail(err::ExpectedEndOfStatement);
    if (headerLine == logicalLine()) return true;
    return closingWordAfterStatement(kind);
}

// A closing word after a statement of a block opened on an earlier line.
// The ends of procedures and classes may follow a statement directly
// (`x = 1 End Sub`, `f = x End Function End Class`), and so may the `End If`
// of an Else block; the other closers may not, each with its own error.
bool Parser::closingWordAfterStatement(BlockKind kind) {
    switch (tok().kind) {
    case TokenKind::KwLoop: case TokenKind::KwWend: return fail(err::ExpectedEndOfStatement);
    case TokenKind::KwEnd: break;
    default: return fail(err::MustBeFirstStatement);
    }
    const Token& what = peekToken(1);
    switch (what.kind) {
    case TokenKind::KwSub: case TokenKind::KwFunction: case TokenKind::KwClass: return true;
    case TokenKind::KwIf: return kind == BlockKind::Else || fail(err::MustBeFirstStatement);
    case TokenKind::KwWhile: return fail(err::ExpectedStatement);  // no such closer
    default: return isWord(what, u"property") || fail(err::MustBeFirstStatement);
    }
}

// `End <what>`; a different word after End is `errorIfOther`, no End at all
// is 1014 Expected 'End'.
bool Parser::expectEnd(TokenKind what, int errorIfOther) {
    if (!expect(TokenKind::KwEnd, err::ExpectedEnd)) return false;
    return expect(what, errorIfOther);
}

// If cond Then NEWLINE block {ElseIf cond Then block} [Else block] End If  | one-line If
bool Parser::parseIf(Block& out) {
    auto stmt = std::make_unique<IfStmt>(tok().pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    IfBranch first;
    first.pos = tok().pos;
    advance();
    first.condition = parseExpression();
    if (!first.condition || !expect(TokenKind::KwThen, err::ExpectedThen)) return false;
    stmt->branches.push_back(std::move(first));
    // Inside a one-line If every If is a one-line If, even an empty one.
    bool oneLine = singleLineIfDepth_ > 0 || (!at(TokenKind::NewLine) && !at(TokenKind::EndOfInput));
    if (oneLine) {
        if (!parseSingleLineIf(*stmt)) return false;
        out.push_back(std::move(stmt));
        return true;
    }

    if (!parseBlock(stmt->branches.back().body, headerLine)) return false;
    while (at(TokenKind::KwElseIf)) {
        IfBranch branch;
        branch.pos = tok().pos;
        int branchLine = logicalLine();
        advance();
        branch.condition = parseExpression();
        if (!branch.condition || !expect(TokenKind::KwThen, err::ExpectedThen)) return false;
        if (!parseBlock(branch.body, branchLine)) return false;
        stmt->branches.push_back(std::move(branch));
    }
    int elseLine = logicalLine();
    if (accept(TokenKind::KwElse)) {
        stmt->hasElse = true;
        // `Else End If` on one line is not a closed Else block but an Else
        // still waiting for its statement.
        if (at(TokenKind::KwEnd)) return fail(err::ExpectedStatement);
        if (!parseBlock(stmt->elseBody, elseLine, BlockKind::Else)) return false;
    }
    if (!expectEnd(TokenKind::KwIf, err::ExpectedIf)) return false;
    out.push_back(std::move(stmt));
    return true;
}

// `If c Then s1: s2 Else s3: s4`, all on one line.
bool Parser::parseSingleLineIf(IfStmt& stmt) {
    CounterScope oneLine(singleLineIfDepth_);
    if (!parseSingleLineBody(stmt.branches.back().body)) return false;
    if (accept(TokenKind::KwElse)) {
        stmt.hasElse = true;
        // The Else may stay empty (`If a Then b Else`), but `Else End If`
        // is no one-line If.
        if (at(TokenKind::KwEnd)) return fail(err::ExpectedStatement);
        if (!parseSingleLineBody(stmt.elseBody)) return false;
    }
    // An `End If` after a one-line If is tolerated: `If a Then b: End If`.
    if (at(TokenKind::KwEnd) && peekToken(1).kind == TokenKind::KwIf) {
        advance();
        advance();
    }
    return true;
}

// Statements separated by colons up to Else or the end of the line.
bool Parser::parseSingleLineBody(Block& out) {
    NestingGuard guard(*this);
    if (!guard.ok()) return false;
    while (true) {
        while (accept(TokenKind::Colon)) {}
        if (at(TokenKind::NewLine) || at(TokenKind::EndOfInput) || at(TokenKind::KwElse)) return true;
        if (at(TokenKind::KwEnd) && peekToken(1).kind == TokenKind::KwIf) return true;
        switch (tok().kind) {
        case TokenKind::KwSelect: case TokenKind::KwFor: case TokenKind::KwDo:
        case TokenKind::KwWhile: case TokenKind::KwWith: case TokenKind::KwSub:
        case TokenKind::KwFunction: case TokenKind::KwClass:
            // Block statements need lines of their own.
            return fail(err::ExpectedStatement);
        default:
            if (atPropertyHeader()) return fail(err::ExpectedStatement);
            break;
        }
        if (!parseStatement(out)) return false;
        // A closing word ends the one-line If with its statement; the block
        // around it decides whether the word may stand there.
        if (atEndOfStatement()) continue;
        return closesBlock(tok().kind) || fail(err::ExpectedEndOfStatement);
    }
}

// Select Case expr NEWLINE {Case expr {, expr} block} [Case Else block] End Select
bool Parser::parseSelect(Block& out) {
    auto stmt = std::make_unique<SelectStmt>(tok().pos);
    NestedScope nested(topLevel_);
    advance();
    if (!expect(TokenKind::KwCase, err::ExpectedCase)) return false;
    stmt->subject = parseExpression();
    if (!stmt->subject) return false;
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);
    while (at(TokenKind::NewLine) || at(TokenKind::Colon)) advance();
    while (at(TokenKind::KwCase) && !stmt->hasElse) {
        Pos pos = tok().pos;
        int caseLine = logicalLine();
        advance();
        // The Case's first statement may follow on its line: `Case 1 x = 5`.
        if (accept(TokenKind::KwElse)) {
            stmt->hasElse = true;
            if (!parseBlock(stmt->elseBody, caseLine)) return false;
            continue;
        }
        CaseClause clause;
        clause.pos = pos;
        do {
            ExprPtr value = parseExpression();
            if (!value) return false;
            clause.values.push_back(std::move(value));
        } while (accept(TokenKind::Comma));
        if (!parseBlock(clause.body, caseLine)) return false;
        stmt->cases.push_back(std::move(clause));
    }
    if (!at(TokenKind::KwEnd) && !at(TokenKind::EndOfInput) && !at(TokenKind::KwCase))
        return fail(err::ExpectedCase);
    if (!expectEnd(TokenKind::KwSelect, err::ExpectedSelect)) return false;
    out.push_back(std::move(stmt));
    return true;
}

// For name = from To to [Step step] block Next [name]  | For Each (parseForEach)
bool Parser::parseFor(Block& out) {
    Pos pos = tok().pos;
    advance();
    if (accept(TokenKind::KwEach)) return parseForEach(out, pos);
    auto stmt = std::make_unique<ForNextStmt>(pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    if (!at(TokenKind::Identifier) && !at(TokenKind::Dot)) return fail(err::InvalidForControl);
    stmt->variable = parseControlVariable();
    if (!stmt->variable || !expect(TokenKind::Equal, err::ExpectedEquals)) return false;
    stmt->from = parseExpression();
    if (!stmt->from || !expect(TokenKind::KwTo, err::ExpectedTo)) return false;
    stmt->to = parseExpression();
    if (!stmt->to) return false;
    if (atWord(u"step")) {
        advance();
        stmt->step = parseExpression();
        if (!stmt->step) return false;
    }
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);
    {
        CounterScope loop(forDepth_);
        if (!parseBlock(stmt->body, headerLine)) return false;
    }
    if (!parseNext()) return false;
    out.push_back(std::move(stmt));
    return true;
}

// For Each name In expr block Next [name]
bool Parser::parseForEach(Block& out, Pos pos) {
    auto stmt = std::make_unique<ForEachStmt>(pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    if (!at(TokenKind::Identifier) && !at(TokenKind::Dot)) return fail(err::InvalidForControl);
    stmt->variable = parseControlVariable();
    if (!stmt->variable || !expect(TokenKind::KwIn, err::ExpectedIn)) return false;
    stmt->collection = parseExpression();
    if (!stmt->collection) return false;
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);
    {
        CounterScope loop(forDepth_);
        if (!parseBlock(stmt->body, headerLine)) return false;
    }
    if (!parseNext()) return false;
    out.push_back(std::move(stmt));
    return true;
}

// A loop's variable is a plain name: `For x.y = 1` or `For Each a(0) In c`
// is refused after the whole target, at the `=` or the `In`.
ExprPtr Parser::parseControlVariable() {
    ExprPtr variable = parseChainStart();
    if (!variable || (!at(TokenKind::Dot) && !at(TokenKind::LParen))) return variable;
    if (!continueChain(std::move(variable), nullptr)) return nullptr;
    fail(err::InvalidForControl);
    return nullptr;
}

// `Next`, optionally naming the loop variable.
bool Parser::parseNext() {
    if (!expect(TokenKind::KwNext, err::ExpectedNext)) return false;
    if (at(TokenKind::Identifier)) advance();
    return true;
}

// Do [(While|Until) cond] block Loop  | Do block Loop [(While|Until) cond]
bool Parser::parseDo(Block& out) {
    auto stmt = std::make_unique<DoLoopStmt>(tok().pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    advance();
    if (at(TokenKind::KwWhile) || at(TokenKind::KwUntil)) {
        stmt->test = at(TokenKind::KwWhile) ? LoopTest::WhileTop : LoopTest::UntilTop;
        advance();
        stmt->condition = parseExpression();
        if (!stmt->condition) return false;
    }
    if (!atEndOfStatement())
        return fail(stmt->test == LoopTest::None ? err::ExpectedWhileUntilOrEnd : err::ExpectedEndOfStatement);
    {
        CounterScope loop(doDepth_);
        if (!parseBlock(stmt->body, headerLine)) return false;
    }
    stmt->loopPos = tok().pos;
    if (!expect(TokenKind::KwLoop, err::ExpectedLoop)) return false;
    if (at(TokenKind::KwWhile) || at(TokenKind::KwUntil)) {
        // A loop tests its condition at the top or at the bottom, not both.
        if (stmt->test != LoopTest::None) return fail(err::ExpectedEndOfStatement);
        stmt->test = at(TokenKind::KwWhile) ? LoopTest::WhileBottom : LoopTest::UntilBottom;
        advance();
        stmt->condition = parseExpression();
        if (!stmt->condition) return false;
    }
    out.push_back(std::move(stmt));
    return true;
}

// While cond block Wend
bool Parser::parseWhile(Block& out) {
    auto stmt = std::make_unique<WhileStmt>(tok().pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    advance();
    stmt->condition = parseExpression();
    if (!stmt->condition) return false;
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);
    if (!parseBlock(stmt->body, headerLine)) return false;
    if (!expect(TokenKind::KwWend, err::ExpectedWend)) return false;
    out.push_back(std::move(stmt));
    return true;
}

// With expr block End With
bool Parser::parseWith(Block& out) {
    auto stmt = std::make_unique<WithStmt>(tok().pos);
    NestedScope nested(topLevel_);
    int headerLine = logicalLine();
    advance();
    stmt->object = parseExpression();
    if (!stmt->object) return false;
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);
    if (!parseBlock(stmt->body, headerLine)) return false;
    if (!expectEnd(TokenKind::KwWith, err::ExpectedWith)) return false;
    out.push_back(std::move(stmt));
    return true;
}

}  // namespace vbs::detail
