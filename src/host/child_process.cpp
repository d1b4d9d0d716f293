#include "host/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

namespace talvoro::host {

namespace {

// The command processor every command line goes through.
constexpr char kShell[] = "/bin/sh";

// The HRESULTs Windows gives for a program that cannot be started: the file
// is missing, access is denied, there is no memory (or no room for another
// process), and any other failure.
constexpr int32_t kFileNotFoundResult = static_cast<int32_t>(0x80070002u);
constexpr int32_t kAccessDeniedResult = static_cast<int32_t>(0x80070005u);
constexpr int32_t kOutOfMemoryResult = static_cast<int32_t>(0x8007000Eu);
constexpr int32_t kFailureResult = static_cast<int32_t>(0x80004005u);

// How long waitForExitWhile sleeps between looks at the child: briefly at
// first, so that a quick program's result comes at once, then longer; the
// longest pause bounds how late a stop is seen and how long a window waiting
// on the program goes without being redrawn.
constexpr std::chrono::milliseconds kFirstWaitPause{1};
constexpr std::chrono::milliseconds kLongestWaitPause{40};

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

pid_t spawnShell(const std::string& command, posix_spawn_file_actions_t* actions, StartFailure& failure) {
    // An empty line names no program: the shell would run nothing and answer 0.
    if (isBlank(command)) {
        failure = {ENOENT, "the command is empty"};
        return -1;
    }
    const char* argv[] = {kShell, "-c", command.c_str(), nullptr};
    pid_t child = -1;
    int status = posix_spawn(&child, kShell, actions, nullptr, const_cast<char* const*>(argv), environ);
    if (status != 0) {
        failure = {status, std::string(kShell) + ": " + std::strerror(status)};
        return -1;
    }
    return child;
}

void closeAll(ChildPipes& pipes) {
    for (int* fd : {&pipes.input, &pipes.output, &pipes.errors}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

}  // namespace

pid_t startInheriting(const std::string& command, StartFailure& failure) { return spawnShell(command, nullptr, failure); }

pid_t startWithPipes(const std::string& command, ChildPipes& pipes, StartFailure& failure) {
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0) { failure = {errno, std::strerror(errno)}; return -1; }
    if (::pipe2(out, O_CLOEXEC) != 0) {
        failure = {errno, std::strerror(errno)};
        ::close(in[0]), ::close(in[1]);
        return -1;
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        failure = {errno, std::strerror(errno)};
        ::close(in[0]), ::close(in[1]), ::close(out[0]), ::close(out[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    pid_t child = spawnShell(command, &actions, failure);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]), ::close(out[1]), ::close(err[1]);
    pipes = {in[1], out[0], err[0]};
    if (child < 0) closeAll(pipes);
    return child;
}

namespace {

int32_t exitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return 0;
}

}  // namespace

int32_t waitForExit(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return 0;  // someone else reaped it: nothing left to tell
    return exitCodeOf(status);
}

int32_t waitForExitWhile(pid_t child, const std::function<int32_t()>& keepWaiting, int32_t& exitCode) {
    auto pause = kFirstWaitPause;
    while (!exitedYet(child, exitCode)) {
        if (int32_t stop = keepWaiting()) {
            reapWhenDone(child);
            return stop;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestWaitPause);
    }
    return 0;
}

bool exitedYet(pid_t child, int32_t& exitCode) {
    int status = 0;
    pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == 0) return false;
    exitCode = done == child ? exitCodeOf(status) : 0;
    return true;
}

void reapWhenDone(pid_t child) {
    std::thread([child] { waitForExit(child); }).detach();
}

int32_t startErrorNumber(const StartFailure& failure) {
    switch (failure.errnoValue) {
    case ENOENT:
    case ENOTDIR: return kFileNotFoundResult;
    case EACCES:
    case EPERM: return kAccessDeniedResult;
    case ENOMEM:
    case EAGAIN: return kOutOfMemoryResult;
    default: return kFailureResult;
    }
}

}  // namespace talvoro::host
