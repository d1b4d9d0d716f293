// talvoro-run: `talvoro-run FILE` runs a script file; without an argument it
// is the calculator in a terminal: the main script file is loaded as the
// window loads it, then every line of standard input is evaluated as if typed
// into the window's input line (`echo '2^10' | talvoro-run`).
#include <cstdio>

#include "app/runner_file.h"
#include "console/terminal_console.h"

int main(int argc, char** argv) {
    if (argc == 1) return talvoro::runTerminalConsole();
    if (argc == 2) return talvoro::runScriptFile(argv[1]);
    std::fprintf(stderr, "usage: talvoro-run [FILE]\n");
    return 2;
}
