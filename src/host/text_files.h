// Opening text files as the FileSystemObject's OpenTextFile and
// CreateTextFile do; File.OpenAsTextStream and Folder.CreateTextFile use the
// same two functions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/variant.h"
#include "host/pending_file.h"

namespace talvoro::host {

// OpenTextFile's IOMode values.
constexpr int32_t kForReading = 1;
constexpr int32_t kForWriting = 2;
constexpr int32_t kForAppending = 8;

// `path` is a path of this system. `format` is a Tristate value
// (text_codec.h). Errors: 53 no such file (without `create`), 76 no such
// folder, 70 not allowed, 5 a bad mode or format.
int32_t openTextFile(const std::string& path, int32_t ioMode, bool create, int32_t format,
                     const std::shared_ptr<WriteSession>& session, vbs::Variant& stream);
// 58 when the file exists and `overwrite` is false.
int32_t createTextFile(const std::string& path, bool overwrite, bool unicode,
                       const std::shared_ptr<WriteSession>& session, vbs::Variant& stream);

// The whole content of a file; 0 or an error number.
int32_t readWholeFile(const std::string& path, std::string& bytes);

}  // namespace talvoro::host
