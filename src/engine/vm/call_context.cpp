// The engine's services to a member a script called, through its context.
#include <vector>

#include "engine/library/builtins.h"
#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/object.h"

namespace vbs {

namespace {

const ScriptError kNoError{};

}  // namespace

int32_t CallContext::defaultValue(const Variant& v, Variant& out) {
    if (!vm) return err::ObjectRequired;
    return vm->defaultValue(v, out);
}

int32_t CallContext::executeGlobal(std::u16string_view text) {
    if (!vm) return err::ObjectRequired;
    return vm->executeGlobal(text, *this);
}

int32_t CallContext::eval(std::u16string_view text, Variant& result) {
    if (!vm) return err::ObjectRequired;
    return vm->evalInCurrentScope(text, result, *this);
}

int32_t CallContext::run(std::u16string_view name, std::vector<Variant>& args, Variant& result) {
    if (!vm) return err::ObjectRequired;
    return vm->runByName(name, args, result);
}

int32_t CallContext::createObject(Variant progId, Variant& result) {
    if (!vm) return err::ObjectRequired;
    return findBuiltin(u"CreateObject")->fn(*this, Args(&progId, 1), result);
}

int32_t CallContext::stopStatus() const { return vm ? vm->stopStatus() : 0; }

int32_t CallContext::keepAlive() { return vm ? vm->checkClockNow() : 0; }

const ScriptError& CallContext::lastError() const { return vm ? vm->lastError() : kNoError; }

}  // namespace vbs
