// Scripts written for Windows name files the Windows way: "C:\data\in.txt",
// "\tmp\out.txt", "sub\a.txt". These functions map such names onto this
// system's paths, and take names apart as the FileSystemObject's string
// functions do (GetFileName, GetParentFolderName, BuildPath...), with "\" and
// "/" both separators.
#pragma once

#include <string>
#include <string_view>

namespace talvoro::host {

bool isPathSeparator(char16_t c);

// The path a script's name stands for, in UTF-8: "\" becomes "/", and a drive
// ("C:") is dropped, so that every drive is this system's one tree:
// "C:\data\in.txt" -> "/data/in.txt", "C:a.txt" -> "a.txt" (relative, as on
// the drive's current folder), "C:" -> ".".
std::string toLinuxPath(std::u16string_view scriptPath);

// `path` as it is on disk. Windows does not tell names apart by letter case,
// so scripts often write "Data.TXT" for "data.txt": when `path` does not exist
// as written, each part that is missing is looked up in its folder without
// regard to case, and taken when exactly one name matches. Parts that match
// nothing are kept as written (a file about to be created).
std::string resolveOnDisk(const std::string& path);

// The absolute form of `path`, with "." and ".." taken out and no trailing
// "/" (but "/" itself).
std::string absolutePath(const std::string& path);

// "C:" of "C:\a", "\\server\share" of "\\server\share\a", else "".
std::u16string driveNameOf(std::u16string_view path);
// The last part, trailing separators ignored: "b.txt" of "C:\a\b.txt", "a" of "C:\a\".
std::u16string fileNameOf(std::u16string_view path);
// The last part without its extension ("b" of "b.txt"), and the extension alone ("txt").
std::u16string baseNameOf(std::u16string_view path);
std::u16string extensionOf(std::u16string_view path);
// Everything before the last part: "C:\a" of "C:\a\b.txt", "C:\" of "C:\a", "" of "b.txt".
std::u16string parentFolderOf(std::u16string_view path);
// `path` and `name` joined by one separator: "\" when `path` is written with
// "\", else "/".
std::u16string buildPath(std::u16string_view path, std::u16string_view name);

// True when the name's last part has the wildcards "*" or "?".
bool hasWildcards(std::u16string_view path);
// DOS-style matching of a name against a pattern with "*" and "?", without
// regard to case.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view name);

}  // namespace talvoro::host
