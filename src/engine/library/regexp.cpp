#include "engine/library/regexp.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <array>

#include "engine/error_table.h"
#include "engine/values/ops.h"

namespace vbs {

namespace {

// ---- small helpers shared by the four classes ---------------------------------

template <size_t N>
int32_t lookUp(const std::array<const char16_t*, N>& names, std::u16string_view name) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] && namesEqual(name, names[i])) return static_cast<int32_t>(i);
    return kNoMember;
}

bool isReadKind(InvokeKind kind) { return kind == InvokeKind::Get || kind == InvokeKind::Method; }

// Item(i) of a collection: i is converted as CLng does; outside 0..size-1 is error 5.
int32_t itemAt(const std::vector<Variant>& items, const Variant& index, Variant& result) {
    int32_t i = 0;
    if (int32_t e = ops::toLong(index, i)) return e;
    if (i < 0 || static_cast<size_t>(i) >= items.size()) return err::InvalidProcCall;
    result = items[static_cast<size_t>(i)];
    return 0;
}

// Count and Item(i), the two members every collection here has.
enum CollectionMember : int32_t { kCollectionItem = kDefaultMember, kCollectionCount };
constexpr std::array<const char16_t*, 2> kCollectionNames{u"Item", u"Count"};

int32_t invokeCollection(const std::vector<Variant>& items, int32_t member, InvokeKind kind, Args args,
                         Variant& result) {
    if (!isReadKind(kind)) return err::MemberNotSupported;
    switch (member) {
    case kCollectionItem:
        if (args.size() != 1) return err::WrongArgCount;
        return itemAt(items, args.at(0), result);
    case kCollectionCount:
        if (args.size() != 0) return err::WrongArgCount;
        result = Variant::long_(static_cast<int32_t>(items.size()));
        return 0;
    default:
        return err::MemberNotSupported;
    }
}

PCRE2_SPTR16 codeUnits(const std::u16string& s) { return reinterpret_cast<PCRE2_SPTR16>(s.data()); }

std::u16string slice(const std::u16string& s, size_t start, size_t end) { return s.substr(start, end - start); }

// Appends the text of capture group `group` of a match (nothing if unset).
void appendGroup(std::u16string& out, const std::u16string& subject, const std::vector<RegExp::Span>& match,
                 size_t group) {
    const RegExp::Span& span = match[group];
    if (span.start != RegExp::kUnset) out.append(subject, span.start, span.end - span.start);
}

// The script error for a pattern PCRE2 rejects: the four mistakes scripts
// have their own messages for, and the general one for the rest.
int32_t syntaxErrorNumber(int pcreError) {
    switch (pcreError) {
    case PCRE2_ERROR_QUANTIFIER_INVALID: return err::RegExpUnexpectedQuantifier;     // "*a"
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET: return err::RegExpExpectedBracket;      // "[ab"
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS: return err::RegExpExpectedParen;   // "(ab"
    case PCRE2_ERROR_CLASS_RANGE_ORDER: return err::RegExpInvalidRange;              // "[z-a]"
    default: return err::RegExpSyntax;
    }
}

// Where a global search goes on after `match`: its end, or one character
// further after an empty match (else the same empty match is found forever).
// A surrogate pair is one character: the search may not start inside it.
size_t nextSearchStart(const std::u16string& subject, const RegExp::Span& match) {
    if (match.end > match.start) return match.end;
    size_t next = match.end + 1;
    bool splitsPair = next < subject.size() && subject[next - 1] >= 0xD800 && subject[next - 1] <= 0xDBFF &&
                      subject[next] >= 0xDC00 && subject[next] <= 0xDFFF;
    return splitsPair ? next + 1 : next;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Expands `$` forms of a replacement text for one match, as JavaScript does:
// $$ is "$", $& the match, $` the text before it, $' the text after it,
// $n and $nn a capture group (two digits when that group exists, otherwise
// one). Anything else, including a group number the pattern lacks, stays as
// written.
void appendReplacement(std::u16string& out, const std::u16string& replacement, const std::u16string& subject,
                       const std::vector<RegExp::Span>& match) {
    size_t groupCount = match.size() - 1;
    for (size_t i = 0; i < replacement.size(); ++i) {
        char16_t c = replacement[i];
        if (c != u'$' || i + 1 == replacement.size()) { out.push_back(c); continue; }
        char16_t next = replacement[i + 1];
        if (next == u'$') { out.push_back(u'$'); ++i; continue; }
        if (next == u'&') { appendGroup(out, subject, match, 0); ++i; continue; }
        if (next == u'`') { out.append(subject, 0, match[0].start); ++i; continue; }
        if (next == u'\'') { out.append(subject, match[0].end); ++i; continue; }
        if (isDigit(next)) {
            size_t one = next - u'0';
            bool hasSecond = i + 2 < replacement.size() && isDigit(replacement[i + 2]);
            size_t two = hasSecond ? one * 10 + (replacement[i + 2] - u'0') : 0;
            if (hasSecond && two >= 1 && two <= groupCount) { appendGroup(out, subject, match, two); i += 2; continue; }
            if (one >= 1 && one <= groupCount) { appendGroup(out, subject, match, one); i += 1; continue; }
        }
        out.push_back(c);
    }
}

}  // namespace

// ---- SubMatches -----------------------------------------------------------------

int32_t SubMatches::findMember(std::u16string_view name) { return lookUp(kCollectionNames, name); }

int32_t SubMatches::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext&) {
    return invokeCollection(groups_, member, kind, args, result);
}

int32_t SubMatches::enumerate(std::vector<Variant>& items, CallContext&) {
    items = groups_;
    return 0;
}

// ---- Match ----------------------------------------------------------------------

namespace {
enum MatchMember : int32_t { kMatchValue = kDefaultMember, kMatchFirstIndex, kMatchLength, kMatchSubMatches };
constexpr std::array<const char16_t*, 4> kMatchNames{u"Value", u"FirstIndex", u"Length", u"SubMatches"};
}  // namespace

Match::Match(std::u16string value, int32_t firstIndex, std::vector<Variant> groups)
    : value_(std::move(value)), firstIndex_(firstIndex), subMatches_(new SubMatches(std::move(groups))) {
    subMatches_->addRef();
}

Match::~Match() { subMatches_->releaseRef(); }

int32_t Match::findMember(std::u16string_view name) { return lookUp(kMatchNames, name); }

int32_t Match::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    if (member < kMatchValue || member > kMatchSubMatches) return err::MemberNotSupported;
    if (!isReadKind(kind)) return err::MemberNotSupported;
    // m.SubMatches(i): the arguments belong to the SubMatches collection's
    // default member, as with any property that takes none but returns an object.
    if (member == kMatchSubMatches && args.size() > 0)
        return subMatches_->invoke(kCollectionItem, InvokeKind::Get, args, result, ctx);
    if (args.size() != 0) return err::WrongArgCount;
    switch (member) {
    case kMatchValue: result = Variant::string(value_); break;
    case kMatchFirstIndex: result = Variant::long_(firstIndex_); break;
    case kMatchLength: result = Variant::long_(static_cast<int32_t>(value_.size())); break;
    default: result = Variant::object(subMatches_); break;
    }
    return 0;
}

// ---- MatchCollection --------------------------------------------------------------

int32_t MatchCollection::findMember(std::u16string_view name) { return lookUp(kCollectionNames, name); }

int32_t MatchCollection::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext&) {
    return invokeCollection(matches_, member, kind, args, result);
}

int32_t MatchCollection::enumerate(std::vector<Variant>& items, CallContext&) {
    items = matches_;
    return 0;
}

// ---- RegExp: compiling and matching -------------------------------------------------

RegExp::~RegExp() { forgetCompiled(); }

void RegExp::forgetCompiled() {
    if (compiled_) pcre2_code_free_16(compiled_);
    compiled_ = nullptr;
    compileFailed_ = false;
}

void RegExp::setPattern(std::u16string pattern) {
    pattern_ = std::move(pattern);
    forgetCompiled();
}

void RegExp::setIgnoreCase(bool on) {
    if (on != ignoreCase_) forgetCompiled();
    ignoreCase_ = on;
}

void RegExp::setMultiline(bool on) {
    if (on != multiline_) forgetCompiled();
    multiline_ = on;
}

int32_t RegExp::ensureCompiled() {
    if (compiled_) return 0;
    if (compileFailed_) return compileError_;

    // The JavaScript dialect: \uhhhh and \xhh escapes, a back-reference to a
    // group that has not matched matches nothing, [] matches nothing and
    // [^] anything, and without Multiline `$` is the very end of the text.
    // UTF-16 mode gives IgnoreCase the Unicode case pairs (É and é), not
    // just ASCII; \d, \w and \s stay ASCII as in JavaScript. Texts with a
    // stray surrogate are still searched (MATCH_INVALID_UTF) rather than refused.
    uint32_t options = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_UTF |
                       PCRE2_MATCH_INVALID_UTF;
    options |= multiline_ ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
    if (ignoreCase_) options |= PCRE2_CASELESS;

    // Lines end at "\r", "\n" or "\r\n", whatever the library was built
    // with: `.` matches neither character, as in JavaScript, and Multiline
    // texts written on Windows (CRLF) find their `$` before the "\r".
    pcre2_compile_context_16* context = pcre2_compile_context_create_16(nullptr);
    if (context) pcre2_set_newline_16(context, PCRE2_NEWLINE_ANYCRLF);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    compiled_ = pcre2_compile_16(codeUnits(pattern_), pattern_.size(), options, &errorCode, &errorOffset, context);
    pcre2_compile_context_free_16(context);
    if (!compiled_) {
        compileFailed_ = true;
        compileError_ = syntaxErrorNumber(errorCode);
        return compileError_;
    }
    // JIT makes repeated matching several times faster; where it is not
    // available the interpreter of the library does the same work.
    pcre2_jit_compile_16(compiled_, PCRE2_JIT_COMPLETE);
    return 0;
}

int32_t RegExp::findMatches(const std::u16string& subject, bool all, std::vector<std::vector<Span>>& found) {
    found.clear();
    if (int32_t e = ensureCompiled()) return e;

    pcre2_match_data_16* data = pcre2_match_data_create_from_pattern_16(compiled_, nullptr);
    if (!data) return err::OutOfMemory;
    uint32_t groupCount = 0;
    pcre2_pattern_info_16(compiled_, PCRE2_INFO_CAPTURECOUNT, &groupCount);

    int32_t status = 0;
    size_t offset = 0;
    while (offset <= subject.size()) {
        int rc = pcre2_match_16(compiled_, codeUnits(subject), subject.size(), offset, 0, data, nullptr);
        if (rc == PCRE2_ERROR_NOMATCH) break;
        if (rc < 0) {
            // Only the library's resource limits get here (catastrophic
            // backtracking); report them as the stack running out.
            status = err::OutOfStackSpace;
            break;
        }
        const PCRE2_SIZE* vector = pcre2_get_ovector_pointer_16(data);
        std::vector<Span> match(groupCount + 1);
        for (uint32_t g = 0; g <= groupCount; ++g) {
            // Groups past the highest one that matched are left out of rc.
            bool set = g < static_cast<uint32_t>(rc) && vector[2 * g] != PCRE2_UNSET;
            match[g] = set ? Span{vector[2 * g], vector[2 * g + 1]} : Span{kUnset, kUnset};
        }
        found.push_back(std::move(match));
        if (!all) break;
        offset = nextSearchStart(subject, found.back()[0]);
    }
    pcre2_match_data_free_16(data);
    return status;
}

// ---- RegExp: the operations ------------------------------------------------------------

int32_t RegExp::test(const std::u16string& subject, bool& found) {
    std::vector<std::vector<Span>> matches;
    int32_t e = findMatches(subject, false, matches);
    found = !matches.empty();
    return e;
}

int32_t RegExp::execute(const std::u16string& subject, Variant& result) {
    std::vector<std::vector<Span>> matches;
    if (int32_t e = findMatches(subject, global_, matches)) return e;
    std::vector<Variant> objects;
    objects.reserve(matches.size());
    for (const auto& match : matches) {
        std::vector<Variant> groups;
        groups.reserve(match.size() - 1);
        for (size_t g = 1; g < match.size(); ++g)
            groups.push_back(match[g].start == kUnset ? Variant()
                                                      : Variant::string(slice(subject, match[g].start, match[g].end)));
        auto* object = new Match(slice(subject, match[0].start, match[0].end),
                                 static_cast<int32_t>(match[0].start), std::move(groups));
        objects.push_back(Variant::object(object));
    }
    result = Variant::object(new MatchCollection(std::move(objects)));
    return 0;
}

int32_t RegExp::replace(const std::u16string& subject, const std::u16string& replacement, std::u16string& out) {
    std::vector<std::vector<Span>> matches;
    if (int32_t e = findMatches(subject, global_, matches)) return e;
    out.clear();
    size_t copied = 0;  // subject[0, copied) is already in `out` or replaced
    for (const auto& match : matches) {
        out.append(subject, copied, match[0].start - copied);
        appendReplacement(out, replacement, subject, match);
        copied = match[0].end;
    }
    out.append(subject, copied);
    return 0;
}

// ---- RegExp: the script interface -----------------------------------------------------

namespace {
// RegExp has no default member; numbering starts after kDefaultMember.
enum RegExpMember : int32_t {
    kPattern = 1,
    kGlobal,
    kIgnoreCase,
    kMultiline,
    kTest,
    kExecute,
    kReplace,
};
constexpr std::array<const char16_t*, 8> kRegExpNames{nullptr,     u"Pattern", u"Global",  u"IgnoreCase",
                                                      u"Multiline", u"Test",    u"Execute", u"Replace"};

// Reads argument `i` as text (CStr's rules). The methods take strings, and
// Null is no string: that is a type mismatch rather than CStr's 94.
int32_t textArg(Args& args, int i, std::u16string& out) {
    if (args.at(i).isNull()) return err::TypeMismatch;
    return ops::toString(args.at(i), out);
}

// Replace's replacement text: a Boolean is written as its number ("-1"),
// not its name, as the Replace function writes it.
int32_t replacementArg(Args& args, int i, std::u16string& out) {
    const Variant& v = args.at(i);
    if (v.type() == VarType::Boolean) {
        out = v.asBoolean() ? u"-1" : u"0";
        return 0;
    }
    return textArg(args, i, out);
}
}  // namespace

int32_t RegExp::findMember(std::u16string_view name) { return lookUp(kRegExpNames, name); }

// Global, IgnoreCase, Multiline: Boolean properties; the last two change the
// compiled pattern.
int32_t RegExp::invokeFlag(bool& flag, bool recompile, InvokeKind kind, Args args, Variant& result) {
    if (isReadKind(kind)) {
        if (args.size() != 0) return err::WrongArgCount;
        result = Variant::boolean(flag);
        return 0;
    }
    if (kind != InvokeKind::Let || args.size() != 1) return err::WrongArgCount;
    bool on = false;
    if (int32_t e = ops::toBoolean(args.at(0), on)) return e;
    if (recompile && on != flag) forgetCompiled();
    flag = on;
    return 0;
}

int32_t RegExp::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext&) {
    switch (member) {
    case kPattern:
        if (isReadKind(kind)) {
            if (args.size() != 0) return err::WrongArgCount;
            result = Variant::string(pattern_);
            return 0;
        } else {
            if (kind != InvokeKind::Let || args.size() != 1) return err::WrongArgCount;
            std::u16string pattern;
            if (int32_t e = textArg(args, 0, pattern)) return e;
            setPattern(std::move(pattern));
            return 0;
        }
    case kGlobal: return invokeFlag(global_, false, kind, args, result);
    case kIgnoreCase: return invokeFlag(ignoreCase_, true, kind, args, result);
    case kMultiline: return invokeFlag(multiline_, true, kind, args, result);
    default: break;
    }

    if (member < kTest || member > kReplace || !isReadKind(kind)) return err::MemberNotSupported;
    int wantArgs = member == kReplace ? 2 : 1;
    if (args.size() != wantArgs) return err::WrongArgCount;
    std::u16string subject;
    if (int32_t e = textArg(args, 0, subject)) return e;

    if (member == kTest) {
        bool found = false;
        if (int32_t e = test(subject, found)) return e;
        result = Variant::boolean(found);
        return 0;
    }
    if (member == kExecute) return execute(subject, result);

    std::u16string replacement, replaced;
    if (int32_t e = replacementArg(args, 1, replacement)) return e;
    if (int32_t e = replace(subject, replacement, replaced)) return e;
    result = Variant::string(std::move(replaced));
    return 0;
}

}  // namespace vbs
