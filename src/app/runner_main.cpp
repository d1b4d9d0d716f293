// talvoro-run: `talvoro-run FILE` runs a script file; without an argument it
// will start the interactive calculator console (src/console/), which is
// not wired in yet, so it prints its usage.
#include <cstdio>

#include "app/runner_file.h"

int main(int argc, char** argv) {
    if (argc == 2) return talvoro::runScriptFile(argv[1]);
    // The interactive console mode goes here once src/console/ provides it.
    std::fprintf(stderr, "usage: talvoro-run FILE\n");
    return 2;
}
