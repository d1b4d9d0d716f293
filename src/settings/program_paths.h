// Where the program keeps its settings file and its main script file.
// A program run from its build directory keeps both beside itself. An
// installed program usually cannot write there, so it keeps them in the
// user's configuration directory instead, seeded with a copy of the bundled
// scripts.tvo, and closing the window never ends in a save error.
#pragma once

#include <functional>
#include <string>

namespace talvoro {

// Whether the program may create and rewrite files in `dir` (access(2) with
// W_OK: a read-only directory counts as writable for root, as it is).
bool isWritableDirectory(const std::string& dir);

// The user's configuration directory for this program: $XDG_CONFIG_HOME/talvoro,
// or ~/.config/talvoro. This is the place Qt's QStandardPaths::AppConfigLocation
// names for an application called "talvoro" without an organisation; it is
// computed here so the terminal console, which has no Qt, agrees with the window.
std::string userConfigDirectory();

// The directory for defaults.txt and scripts.tvo: `executableDir` when
// `writable` says so; otherwise `configDir`, created if missing and given a
// copy of `executableDir`/scripts.tvo when it has none yet (an existing copy,
// perhaps edited by the user, is kept). Falls back to `executableDir` when
// `configDir` cannot be created.
std::string chooseProgramDirectory(const std::string& executableDir, const std::string& configDir,
                                   const std::function<bool(const std::string&)>& writable);

// chooseProgramDirectory for the running program.
std::string programDirectory();

}  // namespace talvoro
