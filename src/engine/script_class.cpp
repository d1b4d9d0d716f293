#include "engine/script_class.h"

#include "engine/error_table.h"
#include "engine/interpreter.h"

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

int32_t ScriptObject::invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) {
    return invokeMember(member, kind, args, result, ctx, false);
}

int32_t ScriptObject::invokeFromInside(int32_t member, InvokeKind kind, Args args, Variant& result,
                                       CallContext& ctx) {
    return invokeMember(member, kind, args, result, ctx, true);
}

int32_t ScriptObject::invokeMember(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx,
                                   bool inside) {
    (void)ctx;
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
        if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
            if (args.size() == 1) {
                field = args.at(0);
                return 0;
            }
            // obj.arr(i) = v: an element of an array field.
            if (!field.isArray()) return err::WrongArgCount;
            ArrayData* arr = writableArray(field);
            if (args.size() - 1 != arr->dims()) return err::SubscriptOutOfRange;
            size_t offset = 0;
            for (int i = 0; i + 1 < args.size(); ++i) {
                const Variant& ix = args.at(i);
                int32_t index = ix.type() == VarType::Integer ? ix.asInteger()
                                : ix.type() == VarType::Long  ? ix.asLong()
                                                              : static_cast<int32_t>(ix.asDouble());
                if (index < 0 || static_cast<uint32_t>(index) >= arr->counts[static_cast<size_t>(i)])
                    return err::SubscriptOutOfRange;
                offset = offset * arr->counts[static_cast<size_t>(i)] + static_cast<size_t>(index);
            }
            arr->elems[offset] = args.at(args.size() - 1);
            return 0;
        }
        if (args.size() == 0) { result = field; return 0; }
        if (!field.isArray()) return err::TypeMismatch;
        Variant copy = field;
        Variant* raw = args.raw();
        std::vector<Variant> indexes(raw, raw + args.size());
        // Delegate element reading to the interpreter's array rules.
        Variant out;
        ArrayData* arr = copy.asArray();
        if (static_cast<int>(indexes.size()) != arr->dims()) return err::SubscriptOutOfRange;
        size_t offset = 0;
        for (size_t i = 0; i < indexes.size(); ++i) {
            const Variant& ix = indexes[i].deref();
            int32_t index = ix.type() == VarType::Integer ? ix.asInteger()
                            : ix.type() == VarType::Long  ? ix.asLong()
                                                          : static_cast<int32_t>(ix.asDouble());
            if (index < 0 || static_cast<uint32_t>(index) >= arr->counts[i]) return err::SubscriptOutOfRange;
            offset = offset * arr->counts[i] + static_cast<size_t>(index);
        }
        result = arr->elems[offset];
        return 0;
    }
    const Procedure* proc = nullptr;
    switch (kind) {
    case InvokeKind::Method: proc = m.method ? m.method : m.get; break;
    case InvokeKind::Get: proc = m.get ? m.get : m.method; break;
    case InvokeKind::Let: proc = m.let ? m.let : m.set; break;
    case InvokeKind::Set: proc = m.set ? m.set : m.let; break;
    }
    if (!proc) return err::MemberNotSupported;
    return vm_->callProcedure(proc, this, args.raw(), args.size(), result);
}

void ScriptObject::dropContents() {
    std::vector<Variant> old(fields_.size());
    old.swap(fields_);
    old.clear();  // may free other instances; this one stays valid meanwhile
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
