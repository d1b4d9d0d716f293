#include "engine/vm_err.h"

#include "engine/error_table.h"
#include "engine/ops.h"

namespace vbs {

namespace {
enum Member : int32_t { kNumber = kDefaultMember, kDescription, kSource, kHelpFile, kHelpContext, kClear, kRaise };

struct MemberName {
    const char16_t* name;
    int32_t id;
};
constexpr MemberName kMembers[] = {
    {u"Number", kNumber}, {u"Description", kDescription}, {u"Source", kSource}, {u"HelpFile", kHelpFile},
    {u"HelpContext", kHelpContext}, {u"Clear", kClear}, {u"Raise", kRaise},
};

int32_t textArg(const Variant& v, std::u16string& out) {
    if (v.isEmpty()) { out.clear(); return 0; }
    return ops::toString(v, out);
}
}  // namespace

int32_t ErrObject::findMember(std::u16string_view name) {
    for (const auto& m : kMembers)
        if (namesEqual(name, m.name)) return m.id;
    return kNoMember;
}

void ErrObject::setFrom(const ScriptError& e, bool namesItem) {
    number_ = e.number;
    // The host sees "Variable is undefined: 'b'"; a script's Err.Description
    // holds the table's plain text.
    description_ = namesItem ? toU16(errorText(e.number)) : e.description;
    source_ = e.source;
    helpFile_.clear();
    helpContext_ = 0;
}

void ErrObject::clear() {
    number_ = 0;
    description_.clear();
    source_.clear();
    helpFile_.clear();
    helpContext_ = 0;
}

// Err.Raise number[, source[, description[, helpfile[, helpcontext]]]]: a known
// number without a description takes the table's text.
int32_t ErrObject::raise(Args args, CallContext& ctx) {
    if (args.size() < 1 || args.size() > 5) return err::WrongArgCount;
    int32_t number = 0;
    if (int32_t e = ops::toLong(args.at(0), number)) return e;
    if (number == 0) return err::InvalidProcCall;
    std::u16string source, description;
    if (!args.missing(1)) { if (int32_t e = textArg(args.at(1), source)) return e; }
    if (!args.missing(2)) { if (int32_t e = textArg(args.at(2), description)) return e; }
    if (description.empty()) description = toU16(errorText(number));
    if (!args.missing(3)) { if (int32_t e = textArg(args.at(3), helpFile_)) return e; }
    return ctx.fail(number, description, source);
}

int32_t ErrObject::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    bool put = kind == InvokeKind::Let;
    switch (member) {
    case kNumber:
        if (put) return ops::toLong(args.at(args.size() - 1), number_);
        result = Variant::long_(number_);
        return 0;
    case kDescription:
        if (put) return textArg(args.at(args.size() - 1), description_);
        result = Variant::string(description_);
        return 0;
    case kSource:
        if (put) return textArg(args.at(args.size() - 1), source_);
        result = Variant::string(source_);
        return 0;
    case kHelpFile:
        if (put) return textArg(args.at(args.size() - 1), helpFile_);
        result = Variant::string(helpFile_);
        return 0;
    case kHelpContext:
        if (put) return ops::toLong(args.at(args.size() - 1), helpContext_);
        result = Variant::long_(helpContext_);
        return 0;
    case kClear:
        if (kind != InvokeKind::Method && kind != InvokeKind::Get) return err::MemberNotSupported;
        clear();
        return 0;
    case kRaise:
        if (kind != InvokeKind::Method && kind != InvokeKind::Get) return err::MemberNotSupported;
        return raise(args, ctx);
    default:
        return err::MemberNotSupported;
    }
}

}  // namespace vbs
