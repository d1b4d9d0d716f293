// The main window as scripts see it ("MainForm"), reduced to what the
// calculator core needs without a window: the public text member passtr
// that the "$" command assigns, OPrint, SetToTop and FillBrackets. The
// terminal console and the tests register it; the window has its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "console/transcript.h"
#include "engine/object.h"

namespace talvoro {

class ConsoleMainForm : public vbs::Dispatch {
public:
    explicit ConsoleMainForm(Transcript& transcript) : transcript_(transcript) {}

    const std::u16string& passtr() const { return passtr_; }

    std::u16string typeName() const override { return u"MainForm"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, vbs::InvokeKind kind, vbs::Args args, vbs::Variant& result,
                   vbs::CallContext& ctx) override;

private:
    int32_t passtrMember(vbs::InvokeKind kind, vbs::Args& args, vbs::Variant& result);
    int32_t oprint(vbs::Args& args);
    int32_t fillBrackets(vbs::Args& args);

    Transcript& transcript_;
    std::u16string passtr_;
};

}  // namespace talvoro
