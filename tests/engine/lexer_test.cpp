// The lexer: literal values and their types, words, positions, line breaks,
// continuations, comments and the characters it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/error_table.h"
#include "engine/syntax/lexer.h"
#include "engine/values/ops.h"

namespace vbs {
namespace {

std::vector<Token> lex(std::u16string_view source) {
    return tokenize(source);
}

// The single literal a source consists of.
Variant literal(std::u16string_view source) {
    std::vector<Token> t = lex(source);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].kind, TokenKind::Literal);
    return t[0].value;
}

int lexError(std::u16string_view source) {
    for (const Token& t : lex(source))
        if (t.kind == TokenKind::LexError) return t.errorNumber;
    return 0;
}

std::vector<TokenKind> kinds(std::u16string_view source) {
    std::vector<TokenKind> out;
    for (const Token& t : lex(source)) out.push_back(t.kind);
    return out;
}

TEST(Lexer, DecimalNumbersTakeTheSmallestFittingType) {
    EXPECT_EQ(literal(u"32767").type(), VarType::Integer);
    EXPECT_EQ(literal(u"32767").asInteger(), 32767);
    EXPECT_EQ(literal(u"32768").type(), VarType::Long);
    EXPECT_EQ(literal(u"2147483647").asLong(), 2147483647);
    EXPECT_EQ(literal(u"2147483648").type(), VarType::Double);
    EXPECT_EQ(literal(u"2147483648").asDouble(), 2147483648.0);
    EXPECT_EQ(literal(u"0").type(), VarType::Integer);

    EXPECT_EQ(literal(u"1.5").type(), VarType::Double);
    EXPECT_EQ(literal(u".5").asDouble(), 0.5);
    EXPECT_EQ(literal(u"1e3").type(), VarType::Double);
    EXPECT_EQ(literal(u"1e3").asDouble(), 1000.0);
    EXPECT_DOUBLE_EQ(literal(u"1.5E-3").asDouble(), 0.0015);
    EXPECT_EQ(literal(u"2.0").type(), VarType::Double);

    EXPECT_EQ(lexError(u"1e"), err::InvalidNumber);
    EXPECT_EQ(lexError(u"1e999"), err::InvalidNumber);
}

TEST(Lexer, HexAndOctalLiteralsWrapLikeVBScript) {
    EXPECT_EQ(literal(u"&HFFFF").type(), VarType::Integer);
    EXPECT_EQ(literal(u"&HFFFF").asInteger(), -1);
    EXPECT_EQ(literal(u"&hffff&").type(), VarType::Long);
    EXPECT_EQ(literal(u"&HFFFF&").asLong(), 65535);
    EXPECT_EQ(literal(u"&H8000").type(), VarType::Long);  // -32768 is never an Integer literal
    EXPECT_EQ(literal(u"&H8000").asLong(), -32768);
    EXPECT_EQ(literal(u"&HFFFFFFFF&").type(), VarType::Integer);
    EXPECT_EQ(literal(u"&HFFFFFFFF&").asInteger(), -1);
    EXPECT_EQ(literal(u"&H10000").type(), VarType::Long);
    EXPECT_EQ(literal(u"&H10000").asLong(), 65536);
    EXPECT_EQ(literal(u"&H80000000").type(), VarType::Long);
    EXPECT_EQ(literal(u"&H80000000").asLong(), INT32_MIN);
    EXPECT_EQ(literal(u"&O17").asInteger(), 15);
    EXPECT_EQ(literal(u"&17").asInteger(), 15);
    EXPECT_EQ(literal(u"&177777").asInteger(), -1);
    EXPECT_EQ(literal(u"&O200000").type(), VarType::Long);

    EXPECT_EQ(lexError(u"&H100000000"), err::InvalidNumber);
    // A prefix without a digit of its radix is no number: `&` concatenates.
    EXPECT_EQ(kinds(u"\"x\" &hi"), (std::vector{TokenKind::Literal, TokenKind::Ampersand, TokenKind::Identifier,
                                               TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"x &O8"), (std::vector{TokenKind::Identifier, TokenKind::Ampersand, TokenKind::Identifier,
                                          TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"x &H"), (std::vector{TokenKind::Identifier, TokenKind::Ampersand, TokenKind::Identifier,
                                         TokenKind::EndOfInput}));

    // Glued to an operand `&` concatenates, even right before a digit or an
    // H; after a blank it starts a number (a Sub's argument: Echo &HFF).
    EXPECT_EQ(kinds(u"a&1"), (std::vector{TokenKind::Identifier, TokenKind::Ampersand,
                                          TokenKind::Literal, TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"\"x\"&Hex(1)"),
              (std::vector{TokenKind::Literal, TokenKind::Ampersand, TokenKind::Identifier, TokenKind::LParen,
                           TokenKind::Literal, TokenKind::RParen, TokenKind::EndOfInput}));
    std::vector<Token> echo = lex(u"Echo &HFF, (1) &H10");
    ASSERT_EQ(echo.size(), 8u);
    EXPECT_EQ(echo[1].kind, TokenKind::Literal);
    EXPECT_EQ(echo[1].value.asInteger(), 255);
    EXPECT_EQ(echo[6].value.asInteger(), 16);
    EXPECT_EQ(kinds(u"a & 1"), (std::vector{TokenKind::Identifier, TokenKind::Ampersand,
                                            TokenKind::Literal, TokenKind::EndOfInput}));
}

TEST(Lexer, StringsAndDates) {
    Variant s = literal(u"\"a\"\"b\"");
    ASSERT_EQ(s.type(), VarType::String);
    EXPECT_EQ(s.asString(), u"a\"b");
    EXPECT_EQ(literal(u"\"\"").asString(), u"");
    EXPECT_EQ(lexError(u"\"abc"), err::UnterminatedString);
    EXPECT_EQ(lexError(u"\"abc\ndef\""), err::UnterminatedString);

    double expected = 0;
    ASSERT_TRUE(ops::dateFromParts(2020, 1, 2, expected));
    Variant d = literal(u"#1/2/2020#");
    EXPECT_EQ(d.type(), VarType::Date);
    EXPECT_EQ(d.asDate(), expected);
    EXPECT_DOUBLE_EQ(literal(u"#2020-01-02 13:45:00#").asDate(), expected + (13 * 60 + 45) / 1440.0);
    EXPECT_EQ(literal(u"#12:00:00 AM#").asDate(), 0.0);
    EXPECT_EQ(lexError(u"#not a date#"), err::SyntaxError);
    EXPECT_EQ(lexError(u"#1/2/2020"), err::SyntaxError);
}

TEST(Lexer, WordsAreCaseInsensitiveAndKeepTheirSpelling) {
    EXPECT_EQ(kinds(u"DIM dim Dim"), (std::vector{TokenKind::KwDim, TokenKind::KwDim, TokenKind::KwDim,
                                                  TokenKind::EndOfInput}));
    std::vector<Token> t = lex(u"MyVar [a name] Error");
    EXPECT_EQ(t[0].text, u"MyVar");
    EXPECT_EQ(t[1].kind, TokenKind::Identifier);
    EXPECT_EQ(t[1].text, u"a name");
    EXPECT_EQ(t[2].kind, TokenKind::Identifier);  // only special after On
    // Names are ASCII; brackets take any character.
    t = lex(u"Gr\u00f6\u00dfe");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].kind, TokenKind::LexError);
    EXPECT_EQ(t[1].errorNumber, err::InvalidCharacter);
    EXPECT_EQ(t[1].pos.column, 3);
    EXPECT_EQ(lexError(u"\u0434\u0430"), err::InvalidCharacter);
    EXPECT_EQ(lex(u"[ann\u00e9e]")[0].text, u"ann\u00e9e");
    EXPECT_EQ(kinds(u"Step Property"), (std::vector{TokenKind::Identifier, TokenKind::Identifier, TokenKind::EndOfInput}));
    EXPECT_EQ(lexError(u"[open"), err::ExpectedRBracket);

    std::u16string longest(kMaxIdentifierLength, u'a');
    EXPECT_EQ(lexError(longest), 0);
    EXPECT_EQ(lexError(longest + u"a"), err::IdentifierTooLong);
}

TEST(Lexer, OperatorsAndInvalidCharacters) {
    EXPECT_EQ(kinds(u"<> <= >= < > = =< => ><"),
              (std::vector{TokenKind::NotEqual, TokenKind::LessEqual, TokenKind::GreaterEqual, TokenKind::Less,
                           TokenKind::Greater, TokenKind::Equal, TokenKind::LessEqual, TokenKind::GreaterEqual,
                           TokenKind::NotEqual, TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"\\ ^ * / + - ( ) , . :"),
              (std::vector{TokenKind::Backslash, TokenKind::Caret, TokenKind::Star, TokenKind::Slash,
                           TokenKind::Plus, TokenKind::Minus, TokenKind::LParen, TokenKind::RParen,
                           TokenKind::Comma, TokenKind::Dot, TokenKind::Colon, TokenKind::EndOfInput}));
    for (std::u16string_view bad : {u"$", u"?", u"@", u"{", u"!", u"\u20ac", u"\u00d7", u"x _ y"})
        EXPECT_EQ(lexError(bad), err::InvalidCharacter) << std::string(bad.begin(), bad.end());

    // The error token is the last real token; scanning stops there.
    std::vector<Token> t = lex(u"a $ b");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].kind, TokenKind::LexError);
    EXPECT_EQ(t[1].pos.column, 3);
}

TEST(Lexer, PositionsLineBreaksAndContinuations) {
    std::vector<Token> t = lex(u"a\r\nbb\rc\nd");
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[2].pos.line, 2);
    EXPECT_EQ(t[4].pos.line, 3);
    EXPECT_EQ(t[6].pos.line, 4);
    EXPECT_EQ(t[6].pos.column, 1);

    // Columns count UTF-16 code units: the emoji in the string takes two.
    t = lex(u"\"\U0001F600\" x");
    EXPECT_EQ(t[1].pos.column, 6);

    EXPECT_EQ(kinds(u"a _\r\n  b"),
              (std::vector{TokenKind::Identifier, TokenKind::Identifier, TokenKind::EndOfInput}));
    EXPECT_EQ(lex(u"a _  \n  b")[1].pos.line, 2);
    EXPECT_EQ(kinds(u"a_b"), (std::vector{TokenKind::Identifier, TokenKind::EndOfInput}));

    // `a.b` continues a chain; `a .b` starts a With member.
    EXPECT_FALSE(lex(u"a.b")[1].spaceBefore);
    EXPECT_TRUE(lex(u"a .b")[1].spaceBefore);
}

TEST(Lexer, CommentsVanishUpToTheLineBreak) {
    EXPECT_EQ(kinds(u"x ' hi \"\nREM all\nrem"),
              (std::vector{TokenKind::Identifier, TokenKind::NewLine, TokenKind::NewLine, TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"o.Rem"), (std::vector{TokenKind::Identifier, TokenKind::Dot, TokenKind::Identifier,
                                            TokenKind::EndOfInput}));
    EXPECT_EQ(kinds(u"Remark"), (std::vector{TokenKind::Identifier, TokenKind::EndOfInput}));
}

TEST(Lexer, SourceLineCutsAtAnyLineBreak) {
    std::u16string_view src = u"one\r\ntwo\rthree\nfour";
    EXPECT_EQ(sourceLine(src, 1), u"one");
    EXPECT_EQ(sourceLine(src, 2), u"two");
    EXPECT_EQ(sourceLine(src, 3), u"three");
    EXPECT_EQ(sourceLine(src, 4), u"four");
    EXPECT_EQ(sourceLine(src, 5), u"");
}

}  // namespace
}  // namespace vbs
