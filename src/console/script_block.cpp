#include "console/script_block.h"

#include <string>

namespace talvoro {

int runScriptBlock(vbs::ScriptEngine& engine, Transcript& transcript, std::u16string_view block) {
    try {
        engine.ExecuteStatement(block);
        return 0;
    } catch (const vbs::ScriptException& failure) {
        const vbs::ScriptError& error = failure.error();
        std::u16string entry = u"Error:" + error.description + u"\r\nLine:";
        for (char c : std::to_string(error.line)) entry.push_back(static_cast<char16_t>(c));
        transcript.AppendLine(entry);
        transcript.SetToTop();
        return error.line;
    }
}

}  // namespace talvoro
