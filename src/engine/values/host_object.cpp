#include "engine/host_object.h"

#include "engine/error_table.h"

namespace vbs {

HostObject::Member& HostObject::memberNamed(std::u16string_view name) {
    std::u16string key = foldName(name);
    auto it = index_.find(key);
    if (it != index_.end()) return members_[static_cast<size_t>(it->second - 1)];
    members_.push_back(Member{std::u16string(name), {}, {}, {}, {}});
    index_[key] = static_cast<int32_t>(members_.size());
    return members_.back();
}

HostObject& HostObject::method(std::u16string_view name, Call fn) {
    memberNamed(name).method = std::move(fn);
    return *this;
}

HostObject& HostObject::property(std::u16string_view name, Call get, Store let, Store set) {
    Member& m = memberNamed(name);
    m.get = std::move(get);
    m.let = std::move(let);
    m.set = std::move(set);
    return *this;
}

HostObject& HostObject::setDefault(std::u16string_view name) {
    memberNamed(name);
    default_ = index_[foldName(name)];
    return *this;
}

HostObject& HostObject::enumerator(Enumerate fn) {
    enumerate_ = std::move(fn);
    return *this;
}

int32_t HostObject::findMember(std::u16string_view name) {
    auto it = index_.find(foldName(name));
    return it == index_.end() ? kNoMember : it->second;
}

int32_t HostObject::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    if (member == kDefaultMember) member = default_;
    if (member < 1 || static_cast<size_t>(member) > members_.size()) return err::MemberNotSupported;
    Member& m = members_[static_cast<size_t>(member - 1)];
    switch (kind) {
    case InvokeKind::Method:
        if (m.method) return m.method(args, result, ctx);
        if (m.get) return m.get(args, result, ctx);
        return err::MemberNotSupported;
    case InvokeKind::Get:
        if (m.get) return m.get(args, result, ctx);
        if (m.method) return m.method(args, result, ctx);
        return err::MemberNotSupported;
    case InvokeKind::Let:
    case InvokeKind::Set: {
        const Store& store = (kind == InvokeKind::Set && m.set) ? m.set : (m.let ? m.let : m.set);
        if (!store || args.size() < 1) return err::MemberNotSupported;
        Args before(args.raw(), args.size() - 1);
        return store(before, args.at(args.size() - 1), ctx);
    }
    }
    return err::MemberNotSupported;
}

int32_t HostObject::enumerate(std::vector<Variant>& items, CallContext& ctx) {
    if (!enumerate_) return err::NotACollection;
    return enumerate_(items, ctx);
}

}  // namespace vbs
