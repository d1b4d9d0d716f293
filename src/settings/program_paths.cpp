#include "settings/program_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/setting_keys.h"

namespace talvoro {

namespace fs = std::filesystem;

bool isWritableDirectory(const std::string& dir) { return ::access(dir.c_str(), W_OK) == 0; }

std::string userConfigDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/talvoro";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/talvoro";
}

namespace {

// First run from a read-only place: the user gets the bundled library to
// start from. A failed copy leaves the script file missing, which the
// program reports when it loads it, as for any missing script file.
void seedScriptFile(const std::string& executableDir, const std::string& configDir) {
    std::error_code error;
    const fs::path target = defaultScriptPath(configDir);
    if (fs::exists(target, error)) return;
    fs::copy_file(defaultScriptPath(executableDir), target, error);
}

}  // namespace

std::string chooseProgramDirectory(const std::string& executableDir, const std::string& configDir,
                                   const std::function<bool(const std::string&)>& writable) {
    if (writable(executableDir)) return executableDir;
    std::error_code error;
    fs::create_directories(configDir, error);
    if (error || !fs::is_directory(configDir, error)) return executableDir;
    seedScriptFile(executableDir, configDir);
    return configDir;
}

std::string programDirectory() {
    return chooseProgramDirectory(executableDirectory(), userConfigDirectory(), isWritableDirectory);
}

}  // namespace talvoro
