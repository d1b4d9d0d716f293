// What a double-click in the transcript selects. Each row marks the caret
// position of the click with "|" and gives the text that is selected.
#include <gtest/gtest.h>

#include <string>

#include "console/transcript_word.h"

namespace talvoro {
namespace {

struct Click {
    const char16_t* marked;    // the line, with "|" where the click lands
    const char16_t* selected;  // empty: nothing
};

std::string utf8(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(TranscriptWord, SelectsTheWholeValueUnderTheClick) {
    const Click clicks[] = {
        {u"A:|-4", u"-4"},                          // on the sign
        {u"A:-4|", u"-4"},                          // right half of the last digit
        {u"|A:-4", u"A"},
        {u"A:1.5E|-07", u"1.5E-07"},
        {u"A:|.5", u".5"},
        {u"A:-1,2|34.5", u"-1,234.5"},
        {u"x = 1|, y = 2", u"1"},                    // a comma and a blank: no group
        {u"A:1|2,3456", u"12"},                       // four digits after it: no group
        {u"E:3-|4", u"4"},                            // a minus between operands
        {u"E:3|-4", u"3"},
        {u"E:(|-4)", u"-4"},
        {u"A:-I|NF", u"-INF"},
        {u"E:-ab|c", u"abc"},                         // a sign joins no other word
        {u"A:12/3|1/2020", u"12/31/2020"},
        {u"E:6|/2", u"6"},                            // a division, not a date
        {u"A:3:0|4:05 PM", u"3:04:05 PM"},
        {u"A:1|2/31/2020 3:04:05 AM", u"12/31/2020"},  // a date and its time apart
        {u"A:10:3|0 AMEX", u"10:30"},
        {u"A:caf|\u00E9 au lait", u"caf\u00E9"},
        {u"Talvoro ready|.", u"ready"},
        {u"A:5|.", u"5"},
        {u"E:2 +| 3", u""},
    };
    for (const Click& click : clicks) {
        std::u16string line = click.marked;
        const size_t caret = line.find(u'|');
        line.erase(caret, 1);
        const TextSpan span = transcriptWordAt(line, static_cast<int>(caret));
        EXPECT_EQ(utf8(line.substr(span.start, span.length)), utf8(click.selected)) << utf8(click.marked);
    }
}

}  // namespace
}  // namespace talvoro
