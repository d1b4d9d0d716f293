// What the engine offers a script by name, for help while typing: every
// built-in function, constant, class and object, each with
// its argument list and a one-line description. The table lives beside the
// built-ins (library/builtin_catalog.cpp) and a test checks that every name
// the engine can call has an entry, so the help cannot fall behind the code.
#pragma once

#include <span>
#include <string_view>

namespace vbs {

enum class CatalogKind {
    Function,  // called with arguments: Sqr(number)
    Constant,  // vbCrLf, vbRed, ...
    Class,     // New RegExp, CreateObject("Scripting.Dictionary") (as its ProgID)
    Object,    // an object every script has without creating it: Err
};

struct CatalogEntry {
    std::u16string_view name;         // as documented: u"FormatNumber"
    std::u16string_view arguments;    // u"(expression[, digits])"; empty for constants
    std::u16string_view description;  // one line, no final full stop needed
    CatalogKind kind;
};

// Every entry, in no particular order.
std::span<const CatalogEntry> BuiltinCatalog();
// The entry for `name` (without regard to case), or nullptr.
const CatalogEntry* FindCatalogEntry(std::u16string_view name);

}  // namespace vbs
