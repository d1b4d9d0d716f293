// A convenient base for the application's objects: members are registered
// by name with lambdas, and the Dispatch plumbing (case-insensitive lookup,
// member numbers, the default member, For Each) is done here.
//
//   auto form = vbs::makeHostObject(u"MainForm");
//   form->method(u"OPrint", [](vbs::Args a, vbs::Variant&, vbs::CallContext&) { ...; return 0; });
//   form->property(u"Caption", getter, letter);
//   engine.AddObject(u"MainForm", form.get());
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/object.h"

namespace vbs {

class HostObject : public Dispatch {
public:
    // A method, or the reading of a property: the arguments, the result.
    using Call = std::function<int32_t(Args args, Variant& result, CallContext& ctx)>;
    // Let/Set of a property: the arguments before `=`, and the value.
    using Store = std::function<int32_t(Args args, const Variant& value, CallContext& ctx)>;
    using Enumerate = std::function<int32_t(std::vector<Variant>& items, CallContext& ctx)>;

    explicit HostObject(std::u16string typeName) : typeName_(std::move(typeName)) {}

    // Registering a name twice replaces the earlier definition's parts.
    HostObject& method(std::u16string_view name, Call fn);
    HostObject& property(std::u16string_view name, Call get, Store let = {}, Store set = {});
    // The member used for `obj` as a value, `obj(args)` and `obj = v`.
    HostObject& setDefault(std::u16string_view name);
    HostObject& enumerator(Enumerate fn);

    std::u16string typeName() const override { return typeName_; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;
    int32_t enumerate(std::vector<Variant>& items, CallContext& ctx) override;

private:
    struct Member {
        std::u16string name;
        Call method;
        Call get;
        Store let;
        Store set;
    };
    Member& memberNamed(std::u16string_view name);

    std::u16string typeName_;
    std::vector<Member> members_;                         // member number = index + 1
    std::unordered_map<std::u16string, int32_t> index_;  // folded name -> member number
    int32_t default_ = kNoMember;
    Enumerate enumerate_;
};

// A new host object with one reference held by the returned handle.
class HostObjectRef {
public:
    explicit HostObjectRef(HostObject* o) : object_(o) { object_->addRef(); }
    ~HostObjectRef() { object_->releaseRef(); }
    HostObjectRef(const HostObjectRef&) = delete;
    HostObjectRef& operator=(const HostObjectRef&) = delete;
    HostObject* operator->() const { return object_; }
    HostObject* get() const { return object_; }

private:
    HostObject* object_;
};

inline HostObjectRef makeHostObject(std::u16string typeName) { return HostObjectRef(new HostObject(std::move(typeName))); }

}  // namespace vbs
