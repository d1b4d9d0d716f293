// Entry point of the parser and the token helpers every part of it uses.
#include "engine/syntax/parser.h"

#include "engine/error_table.h"
#include "engine/syntax/lexer.h"
#include "engine/syntax/parser_internal.h"

namespace vbs {

namespace detail {

namespace {

std::u16string asciiToUtf16(const char* text) {
    std::u16string out;
    for (; *text; ++text) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    return out;
}

char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

}  // namespace

Parser::Parser(std::u16string_view source, std::vector<Token> tokens)
    : source_(source), tokens_(std::move(tokens)) {}

const Token& Parser::peekToken(size_t ahead) const {
    size_t index = at_ + ahead;
    return index < tokens_.size() ? tokens_[index] : tokens_.back();
}

void Parser::advance() {
    // The last token is always EndOfInput; never step past it.
    if (at_ + 1 >= tokens_.size()) return;
    if (tokens_[at_].kind == TokenKind::NewLine) ++logicalLine_;
    ++at_;
}

bool Parser::accept(TokenKind k) {
    if (!at(k)) return false;
    advance();
    return true;
}

bool Parser::expect(TokenKind k, int errorIfMissing) {
    if (accept(k)) return true;
    return fail(errorIfMissing);
}

bool Parser::atWord(std::u16string_view lowerWord) const { return isWord(tok(), lowerWord); }

bool isWord(const Token& t, std::u16string_view lowerWord) {
    if (t.kind != TokenKind::Identifier) return false;
    const std::u16string& text = t.text;
    if (text.size() != lowerWord.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (lowerAscii(text[i]) != lowerWord[i]) return false;
    return true;
}

bool Parser::atPropertyHeader() const {
    if (!atWord(u"property")) return false;
    const Token& next = peekToken(1);
    return next.kind == TokenKind::Identifier || isKeyword(next.kind);
}

bool Parser::atEndOfStatement() const {
    if (at(TokenKind::NewLine) || at(TokenKind::Colon) || at(TokenKind::EndOfInput)) return true;
    // In `If c Then f a Else g`, Else ends the call `f a`.
    return singleLineIfDepth_ > 0 && at(TokenKind::KwElse);
}

bool Parser::fail(int number) {
    return failAt(number, tok().pos);
}

bool Parser::failAt(int number, Pos pos) {
    if (errorNumber_ != 0) return false;
    // Reaching a character the lexer could not read is that character's error,
    // whatever this parser expected there.
    if (at(TokenKind::LexError)) {
        number = tok().errorNumber;
        pos = tok().pos;
    }
    errorNumber_ = number;
    errorPos_ = pos;
    return false;
}

bool Parser::enterNesting(int levels) {
    depth_ += levels;
    if (depth_ > kMaxNestingDepth) return failAt(err::SyntaxOutOfMemory, tok().pos);
    return true;
}

ParseResult Parser::run(ParseMode mode) {
    auto program = std::make_unique<Program>();
    program_ = program.get();
    if (mode == ParseMode::Expression) {
        program->expression = parseExpression();
        while (!failed() && at(TokenKind::NewLine)) advance();
        if (!failed() && !at(TokenKind::EndOfInput)) fail(err::ExpectedEndOfStatement);
    } else if (parseBlock(program->statements, kNoHeaderLine) && !at(TokenKind::EndOfInput)) {
        // parseBlock stops at a word that closes a block nobody opened.
        switch (tok().kind) {
        case TokenKind::KwLoop: fail(err::LoopWithoutDo); break;
        case TokenKind::KwNext: fail(err::UnexpectedNext); break;
        default: fail(err::ExpectedStatement); break;
        }
    }

    if (!failed() && mode == ParseMode::Statements) {
        NameProblem problem = findRedefinedNames(*program);
        if (problem.number != 0) failAt(problem.number, problem.pos);
    }

    ParseResult result;
    if (!failed()) {
        result.program = std::move(program);
        return result;
    }
    result.error.number = errorNumber_;
    result.error.description = asciiToUtf16(errorText(errorNumber_));
    result.error.source = asciiToUtf16(kCompileSource);
    result.error.line = errorPos_.line;
    result.error.column = errorPos_.column;
    result.error.text = std::u16string(sourceLine(source_, errorPos_.line));
    return result;
}

}  // namespace detail

ParseResult parse(std::u16string_view source, ParseMode mode) {
    detail::Parser parser(source, tokenize(source));
    return parser.run(mode);
}

}  // namespace vbs
