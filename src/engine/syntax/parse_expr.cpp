// Expressions: precedence climbing over one operator table, then operands
// (Not, signs), primaries and postfix chains (a.b(1).c).
#include <array>

#include "engine/error_table.h"
#include "engine/syntax/parser_internal.h"

namespace vbs::detail {

namespace {

// VBScript's binary operators, lowest precedence first. Everything at one
// level is left-associative; all comparisons share one level.
struct BinaryOperator {
    TokenKind token;
    BinaryOp op;
    int precedence;
};

constexpr int kLowestPrecedence = 1;
// `Not` sits between And and the comparisons: `Not a = b` is Not (a = b).
constexpr int kNotPrecedence = 6;

constexpr std::array kBinaryOperators = {
    BinaryOperator{TokenKind::KwImp, BinaryOp::Imp, 1},
    BinaryOperator{TokenKind::KwEqv, BinaryOp::Eqv, 2},
    BinaryOperator{TokenKind::KwXor, BinaryOp::Xor, 3},
    BinaryOperator{TokenKind::KwOr, BinaryOp::Or, 4},
    BinaryOperator{TokenKind::KwAnd, BinaryOp::And, 5},
    // 6: prefix Not (kNotPrecedence)
    BinaryOperator{TokenKind::Equal, BinaryOp::Equal, 7},
    BinaryOperator{TokenKind::NotEqual, BinaryOp::NotEqual, 7},
    BinaryOperator{TokenKind::Less, BinaryOp::Less, 7},
    BinaryOperator{TokenKind::Greater, BinaryOp::Greater, 7},
    BinaryOperator{TokenKind::LessEqual, BinaryOp::LessEqual, 7},
    BinaryOperator{TokenKind::GreaterEqual, BinaryOp::GreaterEqual, 7},
    BinaryOperator{TokenKind::KwIs, BinaryOp::Is, 7},
    BinaryOperator{TokenKind::Ampersand, BinaryOp::Concat, 8},
    BinaryOperator{TokenKind::Plus, BinaryOp::Add, 9},
    BinaryOperator{TokenKind::Minus, BinaryOp::Subtract, 9},
    BinaryOperator{TokenKind::KwMod, BinaryOp::Mod, 10},
    BinaryOperator{TokenKind::Backslash, BinaryOp::IntDivide, 11},
    BinaryOperator{TokenKind::Star, BinaryOp::Multiply, 12},
    BinaryOperator{TokenKind::Slash, BinaryOp::Divide, 12},
    BinaryOperator{TokenKind::Caret, BinaryOp::Power, 13},
    // Above all of them: unary - and +, so -2^2 is (-2)^2 and 2^-2 works.
};

const BinaryOperator* binaryOperatorFor(TokenKind kind) {
    for (const BinaryOperator& b : kBinaryOperators)
        if (b.token == kind) return &b;
    return nullptr;
}

Variant keywordLiteral(TokenKind kind) {
    switch (kind) {
    case TokenKind::KwTrue: return Variant::boolean(true);
    case TokenKind::KwFalse: return Variant::boolean(false);
    case TokenKind::KwNull: return Variant::null();
    case TokenKind::KwNothing: return Variant::nothing();
    default: return Variant();  // Empty
    }
}

}  // namespace

bool Parser::startsExpression(const Token& t) {
    switch (t.kind) {
    case TokenKind::Literal: case TokenKind::Identifier: case TokenKind::LParen:
    case TokenKind::Dot: case TokenKind::Plus: case TokenKind::Minus:
    case TokenKind::KwNot: case TokenKind::KwNew: case TokenKind::KwMe:
    case TokenKind::KwTrue: case TokenKind::KwFalse: case TokenKind::KwEmpty:
    case TokenKind::KwNull: case TokenKind::KwNothing:
        return true;
    default:
        return false;
    }
}

// expr := binary(lowest precedence): Imp, Eqv, Xor, Or, And, Not, comparisons, &, +-, Mod, \, */, unary -, ^
ExprPtr Parser::parseExpression() {
    return parseBinary(kLowestPrecedence);
}

// binary(p) := operand {op binary(precedence(op) + 1)} for every op of precedence >= p
ExprPtr Parser::parseBinary(int minPrecedence) {
    ExprPtr left = parseOperand();
    if (!left) return nullptr;
    return continueBinary(std::move(left), minPrecedence);
}

ExprPtr Parser::continueExpression(ExprPtr left) {
    return continueBinary(std::move(left), kLowestPrecedence);
}

ExprPtr Parser::continueBinary(ExprPtr left, int minPrecedence) {
    // A long chain 1+2+3+... builds a tree as deep as it is long; count each
    // link as a level of nesting so the tree stays within kMaxNestingDepth.
    NestingGuard chain(*this, 0);
    while (const BinaryOperator* b = binaryOperatorFor(tok().kind)) {
        if (b->precedence < minPrecedence) break;
        advance();
        if (!chain.grow()) return nullptr;
        ExprPtr right = parseBinary(b->precedence + 1);
        if (!right) return nullptr;
        Pos pos = left->pos;
        left = std::make_unique<BinaryExpr>(pos, b->op, std::move(left), std::move(right));
    }
    return left;
}

// Not may stand wherever an operand may, also right of an operator that binds
// tighter (`a = Not b`); its own operand reaches over every operator above it.
ExprPtr Parser::parseOperand() {
    NestingGuard guard(*this);
    if (!guard.ok()) return nullptr;
    if (at(TokenKind::KwNot)) {
        Pos pos = tok().pos;
        advance();
        ExprPtr operand = parseBinary(kNotPrecedence);
        if (!operand) return nullptr;
        return std::make_unique<UnaryExpr>(pos, UnaryOp::Not, std::move(operand));
    }
    return parseSigned();
}

// signed := {- | +} primary
ExprPtr Parser::parseSigned() {
    if (!at(TokenKind::Minus) && !at(TokenKind::Plus)) return parsePrimary();
    NestingGuard guard(*this);
    if (!guard.ok()) return nullptr;
    Pos pos = tok().pos;
    UnaryOp op = at(TokenKind::Minus) ? UnaryOp::Negate : UnaryOp::Plus;
    advance();
    ExprPtr operand = parseSigned();
    if (!operand) return nullptr;
    return std::make_unique<UnaryExpr>(pos, op, std::move(operand));
}

// primary := literal | ( expr ) | New name | chain {. name | ( args )}
ExprPtr Parser::parsePrimary() {
    Pos pos = tok().pos;
    switch (tok().kind) {
    case TokenKind::Literal: {
        auto literal = std::make_unique<LiteralExpr>(pos, tok().value);
        advance();
        return literal;
    }
    case TokenKind::KwTrue: case TokenKind::KwFalse: case TokenKind::KwEmpty:
    case TokenKind::KwNull: case TokenKind::KwNothing: {
        auto literal = std::make_unique<LiteralExpr>(pos, keywordLiteral(tok().kind));
        advance();
        return literal;
    }
    case TokenKind::Identifier: case TokenKind::KwMe: case TokenKind::Dot: {
        ExprPtr start = parseChainStart();
        if (!start) return nullptr;
        return continueChain(std::move(start), nullptr);
    }
    case TokenKind::LParen: {
        advance();
        ExprPtr inner = parseExpression();
        if (!inner) return nullptr;
        if (!expect(TokenKind::RParen, err::ExpectedRParen)) return nullptr;
        // A bracketed value may be called or have members: (New C).p, (New C)(5).
        return continueChain(std::make_unique<ParenExpr>(pos, std::move(inner)), nullptr);
    }
    case TokenKind::KwNew: {
        advance();
        if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier), nullptr;
        auto created = std::make_unique<NewExpr>(pos, tok().text);
        advance();
        return created;
    }
    default:
        fail(err::ExpectedExpression);
        return nullptr;
    }
}

// A name, Me, or `.name` (a member of the With object).
ExprPtr Parser::parseChainStart() {
    Pos pos = tok().pos;
    if (at(TokenKind::Identifier)) {
        auto name = std::make_unique<NameExpr>(pos, tok().text);
        advance();
        return name;
    }
    if (accept(TokenKind::KwMe)) return std::make_unique<MeExpr>(pos);
    if (!expect(TokenKind::Dot, err::ExpectedIdentifier)) return nullptr;
    std::u16string name;
    if (!parseMemberName(name)) return nullptr;
    return std::make_unique<MemberExpr>(pos, nullptr, std::move(name));
}

// `.name` and `(args)` after a chain start. A dot with a blank before it
// does not continue the chain: in `f .x` it starts an argument (With member).
ExprPtr Parser::continueChain(ExprPtr target, ChainInfo* info) {
    NestingGuard chain(*this, 0);
    while (true) {
        Pos pos = target->pos;
        if (at(TokenKind::Dot) && !tok().spaceBefore) {
            advance();
            std::u16string name;
            if (!parseMemberName(name) || !chain.grow()) return nullptr;
            target = std::make_unique<MemberExpr>(pos, std::move(target), std::move(name));
            if (info) info->endedWithParens = false;
        } else if (at(TokenKind::LParen)) {
            Pos parenPos = tok().pos;
            advance();
            std::vector<ExprPtr> args;
            if (!chain.grow() || !parseArgumentsInParens(args)) return nullptr;
            target = std::make_unique<CallExpr>(pos, std::move(target), std::move(args));
            if (info) *info = ChainInfo{true, parenPos, previousTokenPos()};
        } else {
            return target;
        }
    }
}

// After `(`: arguments up to and including `)`. An empty place between commas
// is an omitted argument (MissingExpr).
bool Parser::parseArgumentsInParens(std::vector<ExprPtr>& args) {
    if (accept(TokenKind::RParen)) return true;
    while (true) {
        if (at(TokenKind::Comma) || at(TokenKind::RParen)) {
            args.push_back(std::make_unique<MissingExpr>(tok().pos));
        } else {
            ExprPtr arg = parseExpression();
            if (!arg) return false;
            args.push_back(std::move(arg));
        }
        if (accept(TokenKind::Comma)) continue;
        return expect(TokenKind::RParen, err::ExpectedRParen);
    }
}

// After a dot any word will do, reserved or not: obj.Type, Err.Raise, rs.Next.
bool Parser::parseMemberName(std::u16string& name) {
    if (!at(TokenKind::Identifier) && !isKeyword(tok().kind)) return fail(err::ExpectedIdentifier);
    name = tok().text;
    advance();
    return true;
}

}  // namespace vbs::detail
