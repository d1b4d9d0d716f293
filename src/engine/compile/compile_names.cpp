// Declarations and names: where each name of a procedure lives.
#include "engine/compile/proc_compiler.h"

#include "engine/library/builtins.h"
#include "engine/values/ops.h"
#include "engine/vm/script_class.h"

namespace vbs::detail {

// ---- declarations ----------------------------------------------------------------

// Dim anywhere in a procedure declares the name for the whole procedure.
void ProcCompiler::declareLocalsIn(const Block& block) {
    for (const auto& s : block) {
        switch (s->kind) {
        case StmtKind::Dim:
            for (const auto& v : static_cast<const DimStmt&>(*s).vars) {
                std::u16string f = foldName(v.name);
                if (locals_.count(f)) { fail(err::NameRedefined, v.pos); return; }
                // Execute "Dim a" where the calling procedure already uses a
                // implicitly: that variable is the one declared.
                if (auto it = proc_.implicitLocalSlots.find(f); it != proc_.implicitLocalSlots.end())
                    locals_[f] = it->second;
                else
                    addLocal(f);
            }
            break;
        case StmtKind::If: {
            const auto& i = static_cast<const IfStmt&>(*s);
            for (const auto& b : i.branches) declareLocalsIn(b.body);
            declareLocalsIn(i.elseBody);
            break;
        }
        case StmtKind::Select: {
            const auto& sel = static_cast<const SelectStmt&>(*s);
            for (const auto& c : sel.cases) declareLocalsIn(c.body);
            declareLocalsIn(sel.elseBody);
            break;
        }
        case StmtKind::ForNext: declareLocalsIn(static_cast<const ForNextStmt&>(*s).body); break;
        case StmtKind::ForEach: declareLocalsIn(static_cast<const ForEachStmt&>(*s).body); break;
        case StmtKind::DoLoop: declareLocalsIn(static_cast<const DoLoopStmt&>(*s).body); break;
        case StmtKind::While: declareLocalsIn(static_cast<const WhileStmt&>(*s).body); break;
        case StmtKind::With: declareLocalsIn(static_cast<const WithStmt&>(*s).body); break;
        default: break;
        }
    }
}

// ---- names ---------------------------------------------------------------------------

Place ProcCompiler::dynamicPlace(const std::u16string& folded) {
    Place p;
    p.kind = PlaceKind::Dynamic;
    p.index = -1;
    if (!globalCode_ && !proc_.optionExplicit) {
        auto it = proc_.implicitLocalSlots.find(folded);
        if (it != proc_.implicitLocalSlots.end()) p.index = it->second;
        else {
            proc_.localNames.push_back(u"");
            p.index = proc_.numLocals++;
            proc_.implicitLocalSlots[folded] = p.index;
        }
    }
    return p;
}

Place ProcCompiler::resolve(const std::u16string& name, bool forAssignment) {
    std::u16string f = foldName(name);
    Place p;
    if (auto it = locals_.find(f); it != locals_.end()) { p.kind = PlaceKind::Local; p.index = it->second; return p; }
    if (auto it = consts_.find(f); it != consts_.end()) { p.kind = PlaceKind::Constant; p.constant = it->second; return p; }
    if (cls_) {
        for (size_t i = 0; i < cls_->fieldNames.size(); ++i)
            if (cls_->fieldNames[i] == f) { p.kind = PlaceKind::Field; p.index = static_cast<int32_t>(i); return p; }
        int32_t id = cls_->findMember(f);
        if (id != kNoMember) { p.kind = PlaceKind::MeMember; p.index = id; return p; }
    }
    if (globalConsts) {
        if (auto it = globalConsts->find(f); it != globalConsts->end()) {
            p.kind = PlaceKind::Constant; p.constant = it->second; return p;
        }
    }
    int32_t g = vm_.findGlobal(f);
    if (g >= 0) {
        p.index = g;
        switch (vm_.globalInfo(g).kind) {
        case GlobalKind::Procedure: p.kind = PlaceKind::Procedure; break;
        case GlobalKind::Class: p.kind = PlaceKind::Class; break;
        default: p.kind = globalVariableKind(); break;
        }
        return p;
    }
    if (const ConstantInfo* c = findConstant(name)) { p.kind = PlaceKind::Constant; p.constant = c->make(); return p; }
    if (const BuiltinInfo* b = findBuiltin(name)) {
        p.kind = PlaceKind::Builtin;
        p.index = static_cast<int32_t>(proc_.builtins.size());
        proc_.builtins.push_back(b);
        return p;
    }
    if (vm_.hostMemberExists(f)) return Place{};  // Dynamic, no fallback: the host object answers
    // Global code without Option Explicit: an assignment creates the
    // variable. A read stays a run-time lookup, since ExecuteGlobal may
    // still define the name as a procedure.
    if (globalCode_ && !proc_.optionExplicit) {
        if (!forAssignment) return Place{};
        p.kind = globalVariableKind();
        p.index = vm_.declareGlobal(name, GlobalKind::Variable);
        return p;
    }
    return dynamicPlace(f);
}

void ProcCompiler::emitLoad(const Place& place, const std::u16string& name) {
    switch (place.kind) {
    case PlaceKind::Local: emit(Op::LoadLocal, place.index); break;
    case PlaceKind::Global: emit(Op::LoadGlobal, place.index); break;
    case PlaceKind::Field: emit(Op::LoadField, place.index); break;
    case PlaceKind::Constant: emit(Op::PushConst, constant(place.constant)); break;
    case PlaceKind::Procedure: emit(Op::CallProc, place.index, 0); break;
    case PlaceKind::MeMember: emit(Op::CallMeMember, place.index, 0, static_cast<uint8_t>(InvokeKind::Get)); break;
    case PlaceKind::Builtin: emit(Op::CallBuiltin, place.index, 0); break;
    case PlaceKind::Class: emit(Op::LoadName, nameIndex(name), -1, proc_.optionExplicit); break;
    case PlaceKind::Dynamic: emit(Op::LoadName, nameIndex(name), place.index, proc_.optionExplicit); break;
    }
}

void ProcCompiler::emitStore(const Place& place, const std::u16string& name, bool isSet, bool raw) {
    uint8_t flags = raw ? 2 : 0;
    switch (place.kind) {
    case PlaceKind::Local: emit(isSet ? Op::SetLocal : Op::StoreLocal, place.index, 0, flags); break;
    case PlaceKind::Global: emit(isSet ? Op::SetGlobal : Op::StoreGlobal, place.index, 0, flags); break;
    case PlaceKind::Field: emit(isSet ? Op::SetField : Op::StoreField, place.index, 0, flags); break;
    case PlaceKind::MeMember:
        emit(Op::StoreMeMember, place.index, 0, isSet ? 1 : 0);
        break;
    default: {
        uint8_t f = static_cast<uint8_t>((proc_.optionExplicit ? 1 : 0) | flags);
        emit(isSet ? Op::SetName : Op::StoreName, nameIndex(name), place.index, f);
        break;
    }
    }
}

bool ProcCompiler::emitRef(const Place& place, const std::u16string& name) {
    switch (place.kind) {
    case PlaceKind::Local: emit(Op::RefLocal, place.index); return true;
    case PlaceKind::Global: emit(Op::RefGlobal, place.index); return true;
    case PlaceKind::Field: emit(Op::RefField, place.index); return true;
    case PlaceKind::Dynamic: emit(Op::RefName, nameIndex(name), place.index, proc_.optionExplicit); return true;
    default: return false;
    }
}

}  // namespace vbs::detail
