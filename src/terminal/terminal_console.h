// The calculator in a terminal: `talvoro-run` without a file argument. It
// reads the settings beside the program, loads the main script file into a
// fresh engine with "MainForm" registered, sets Ans to 0, runs Main when the
// scripts define it, then evaluates each input line as the window's input
// line would (an operator first continues from Ans; an empty line repeats
// the newest command) and prints every transcript line as it is appended.
// Start-up reports (a script that fails to load, "Sub Main not found") go to
// the diagnostics stream, so the output holds only the calculation. The
// settings file is read, never written.
#pragma once

#include <iosfwd>
#include <string>

namespace talvoro {

int runTerminalConsole(const std::string& programDir, std::istream& in, std::ostream& out,
                       std::ostream& diagnostics);

// The same with the executable's directory, standard input, output and
// error. On a terminal the line is edited in place: Up and Down walk the
// history, Backspace deletes, Ctrl+D or Ctrl+C ends the session.
int runTerminalConsole();

}  // namespace talvoro
