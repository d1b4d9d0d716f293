#include "engine/library/dictionary.h"

#include <array>
#include <cstring>

#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/library/text_support.h"
#include "engine/values/ops.h"

namespace vbs {

namespace {

// Member numbers. Item is the default member, so `d(k)` and `d.Item(k)` are
// the same call.
enum Member : int32_t {
    kItem = kDefaultMember,
    kAdd,
    kExists,
    kKeys,
    kItems,
    kRemove,
    kRemoveAll,
    kCount,
    kKey,
    kCompareMode,
};

struct MemberName {
    const char16_t* name;
    Member member;
};

constexpr std::array<MemberName, 10> kMembers{{
    {u"Item", kItem},
    {u"Add", kAdd},
    {u"Exists", kExists},
    {u"Keys", kKeys},
    {u"Items", kItems},
    {u"Remove", kRemove},
    {u"RemoveAll", kRemoveAll},
    {u"Count", kCount},
    {u"Key", kKey},
    {u"CompareMode", kCompareMode},
}};

// Numbers of every subtype become one double, so 1, 1& and 1.0 meet.
bool numericKeyValue(const Variant& v, double& out) {
    switch (v.type()) {
    case VarType::Integer: out = v.asInteger(); return true;
    case VarType::Long: out = v.asLong(); return true;
    case VarType::Single: out = v.asSingle(); return true;
    case VarType::Double: out = v.asDouble(); return true;
    case VarType::Currency: out = static_cast<double>(v.asCurrencyScaled()) / 10000.0; return true;
    case VarType::Date: out = v.asDate(); return true;
    case VarType::Byte: out = v.asByte(); return true;
    case VarType::Boolean: out = v.asBoolean() ? -1.0 : 0.0; return true;
    default: return false;
    }
}

Variant arrayOf(std::vector<Variant> elems) {
    auto* data = new ArrayData;
    data->counts.push_back(static_cast<uint32_t>(elems.size()));
    data->elems = std::move(elems);
    return Variant::adoptArray(data);
}

bool isReadKind(InvokeKind kind) { return kind == InvokeKind::Get || kind == InvokeKind::Method; }

// ---- key identity ------------------------------------------------------------

enum class KeyKind : uint8_t { Empty, Null, Number, Text, Object, Unusable };

KeyKind kindOf(const Variant& key, double& number) {
    if (numericKeyValue(key, number)) return KeyKind::Number;
    switch (key.type()) {
    case VarType::Empty: return KeyKind::Empty;
    case VarType::Null: return KeyKind::Null;
    case VarType::String: return KeyKind::Text;
    case VarType::Object: return KeyKind::Object;
    default: return KeyKind::Unusable;  // arrays and Error values have no identity
    }
}

// Spreads the bits of a 64-bit value over the 32 we keep (the finaliser of
// SplitMix64), so that consecutive numbers land far apart in the table.
uint32_t mix(uint64_t x) {
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    return static_cast<uint32_t>(x);
}

// Text mode compares keys as StrComp's text compare does, so both fold
// case with the same function.
char16_t foldChar(char16_t c) { return lib::toUpperChar(c); }

// FNV-1a over the code units, folded first in text mode so that keys that
// differ only in case hash alike.
uint32_t hashText(const std::u16string& text, bool fold) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char16_t c : text) {
        h ^= fold ? foldChar(c) : c;
        h *= 0x100000001B3ull;
    }
    return mix(h);
}

bool textEqualFolded(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && foldChar(a[i]) != foldChar(b[i])) return false;
    return true;
}

size_t tableSizeFor(size_t liveEntries) {
    // A quarter full after a rebuild, so the next rebuild is far off.
    size_t size = 16;
    while (size < liveEntries * 4) size *= 2;
    return size;
}

}  // namespace

Dictionary::Dictionary(Interpreter* owner) : owner_(owner) {
    if (owner_) {
        ownerAlive_ = owner_->aliveFlag();
        owner_->objectCreated(this);
    }
}

void Dictionary::forEachHeldValue(const std::function<void(const Variant&)>& visit) const {
    for (const Entry& e : entries_) {
        if (e.removed) continue;
        visit(e.key);  // an object can be a key
        visit(e.item);
    }
}

void Dictionary::destroy() {
    if (owner_ && *ownerAlive_) owner_->objectDestroyed(this);
    Dispatch::destroy();
}

int32_t Dictionary::checkKey(const Variant& key) {
    double unused = 0;
    return kindOf(key.deref(), unused) == KeyKind::Unusable ? err::ActionNotSupported : 0;
}

uint32_t Dictionary::hashKey(const Variant& key) const {
    double number = 0;
    switch (kindOf(key, number)) {
    case KeyKind::Number: {
        if (number == 0) number = 0;  // -0 and +0 are one key, so one hash
        uint64_t bits = 0;
        static_assert(sizeof bits == sizeof number);
        std::memcpy(&bits, &number, sizeof bits);
        return mix(bits);
    }
    case KeyKind::Text: return hashText(key.asString(), compareMode_ != kBinaryCompare);
    case KeyKind::Object: return mix(reinterpret_cast<uintptr_t>(key.asObject()));
    case KeyKind::Null: return 1;
    default: return 0;
    }
}

bool Dictionary::sameKey(const Variant& a, const Variant& b) const {
    double numberA = 0, numberB = 0;
    KeyKind kind = kindOf(a, numberA);
    if (kind != kindOf(b, numberB)) return false;
    switch (kind) {
    case KeyKind::Number: return numberA == numberB;
    case KeyKind::Text:
        return compareMode_ == kBinaryCompare ? a.asString() == b.asString()
                                              : textEqualFolded(a.asString(), b.asString());
    case KeyKind::Object: return a.asObject() == b.asObject();
    default: return true;  // Empty and Null each name one key
    }
}

// ---- the table of positions ----------------------------------------------------

int64_t Dictionary::findSlot(const Variant& key, uint32_t hash) const {
    if (slots_.empty()) return -1;
    size_t mask = slots_.size() - 1;
    // The table is never more than half used, so a free slot ends every probe.
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entry == kFreeSlot) return -1;
        if (slot.entry != kVacatedSlot && slot.hash == hash && sameKey(entries_[slot.entry].key, key))
            return static_cast<int64_t>(i);
    }
}

int32_t Dictionary::findEntry(const Variant& key) const {
    int64_t slot = findSlot(key, hashKey(key));
    return slot < 0 ? -1 : static_cast<int32_t>(slots_[static_cast<size_t>(slot)].entry);
}

void Dictionary::insertSlot(uint32_t entryIndex) {
    size_t mask = slots_.size() - 1;
    size_t i = entries_[entryIndex].hash & mask;
    while (slots_[i].entry != kFreeSlot && slots_[i].entry != kVacatedSlot) i = (i + 1) & mask;
    if (slots_[i].entry == kFreeSlot) ++usedSlots_;
    slots_[i] = Slot{entryIndex, entries_[entryIndex].hash};
}

void Dictionary::rebuildTable(size_t slotCount) {
    slots_.assign(slotCount, Slot{});
    usedSlots_ = 0;
    for (uint32_t i = 0; i < entries_.size(); ++i)
        if (!entries_[i].removed) insertSlot(i);
}

void Dictionary::placeEntry(uint32_t entryIndex) {
    // A rebuild places every live entry, this one included.
    if ((usedSlots_ + 1) * 2 > slots_.size()) rebuildTable(tableSizeFor(static_cast<size_t>(liveCount_)));
    else insertSlot(entryIndex);
}

void Dictionary::append(const Variant& key, const Variant& item, uint32_t hash) {
    entries_.push_back(Entry{key.deref(), item.deref(), hash, false});
    ++liveCount_;
    placeEntry(static_cast<uint32_t>(entries_.size() - 1));
}

void Dictionary::compactIfSparse() {
    size_t holes = entries_.size() - static_cast<size_t>(liveCount_);
    if (holes < 16 || holes < static_cast<size_t>(liveCount_)) return;
    std::vector<Entry> kept;
    kept.reserve(static_cast<size_t>(liveCount_));
    for (auto& entry : entries_)
        if (!entry.removed) kept.push_back(std::move(entry));
    entries_ = std::move(kept);
    // Positions moved, so the table is rebuilt.
    rebuildTable(tableSizeFor(static_cast<size_t>(liveCount_)));
}

// ---- the operations -------------------------------------------------------

int32_t Dictionary::add(const Variant& keyRef, const Variant& item) {
    const Variant& key = keyRef.deref();
    if (int32_t e = checkKey(key)) return e;
    uint32_t hash = hashKey(key);
    if (findSlot(key, hash) >= 0) return err::KeyAlreadyExists;
    append(key, item, hash);
    return 0;
}

bool Dictionary::exists(const Variant& keyRef) const {
    const Variant& key = keyRef.deref();
    return checkKey(key) == 0 && findEntry(key) >= 0;
}

int32_t Dictionary::item(const Variant& keyRef, Variant& out) {
    const Variant& key = keyRef.deref();
    if (int32_t e = checkKey(key)) return e;
    uint32_t hash = hashKey(key);
    int64_t slot = findSlot(key, hash);
    if (slot < 0) {
        append(key, Variant(), hash);
        out.clear();
        return 0;
    }
    out = entries_[slots_[static_cast<size_t>(slot)].entry].item;
    return 0;
}

int32_t Dictionary::setItem(const Variant& keyRef, const Variant& item) {
    const Variant& key = keyRef.deref();
    if (int32_t e = checkKey(key)) return e;
    uint32_t hash = hashKey(key);
    int64_t slot = findSlot(key, hash);
    if (slot < 0) {
        append(key, item, hash);
        return 0;
    }
    // The old item is released on return, when nothing here refers into
    // entries_ any more: releasing it may run script code that changes us.
    Variant& stored = entries_[slots_[static_cast<size_t>(slot)].entry].item;
    Variant old = std::move(stored);
    stored = item.deref();
    return 0;
}

int32_t Dictionary::changeKey(const Variant& oldRef, const Variant& newRef) {
    const Variant& oldKey = oldRef.deref();
    const Variant& newKey = newRef.deref();
    if (int32_t e = checkKey(oldKey)) return e;
    if (int32_t e = checkKey(newKey)) return e;
    int64_t slot = findSlot(oldKey, hashKey(oldKey));
    if (slot < 0) return err::ElementNotFound;
    uint32_t newHash = hashKey(newKey);
    if (findSlot(newKey, newHash) >= 0) return err::KeyAlreadyExists;
    // The entry keeps its place in the order; only its name changes.
    uint32_t at = slots_[static_cast<size_t>(slot)].entry;
    slots_[static_cast<size_t>(slot)].entry = kVacatedSlot;
    Variant oldKeyValue = std::move(entries_[at].key);  // released on return, as in setItem
    entries_[at].key = newKey;
    entries_[at].hash = newHash;
    placeEntry(at);
    return 0;
}

int32_t Dictionary::remove(const Variant& keyRef) {
    const Variant& key = keyRef.deref();
    if (int32_t e = checkKey(key)) return e;
    int64_t slot = findSlot(key, hashKey(key));
    if (slot < 0) return err::ElementNotFound;
    Entry& entry = entries_[slots_[static_cast<size_t>(slot)].entry];
    slots_[static_cast<size_t>(slot)].entry = kVacatedSlot;
    entry.removed = true;
    // The values are released when this function returns (an object item
    // goes away when removed), after the bookkeeping is consistent again:
    // releasing may run a class's Terminate code.
    Variant doomedKey = std::move(entry.key);
    Variant doomedItem = std::move(entry.item);
    --liveCount_;
    compactIfSparse();
    return 0;
}

void Dictionary::removeAll() {
    // Moved out first: releasing an item may run a class's Terminate code,
    // which must see the dictionary already empty.
    std::vector<Entry> old = std::move(entries_);
    entries_.clear();
    slots_.clear();
    usedSlots_ = 0;
    liveCount_ = 0;
}

int32_t Dictionary::setCompareMode(int32_t mode) {
    if (mode < 0 || liveCount_ > 0) return err::InvalidProcCall;
    compareMode_ = mode;
    return 0;
}

Variant Dictionary::keys() const {
    std::vector<Variant> out;
    out.reserve(static_cast<size_t>(liveCount_));
    for (const auto& entry : entries_)
        if (!entry.removed) out.push_back(entry.key);
    return arrayOf(std::move(out));
}

Variant Dictionary::items() const {
    std::vector<Variant> out;
    out.reserve(static_cast<size_t>(liveCount_));
    for (const auto& entry : entries_)
        if (!entry.removed) out.push_back(entry.item);
    return arrayOf(std::move(out));
}

// ---- the script interface ---------------------------------------------------

int32_t Dictionary::findMember(std::u16string_view name) {
    for (const auto& m : kMembers)
        if (namesEqual(name, m.name)) return m.member;
    return kNoMember;
}

int32_t Dictionary::enumerate(std::vector<Variant>& out, CallContext&) {
    out.clear();
    out.reserve(static_cast<size_t>(liveCount_));
    for (const auto& entry : entries_)
        if (!entry.removed) out.push_back(entry.key);
    return 0;
}

// Item, Key and CompareMode: properties that can be read and assigned.
int32_t Dictionary::invokeProperty(int32_t member, InvokeKind kind, Args args, Variant& result) {
    bool assigning = kind == InvokeKind::Let || kind == InvokeKind::Set;
    int wantArgs = (member == kCompareMode ? 0 : 1) + (assigning ? 1 : 0);
    if (args.size() != wantArgs) return err::WrongArgCount;

    switch (member) {
    case kItem:
        return assigning ? setItem(args.at(0), args.at(1)) : item(args.at(0), result);
    case kKey:
        // Key can only be assigned: d.Key(old) = new.
        if (kind != InvokeKind::Let) return err::MemberNotSupported;
        return changeKey(args.at(0), args.at(1));
    case kCompareMode: {
        if (!assigning) { result = Variant::long_(compareMode_); return 0; }
        int32_t mode = 0;
        if (int32_t e = ops::toLong(args.at(0), mode)) return e;
        return setCompareMode(mode);
    }
    default:
        return err::MemberNotSupported;
    }
}

int32_t Dictionary::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext&) {
    if (member == kItem || member == kKey || member == kCompareMode)
        return invokeProperty(member, kind, args, result);
    if (!isReadKind(kind)) return err::MemberNotSupported;

    switch (member) {
    case kAdd:
        if (args.size() != 2) return err::WrongArgCount;
        return add(args.at(0), args.at(1));
    case kExists:
        if (args.size() != 1) return err::WrongArgCount;
        result = Variant::boolean(exists(args.at(0)));
        return 0;
    case kRemove:
        if (args.size() != 1) return err::WrongArgCount;
        return remove(args.at(0));
    case kKeys:
    case kItems:
    case kRemoveAll:
    case kCount:
        if (args.size() != 0) return err::WrongArgCount;
        if (member == kKeys) result = keys();
        else if (member == kItems) result = items();
        else if (member == kCount) result = Variant::long_(liveCount_);
        else removeAll();
        return 0;
    default:
        return err::MemberNotSupported;
    }
}

}  // namespace vbs
