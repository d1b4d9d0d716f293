// How scripts talk to objects. Every object a script can hold — a host
// object the application registers, a Dictionary, a RegExp, an instance of a
// script Class — is a `Dispatch`: members are found by name once (without
// regard to case) and then invoked by number, so a call site can remember the
// number and skip the name lookup the next time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/variant.h"

namespace vbs {

class Interpreter;
struct ScriptError;

// What the caller wants from a member.
enum class InvokeKind : uint8_t {
    Method,  // obj.m args   (also a property read with arguments used as a call)
    Get,     // x = obj.p / obj.p(i)
    Let,     // obj.p = value / obj.p(i) = value  (value is the last argument)
    Set,     // Set obj.p = object                 (value is the last argument)
};

// The member number of the default member (obj with no name, obj(i)).
constexpr int32_t kDefaultMember = 0;
// Returned by findMember for names the object does not have.
constexpr int32_t kNoMember = -1;

// A missing optional argument (f(1, , 3)) arrives as this Error value, as in
// COM's DISP_E_PARAMNOTFOUND.
constexpr int32_t kMissingArgCode = static_cast<int32_t>(0x80020004u);
inline bool isMissing(const Variant& v) {
    const Variant& d = v.deref();
    return d.type() == VarType::Error && d.asError() == kMissingArgCode;
}
inline Variant missingArg() { return Variant::error(kMissingArgCode); }

// Arguments as the engine passes them, left to right. An argument that the
// caller passed by reference is a Ref to the caller's variable: assigning to
// `at(i)` changes the caller's variable. Read values through at(i) always.
class Args {
public:
    Args(Variant* data, int count) : data_(data), count_(count) {}
    int size() const { return count_; }
    Variant& at(int i) { return data_[i].deref(); }
    const Variant& at(int i) const { return data_[i].deref(); }
    bool missing(int i) const { return i >= count_ || isMissing(data_[i]); }
    Variant* raw() { return data_; }

private:
    Variant* data_;
    int count_;
};

// Where a failing member or built-in leaves a description that differs from
// the table's text (Err.Raise with a text, "Variable is undefined: 'b'", a host
// object's own message). Members return the error number; 0 is success.
struct ErrorDetail {
    std::u16string description;  // empty: use the table's text
    std::u16string source;       // empty: "Microsoft VBScript runtime error"
    // True when `description` is the table's text with ": 'name'" appended;
    // a script's Err.Description then shows the plain text only.
    bool namesItem = false;
    // Err.Raise's help file and context.
    std::u16string helpFile;
    int32_t helpContext = 0;
    void clear() { *this = ErrorDetail{}; }
};

// Passed to every member invocation and built-in function: the interpreter
// that runs the call (for built-ins that run script code, such as Eval) and
// the place to put a custom error text.
struct CallContext {
    Interpreter* vm = nullptr;
    ErrorDetail* detail = nullptr;
    // Set for the one invocation of a script class member written with empty
    // brackets (`obj.p()`): a variable of the class read that way is error 5.
    bool emptyBrackets = false;

    // Records a custom text and returns `number`, so a member can write
    // `return ctx.fail(5, u"bad key");`.
    int32_t fail(int32_t number, std::u16string description = {}, std::u16string source = {}) {
        if (detail) { detail->description = std::move(description); detail->source = std::move(source); }
        return number;
    }

    // What a member may ask of the engine that called it (`vm` set; from a
    // context without one each returns 424 Object required). Each returns 0
    // or an error number, whose record lastError() then holds.
    // The value an object stands for: its default member's (a non-object as is).
    int32_t defaultValue(const Variant& v, Variant& out);
    // ExecuteGlobal of `text`, Eval of it in the calling scope, a call of
    // the global Sub or Function `name` with `args` by value.
    int32_t executeGlobal(std::u16string_view text);
    int32_t eval(std::u16string_view text, Variant& result);
    int32_t run(std::u16string_view name, std::vector<Variant>& args, Variant& result);
    // CreateObject(progId), the progId read as the built-in reads it.
    int32_t createObject(Variant progId, Variant& result);
    const ScriptError& lastError() const;
    // The error that is ending the running operation now (5052 the user's
    // interrupt, 5050 the time limit), or 0: a member that asked the user
    // returns it instead of an answer, so nothing is assigned.
    int32_t stopStatus() const;
    // For a member that waits (on a program, a pipe): runs the engine's
    // periodic check now, which applies the time limit and lets the
    // application poll (keep its window alive, take an interrupt). Returns
    // the error that is ending the operation (as stopStatus), or 0 to go on
    // waiting. A member calls it every few tens of milliseconds while it waits.
    int32_t keepAlive();
};

// One member an object offers, as help while typing lists it.
enum class MemberShape : uint8_t {
    Property,  // read or assigned: a variable, a Property Get/Let/Set
    Sub,       // called as a statement
    Function,  // called for its result
};

struct MemberInfo {
    std::u16string name;  // as written in its declaration
    MemberShape shape = MemberShape::Property;
    // A property's are its index arguments (Property Get Item(i)): the
    // value a Property Let or Set receives is not among them.
    std::vector<std::u16string> argNames;
};

// The interface of every object a script can hold.
class Dispatch : public Object {
public:
    // What TypeName answers for this object ("Dictionary", "IRegExp2", a class name).
    virtual std::u16string typeName() const = 0;

    // The member number of `name` (matched without regard to case), or
    // kNoMember. kDefaultMember is reserved for the default member.
    virtual int32_t findMember(std::u16string_view name) = 0;

    // Invokes a member. For Let and Set the value to store is the last argument.
    // Returns 0 or an error number (438 for a member that cannot do `kind`).
    virtual int32_t invoke(int32_t member, InvokeKind kind, Args args, Variant& result, CallContext& ctx) = 0;

    // The members a script can reach on this object, in declaration order,
    // for objects that know them from their own definition (a script Class's
    // instance); empty when the object does not say. Runs no script code.
    virtual std::vector<MemberInfo> members() const { return {}; }

    // For Each support: fills `items` with the values to visit in order.
    // Returns 0, or 451 ("Object not a collection") when not enumerable.
    virtual int32_t enumerate(std::vector<Variant>& items, CallContext& ctx) {
        (void)items; (void)ctx;
        return 451;
    }

    // Containers of script values (class instances, dictionaries) show the
    // values they hold, and can be emptied. An interpreter that goes away
    // empties the containers it made that only cycles keep alive (a.Other =
    // b, b.Other = a; d("me") = d): they would otherwise never be freed.
    virtual void forEachHeldValue(const std::function<void(const Variant&)>& visit) const { (void)visit; }
    virtual void dropContents() {}
};

// Case-insensitive comparison of ASCII-range identifiers (VBScript names).
bool namesEqual(std::u16string_view a, std::u16string_view b);
// Upper-cases the ASCII letters of a name, for table keys.
std::u16string foldName(std::u16string_view name);

}  // namespace vbs
