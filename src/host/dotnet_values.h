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

// A failure of the class library as a script sees it through the COM bridge:
// the number is the HRESULT of the exception class, which reaches Err.Number
// as it is, except that an ArgumentException's E_INVALIDARG is reported as
// VBScript's own 5 "Invalid procedure call or argument", as every rejected
// argument of a COM object is. The description is the library's message, and
// Err.Source its assembly, so a script that prints the error learns what went
// wrong.
struct ClassFailure {
    int32_t number;
    const char16_t* text;
};

// ArgumentOutOfRangeException (0x80131502).
constexpr int32_t kArgumentOutOfRange = -2146233086;
// InvalidOperationException (0x80131509).
constexpr int32_t kInvalidOperation = -2146233079;
// ArgumentNullException (E_POINTER, 0x80004003).
constexpr int32_t kArgumentNull = -2147467261;
// ArgumentException (E_INVALIDARG), as VBScript numbers it.
constexpr int32_t kArgumentError = 5;

// Records the failure's number, text and source; returns its number.
int32_t fail(vbs::CallContext& ctx, const ClassFailure& failure);

// The class library's messages, word for word.
inline constexpr ClassFailure kIndexOutOfRange = {
    kArgumentOutOfRange, u"Index was out of range. Must be non-negative and less than the size of the collection."};
inline constexpr ClassFailure kInsertOutOfRange = {kArgumentOutOfRange,
                                                   u"Index must be within the bounds of the List."};
inline constexpr ClassFailure kNegativeNumber = {kArgumentOutOfRange, u"Non-negative number required."};
inline constexpr ClassFailure kBadRange = {
    kArgumentError,
    u"Offset and length were out of bounds for the array or count is greater than the number of elements from "
    u"index to the end of the source collection."};
inline constexpr ClassFailure kBadCount = {
    kArgumentOutOfRange, u"Count must be positive and count must refer to a location within the string/array/collection."};
inline constexpr ClassFailure kBiggerThanCollection = {kArgumentOutOfRange, u"Larger than collection size."};
inline constexpr ClassFailure kRangeChanged = {
    kInvalidOperation, u"This range in the underlying list is invalid. A possible cause is that elements were removed."};
inline constexpr ClassFailure kSmallCapacity = {kArgumentOutOfRange, u"capacity was less than the current size."};
inline constexpr ClassFailure kCompareFailed = {kInvalidOperation, u"Failed to compare two elements in the array."};
inline constexpr ClassFailure kNullKey = {kArgumentNull, u"Key cannot be null."};
inline constexpr ClassFailure kNullCollection = {kArgumentNull, u"Collection cannot be null."};

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
// Empty and Nothing: what the class library receives as no object (null).
inline bool isNullReference(const vbs::Variant& v) { return v.isEmpty() || v.isNothing(); }
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
