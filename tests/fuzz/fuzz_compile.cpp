// The lexer, parser and compiler on any text: each input either compiles or
// is a compile error; a crash, a hang or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <new>
#include <string_view>

#include "engine/compile/compiler.h"
#include "engine/vm/interpreter.h"
#include "engine/syntax/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = vbs::toU16(std::string_view(reinterpret_cast<const char*>(data), size));
    vbs::ParseResult parsed = vbs::parse(text, vbs::ParseMode::Statements);
    if (parsed.error.number) return 0;
    vbs::Interpreter vm;
    vbs::CompileRequest request;
    request.program = parsed.program.get();
    request.unit = std::make_shared<vbs::CodeUnit>();
    request.unit->source = text;
    vbs::CompiledUnit compiled;
    const size_t mark = vm.globalCount();
    bool failed = true;
    try {
        failed = vbs::compileProgram(request, vm, compiled).number != 0;
    } catch (const std::bad_alloc&) {
        // More globals than kMaxGlobals: the engine reports it as error 7.
    }
    if (failed) {
        vm.rollbackGlobals(mark);
        if (compiled.main) vm.releaseHiddenGlobals(compiled.main->hiddenGlobals);
    }
    return 0;
}
