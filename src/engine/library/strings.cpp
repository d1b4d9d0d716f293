// String built-ins. The rule most of them share: a Null string argument gives
// Null back, while a Null count or position is "Invalid use of Null" (94).
// Positions are 1-based in scripts and 0-based in here; each function does
// the conversion once, where it reads its arguments.
#include <algorithm>
#include <vector>

#include "engine/library/builtins.h"
#include "engine/library/library_support.h"
#include "engine/library/text_support.h"
#include "engine/values/byte_text.h"

namespace vbs {

namespace {

using lib::readLong;
using lib::readString;

Variant text(std::u16string s) { return Variant::string(std::move(s)); }

// A one-character string. Loops like `Mid(s, k, 1)` and `s & Chr(n)` make
// hundreds of thousands of them, so those of the first 256 code units are
// made once and shared (strings are immutable once shared: the table's own
// reference keeps in-place appends off them). One table per thread, as the
// reference counts are not atomic.
Variant oneCharacter(char16_t c) {
    if (c >= 256) return text(std::u16string(1, c));
    thread_local std::vector<Variant> table;
    if (table.empty()) {
        table.reserve(256);
        for (char16_t code = 0; code < 256; ++code) table.push_back(text(std::u16string(1, code)));
    }
    return table[c];
}

// ---- case, trimming, length -----------------------------------------------

// The common shape: Null in, Null out; otherwise a function of the text.
// A string argument is handed over without a copy: Mid(s, k, 1) in a loop
// over a long s must not copy s each time.
template <typename Transform>
int32_t textFunction(Args& args, Variant& result, Transform transform) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    std::u16string storage;
    const std::u16string* s = nullptr;
    if (int32_t e = lib::readTextRef(args, 0, storage, s)) return e;
    Variant value = transform(*s);
    result = std::move(value);
    return 0;
}

// LCase and UCase change the letters A-Z only, as VBScript does: accented
// letters stay as they are (LCase("ÄB") is "Äb"), although text comparisons
// do treat "Ä" and "ä" alike.
std::u16string mapAsciiLetters(std::u16string s, char16_t from, char16_t to) {
    for (char16_t& c : s)
        if (c >= from && c <= from + 25) c = static_cast<char16_t>(c - from + to);
    return s;
}

int32_t fnLCase(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](std::u16string s) { return text(mapAsciiLetters(std::move(s), u'A', u'a')); });
}
int32_t fnUCase(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](std::u16string s) { return text(mapAsciiLetters(std::move(s), u'a', u'A')); });
}

// Trim, LTrim and RTrim remove spaces only; tabs and line breaks stay.
std::u16string trimSpaces(std::u16string s, bool left, bool right) {
    size_t begin = 0, end = s.size();
    if (left) while (begin < end && s[begin] == u' ') ++begin;
    if (right) while (end > begin && s[end - 1] == u' ') --end;
    return s.substr(begin, end - begin);
}

int32_t fnTrim(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](std::u16string s) { return text(trimSpaces(std::move(s), true, true)); });
}
int32_t fnLTrim(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](std::u16string s) { return text(trimSpaces(std::move(s), true, false)); });
}
int32_t fnRTrim(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](std::u16string s) { return text(trimSpaces(std::move(s), false, true)); });
}

int32_t fnLen(CallContext&, Args args, Variant& result) {
    return textFunction(args, result, [](const std::u16string& s) { return Variant::long_(static_cast<int32_t>(s.size())); });
}

int32_t fnStrReverse(CallContext&, Args args, Variant& result) {
    std::u16string s;
    if (int32_t e = readString(args, 0, s)) return e;  // Null: 94
    std::reverse(s.begin(), s.end());
    result = text(std::move(s));
    return 0;
}

// ---- pieces: Left, Right, Mid ----------------------------------------------

// Reads a length or count that must not be negative.
int32_t readCount(const Args& args, int i, int32_t& out) {
    if (int32_t e = readLong(args, i, out)) return e;
    return out < 0 ? err::InvalidProcCall : 0;
}

int32_t fnLeft(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readCount(args, 1, n)) return e;
    return textFunction(args, result, [n](const std::u16string& s) { return text(s.substr(0, static_cast<size_t>(n))); });
}

int32_t fnRight(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readCount(args, 1, n)) return e;
    return textFunction(args, result, [n](const std::u16string& s) {
        size_t keep = std::min(s.size(), static_cast<size_t>(n));
        return text(s.substr(s.size() - keep));
    });
}

// `Mid(s, start, )`: a length written as left out is no length at all (94),
// whatever the start; a length not written is the rest of the text.
bool leftOutInCall(const Args& args, int i) { return i < args.size() && args.missing(i); }

int32_t fnMid(CallContext&, Args args, Variant& result) {
    if (leftOutInCall(args, 2)) return err::InvalidUseOfNull;
    int32_t start = 0, length = -1;
    if (int32_t e = readLong(args, 1, start)) return e;
    if (start < 1) return err::InvalidProcCall;
    if (!args.missing(2)) {
        if (int32_t e = readCount(args, 2, length)) return e;
    }
    return textFunction(args, result, [start, length](const std::u16string& s) {
        size_t from = static_cast<size_t>(start - 1);
        if (from >= s.size()) return text(u"");
        if (length == 1) return oneCharacter(s[from]);
        return text(s.substr(from, length < 0 ? std::u16string::npos : static_cast<size_t>(length)));
    });
}

// ---- the byte forms: a string seen as its UTF-16LE bytes --------------------
// A text the byte functions made may end in half a character (an odd number
// of bytes, Variant::trailingByte); these functions see that byte too.

// The bytes of argument i (Null already handled by the caller).
int32_t readBytes(const Args& args, int i, std::string& out) {
    const Variant& v = args.at(i);
    if (v.isString()) { out = bytesOfString(v); return 0; }
    std::u16string s;
    if (int32_t e = readString(args, i, s)) return e;
    out = bytesOfText(s);
    return 0;
}

// The common shape of the byte functions: Null in, Null out.
template <typename Transform>
int32_t bytesFunction(Args& args, Variant& result, Transform transform) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    std::string bytes;
    if (int32_t e = readBytes(args, 0, bytes)) return e;
    result = transform(bytes);
    return 0;
}

int32_t fnLenB(CallContext&, Args args, Variant& result) {
    return bytesFunction(args, result, [](const std::string& b) { return Variant::long_(static_cast<int32_t>(b.size())); });
}

int32_t fnLeftB(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readCount(args, 1, n)) return e;
    return bytesFunction(args, result, [n](const std::string& b) { return textOfBytes(b.substr(0, static_cast<size_t>(n))); });
}

int32_t fnRightB(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readCount(args, 1, n)) return e;
    return bytesFunction(args, result, [n](const std::string& b) {
        size_t keep = std::min(b.size(), static_cast<size_t>(n));
        return textOfBytes(b.substr(b.size() - keep));
    });
}

int32_t fnMidB(CallContext&, Args args, Variant& result) {
    if (leftOutInCall(args, 2)) return err::InvalidUseOfNull;
    int32_t start = 0, length = -1;
    if (int32_t e = readLong(args, 1, start)) return e;
    if (start < 1) return err::InvalidProcCall;
    if (!args.missing(2)) {
        if (int32_t e = readCount(args, 2, length)) return e;
    }
    return bytesFunction(args, result, [start, length](const std::string& b) {
        size_t from = static_cast<size_t>(start - 1);
        if (from >= b.size()) return text(u"");
        return textOfBytes(b.substr(from, length < 0 ? std::string::npos : static_cast<size_t>(length)));
    });
}

// ---- characters and codes ---------------------------------------------------

int32_t firstChar(Args& args, char16_t& c) {
    std::u16string s;
    if (int32_t e = readString(args, 0, s)) return e;  // Null: 94
    if (s.empty()) return err::InvalidProcCall;
    c = s[0];
    return 0;
}

int32_t fnAsc(CallContext&, Args args, Variant& result) {
    char16_t c = 0;
    if (int32_t e = firstChar(args, c)) return e;
    result = Variant::integer(lib::codePageFromChar(c));
    return 0;
}
int32_t fnAscW(CallContext&, Args args, Variant& result) {
    char16_t c = 0;
    if (int32_t e = firstChar(args, c)) return e;
    result = Variant::integer(static_cast<int16_t>(c));  // above 32767 reads as negative
    return 0;
}
// AscB(text): its first byte, a Byte.
int32_t fnAscB(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) return err::InvalidUseOfNull;
    std::string bytes;
    if (int32_t e = readBytes(args, 0, bytes)) return e;
    if (bytes.empty()) return err::InvalidProcCall;
    result = Variant::byte(static_cast<uint8_t>(bytes[0]));
    return 0;
}

int32_t fnChr(CallContext&, Args args, Variant& result) {
    int32_t code = 0;
    if (int32_t e = readLong(args, 0, code)) return e;
    if (code < 0 || code > 255) return err::InvalidProcCall;
    result = oneCharacter(lib::charFromCodePage(static_cast<uint8_t>(code)));
    return 0;
}
int32_t fnChrB(CallContext&, Args args, Variant& result) {
    int32_t code = 0;
    if (int32_t e = readLong(args, 0, code)) return e;
    if (code < 0 || code > 255) return err::Overflow;  // a byte's range, unlike Chr's 5
    result = Variant::oddByteString(std::u16string(), static_cast<uint8_t>(code));  // one byte
    return 0;
}
int32_t fnChrW(CallContext&, Args args, Variant& result) {
    int32_t code = 0;
    if (int32_t e = readLong(args, 0, code)) return e;
    if (code < -32768 || code > 65535) return err::InvalidProcCall;
    result = oneCharacter(static_cast<char16_t>(code & 0xFFFF));
    return 0;
}

int32_t fnSpace(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readCount(args, 0, n)) return e;
    if (static_cast<size_t>(n) > kMaxStringLength) return err::OutOfMemory;
    result = text(std::u16string(static_cast<size_t>(n), u' '));
    return 0;
}

// String(n, character): character is text (its first character) or a code
// (taken modulo 256).
int32_t fnString(CallContext&, Args args, Variant& result) {
    // A Null count or character gives Null, as Len and Left do.
    const Variant& ch = args.at(1);
    if (lib::isNullArg(args, 0) || ch.isNull()) { result = Variant::null(); return 0; }
    int32_t n = 0;
    if (int32_t e = readCount(args, 0, n)) return e;
    char16_t c = 0;
    if (ch.isString()) {
        if (ch.asString().empty()) return err::InvalidProcCall;
        c = ch.asString()[0];
    } else {
        int32_t code = 0;
        if (int32_t e = readLong(args, 1, code)) return e;
        c = lib::charFromCodePage(static_cast<uint8_t>(((code % 256) + 256) % 256));
    }
    if (static_cast<size_t>(n) > kMaxStringLength) return err::OutOfMemory;
    result = text(std::u16string(static_cast<size_t>(n), c));
    return 0;
}

// ---- searching and comparing --------------------------------------------------

// InStr and InStrB: with three or more arguments the first is the start
// position (from 1); `first` is the index of the text searched.
int32_t readSearchStart(const Args& args, int& first, int32_t& start) {
    const bool hasStart = args.size() >= 3;
    first = hasStart ? 1 : 0;
    start = 1;
    if (!hasStart) return 0;
    if (int32_t e = readLong(args, 0, start)) return e;
    return start < 1 ? err::InvalidProcCall : 0;
}

// InStr([start, ]string1, string2[, compare])
int32_t fnInStr(CallContext&, Args args, Variant& result) {
    int first = 0;
    int32_t start = 1;
    if (int32_t e = readSearchStart(args, first, start)) return e;
    const bool hasStart = first == 1;
    bool textCompare = false;
    if (hasStart) {
        if (int32_t e = lib::readCompareMode(args, 3, textCompare)) return e;
    }
    if (args.at(first).isNull() || args.at(first + 1).isNull()) { result = Variant::null(); return 0; }
    std::u16string hayStorage, needle;
    const std::u16string* hayText = nullptr;
    if (int32_t e = lib::readTextRef(args, first, hayStorage, hayText)) return e;
    const std::u16string& hay = *hayText;
    if (int32_t e = readString(args, first + 1, needle)) return e;
    int32_t position = 0;
    if (static_cast<size_t>(start) <= hay.size()) {
        size_t at = lib::findText(hay, needle, static_cast<size_t>(start - 1), textCompare);
        if (at != std::u16string::npos) position = static_cast<int32_t>(at) + 1;
        chargeWork(((at == std::u16string::npos ? hay.size() : at) - (start - 1)) * sizeof(char16_t));
    }
    result = Variant::long_(position);
    return 0;
}

// InStrB(...): as InStr, but positions count bytes of the UTF-16 text.
int32_t fnInStrB(CallContext&, Args args, Variant& result) {
    int first = 0;
    int32_t start = 1;
    if (int32_t e = readSearchStart(args, first, start)) return e;
    if (args.at(first).isNull() || args.at(first + 1).isNull()) { result = Variant::null(); return 0; }
    std::string hayBytes, needleBytes;
    if (int32_t e = readBytes(args, first, hayBytes)) return e;
    if (int32_t e = readBytes(args, first + 1, needleBytes)) return e;
    int32_t position = 0;
    if (static_cast<size_t>(start) <= hayBytes.size()) {
        size_t at = hayBytes.find(needleBytes, static_cast<size_t>(start - 1));
        if (at != std::string::npos) position = static_cast<int32_t>(at) + 1;
    }
    result = Variant::long_(position);
    return 0;
}

// InStrRev(string1, string2[, start[, compare]]): start -1 means the end.
// With a start given, a Null text is "Invalid use of Null"; without, Null.
int32_t fnInStrRev(CallContext&, Args args, Variant& result) {
    if (!args.missing(2) && (args.at(0).isNull() || args.at(1).isNull())) return err::InvalidUseOfNull;
    int32_t start = -1;
    if (int32_t e = lib::readOptionalLong(args, 2, -1, start)) return e;
    if (start == 0 || start < -1) return err::InvalidProcCall;
    bool textCompare = false;
    if (int32_t e = lib::readCompareMode(args, 3, textCompare)) return e;
    if (args.at(0).isNull() || args.at(1).isNull()) { result = Variant::null(); return 0; }
    std::u16string hay, needle;
    if (int32_t e = readString(args, 0, hay)) return e;
    if (int32_t e = readString(args, 1, needle)) return e;
    size_t end = start == -1 ? hay.size() : static_cast<size_t>(start);
    int32_t position = 0;
    if (!hay.empty() && end <= hay.size()) {
        if (needle.empty()) position = static_cast<int32_t>(end);
        else {
            size_t at = lib::findLastText(hay, needle, end, textCompare);
            if (at != std::u16string::npos) position = static_cast<int32_t>(at) + 1;
        }
    }
    result = Variant::long_(position);
    return 0;
}

int32_t fnStrComp(CallContext&, Args args, Variant& result) {
    bool textCompare = false;
    if (int32_t e = lib::readCompareMode(args, 2, textCompare)) return e;
    if (args.at(0).isNull() || args.at(1).isNull()) { result = Variant::null(); return 0; }
    std::u16string a, b;
    if (int32_t e = readString(args, 0, a)) return e;
    if (int32_t e = readString(args, 1, b)) return e;
    result = Variant::integer(static_cast<int16_t>(lib::compareText(a, b, textCompare)));
    return 0;
}

// Replace(expression, find, replacewith[, start[, count[, compare]]]): the
// answer starts at `start` (the part before it is dropped), and at most
// `count` matches (-1: all) are replaced. Unlike most string functions it
// does not pass Null through: a Null argument is error 94. Its texts convert
// a Boolean to its number, not its name: Replace("a", "a", True) is "-1".
int32_t readReplaceText(const Args& args, int i, std::u16string& out) {
    const Variant& v = args.at(i);
    if (v.type() == VarType::Boolean) {
        out = v.asBoolean() ? u"-1" : u"0";
        return 0;
    }
    return readString(args, i, out);
}

int32_t fnReplace(CallContext&, Args args, Variant& result) {
    int32_t start = 1, count = -1;
    if (int32_t e = lib::readOptionalLong(args, 3, 1, start)) return e;
    if (int32_t e = lib::readOptionalLong(args, 4, -1, count)) return e;
    if (start < 1 || count < -1) return err::InvalidProcCall;
    bool textCompare = false;
    if (int32_t e = lib::readCompareMode(args, 5, textCompare)) return e;
    std::u16string source, find, replacement;
    if (int32_t e = readReplaceText(args, 0, source)) return e;
    if (int32_t e = readReplaceText(args, 1, find)) return e;
    if (int32_t e = readReplaceText(args, 2, replacement)) return e;

    if (static_cast<size_t>(start) > source.size()) { result = text(u""); return 0; }
    std::u16string rest = source.substr(static_cast<size_t>(start - 1));
    if (find.empty() || count == 0) { result = text(std::move(rest)); return 0; }

    const lib::TextSearcher searcher(rest, find, textCompare);
    std::u16string out;
    size_t from = 0;
    for (int32_t done = 0; count == -1 || done < count; ++done) {
        size_t at = searcher.find(from);
        if (at == std::u16string::npos) break;
        out.append(rest, from, at - from);
        if (out.size() + replacement.size() > kMaxStringLength) return err::OutOfMemory;
        out += replacement;
        from = at + find.size();
    }
    out.append(rest, from, std::u16string::npos);
    result = text(std::move(out));
    return 0;
}

// ---- Escape and Unescape: JavaScript's escape() -------------------------------

bool passesUnescaped(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) return true;
    return std::u16string_view(u"@*_+-./").find(c) != std::u16string_view::npos;
}

void appendHex(std::u16string& out, unsigned value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += u"0123456789ABCDEF"[(value >> shift) & 0xF];
}

// Escape and Unescape do not pass Null through: it is error 94.
int32_t fnEscape(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) return err::InvalidUseOfNull;
    return textFunction(args, result, [](const std::u16string& s) {
        std::u16string out;
        for (char16_t c : s) {
            if (passesUnescaped(c)) out += c;
            else if (c < 0x100) { out += u'%'; appendHex(out, c, 2); }
            else { out += u"%u"; appendHex(out, c, 4); }
        }
        return text(std::move(out));
    });
}

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// The value of `digits` hex digits at s[at], or -1 if they are not all there.
int readHex(const std::u16string& s, size_t at, int digits) {
    if (at + static_cast<size_t>(digits) > s.size()) return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        int d = hexValue(s[at + static_cast<size_t>(i)]);
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

// Sequences that are not well-formed stay as they are, as in JavaScript.
int32_t fnUnescape(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) return err::InvalidUseOfNull;
    return textFunction(args, result, [](const std::u16string& s) {
        std::u16string out;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == u'%') {
                int wide = i + 1 < s.size() && s[i + 1] == u'u' ? readHex(s, i + 2, 4) : -1;
                if (wide >= 0) { out += static_cast<char16_t>(wide); i += 5; continue; }
                int narrow = readHex(s, i + 1, 2);
                if (narrow >= 0) { out += static_cast<char16_t>(narrow); i += 2; continue; }
            }
            out += s[i];
        }
        return text(std::move(out));
    });
}

// ---- Split, Join, Filter -----------------------------------------------------------

int32_t fnSplit(CallContext&, Args args, Variant& result) {
    std::u16string source, delimiter = u" ";
    if (int32_t e = readString(args, 0, source)) return e;  // Null: 94
    if (!args.missing(1)) {
        if (int32_t e = readString(args, 1, delimiter)) return e;
    }
    int32_t count = -1;
    if (int32_t e = lib::readOptionalLong(args, 2, -1, count)) return e;
    if (count < -1) return err::InvalidProcCall;
    bool textCompare = false;
    if (int32_t e = lib::readCompareMode(args, 3, textCompare)) return e;

    std::vector<Variant> parts;
    if (source.empty() || count == 0) { result = lib::makeArray(std::move(parts)); return 0; }
    const lib::TextSearcher searcher(source, delimiter, textCompare);
    size_t from = 0;
    while (!delimiter.empty() && (count == -1 || static_cast<int32_t>(parts.size()) < count - 1)) {
        size_t at = searcher.find(from);
        if (at == std::u16string::npos) break;
        parts.push_back(text(source.substr(from, at - from)));
        from = at + delimiter.size();
    }
    parts.push_back(text(source.substr(from)));
    result = lib::makeArray(std::move(parts));
    return 0;
}

// The texts of a one-dimensional array's elements (Join and Filter). Null
// is no array to read: "Invalid use of Null". An array of more dimensions
// (`dimensionError` tells which error) or a Null element is no list of texts.
int32_t readTextList(const Variant& v, std::vector<std::u16string>& out, int32_t dimensionError) {
    if (v.isNull()) return err::InvalidUseOfNull;
    if (!v.isArray()) return err::TypeMismatch;
    const ArrayData* data = v.asArray();
    if (data->dims() != 1) return dimensionError;
    size_t bytes = 0;
    for (const Variant& element : data->elems) {
        std::u16string s;
        if (element.deref().isNull()) return err::TypeMismatch;
        if (int32_t e = ops::toString(element.deref(), s)) return e;
        bytes += sizeof(Variant) + s.size() * sizeof(char16_t);
        out.push_back(std::move(s));
    }
    chargeWork(bytes);
    return 0;
}

int32_t fnJoin(CallContext&, Args args, Variant& result) {
    std::vector<std::u16string> items;
    if (int32_t e = readTextList(args.at(0), items, err::TypeMismatch)) return e;
    std::u16string delimiter = u" ";
    if (!args.missing(1)) {
        if (int32_t e = readString(args, 1, delimiter)) return e;
    }
    std::u16string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += delimiter;
        if (out.size() + items[i].size() > kMaxStringLength) return err::OutOfMemory;
        out += items[i];
    }
    result = text(std::move(out));
    return 0;
}

// Filter(strings, value[, include[, compare]]): the elements that contain
// `value` (or, with include False, those that do not).
int32_t fnFilter(CallContext&, Args args, Variant& result) {
    std::vector<std::u16string> items;
    if (int32_t e = readTextList(args.at(0), items, err::InvalidProcCall)) return e;
    std::u16string value;
    if (int32_t e = readString(args, 1, value)) return e;
    bool include = true;
    if (!args.missing(2)) {
        if (int32_t e = ops::toBoolean(args.at(2), include)) return e;
    }
    bool textCompare = false;
    if (int32_t e = lib::readCompareMode(args, 3, textCompare)) return e;
    std::vector<Variant> kept;
    for (std::u16string& item : items) {
        bool contains = lib::findText(item, value, 0, textCompare) != std::u16string::npos;
        if (contains == include) kept.push_back(text(std::move(item)));
    }
    result = lib::makeArray(std::move(kept));
    return 0;
}

const BuiltinInfo kStringBuiltins[] = {
    {u"Asc", 1, 1, lib::onValues<fnAsc>},
    {u"AscB", 1, 1, lib::onValues<fnAscB>},
    {u"AscW", 1, 1, lib::onValues<fnAscW>},
    {u"Chr", 1, 1, lib::onValues<fnChr>},
    {u"ChrB", 1, 1, lib::onValues<fnChrB>},
    {u"ChrW", 1, 1, lib::onValues<fnChrW>},
    {u"Escape", 1, 1, lib::onValues<fnEscape>},
    {u"Filter", 2, 4, lib::onValues<fnFilter>},
    {u"InStr", 2, 4, lib::onValues<fnInStr>},
    {u"InStrB", 2, 4, lib::onValues<fnInStrB>},
    {u"InStrRev", 2, 4, lib::onValues<fnInStrRev>},
    {u"Join", 1, 2, lib::onValues<fnJoin>},
    {u"LCase", 1, 1, lib::onValues<fnLCase>},
    {u"Left", 2, 2, lib::onValues<fnLeft>},
    {u"LeftB", 2, 2, lib::onValues<fnLeftB>},
    {u"Len", 1, 1, lib::onValues<fnLen>},
    {u"LenB", 1, 1, lib::onValues<fnLenB>},
    {u"LTrim", 1, 1, lib::onValues<fnLTrim>},
    {u"Mid", 2, 3, lib::onValues<fnMid>},
    {u"MidB", 2, 3, lib::onValues<fnMidB>},
    {u"Replace", 3, 6, lib::onValues<fnReplace>},
    {u"Right", 2, 2, lib::onValues<fnRight>},
    {u"RightB", 2, 2, lib::onValues<fnRightB>},
    {u"RTrim", 1, 1, lib::onValues<fnRTrim>},
    {u"Space", 1, 1, lib::onValues<fnSpace>},
    {u"Split", 1, 4, lib::onValues<fnSplit>},
    {u"StrComp", 2, 3, lib::onValues<fnStrComp>},
    {u"String", 2, 2, lib::onValues<fnString>},
    {u"StrReverse", 1, 1, lib::onValues<fnStrReverse>},
    {u"Trim", 1, 1, lib::onValues<fnTrim>},
    {u"UCase", 1, 1, lib::onValues<fnUCase>},
    {u"Unescape", 1, 1, lib::onValues<fnUnescape>},
};

}  // namespace

std::span<const BuiltinInfo> stringBuiltins() { return kStringBuiltins; }

}  // namespace vbs
