// The object Shell.Exec returns: the started program's standard streams as
// TextStreams (StdOut and StdErr to read, StdIn to write), whether it still
// runs (Status), how it ended (ExitCode), its ProcessID, and Terminate.
#include <signal.h>

#include <memory>

#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/exec_pipes.h"
#include "host/shell_objects.h"
#include "host/text_codec.h"
#include "host/text_stream.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

// Status's values: WshRunning and WshFinished.
constexpr int32_t kRunning = 0;
constexpr int32_t kFinished = 1;

// One started program. Its streams and the Exec object share it; the last of
// them to go closes the pipes and leaves the program to be reaped when it ends.
struct ExecState {
    ExecState(pid_t started, ChildPipes pipes) : child(started), streams(pipes) {}
    ~ExecState() {
        if (!ended) reapWhenDone(child);
    }
    // True once the program has ended (it is reaped then). Its outputs are
    // drained first, so that a script polling Status never waits on a
    // program stopped on a full pipe.
    bool hasEnded() {
        if (!ended) {
            streams.drain();
            ended = exitedYet(child, exitCode);
        }
        return ended;
    }

    pid_t child;
    ExecPipes streams;
    bool ended = false;
    int32_t exitCode = 0;
};

using State = std::shared_ptr<ExecState>;

Variant outputStream(const State& state, ExecPipes::Output which) {
    return makeReadingStream({}, [state, which](std::u16string& more, CallContext& caller) {
        return state->streams.nextText(which, more, [&caller] { return caller.keepAlive(); });
    });
}

Variant inputStream(const State& state) {
    return makeWritingStream(
        [state](std::u16string_view text, CallContext& caller) {
            return state->streams.writeInput(encodeText(text, TextFormat::Ascii), [&caller] { return caller.keepAlive(); });
        },
        [state] {
            state->streams.closeInput();
            return 0;
        },
        u"\n");
}

vbs::HostObject::Call value(std::function<Variant()> read) {
    return [read = std::move(read)](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = read();
        return 0;
    };
}

}  // namespace

Variant makeExecObject(pid_t child, ChildPipes pipes) {
    auto state = std::make_shared<ExecState>(child, pipes);
    auto* exec = new vbs::HostObject(u"IWshExec");
    Variant holder = Variant::object(exec);
    // Each stream is made once: reading StdOut twice goes on where the first left off.
    Variant out = outputStream(state, ExecPipes::Output::StdOut);
    Variant err = outputStream(state, ExecPipes::Output::StdErr);
    Variant in = inputStream(state);
    exec->property(u"StdOut", value([out] { return out; }));
    exec->property(u"StdErr", value([err] { return err; }));
    exec->property(u"StdIn", value([in] { return in; }));
    exec->property(u"Status", value([state] { return Variant::long_(state->hasEnded() ? kFinished : kRunning); }));
    // 0 while the program runs, as on Windows.
    exec->property(u"ExitCode", value([state] { return Variant::long_(state->hasEnded() ? state->exitCode : 0); }));
    exec->property(u"ProcessID", value([state] { return Variant::long_(static_cast<int32_t>(state->child)); }));
    exec->method(u"Terminate", [state](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        if (!state->hasEnded()) ::kill(state->child, SIGTERM);
        return 0;
    });
    return holder;
}

}  // namespace talvoro::host
