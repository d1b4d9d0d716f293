// The road of the user's script library from disk into the main engine:
// reading a script file, LoadScripts (reset, register the named objects,
// add the file), LoadScript (add one more file), ProcedureExists and the
// start-up sequence that runs Main. Widget-free: the window supplies the
// engine, the message box and the registration of its objects.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_reading.h"
#include "engine/object.h"
#include "engine/script_engine.h"
#include "settings/cvar_store.h"
#include "settings/message_box.h"

namespace talvoro {

// The script file dialogs' filter, in Qt's notation.
inline constexpr char kScriptFileFilter[] = "Talvoro Scripts (*.tvo);;All Files (*)";

inline constexpr char16_t kOpenFailureText[] = u"Failed to open script file";
inline constexpr char16_t kMainNotFoundText[] = u"Sub Main not found";

// " 3" for 3, "-3" for -3: how the error report writes its numbers.
std::u16string signedNumberText(int number);

// The four lines of the script-error box, joined by CR LF.
std::u16string scriptErrorReport(const vbs::ScriptError& error);

// True when `procedures` holds `name`, letter case and surrounding blanks
// (spaces only) ignored.
bool ProcedureExists(const std::vector<vbs::ProcedureInfo>& procedures, std::u16string_view name);

// The box WScript.Shell's Popup shows: text, seconds to wait, title, MsgBox's
// type -> MsgBox's answer, or -1 when the time ran out.
using ShellPopup = std::function<int(const std::u16string& text, int seconds, const std::u16string& title, int type)>;

class ScriptLibrary {
public:
    // `registerObjects` adds the six named objects to a freshly reset engine.
    // Without `popup` a script's Popup writes to standard output.
    ScriptLibrary(vbs::ScriptEngine& engine, std::function<void(vbs::ScriptEngine&)> registerObjects,
                  MessageBox& box, ShellPopup popup = {});

    // The main script file named by the setting MainScriptFile.
    void LoadScriptFile(const CvarStore& settings);
    // Reset, register the objects, add the file.
    void LoadScripts(const std::string& path);
    // Adds the file's code to what the engine holds, from outside any script.
    void LoadScript(const std::string& path);
    // The same for a script that is running on the engine: the code is added
    // through the running interpreter, so the running script is not disturbed.
    // Returns 0 after success or a reported failure (the box shows it, as
    // for any load), or the error number of an unreadable argument.
    int32_t LoadScriptFromScript(const std::string& path, vbs::CallContext& ctx);

    // How deeply files loaded from scripts may load further files. A file
    // that loads itself would otherwise recurse until the stack runs out.
    static constexpr int kMaxNestedLoads = 32;

    bool ProcedureExists(std::u16string_view name) const;

    // Start-up after the settings and the height are applied: LoadScriptFile,
    // "Ans=0", then Main when it exists, else `print` of "Sub Main not found".
    // Errors after the load are ignored.
    void runStartup(const CvarStore& settings, const std::function<void(const std::u16string&)>& print);

private:
    void report(const std::u16string& text);

    vbs::ScriptEngine& engine_;
    std::function<void(vbs::ScriptEngine&)> registerObjects_;
    MessageBox& box_;
    int nestedLoads_ = 0;
};

}  // namespace talvoro
