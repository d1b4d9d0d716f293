// Shell.SpecialFolders: Windows' named folders, answered with the folders
// that play their roles on a free desktop. The user's own folders (Desktop,
// Documents, Templates) are those the desktop's user-dirs.dirs file names,
// else the usual ~/Desktop, ~/Documents, ~/Templates; the others follow the
// XDG base folders (application launchers for the Start menu, autostart for
// Startup). Favorites, Recent and SendTo have no equivalent here and answer
// folders of their own under the data folder; they need not exist. A name
// Windows does not know answers "", as there.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "engine/arguments.h"
#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/shell_objects.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

// An XDG base folder: the variable when set to an absolute path, else its default under the home folder.
std::string baseFolder(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
    return homeFolder() + "/" + underHome;
}

// XDG_DESKTOP_DIR="$HOME/Desktop" in user-dirs.dirs, or `fallback` under the home folder.
std::string userFolder(const std::string& key, const char* fallback) {
    std::ifstream file(baseFolder("XDG_CONFIG_HOME", ".config") + "/user-dirs.dirs");
    std::string line;
    const std::string prefix = key + "=\"";
    while (std::getline(file, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != '"') continue;
        std::string path = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (path.compare(0, 5, "$HOME") == 0) path = homeFolder() + path.substr(5);
        if (!path.empty() && path[0] == '/') return path;
    }
    return homeFolder() + "/" + fallback;
}

std::string dataFolder(const char* name) { return baseFolder("XDG_DATA_HOME", ".local/share") + "/" + name; }

struct SpecialFolder {
    const char16_t* name;
    std::string (*where)();
};

// In Windows' order, which Item(index) and For Each follow.
const SpecialFolder kSpecialFolders[] = {
    {u"AllUsersDesktop", [] { return userFolder("XDG_DESKTOP_DIR", "Desktop"); }},
    {u"AllUsersStartMenu", [] { return std::string("/usr/share/applications"); }},
    {u"AllUsersPrograms", [] { return std::string("/usr/share/applications"); }},
    {u"AllUsersStartup", [] { return std::string("/etc/xdg/autostart"); }},
    {u"Desktop", [] { return userFolder("XDG_DESKTOP_DIR", "Desktop"); }},
    {u"Favorites", [] { return dataFolder("favorites"); }},
    {u"Fonts", [] { return dataFolder("fonts"); }},
    {u"MyDocuments", [] { return userFolder("XDG_DOCUMENTS_DIR", "Documents"); }},
    {u"Programs", [] { return dataFolder("applications"); }},
    {u"Recent", [] { return dataFolder("recent"); }},
    {u"SendTo", [] { return dataFolder("sendto"); }},
    {u"StartMenu", [] { return dataFolder("applications"); }},
    {u"Startup", [] { return baseFolder("XDG_CONFIG_HOME", ".config") + "/autostart"; }},
    {u"Templates", [] { return userFolder("XDG_TEMPLATES_DIR", "Templates"); }},
    {u"AppData", [] { return baseFolder("XDG_CONFIG_HOME", ".config"); }},
    {u"LocalAppData", [] { return baseFolder("XDG_DATA_HOME", ".local/share"); }},
};
constexpr int32_t kSpecialFolderCount = static_cast<int32_t>(std::size(kSpecialFolders));

int32_t folderFor(const Variant& which, std::string& path) {
    path.clear();
    if (which.isNumeric()) {
        int32_t index = 0;
        if (int32_t e = vbs::ops::toLong(which, index)) return e;
        if (index < 0 || index >= kSpecialFolderCount) return vbs::err::SubscriptOutOfRange;
        path = kSpecialFolders[index].where();
        return 0;
    }
    std::u16string name;
    if (int32_t e = vbs::ops::toString(which, name)) return e;
    for (const SpecialFolder& folder : kSpecialFolders)
        if (vbs::namesEqual(name, folder.name)) path = folder.where();
    return 0;
}

}  // namespace

Variant makeSpecialFoldersObject() {
    auto* folders = new vbs::HostObject(u"IWshCollection");
    Variant holder = Variant::object(folders);
    folders->property(u"Item", [](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 1) return vbs::err::WrongArgCount;
        std::string path;
        if (int32_t e = folderFor(args.at(0), path)) return e;
        result = Variant::fromUtf8(path);
        return 0;
    });
    folders->setDefault(u"Item");
    auto count = [](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = Variant::long_(kSpecialFolderCount);
        return 0;
    };
    folders->property(u"Count", count);
    folders->property(u"length", count);
    folders->enumerator([](std::vector<Variant>& items, CallContext&) -> int32_t {
        for (const SpecialFolder& folder : kSpecialFolders) items.push_back(Variant::fromUtf8(folder.where()));
        return 0;
    });
    return holder;
}

}  // namespace talvoro::host
