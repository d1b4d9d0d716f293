// The tokens the lexer hands to the parser. Reserved words get a kind of their
// own so the parser can switch on them; words that are only special in one
// place (Error, Resume, GoTo, Explicit, Default, Get, Let, Property, Step) stay
// identifiers and the parser compares their text, so scripts may still use
// them as names (`Dim step`, `Property = 1`).
#pragma once

#include <string>

#include "engine/syntax/ast.h"
#include "engine/variant.h"

namespace vbs {

enum class TokenKind {
    EndOfInput,
    NewLine,      // a line break; comments end at one and vanish
    Colon,        // statement separator
    Identifier,   // a name, also a bracketed [name]
    Literal,      // number, string or date; the value is in Token::value
    LexError,     // the lexer stopped here; Token::errorNumber says why

    // Punctuation and operators.
    LParen, RParen, Comma, Dot,
    Plus, Minus, Star, Slash, Backslash, Caret, Ampersand,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,

    // Reserved words, from here to the end of the enum. Keep kFirstKeyword
    // pointing at the first of them: the parser accepts any of them as a
    // member name after a dot (obj.Type, Err.Raise, rs.Next).
    KwAnd, KwByRef, KwByVal, KwCall, KwCase, KwClass, KwConst, KwDim, KwDo,
    KwEach, KwElse, KwElseIf, KwEmpty, KwEnd, KwEqv, KwErase, KwExit, KwFalse,
    KwFor, KwFunction, KwIf, KwImp, KwIn, KwIs, KwLoop, KwMe, KwMod, KwNew,
    KwNext, KwNot, KwNothing, KwNull, KwOn, KwOption, KwOr, KwPreserve,
    KwPrivate, KwPublic, KwReDim, KwSelect, KwSet, KwStop,
    KwSub, KwThen, KwTo, KwTrue, KwUntil, KwWend, KwWhile, KwWith, KwXor,
};

constexpr TokenKind kFirstKeyword = TokenKind::KwAnd;

inline bool isKeyword(TokenKind k) { return k >= kFirstKeyword; }

struct Token {
    TokenKind kind = TokenKind::EndOfInput;
    ast::Pos pos;
    std::u16string text;        // as written (without brackets for [names])
    Variant value;              // Literal tokens only
    bool spaceBefore = false;   // blank or line start right before it: `a .b` vs `a.b`
    int errorNumber = 0;        // LexError tokens only
};

}  // namespace vbs
