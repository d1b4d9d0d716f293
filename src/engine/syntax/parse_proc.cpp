// Procedures (Sub, Function, Property Get/Let/Set) and classes.
#include "engine/error_table.h"
#include "engine/syntax/parser_internal.h"

namespace vbs::detail {

namespace {

char16_t lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

bool sameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool isProperty(ProcKind kind) {
    return kind == ProcKind::PropertyGet || kind == ProcKind::PropertyLet || kind == ProcKind::PropertySet;
}

// The arguments a property is indexed by: Let and Set take the value last.
size_t indexArguments(const ProcedureStmt& accessor) {
    size_t n = accessor.params.size();
    return accessor.procKind == ProcKind::PropertyGet || n == 0 ? n : n - 1;
}

// What the parser knows about the surroundings of the statement it is on,
// saved on entry to a procedure body and restored when it ends.
struct ContextSnapshot {
    int doDepth, forDepth;
    std::optional<ProcKind> procedure;
    bool topLevel;
};

}  // namespace

// (Sub | Function | Property (Get | Let | Set)) name [( params )] block End (Sub | Function | Property)
// One declared inside a block of the script (`If False Then` newline `Sub s`)
// is declared as if it stood outside it: it goes to the script's own list.
bool Parser::parseProcedure(Block& out, Visibility visibility, bool isDefault, Pos pos) {
    bool inScriptBlock = !topLevel_ && !inClass_;
    auto proc = parseProcedureNode(visibility, isDefault, pos);
    if (!proc) return false;
    (inScriptBlock ? program_->statements : out).push_back(std::move(proc));
    return true;
}

// The same, as a node of its own (parseProcedure adds it to the block).
std::unique_ptr<ProcedureStmt> Parser::parseProcedureNode(Visibility visibility, bool isDefault, Pos pos) {
    // Procedures stand in the script (at its top or in its blocks) or directly
    // in a class, never in another procedure.
    if (procedure_) return fail(err::ExpectedStatement), nullptr;
    auto proc = std::make_unique<ProcedureStmt>(pos);
    proc->visibility = visibility;
    proc->isDefault = isDefault;
    int headerLine = logicalLine();
    bool property = atPropertyHeader();
    TokenKind closing = tok().kind;  // Sub or Function; an Identifier for Property
    int wrongEnd = closing == TokenKind::KwSub        ? err::ExpectedSub
                   : closing == TokenKind::KwFunction ? err::ExpectedFunction
                                                      : err::ExpectedProperty;
    if (closing == TokenKind::KwSub) proc->procKind = ProcKind::Sub;
    if (closing == TokenKind::KwFunction) proc->procKind = ProcKind::Function;
    advance();
    if (property) {
        if (atWord(u"get")) proc->procKind = ProcKind::PropertyGet;
        else if (atWord(u"let")) proc->procKind = ProcKind::PropertyLet;
        else if (at(TokenKind::KwSet)) proc->procKind = ProcKind::PropertySet;
        else return fail(err::ExpectedLetSetGet), nullptr;
        if (!inClass_) return fail(err::MustBeInsideClass), nullptr;
        if (isDefault && proc->procKind != ProcKind::PropertyGet)
            return fail(err::DefaultOnlyOnPropertyGet), nullptr;
        advance();
    }

    if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier), nullptr;
    proc->name = tok().text;
    proc->namePos = tok().pos;
    advance();
    if (accept(TokenKind::LParen)) {
        if (!parseParams(proc->params)) return nullptr;
    } else if (!atEndOfStatement()) {
        return fail(err::ExpectedLParen), nullptr;  // `Sub x)`
    }
    proc->headerEnd = tok().pos;
    // The body may begin on the header's line: `Sub Show(s) WScript.Echo s : End Sub`.

    if ((proc->procKind == ProcKind::PropertyLet || proc->procKind == ProcKind::PropertySet) &&
        proc->params.empty())
        return fail(err::PropertyNeedsArgument), nullptr;  // where the arguments were due
    bool classEvent = sameName(proc->name, u"class_initialize") ||
                      sameName(proc->name, u"class_terminate");
    if (inClass_ && classEvent && proc->procKind == ProcKind::Sub && !proc->params.empty())
        return fail(err::InitTerminateArgs), nullptr;  // after the arguments

    ContextSnapshot saved{doDepth_, forDepth_, procedure_, topLevel_};
    doDepth_ = forDepth_ = 0;
    procedure_ = proc->procKind;
    topLevel_ = false;
    bool bodyOk = parseBlock(proc->body, headerLine);
    doDepth_ = saved.doDepth;
    forDepth_ = saved.forDepth;
    procedure_ = saved.procedure;
    topLevel_ = saved.topLevel;
    if (!bodyOk) return nullptr;

    proc->endLine = tok().pos.line;
    if (!expect(TokenKind::KwEnd, err::ExpectedEnd)) return nullptr;
    bool rightEnd = property ? atWord(u"property") : at(closing);
    if (!rightEnd) return fail(wrongEnd), nullptr;
    advance();
    return proc;
}

// After `(`: `[ByVal|ByRef] name[()]`, separated by commas, then `)`.
bool Parser::parseParams(std::vector<Param>& params) {
    if (accept(TokenKind::RParen)) return true;
    do {
        Param param;
        if (accept(TokenKind::KwByVal)) param.byVal = true;
        else accept(TokenKind::KwByRef);
        param.pos = tok().pos;
        if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier);
        param.name = tok().text;
        advance();
        if (accept(TokenKind::LParen)) {
            if (!expect(TokenKind::RParen, err::ExpectedRParen)) return false;
            param.isArray = true;
        }
        params.push_back(std::move(param));
    } while (accept(TokenKind::Comma));
    return expect(TokenKind::RParen, err::ExpectedRParen);
}

// Class name NEWLINE {member} End Class
bool Parser::parseClass(Block& out) {
    Pos pos = tok().pos;
    if (procedure_ || !topLevel_ || inClass_) return fail(err::ExpectedStatement);
    advance();
    if (!at(TokenKind::Identifier)) return fail(err::ExpectedIdentifier);
    auto cls = std::make_unique<ClassStmt>(pos);
    cls->name = tok().text;
    cls->namePos = tok().pos;
    advance();
    // `Class C End Class` on one line: the class needs a line break first.
    if (at(TokenKind::KwEnd)) return fail(err::ExpectedStatement);
    if (!atEndOfStatement()) return fail(err::ExpectedEndOfStatement);

    inClass_ = true;
    classHasDefault_ = false;
    bool ok = true;
    while (ok) {
        while (at(TokenKind::NewLine) || at(TokenKind::Colon)) advance();
        if (at(TokenKind::KwEnd) || at(TokenKind::EndOfInput)) break;
        // A member may be followed by End Class on its line: `Public x End Class`.
        ok = parseClassMember(*cls) && (atEndOfStatement() || closesClass() || fail(err::ExpectedEndOfStatement));
    }
    inClass_ = false;
    if (!ok || !expectEnd(TokenKind::KwClass, err::ExpectedClass) || !checkPropertyArguments(*cls)) return false;
    out.push_back(std::move(cls));
    return true;
}

// One field declaration or one procedure of a class.
bool Parser::parseClassMember(ClassStmt& cls) {
    Pos pos = tok().pos;
    Block parsed;
    switch (tok().kind) {
    case TokenKind::KwDim:
        advance();
        if (!parseDim(parsed, Visibility::Default, pos)) return false;
        break;
    case TokenKind::KwPublic: case TokenKind::KwPrivate:
        if (!parseVisibilityStatement(parsed)) return false;
        break;
    case TokenKind::KwSub: case TokenKind::KwFunction:
        if (!parseProcedure(parsed, Visibility::Default, false, pos)) return false;
        break;
    default:
        // Default comes after Public: `Default Public Function f`, `Default Private ...`.
        if (atWord(u"default")) return fail(err::DefaultMustBePublic);
        if (!atPropertyHeader()) return fail(err::ExpectedStatement);
        if (!parseProcedure(parsed, Visibility::Default, false, pos)) return false;
        break;
    }
    for (StmtPtr& stmt : parsed) {
        if (stmt->kind == StmtKind::Dim)
            cls.fields.emplace_back(static_cast<DimStmt*>(stmt.release()));
        else if (stmt->kind == StmtKind::Procedure)
            cls.members.emplace_back(static_cast<ProcedureStmt*>(stmt.release()));
        else
            return failAt(err::ExpectedStatement, pos);
    }
    return true;
}

// The accessors of one property agree on its index arguments; error 1051
// points at the first accessor that disagrees with the one before it.
bool Parser::checkPropertyArguments(const ClassStmt& cls) {
    for (size_t i = 0; i < cls.members.size(); ++i) {
        const ProcedureStmt& later = *cls.members[i];
        if (!isProperty(later.procKind)) continue;
        for (size_t j = 0; j < i; ++j) {
            const ProcedureStmt& earlier = *cls.members[j];
            if (!isProperty(earlier.procKind) || !sameName(earlier.name, later.name)) continue;
            if (indexArguments(earlier) != indexArguments(later))
                return failAt(err::InconsistentPropertyArgs, later.headerEnd);
            break;
        }
    }
    return true;
}

}  // namespace vbs::detail
