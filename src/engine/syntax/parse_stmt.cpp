// Statements that fit on one line: assignments, calls, declarations, Exit,
// On Error, Option Explicit. parseStatement dispatches to these and to the
// block statements of parse_block.cpp / parse_proc.cpp.
#include "engine/error_table.h"
#include "engine/syntax/parser_internal.h"

namespace vbs::detail {

// statement := Dim | ReDim | Erase | Const | Set | Call | If | Select | For | Do | While | With | Exit | On Error | Option | Sub | Function | Class | name-statement
bool Parser::parseStatement(Block& out) {
    if (!at(TokenKind::KwOption)) sawOtherStatement_ = true;
    Pos pos = tok().pos;
    switch (tok().kind) {
    case TokenKind::Identifier:
        if (atPropertyHeader()) return parseProcedure(out, Visibility::Default, false, pos);
        return parseNameStatement(out);
    case TokenKind::KwMe: case TokenKind::Dot:
        return parseNameStatement(out);
    case TokenKind::KwCall: return parseCallKeyword(out);
    case TokenKind::KwSet: return parseSet(out);
    case TokenKind::KwDim: advance(); return parseDim(out, Visibility::Default, pos);
    case TokenKind::KwReDim: return parseReDim(out);
    case TokenKind::KwErase: return parseErase(out);
    case TokenKind::KwConst: advance(); return parseConst(out, Visibility::Default, pos);
    case TokenKind::KwPublic: case TokenKind::KwPrivate: return parseVisibilityStatement(out);
    case TokenKind::KwIf: return parseIf(out);
    case TokenKind::KwSelect: return parseSelect(out);
    case TokenKind::KwFor: return parseFor(out);
    case TokenKind::KwDo: return parseDo(out);
    case TokenKind::KwWhile: return parseWhile(out);
    case TokenKind::KwWith: return parseWith(out);
    case TokenKind::KwExit: return parseExit(out);
    case TokenKind::KwOn: return parseOnError(out);
    case TokenKind::KwOption: return parseOption(out);
    case TokenKind::KwSub: case TokenKind::KwFunction:
        return parseProcedure(out, Visibility::Default, false, pos);
    case TokenKind::KwClass: return parseClass(out);
    case TokenKind::KwStop:
        advance();
        out.push_back(std::make_unique<StopStmt>(pos));
        return true;
    case TokenKind::KwLoop: return fail(err::LoopWithoutDo);
    case TokenKind::KwNext: return fail(err::UnexpectedNext);
    default: return fail(err::ExpectedStatement);
    }
}

// A statement that starts with a name, Me or `.name`: an assignment
// (`x = 1`, `a(1) = 2`, `o.p = 3`) or a call (`f`, `f a, b`, `f (a)`, `o.m 1`).
bool Parser::parseNameStatement(Block& out) {
    Pos pos = tok().pos;
    ExprPtr start = parseChainStart();
    if (!start) return false;
    ChainInfo info;
    ExprPtr chain = continueChain(std::move(start), &info);
    if (!chain) return false;

    if (at(TokenKind::Equal)) {
        if (chain->kind == ExprKind::Me) return failAt(err::InvalidUseOfMe, chain->pos);
        advance();
        ExprPtr value = parseExpression();
        if (!value) return false;
        out.push_back(std::make_unique<AssignStmt>(pos, std::move(chain), std::move(value), false));
        return true;
    }

    if (info.endedWithParens) {
        auto* call = static_cast<CallExpr*>(chain.get());
        if (call->args.size() >= 2)
            return failAt(err::ParensCallingSub, {info.closeParenPos.line, info.closeParenPos.column + 1});
        bool oneArgument = call->args.size() == 1 && call->args[0]->kind != ExprKind::Missing;
        // What follows must continue that argument (an operator) or add more
        // (a comma); `f(1) x` instead calls what f(1) returns, with x.
        bool continuesArgument = atEndOfStatement() || !startsExpression(tok()) ||
                                 at(TokenKind::Minus) || at(TokenKind::Plus);
        if (oneArgument && continuesArgument) return parseCallFromParenthesized(out, pos, *call, info.parenPos);
    }

    if (atEndOfStatement()) {
        out.push_back(std::make_unique<CallStmt>(pos, std::move(chain), false));
        return true;
    }
    if (!startsExpression(tok()) && !at(TokenKind::Comma)) return fail(err::ExpectedEndOfStatement);
    std::vector<ExprPtr> args;
    if (!parseBareArguments(args)) return false;
    out.push_back(std::make_unique<CallStmt>(
        pos, std::make_unique<CallExpr>(pos, std::move(chain), std::move(args)), false));
    return true;
}

// `f (a)...` as a statement: the brackets belong to the first argument, not to
// the call. `f (a)` passes (a) by value; `f (a) + 1, b` passes two arguments.
bool Parser::parseCallFromParenthesized(Block& out, Pos pos, CallExpr& parsed, Pos parenPos) {
    ExprPtr first = std::make_unique<ParenExpr>(parenPos, std::move(parsed.args[0]));
    first = continueExpression(std::move(first));
    if (!first) return false;
    std::vector<ExprPtr> args;
    args.push_back(std::move(first));
    if (accept(TokenKind::Comma) && !parseBareArguments(args)) return false;
    out.push_back(std::make_unique<CallStmt>(
        pos, std::make_unique<CallExpr>(pos, std::move(parsed.target), std::move(args)), false));
    return true;
}

// `a, , c` after a Sub name, up to the end of the statement.
bool Parser::parseBareArguments(std::vector<ExprPtr>& args) {
    while (true) {
        if (at(TokenKind::Comma) || atEndOfStatement()) {
            args.push_back(std::make_unique<MissingExpr>(tok().pos));
        } else {
            ExprPtr arg = parseExpression();
            if (!arg) return false;
            args.push_back(std::move(arg));
        }
        if (!accept(TokenKind::Comma)) return true;
    }
}

// `Call f(a)`, `Call o.m`, and `Call (New T).S()` with a bracketed target.
bool Parser::parseCallKeyword(Block& out) {
    Pos pos = tok().pos;
    advance();
    if (!at(TokenKind::Identifier) && !at(TokenKind::KwMe) && !at(TokenKind::Dot) && !at(TokenKind::LParen))
        return fail(err::ExpectedIdentifier);
    ExprPtr chain = parsePrimary();
    if (!chain) return false;
    out.push_back(std::make_unique<CallStmt>(pos, std::move(chain), true));
    return true;
}

// Set target = expr
bool Parser::parseSet(Block& out) {
    Pos pos = tok().pos;
    advance();
    if (!at(TokenKind::Identifier) && !at(TokenKind::KwMe) && !at(TokenKind::Dot))
        return fail(err::ExpectedIdentifier);
    ExprPtr start = parseChainStart();
    if (!start) return false;
    ExprPtr target = continueChain(std::move(start), nullptr);
    if (!target) return false;
    // `Set Me = x` is reported at the `=`.
    if (target->kind == ExprKind::Me) return fail(err::InvalidUseOfMe);
    if (!expect(TokenKind::Equal, err::ExpectedEquals)) return false;
    ExprPtr value = parseExpression();
    if (!value) return false;
    out.push_back(std::make_unique<AssignStmt>(pos, std::move(target), std::move(value), true));
    return true;
}

// After Dim / Public / Private: `a, b(3), c(), m(2, 3)`.
bool Parser::parseDim(Block& out, Visibility visibility, Pos pos) {
    auto stmt = std::make_unique<DimStmt>(pos);
    stmt->visibility = visibility;
    do {
        VarDecl decl;
        if (!parseVarDecl(decl)) return false;
        stmt->vars.push_back(std::move(decl));
    } while (accept(TokenKind::Comma));
    out.push_back(std::move(stmt));
    return true;
}

// The bounds of a declared array must be whole-number literals.
bool Parser::parseVarDecl(VarDecl& decl) {
    decl.pos = tok().pos;
    if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier);
    decl.name = tok().text;
    advance();
    if (!accept(TokenKind::LParen)) return true;
    decl.isArray = true;
    if (accept(TokenKind::RParen)) return true;
    do {
        const Token& t = tok();
        bool wholeNumber = t.kind == TokenKind::Literal &&
                           (t.value.type() == VarType::Integer || t.value.type() == VarType::Long);
        if (!wholeNumber) return fail(err::ExpectedIntegerConstant);
        decl.dims.push_back(std::make_unique<LiteralExpr>(t.pos, t.value));
        advance();
    } while (accept(TokenKind::Comma));
    return expect(TokenKind::RParen, err::ExpectedRParen);
}

// ReDim [Preserve] name ( bounds ) {, name ( bounds )}
bool Parser::parseReDim(Block& out) {
    auto stmt = std::make_unique<ReDimStmt>(tok().pos);
    advance();
    stmt->preserve = accept(TokenKind::KwPreserve);
    do {
        ReDimItem item;
        item.pos = tok().pos;
        if (!at(TokenKind::Identifier) && !at(TokenKind::KwMe) && !at(TokenKind::Dot))
            return fail(err::ExpectedIdentifier);
        item.target = parseChainStart();
        // obj.field(...) : follow the dots, the last `(` holds the bounds.
        NestingGuard chain(*this, 0);
        while (item.target && at(TokenKind::Dot) && !tok().spaceBefore) {
            advance();
            std::u16string name;
            if (!parseMemberName(name) || !chain.grow()) return false;
            Pos pos = item.target->pos;
            item.target = std::make_unique<MemberExpr>(pos, std::move(item.target), std::move(name));
        }
        if (!item.target || !expect(TokenKind::LParen, err::ExpectedLParen)) return false;
        do {
            ExprPtr bound = parseExpression();
            if (!bound) return false;
            item.dims.push_back(std::move(bound));
        } while (accept(TokenKind::Comma));
        if (!expect(TokenKind::RParen, err::ExpectedRParen)) return false;
        stmt->items.push_back(std::move(item));
    } while (accept(TokenKind::Comma));
    out.push_back(std::move(stmt));
    return true;
}

// Erase name {, name}
bool Parser::parseErase(Block& out) {
    auto stmt = std::make_unique<EraseStmt>(tok().pos);
    advance();
    do {
        if (!at(TokenKind::Identifier) && !at(TokenKind::KwMe) && !at(TokenKind::Dot))
            return fail(err::ExpectedIdentifier);
        ExprPtr start = parseChainStart();
        ExprPtr target = start ? continueChain(std::move(start), nullptr) : nullptr;
        if (!target) return false;
        stmt->targets.push_back(std::move(target));
    } while (accept(TokenKind::Comma));
    out.push_back(std::move(stmt));
    return true;
}

// After Const: `a = 1, b = "x", c = -2`.
bool Parser::parseConst(Block& out, Visibility visibility, Pos pos) {
    if (inClass_ && !procedure_) return fail(err::ExpectedStatement);
    auto stmt = std::make_unique<ConstStmt>(pos);
    stmt->visibility = visibility;
    do {
        ConstDecl decl;
        decl.pos = tok().pos;
        if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier);
        decl.name = tok().text;
        advance();
        if (!expect(TokenKind::Equal, err::ExpectedEquals)) return false;
        decl.value = parseConstValue();
        if (!decl.value) return false;
        // `Const x = 1 + "a"`: an operator after the literal makes it an
        // expression, refused where that expression ends.
        const Expr* literal = decl.value.get();
        decl.value = continueExpression(std::move(decl.value));
        if (!decl.value) return false;
        if (decl.value.get() != literal) return fail(err::ExpectedLiteralConstant);
        stmt->consts.push_back(std::move(decl));
    } while (accept(TokenKind::Comma));
    out.push_back(std::move(stmt));
    return true;
}

// A literal, optionally signed and in parentheses: 1, -2, +"x", (-3), #1/2/2020#.
ExprPtr Parser::parseConstValue() {
    NestingGuard guard(*this);
    if (!guard.ok()) return nullptr;
    Pos pos = tok().pos;
    if (accept(TokenKind::LParen)) {
        ExprPtr inner = parseConstValue();
        if (!inner || !expect(TokenKind::RParen, err::ExpectedRParen)) return nullptr;
        return std::make_unique<ParenExpr>(pos, std::move(inner));
    }
    if (at(TokenKind::Minus) || at(TokenKind::Plus)) {
        UnaryOp op = at(TokenKind::Minus) ? UnaryOp::Negate : UnaryOp::Plus;
        advance();
        ExprPtr operand = parseConstValue();
        if (!operand) return nullptr;
        return std::make_unique<UnaryExpr>(pos, op, std::move(operand));
    }
    switch (tok().kind) {
    case TokenKind::Literal: case TokenKind::KwTrue: case TokenKind::KwFalse:
    case TokenKind::KwEmpty: case TokenKind::KwNull: case TokenKind::KwNothing:
        return parsePrimary();
    default:
        fail(err::ExpectedLiteralConstant);
        return nullptr;
    }
}

// Public / Private: a variable, a constant, or a procedure (with Default).
bool Parser::parseVisibilityStatement(Block& out) {
    Pos pos = tok().pos;
    Visibility visibility = at(TokenKind::KwPublic) ? Visibility::Public : Visibility::Private;
    advance();
    if (procedure_ || !topLevel_) return failAt(err::ExpectedStatement, pos);
    bool isDefault = false;
    if (atWord(u"default")) {
        if (!inClass_) return fail(err::MustBeInsideClass);
        if (visibility != Visibility::Public) return fail(err::DefaultMustBePublic);
        advance();
        // A second default is reported at the word after Default.
        if (classHasDefault_) return fail(err::MultipleDefaults);
        isDefault = classHasDefault_ = true;
        if (!at(TokenKind::KwSub) && !at(TokenKind::KwFunction) && !atPropertyHeader())
            return fail(err::DefaultOnlyOnMember);
    }
    if (at(TokenKind::KwConst)) {
        advance();
        return parseConst(out, visibility, pos);
    }
    if (at(TokenKind::KwSub) || at(TokenKind::KwFunction) || atPropertyHeader())
        return parseProcedure(out, visibility, isDefault, pos);
    return parseDim(out, visibility, pos);
}

// `Exit Do|For|Sub|Function|Property`; one that does not fit where it
// stands is error 1039 at the word after Exit.
bool Parser::parseExit(Block& out) {
    Pos pos = tok().pos;
    advance();
    ExitKind what;
    bool valid;
    switch (tok().kind) {
    case TokenKind::KwDo: what = ExitKind::Do; valid = doDepth_ > 0; break;
    case TokenKind::KwFor: what = ExitKind::For; valid = forDepth_ > 0; break;
    case TokenKind::KwSub: what = ExitKind::Sub; valid = procedure_ == ProcKind::Sub; break;
    case TokenKind::KwFunction: what = ExitKind::Function; valid = procedure_ == ProcKind::Function; break;
    default:
        if (!atWord(u"property")) return fail(err::InvalidExit);
        what = ExitKind::Property;
        valid = procedure_ == ProcKind::PropertyGet || procedure_ == ProcKind::PropertyLet ||
                procedure_ == ProcKind::PropertySet;
        break;
    }
    if (!valid) return fail(err::InvalidExit);
    advance();
    out.push_back(std::make_unique<ExitStmt>(pos, what));
    return true;
}

// On Error Resume Next / On Error GoTo 0: the only two forms VBScript has.
bool Parser::parseOnError(Block& out) {
    Pos pos = tok().pos;
    advance();
    if (!atWord(u"error")) return fail(err::SyntaxError);
    advance();
    if (atWord(u"resume")) {
        advance();
        if (!at(TokenKind::KwNext)) return fail(err::SyntaxError);
        advance();
        out.push_back(std::make_unique<OnErrorStmt>(pos, true));
        return true;
    }
    if (!atWord(u"goto")) return fail(err::SyntaxError);
    advance();
    const Token& target = tok();
    bool zero = target.kind == TokenKind::Literal && target.value.type() == VarType::Integer &&
                target.text == u"0";
    if (!zero) return fail(err::SyntaxError);
    advance();
    out.push_back(std::make_unique<OnErrorStmt>(pos, false));
    return true;
}

// Option Explicit must come before every other statement of the script;
// anywhere else it is no statement at all (1024, as Windows says).
bool Parser::parseOption(Block& out) {
    Pos pos = tok().pos;
    advance();
    if (!atWord(u"explicit")) return fail(err::SyntaxError);
    if (sawOtherStatement_ || !topLevel_) return failAt(err::ExpectedStatement, pos);
    advance();
    program_->optionExplicit = true;
    out.push_back(std::make_unique<OptionExplicitStmt>(pos));
    return true;
}

}  // namespace vbs::detail
