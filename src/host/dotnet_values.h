// How the .NET collection classes that scripts create (ArrayList, Stack,
// Queue, Hashtable, SortedList) see the values scripts give them: when two
// values are the same item, how a Hashtable files a key, in which order Sort
// and a SortedList put values, and the errors those classes raise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/host_object.h"

namespace talvoro::host::dotnet {

// The number every failure of these classes raises: 5 "Invalid procedure
// call or argument", what Windows reports for a rejected argument, with the
// class library's own description (and its assembly as Err.Source) so a
// script that prints the error learns what went wrong.
constexpr int32_t kClassError = 5;

// Records one of the texts below and returns kClassError.
int32_t fail(vbs::CallContext& ctx, std::u16string description);

// The class library's messages, word for word.
inline constexpr char16_t kIndexOutOfRange[] =
    u"Index was out of range. Must be non-negative and less than the size of the collection.";
inline constexpr char16_t kInsertOutOfRange[] = u"Index must be within the bounds of the List.";
inline constexpr char16_t kNegativeNumber[] = u"Non-negative number required.";
inline constexpr char16_t kBadRange[] =
    u"Offset and length were out of bounds for the array or count is greater than the number of elements from "
    u"index to the end of the source collection.";
inline constexpr char16_t kSmallCapacity[] = u"capacity was less than the current size.";
inline constexpr char16_t kCompareFailed[] = u"Failed to compare two elements in the array.";
inline constexpr char16_t kNullKey[] = u"Key cannot be null.";
inline constexpr char16_t kNullCollection[] = u"Collection cannot be null.";

// "Item has already been added. Key in dictionary: 'k'  Key being added: 'k'"
int32_t failDuplicateKey(vbs::CallContext& ctx, const vbs::Variant& key);

// Whether two values are the same item (Contains, IndexOf, Remove, keys).
// The class library asks Object.Equals, under which the Integer 1 and the
// Long 1 differ. Scripts rarely choose their numbers' subtypes (1 is an
// Integer, 100000 a Long, a Double comes from any division), so numbers of
// every subtype are the same item when their values are equal, as VBScript's
// `=` has it. Everything else follows Equals: texts match exactly (case
// counts), Booleans and dates only their own kind, objects by identity;
// Empty matches Empty and Null matches Null; an array never matches, since
// each call hands the class library a fresh copy.
bool sameItem(const vbs::Variant& a, const vbs::Variant& b);
// A hash that agrees with sameItem.
size_t itemHash(const vbs::Variant& v);

struct ItemHash {
    size_t operator()(const vbs::Variant& v) const { return itemHash(v); }
};
struct SameItem {
    bool operator()(const vbs::Variant& a, const vbs::Variant& b) const { return sameItem(a, b); }
};

// The order of Sort and of a SortedList's keys: Empty first, numbers by value
// (of any subtype, as sameItem), texts in culture order (culture_text_order.h),
// Booleans False first, dates by time. Values of two different kinds, Null,
// objects and arrays cannot be compared: `compared` is false then.
struct Ordering {
    bool compared = true;
    int order = 0;  // < 0, 0, > 0
};
Ordering compareItems(const vbs::Variant& a, const vbs::Variant& b);

// Sorts `items` in that order, keeping equal items in their order; false
// (and `items` untouched) when two of them cannot be compared.
bool sortItems(std::vector<vbs::Variant>& items);

// A VBScript array (lower bound 0) of `items`.
vbs::Variant arrayOf(std::vector<vbs::Variant> items);

// The items of a collection a script passes to AddRange: a VBScript array
// (every element, in index order) or any object For Each can walk. False for
// anything else (Nothing included). `error` is the enumeration's own failure.
bool itemsOfCollection(const vbs::Variant& collection, vbs::CallContext& ctx, std::vector<vbs::Variant>& items,
                       int32_t& error);

}  // namespace talvoro::host::dotnet
