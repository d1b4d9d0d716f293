#include "settings/setting_keys.h"

#include <filesystem>
#include <system_error>

#include "common/text.h"
#include "settings/settings_file.h"

namespace talvoro {

std::string executableDirectory() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

std::string settingsFilePath(const std::string& programDir) { return programDir + "/defaults.txt"; }

std::string defaultScriptPath(const std::string& programDir) { return programDir + "/scripts.tvo"; }

void LoadSettings(CvarStore& store, const std::string& programDir) {
    store.SetCvarStr(u"TextEditor", kDefaultTextEditor);
    store.SetCvarNum(u"OnTop", 0);
    store.SetCvarStr(u"MainScriptFile", talvoro::toU16(defaultScriptPath(programDir)));
    store.SetCvarNum(u"WindowNormal", 207);
    store.SetCvarNum(u"WindowExtended", 435);
    store.SetCvarNum(u"NormalHeight", 229);
    store.SetCvarNum(u"QuickVisibleHeight", 380);
    store.SetCvarNum(u"InputBoxMaxOKS", 5);
    LoadCvars(store, settingsFilePath(programDir));
}

void SaveSettings(const CvarStore& store, const std::string& programDir, MessageBox& box) {
    SaveCvars(store, settingsFilePath(programDir), box);
}

}  // namespace talvoro
