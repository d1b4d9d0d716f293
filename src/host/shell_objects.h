// WScript.Shell and WScript.Network for the scripts of an engine: starting
// programs (Run, Exec), the current folder, the environment, the special
// folders, Popup, and the user's and the computer's names. Programs started
// this way run with the user's rights, as on Windows.
#pragma once

#include <functional>
#include <string>

#include "engine/script_engine.h"
#include "engine/variant.h"
#include "host/child_process.h"

namespace talvoro::host {

// Popup's box: the text, the seconds to wait (0 or less: until answered),
// the title (empty: the program's) and MsgBox's buttons-and-icon number.
// Answers the button's value as MsgBox does (vbOK = 1...), or -1 when the
// time ran out.
using PopupHook = std::function<int(const std::u16string& text, int seconds, const std::u16string& title, int type)>;

struct ShellHooks {
    PopupHook popup;  // none: the text goes to standard output (consolePopup)
};

// Registers WScript.Shell and WScript.Network with `engine` (they stay
// registered across Reset).
void registerShellObjects(vbs::ScriptEngine& engine, ShellHooks hooks = {});

// Popup without a window: the title (when given) and the text on standard
// output, answered at once with the box's default button (vbDefaultButton2
// picks the second...), the answer a user who pressed Enter would give.
int consolePopup(const std::u16string& text, int seconds, const std::u16string& title, int type);

// The object Exec returns for a started program (shell_exec.cpp).
vbs::Variant makeExecObject(pid_t child, ChildPipes pipes);
// Shell.Environment(kind) and Shell.SpecialFolders (shell_environment.cpp,
// special_folders.cpp).
vbs::Variant makeEnvironmentObject();
vbs::Variant makeSpecialFoldersObject();
// WScript.Network (wscript_network.cpp).
vbs::Variant makeNetworkObject();
// %NAME% replaced by the variable's value; unknown names are left as written.
std::u16string expandEnvironmentStrings(std::u16string_view text);
// The environment variable `name` (a case-insensitive match when none has
// exactly that name), or nothing.
bool findEnvironmentVariable(const std::string& name, std::string& foundName, std::string& value);

}  // namespace talvoro::host
