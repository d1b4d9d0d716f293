// System.Collections.ArrayList: a list that grows as items are added, read
// and assigned by index (Item, the default member: `list(0) = 5`).
#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>

#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

// The room a new list makes at its first Add; it doubles whenever full.
// Capacity reports it, as the class library's list does.
constexpr size_t kFirstCapacity = 4;

struct ListState {
    // A deque, so that taking items off the front (RemoveAt 0, a list used
    // as a queue) and inserting there cost no more than at the end.
    std::deque<Variant> items;
    size_t capacity = 0;

    void makeRoomFor(size_t count) {
        if (count <= capacity) return;
        capacity = std::max(capacity == 0 ? kFirstCapacity : capacity * 2, count);
    }
    void insert(size_t at, std::vector<Variant> added) {
        makeRoomFor(items.size() + added.size());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    }
    // The removed items are released when this returns, after the list is
    // whole again: releasing an object may run script code that uses it.
    void erase(size_t first, size_t count) {
        auto begin = items.begin() + static_cast<std::ptrdiff_t>(first);
        auto end = begin + static_cast<std::ptrdiff_t>(count);
        std::vector<Variant> removed(std::make_move_iterator(begin), std::make_move_iterator(end));
        items.erase(begin, end);
    }
    // The position of the first (or last) item equal to `value` among the
    // `count` items from `first` on, or -1.
    int32_t find(const Variant& value, bool last, size_t first, size_t count) const {
        for (size_t n = 0; n < count; ++n) {
            size_t i = first + (last ? count - 1 - n : n);
            if (sameItem(items[i], value)) return static_cast<int32_t>(i);
        }
        return -1;
    }
    int32_t find(const Variant& value, bool last) const { return find(value, last, 0, items.size()); }
};

using State = std::shared_ptr<ListState>;

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
        [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
            size_t at = 0;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, state->items.size(), ctx, at)) return e;
            result = state->items[at];
            return 0;
        },
        [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            size_t at = 0;
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, state->items.size(), ctx, at)) return e;
            state->items[at] = value;
            return 0;
        });
    list.setDefault(u"Item");
    list.property(u"Count", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = countOf(state->items.size());
        return 0;
    });
    list.property(
        u"Capacity",
        [state](Args args, Variant& result, CallContext&) -> int32_t {
            if (int32_t e = checkArgCount(args, 0)) return e;
            result = countOf(state->capacity);
            return 0;
        },
        [state](Args args, const Variant& value, CallContext& ctx) -> int32_t {
            int32_t capacity = 0;
            if (int32_t e = checkArgCount(args, 0)) return e;
            if (int32_t e = vbs::ops::toLong(value, capacity)) return e;
            if (capacity < 0 || static_cast<size_t>(capacity) < state->items.size()) return fail(ctx, kSmallCapacity);
            state->capacity = static_cast<size_t>(capacity);
            return 0;
        });
    list.enumerator([state](std::vector<Variant>& items, CallContext&) {
        items.assign(state->items.begin(), state->items.end());
        return 0;
    });
}

void addGrowing(HostObject& list, const State& state) {
    list.method(u"Add", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        state->insert(state->items.size(), {args.at(0)});
        result = countOf(state->items.size() - 1);
        return 0;
    });
    list.method(u"AddRange", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::vector<Variant> added;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readCollection(args, 0, ctx, added)) return e;
        state->insert(state->items.size(), std::move(added));
        return 0;
    });
    auto readInsertIndex = [state](Args& args, CallContext& ctx, size_t& at) -> int32_t {
        int32_t index = 0;
        if (int32_t e = vbs::lib::readLong(args, 0, index)) return e;
        if (index < 0 || static_cast<size_t>(index) > state->items.size()) return fail(ctx, kInsertOutOfRange);
        at = static_cast<size_t>(index);
        return 0;
    };
    list.method(u"Insert", [state, readInsertIndex](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readInsertIndex(args, ctx, at)) return e;
        state->insert(at, {args.at(1)});
        return 0;
    });
    list.method(u"InsertRange", [state, readInsertIndex](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        std::vector<Variant> added;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readInsertIndex(args, ctx, at)) return e;
        if (int32_t e = readCollection(args, 1, ctx, added)) return e;
        state->insert(at, std::move(added));
        return 0;
    });
}

void addRemoving(HostObject& list, const State& state) {
    list.method(u"Remove", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        int32_t at = state->find(args.at(0), false);
        if (at >= 0) state->erase(static_cast<size_t>(at), 1);
        return 0;
    });
    list.method(u"RemoveAt", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t at = 0;
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = readItemIndex(args, 0, state->items.size(), ctx, at)) return e;
        state->erase(at, 1);
        return 0;
    });
    list.method(u"RemoveRange", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        size_t first = 0, count = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readRange(args, 0, state->items.size(), ctx, first, count)) return e;
        state->erase(first, count);
        return 0;
    });
    list.method(u"Clear", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        state->erase(0, state->items.size());
        return 0;
    });
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
// searched back from start); nothing to search in an empty list.
int32_t readBackwardSearch(const Args& args, size_t size, CallContext& ctx, size_t& first, size_t& count) {
    int32_t start = 0, given = 0;
    if (int32_t e = vbs::lib::readLong(args, 1, start)) return e;
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
    list.method(u"Contains", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        result = Variant::boolean(state->find(args.at(0), false) >= 0);
        return 0;
    });
    // IndexOf(value[, start[, count]]) searches forward from start;
    // LastIndexOf(value[, start[, count]]) backward from start.
    for (bool last : {false, true}) {
        list.method(last ? u"LastIndexOf" : u"IndexOf", [state, last](Args args, Variant& result, CallContext& ctx) {
            size_t first = 0, count = state->items.size();
            if (int32_t e = checkArgCount(args, std::clamp(args.size(), 1, 3))) return e;
            if (args.size() > 1) {
                int32_t e = last ? readBackwardSearch(args, state->items.size(), ctx, first, count)
                                 : readForwardSearch(args, state->items.size(), ctx, first, count);
                if (e) return e;
            }
            result = Variant::long_(state->find(args.at(0), last, first, count));
            return 0;
        });
    }
}

void addReordering(HostObject& list, const State& state) {
    list.method(u"Sort", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::vector<Variant> items(std::make_move_iterator(state->items.begin()),
                                   std::make_move_iterator(state->items.end()));
        bool sorted = sortItems(items);
        state->items.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
        return sorted ? 0 : fail(ctx, kCompareFailed);
    });
    list.method(u"Reverse", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::reverse(state->items.begin(), state->items.end());
        return 0;
    });
}

void addCopying(HostObject& list, const State& state) {
    list.method(u"ToArray", [state](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = arrayOf({state->items.begin(), state->items.end()});
        return 0;
    });
    list.method(u"GetRange", [state](Args args, Variant& result, CallContext& ctx) -> int32_t {
        size_t first = 0, count = 0;
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = readRange(args, 0, state->items.size(), ctx, first, count)) return e;
        auto begin = state->items.begin() + static_cast<std::ptrdiff_t>(first);
        result = makeArrayList(std::vector<Variant>(begin, begin + static_cast<std::ptrdiff_t>(count)));
        return 0;
    });
}

}  // namespace

Variant makeArrayList(std::vector<Variant> items) {
    auto state = std::make_shared<ListState>();
    state->capacity = items.size();
    state->items.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
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

}  // namespace talvoro::host::dotnet
