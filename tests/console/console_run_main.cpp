// console_run PATH FILE: replays the run file FILE through PATH ("terminal"
// or "window") and compares the transcript with the one the file expects.
// Exit status 0 when they match; otherwise the differences are printed.
#include <QApplication>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "console_replay.h"

int main(int argc, char** argv) {
    using namespace talvoro::replay;
    if (argc != 3 || (std::string(argv[1]) != "terminal" && std::string(argv[1]) != "window")) {
        std::cerr << "usage: console_run terminal|window FILE.run\n";
        return 2;
    }
    const std::string path = argv[1];
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[2] << "\n";
        return 2;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        const Run expected = parseRun(text);
        // A file that lost its steps would pass whatever the console does.
        if (expected.steps.empty()) throw std::invalid_argument(std::string(argv[2]) + ": no steps");
        Run produced;
        if (path == "window") {
            QApplication app(argc, argv);
            produced = replayWindow(expected);
        } else {
            produced = replayTerminal(expected);
        }
        const std::string report = compareRuns(expected, produced);
        if (report.empty()) {
            std::cout << argv[2] << ": " << expected.steps.size() << " steps, transcript as expected\n";
            return 0;
        }
        std::cout << argv[2] << " (" << path << "): the transcript differs (- expected, + produced)\n" << report;
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
}
