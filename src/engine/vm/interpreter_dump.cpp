// A readable listing of compiled code, for engine developers: set the
// environment variable TALVORO_DUMP_BYTECODE to have every compiled unit
// listed on standard error.
#include <cstdio>

#include "engine/compile/bytecode.h"
#include "engine/vm/script_class.h"

namespace vbs {

namespace {

const char* opName(Op op) {
    static const char* const kNames[] = {
#define VBS_OP_NAME(name) #name,
        VBS_OPCODES(VBS_OP_NAME)
#undef VBS_OP_NAME
    };
    return kNames[static_cast<size_t>(op)];
}

}  // namespace

void dumpProcedure(const Procedure& proc) {
    std::fprintf(stderr, "procedure '%s': %d params, %d slots, stack %d\n", toUtf8(proc.name).c_str(),
                 proc.numParams, proc.numLocals, proc.maxStack);
    for (size_t pc = 0; pc < proc.code.size(); ++pc) {
        const Instr& in = proc.code[pc];
        std::fprintf(stderr, "  %4zu  %-22s a=%d b=%d c=%d\n", pc, opName(in.op), in.a, in.b, in.c);
    }
}

}  // namespace vbs
