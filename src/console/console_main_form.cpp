#include "console/console_main_form.h"

#include "console/command_evaluator.h"
#include "engine/error_table.h"
#include "engine/conversions.h"

namespace talvoro {

namespace {

enum Member : int32_t { kPasstr = 1, kOPrint, kSetToTop, kFillBrackets };

// "Wrong number of arguments or invalid property assignment".
constexpr int32_t kWrongArguments = 450;
// "Object doesn't support this property or method".
constexpr int32_t kNotSupported = 438;

}  // namespace

int32_t ConsoleMainForm::findMember(std::u16string_view name) {
    if (vbs::namesEqual(name, u"passtr")) return kPasstr;
    if (vbs::namesEqual(name, u"OPrint")) return kOPrint;
    if (vbs::namesEqual(name, u"SetToTop")) return kSetToTop;
    if (vbs::namesEqual(name, u"FillBrackets")) return kFillBrackets;
    return vbs::kNoMember;
}

int32_t ConsoleMainForm::invoke(int32_t member, vbs::InvokeKind kind, vbs::Args args, vbs::Variant& result,
                                vbs::CallContext& ctx) {
    switch (member) {
    case kPasstr: return passtrMember(kind, args, result);
    case kOPrint: return kind == vbs::InvokeKind::Method ? oprint(args) : kNotSupported;
    case kSetToTop:
        if (kind != vbs::InvokeKind::Method) return kNotSupported;
        if (args.size() != 0) return kWrongArguments;
        transcript_.SetToTop();
        return 0;
    case kFillBrackets: return kind == vbs::InvokeKind::Method ? fillBrackets(args) : kNotSupported;
    default: return kNotSupported;
    }
}

// A String member: what is assigned is converted to text, as a typed
// public variable of the window converts it.
int32_t ConsoleMainForm::passtrMember(vbs::InvokeKind kind, vbs::Args& args, vbs::Variant& result) {
    if (kind == vbs::InvokeKind::Let) {
        if (args.size() != 1) return kWrongArguments;
        std::u16string text;
        if (int32_t status = vbs::ops::toInvariantString(args.at(0), text)) return status;
        passtr_ = std::move(text);
        return 0;
    }
    if (kind == vbs::InvokeKind::Set) return kNotSupported;
    if (args.size() != 0) return kWrongArguments;
    result = vbs::Variant::string(passtr_);
    return 0;
}

int32_t ConsoleMainForm::oprint(vbs::Args& args) {
    if (args.size() != 1 || args.missing(0)) return kWrongArguments;
    std::u16string line;
    if (int32_t status = vbs::ops::toInvariantString(args.at(0), line)) return status;
    transcript_.AppendLine(line);
    transcript_.SetToTop();
    return 0;
}

// The argument is the caller's variable when it was passed by reference.
int32_t ConsoleMainForm::fillBrackets(vbs::Args& args) {
    if (args.size() != 1 || args.missing(0)) return kWrongArguments;
    std::u16string text;
    if (int32_t status = vbs::ops::toInvariantString(args.at(0), text)) return status;
    if (int32_t status = FillBrackets(text)) return status;
    args.at(0) = vbs::Variant::string(std::move(text));
    return 0;
}

}  // namespace talvoro
