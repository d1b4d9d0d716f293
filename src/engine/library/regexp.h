// Regular expressions for scripts: `New RegExp` and the objects its Execute
// returns. Patterns follow the JavaScript dialect scripts expect; PCRE2's
// 16-bit library does the matching directly on our UTF-16 strings, with the
// options that make it behave like that dialect.
//
//   RegExp           Pattern, Global, IgnoreCase, Multiline; Test, Execute, Replace
//   MatchCollection  what Execute returns: Count, Item(i) (default), For Each
//   Match            Value (default), FirstIndex (0-based), Length, SubMatches
//   SubMatches       the capture groups of a match: Count, Item(i), For Each
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/object.h"
#include "engine/variant.h"

// PCRE2's compiled pattern, kept opaque here so that only regexp.cpp sees
// the library's header.
struct pcre2_real_code_16;

namespace vbs {

// The capture groups of one match, in order; an unmatched group is Empty.
class SubMatches : public Dispatch {
public:
    explicit SubMatches(std::vector<Variant> groups) : groups_(std::move(groups)) {}

    std::u16string typeName() const override { return u"ISubMatches"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;
    int32_t enumerate(std::vector<Variant>& items, CallContext& ctx) override;

    const std::vector<Variant>& groups() const { return groups_; }

private:
    std::vector<Variant> groups_;
};

class Match : public Dispatch {
public:
    Match(std::u16string value, int32_t firstIndex, std::vector<Variant> groups);
    ~Match() override;

    std::u16string typeName() const override { return u"IMatch2"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;

    const std::u16string& value() const { return value_; }
    int32_t firstIndex() const { return firstIndex_; }
    // The same SubMatches object every time, as the script would expect.
    SubMatches* subMatches() const { return subMatches_; }

private:
    std::u16string value_;
    int32_t firstIndex_;
    SubMatches* subMatches_;  // one reference held
};

class MatchCollection : public Dispatch {
public:
    // `matches` holds Match objects.
    explicit MatchCollection(std::vector<Variant> matches) : matches_(std::move(matches)) {}

    std::u16string typeName() const override { return u"IMatchCollection2"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;
    int32_t enumerate(std::vector<Variant>& items, CallContext& ctx) override;

    int32_t count() const { return static_cast<int32_t>(matches_.size()); }

private:
    std::vector<Variant> matches_;
};

class RegExp : public Dispatch {
public:
    RegExp() = default;
    ~RegExp() override;
    RegExp(const RegExp&) = delete;
    RegExp& operator=(const RegExp&) = delete;

    std::u16string typeName() const override { return u"IRegExp2"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;

    // The operations behind the members. Each returns 0 or an error number
    // (5017 for a pattern that does not compile; 5018 to 5021 for a misplaced
    // quantifier, a missing "]", a missing ")" and a reversed range).
    void setPattern(std::u16string pattern);
    void setGlobal(bool on) { global_ = on; }
    void setIgnoreCase(bool on);
    void setMultiline(bool on);
    int32_t test(const std::u16string& subject, bool& found);
    int32_t execute(const std::u16string& subject, Variant& matches);
    int32_t replace(const std::u16string& subject, const std::u16string& replacement, std::u16string& out);

    // [start, end) of a match or of one of its capture groups, in UTF-16
    // code units; start == kUnset for a group that did not take part.
    struct Span {
        size_t start = 0;
        size_t end = 0;
    };
    static constexpr size_t kUnset = ~size_t{0};

private:
    // Compiles the pattern if it changed since the last use.
    int32_t ensureCompiled();
    void forgetCompiled();
    // Finds the first match, or every match when `all`; each match is the
    // span of the whole match followed by one span per capture group. After
    // an empty match the search moves on by one character, so it always ends.
    int32_t findMatches(const std::u16string& subject, bool all, std::vector<std::vector<Span>>& found);
    int32_t invokeFlag(bool& flag, bool recompile, InvokeKind kind, Args args, Variant& result);

    std::u16string pattern_;
    bool global_ = false;
    bool ignoreCase_ = false;
    bool multiline_ = false;
    pcre2_real_code_16* compiled_ = nullptr;
    bool compileFailed_ = false;
    int32_t compileError_ = 0;  // when compileFailed_: 5017, or 5018..5021 for the common mistakes
};

}  // namespace vbs
