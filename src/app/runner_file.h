// Running a script file in the terminal (talvoro-run FILE).
#pragma once

#include <string>

namespace talvoro {

// Reads `path` (UTF-8), runs it with WScript and MainForm available, and
// returns the process exit code: 0 on success, 1 after printing
// "FILE(line, column) description" to standard error, or the code given to
// WScript.Quit (which ends the process at once).
int runScriptFile(const std::string& path);

}  // namespace talvoro
