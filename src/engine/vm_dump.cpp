// A readable listing of compiled code, for engine developers: set the
// environment variable TALVORO_DUMP_BYTECODE to have every compiled unit
// listed on standard error.
#include <cstdio>

#include "engine/bytecode.h"
#include "engine/script_class.h"

namespace vbs {

void dumpProcedure(const Procedure& proc) {
    std::fprintf(stderr, "procedure '%s': %d params, %d slots, stack %d\n", toUtf8(proc.name).c_str(),
                 proc.numParams, proc.numLocals, proc.maxStack);
    for (size_t pc = 0; pc < proc.code.size(); ++pc) {
        const Instr& in = proc.code[pc];
        std::fprintf(stderr, "  %4zu  op %3d  a=%d b=%d c=%d\n", pc, static_cast<int>(in.op), in.a, in.b, in.c);
    }
}

}  // namespace vbs
