// System.Collections.Hashtable: values filed under keys, found by key in
// constant time. Keys are the same when sameItem says so (texts with their
// case). The class library promises no order for Keys, Values and For Each;
// this one keeps the order in which the keys were added.
#include <algorithm>
#include <list>
#include <memory>
#include <unordered_map>

#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

struct Entry {
    Variant key;
    Variant value;
};

struct TableState {
    std::list<Entry> entries;  // in the order they were added
    std::unordered_map<Variant, std::list<Entry>::iterator, ItemHash, SameItem> index;

    Entry* find(const Variant& key) {
        auto it = index.find(key);
        return it == index.end() ? nullptr : &*it->second;
    }
    void add(const Variant& key, const Variant& value) {
        entries.push_back(Entry{key, value});
        index.emplace(key, std::prev(entries.end()));
    }
    // What goes is released after the table is whole again, as the
    // release may run script code that uses it.
    void remove(const Variant& key) {
        auto it = index.find(key);
        if (it == index.end()) return;
        Entry removed = std::move(*it->second);
        entries.erase(it->second);
        index.erase(it);
    }
    void clear() {
        std::list<Entry> removed = std::move(entries);
        entries.clear();
        index.clear();
    }
    std::vector<Variant> column(bool keys) const {
        std::vector<Variant> out;
        out.reserve(entries.size());
        for (const Entry& e : entries) out.push_back(keys ? e.key : e.value);
        return out;
    }
};

using State = std::shared_ptr<TableState>;

// The key argument, which cannot be Empty (the class library's null).
int32_t readKey(const Args& args, int i, CallContext& ctx, const Variant*& key) {
    key = &args.at(i);
    return isNullReference(*key) ? fail(ctx, kNullKey) : 0;
}

void addItemAccess(HostObject& table, const State& state) {
    table.property(
        u"Item",
        [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            const Variant* key = nullptr;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readKey(args, 0, ctx, key)) return e;
            const Entry* entry = state->find(*key);
            result = entry ? entry->value : Variant();  // a missing key reads as Empty
            return 0;
        },
        [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            const Variant* key = nullptr;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readKey(args, 0, ctx, key)) return e;
            if (Entry* entry = state->find(*key)) entry->value = value;
            else state->add(*key, value);
            return 0;
        });
    table.setDefault(u"Item");
    table.method(u"Add", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        const Variant* key = nullptr;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readKey(args, 0, ctx, key)) return e;
        if (state->find(*key)) return failDuplicateKey(ctx, *key);
        state->add(*key, args.at(1));
        return 0;
    });
    table.method(u"Remove", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        const Variant* key = nullptr;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readKey(args, 0, ctx, key)) return e;
        state->remove(*key);
        return 0;
    });
    table.method(u"Clear", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        state->clear();
        return 0;
    });
}

void addQueries(HostObject& table, const State& state) {
    table.property(u"Count", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = countOf(state->entries.size());
        return 0;
    });
    for (const char16_t* name : {u"ContainsKey", u"Contains"}) {
        table.method(name, [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            const Variant* key = nullptr;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readKey(args, 0, ctx, key)) return e;
            result = Variant::boolean(state->find(*key) != nullptr);
            return 0;
        });
    }
    table.method(u"ContainsValue", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        const Variant& wanted = args.at(0);
        result = Variant::boolean(std::any_of(state->entries.begin(), state->entries.end(),
                                              [&](const Entry& e) { return sameItem(e.value, wanted); }));
        return 0;
    });
}

void addViews(HostObject& table, const State& state) {
    for (bool keys : {true, false}) {
        table.property(keys ? u"Keys" : u"Values", [state, keys](Args args, Variant& result, CallContext&) {
            if (int32_t e = checkArgCount(args, 0)) return e;
            result = makeCollectionView(keys ? u"KeyCollection" : u"ValueCollection",
                                        [state, keys] { return state->column(keys); }, false);
            return 0;
        });
    }
    table.enumerator([state](std::vector<Variant>& out, CallContext&) {
        out.clear();
        for (const Entry& e : state->entries) out.push_back(makeDictionaryEntry(e.key, e.value));
        return 0;
    });
}

}  // namespace

Variant makeHashtable() {
    auto state = std::make_shared<TableState>();
    auto* table = new HostObject(u"Hashtable");
    Variant result = Variant::object(table);
    addItemAccess(*table, state);
    addQueries(*table, state);
    addViews(*table, state);
    return result;
}

}  // namespace talvoro::host::dotnet
