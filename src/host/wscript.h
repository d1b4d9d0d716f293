// The WScript object of talvoro-run, the script host: output (Echo, StdOut,
// StdErr), input (StdIn), the script's arguments and names, Quit, Sleep and
// CreateObject, as the Windows console script host has them. The calculator
// window has no WScript.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/host_object.h"

namespace talvoro::host {

struct ScriptHostFacts {
    std::string scriptPath;              // as given on the command line
    std::vector<std::string> arguments;  // those after the script's path
    std::string hostProgram;             // the full path of the running program
};

// The text Echo shows for a value: numbers and dates as CStr makes them,
// Booleans as -1 and 0, Null as "null", Empty as nothing, an object as its
// default member's value. 13 for an array.
int32_t echoText(vbs::CallContext& ctx, const vbs::Variant& value, std::u16string& out);

class WScriptObject {
public:
    explicit WScriptObject(ScriptHostFacts facts);
    vbs::Dispatch* object() { return object_.get(); }
    // The code the script gave to Quit, once it has called it.
    std::optional<int> quitCode() const { return quitCode_; }

private:
    void addOutput();
    void addNames();
    void addObjectMembers();

    ScriptHostFacts facts_;
    vbs::HostObjectRef object_;
    bool interactive_ = true;
    std::optional<int> quitCode_;
    vbs::Variant stdIn_, stdOut_, stdErr_, arguments_;
};

// WScript.Arguments: every argument, and the Named (/name:value, /name) and
// Unnamed ones apart.
vbs::Variant makeArgumentsObject(const std::vector<std::string>& arguments);

}  // namespace talvoro::host
