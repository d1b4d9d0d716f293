#include "engine/values/object_cycles.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vbs {

namespace {

// The graph of the tracked containers and of the arrays they hold (arrays
// are shared between holders, so they are nodes of their own). A node's
// `outside` starts at its reference count and loses one for each reference
// from another node; what is left comes from outside the graph.
class HeldGraph {
public:
    explicit HeldGraph(const std::vector<Dispatch*>& tracked) {
        for (Dispatch* c : tracked) nodes_[c] = Node{c->refCount(), c, nullptr};
        for (Dispatch* c : tracked) c->forEachHeldValue([this](const Variant& v) { discover(v); });
        for (auto& [key, node] : nodes_) forEachChild(node, [this](const void* child) { --nodes_[child].outside; });
    }

    // The nodes that a reference from outside reaches, directly or not.
    std::unordered_set<const void*> reachable() {
        std::unordered_set<const void*> seen;
        std::vector<const Node*> pending;
        for (auto& [key, node] : nodes_)
            if (node.outside > 0 && seen.insert(key).second) pending.push_back(&node);
        while (!pending.empty()) {
            const Node* node = pending.back();
            pending.pop_back();
            forEachChild(*node, [&](const void* child) {
                if (seen.insert(child).second) pending.push_back(&nodes_[child]);
            });
        }
        return seen;
    }

private:
    struct Node {
        int64_t outside = 0;
        Dispatch* container = nullptr;
        ArrayData* array = nullptr;
    };

    // Adds the arrays below `v` as nodes (containers are all known already).
    // A work list, not recursion: an array may be nested a million deep.
    void discover(const Variant& v) {
        std::vector<ArrayData*> pending;
        auto add = [&](const Variant& x) {
            if (!x.isArray()) return;
            ArrayData* a = x.asArray();
            if (nodes_.try_emplace(a, Node{a->refs, nullptr, a}).second) pending.push_back(a);
        };
        add(v);
        while (!pending.empty()) {
            ArrayData* a = pending.back();
            pending.pop_back();
            for (const Variant& e : a->elems) add(e);
        }
    }

    // Calls `visit` with each node that `node` holds a reference to, once
    // for every reference.
    template <typename Visit>
    void forEachChild(const Node& node, Visit visit) {
        auto visitValue = [&](const Variant& v) {
            const void* key = v.isArray() ? static_cast<const void*>(v.asArray())
                              : v.isObject() ? static_cast<const void*>(v.asObject())
                                             : nullptr;
            if (key && nodes_.count(key)) visit(key);
        };
        if (node.container) node.container->forEachHeldValue(visitValue);
        else for (const Variant& e : node.array->elems) visitValue(e);
    }

    std::unordered_map<const void*, Node> nodes_;
};

}  // namespace

std::vector<Dispatch*> unreachableContainers(const std::vector<Dispatch*>& tracked) {
    const std::unordered_set<const void*> kept = HeldGraph(tracked).reachable();
    std::vector<Dispatch*> garbage;
    for (Dispatch* c : tracked)
        if (!kept.count(c)) garbage.push_back(c);
    return garbage;
}

void emptyContainers(const std::vector<Dispatch*>& garbage) {
    // Held across the emptying, so that none is freed while another still
    // empties itself.
    for (Dispatch* c : garbage) c->addRef();
    for (Dispatch* c : garbage) c->dropContents();
    for (Dispatch* c : garbage) c->releaseRef();
}

}  // namespace vbs
