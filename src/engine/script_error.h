// The error record: what went wrong and where. Engine stages produce it as a
// value; only the facade (ScriptEngine) turns it into an exception.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace vbs {

struct ScriptError {
    int32_t number = 0;          // 0: no error
    std::u16string description;  // as shown to the host: may carry ": 'name'"
    std::u16string source;       // kRuntimeSource / kCompileSource, or what Err.Raise gave
    int line = 0;                // from 1; 0 when the error has no position
    int column = 0;              // from 1; 0 when the error has no position
    std::u16string text;         // the source line the error is on, when known
    std::u16string helpFile;     // what Err.Raise gave, else empty
    int32_t helpContext = 0;

    explicit operator bool() const { return number != 0; }
    void clear() { *this = ScriptError{}; }
};

// What the facade throws when an operation fails.
class ScriptException : public std::exception {
public:
    explicit ScriptException(ScriptError e);
    const ScriptError& error() const { return error_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ScriptError error_;
    std::string what_;  // UTF-8 "description (line L, column C)"
};

}  // namespace vbs
