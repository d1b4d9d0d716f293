// Releasing a value releases what it holds: an array its elements, a class
// instance its fields, a dictionary its items. Done by plain recursion, an
// array nested a million deep (`a = Array(a)` in a loop) or a long linked
// list of instances takes a million nested C++ calls to free and overflows
// the stack. Releases nest normally up to kMaxNestedReleases levels, so
// every ordinary structure is freed, and runs its Class_Terminate code, in
// the same order as ever; deeper ones are queued, and the outermost release
// frees the queue, first in first out, before it returns. A linked list is
// thus still freed head first; only a structure deeper than the limit sees
// the parts past it freed after its shallower siblings.
#include <deque>

#include "engine/variant.h"

namespace vbs {

namespace {

// Deep enough that no structure a script builds by hand reaches it, so its
// release order stays the plain depth-first one; shallow enough that this
// many nested releases, each of which may run a Class_Terminate's frames,
// stay far inside the interpreter's stack budget (kStackBudgetBytes).
constexpr int kMaxNestedReleases = 256;

struct Pending {
    Object* object = nullptr;
    ArrayData* array = nullptr;
};

thread_local int t_depth = 0;
thread_local std::deque<Pending> t_pending;

struct Nested {
    Nested() { ++t_depth; }
    ~Nested() { --t_depth; }
};

void freeNow(const Pending& p) {
    Nested nested;
    if (p.object) destroyObjectNow(p.object);
    else delete p.array;
}

void release(const Pending& p) {
    if (t_depth >= kMaxNestedReleases) {
        t_pending.push_back(p);
        return;
    }
    freeNow(p);
    if (t_depth > 0) return;
    while (!t_pending.empty()) {
        Pending next = t_pending.front();
        t_pending.pop_front();
        freeNow(next);
    }
}

}  // namespace

void destroyObjectNow(Object* o) { o->destroy(); }

void releaseLastReference(Object* o) { release(Pending{o, nullptr}); }

void releaseLastReference(ArrayData* a) { release(Pending{nullptr, a}); }

}  // namespace vbs
