// Starting programs for WScript.Shell's Run and Exec: a command line goes to
// `/bin/sh -c` as the script wrote it, as Windows hands it to its command
// processor, and runs with the user's rights and this process's environment
// and current folder.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

namespace talvoro::host {

// Why a program could not be started: an errno value and the text to show.
struct StartFailure {
    int errnoValue = 0;
    std::string reason;
};

// The three pipe ends of a child started for Exec (-1 when not open).
struct ChildPipes {
    int input = -1;   // we write, the child reads its standard input
    int output = -1;  // the child's standard output
    int errors = -1;  // the child's standard error
};

// Starts `command` with this process's standard streams. Returns the child's
// id, or -1 with `failure` filled.
pid_t startInheriting(const std::string& command, StartFailure& failure);
// Starts `command` with its standard streams connected to `pipes`, whose ends
// are made close-on-exec so that later children do not hold them open.
pid_t startWithPipes(const std::string& command, ChildPipes& pipes, StartFailure& failure);

// Waits for the child and answers its exit code; one ended by a signal
// answers 128 + the signal, as the shell reports it.
int32_t waitForExit(pid_t child);
// Waits for the child as waitForExit does, calling `keepWaiting` between
// short waits; when it answers an error, stops waiting (the child, left
// running, is reaped when it ends) and answers that error. Else 0, with the
// child's exit code in `exitCode`.
int32_t waitForExitWhile(pid_t child, const std::function<int32_t()>& keepWaiting, int32_t& exitCode);
// The exit code if the child has ended (it is then reaped), else nothing:
// answers false while it runs.
bool exitedYet(pid_t child, int32_t& exitCode);
// Lets the child go: a thread of its own waits for it, so that it leaves no
// zombie behind when it ends, however long it runs.
void reapWhenDone(pid_t child);

// The error number a script sees for a start that failed (an HRESULT, as
// Windows reports a program that would not start).
int32_t startErrorNumber(const StartFailure& failure);

}  // namespace talvoro::host
