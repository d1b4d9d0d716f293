// Reading the program's text files (settings, script files) whole, without
// surprises: a folder, a device or a pipe where a file is expected is a file
// that cannot be opened, and a read error is a failure, never an exception.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace talvoro {

inline constexpr size_t kNoSizeLimit = std::numeric_limits<size_t>::max();

// Reads the regular file at `path` into `bytes`. False when it cannot be
// opened, is not a regular file, or a read fails. At most `maxBytes` are
// read; `truncated` (when given) tells whether the file held more.
bool readFileBytes(const std::string& path, std::string& bytes, size_t maxBytes = kNoSizeLimit,
                   bool* truncated = nullptr);

// Reads the file at `path` as script text: every line (ended by CR LF, a
// lone CR, a lone LF or the end of the file) followed by CR LF, so the
// engine's line numbers are the file's. The bytes are UTF-8. False if the
// file cannot be read.
bool readScriptText(const std::string& path, std::u16string& text);

}  // namespace talvoro
