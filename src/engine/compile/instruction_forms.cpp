// The operand forms of the instructions and the stack effect of each.
#include "engine/compile/proc_compiler.h"

namespace vbs::detail {

bool fusedForms(Op op, Form& forms) {
    switch (op) {
#define VBS_FORMS_OF(_, OP)                                                                           \
    case Op::OP:                                                                                     \
        forms = {Op::OP##LocalConst, Op::OP##LocalLocal, Op::OP##ConstLocal, Op::OP##Const, Op::OP##Local, \
                 Op::OP##LocalTop};                                                                  \
        return true;
        VBS_FUSED_OPERATORS(VBS_FORMS_OF, _)
#undef VBS_FORMS_OF
    default: return false;
    }
}

bool canStoreResult(Op op) {
    switch (op) {
#define VBS_ALL_FORMS_OF(_, OP)                                                                        \
    case Op::OP: case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal: case Op::OP##Const: \
    case Op::OP##Local: case Op::OP##LocalTop:
        VBS_FUSED_OPERATORS(VBS_ALL_FORMS_OF, _)
#undef VBS_ALL_FORMS_OF
        return true;
    default: return false;
    }
}

bool isComparisonForm(Op op) {
    switch (op) {
#define VBS_COMPARISON_FORMS_OF(_, OP)                                                                 \
    case Op::OP: case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal: case Op::OP##Const: \
    case Op::OP##Local: case Op::OP##LocalTop:
        VBS_COMPARISON_FORMS_OF(_, Equal) VBS_COMPARISON_FORMS_OF(_, NotEqual) VBS_COMPARISON_FORMS_OF(_, Less)
        VBS_COMPARISON_FORMS_OF(_, Greater) VBS_COMPARISON_FORMS_OF(_, LessEqual)
        VBS_COMPARISON_FORMS_OF(_, GreaterEqual)
#undef VBS_COMPARISON_FORMS_OF
        return true;
    default: return false;
    }
}

bool hasGeneralPath(Op op) {
    switch (op) {
#define VBS_PLAIN_OPERATOR(_, OP) case Op::OP:
        VBS_FUSED_OPERATORS(VBS_PLAIN_OPERATOR, _)
#undef VBS_PLAIN_OPERATOR
    case Op::Concat: case Op::Negate: case Op::CaseEqual: case Op::IndexRef: case Op::StoreIndex:
    case Op::ForStep: case Op::StoreLocal: case Op::StoreGlobal: case Op::StoreField: case Op::JumpIfFalse:
    case Op::JumpIfTrue:
        return true;
    default: return false;
    }
}

int ProcCompiler::stackEffect(Op op, int32_t b) {
    switch (op) {
    case Op::PushConst: case Op::PushEmpty: case Op::PushMissing: case Op::PushMe: case Op::Dup:
    case Op::LoadLocal: case Op::LoadGlobal: case Op::LoadField: case Op::RefLocal: case Op::RefGlobal:
    case Op::RefField: case Op::LoadName: case Op::RefName: case Op::New: case Op::NewName:
    case Op::RaiseUndefined: case Op::RaiseError: case Op::ForEachNext:
        return 1;
    case Op::Pop: case Op::StoreLocal: case Op::SetLocal: case Op::StoreRaw: case Op::StoreGlobal:
    case Op::SetGlobal: case Op::StoreField: case Op::SetField: case Op::AppendLocal: case Op::AppendGlobal:
    case Op::StoreName: case Op::SetName: case Op::JumpIfFalse: case Op::JumpIfTrue: case Op::CaseEqual:
    case Op::Erase: case Op::ForEachPrep:
        return -1;
    case Op::Add: case Op::Subtract: case Op::Multiply: case Op::Divide: case Op::IntDivide: case Op::Modulo:
    case Op::Power: case Op::Concat: case Op::Equal: case Op::NotEqual: case Op::Less: case Op::Greater:
    case Op::LessEqual: case Op::GreaterEqual: case Op::Is: case Op::And: case Op::Or: case Op::Xor:
    case Op::Eqv: case Op::Imp:
        return -1;
    case Op::CallProc: case Op::CallBuiltin: case Op::CallName: case Op::CallMeMember:
        return 1 - b;
    case Op::CallMember: case Op::CallValue: case Op::IndexRef: case Op::RefElement:
        return -b;
    case Op::IndexLocal:
        return 0;
    case Op::IndexLocalAt:
        return 1;
#define VBS_PUSHING_FORMS(_, OP) case Op::OP##LocalConst: case Op::OP##LocalLocal: case Op::OP##ConstLocal:
    VBS_FUSED_OPERATORS(VBS_PUSHING_FORMS, _)
#undef VBS_PUSHING_FORMS
        return 1;
    case Op::StoreIndexLocal:
        return -2;
    case Op::StoreIndex: case Op::StoreMember:
        return -(b + 2);
    case Op::StoreMeMember:
        return -(b + 1);
    case Op::DimArray: case Op::ReDim:
        return -(b + 1);
    case Op::ForPrep:
        return -3;
    default:
        return 0;
    }
}

}  // namespace vbs::detail
