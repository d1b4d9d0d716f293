#include "settings/cvar_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace talvoro {

namespace {

// Precision of a double as the program shows it: more digits would expose
// binary noise (0.1 + 0.2 showing as 0.30000000000000004).
constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters that matter to the number, blanks and tabs taken out; any
// character outside ASCII ends the number, so it becomes a stopper.
std::string withoutBlanks(std::u16string_view text) {
    std::string kept;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t') continue;
        kept.push_back(c < 0x80 ? static_cast<char>(c) : '\x01');
    }
    return kept;
}

// Length of the longest prefix of `s` that is a number: sign, digits, one
// point, and an exponent only when digits follow its "E" (and sign).
size_t numberPrefixLength(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

std::u16string cvarNumberText(double value) {
    if (value == 0) value = 0;  // -0 is written as 0
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::general, kSignificantDigits);
    std::u16string text(1, value < 0 ? u'-' : u' ');
    for (const char* p = buffer; ec == std::errc() && p != end; ++p) {
        text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    }
    return text;
}

bool readCvarNumber(std::u16string_view text, double& out) {
    out = 0;
    std::string compact = withoutBlanks(text);
    size_t length = numberPrefixLength(compact);
    if (length == 0) return true;
    std::string number = compact.substr(0, length);
    // from_chars takes no leading "+".
    size_t start = number[0] == '+' ? 1 : 0;
    auto [ptr, ec] = std::from_chars(number.data() + start, number.data() + number.size(), out);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as 0; too large is a failure of the reading.
        bool tiny = number.find_first_of("Ee") != std::string::npos &&
                    number.find("-", number.find_first_of("Ee")) != std::string::npos;
        out = 0;
        return tiny;
    }
    return ec == std::errc();
}

}  // namespace talvoro
