// What a double-click in the transcript selects: the whole value under the
// pointer, so that one double-click and Ctrl+C copy an answer. A word of
// ordinary text stops at a sign, a point or an exponent's sign; a value
// takes them in:
//
//   number    -4, 1.5E-07, .5, 1,234.5 (group commas of three digits),
//             INF, -INF, NaN; the sign only where it cannot be a minus
//             between two operands ("3-4" gives "4")
//   date      12/31/2020 (three parts), time 3:04:05 PM (with its AM/PM)
//   word      letters, digits and "_" (a name, a text's word)
//
// Anything else under the pointer (blanks, operators) is no value.
#pragma once

#include <string_view>

namespace talvoro {

struct TextSpan {
    int start = 0;
    int length = 0;  // 0: nothing to select
};

// The value in `line` at the caret position `position` (0 = before the first
// character), which a click puts before or after the character it hits: a
// value that begins at the position wins, else one that ends there.
TextSpan transcriptWordAt(std::u16string_view line, int position);

}  // namespace talvoro
