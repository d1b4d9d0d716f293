// The settings file: overlaying its values onto a store that already holds
// every registered setting, and rewriting it from the store.
//
// The file is plain text, one "Name=value" per line. The reader divides it
// into items: an item ends at a comma or at the end of a line; blanks before
// an item are skipped; an item that starts with a double quote runs to the
// next double quote (the quotes are not part of it). An item starting with
// "/" is a comment. Names that were not registered are ignored, so the store,
// not the file, decides which keys exist.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/cvar_store.h"
#include "settings/message_box.h"

namespace talvoro {

// The texts of a failed save.
inline constexpr char16_t kSaveErrorText[] = u"Error Saving CVAR's";
inline constexpr char16_t kSaveErrorTitle[] = u"CVAR error";

// Splits `item` at its first "=": `name` gets what stands before it and
// `value` everything after it (further "=" included). Without "=" neither
// output is touched.
void SplitCvarLine(std::u16string_view item, std::u16string& name, std::u16string& value);

// The items of one line of the file, in order (an empty line gives one empty item).
std::vector<std::u16string> settingsItems(std::u16string_view line);

// A settings file holds eight short lines; one larger than this is not a
// settings file, and reading it all would only delay the window's start.
inline constexpr size_t kMaxSettingsFileBytes = 1024 * 1024;

// Overlays the values in the file at `path` onto the registered entries of
// `store`. A missing file (or a folder in its place), a number too large for
// a double, or the end of the first kMaxSettingsFileBytes ends the reading
// silently; what was applied before stays applied.
void LoadCvars(CvarStore& store, const std::string& path);

// The line a setting is written as, without its line end. A value holding a
// comma is written as one double-quoted item, so that it reads back whole.
std::u16string settingsLine(const Cvar& cvar);

// Rewrites the file at `path` from `store`, one line per entry in table
// order, each ended by CR LF. The text goes to a temporary file beside it
// first, which then replaces the old file, so a failed save leaves the old
// file whole; the failure is reported through `box`.
void SaveCvars(const CvarStore& store, const std::string& path, MessageBox& box);

// The temporary file SaveCvars writes before it replaces `path`.
std::string settingsTempPath(const std::string& path);

}  // namespace talvoro
