// Error 1041 "Name redefined": a finished tree is checked for names declared
// twice in one scope, reported at the second declaration's name. Scopes are the script (its Dim, Const, Sub, Function
// and Class statements, also those inside If or loop blocks, which VBScript
// hoists), each procedure (its parameters and locals) and each class (fields,
// methods and properties; a property may have one Get, one Let and one Set).
#include <string>
#include <unordered_map>

#include "engine/error_table.h"
#include "engine/syntax/parser_internal.h"

namespace vbs::detail {

namespace {

std::u16string folded(const std::u16string& name) {
    std::u16string out = name;
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = char16_t(c + 32);
    return out;
}

// What a name in one scope stands for. Properties keep a bit per accessor so
// Get, Let and Set of one name can coexist.
enum NameUse : unsigned {
    kVariable = 1,
    kProcedure = 2,
    kPropertyGet = 4,
    kPropertyLet = 8,
    kPropertySet = 16,
};

unsigned useOf(ProcKind kind) {
    switch (kind) {
    case ProcKind::PropertyGet: return kPropertyGet;
    case ProcKind::PropertyLet: return kPropertyLet;
    case ProcKind::PropertySet: return kPropertySet;
    default: return kProcedure;
    }
}

constexpr unsigned kAnyProperty = kPropertyGet | kPropertyLet | kPropertySet;

class Scope {
public:
    // False if `name` is already declared in a way that excludes `use`. In
    // the script a procedure may be defined again (the later one wins).
    bool declare(const std::u16string& name, unsigned use, bool procedureMayRepeat = false) {
        unsigned& existing = uses_[folded(name)];
        if (procedureMayRepeat && existing == kProcedure && use == kProcedure) return true;
        bool clash = existing != 0 && ((existing & use) != 0 || (existing & ~kAnyProperty) != 0 ||
                                       (use & ~kAnyProperty) != 0);
        existing |= use;
        return !clash;
    }

private:
    std::unordered_map<std::u16string, unsigned> uses_;
};

class NameChecker {
public:
    NameProblem run(const Program& program) {
        Scope global;
        declareIn(program.statements, global, true);
        return problem_;
    }

private:
    NameProblem problem_;

    bool report(Pos pos) {
        if (problem_.number == 0) problem_ = {err::NameRedefined, pos};
        return false;
    }

    bool declare(Scope& scope, const std::u16string& name, unsigned use, Pos pos, bool procedureMayRepeat = false) {
        return scope.declare(name, use, procedureMayRepeat) || report(pos);
    }

    // Declarations of one block and the blocks nested in it. At script level
    // procedures and classes are declared here and get scopes of their own.
    bool declareIn(const Block& block, Scope& scope, bool scriptLevel) {
        for (const StmtPtr& s : block)
            if (!declareStatement(*s, scope, scriptLevel)) return false;
        return true;
    }

    bool declareStatement(const Stmt& s, Scope& scope, bool scriptLevel) {
        switch (s.kind) {
        case StmtKind::Dim:
            for (const VarDecl& v : static_cast<const DimStmt&>(s).vars)
                if (!declare(scope, v.name, kVariable, v.pos)) return false;
            return true;
        case StmtKind::Const:
            for (const ConstDecl& c : static_cast<const ConstStmt&>(s).consts)
                if (!declare(scope, c.name, kVariable, c.pos)) return false;
            return true;
        case StmtKind::Procedure: {
            const auto& proc = static_cast<const ProcedureStmt&>(s);
            return (!scriptLevel || declare(scope, proc.name, useOf(proc.procKind), proc.namePos, true)) &&
                   checkProcedure(proc);
        }
        case StmtKind::Class: {
            const auto& cls = static_cast<const ClassStmt&>(s);
            return declare(scope, cls.name, kVariable, cls.namePos) && checkClass(cls);
        }
        default:
            return declareInNestedBlocks(s, scope, scriptLevel);
        }
    }

    bool declareInNestedBlocks(const Stmt& s, Scope& scope, bool scriptLevel) {
        switch (s.kind) {
        case StmtKind::If: {
            const auto& i = static_cast<const IfStmt&>(s);
            for (const IfBranch& b : i.branches)
                if (!declareIn(b.body, scope, scriptLevel)) return false;
            return declareIn(i.elseBody, scope, scriptLevel);
        }
        case StmtKind::Select: {
            const auto& sel = static_cast<const SelectStmt&>(s);
            for (const CaseClause& c : sel.cases)
                if (!declareIn(c.body, scope, scriptLevel)) return false;
            return declareIn(sel.elseBody, scope, scriptLevel);
        }
        case StmtKind::ForNext: return declareIn(static_cast<const ForNextStmt&>(s).body, scope, scriptLevel);
        case StmtKind::ForEach: return declareIn(static_cast<const ForEachStmt&>(s).body, scope, scriptLevel);
        case StmtKind::DoLoop: return declareIn(static_cast<const DoLoopStmt&>(s).body, scope, scriptLevel);
        case StmtKind::While: return declareIn(static_cast<const WhileStmt&>(s).body, scope, scriptLevel);
        case StmtKind::With: return declareIn(static_cast<const WithStmt&>(s).body, scope, scriptLevel);
        default: return true;
        }
    }

    bool checkProcedure(const ProcedureStmt& proc) {
        Scope local;
        for (const Param& p : proc.params)
            if (!declare(local, p.name, kVariable, p.pos)) return false;
        return declareIn(proc.body, local, false);
    }

    // Fields and procedures are kept apart but declared in the order they
    // were written, so the clash is reported at the later of the two.
    bool checkClass(const ClassStmt& cls) {
        Scope members;
        size_t field = 0, member = 0;
        while (field < cls.fields.size() || member < cls.members.size()) {
            bool fieldFirst = member == cls.members.size() ||
                              (field < cls.fields.size() &&
                               comesBefore(cls.fields[field]->pos, cls.members[member]->pos));
            if (fieldFirst) {
                if (!declareStatement(*cls.fields[field++], members, false)) return false;
                continue;
            }
            const ProcedureStmt& proc = *cls.members[member++];
            if (!declare(members, proc.name, useOf(proc.procKind), proc.namePos) || !checkProcedure(proc))
                return false;
        }
        return true;
    }

    static bool comesBefore(Pos a, Pos b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    }
};

}  // namespace

NameProblem findRedefinedNames(const Program& program) {
    return NameChecker().run(program);
}

}  // namespace vbs::detail
