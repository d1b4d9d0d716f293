// The pipes between a script and a program it started with Exec.
//
// A program that fills one pipe (say 200 KB on standard error) stops until
// that pipe is read; a script that waits on the other pipe meanwhile would
// wait forever. So whenever the script waits on any of them (a read from
// StdOut or StdErr, a write to StdIn, a look at Status), everything either
// output pipe holds is moved into its buffer here, with poll: the program
// never stays blocked on a pipe the script is not reading yet. The price is
// memory: output the script never reads stays buffered until the Exec object
// goes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/child_process.h"

namespace talvoro::host {

class ExecPipes {
public:
    enum class Output { StdOut, StdErr };

    explicit ExecPipes(ChildPipes pipes);
    ~ExecPipes();
    ExecPipes(const ExecPipes&) = delete;
    ExecPipes& operator=(const ExecPipes&) = delete;

    // Asked every few tens of milliseconds while a read waits: 0 to go on
    // waiting, else the read gives up (CallContext::keepAlive).
    using KeepWaiting = std::function<int32_t()>;

    // The next piece of text of `which`, waiting for it; false at its end,
    // or when `keepWaiting` ends the wait. A piece never ends inside a UTF-8
    // character.
    bool nextText(Output which, std::u16string& more, const KeepWaiting& keepWaiting);
    // Writes all of `bytes` to the program's standard input (0), or answers
    // an error number: 57 when the program no longer reads it (or it is
    // closed), or what `keepWaiting` answers when it ends the wait for a
    // program that takes no more input (the rest is not written).
    int32_t writeInput(std::string_view bytes, const KeepWaiting& keepWaiting);
    // Ends the program's standard input, which it reads as end of file.
    void closeInput();
    // Moves what the outputs hold now into the buffers, without waiting.
    void drain() { pump(nullptr, nullptr); }

private:
    struct Channel {
        int fd = -1;
        std::string bytes;
    };
    Channel& channel(Output which) { return which == Output::StdOut ? output_ : errors_; }
    // Reads what is ready on both outputs; given `keepWaiting`, waits until
    // `wanted` has new bytes or has ended (true), or `keepWaiting` ends the
    // wait (false).
    bool pump(Channel* wanted, const KeepWaiting* keepWaiting);
    void readFrom(Channel& channel);

    int input_ = -1;
    Channel output_, errors_;
};

// How many leading bytes of `bytes` end on a whole UTF-8 character: all but
// an unfinished sequence at its end.
size_t wholeUtf8Prefix(std::string_view bytes);

}  // namespace talvoro::host
