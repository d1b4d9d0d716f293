// Console runs: a text file of what is typed into the calculator and the
// transcript it must produce, replayed on one long-lived engine through the
// terminal's path (ConsoleSession, what talvoro-run uses) or the window's
// (a MainWindow on the offscreen platform: keys typed into its input line,
// its quick panel's Run, its Reload button).
//
// A run file, line by line (UTF-8):
//
//   # text          a comment; comments and blank lines are skipped
//   > TEXT          TEXT typed into the input line, then Enter (">" alone:
//                   Enter on an empty line)
//   @block          the lines up to "@end", put in the quick panel and run
//                   as one block
//   @load           the lines up to "@end", added to the engine as a script
//                   file is loaded into it; a failure is recorded as the line
//                   "Load failed:<description> at line <n>"
//   @reload         the Reload button: the engine is reset and the main
//                   script file loaded again (Main is not run, Ans not set)
//   @library        the lines up to "@end" become the main script file; the
//                   first one, before any step, is what the start-up loads
//                   (without one the file is empty)
//   anything else   one line the step above must have added to the
//                   transcript, in order; "\TEXT" stands for TEXT, for a
//                   line that is empty or begins with ">", "@", "#" or "\"
//
// The transcript is recorded from the end of the start-up on: what Main or
// the start-up print is not part of a run.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/script_engine.h"

namespace talvoro::replay {

struct Step {
    enum class Kind { Line, Block, Load, Reload, Library };
    Kind kind = Kind::Line;
    std::string text;                   // the typed line, or the lines up to @end joined by "\n"
    std::vector<std::string> produced;  // the transcript lines the step adds
};

struct Run {
    std::string library;  // the main script file at start-up
    std::vector<Step> steps;
};

// Reads a run file; a malformed one (an unclosed block, an unknown
// directive, expected lines before the first step) throws
// std::invalid_argument naming the line.
Run parseRun(std::string_view text);

// The run written out as a run file in one canonical form: no comments or
// blank lines, every step followed by its transcript lines.
std::string formatRun(const Run& run);

// Sets up each new engine before anything is loaded into it (the engine's
// mode for a differential run); kept across @reload.
struct ReplayOptions {
    std::function<void(vbs::ScriptEngine&)> prepareEngine;
};

// Plays the run's steps and returns the run with each step's `produced`
// replaced by what the path actually added to the transcript.
Run replayTerminal(const Run& run, const ReplayOptions& options = {});
// The window's path; needs a QApplication (console_replay_window.cpp).
Run replayWindow(const Run& run, const ReplayOptions& options = {});

// Empty when the two runs are written out alike; otherwise a report of the
// differing lines ("-" expected, "+" produced) with the lines around them.
std::string compareRuns(const Run& expected, const Run& produced);

}  // namespace talvoro::replay
