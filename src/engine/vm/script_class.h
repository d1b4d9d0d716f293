// Classes written in script (Class ... End Class) and their instances. An
// instance is a Dispatch like any host object, so `obj.member` works the
// same whoever made the object; its methods run on the interpreter that
// created it.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/compile/bytecode.h"
#include "engine/object.h"

namespace vbs {

class Interpreter;

// One named member of a class. A field has `field` >= 0; a procedure member
// has one or more of method/get/let/set (Property Get/Let/Set share a name).
struct ClassMember {
    std::u16string name;
    bool isPublic = true;
    int field = -1;
    Procedure* method = nullptr;  // Sub or Function
    Procedure* get = nullptr;
    Procedure* let = nullptr;
    Procedure* set = nullptr;
};

struct ClassInfo {
    std::u16string name;  // as written; TypeName answers it
    std::vector<std::u16string> fieldNames;          // folded
    std::vector<std::vector<int32_t>> fieldBounds;   // Dim a(3) fields: upper bounds; empty otherwise
    std::vector<bool> fieldIsArray;                  // Dim a(): a dynamic array
    std::vector<ClassMember> members;                // member id = index + 1
    std::unordered_map<std::u16string, int32_t> memberIds;  // folded name -> id
    int32_t defaultMember = kNoMember;
    Procedure* initialize = nullptr;
    Procedure* terminate = nullptr;
    std::vector<std::unique_ptr<Procedure>> procedures;

    int32_t findMember(std::u16string_view foldedName) const {
        auto it = memberIds.find(std::u16string(foldedName));
        return it == memberIds.end() ? kNoMember : it->second;
    }
    ClassMember& member(int32_t id) { return members[static_cast<size_t>(id - 1)]; }
};

class ScriptObject : public Dispatch {
public:
    // `vmAlive` turns false when the interpreter goes away, so an instance the
    // application still holds neither runs Class_Terminate nor calls into it.
    ScriptObject(std::shared_ptr<ClassInfo> cls, Interpreter* vm, std::shared_ptr<bool> vmAlive);

    std::u16string typeName() const override { return cls_->name; }
    int32_t findMember(std::u16string_view name) override;
    int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) override;
    // The Public members, as the class declares them.
    std::vector<MemberInfo> members() const override;

    ClassInfo* classInfo() const { return cls_.get(); }
    Variant* fields() { return fields_.data(); }
    // Members callable from inside the class itself, private ones included.
    int32_t invokeFromInside(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx);
    void forEachHeldValue(const std::function<void(const Variant&)>& visit) const override {
        for (const Variant& f : fields_) visit(f);
    }
    // Empties every field, keeping their number.
    void dropContents() override;
    // Runs Class_Terminate now unless it has run: for an instance that only
    // reference cycles keep, whose count never reaches zero.
    void terminateOnce();

protected:
    void destroy() override;

private:
    int32_t invokeMember(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx,
                         bool inside);
    static int32_t accessField(Variant& field, InvokeKind kind, Args args, Variant& result, CallContext& ctx);

    std::shared_ptr<ClassInfo> cls_;
    Interpreter* vm_;
    std::shared_ptr<bool> vmAlive_;
    std::vector<Variant> fields_;
    bool terminated_ = false;
};

}  // namespace vbs
