// Source text to tokens. The whole text is scanned up front so the parser can
// look ahead freely. Scanning stops at the first character it cannot read: the
// token list then ends with a LexError token (the parser reports it only if it
// gets that far without an error of its own) followed by EndOfInput.
#pragma once

#include <string_view>
#include <vector>

#include "engine/syntax/token.h"

namespace vbs {

// The longest name VBScript accepts; a longer one is error 1030.
constexpr size_t kMaxIdentifierLength = 255;

std::vector<Token> tokenize(std::u16string_view source);

// Line `line` (from 1) of the source, without its line break; empty if the
// source has fewer lines. CR LF, lone CR and lone LF all end a line.
std::u16string_view sourceLine(std::u16string_view source, int line);

}  // namespace vbs
