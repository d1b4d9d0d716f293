// System.Collections.SortedList: values filed under keys that are kept in
// order (compareItems: numbers by value, texts in culture order), so they
// can be reached by key and by position (GetKey(i), GetByIndex(i)).
#include <algorithm>
#include <memory>

#include "host/culture_text_order.h"
#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

// Text keys carry their culture sort key, made once, so that a search
// compares keys without making them again at every step.
std::vector<uint32_t> sortKeyOf(const Variant& key) {
    return key.isString() ? cultureSortKey(key.asString()) : std::vector<uint32_t>{};
}

struct Entry {
    Variant key;
    Variant value;
    std::vector<uint32_t> textKey;
};

Ordering compareKeys(const Entry& entry, const Variant& key, const std::vector<uint32_t>& textKey) {
    if (!entry.key.isString() || !key.isString()) return compareItems(entry.key, key);
    auto order = entry.textKey <=> textKey;
    return {true, order < 0 ? -1 : order > 0 ? 1 : 0};
}

struct Position {
    size_t index = 0;  // where the key is, or where it would go
    bool found = false;
};

struct SortedState {
    // In key order. An insertion moves every entry after it, so entries
    // are held by pointer: moving a pointer costs less than moving two values.
    std::vector<std::unique_ptr<Entry>> entries;

    // Binary search; false when the key cannot be compared with those here.
    bool locate(const Variant& key, Position& at) const {
        std::vector<uint32_t> textKey = sortKeyOf(key);
        size_t low = 0, high = entries.size();
        while (low < high) {
            size_t middle = low + (high - low) / 2;
            Ordering o = compareKeys(*entries[middle], key, textKey);
            if (!o.compared) return false;
            if (o.order == 0) { at = {middle, true}; return true; }
            if (o.order < 0) low = middle + 1;
            else high = middle;
        }
        at = {low, false};
        return true;
    }
    void insert(size_t at, const Variant& key, const Variant& value) {
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at),
                       std::make_unique<Entry>(Entry{key, value, sortKeyOf(key)}));
    }
    // What goes is released after the list is whole again.
    void removeAt(size_t at) {
        std::unique_ptr<Entry> removed = std::move(entries[at]);
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    }
    int32_t indexOfValue(const Variant& value) const {
        for (size_t i = 0; i < entries.size(); ++i)
            if (sameItem(entries[i]->value, value)) return static_cast<int32_t>(i);
        return -1;
    }
    std::vector<Variant> column(bool keys) const {
        std::vector<Variant> out;
        out.reserve(entries.size());
        for (const auto& e : entries) out.push_back(keys ? e->key : e->value);
        return out;
    }
};

using State = std::shared_ptr<SortedState>;

// Finds the key argument: not Empty, and comparable with the keys held
// (Null and objects compare with nothing, so they are never keys).
int32_t locateKey(const State& state, const Args& args, int i, CallContext& ctx, Position& at) {
    const Variant& key = args.at(i);
    if (isNullReference(key)) return fail(ctx, kNullKey);
    if (!state->locate(key, at) || !compareItems(key, key).compared) return fail(ctx, kCompareFailed);
    return 0;
}

void addKeyAccess(HostObject& list, const State& state) {
    list.property(
        u"Item",
        [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            Position at;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
            result = at.found ? state->entries[at.index]->value : Variant();  // a missing key reads as Empty
            return 0;
        },
        [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            Position at;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
            if (at.found) state->entries[at.index]->value = value;
            else state->insert(at.index, args.at(0), value);
            return 0;
        });
    list.setDefault(u"Item");
    list.method(u"Add", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        Position at;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
        if (at.found) return failDuplicateKey(ctx, args.at(0));
        state->insert(at.index, args.at(0), args.at(1));
        return 0;
    });
    list.method(u"Remove", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        Position at;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
        if (at.found) state->removeAt(at.index);
        return 0;
    });
    for (const char16_t* name : {u"ContainsKey", u"Contains"}) {
        list.method(name, [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            Position at;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
            result = Variant::boolean(at.found);
            return 0;
        });
    }
    list.method(u"IndexOfKey", [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
        Position at;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = locateKey(state, args, 0, ctx, at)) return e;
        result = Variant::long_(at.found ? static_cast<int32_t>(at.index) : -1);
        return 0;
    });
}

void addPositionAccess(HostObject& list, const State& state) {
    for (bool keys : {true, false}) {
        list.method(keys ? u"GetKey" : u"GetByIndex", [state, keys](Args args, Variant& result, CallContext& ctx) {
            size_t at = 0;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, state->entries.size(), ctx, at)) return e;
            result = keys ? state->entries[at]->key : state->entries[at]->value;
            return 0;
        });
    }
    list.method(u"SetByIndex", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readItemIndex(args, 0, state->entries.size(), ctx, at)) return e;
        state->entries[at]->value = args.at(1);
        return 0;
    });
    list.method(u"RemoveAt", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readItemIndex(args, 0, state->entries.size(), ctx, at)) return e;
        state->removeAt(at);
        return 0;
    });
}

void addValueQueries(HostObject& list, const State& state) {
    list.property(u"Count", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = countOf(state->entries.size());
        return 0;
    });
    list.method(u"ContainsValue", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        result = Variant::boolean(state->indexOfValue(args.at(0)) >= 0);
        return 0;
    });
    list.method(u"IndexOfValue", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        result = Variant::long_(state->indexOfValue(args.at(0)));
        return 0;
    });
    list.method(u"Clear", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::vector<std::unique_ptr<Entry>> removed = std::move(state->entries);
        state->entries.clear();
        return 0;
    });
}

void addViews(HostObject& list, const State& state) {
    for (bool keys : {true, false}) {
        auto view = [state, keys](Args args, Variant& result, CallContext&) {
            if (int32_t e = checkArgCount(args, 0)) return e;
            result = makeCollectionView(keys ? u"KeyList" : u"ValueList", [state, keys] { return state->column(keys); },
                                        true);
            return 0;
        };
        list.property(keys ? u"Keys" : u"Values", view);
        list.method(keys ? u"GetKeyList" : u"GetValueList", view);
    }
    list.enumerator([state](std::vector<Variant>& out, CallContext&) {
        out.clear();
        for (const auto& e : state->entries) out.push_back(makeDictionaryEntry(e->key, e->value));
        return 0;
    });
}

}  // namespace

Variant makeSortedList() {
    auto state = std::make_shared<SortedState>();
    auto* list = new HostObject(u"SortedList");
    Variant result = Variant::object(list);
    addKeyAccess(*list, state);
    addPositionAccess(*list, state);
    addValueQueries(*list, state);
    addViews(*list, state);
    return result;
}

}  // namespace talvoro::host::dotnet
