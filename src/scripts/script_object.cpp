// "ScriptObject": the main engine as scripts see it. Scripts run inside the
// engine, so every operation here happens while a script is running: code
// is added and run through the running interpreter (as ExecuteGlobal does),
// and Reset, which would destroy that interpreter, is refused.
#include "engine/conversions.h"
#include "scripts/object_model.h"

namespace talvoro {

namespace {

constexpr int32_t kWrongArguments = 450;
constexpr int32_t kSubscriptOutOfRange = 9;

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

// The context of the running operation, or the engine's own outside one.
CallContext runningContext(vbs::ScriptEngine& engine, CallContext& ctx) {
    return ctx.vm != nullptr ? ctx : engine.HostContext();
}

// The record of the engine's last failure: Number, Description, Source,
// Line, Column, Text; Clear forgets it.
void addErrorMembers(vbs::HostObject& error, vbs::ScriptEngine& engine) {
    auto field = [&engine](std::function<Variant(const vbs::ScriptError&)> read) {
        return [&engine, read](Args args, Variant& result, CallContext&) -> int32_t {
            if (args.size() != 0) return kWrongArguments;
            result = read(engine.Error());
            return 0;
        };
    };
    error.property(u"Number", field([](const vbs::ScriptError& e) { return Variant::long_(e.number); }));
    error.property(u"Description", field([](const vbs::ScriptError& e) { return Variant::string(e.description); }));
    error.property(u"Source", field([](const vbs::ScriptError& e) { return Variant::string(e.source); }));
    error.property(u"Line", field([](const vbs::ScriptError& e) { return Variant::long_(e.line); }));
    error.property(u"Column", field([](const vbs::ScriptError& e) { return Variant::long_(e.column); }));
    error.property(u"Text", field([](const vbs::ScriptError& e) { return Variant::string(e.text); }));
    error.setDefault(u"Number");
    error.method(u"Clear", [&engine](Args args, Variant&, CallContext&) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        engine.ClearError();
        return 0;
    });
}

// A new object for one procedure, returned with no reference held: the
// caller's Variant takes the first one.
Variant procedureValue(const vbs::ProcedureInfo& info) {
    vbs::HostObjectRef procedure(new vbs::HostObject(u"Procedure"));
    procedure->property(u"Name", [name = info.Name](Args, Variant& r, CallContext&) {
        r = Variant::string(name);
        return 0;
    });
    procedure->setDefault(u"Name");
    procedure->property(u"NumArgs", [n = info.NumArgs](Args, Variant& r, CallContext&) {
        r = Variant::long_(n);
        return 0;
    });
    procedure->property(u"HasReturnValue", [f = info.HasReturnValue](Args, Variant& r, CallContext&) {
        r = Variant::boolean(f);
        return 0;
    });
    return Variant::object(procedure.get());
}

// Procedures: Count, and Item(i) from 1 (the default member). Read afresh
// at every access, so a procedure added later is seen.
void addProceduresMembers(vbs::HostObject& procedures, vbs::ScriptEngine& engine) {
    procedures.property(u"Count", [&engine](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        result = Variant::long_(static_cast<int32_t>(engine.Procedures().size()));
        return 0;
    });
    procedures.property(u"Item", [&engine](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 1) return kWrongArguments;
        int32_t index = 0;
        if (int32_t status = vbs::ops::toLong(args.at(0), index)) return status;
        const std::vector<vbs::ProcedureInfo> list = engine.Procedures();
        if (index < 1 || index > static_cast<int32_t>(list.size())) return kSubscriptOutOfRange;
        result = procedureValue(list[static_cast<size_t>(index - 1)]);
        return 0;
    });
    procedures.setDefault(u"Item");
    procedures.enumerator([&engine](std::vector<Variant>& items, CallContext&) -> int32_t {
        for (const vbs::ProcedureInfo& info : engine.Procedures()) {
            items.push_back(procedureValue(info));
        }
        return 0;
    });
}

// A member that returns one object, made once and held by the closure.
vbs::HostObject::Call objectReader(std::shared_ptr<vbs::HostObjectRef> object) {
    return [object](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        result = Variant::object(object->get());
        return 0;
    };
}

void addCodeMembers(vbs::HostObject& control, vbs::ScriptEngine& engine) {
    auto runText = [&engine](Args args, Variant&, CallContext& ctx) -> int32_t {
        std::u16string text;
        if (args.size() != 1 || args.missing(0)) return kWrongArguments;
        if (int32_t status = vbs::ops::toInvariantString(args.at(0), text)) return status;
        return runningContext(engine, ctx).executeGlobal(text);
    };
    control.method(u"AddCode", runText);
    control.method(u"ExecuteStatement", runText);
    control.method(u"Eval", [&engine](Args args, Variant& result, CallContext& ctx) -> int32_t {
        std::u16string text;
        if (args.size() != 1 || args.missing(0)) return kWrongArguments;
        if (int32_t status = vbs::ops::toInvariantString(args.at(0), text)) return status;
        return runningContext(engine, ctx).eval(text, result);
    });
    control.method(u"Run", [&engine](Args args, Variant& result, CallContext& ctx) -> int32_t {
        std::u16string name;
        if (args.size() < 1 || args.missing(0)) return kWrongArguments;
        if (int32_t status = vbs::ops::toInvariantString(args.at(0), name)) return status;
        std::vector<Variant> values;
        for (int i = 1; i < args.size(); ++i) values.push_back(args.at(i));
        return runningContext(engine, ctx).run(name, values, result);
    });
    control.method(u"Reset", [](Args args, Variant&, CallContext& ctx) -> int32_t {
        if (args.size() != 0) return kWrongArguments;
        return ctx.fail(kCannotDoNow, kCannotDoNowText);
    });
}

}  // namespace

void addScriptObjectMembers(vbs::HostObject& control, vbs::ScriptEngine& engine) {
    control.property(u"Language", [&engine](Args, Variant& r, CallContext&) {
        r = Variant::string(engine.Language());
        return 0;
    });
    control.property(
        u"Timeout",
        [&engine](Args, Variant& r, CallContext&) {
            r = Variant::double_(static_cast<double>(engine.Timeout()));
            return 0;
        },
        [&engine](Args args, const Variant& value, CallContext&) -> int32_t {
            int32_t ms = 0;
            if (args.size() != 0) return kWrongArguments;
            if (int32_t status = vbs::ops::toLong(value.deref(), ms)) return status;
            engine.SetTimeout(ms);
            return 0;
        });
    auto error = std::make_shared<vbs::HostObjectRef>(new vbs::HostObject(u"Error"));
    addErrorMembers(*error->get(), engine);
    control.property(u"Error", objectReader(error));
    auto procedures = std::make_shared<vbs::HostObjectRef>(new vbs::HostObject(u"Procedures"));
    addProceduresMembers(*procedures->get(), engine);
    control.property(u"Procedures", objectReader(procedures));
    addCodeMembers(control, engine);
}

}  // namespace talvoro
