#include "engine/script_error.h"

#include "engine/variant.h"

namespace vbs {

ScriptException::ScriptException(ScriptError e) : error_(std::move(e)) {
    what_ = toUtf8(error_.description);
    if (error_.line > 0)
        what_ += " (line " + std::to_string(error_.line) + ", column " + std::to_string(error_.column) + ")";
}

}  // namespace vbs
