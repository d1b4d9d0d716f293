#include "engine/vm/script_class.h"

#include <utility>

#include "engine/error_table.h"
#include "engine/vm/interpreter.h"

namespace vbs {

ScriptObject::ScriptObject(std::shared_ptr<ClassInfo> cls, Interpreter* vm, std::shared_ptr<bool> vmAlive)
    : cls_(std::move(cls)), vm_(vm), vmAlive_(std::move(vmAlive)) {
    if (vm_ && *vmAlive_) vm_->objectCreated(this);
    fields_.resize(cls_->fieldNames.size());
    for (size_t i = 0; i < fields_.size(); ++i) {
        const auto& bounds = cls_->fieldBounds[i];
        if (!cls_->fieldIsArray[i]) continue;
        auto* arr = new ArrayData();
        size_t total = bounds.empty() ? 0 : 1;
        for (int32_t b : bounds) {
            arr->counts.push_back(static_cast<uint32_t>(b + 1));
            total *= static_cast<size_t>(b + 1);
        }
        arr->fixedSize = !bounds.empty();
        arr->elems.resize(total);
        fields_[i] = Variant::adoptArray(arr);
    }
}

int32_t ScriptObject::findMember(std::u16string_view name) {
    int32_t id = cls_->findMember(foldName(name));
    if (id == kNoMember || !cls_->member(id).isPublic) return kNoMember;
    return id;
}

namespace {

// A property's index arguments: a Property Get's parameters, or a Let's or
// Set's without the last one, which receives the assigned value.
std::vector<std::u16string> propertyIndexNames(const ClassMember& m) {
    if (m.get) return m.get->paramNames;
    const Procedure* store = m.let ? m.let : m.set;
    if (!store || store->paramNames.empty()) return {};
    return {store->paramNames.begin(), store->paramNames.end() - 1};
}

MemberInfo describeMember(const ClassMember& m) {
    MemberInfo info{m.name, MemberShape::Property, {}};
    if (m.method) {
        info.shape = m.method->hasReturnValue() ? MemberShape::Function : MemberShape::Sub;
        info.argNames = m.method->paramNames;
    } else if (m.field < 0) {
        info.argNames = propertyIndexNames(m);
    }
    return info;
}

}  // namespace

std::vector<MemberInfo> ScriptObject::members() const {
    std::vector<MemberInfo> out;
    for (const ClassMember& m : cls_->members) {
        if (m.isPublic) out.push_back(describeMember(m));
    }
    return out;
}

int32_t ScriptObject::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    return invokeMember(member, kind, args, result, ctx, false);
}

int32_t ScriptObject::invokeFromInside(int32_t member, InvokeKind kind, Args args, Variant& result,
                                       CallContext& ctx) {
    return invokeMember(member, kind, args, result, ctx, true);
}

int32_t ScriptObject::invokeMember(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx,
                                   bool inside) {
    bool emptyBrackets = std::exchange(ctx.emptyBrackets, false);
    if (!vm_ || !*vmAlive_) return err::ObjectRequired;
    if (member == kDefaultMember) {
        if (cls_->defaultMember == kNoMember) return err::MemberNotSupported;
        member = cls_->defaultMember;
    }
    if (member < 1 || static_cast<size_t>(member) > cls_->members.size()) return err::MemberNotSupported;
    ClassMember& m = cls_->member(member);
    if (!m.isPublic && !inside) return err::MemberNotSupported;
    if (m.field >= 0) {
        Variant& field = fields_[static_cast<size_t>(m.field)];
        // obj.p() names no element of a variable: only an object in it may be called so.
        if (emptyBrackets && args.size() == 0 && !field.isObject()) return err::InvalidProcCall;
        return accessField(field, kind, args, result, ctx);
    }
    const Procedure* proc = nullptr;
    switch (kind) {
    case InvokeKind::Method: proc = m.method ? m.method : m.get; break;
    case InvokeKind::Get: proc = m.get ? m.get : m.method; break;
    case InvokeKind::Let: proc = m.let ? m.let : m.set; break;
    case InvokeKind::Set: proc = m.set; break;  // Set on a Let-only property: 438
    }
    if (!proc) return err::MemberNotSupported;
    return vm_->callProcedure(proc, this, args.raw(), args.size(), result);
}

// obj.f, obj.f = v, and with subscripts an element of an array field or the
// default member of an object field: obj.f(i), obj.f(i) = v.
int32_t ScriptObject::accessField(Variant& field, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    bool store = kind == InvokeKind::Let || kind == InvokeKind::Set;
    int subscripts = store ? args.size() - 1 : args.size();
    if (subscripts == 0) {
        if (store) field = args.at(0);
        else result = field;
        return 0;
    }
    if (field.isObject()) {
        if (field.isNothing()) return err::ObjectVariableNotSet;
        Variant keep = field;
        return static_cast<Dispatch*>(field.asObject())->invoke(kDefaultMember, kind, args, result, ctx);
    }
    if (!field.isArray()) return err::MemberNotSupported;
    ArrayData* arr = store ? writableArray(field) : field.asArray();
    Variant keep = field;  // an index's default member might replace the field
    size_t offset = 0;
    if (int32_t e = elementOffset(*arr, args.raw(), subscripts, offset)) return e;
    if (store) arr->elems[offset] = args.at(subscripts);
    else result = arr->elems[offset];
    return 0;
}

void ScriptObject::dropContents() {
    std::vector<Variant> old(fields_.size());
    old.swap(fields_);
    old.clear();  // may free other instances; this one stays valid meanwhile
}

void ScriptObject::terminateOnce() {
    if (terminated_ || !vm_ || !*vmAlive_ || !cls_->terminate) return;
    terminated_ = true;
    addRef();
    vm_->runTerminate(this);
    releaseRef();
}

void ScriptObject::destroy() {
    if (terminated_ || !vm_ || !*vmAlive_ || !cls_->terminate) {
        if (vm_ && *vmAlive_) vm_->objectDestroyed(this);
        delete this;
        return;
    }
    // Class_Terminate sees a live object (Me works); the reference taken here
    // is dropped after it, which deletes the object for good.
    terminated_ = true;
    addRef();
    vm_->runTerminate(this);
    releaseRef();
}

}  // namespace vbs
