// The order in which the .NET collections put texts (ArrayList.Sort, the
// keys of a SortedList): the English culture order, not the order of the
// character codes. Letters compare alphabetically without regard to case or
// accents first ("apple" < "Banana" < "cherry"); then accents decide (an
// unaccented letter first), then case (lower before upper: "a" < "A" < "b").
// Spaces and punctuation come before digits, digits before letters, and
// digits compare one by one ("10" < "9"). Hyphens and apostrophes are
// passed over until everything else is equal ("co-op" sits next to "coop").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace talvoro::host {

// A key whose plain lexicographic order is the culture order of the texts:
// comparing two keys compares their texts. Two texts have equal keys only if
// they are the same text.
std::vector<uint32_t> cultureSortKey(std::u16string_view text);

// < 0, 0 or > 0 as `a` comes before, is, or comes after `b`.
int compareCultureText(std::u16string_view a, std::u16string_view b);

}  // namespace talvoro::host
