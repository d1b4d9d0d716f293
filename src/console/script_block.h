// Running a block of script as the quick panel's "Run" does: the whole text
// as statements on the main engine, in its global scope. A failure goes to
// the transcript as one entry of two lines, "Error:" + description and
// "Line:" + the line of the block it stopped at.
#pragma once

#include <string_view>

#include "console/transcript.h"
#include "engine/script_engine.h"

namespace talvoro {

// Returns the line (from 1) the block failed at, or 0 when it ran through.
// A failure the engine places on no line also returns 0.
int runScriptBlock(vbs::ScriptEngine& engine, Transcript& transcript, std::u16string_view block);

}  // namespace talvoro
