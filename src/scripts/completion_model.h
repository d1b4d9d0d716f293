// Help while typing, without widgets: given a line (or block) of script and
// the caret, the name being typed there and the names that may complete it,
// each with its argument list and a one-line description. The names come
// from the engine's catalog of built-ins, the procedures and variables of the
// main engine, the window's named objects; after "Object.", that object's
// members (object_members.h, or those an instance of a script's Class
// declares); after "New", the classes the engine can make.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/script_engine.h"

namespace talvoro {

enum class CandidateKind { Function, Constant, Class, Procedure, Variable, Object, Method, Property };

struct Candidate {
    std::u16string name;
    std::u16string arguments;  // "(number)"; empty when it takes none
    std::u16string description;
    CandidateKind kind = CandidateKind::Function;
    // Called for its result with arguments: completing it types "(" too.
    bool opensBracket = false;

    std::u16string signature() const { return name + arguments; }
    // The name as a script writes it: in brackets when it is no plain name
    // ("[my var]").
    std::u16string asWritten() const;
    // Nothing has to go between its brackets: Now(), Rnd([number]); every
    // argument is optional, [bracketed].
    bool needsNoArguments() const;
};

// The name at a caret: where it starts and ends (the caret may stand inside
// it), the part before the caret, and the object named before a ".".
struct TypedWord {
    size_t start = 0;
    size_t end = 0;
    std::u16string prefix;
    std::u16string qualifier;  // "MainForm" in "MainForm.Dr"; empty without a "."
    bool afterNew = false;     // "Set p = New Po": only a class can follow
};

// The name being typed at `caret`, or nullopt where no name can be typed: in
// a string literal or a comment, in a number, after a chain "a.b." whose
// object cannot be known. An empty prefix is a name not begun yet.
std::optional<TypedWord> wordAt(std::u16string_view text, size_t caret);

class CompletionModel {
public:
    // The popup opens by itself once this many characters of a name are typed.
    static constexpr size_t kMinimumPrefix = 2;
    // A variable's value is shown in its description up to this many
    // characters: enough for a number or a short text, one line.
    static constexpr size_t kValuePreviewLength = 40;

    // `inScriptHost`: the engine's scripts run in the script host, which
    // gives them WScript; the window's do not.
    explicit CompletionModel(const vbs::ScriptEngine& engine, bool inScriptHost = false)
        : engine_(engine), inScriptHost_(inScriptHost) {}

    // The names that begin with what is typed at `caret` (without regard to
    // case), those matching its case first, then alphabetically. Without
    // `forced` (Ctrl+Space) nothing under kMinimumPrefix characters.
    std::vector<Candidate> complete(std::u16string_view text, size_t caret, bool forced) const;

    // The whole name under the caret, for F1.
    std::optional<Candidate> describe(std::u16string_view text, size_t caret) const;

private:
    std::vector<Candidate> candidatesFor(const TypedWord& word) const;
    std::vector<Candidate> globalNames() const;
    std::vector<Candidate> membersOf(std::u16string_view qualifier) const;
    std::vector<Candidate> classNames() const;

    const vbs::ScriptEngine& engine_;
    bool inScriptHost_;
};

}  // namespace talvoro
