// The members scripts can reach on the objects the window names (MainForm,
// DrawWin, ...) and on the kinds of object a variable may hold (Dictionary,
// FileSystemObject, RegExp, ...), each with its argument list and a one-line
// description, for help while typing. The objects themselves are built
// elsewhere (object_model.cpp, the host and the engine); a test checks every
// name here against the real objects, so the tables cannot name a member
// that does not exist.
#pragma once

#include <span>
#include <string_view>

namespace talvoro {

enum class MemberKind {
    Method,    // called as a statement: MainForm.DrawLine 0, 0, 10, 10
    Function,  // called for its result: MainForm.GetIVal("x")
    Property,  // read or assigned: MainForm.LastCmd
};

struct MemberEntry {
    std::u16string_view name;
    std::u16string_view arguments;  // "(x1, y1, x2, y2)"; empty for a property
    std::u16string_view description;
    MemberKind kind;
};

struct ObjectMembers {
    std::u16string_view name;  // the registered name, or the kind's TypeName
    std::u16string_view description;
    std::span<const MemberEntry> members;
    std::span<const MemberEntry> shared = {};  // members it has in common with other kinds
};

// The six objects the window registers, under their registered names.
std::span<const ObjectMembers> NamedObjectMembers();
// Kinds of object by what TypeName answers for them ("Dictionary",
// "IRegExp2", "TextStream", "ArrayList", "IWshShell3", ...), and the script
// host's WScript object.
std::span<const ObjectMembers> ObjectKindMembers();

// Lookups without regard to case; nullptr when unknown.
const ObjectMembers* FindNamedObject(std::u16string_view name);
const ObjectMembers* FindObjectKind(std::u16string_view typeName);

// The kind behind a name that is neither a named object of the window nor a
// variable but is always there for a script: "Err", and "WScript" when the
// scripts run `inScriptHost` (the window gives its scripts no WScript); empty
// for any other name.
std::u16string_view KindOfBuiltinObject(std::u16string_view name, bool inScriptHost);

}  // namespace talvoro
