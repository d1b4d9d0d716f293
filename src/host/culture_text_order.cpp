#include "host/culture_text_order.h"

#include <algorithm>
#include <array>

#include "engine/conversions.h"

namespace talvoro::host {

namespace {

// Each character contributes a primary weight (which letter, digit or
// symbol), a secondary one (which accent) and a tertiary one (which case).
// The key lists every primary weight, then every secondary, then every
// tertiary, each list closed by kLevelEnd, and last the text's own code
// units, which order what the culture calls equal (the passed-over hyphens,
// and characters this table does not know apart).
constexpr uint32_t kLevelEnd = 0;

// Primary weights, in bands that keep the classes apart.
constexpr uint32_t kSpaceWeight = 1;
constexpr uint32_t kSymbolBase = 10;
constexpr uint32_t kDigitBase = 200;
constexpr uint32_t kLetterBase = 300;
constexpr uint32_t kOtherBase = 1000;  // + the character's upper-case code

// Punctuation and symbols, in their order.
constexpr std::u16string_view kSymbolOrder = u"_,;:!?.\"()[]{}@*/\\&#%`^+<=>|~$";

// Tertiary weights: lower case (and characters without case) first.
constexpr uint32_t kLower = 1;
constexpr uint32_t kUpper = 2;

// Passed over at the first three levels.
bool isPassedOver(char16_t c) { return c == u'-' || c == u'\'' || c == 0x00AD; }

enum Accent : uint8_t { kNone = 1, kAcute, kGrave, kCircumflex, kRing, kDiaeresis, kTilde, kCedilla, kStroke };

// The letters U+00C0..U+00DE: their base letter and accent ('*' marks a
// symbol, × (and ÷ in the lower half), which follow the others; '2' a letter
// that counts as two: Æ as AE, Þ as TH).
struct LatinLetter {
    char base;
    Accent accent;
};
constexpr std::array<LatinLetter, 31> kLatinUpper{{
    {'A', kGrave}, {'A', kAcute}, {'A', kCircumflex}, {'A', kTilde}, {'A', kDiaeresis}, {'A', kRing},
    {'2', kNone},  {'C', kCedilla}, {'E', kGrave}, {'E', kAcute}, {'E', kCircumflex}, {'E', kDiaeresis},
    {'I', kGrave}, {'I', kAcute}, {'I', kCircumflex}, {'I', kDiaeresis}, {'D', kStroke}, {'N', kTilde},
    {'O', kGrave}, {'O', kAcute}, {'O', kCircumflex}, {'O', kTilde}, {'O', kDiaeresis}, {'*', kNone},
    {'O', kStroke}, {'U', kGrave}, {'U', kAcute}, {'U', kCircumflex}, {'U', kDiaeresis}, {'Y', kAcute},
    {'2', kNone},
}};

struct Weights {
    std::vector<uint32_t> primary, secondary, tertiary;
    void add(uint32_t p, uint32_t s, uint32_t t) {
        primary.push_back(p);
        secondary.push_back(s);
        tertiary.push_back(t);
    }
};

uint32_t letterWeight(char upper) { return kLetterBase + static_cast<uint32_t>(upper - 'A'); }

// Æ, Þ and ß count as two letters each.
void addTwoLetters(Weights& w, char16_t c, uint32_t caseWeight) {
    char16_t upper = c & ~char16_t{0x20};
    const char* pair = upper == 0xC6 ? "AE" : upper == 0xDE ? "TH" : "SS";
    for (int i = 0; i < 2; ++i) w.add(letterWeight(pair[i]), kNone, caseWeight);
}

void addLatin1(Weights& w, char16_t c) {
    if (c == 0xDF) { addTwoLetters(w, c, kLower); return; }  // ß
    if (c == 0xFF) { w.add(letterWeight('Y'), kDiaeresis, kLower); return; }  // ÿ
    uint32_t caseWeight = c >= 0xE0 ? kLower : kUpper;
    const LatinLetter& letter = kLatinUpper[(c & ~char16_t{0x20}) - 0xC0];
    if (letter.base == '*') w.add(kSymbolBase + static_cast<uint32_t>(kSymbolOrder.size()) + (c == 0xF7), kNone, kLower);
    else if (letter.base == '2') addTwoLetters(w, c, caseWeight);
    else w.add(letterWeight(letter.base), letter.accent, caseWeight);
}

void addCharacter(Weights& w, char16_t c) {
    if (c >= u'a' && c <= u'z') w.add(letterWeight(static_cast<char>(c - 0x20)), kNone, kLower);
    else if (c >= u'A' && c <= u'Z') w.add(letterWeight(static_cast<char>(c)), kNone, kUpper);
    else if (c >= u'0' && c <= u'9') w.add(kDigitBase + (c - u'0'), kNone, kLower);
    else if (c <= u' ' || c == 0xA0) w.add(kSpaceWeight, kNone, kLower);
    else if (auto at = kSymbolOrder.find(c); at != std::u16string_view::npos)
        w.add(kSymbolBase + static_cast<uint32_t>(at), kNone, kLower);
    else if (c >= 0xC0 && c <= 0xFF) addLatin1(w, c);
    else {
        char16_t upper = vbs::ops::upperChar(c);
        w.add(kOtherBase + upper, kNone, upper == c ? kUpper : kLower);
    }
}

}  // namespace

std::vector<uint32_t> cultureSortKey(std::u16string_view text) {
    Weights w;
    for (char16_t c : text)
        if (!isPassedOver(c)) addCharacter(w, c);
    std::vector<uint32_t> key;
    key.reserve(w.primary.size() * 3 + text.size() + 3);
    for (const auto* level : {&w.primary, &w.secondary, &w.tertiary}) {
        key.insert(key.end(), level->begin(), level->end());
        key.push_back(kLevelEnd);
    }
    // Code units + 1, so that every one ranks above kLevelEnd.
    for (char16_t c : text) key.push_back(static_cast<uint32_t>(c) + 1);
    return key;
}

int compareCultureText(std::u16string_view a, std::u16string_view b) {
    std::vector<uint32_t> keyA = cultureSortKey(a), keyB = cultureSortKey(b);
    auto order = std::lexicographical_compare_three_way(keyA.begin(), keyA.end(), keyB.begin(), keyB.end());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace talvoro::host
