// System.Collections.Stack (last in, first out) and Queue (first in, first
// out). Both list their items in the order they would leave: ToArray and
// For Each give a Stack's top first and a Queue's front first.
#include <algorithm>
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

constexpr ClassFailure kStackEmpty = {kInvalidOperation, u"Stack empty."};
constexpr ClassFailure kQueueEmpty = {kInvalidOperation, u"Queue empty."};

// The items, the next to leave at the front.
using Items = std::shared_ptr<std::deque<Variant>>;

std::vector<Variant> inOrder(const Items& items) { return {items->begin(), items->end()}; }

// The members both classes have: Count, Clear, Contains, ToArray, For Each,
// Peek, and the one that takes the next item out (Pop, Dequeue).
void addCommonMembers(HostObject& object, const Items& items, const char16_t* takeName, const ClassFailure& whenEmpty) {
    object.property(u"Count", [items](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = countOf(items->size());
        return 0;
    });
    object.method(u"Clear", [items](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        std::deque<Variant> removed = std::move(*items);  // released once the collection is empty
        items->clear();
        return 0;
    });
    object.method(u"Contains", [items](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        const Variant& wanted = args.at(0);
        result = Variant::boolean(
            std::any_of(items->begin(), items->end(), [&](const Variant& item) { return sameItem(item, wanted); }));
        return 0;
    });
    object.method(u"ToArray", [items](Args args, Variant& result, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        result = arrayOf(inOrder(items));
        return 0;
    });
    object.enumerator([items](std::vector<Variant>& out, CallContext&) {
        out = inOrder(items);
        return 0;
    });
    object.method(u"Peek", [items, whenEmpty](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        if (items->empty()) return fail(ctx, whenEmpty);
        result = items->front();
        return 0;
    });
    object.method(takeName, [items, whenEmpty](Args args, Variant& result, CallContext& ctx) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        if (items->empty()) return fail(ctx, whenEmpty);
        result = std::move(items->front());
        items->pop_front();
        return 0;
    });
}

}  // namespace

Variant makeStack() {
    auto items = std::make_shared<std::deque<Variant>>();
    auto* stack = new HostObject(u"Stack");
    Variant result = Variant::object(stack);
    addCommonMembers(*stack, items, u"Pop", kStackEmpty);
    stack->method(u"Push", [items](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        items->push_front(args.at(0));
        return 0;
    });
    return result;
}

Variant makeQueue() {
    auto items = std::make_shared<std::deque<Variant>>();
    auto* queue = new HostObject(u"Queue");
    Variant result = Variant::object(queue);
    addCommonMembers(*queue, items, u"Dequeue", kQueueEmpty);
    queue->method(u"Enqueue", [items](Args args, Variant&, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 1)) return e;
        items->push_back(args.at(0));
        return 0;
    });
    return result;
}

}  // namespace talvoro::host::dotnet
