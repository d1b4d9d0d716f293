// The facade: each operation runs on the interpreter, and a failure becomes
// the Error() record plus a ScriptException. std::bad_alloc never escapes:
// it is reported as error 7 "Out of memory".
#include "engine/script_engine.h"

#include <cstdlib>
#include <new>
#include <string_view>

#include "engine/error_table.h"
#include "engine/vm/interpreter.h"
#include "engine/values/locale.h"
#include "engine/syntax/parser.h"
#include "engine/values/work_meter.h"

namespace vbs {

namespace {

bool plainFromEnvironment() {
    const char* value = std::getenv("TALVORO_PLAIN");
    return value && std::string_view(value) == "1";
}

}  // namespace

ScriptEngine::ScriptEngine() : vm_(std::make_unique<Interpreter>()) { vm_->setPlain(plainFromEnvironment()); }
ScriptEngine::~ScriptEngine() = default;

void ScriptEngine::check(int32_t status) {
    if (status == 0) {
        error_.clear();
        return;
    }
    error_ = vm_->lastError();
    if (error_.number == 0) error_.number = status;
    if (error_.description.empty()) error_.description = toU16(errorText(status));
    if (error_.source.empty()) error_.source = toU16(isCompileError(status) ? kCompileSource : kRuntimeSource);
    throw ScriptException(error_);
}

// Runs `work`, counted in running_ on every way out, turning an allocation
// failure into error 7.
template <typename Work>
int32_t ScriptEngine::operation(Work&& work) {
    struct Counted {
        int& count;
        explicit Counted(int& c) : count(c) { ++count; }
        ~Counted() { --count; }
    } counted(running_);
    WorkMeterScope meter(vm_->clockCountdown());
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    }
}

void ScriptEngine::SetLanguage(std::u16string_view language) {
    if (namesEqual(language, u"VBScript")) {
        error_.clear();
        return;
    }
    error_.clear();
    error_.number = err::InvalidProcCall;
    error_.description = toU16(errorText(err::InvalidProcCall));
    error_.source = toU16(kRuntimeSource);
    throw ScriptException(error_);
}

void ScriptEngine::Reset() {
    HostHooks hooks = vm_->hostHooks();
    auto objectTypes = vm_->objectTypes();
    Poll poll = vm_->poll();
    bool plain = vm_->plain();
    vm_ = std::make_unique<Interpreter>();
    vm_->setPlain(plain);
    vm_->setHostHooks(std::move(hooks));
    vm_->setPoll(std::move(poll));
    vm_->setObjectTypes(std::move(objectTypes));
    locale_ = nullptr;
    error_.clear();
}

void ScriptEngine::AddObject(std::u16string_view name, Dispatch* object, bool addMembers) {
    check(operation([&] {
        vm_->addObject(name, object, addMembers);
        return 0;
    }));
}

void ScriptEngine::AddCode(std::u16string_view code) {
    LocaleScope locale(locale_);
    vm_->setTimeout(timeoutMs_);
    check(operation([&] { return vm_->runGlobalText(code); }));
}

void ScriptEngine::ExecuteStatement(std::u16string_view statement) {
    LocaleScope locale(locale_);
    vm_->setTimeout(timeoutMs_);
    check(operation([&] { return vm_->runGlobalText(statement); }));
}

Variant ScriptEngine::Eval(std::u16string_view expression) {
    LocaleScope locale(locale_);
    vm_->setTimeout(timeoutMs_);
    Variant result;
    check(operation([&] { return vm_->evalGlobalText(expression, result); }));
    return result;
}

Variant ScriptEngine::Run(std::u16string_view name, std::vector<Variant> args) {
    LocaleScope locale(locale_);
    vm_->setTimeout(timeoutMs_);
    Variant result;
    check(operation([&] { return vm_->runByName(name, args, result); }));
    return result;
}

std::vector<ProcedureInfo> ScriptEngine::Procedures() const { return vm_->procedures(); }

std::vector<VariableInfo> ScriptEngine::Variables() const { return vm_->variables(); }

std::vector<std::u16string> ScriptEngine::ClassNames() const { return vm_->classNames(); }

CallContext ScriptEngine::HostContext() { return CallContext{vm_.get(), &vm_->detail()}; }

ScriptError ScriptEngine::SyntaxCheck(std::u16string_view text) {
    return parse(text, ParseMode::Statements).error;
}

void ScriptEngine::SetPlain(bool plain) { vm_->setPlain(plain); }

bool ScriptEngine::Plain() const { return vm_->plain(); }

void ScriptEngine::SetHostHooks(HostHooks hooks) { vm_->setHostHooks(std::move(hooks)); }

void ScriptEngine::SetPoll(Poll poll) { vm_->setPoll(std::move(poll)); }

bool ScriptEngine::Stopping() const { return running_ > 0 && vm_->stopping(); }

void ScriptEngine::Interrupt() {
    if (running_ > 0) vm_->interrupt();
}

void ScriptEngine::RegisterObjectType(std::u16string_view progId, ObjectFactory factory) {
    vm_->registerObjectType(progId, std::move(factory));
}

}  // namespace vbs
