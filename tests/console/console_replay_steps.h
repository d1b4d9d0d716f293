// What the terminal and the window replays share: the program directory a
// run starts in, and the way a step's transcript lines are read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console_replay.h"
#include "engine/script_engine.h"

namespace talvoro::replay {

// The main script file's name in the program directory (the default of the
// MainScriptFile setting).
inline constexpr char kLibraryFileName[] = "scripts.tvo";

// Writes `library` as the main script file of `programDir`, lines ending in
// CR LF as the editor of the script library saves them.
void writeLibrary(const std::string& programDir, const std::string& library);

// Adds a script text to the engine from outside any script, as a loaded
// file's text is added; returns the failure as a transcript line, or "".
std::string loadScriptText(vbs::ScriptEngine& engine, const std::string& text);

// A transcript entry as lines: a CR LF or a lone LF inside it ends a line.
std::vector<std::string> entryLines(std::u16string_view entry);

}  // namespace talvoro::replay
