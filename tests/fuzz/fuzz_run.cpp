// Runs each input as a script on a fresh engine, as the application would:
// with a time limit, and a WScript.Echo that prints nowhere. Every input
// must come back, with or without a script error, within that limit.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/host_object.h"
#include "engine/script_engine.h"

namespace {
// The application's own limit is longer; a short one lets the fuzzer try
// many inputs a second while loops still run thousands of passes.
constexpr int kTimeLimitMs = 200;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = vbs::toU16(std::string_view(reinterpret_cast<const char*>(data), size));
    vbs::HostObjectRef wscript = vbs::makeHostObject(u"WScript");
    wscript->method(u"Echo", [](vbs::Args, vbs::Variant&, vbs::CallContext&) { return 0; });
    vbs::ScriptEngine engine;
    engine.SetTimeout(kTimeLimitMs);
    engine.AddObject(u"WScript", wscript.get());
    try {
        engine.AddCode(text);
    } catch (const vbs::ScriptException&) {
        // A script error is an answer like any other.
    }
    return 0;
}
