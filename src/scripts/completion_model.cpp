#include "scripts/completion_model.h"

#include <algorithm>
#include <set>

#include "engine/builtin_catalog.h"
#include "engine/conversions.h"
#include "engine/object.h"
#include "scripts/object_members.h"

namespace talvoro {

namespace {

bool isNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

char16_t lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool startsWithIgnoringCase(std::u16string_view name, std::u16string_view prefix) {
    if (prefix.size() > name.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (lower(name[i]) != lower(prefix[i])) return false;
    }
    return true;
}

// Case-insensitive order, the exact spelling breaking ties.
bool alphabetically(const Candidate& a, const Candidate& b) {
    const size_t n = std::min(a.name.size(), b.name.size());
    for (size_t i = 0; i < n; ++i) {
        if (lower(a.name[i]) != lower(b.name[i])) return lower(a.name[i]) < lower(b.name[i]);
    }
    if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
    return a.name < b.name;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// "Rem" followed by a blank at `i`: a comment, when a statement starts there.
bool remCommentAt(std::u16string_view text, size_t i, size_t upTo) {
    constexpr std::u16string_view kRem = u"rem";
    if (i + kRem.size() >= upTo) return false;  // the keyword itself is still being typed
    for (size_t k = 0; k < kRem.size(); ++k) {
        if (lower(text[i + k]) != kRem[k]) return false;
    }
    return isBlank(text[i + kRem.size()]);
}

// True when `upTo` of its line lies where no name of the scripts can be
// typed: in a string literal, a comment (' or Rem) or a [bracketed name].
// A statement starts at the line's start, after ":" and after the input
// line's "!" prefix (blanks before it are trimmed off before evaluation).
bool insideLiteralOrComment(std::u16string_view text, size_t upTo) {
    const size_t lineBreak = text.substr(0, upTo).find_last_of(u"\r\n");
    const size_t lineStart = lineBreak == std::u16string_view::npos ? 0 : lineBreak + 1;
    bool inString = false;
    bool inBrackets = false;
    bool statementStart = true;
    bool lineBegun = false;  // a character other than a blank came
    for (size_t i = lineStart; i < upTo; ++i) {
        const char16_t c = text[i];
        if (inString || inBrackets) {
            if (c == (inString ? u'"' : u']')) inString = inBrackets = false;
            continue;
        }
        if (c == u'\'') return true;
        if (statementStart && remCommentAt(text, i, upTo)) return true;
        inString = c == u'"';
        inBrackets = c == u'[';
        if (isBlank(c)) continue;
        statementStart = c == u':' || (c == u'!' && !lineBegun);
        lineBegun = true;
    }
    return inString || inBrackets;
}

// "&HF", "&O17": a name-like run right after "&" that is a number.
bool insideRadixNumber(std::u16string_view text, size_t start, size_t caret) {
    if (start == 0 || text[start - 1] != u'&' || start == caret) return false;
    const char16_t radix = lower(text[start]);
    if (radix != u'h' && radix != u'o') return false;
    for (size_t i = start + 1; i < caret; ++i) {
        const char16_t c = lower(text[i]);
        const bool digit = radix == u'h' ? (isDigit(c) || (c >= u'a' && c <= u'f')) : (c >= u'0' && c <= u'7');
        if (!digit) return false;
    }
    return true;
}

size_t nameStartBefore(std::u16string_view text, size_t position) {
    while (position > 0 && isNameChar(text[position - 1])) --position;
    return position;
}

// The keyword New, then blanks, right before `start` ("Set p = New Po").
bool followsNew(std::u16string_view text, size_t start) {
    size_t keywordEnd = start;
    while (keywordEnd > 0 && isBlank(text[keywordEnd - 1])) --keywordEnd;
    if (keywordEnd == start) return false;
    const size_t keywordStart = nameStartBefore(text, keywordEnd);
    if (keywordStart > 0 && text[keywordStart - 1] == u'.') return false;  // a member named New
    return vbs::namesEqual(text.substr(keywordStart, keywordEnd - keywordStart), u"New");
}

std::u16string u16(std::u16string_view text) { return std::u16string(text); }

std::u16string joined(const std::vector<std::u16string>& names) {
    std::u16string out;
    for (const std::u16string& name : names) out += (out.empty() ? u"" : u", ") + name;
    return out;
}

std::u16string typeNameOf(const vbs::Variant& value) {
    if (!value.isObject() || value.isNothing()) return {};
    const auto* object = dynamic_cast<const vbs::Dispatch*>(value.asObject());
    return object != nullptr ? object->typeName() : std::u16string();
}

// "= 6", "holds a Dictionary", "holds an array": what the variable holds now.
std::u16string valueDescription(const vbs::VariableInfo& variable) {
    const std::u16string what = variable.IsConstant ? u"Constant" : u"Variable";
    const vbs::Variant& value = variable.Value;
    if (value.isArray()) return what + u" holding an array";
    if (value.isNothing()) return what + u" holding Nothing";
    if (value.isObject()) return what + u" holding " + typeNameOf(value);
    std::u16string text;
    if (vbs::ops::toInvariantString(value, text) != 0) return what;
    // The list shows one line per name: line breaks and tabs become blanks.
    std::replace_if(text.begin(), text.end(), [](char16_t c) { return c < u' '; }, u' ');
    if (value.isString()) text = u"\"" + text + u"\"";
    if (text.size() > CompletionModel::kValuePreviewLength)
        text = text.substr(0, CompletionModel::kValuePreviewLength) + u"...";
    return what + u" = " + text;
}

Candidate fromCatalog(const vbs::CatalogEntry& entry) {
    Candidate c{u16(entry.name), u16(entry.arguments), u16(entry.description), CandidateKind::Function, false};
    switch (entry.kind) {
    case vbs::CatalogKind::Function:
        c.opensBracket = !entry.arguments.empty();
        break;
    case vbs::CatalogKind::Constant: c.kind = CandidateKind::Constant; break;
    case vbs::CatalogKind::Class: c.kind = CandidateKind::Class; break;
    case vbs::CatalogKind::Object: c.kind = CandidateKind::Object; break;
    }
    return c;
}

Candidate fromProcedure(const vbs::ProcedureInfo& procedure) {
    Candidate c;
    c.name = procedure.Name;
    c.kind = CandidateKind::Procedure;
    c.opensBracket = procedure.HasReturnValue;
    if (procedure.HasReturnValue || !procedure.ArgNames.empty()) c.arguments = u"(" + joined(procedure.ArgNames) + u")";
    c.description = procedure.HasReturnValue ? u"Function of the loaded scripts" : u"Sub of the loaded scripts";
    return c;
}

// A member an instance of a script's Class declares: "Function of class Point".
Candidate fromClassMember(const vbs::MemberInfo& member, const std::u16string& className) {
    Candidate c{member.name, {}, {}, CandidateKind::Method, false};
    const std::u16string arguments = u"(" + joined(member.argNames) + u")";
    if (!member.argNames.empty()) c.arguments = arguments;
    switch (member.shape) {
    case vbs::MemberShape::Property:
        c.kind = CandidateKind::Property;
        c.description = u"Property of class " + className;
        break;
    case vbs::MemberShape::Sub: c.description = u"Sub of class " + className; break;
    case vbs::MemberShape::Function:
        c.arguments = arguments;
        c.opensBracket = !member.argNames.empty();
        c.description = u"Function of class " + className;
        break;
    }
    return c;
}

Candidate fromMember(const MemberEntry& member) {
    Candidate c{u16(member.name), u16(member.arguments), u16(member.description), CandidateKind::Method, false};
    if (member.kind == MemberKind::Property) c.kind = CandidateKind::Property;
    c.opensBracket = member.kind == MemberKind::Function && !member.arguments.empty();
    return c;
}

}  // namespace

std::u16string Candidate::asWritten() const {
    const bool plain = !name.empty() && lower(name[0]) >= u'a' && lower(name[0]) <= u'z' &&
                       std::all_of(name.begin(), name.end(), isNameChar);
    return plain ? name : u"[" + name + u"]";
}

bool Candidate::needsNoArguments() const {
    std::u16string required;  // the arguments without their [optional] parts
    int depth = 0;
    for (char16_t c : arguments) {
        if (c == u'[') ++depth;
        else if (c == u']') --depth;
        else if (depth == 0) required += c;
    }
    return required.empty() || required == u"()";
}

std::optional<TypedWord> wordAt(std::u16string_view text, size_t caret) {
    if (caret > text.size()) return std::nullopt;
    TypedWord word;
    word.start = nameStartBefore(text, caret);
    word.end = caret;
    while (word.end < text.size() && isNameChar(text[word.end])) ++word.end;
    if (word.start < word.end && isDigit(text[word.start])) return std::nullopt;
    if (insideLiteralOrComment(text, word.start) || insideRadixNumber(text, word.start, caret)) return std::nullopt;
    word.prefix = u16(text.substr(word.start, caret - word.start));
    word.afterNew = followsNew(text, word.start);
    if (word.start == 0 || text[word.start - 1] != u'.') return word;
    // A member: the object's name stands right before the dot.
    const size_t dot = word.start - 1;
    const size_t objectStart = nameStartBefore(text, dot);
    if (objectStart == dot || isDigit(text[objectStart])) return std::nullopt;
    if (objectStart > 0 && text[objectStart - 1] == u'.') return std::nullopt;
    word.qualifier = u16(text.substr(objectStart, dot - objectStart));
    return word;
}

std::vector<Candidate> CompletionModel::complete(std::u16string_view text, size_t caret, bool forced) const {
    const std::optional<TypedWord> word = wordAt(text, caret);
    if (!word || (!forced && word->prefix.size() < kMinimumPrefix)) return {};
    std::vector<Candidate> matching;
    for (Candidate& c : candidatesFor(*word)) {
        if (startsWithIgnoringCase(c.name, word->prefix)) matching.push_back(std::move(c));
    }
    const std::u16string& prefix = word->prefix;
    std::stable_sort(matching.begin(), matching.end(), [&prefix](const Candidate& a, const Candidate& b) {
        const bool aExact = a.name.compare(0, prefix.size(), prefix) == 0;
        const bool bExact = b.name.compare(0, prefix.size(), prefix) == 0;
        if (aExact != bExact) return aExact;
        return alphabetically(a, b);
    });
    return matching;
}

std::optional<Candidate> CompletionModel::describe(std::u16string_view text, size_t caret) const {
    const std::optional<TypedWord> word = wordAt(text, caret);
    if (!word || word->start == word->end) return std::nullopt;
    const std::u16string_view name = text.substr(word->start, word->end - word->start);
    for (Candidate& c : candidatesFor(*word)) {
        if (vbs::namesEqual(c.name, name)) return std::move(c);
    }
    return std::nullopt;
}

std::vector<Candidate> CompletionModel::candidatesFor(const TypedWord& word) const {
    if (word.afterNew) return classNames();
    return word.qualifier.empty() ? globalNames() : membersOf(word.qualifier);
}

// The script's own names come first: a procedure or variable of the same
// name as a built-in hides it.
std::vector<Candidate> CompletionModel::globalNames() const {
    std::vector<Candidate> all;
    for (const vbs::ProcedureInfo& procedure : engine_.Procedures()) all.push_back(fromProcedure(procedure));
    for (const vbs::VariableInfo& variable : engine_.Variables()) {
        all.push_back(Candidate{variable.Name, {}, valueDescription(variable), CandidateKind::Variable, false});
    }
    for (const ObjectMembers& object : NamedObjectMembers()) {
        all.push_back(Candidate{u16(object.name), {}, u16(object.description), CandidateKind::Object, false});
    }
    for (const vbs::CatalogEntry& entry : vbs::BuiltinCatalog()) all.push_back(fromCatalog(entry));

    std::set<std::u16string> seen;
    std::vector<Candidate> unique;
    for (Candidate& c : all) {
        if (seen.insert(vbs::foldName(c.name)).second) unique.push_back(std::move(c));
    }
    return unique;
}

// The engine's own classes come with their catalog text; a script's Class
// of the same name is offered once, as New makes the engine's.
std::vector<Candidate> CompletionModel::classNames() const {
    std::vector<Candidate> classes;
    std::set<std::u16string> seen;
    for (const std::u16string& name : engine_.ClassNames()) {
        if (!seen.insert(vbs::foldName(name)).second) continue;
        const vbs::CatalogEntry* entry = vbs::FindCatalogEntry(name);
        const bool builtin = entry != nullptr && entry->kind == vbs::CatalogKind::Class;
        classes.push_back(Candidate{name, {}, builtin ? u16(entry->description) : u"Class of the loaded scripts",
                                    CandidateKind::Class, false});
    }
    return classes;
}

// The members of a named object, of Err (and WScript in the script host), or
// of the object a variable holds now: those an instance of a script's Class
// declares, or else those of its kind. A script Class answers TypeName with
// its own name, which may be a kind's too: of a variable's object only the
// members it really has are offered.
std::vector<Candidate> CompletionModel::membersOf(std::u16string_view qualifier) const {
    const ObjectMembers* object = FindNamedObject(qualifier);
    const std::u16string_view builtinKind = KindOfBuiltinObject(qualifier, inScriptHost_);
    if (object == nullptr && !builtinKind.empty()) object = FindObjectKind(builtinKind);
    vbs::Dispatch* held = nullptr;
    std::vector<vbs::VariableInfo> variables;  // keeps `held` alive
    if (object == nullptr) {
        variables = engine_.Variables();
        for (const vbs::VariableInfo& variable : variables) {
            if (!vbs::namesEqual(variable.Name, qualifier) || typeNameOf(variable.Value).empty()) continue;
            held = dynamic_cast<vbs::Dispatch*>(variable.Value.asObject());
        }
        if (held == nullptr) return {};
        std::vector<Candidate> declared;
        for (const vbs::MemberInfo& member : held->members())
            declared.push_back(fromClassMember(member, held->typeName()));
        if (!declared.empty()) return declared;
        object = FindObjectKind(held->typeName());
    }
    std::vector<Candidate> members;
    if (object == nullptr) return members;
    for (auto table : {object->members, object->shared}) {
        for (const MemberEntry& member : table) {
            if (held == nullptr || held->findMember(member.name) != vbs::kNoMember) members.push_back(fromMember(member));
        }
    }
    return members;
}

}  // namespace talvoro
