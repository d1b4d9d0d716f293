#include "engine/compile/compiler.h"

#include <unordered_map>

#include "engine/compile/proc_compiler.h"
#include "engine/vm/script_class.h"

namespace vbs {

namespace {

using namespace ast;
using detail::ProcCompiler;

// ---- units: hoisting procedures and classes ------------------------------------------------

class UnitCompiler {
public:
    UnitCompiler(const CompileRequest& req, Interpreter& vm, CompiledUnit& out) : req_(req), vm_(vm), out_(out) {}
    ScriptError run();

private:
    std::unique_ptr<Procedure> newProcedure(const std::u16string& name) {
        auto p = std::make_unique<Procedure>();
        p->name = name;
        p->unit = req_.unit;
        return p;
    }
    bool compileProcedure(const ProcedureStmt& s, Procedure& proc, ClassInfo* cls);
    bool compileClass(const ClassStmt& s, ClassInfo& cls);
    void declareGlobalDims(const Block& block);

    const CompileRequest& req_;
    Interpreter& vm_;
    CompiledUnit& out_;
    ScriptError error_;
    std::unordered_map<std::u16string, Variant> globalConsts_;
};

void UnitCompiler::declareGlobalDims(const Block& block) {
    for (const auto& s : block) {
        if (s->kind == StmtKind::Dim) {
            for (const auto& v : static_cast<const DimStmt&>(*s).vars)
                if (vm_.findGlobal(foldName(v.name)) < 0) vm_.declareGlobal(v.name, GlobalKind::Variable);
        } else if (s->kind == StmtKind::If) {
            const auto& i = static_cast<const IfStmt&>(*s);
            for (const auto& b : i.branches) declareGlobalDims(b.body);
            declareGlobalDims(i.elseBody);
        }
    }
}

bool UnitCompiler::compileProcedure(const ProcedureStmt& s, Procedure& proc, ClassInfo* cls) {
    proc.kind = s.procKind;
    proc.isPublic = s.visibility != Visibility::Private;
    ProcCompiler pc(vm_, proc, cls, false, req_.program->optionExplicit);
    pc.globalConsts = &globalConsts_;
    for (const auto& prm : s.params) {
        pc.addLocal(foldName(prm.name));
        proc.paramByVal.push_back(prm.byVal);
        proc.paramNames.push_back(prm.name);
    }
    proc.numParams = static_cast<int>(s.params.size());
    if (proc.hasReturnValue()) proc.resultSlot = pc.addLocal(foldName(s.name));
    pc.declareLocalsIn(s.body);
    pc.compileBlock(s.body);
    pc.finish();
    if (pc.error.number) { error_ = pc.error; return false; }
    return true;
}

bool UnitCompiler::compileClass(const ClassStmt& s, ClassInfo& cls) {
    cls.name = s.name;
    for (const auto& d : s.fields) {
        for (const auto& v : d->vars) {
            std::u16string f = foldName(v.name);
            int32_t index = static_cast<int32_t>(cls.fieldNames.size());
            cls.fieldNames.push_back(f);
            std::vector<int32_t> bounds;
            for (const auto& e : v.dims) {
                if (e->kind == ExprKind::Literal) {
                    const Variant& lv = static_cast<const LiteralExpr&>(*e).value;
                    bounds.push_back(lv.type() == VarType::Integer ? lv.asInteger()
                                     : lv.type() == VarType::Long  ? lv.asLong()
                                                                   : static_cast<int32_t>(lv.asDouble()));
                }
            }
            cls.fieldBounds.push_back(bounds);
            cls.fieldIsArray.push_back(v.isArray);
            ClassMember m;
            m.name = v.name;
            m.isPublic = d->visibility != Visibility::Private;
            m.field = index;
            cls.members.push_back(m);
            cls.memberIds[f] = static_cast<int32_t>(cls.members.size());
        }
    }
    // Members first (so bodies can call each other), then the bodies.
    std::vector<std::pair<const ProcedureStmt*, Procedure*>> bodies;
    for (const auto& p : s.members) {
        std::u16string f = foldName(p->name);
        int32_t id = cls.findMember(f);
        if (id == kNoMember) {
            ClassMember m;
            m.name = p->name;
            m.isPublic = p->visibility != Visibility::Private;
            cls.members.push_back(m);
            id = static_cast<int32_t>(cls.members.size());
            cls.memberIds[f] = id;
        }
        auto proc = newProcedure(p->name);
        proc->owner = &cls;
        Procedure* raw = proc.get();
        cls.procedures.push_back(std::move(proc));
        ClassMember& m = cls.member(id);
        switch (p->procKind) {
        case ProcKind::Sub: case ProcKind::Function: m.method = raw; break;
        case ProcKind::PropertyGet: m.get = raw; break;
        case ProcKind::PropertyLet: m.let = raw; break;
        case ProcKind::PropertySet: m.set = raw; break;
        }
        if (p->isDefault) cls.defaultMember = id;
        if (f == u"CLASS_INITIALIZE") cls.initialize = raw;
        if (f == u"CLASS_TERMINATE") cls.terminate = raw;
        bodies.emplace_back(p.get(), raw);
    }
    for (auto& [stmt, proc] : bodies)
        if (!compileProcedure(*stmt, *proc, &cls)) return false;
    return true;
}

ScriptError UnitCompiler::run() {
    const ast::Program& program = *req_.program;
    out_.main = newProcedure(u"");
    Procedure& main = *out_.main;
    bool global = req_.scope == nullptr;
    main.isGlobalCode = global;

    // Hoist: classes and procedures are known before any code runs, so a
    // call may come before the definition.
    std::vector<std::pair<const ProcedureStmt*, Procedure*>> procBodies;
    std::vector<std::pair<const ClassStmt*, ClassInfo*>> classBodies;
    for (const auto& s : program.statements) {
        if (s->kind == StmtKind::Procedure) {
            const auto& p = static_cast<const ProcedureStmt&>(*s);
            int32_t g = vm_.findGlobal(foldName(p.name));
            if (g < 0) g = vm_.declareGlobal(p.name, GlobalKind::Procedure);
            vm_.globalInfo(g).kind = GlobalKind::Procedure;
            auto proc = newProcedure(p.name);
            procBodies.emplace_back(&p, proc.get());
            out_.definitionOrder.push_back(proc.get());
            out_.procedures.emplace_back(g, std::move(proc));
        } else if (s->kind == StmtKind::Class) {
            const auto& c = static_cast<const ClassStmt&>(*s);
            int32_t g = vm_.findGlobal(foldName(c.name));
            if (g < 0) g = vm_.declareGlobal(c.name, GlobalKind::Class);
            vm_.globalInfo(g).kind = GlobalKind::Class;
            auto cls = std::make_shared<ClassInfo>();
            classBodies.emplace_back(&c, cls.get());
            out_.classes.emplace_back(g, std::move(cls));
        }
    }
    if (global) declareGlobalDims(program.statements);
    for (auto& [stmt, cls] : classBodies)
        if (!compileClass(*stmt, *cls)) return error_;
    for (auto& [stmt, proc] : procBodies)
        if (!compileProcedure(*stmt, *proc, nullptr)) return error_;

    ProcCompiler pc(vm_, main, req_.scopeClass, global, program.optionExplicit);
    pc.globalConsts = &globalConsts_;
    pc.firstNewGlobal = req_.firstNewGlobal;
    if (!global) {
        // Execute/Eval inside a procedure: the caller's slots come first,
        // then the variables earlier Execute text declared in that call. Its
        // implicit variables stay implicit here, in the same slots.
        for (const auto& n : req_.scope->localNames) pc.addLocal(n);
        for (const auto& n : req_.executedNames) pc.addLocal(n);
        main.implicitLocalSlots = req_.scope->implicitLocalSlots;
        main.optionExplicit = req_.scope->optionExplicit || program.optionExplicit;
        pc.declareLocalsIn(program.statements);
    }
    if (program.expression) {
        pc.compileExprTop(*program.expression);
        main.resultSlot = pc.hiddenSlots();
        // The value is left on the stack; the VM stores it in the result slot.
        main.code.push_back(Instr{Op::StoreRaw, 0, main.resultSlot, 0});
    } else {
        if (global) pc.hoistConsts(program.statements);
        pc.compileBlock(program.statements);
    }
    pc.finish();
    if (pc.error.number) return pc.error;
    return ScriptError{};
}

}  // namespace

ScriptError compileProgram(const CompileRequest& request, Interpreter& vm, CompiledUnit& out) {
    UnitCompiler compiler(request, vm, out);
    return compiler.run();
}

const StatementMark* Procedure::markAt(int32_t pc) const {
    const StatementMark* found = nullptr;
    size_t lo = 0, hi = marks.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (marks[mid].pc <= pc) { found = &marks[mid]; lo = mid + 1; }
        else hi = mid;
    }
    return found;
}

std::u16string CodeUnit::lineText(int line) const {
    if (line <= 0) return {};
    int current = 1;
    size_t start = 0;
    for (size_t i = 0; i < source.size() && current < line; ++i) {
        if (source[i] == u'\n') { ++current; start = i + 1; }
    }
    if (current != line) return {};
    size_t end = source.find(u'\n', start);
    if (end == std::u16string::npos) end = source.size();
    std::u16string text = source.substr(start, end - start);
    if (!text.empty() && text.back() == u'\r') text.pop_back();
    return text;
}

}  // namespace vbs
