#include "engine/vm/err_object.h"

#include "engine/error_table.h"
#include "engine/values/ops.h"

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

// COM error codes (HRESULTs) that Err.Raise turns into the language's own
// numbers, as the Automation runtime maps them.
struct HresultMapping {
    uint32_t hresult;
    int32_t number;
};
constexpr HresultMapping kHresults[] = {
    {0x8007000Eu, err::OutOfMemory},                 // E_OUTOFMEMORY
    {0x80070057u, err::InvalidProcCall},             // E_INVALIDARG
    {0x80004001u, err::ActionNotSupported},          // E_NOTIMPL
    {0x80004002u, err::ClassNotAutomation},          // E_NOINTERFACE
    {0x80070005u, err::PermissionDenied},            // E_ACCESSDENIED
    {0x80070002u, err::FileNotFound},                // ERROR_FILE_NOT_FOUND
    {0x80070003u, err::PathNotFound},                // ERROR_PATH_NOT_FOUND
    {0x80020003u, err::MemberNotSupported},          // DISP_E_MEMBERNOTFOUND
    {0x80020004u, err::NamedArgNotFound},            // DISP_E_PARAMNOTFOUND
    {0x80020005u, err::TypeMismatch},                // DISP_E_TYPEMISMATCH
    {0x80020006u, err::MemberNotSupported},          // DISP_E_UNKNOWNNAME
    {0x80020008u, err::UnsupportedAutomationType},   // DISP_E_BADVARTYPE
    {0x8002000Au, err::Overflow},                    // DISP_E_OVERFLOW
    {0x8002000Bu, err::SubscriptOutOfRange},         // DISP_E_BADINDEX
    {0x8002000Du, err::ArrayLocked},                 // DISP_E_ARRAYISLOCKED
    {0x8002000Eu, err::WrongArgCount},               // DISP_E_BADPARAMCOUNT
    {0x8002000Fu, err::ArgumentNotOptional},         // DISP_E_PARAMNOTOPTIONAL
    {0x80020011u, err::NotACollection},              // DISP_E_NOTACOLLECTION
    {0x80020012u, err::DivisionByZero},              // DISP_E_DIVBYZERO
};
// The largest positive number Err.Raise takes: error numbers are 16 bits.
constexpr int32_t kMaxRaisedNumber = 0xFFFF;

// The facility of the language's own errors: 0x800A0000 + number.
constexpr uint32_t kControlFacility = 0x800A0000u;

int32_t numberOfRaised(int32_t raised) {
    auto code = static_cast<uint32_t>(raised);
    for (const auto& m : kHresults)
        if (m.hresult == code) return m.number;
    if ((code & 0xFFFF0000u) == kControlFacility && (code & 0xFFFFu) != 0) return static_cast<int32_t>(code & 0xFFFFu);
    return raised;
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
    helpFile_ = e.helpFile;
    helpContext_ = e.helpContext;
}

void ErrObject::clear() {
    number_ = 0;
    description_.clear();
    source_.clear();
    helpFile_.clear();
    helpContext_ = 0;
}

// Err.Raise number[, source[, description[, helpfile[, helpcontext]]]]: a known
// number without a description takes the table's text; an omitted help file
// or context keeps the one Err holds.
int32_t ErrObject::raise(Args args, CallContext& ctx) {
    if (args.size() < 1 || args.size() > 5) return err::WrongArgCount;
    int32_t number = 0;
    if (int32_t e = ops::toLong(args.at(0), number)) return e;
    // A positive number is a 16-bit error number; beyond that it is neither
    // that nor an HRESULT (whose sign bit is set).
    if (number == 0 || number > kMaxRaisedNumber) return err::InvalidProcCall;
    number = numberOfRaised(number);
    std::u16string source, description, helpFile = helpFile_;
    int32_t helpContext = helpContext_;
    if (!args.missing(1)) { if (int32_t e = textArg(args.at(1), source)) return e; }
    if (!args.missing(2)) { if (int32_t e = textArg(args.at(2), description)) return e; }
    if (!args.missing(3)) { if (int32_t e = textArg(args.at(3), helpFile)) return e; }
    if (!args.missing(4)) { if (int32_t e = ops::toLong(args.at(4), helpContext)) return e; }
    if (description.empty()) description = toU16(errorText(number));
    ctx.fail(number, description, source);
    if (ctx.detail) {
        ctx.detail->helpFile = std::move(helpFile);
        ctx.detail->helpContext = helpContext;
    }
    return number;
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
