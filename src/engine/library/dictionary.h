// Scripting.Dictionary: a keyed collection that remembers the order in which
// keys arrived. Scripts use it as their hash map, so lookups must be cheap:
// entries live in a vector (that is the insertion order, and what Keys, Items
// and For Each walk) and an open-addressing table of positions in that vector
// finds them. A lookup hashes the script's key in place and compares it with
// the stored keys directly, so it allocates nothing. Removing an entry leaves
// a hole that the next compaction closes, so Remove does not shift the whole
// vector each time.
//
// Which keys are the same key: Integer 1, Long 1 and Double 1.0 are one
// number; the string "1" is a different key; objects are compared by
// identity; Empty and Null are keys of their own; in text mode (CompareMode
// 1) strings are compared without regard to case.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/object.h"
#include "engine/variant.h"

namespace vbs {

class Interpreter;

class Dictionary : public Dispatch {
public:
    // CompareMode values, as vbBinaryCompare and vbTextCompare.
    static constexpr int32_t kBinaryCompare = 0;
    static constexpr int32_t kTextCompare = 1;

    // A dictionary made by a script is known to its interpreter, which
    // empties it if it is still alive when the interpreter goes: a script can
    // store a dictionary in itself. One made from C++ may have no owner.
    explicit Dictionary(Interpreter* owner = nullptr);
    void forEachHeldValue(const std::function<void(const Variant&)>& visit) const override;
    void dropContents() override { removeAll(); }

    std::u16string typeName() const override { return u"Dictionary"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;
    int32_t enumerate(std::vector<Variant>& items, CallContext& ctx) override;

    // The operations behind the members, usable from C++ as well. Each
    // returns 0 or an error number.
    int32_t add(const Variant& key, const Variant& item);
    bool exists(const Variant& key) const;
    // Reading a missing key adds it with an Empty item, as scripts expect.
    int32_t item(const Variant& key, Variant& out);
    int32_t setItem(const Variant& key, const Variant& item);
    int32_t changeKey(const Variant& oldKey, const Variant& newKey);
    int32_t remove(const Variant& key);
    void removeAll();
    int32_t count() const { return liveCount_; }
    int32_t compareMode() const { return compareMode_; }
    int32_t setCompareMode(int32_t mode);
    Variant keys() const;
    Variant items() const;

protected:
    void destroy() override;

private:
    struct Entry {
        Variant key;    // as the script gave it (Keys returns these)
        Variant item;
        uint32_t hash = 0;
        bool removed = false;
    };
    // A slot of the table holds an entry's position or one of these, and a
    // copy of the entry's hash so that a probe past other keys does not
    // have to visit their entries.
    static constexpr uint32_t kFreeSlot = 0xFFFFFFFFu;
    static constexpr uint32_t kVacatedSlot = 0xFFFFFFFEu;  // was used: probing goes on past it
    struct Slot {
        uint32_t entry = kFreeSlot;
        uint32_t hash = 0;
    };

    // 0 if `key` can be a key; 445 for an array, which has no identity to key by.
    static int32_t checkKey(const Variant& key);
    uint32_t hashKey(const Variant& key) const;
    bool sameKey(const Variant& a, const Variant& b) const;
    // The slot that holds `key`'s entry, or -1.
    int64_t findSlot(const Variant& key, uint32_t hash) const;
    int32_t findEntry(const Variant& key) const;
    void append(const Variant& key, const Variant& item, uint32_t hash);
    // Puts an entry into the table; grows (or cleans) the table first when
    // the slots in use, live or vacated, would pass half of it.
    void placeEntry(uint32_t entryIndex);
    void insertSlot(uint32_t entryIndex);
    void rebuildTable(size_t slotCount);
    // Drops the holes Remove left once they outnumber the live entries.
    void compactIfSparse();

    int32_t invokeProperty(int32_t member, InvokeKind kind, Args args, Variant& result);

    std::vector<Entry> entries_;
    std::vector<Slot> slots_;  // size is a power of two, or 0
    size_t usedSlots_ = 0;         // live plus vacated
    int32_t liveCount_ = 0;
    int32_t compareMode_ = kBinaryCompare;
    Interpreter* owner_;
    std::shared_ptr<bool> ownerAlive_;
};

}  // namespace vbs
