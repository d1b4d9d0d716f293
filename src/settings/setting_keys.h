// The settings the program has: eight keys, registered with their defaults
// in a fixed order (the order of the lines in every saved file), and the
// place of the settings file beside the program.
#pragma once

#include <string>

#include "settings/cvar_store.h"
#include "settings/message_box.h"

namespace talvoro {

// Opened by the "Functions" button with the picked script file.
inline constexpr char16_t kDefaultTextEditor[] = u"xdg-open";

// The directory that holds the running executable (without a trailing "/").
std::string executableDirectory();

// `programDir` + "/defaults.txt" and `programDir` + "/scripts.tvo".
std::string settingsFilePath(const std::string& programDir);
std::string defaultScriptPath(const std::string& programDir);

// Registers the eight keys with their defaults (setting them back to the
// defaults when they exist already), then overlays the settings file found
// in `programDir`.
void LoadSettings(CvarStore& store, const std::string& programDir);

// Rewrites the settings file in `programDir` from the store.
void SaveSettings(const CvarStore& store, const std::string& programDir, MessageBox& box);

}  // namespace talvoro
