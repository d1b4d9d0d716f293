// Running a script file in the terminal (talvoro-run FILE [ARGS...]): the
// script host.
#pragma once

#include <string>
#include <vector>

namespace talvoro {

// Reads `path` (UTF-8), runs it with WScript, MainForm and the Scripting
// runtime available, and returns the process exit code: 0 on success, the
// code given to WScript.Quit, or 1 after printing
// "FILE(line, column) source: description" to standard error.
int runScriptFile(const std::string& path, const std::vector<std::string>& arguments, const std::string& hostProgram);

}  // namespace talvoro
