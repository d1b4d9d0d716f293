// The catalog of built-ins shown while typing.
#include "engine/builtin_catalog.h"

#include "engine/object.h"

namespace vbs {

namespace {

constexpr CatalogEntry kEntries[] = {
    {u"Abs", u"(number)", u"Absolute value of a number", CatalogKind::Function},
    {u"Sqr", u"(number)", u"Square root of a number", CatalogKind::Function},
    {u"vbCrLf", u"", u"Carriage return and line feed", CatalogKind::Constant},
};

}  // namespace

std::span<const CatalogEntry> BuiltinCatalog() { return kEntries; }

const CatalogEntry* FindCatalogEntry(std::u16string_view name) {
    for (const CatalogEntry& entry : kEntries) {
        if (foldName(entry.name) == foldName(name)) return &entry;
    }
    return nullptr;
}

}  // namespace vbs
