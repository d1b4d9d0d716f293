// The end of a script: when the interpreter goes away (the engine is
// destroyed or Reset), the objects the script made are released in a
// defined order, and each class instance gets its Class_Terminate:
//
//   1. the script's variables, in the order they were declared (a
//      Class_Terminate still sees the variables declared after its holder);
//   2. the class instances that only reference cycles keep, in the order
//      they were made: each runs its Class_Terminate, then the cycles are
//      emptied, which frees them;
//   3. steps 1 and 2 again while they find something, since a
//      Class_Terminate may store new objects (at most kMaxTeardownSweeps
//      times);
//   4. the named objects (Err, WScript, the application's objects), then,
//      with no script code running any more, whatever a Class_Terminate
//      left in cycles.
#include "engine/vm/interpreter.h"

#include <algorithm>
#include <unordered_set>

#include "engine/values/object_cycles.h"
#include "engine/vm/script_class.h"
#include "engine/vm/err_object.h"
#include "engine/values/work_meter.h"

namespace vbs {

namespace {
// A Class_Terminate that stores a new instance of its own class in a global
// would otherwise be run again for ever; after this many sweeps what is left
// is freed without its Class_Terminate.
constexpr int kMaxTeardownSweeps = 8;
}  // namespace

Interpreter::~Interpreter() {
    // A call in progress (an interpreter destroyed from inside a script) runs
    // no more script code: everything goes at once.
    if (callDepth_ == 0) endScript();
    shuttingDown_ = true;
    for (Dispatch* host : memberHosts_) host->releaseRef();
    memberHosts_.clear();
    globalValues_.clear();
    breakObjectCycles();
    // Only now: until here every freed container told liveObjects_ of its end.
    *alive_ = false;
}

void Interpreter::endScript() {
    beginOperation();  // the time limit holds for the Class_Terminate code too
    WorkMeterScope meter(ticks_);
    for (int sweep = 0; sweep < kMaxTeardownSweeps; ++sweep) {
        bool released = releaseScriptVariables();
        bool terminated = terminateUnreachable();
        if (!released && !terminated) break;
    }
}

// Step 1. Returns whether any variable held a value. A variable reads as
// Empty while the Class_Terminate its old value causes runs.
bool Interpreter::releaseScriptVariables() {
    bool released = false;
    // By index: a Class_Terminate may declare globals (ExecuteGlobal).
    for (size_t i = 0; i < globalValues_.size(); ++i) {
        if (globalInfos_[i].kind != GlobalKind::Variable || globalValues_[i].isEmpty()) continue;
        Variant old = std::move(globalValues_[i]);
        globalValues_[i].clear();
        released = true;
        old.clear();
    }
    return released;
}

std::vector<Dispatch*> Interpreter::liveContainers() const {
    std::vector<std::pair<uint64_t, Dispatch*>> byAge;
    byAge.reserve(liveObjects_.size());
    for (const auto& [object, made] : liveObjects_) byAge.emplace_back(made, object);
    std::sort(byAge.begin(), byAge.end());
    std::vector<Dispatch*> out;
    out.reserve(byAge.size());
    for (const auto& entry : byAge) out.push_back(entry.second);
    return out;
}

// Step 2. Returns whether it found any container only cycles hold.
bool Interpreter::terminateUnreachable() {
    std::vector<Dispatch*> garbage = unreachableContainers(liveContainers());
    if (garbage.empty()) return false;
    // Held while their Class_Terminate code runs, which may free other objects.
    for (Dispatch* c : garbage) c->addRef();
    for (Dispatch* c : garbage)
        if (auto* instance = dynamic_cast<ScriptObject*>(c)) instance->terminateOnce();
    // A Class_Terminate may have stored its object (or another) somewhere
    // reachable: only what is still unreachable, and has had its
    // Class_Terminate, is emptied now; the rest waits for the next sweep.
    const std::unordered_set<Dispatch*> terminated(garbage.begin(), garbage.end());
    std::vector<Dispatch*> done;
    for (Dispatch* c : unreachableContainers(liveContainers()))
        if (terminated.count(c)) done.push_back(c);
    emptyContainers(done);
    for (Dispatch* c : garbage) c->releaseRef();
    return true;
}

// Step 4: with shuttingDown_ set no Class_Terminate runs any more.
void Interpreter::breakObjectCycles() {
    std::vector<Dispatch*> live = liveContainers();
    freeUnreachableCycles(live);
}

}  // namespace vbs
