#include "engine/syntax/lexer.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/error_table.h"
#include "engine/values/ops.h"

namespace vbs {

namespace {

struct KeywordEntry {
    std::u16string_view word;  // lower case
    TokenKind kind;
};

constexpr std::array kKeywords = {
    KeywordEntry{u"and", TokenKind::KwAnd},         KeywordEntry{u"byref", TokenKind::KwByRef},
    KeywordEntry{u"byval", TokenKind::KwByVal},     KeywordEntry{u"call", TokenKind::KwCall},
    KeywordEntry{u"case", TokenKind::KwCase},       KeywordEntry{u"class", TokenKind::KwClass},
    KeywordEntry{u"const", TokenKind::KwConst},     KeywordEntry{u"dim", TokenKind::KwDim},
    KeywordEntry{u"do", TokenKind::KwDo},           KeywordEntry{u"each", TokenKind::KwEach},
    KeywordEntry{u"else", TokenKind::KwElse},       KeywordEntry{u"elseif", TokenKind::KwElseIf},
    KeywordEntry{u"empty", TokenKind::KwEmpty},     KeywordEntry{u"end", TokenKind::KwEnd},
    KeywordEntry{u"eqv", TokenKind::KwEqv},         KeywordEntry{u"erase", TokenKind::KwErase},
    KeywordEntry{u"exit", TokenKind::KwExit},       KeywordEntry{u"false", TokenKind::KwFalse},
    KeywordEntry{u"for", TokenKind::KwFor},         KeywordEntry{u"function", TokenKind::KwFunction},
    KeywordEntry{u"if", TokenKind::KwIf},           KeywordEntry{u"imp", TokenKind::KwImp},
    KeywordEntry{u"in", TokenKind::KwIn},           KeywordEntry{u"is", TokenKind::KwIs},
    KeywordEntry{u"loop", TokenKind::KwLoop},       KeywordEntry{u"me", TokenKind::KwMe},
    KeywordEntry{u"mod", TokenKind::KwMod},         KeywordEntry{u"new", TokenKind::KwNew},
    KeywordEntry{u"next", TokenKind::KwNext},       KeywordEntry{u"not", TokenKind::KwNot},
    KeywordEntry{u"nothing", TokenKind::KwNothing}, KeywordEntry{u"null", TokenKind::KwNull},
    KeywordEntry{u"on", TokenKind::KwOn},           KeywordEntry{u"option", TokenKind::KwOption},
    KeywordEntry{u"or", TokenKind::KwOr},           KeywordEntry{u"preserve", TokenKind::KwPreserve},
    KeywordEntry{u"private", TokenKind::KwPrivate}, KeywordEntry{u"public", TokenKind::KwPublic},
    KeywordEntry{u"redim", TokenKind::KwReDim},     KeywordEntry{u"select", TokenKind::KwSelect},
    KeywordEntry{u"set", TokenKind::KwSet},         KeywordEntry{u"stop", TokenKind::KwStop},
    KeywordEntry{u"sub", TokenKind::KwSub},         KeywordEntry{u"then", TokenKind::KwThen},
    KeywordEntry{u"to", TokenKind::KwTo},           KeywordEntry{u"true", TokenKind::KwTrue},
    KeywordEntry{u"until", TokenKind::KwUntil},     KeywordEntry{u"wend", TokenKind::KwWend},
    KeywordEntry{u"while", TokenKind::KwWhile},     KeywordEntry{u"with", TokenKind::KwWith},
    KeywordEntry{u"xor", TokenKind::KwXor},
};

// Names are ASCII: a letter outside it (é, ß, Cyrillic) is an invalid
// character, as in Windows, unless the name is written in brackets.
bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isOctalDigit(char16_t c) { return c >= u'0' && c <= u'7'; }
bool isHexDigit(char16_t c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }
bool isLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
char16_t toLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

int hexValue(char16_t c) {
    if (isDigit(c)) return c - u'0';
    return toLower(c) - u'a' + 10;
}

constexpr size_t kLongestKeyword = 8;  // "function", "preserve"

constexpr bool allKeywordsFit() {
    for (const KeywordEntry& k : kKeywords)
        if (k.word.size() > kLongestKeyword) return false;
    return true;
}
static_assert(allKeywordsFit(), "keywordKind's buffer must hold every keyword");

TokenKind keywordKind(std::u16string_view word) {
    if (word.size() > kLongestKeyword) return TokenKind::Identifier;
    char16_t buffer[kLongestKeyword];
    for (size_t i = 0; i < word.size(); ++i) buffer[i] = toLower(word[i]);
    std::u16string_view lower(buffer, word.size());
    for (const KeywordEntry& k : kKeywords)
        if (k.word == lower) return k.kind;
    return TokenKind::Identifier;
}

// The rules for numeric literals, all in one place.
//
//   written          value                                     subtype
//   123              as written                                see wholeNumberValue
//   1.5  .5  1.  1e3 as written                                Double
//   &HFF &O17 &17    the digits' bits; up to 16 bits they are  see wholeNumberValue
//                    a 16-bit Integer's (&HFFFF is -1), more
//                    are a 32-bit Long's (&HFFFFFFFF is -1)
//   &HFF& ...        with the `&` suffix always a 32-bit Long's
//                    (&HFFFF& is 65535)
//
// A radix prefix not followed by a digit of its radix is no number: the `&`
// is the concatenation operator ("x" &hi is "x" & hi). Values of more than
// 32 bits are error 1031; leading zeros do not count (&H000000031 is 49).
struct RadixPrefix {
    char16_t letter;  // after the `&`, in lower case; 0 for the bare `&17` form
    int radix;
};
constexpr std::array kRadixPrefixes = {RadixPrefix{u'h', 16}, RadixPrefix{u'o', 8}, RadixPrefix{0, 8}};

// Every whole-number literal, decimal or not: Integer from -32767 to 32767,
// Long for the rest of its range, Double beyond (only decimal literals get
// that far; VBScript has no 64-bit integer). -32768 is a Long: &H8000 is the
// one 16-bit pattern that is not an Integer, and &HFFFFFFFF& is Integer -1.
Variant wholeNumberValue(double value) {
    if (value >= -32767 && value <= 32767) return Variant::integer(static_cast<int16_t>(value));
    if (value >= -2147483648.0 && value <= 2147483647.0) return Variant::long_(static_cast<int32_t>(value));
    return Variant::double_(value);
}

// The value of a radix literal's bits (see the table above).
int32_t radixLiteralValue(uint32_t bits, bool longSuffix) {
    if (!longSuffix && bits <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(bits));
    return static_cast<int32_t>(bits);
}

bool isRadixDigit(char16_t c, int radix) { return radix == 16 ? isHexDigit(c) : isOctalDigit(c); }

class Lexer {
public:
    explicit Lexer(std::u16string_view src) : src_(src) {}

    std::vector<Token> run() {
        // Real scripts average more than four characters a token.
        tokens_.reserve(src_.size() / 4 + 8);
        while (true) {
            bool sawBlank = skipBlanksAndContinuations();
            if (failed_) break;
            if (atEnd()) break;
            size_t before = tokens_.size();
            blankBefore_ = sawBlank || atLineStart_;
            scanToken();
            if (tokens_.size() > before) tokens_[before].spaceBefore = blankBefore_ && !continuesChain(tokens_[before]);
            if (failed_) break;
            atLineStart_ = !tokens_.empty() && tokens_.back().kind == TokenKind::NewLine;
        }
        Token end;
        end.kind = TokenKind::EndOfInput;
        end.pos = here();
        end.spaceBefore = true;
        tokens_.push_back(std::move(end));
        return std::move(tokens_);
    }

private:
    std::u16string_view src_;
    size_t at_ = 0;
    int line_ = 1;
    size_t lineStart_ = 0;
    bool atLineStart_ = true;
    bool blankBefore_ = false;  // before the token being scanned
    bool failed_ = false;
    // The last thing skipped was the line break of a `_` continuation, with no
    // blank after it: a dot there (`obj _` newline `.Ret()`) continues the chain.
    bool rightAfterContinuation_ = false;
    std::vector<Token> tokens_;

    bool continuesChain(const Token& t) const { return t.kind == TokenKind::Dot && rightAfterContinuation_; }

    bool atEnd() const { return at_ >= src_.size(); }
    char16_t peek(size_t ahead = 0) const {
        return at_ + ahead < src_.size() ? src_[at_ + ahead] : char16_t(0);
    }
    ast::Pos here() const { return {line_, static_cast<int>(at_ - lineStart_) + 1}; }

    void fail(int number, ast::Pos pos) {
        Token t;
        t.kind = TokenKind::LexError;
        t.pos = pos;
        t.errorNumber = number;
        tokens_.push_back(std::move(t));
        failed_ = true;
    }

    void push(TokenKind kind, ast::Pos pos, size_t start) {
        Token t;
        t.kind = kind;
        t.pos = pos;
        t.text = std::u16string(src_.substr(start, at_ - start));
        tokens_.push_back(std::move(t));
    }

    void pushLiteral(ast::Pos pos, size_t start, Variant value) {
        push(TokenKind::Literal, pos, start);
        tokens_.back().value = std::move(value);
    }

    // Consumes one line break (CR LF counts as one) and starts a new line.
    void consumeLineBreak() {
        if (peek() == u'\r' && peek(1) == u'\n') ++at_;
        ++at_;
        ++line_;
        lineStart_ = at_;
    }

    // A `_` followed only by blanks up to the end of the line joins the next
    // line to this one.
    bool isContinuationAt(size_t pos) const {
        if (pos >= src_.size() || src_[pos] != u'_') return false;
        size_t p = pos + 1;
        while (p < src_.size() && isBlank(src_[p])) ++p;
        return p >= src_.size() || isLineBreak(src_[p]);
    }

    bool skipBlanksAndContinuations() {
        bool any = false;
        rightAfterContinuation_ = false;
        while (!atEnd()) {
            if (isBlank(peek())) {
                ++at_;
                rightAfterContinuation_ = false;
            } else if (isContinuationAt(at_)) {
                ++at_;
                while (!atEnd() && isBlank(peek())) ++at_;
                if (!atEnd()) consumeLineBreak();
                rightAfterContinuation_ = true;
            } else {
                break;
            }
            any = true;
        }
        return any;
    }

    void skipComment() {
        while (!atEnd() && !isLineBreak(peek())) ++at_;
    }

    // `&` glued to the operand before it concatenates: "0x"&Hex(n), a&1.
    // Otherwise &H.., &O.. and &<octal digits> are numbers, as in `Echo &HFF`.
    bool ampersandConcatenates() const { return !blankBefore_ && previousEndsOperand(); }

    bool previousEndsOperand() const {
        if (tokens_.empty()) return false;
        switch (tokens_.back().kind) {
        case TokenKind::Identifier: case TokenKind::Literal: case TokenKind::RParen:
        case TokenKind::KwTrue: case TokenKind::KwFalse: case TokenKind::KwEmpty:
        case TokenKind::KwNull: case TokenKind::KwNothing: case TokenKind::KwMe:
            return true;
        default:
            return false;
        }
    }

    void scanToken() {
        ast::Pos pos = here();
        size_t start = at_;
        char16_t c = peek();
        if (isLineBreak(c)) {
            consumeLineBreak();
            Token t;
            t.kind = TokenKind::NewLine;
            t.pos = pos;
            tokens_.push_back(std::move(t));
            return;
        }
        if (c == u'\'') return skipComment();
        if (isLetter(c)) return scanWord(pos, start);
        if (isDigit(c) || (c == u'.' && isDigit(peek(1)))) return scanNumber(pos, start);
        if (c == u'"') return scanString(pos, start);
        if (c == u'[') return scanBracketedName(pos);
        if (c == u'#') return scanDate(pos, start);
        if (c == u'&' && !ampersandConcatenates()) {
            for (const RadixPrefix& prefix : kRadixPrefixes) {
                size_t digitsAt = prefix.letter ? 2 : 1;
                if (prefix.letter && toLower(peek(1)) != prefix.letter) continue;
                if (isRadixDigit(peek(digitsAt), prefix.radix))
                    return scanRadixNumber(pos, start, digitsAt, prefix.radix);
                break;
            }
        }
        scanOperator(pos, start);
    }

    void scanWord(ast::Pos pos, size_t start) {
        while (!atEnd() && (isLetter(peek()) || isDigit(peek()) || peek() == u'_')) ++at_;
        std::u16string_view word = src_.substr(start, at_ - start);
        // Reported just past the name, where the lexer found it too long.
        if (word.size() > kMaxIdentifierLength) return fail(err::IdentifierTooLong, here());
        TokenKind kind = keywordKind(word);
        bool afterDot = !tokens_.empty() && tokens_.back().kind == TokenKind::Dot;
        // `Rem` starts a comment, except as a member name (obj.Rem).
        if (kind == TokenKind::Identifier && !afterDot && keywordIsRem(word)) return skipComment();
        push(kind, pos, start);
    }

    static bool keywordIsRem(std::u16string_view word) {
        return word.size() == 3 && toLower(word[0]) == u'r' && toLower(word[1]) == u'e' &&
               toLower(word[2]) == u'm';
    }

    void scanDigits() {
        while (!atEnd() && isDigit(peek())) ++at_;
    }

    void scanNumber(ast::Pos pos, size_t start) {
        bool isFloat = false;
        scanDigits();
        if (peek() == u'.' && isDigit(peek(1))) {
            isFloat = true;
            ++at_;
            scanDigits();
        } else if (peek() == u'.' && !isLetter(peek(1))) {
            // "1." is a Double; "a(1).b" never reaches here because `1` is
            // followed by `)`.
            isFloat = true;
            ++at_;
        }
        if (toLower(peek()) == u'e' && !isLetter(peek(1))) {
            size_t save = at_;
            ++at_;
            if (peek() == u'+' || peek() == u'-') ++at_;
            if (!isDigit(peek())) {
                at_ = save;
                return fail(err::InvalidNumber, pos);
            }
            scanDigits();
            isFloat = true;
        }
        std::string ascii;
        for (size_t i = start; i < at_; ++i) ascii.push_back(static_cast<char>(src_[i]));
        double value = ops::readAsciiDecimal(ascii);
        // Too large (1e999): reported after the literal, once it has been read.
        if (!std::isfinite(value)) return fail(err::InvalidNumber, here());
        pushLiteral(pos, start, isFloat ? Variant::double_(value) : wholeNumberValue(value));
    }

    // &Hxxxx, &Oxxx and &xxx (octal), with at least one digit after the prefix.
    void scanRadixNumber(ast::Pos pos, size_t start, size_t prefixLength, int radix) {
        at_ += prefixLength;
        uint64_t bits = 0;
        while (!atEnd() && isRadixDigit(peek(), radix)) {
            bits = bits * radix + hexValue(peek());
            if (bits > 0xFFFFFFFFull) return fail(err::InvalidNumber, pos);
            ++at_;
        }
        bool longSuffix = peek() == u'&';
        if (longSuffix) ++at_;
        int32_t value = radixLiteralValue(static_cast<uint32_t>(bits), longSuffix);
        pushLiteral(pos, start, wholeNumberValue(value));
    }

    void scanString(ast::Pos pos, size_t start) {
        std::u16string text;
        ++at_;
        while (true) {
            // Reported where the line ends, where the closing quote was due.
            if (atEnd() || isLineBreak(peek())) return fail(err::UnterminatedString, here());
            char16_t c = peek();
            ++at_;
            if (c == u'"') {
                if (peek() != u'"') break;
                ++at_;
            }
            text.push_back(c);
        }
        pushLiteral(pos, start, Variant::string(std::move(text)));
    }

    void scanBracketedName(ast::Pos pos) {
        ++at_;
        size_t nameStart = at_;
        while (!atEnd() && peek() != u']' && !isLineBreak(peek())) ++at_;
        if (peek() != u']') return fail(err::ExpectedRBracket, here());
        Token t;
        t.kind = TokenKind::Identifier;
        t.pos = pos;
        t.text = std::u16string(src_.substr(nameStart, at_ - nameStart));
        ++at_;
        if (t.text.size() > kMaxIdentifierLength) return fail(err::IdentifierTooLong, here());
        tokens_.push_back(std::move(t));
    }

    void scanDate(ast::Pos pos, size_t start) {
        ++at_;
        size_t textStart = at_;
        while (!atEnd() && peek() != u'#' && !isLineBreak(peek())) ++at_;
        if (peek() != u'#') return fail(err::SyntaxError, pos);
        std::u16string_view text = src_.substr(textStart, at_ - textStart);
        ++at_;
        double days = 0;
        if (!ops::parseDate(text, days)) return fail(err::SyntaxError, pos);
        pushLiteral(pos, start, Variant::date(days));
    }

    void scanOperator(ast::Pos pos, size_t start) {
        char16_t c = peek();
        char16_t next = peek(1);
        TokenKind kind;
        size_t length = 1;
        switch (c) {
        case u':': kind = TokenKind::Colon; break;
        case u'(': kind = TokenKind::LParen; break;
        case u')': kind = TokenKind::RParen; break;
        case u',': kind = TokenKind::Comma; break;
        case u'.': kind = TokenKind::Dot; break;
        case u'+': kind = TokenKind::Plus; break;
        case u'-': kind = TokenKind::Minus; break;
        case u'*': kind = TokenKind::Star; break;
        case u'/': kind = TokenKind::Slash; break;
        case u'\\': kind = TokenKind::Backslash; break;
        case u'^': kind = TokenKind::Caret; break;
        case u'&': kind = TokenKind::Ampersand; break;
        // `=<`, `=>` and `><` are old spellings of `<=`, `>=` and `<>`.
        case u'=':
            if (next == u'<') { kind = TokenKind::LessEqual; length = 2; }
            else if (next == u'>') { kind = TokenKind::GreaterEqual; length = 2; }
            else kind = TokenKind::Equal;
            break;
        case u'<':
            if (next == u'>') { kind = TokenKind::NotEqual; length = 2; }
            else if (next == u'=') { kind = TokenKind::LessEqual; length = 2; }
            else kind = TokenKind::Less;
            break;
        case u'>':
            if (next == u'=') { kind = TokenKind::GreaterEqual; length = 2; }
            else if (next == u'<') { kind = TokenKind::NotEqual; length = 2; }
            else kind = TokenKind::Greater;
            break;
        // A `_` that continues no line (`x = 1 _x`) is taken as the start of
        // a continuation; what follows it is the invalid character.
        case u'_':
            return fail(err::InvalidCharacter, {pos.line, pos.column + 1});
        default:
            return fail(err::InvalidCharacter, pos);
        }
        at_ += length;
        push(kind, pos, start);
    }
};

}  // namespace

std::vector<Token> tokenize(std::u16string_view source) {
    return Lexer(source).run();
}

std::u16string_view sourceLine(std::u16string_view source, int line) {
    size_t at = 0;
    for (int current = 1; current < line; ++current) {
        while (at < source.size() && !isLineBreak(source[at])) ++at;
        if (at >= source.size()) return {};
        if (source[at] == u'\r' && at + 1 < source.size() && source[at + 1] == u'\n') ++at;
        ++at;
    }
    size_t end = at;
    while (end < source.size() && !isLineBreak(source[end])) ++end;
    return source.substr(at, end - at);
}

}  // namespace vbs
