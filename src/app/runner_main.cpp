// talvoro-run: `talvoro-run FILE [ARGS...]` runs a script file as a script
// host does; without an argument it is the calculator in a terminal: the
// main script file is loaded as the window loads it, then every line of
// standard input is evaluated as if typed into the window's input line
// (`echo '2^10' | talvoro-run`).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/runner_file.h"
#include "terminal/terminal_console.h"

namespace {

// Scripts reach files with the rights of the user who runs them, never more:
// a copy installed set-user-ID or set-group-ID gives those rights up first.
bool dropExtraRights() {
    if (getegid() != getgid() && setgid(getgid()) != 0) return false;
    if (geteuid() != getuid() && setuid(getuid()) != 0) return false;
    return true;
}

std::string runningProgram(const char* argv0) {
    std::error_code failure;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failure);
    return failure ? std::filesystem::absolute(argv0, failure).string() : self.string();
}

}  // namespace

int main(int argc, char** argv) {
    if (!dropExtraRights()) {
        std::fprintf(stderr, "talvoro-run: cannot give up the rights of its owner\n");
        return 1;
    }
    if (argc == 1) return talvoro::runTerminalConsole();
    std::vector<std::string> arguments(argv + 2, argv + argc);
    return talvoro::runScriptFile(argv[1], arguments, runningProgram(argv[0]));
}
