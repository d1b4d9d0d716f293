// System.Collections.ArrayList: a list that grows as items are added, read
// and assigned by index (Item, the default member: `list(0) = 5`). GetRange
// answers a window on the list (dotnet_list_store.h), with the same members.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "host/dotnet_list_store.h"
#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

using State = std::shared_ptr<ListStore>;

// `call` behind the check every member of a window makes first: that its
// list has not changed under it. `value` is the result (a method, a read)
// or the value stored (an assignment).
template <typename Call>
auto guarded(const State& state, Call call) {
    return [state, call](Args args, auto& value, CallContext& ctx) -> int32_t {
        if (!state->usable()) return fail(ctx, kRangeChanged);
        return call(args, value, ctx);
    };
}

int32_t readCollection(const Args& args, int i, CallContext& ctx, std::vector<Variant>& items) {
    const Variant& given = args.at(i);
    if (given.isEmpty() || given.isNothing()) return fail(ctx, kNullCollection);
    int32_t error = 0;
    if (!itemsOfCollection(given, ctx, items, error)) return error ? error : vbs::err::TypeMismatch;
    return error;
}

void addItemAccess(HostObject& list, const State& state) {
    list.property(
        u"Item",
        guarded(state, [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            size_t at = 0;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, state->size(), ctx, at)) return e;
            result = state->at(at);
            return 0;
        }),
        guarded(state, [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            size_t at = 0;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, state->size(), ctx, at)) return e;
            state->assign(at, value);
            return 0;
        }));
    list.setDefault(u"Item");
    list.property(u"Count", guarded(state, [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = countOf(state->size());
        return 0;
    }));
    list.property(
        u"Capacity",
        guarded(state, [state](Args args, Variant& result, CallContext&) -> int32_t {
            if (int32_t e = checkArgCount(args, 0)) return e;
            result = countOf(state->capacity());
            return 0;
        }),
        guarded(state, [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            int32_t capacity = 0;
            if (int32_t e = checkArgCount(args, 0)) return e;
            if (int32_t e = vbs::ops::toLong(value, capacity)) return e;
            if (capacity < 0 || static_cast<size_t>(capacity) < state->size()) return fail(ctx, kSmallCapacity);
            state->setCapacity(static_cast<size_t>(capacity));
            return 0;
        }));
    list.enumerator([state](std::vector<Variant>& items, CallContext& ctx) {
        if (!state->usable()) return fail(ctx, kRangeChanged);
        items = state->all();
        return 0;
    });
}

void addGrowing(HostObject& list, const State& state) {
    list.method(u"Add", guarded(state, [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        state->insert(state->size(), {args.at(0)});
        result = countOf(state->size() - 1);
        return 0;
    }));
    list.method(u"AddRange", guarded(state, [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::vector<Variant> added;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readCollection(args, 0, ctx, added)) return e;
        state->insert(state->size(), std::move(added));
        return 0;
    }));
    auto readInsertIndex = [state](Args& args, CallContext& ctx, size_t& at) -> int32_t {
        int32_t index = 0;
        if (int32_t e = vbs::lib::readLong(args, 0, index)) return e;
        if (index < 0 || static_cast<size_t>(index) > state->size()) return fail(ctx, kInsertOutOfRange);
        at = static_cast<size_t>(index);
        return 0;
    };
    list.method(u"Insert", guarded(state, [state, readInsertIndex](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readInsertIndex(args, ctx, at)) return e;
        state->insert(at, {args.at(1)});
        return 0;
    }));
    list.method(u"InsertRange", guarded(state, [state, readInsertIndex](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        std::vector<Variant> added;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readInsertIndex(args, ctx, at)) return e;
        if (int32_t e = readCollection(args, 1, ctx, added)) return e;
        state->insert(at, std::move(added));
        return 0;
    }));
}

void addRemoving(HostObject& list, const State& state) {
    list.method(u"Remove", guarded(state, [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        int32_t at = state->find(args.at(0), false, 0, state->size());
        if (at >= 0) state->erase(static_cast<size_t>(at), 1);
        return 0;
    }));
    list.method(u"RemoveAt", guarded(state, [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readItemIndex(args, 0, state->size(), ctx, at)) return e;
        state->erase(at, 1);
        return 0;
    }));
    list.method(u"RemoveRange", guarded(state, [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t first = 0, count = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readRange(args, 0, state->size(), ctx, first, count)) return e;
        state->erase(first, count);
        return 0;
    }));
    list.method(u"Clear", guarded(state, [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        state->erase(0, state->size());
        return 0;
    }));
}

// IndexOf's start (0 to Count) and count (the items left from there, when
// given) as the part of the list to search.
int32_t readForwardSearch(const Args& args, size_t size, CallContext& ctx, size_t& first, size_t& count) {
    int32_t start = 0, length = 0;
    if (int32_t e = vbs::lib::readLong(args, 1, start)) return e;
    if (start < 0 || static_cast<size_t>(start) > size) return fail(ctx, kIndexOutOfRange);
    length = static_cast<int32_t>(size) - start;
    if (args.size() > 2)
        if (int32_t e = vbs::lib::readLong(args, 2, length)) return e;
    if (length < 0 || static_cast<size_t>(length) > size - static_cast<size_t>(start)) return fail(ctx, kBadCount);
    first = static_cast<size_t>(start);
    count = static_cast<size_t>(length);
    return 0;
}

// LastIndexOf's start (an item's index) and count (at most start + 1 items,
// searched back from start). Given a count, an empty list answers -1 for
// any start; without one, a start past the end fails even there.
int32_t readBackwardSearch(const Args& args, size_t size, CallContext& ctx, size_t& first, size_t& count) {
    int32_t start = 0, given = 0;
    if (int32_t e = vbs::lib::readLong(args, 1, start)) return e;
    if (args.size() == 2 && start >= 0 && static_cast<size_t>(start) >= size) return fail(ctx, kIndexOutOfRange);
    if (args.size() > 2)
        if (int32_t e = vbs::lib::readLong(args, 2, given)) return e;
    const int64_t length = args.size() > 2 ? given : int64_t{start} + 1;
    first = count = 0;
    if (size == 0) return 0;
    if (start < 0 || length < 0) return fail(ctx, kNegativeNumber);
    if (static_cast<size_t>(start) >= size || length > int64_t{start} + 1) return fail(ctx, kBiggerThanCollection);
    first = static_cast<size_t>(start - length + 1);
    count = static_cast<size_t>(length);
    return 0;
}

void addSearching(HostObject& list, const State& state) {
    list.method(u"Contains", guarded(state, [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        result = Variant::boolean(state->find(args.at(0), false, 0, state->size()) >= 0);
        return 0;
    }));
    // IndexOf(value[, start[, count]]) searches forward from start;
    // LastIndexOf(value[, start[, count]]) backward from start.
    for (bool last : {false, true}) {
        list.method(last ? u"LastIndexOf" : u"IndexOf", guarded(state, [state, last](Args args, Variant& result, CallContext& ctx) {
            size_t first = 0, count = state->size();
            if (int32_t e = checkArgCount(args, std::clamp(args.size(), 1, 3))) return e;
            if (args.size() > 1) {
                int32_t e = last ? readBackwardSearch(args, state->size(), ctx, first, count)
                                 : readForwardSearch(args, state->size(), ctx, first, count);
                if (e) return e;
            }
            result = Variant::long_(state->find(args.at(0), last, first, count));
            return 0;
        }));
    }
}

void addReordering(HostObject& list, const State& state) {
    list.method(u"Sort", guarded(state, [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::vector<Variant> items = state->all();
        bool sorted = sortItems(items);
        if (sorted) state->overwrite(0, std::move(items));
        return sorted ? 0 : fail(ctx, kCompareFailed);
    }));
    list.method(u"Reverse", guarded(state, [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::vector<Variant> items = state->all();
        std::reverse(items.begin(), items.end());
        state->overwrite(0, std::move(items));
        return 0;
    }));
}

Variant makeListObject(const State& state);

void addCopying(HostObject& list, const State& state) {
    list.method(u"ToArray", guarded(state, [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = arrayOf(state->all());
        return 0;
    }));
    list.method(u"GetRange", guarded(state, [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
        size_t first = 0, count = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readRange(args, 0, state->size(), ctx, first, count)) return e;
        result = makeListObject(std::make_shared<ListStore>(state, first, count));
        return 0;
    }));
}

Variant makeListObject(const State& state) {
    auto* list = new HostObject(u"ArrayList");
    Variant result = Variant::object(list);
    addItemAccess(*list, state);
    addGrowing(*list, state);
    addRemoving(*list, state);
    addSearching(*list, state);
    addReordering(*list, state);
    addCopying(*list, state);
    return result;
}

}  // namespace

Variant makeArrayList(std::vector<Variant> items) { return makeListObject(std::make_shared<ListStore>(std::move(items))); }

}  // namespace talvoro::host::dotnet
