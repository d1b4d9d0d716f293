// The script's `Err` object: the last error trapped under On Error Resume
// Next, and Err.Raise / Err.Clear. Number is its default member, so
// `If Err Then` and `x = Err` read the number.
#pragma once

#include "engine/object.h"
#include "engine/script_error.h"

namespace vbs {

class ErrObject : public Dispatch {
public:
    std::u16string typeName() const override { return u"ErrObject"; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;

    void setFrom(const ScriptError& e, bool namesItem = false);
    void clear();
    int32_t number() const { return number_; }

private:
    int32_t raise(Args args, CallContext& ctx);

    int32_t number_ = 0;
    std::u16string description_;
    std::u16string source_;
    std::u16string helpFile_;
    int32_t helpContext_ = 0;
};

}  // namespace vbs
