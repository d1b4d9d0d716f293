// The FileSystemObject's operations on whole files and folders: delete, copy
// and move, with "*" and "?" allowed in the last part of the source, as on
// Windows. Paths are the script's own (Windows form allowed); a destination
// that ends with a separator is a folder to put the sources in. Each returns
// 0 or an error number.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/pending_file.h"

namespace talvoro::host {

// The script's path as a path of this system that exists where it can
// (see toLinuxPath and resolveOnDisk).
std::string diskPath(std::u16string_view scriptPath);

bool isExistingFile(const std::string& path);    // anything but a folder
bool isExistingFolder(const std::string& path);

// `force` also deletes read-only files (ones we may not write); without it they are 70.
int32_t deleteFiles(std::u16string_view pathPattern, bool force);
int32_t deleteFolders(std::u16string_view pathPattern, bool force);
// Copies replace the destination file in one step (or leave it as it was).
int32_t copyFiles(std::u16string_view source, std::u16string_view destination, bool overwrite);
// A move never replaces an existing file (58).
int32_t moveFiles(std::u16string_view source, std::u16string_view destination);
int32_t copyFolders(std::u16string_view source, std::u16string_view destination, bool overwrite);
int32_t moveFolders(std::u16string_view source, std::u16string_view destination);

}  // namespace talvoro::host
