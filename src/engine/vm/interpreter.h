// The virtual machine: runs compiled procedures (bytecode.h) against one
// global scope. Script procedure calls nest C++ calls of `execute`, so the
// call depth is limited (kMaxCallDepth) and so is the C++ stack those calls
// use (kStackBudgetBytes); either limit raises error 28.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/compile/bytecode.h"
#include "engine/object.h"
#include "engine/script_engine.h"
#include "engine/script_error.h"

namespace vbs {

struct ClassInfo;
class ScriptObject;

// The array of `v` made ready for writing an element. Copy-on-write clones a
// shared array, except while an element of it is passed by reference
// (locks > 0): the reference must keep pointing into the array the variable
// holds, so the write goes to the shared array instead.
inline ArrayData* writableArray(Variant& v) {
    ArrayData* arr = v.asArray();
    return arr->locks > 0 ? arr : v.uniqueArray();
}

// The flat position of an array element from its subscripts; 9 when out of range.
int32_t elementOffset(const ArrayData& arr, Variant* args, int argc, size_t& offset);
class ErrObject;

// Deep enough for any sensible recursive script (VBScript itself allows a
// few thousand levels), low enough that the C++ frames of the nested calls
// stay far below an 8 MB stack even in an unoptimised build.
constexpr int kMaxCallDepth = 2500;
// The C++ stack the nested calls of one facade operation may use; checked
// on every script call, so a build with large frames gets error 28 instead
// of a crash, whatever the depth.
constexpr size_t kStackBudgetBytes = 4u * 1024u * 1024u;
// The most globals (variables, constants, procedures, classes, named
// objects) one interpreter holds. Their storage is reserved at once and never
// moves, as references into it must stay valid; the system commits its pages
// only as they are used, so the 1 MB reserved costs nothing until then. A
// calculator's library and session use a few hundred; a script that declares
// more stops with "Out of memory".
constexpr size_t kMaxGlobals = size_t{1} << 16;
// How many backward jumps and calls run between two readings of the clock
// for the time limit and the application's poll: the clock read costs far
// more than the countdown.
constexpr int32_t kTicksPerClockCheck = 4096;

enum class GlobalKind : uint8_t { Variable, Constant, Procedure, Class, Object };

struct GlobalInfo {
    std::u16string name;  // as first written; `[]` declares the empty name
    GlobalKind kind = GlobalKind::Variable;
    bool hidden = false;  // a compiler's temporary, found by no name
    Procedure* proc = nullptr;
    std::shared_ptr<ClassInfo> cls;
};

// A running procedure: its slots (parameters, locals, hidden temporaries)
// followed by its operand stack, and the error-handling mode.
struct Frame {
    const Procedure* proc = nullptr;
    Variant* slots = nullptr;
    Variant* stack = nullptr;
    ScriptObject* me = nullptr;
    int32_t pc = 0;               // where the frame is (its return address while it calls)
    bool resumeNext = false;
    Frame* caller = nullptr;
    // Set for a script call that runs inside the caller's execute() loop:
    // the caller's stack top and the slot block to give back on return.
    Variant* callerSp = nullptr;
    size_t savedBlock = 0;
    size_t savedUsed = 0;
    // Arrays whose elements were passed by reference in the statement being
    // run, each with the operand-stack place of its reference; unlocked when
    // the call they are arguments of returns, or the statement fails. A call
    // inside a later argument (`S a(1), F()`) unlocks only its own.
    struct LockedArray {
        ArrayData* array;
        const Variant* argument;
    };
    std::vector<LockedArray> locked;
    // Variables that Execute text declared in this call (`Execute "Dim a"`),
    // by folded name; made on first use, released when the call returns.
    // Map nodes never move, so references into them stay valid.
    std::unique_ptr<std::unordered_map<std::u16string, Variant>> executed;
    // An Execute/Eval frame: the procedure call whose scope it runs in.
    Frame* scopeOwner = nullptr;
    Frame& owner() { return scopeOwner ? *scopeOwner : *this; }
    Variant* executedVariable(const std::u16string& folded) {
        if (!executed) return nullptr;
        auto it = executed->find(folded);
        return it == executed->end() ? nullptr : &it->second;
    }
    void unlockArrays() {
        for (const LockedArray& l : locked) --l.array->locks;
        locked.clear();
    }
    // Unlocks the arrays of the arguments from `arguments` up: those of the
    // call that has returned, not those of calls still gathering theirs.
    void unlockArguments(const Variant* arguments) {
        while (!locked.empty() && locked.back().argument >= arguments) {
            --locked.back().array->locks;
            locked.pop_back();
        }
    }
};

// What a procedure body compiled by the compiler is bound to when the unit
// is committed: the global entry (or class) it belongs to.
struct CompiledUnit {
    std::unique_ptr<Procedure> main;  // global statements (or Eval's expression)
    std::vector<std::pair<int32_t, std::unique_ptr<Procedure>>> procedures;  // global index, body
    std::vector<std::pair<int32_t, std::shared_ptr<ClassInfo>>> classes;
    std::vector<const Procedure*> definitionOrder;  // for Procedures()
};

class Interpreter {
public:
    Interpreter();
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // ---- the global table (the compiler declares, the VM reads by index) ----
    int32_t findGlobal(std::u16string_view foldedName) const;
    int32_t declareGlobal(std::u16string_view name, GlobalKind kind, bool hidden = false);
    GlobalInfo& globalInfo(int32_t index) { return globalInfos_[static_cast<size_t>(index)]; }
    Variant& globalValue(int32_t index) { return globalValues_[static_cast<size_t>(index)]; }
    size_t globalCount() const { return globalInfos_.size(); }
    // Forgets globals declared after `mark` (a compilation that failed).
    void rollbackGlobals(size_t mark);
    // `count` consecutive nameless globals for global code's hidden slots
    // (Procedure::hiddenGlobals), and their return, emptied, once that code
    // has run or failed to compile. Instructions address a group of hidden
    // slots by its first (a For's end and step), so a group never comes
    // from two places.
    int32_t takeHiddenGlobals(int32_t count);
    void releaseHiddenGlobals(const std::vector<HiddenRun>& runs);
    // Objects added with their members reachable as bare names.
    bool hostMemberExists(std::u16string_view name);

    // ---- facade operations -----------------------------------------------------
    void addObject(std::u16string_view name, Dispatch* object, bool addMembers);
    // Compiles and runs source text at global scope (AddCode, ExecuteStatement).
    int32_t runGlobalText(std::u16string_view text);
    int32_t evalGlobalText(std::u16string_view text, Variant& result);
    int32_t runByName(std::u16string_view name, std::vector<Variant>& args, Variant& result);
    std::vector<ProcedureInfo> procedures() const;
    std::vector<VariableInfo> variables() const;
    std::vector<std::u16string> classNames() const;
    const ScriptError& lastError() const { return error_; }
    void setTimeout(int64_t ms) { timeoutMs_ = ms; }
    void setHostHooks(HostHooks hooks) { hooks_ = std::move(hooks); }
    void setPoll(ScriptEngine::Poll poll) { poll_ = std::move(poll); }
    const ScriptEngine::Poll& poll() const { return poll_; }
    // Plain mode: later compilations use no fused or specialised
    // instruction, and their handlers no inline fast path.
    void setPlain(bool plain) { plain_ = plain; }
    bool plain() const { return plain_; }
    // Stops the running operation at its next backward jump or call.
    void interrupt();
    // The countdown to the next reading of the clock, which long work charges
    // (work_meter.h) while an operation of this interpreter runs.
    int32_t& clockCountdown() { return ticks_; }
    bool stopping() const { return stopStatus_ != 0; }
    // Why the running operation stops (5050, 5052), 0 while it goes on. A
    // member that waited for the user returns it rather than a value, so the
    // statement that called it goes no further.
    int32_t stopStatus() const { return stopStatus_; }
    // The periodic check (time limit, poll) made at once, for a host member
    // that waits; answers stopStatus().
    int32_t checkClockNow() { return clockExpired() ? stopStatus_ : 0; }
    const HostHooks& hostHooks() const { return hooks_; }
    // CreateObject's ProgIDs offered by the application, by folded name.
    using ObjectTypes = std::unordered_map<std::u16string, ObjectFactory>;
    void registerObjectType(std::u16string_view progId, ObjectFactory factory) {
        objectTypes_[foldName(progId)] = std::move(factory);
    }
    const ObjectFactory* objectFactory(std::u16string_view progId) const {
        auto it = objectTypes_.find(foldName(progId));
        return it == objectTypes_.end() ? nullptr : &it->second;
    }
    const ObjectTypes& objectTypes() const { return objectTypes_; }
    void setObjectTypes(ObjectTypes types) { objectTypes_ = std::move(types); }

    // ---- services for built-ins (Eval, Execute, GetRef) ---------------------------
    int32_t evalInCurrentScope(std::u16string_view text, Variant& result, CallContext& ctx);
    int32_t executeInCurrentScope(std::u16string_view text, CallContext& ctx);
    int32_t executeGlobal(std::u16string_view text, CallContext& ctx);
    int32_t getRef(std::u16string_view name, Variant& result, CallContext& ctx);

    // ---- calls --------------------------------------------------------------------
    // Runs `proc` with `args` (Refs for ByRef arguments). `result` receives the
    // value of a Function or Property Get.
    int32_t callProcedure(const Procedure* proc, ScriptObject* me, Variant* args, int argc, Variant& result);
    // Calls the member of an object: host objects and script instances alike.
    int32_t invokeMember(const Variant& target, std::u16string_view name, InvokeKind kind, Variant* args,
                         int argc, Variant& result, bool emptyBrackets = false);
    // The value an object stands for when used as a value (its default member).
    int32_t defaultValue(const Variant& v, Variant& out);
    ErrorDetail& detail() { return detail_; }
    void runTerminate(ScriptObject* object);
    // Containers made by this interpreter (class instances, dictionaries)
    // alive now, so the interpreter can break their reference cycles when it
    // goes away. A container tells of its end only while aliveFlag() is true.
    void objectCreated(Dispatch* object) { liveObjects_.emplace(object, objectsMade_++); }
    void objectDestroyed(Dispatch* object) { liveObjects_.erase(object); }
    const std::shared_ptr<bool>& aliveFlag() const { return alive_; }

private:
    friend class ErrObject;
    struct ExecuteContext;

    int32_t compileAndCommit(std::u16string_view text, bool expression, bool dynamic, const Frame* scope,
                             std::unique_ptr<Procedure>& main);
    int32_t runMain(std::unique_ptr<Procedure> main, Frame* scopeFrame, Variant* result);
    void bindExecutedVariables(const Procedure& main, int first, Frame& owner, Variant* slots);
    // Runs `frame` to its end through dispatch(); an exception out of the
    // loop (an allocation that failed) is an error like any other.
    int32_t execute(Frame& frame);
    int32_t dispatch(Frame& frame);
    int32_t abandonFrames(Frame& entry, int32_t number);
    int32_t enterCall();
    void leaveCall() { --callDepth_; }
    bool clockExpired();
    // Records a failure that happened in `frame` at `pc`; returns its number.
    int32_t fail(Frame& frame, int32_t number);
    void beginOperation();
    int32_t finishOperation(int32_t status);

    // Slow paths of the dispatch loop (interpreter_ops.cpp).
    int32_t binarySlow(Op op, uint8_t literalFlags, Variant& a, const Variant& b);
    // out = x op y by the general operators; `out` may be x or y.
    int32_t binaryInto(Op op, uint8_t literalFlags, const Variant& x, const Variant& y, Variant& out);
    int32_t unarySlow(Op op, Variant& a);
    int32_t letAssign(Variant& target, Variant&& value);
    int32_t setAssign(Variant& target, Variant&& value);
    int32_t appendInPlace(Variant& target, const Variant& x);
    int32_t indexValue(Variant& container, Variant* args, int argc, Variant& out, std::u16string_view name);
    int32_t storeIndexed(Variant& container, Variant* args, int argc, Variant&& value, bool isSet);
    int32_t callValue(Variant& callee, Variant* args, int argc, Variant& out, InvokeKind kind = InvokeKind::Get);
    int32_t callByName(Frame& frame, const std::u16string& name, Variant* args, int argc, Variant& out,
                       bool statement);
    int32_t callVariable(Variant& variable, Variant* args, int argc, Variant& out, std::u16string_view name,
                         bool statement);
    int32_t resolveName(Frame& frame, const Instr& in, Variant*& slot, Variant* valueOut);
    int32_t dimArray(Variant& target, Variant* bounds, int count, bool redim, bool preserve);
    int32_t eraseArray(Variant& target);
    int32_t forPrep(Frame& frame, const Instr& in, Variant* vals);
    int32_t forStep(Frame& frame, const Instr& in, bool& again);
    int32_t forEachPrep(Frame& frame, const Instr& in, Variant& collection);
    int32_t newInstance(const std::shared_ptr<ClassInfo>& cls, Variant& out);
    int32_t newByName(const std::u16string& name, Variant& out);
    int32_t conditionValue(const Variant& v, bool& out);
    Variant* counterSlot(Frame& frame, CounterKind kind, int32_t index);

    std::vector<GlobalInfo> globalInfos_;
    // Reserved once for kMaxGlobals and never moved: ByRef references and
    // the frames of global code point into it.
    std::vector<Variant> globalValues_;
    std::vector<HiddenRun> freeHiddenRuns_;  // nameless globals that global code may take
    std::unordered_map<std::u16string, int32_t> globalIndex_;  // folded name -> index
    std::vector<Dispatch*> memberHosts_;  // AddObject(..., addMembers = true), each holding a reference
    std::vector<std::unique_ptr<Procedure>> procedures_;
    std::vector<std::shared_ptr<ClassInfo>> classes_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::vector<const Procedure*> definitionOrder_;
    // The live containers, each with its place in the order they were made.
    std::unordered_map<Dispatch*, uint64_t> liveObjects_;
    uint64_t objectsMade_ = 0;
    // The end of the script (interpreter_teardown.cpp).
    void endScript();
    bool releaseScriptVariables();
    bool terminateUnreachable();
    std::vector<Dispatch*> liveContainers() const;
    void breakObjectCycles();

    // Slots and operand stacks of running frames: blocks that never move, so a
    // ByRef reference into a caller's slot stays valid during the call.
    std::vector<std::unique_ptr<Variant[]>> stackBlocks_;
    std::vector<size_t> blockSizes_;
    size_t blockIndex_ = 0;
    size_t blockUsed_ = 0;
    Variant* blockData_ = nullptr;  // stackBlocks_[blockIndex_], its size: read on every call
    size_t blockSize_ = 0;
    Variant* allocateSlots(size_t count, size_t& savedBlock, size_t& savedUsed) {
        savedBlock = blockIndex_;
        savedUsed = blockUsed_;
        if (blockUsed_ + count > blockSize_) return slotsInNextBlock(count);
        Variant* slots = blockData_ + blockUsed_;
        blockUsed_ += count;
        return slots;
    }
    Variant* slotsInNextBlock(size_t count);
    void releaseSlots(Variant* base, size_t count, size_t savedBlock, size_t savedUsed) {
        for (size_t i = 0; i < count; ++i) base[i].clear();
        if (savedBlock != blockIndex_) {
            blockIndex_ = savedBlock;
            blockData_ = stackBlocks_[savedBlock].get();
            blockSize_ = blockSizes_[savedBlock];
        }
        blockUsed_ = savedUsed;
    }

    // Frames of script calls made inside execute(), by call depth; reused.
    std::vector<std::unique_ptr<Frame>> framePool_;
    Frame* pushInlineFrame(const Procedure* callee, Frame* caller, Variant* args, int argc);
    void popInlineFrame(Frame* done);

    Frame* current_ = nullptr;
    int callDepth_ = 0;
    const char* stackBase_ = nullptr;
    int64_t timeoutMs_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    int32_t ticks_ = kTicksPerClockCheck;
    std::chrono::steady_clock::time_point started_;  // of the outermost operation
    // 0 while the operation may go on; else why it stops (time-out or
    // interrupt), which no handler of the script can catch.
    int32_t stopStatus_ = 0;
    ScriptEngine::Poll poll_;
    bool shuttingDown_ = false;
    bool plain_ = false;

    ErrorDetail detail_;
    ScriptError error_;         // the error being raised or last raised
    bool errorNamesItem_ = false;  // error_.description ends in ": 'name'"
    bool errorPlaced_ = false;  // its line/column are known
    ErrObject* err_ = nullptr;
    HostHooks hooks_;
    ObjectTypes objectTypes_;
    CallContext ctx_;
};

}  // namespace vbs
