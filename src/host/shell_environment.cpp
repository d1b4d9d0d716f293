// Shell.Environment and Shell.ExpandEnvironmentStrings. Windows keeps four
// sets of variables (PROCESS, SYSTEM, USER, VOLATILE); this system has one,
// the process's environment, which every set reads and writes. Windows does
// not tell variable names apart by letter case: a name that matches no
// variable exactly finds one that differs only in case ("%Home%").
#include <stdlib.h>

#include <cctype>
#include <cstring>

#include "engine/arguments.h"
#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/shell_objects.h"

extern char** environ;

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

int32_t readName(Args& args, std::string& name) {
    if (args.size() != 1) return vbs::err::WrongArgCount;
    std::u16string text;
    if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
    name = vbs::toUtf8(text);
    return 0;
}

int32_t countVariables() {
    int32_t count = 0;
    for (char** entry = environ; entry && *entry; ++entry) ++count;
    return count;
}

void addItem(vbs::HostObject& environment) {
    auto read = [](Args args, Variant& result, CallContext&) -> int32_t {
        std::string name, found, text;
        if (int32_t e = readName(args, name)) return e;
        result = Variant::fromUtf8(findEnvironmentVariable(name, found, text) ? text : std::string());
        return 0;
    };
    auto assign = [](Args args, const Variant& value, CallContext&) -> int32_t {
        std::string name, found, old;
        std::u16string text;
        if (int32_t e = readName(args, name)) return e;
        if (int32_t e = vbs::ops::toString(value, text)) return e;
        // "=" cannot stand in a name: the environment splits its entries there.
        if (name.empty() || name.find('=') != std::string::npos) return vbs::err::InvalidProcCall;
        if (findEnvironmentVariable(name, found, old)) name = found;
        return ::setenv(name.c_str(), vbs::toUtf8(text).c_str(), 1) == 0 ? 0 : vbs::err::OutOfMemory;
    };
    environment.property(u"Item", read, assign);
    environment.setDefault(u"Item");
}

void addCollectionMembers(vbs::HostObject& environment) {
    auto count = [](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = Variant::long_(countVariables());
        return 0;
    };
    environment.property(u"Count", count);
    environment.property(u"length", count);
    environment.method(u"Remove", [](Args args, Variant&, CallContext&) -> int32_t {
        std::string name, found, value;
        if (int32_t e = readName(args, name)) return e;
        if (findEnvironmentVariable(name, found, value)) ::unsetenv(found.c_str());
        return 0;
    });
    // "NAME=value" for each variable, as Windows lists them.
    environment.enumerator([](std::vector<Variant>& items, CallContext&) -> int32_t {
        for (char** entry = environ; entry && *entry; ++entry) items.push_back(Variant::fromUtf8(*entry));
        return 0;
    });
}

}  // namespace

bool findEnvironmentVariable(const std::string& name, std::string& foundName, std::string& value) {
    if (const char* exact = std::getenv(name.c_str())) {
        foundName = name;
        value = exact;
        return true;
    }
    for (char** entry = environ; entry && *entry; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (!equals) continue;
        std::string_view entryName(*entry, static_cast<size_t>(equals - *entry));
        if (sameIgnoringCase(entryName, name)) {
            foundName = std::string(entryName);
            value = equals + 1;
            return true;
        }
    }
    return false;
}

std::u16string expandEnvironmentStrings(std::u16string_view text) {
    std::u16string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find(u'%', at);
        const size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) break;
        out.append(text.substr(at, open - at));
        std::string found, value;
        if (close > open + 1 && findEnvironmentVariable(vbs::toUtf8(text.substr(open + 1, close - open - 1)), found, value))
            out += vbs::toU16(value);
        else
            out.append(text.substr(open, close - open + 1));  // unknown (or "%%"): kept as written
        at = close + 1;
    }
    out.append(text.substr(at));
    return out;
}

Variant makeEnvironmentObject() {
    auto* environment = new vbs::HostObject(u"IWshEnvironment");
    Variant holder = Variant::object(environment);
    addItem(*environment);
    addCollectionMembers(*environment);
    return holder;
}

}  // namespace talvoro::host
