// WScript.Network: who runs the script and on which computer. ComputerName
// is the host name up to its first dot, as Windows' computer names carry no
// domain; UserDomain is the rest of a host name with a domain ("lab.example"
// of "pc7.lab.example"), and for a host name without one the computer's own
// name, as Windows reports for a computer in no domain.
#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "engine/error_table.h"
#include "engine/host_object.h"
#include "host/shell_objects.h"

namespace talvoro::host {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

namespace {

std::string userName() {
    if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_name) return user->pw_name;
    for (const char* variable : {"LOGNAME", "USER"})
        if (const char* name = std::getenv(variable); name && *name) return name;
    return {};
}

std::string hostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string computerName() {
    std::string host = hostName();
    return host.substr(0, host.find('.'));
}

std::string userDomain() {
    std::string host = hostName();
    size_t dot = host.find('.');
    return dot == std::string::npos ? host : host.substr(dot + 1);
}

vbs::HostObject::Call text(std::string (*read)()) {
    return [read](Args args, Variant& result, CallContext&) -> int32_t {
        if (args.size() != 0) return vbs::err::WrongArgCount;
        result = Variant::fromUtf8(read());
        return 0;
    };
}

}  // namespace

Variant makeNetworkObject() {
    auto* network = new vbs::HostObject(u"IWshNetwork2");
    Variant holder = Variant::object(network);
    network->property(u"UserName", text(userName));
    network->property(u"ComputerName", text(computerName));
    network->property(u"UserDomain", text(userDomain));
    return holder;
}

}  // namespace talvoro::host
