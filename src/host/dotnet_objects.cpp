#include "host/dotnet_objects.h"

namespace talvoro::host {

namespace {

struct DotNetClass {
    const char16_t* progId;
    vbs::Variant (*make)();
};

vbs::Variant makeEmptyArrayList() { return dotnet::makeArrayList(); }

constexpr DotNetClass kClasses[] = {
    {u"System.Collections.ArrayList", makeEmptyArrayList},
    {u"System.Collections.Stack", dotnet::makeStack},
    {u"System.Collections.Queue", dotnet::makeQueue},
    {u"System.Collections.SortedList", dotnet::makeSortedList},
    {u"System.Collections.Hashtable", dotnet::makeHashtable},
    {u"System.Random", dotnet::makeRandom},
};

}  // namespace

void registerDotNetObjects(vbs::ScriptEngine& engine) {
    for (const DotNetClass& type : kClasses) {
        engine.RegisterObjectType(type.progId, [make = type.make](vbs::CallContext&, vbs::Variant& result) {
            result = make();
            return 0;
        });
    }
}

}  // namespace talvoro::host
