// The objects the dictionaries hand out: views of their keys and values,
// and the entries For Each visits.
#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

Variant makeCollectionView(std::u16string typeName, std::function<std::vector<Variant>()> items, bool indexed) {
    auto* view = new HostObject(std::move(typeName));
    Variant result = Variant::object(view);
    view->property(u"Count", [items](Args args, Variant& out, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        out = countOf(items().size());
        return 0;
    });
    view->enumerator([items](std::vector<Variant>& out, CallContext&) {
        out = items();
        return 0;
    });
    if (indexed) {
        view->property(u"Item", [items](Args args, Variant& out, CallContext& ctx) -> int32_t {
            size_t at = 0;
            std::vector<Variant> all = items();
            if (int32_t e = checkArgCount(args, 1)) return e;
            if (int32_t e = readItemIndex(args, 0, all.size(), ctx, at)) return e;
            out = all[at];
            return 0;
        });
        view->setDefault(u"Item");
    }
    return result;
}

Variant makeDictionaryEntry(const Variant& key, const Variant& value) {
    auto* entry = new HostObject(u"DictionaryEntry");
    Variant result = Variant::object(entry);
    for (auto [name, held] : {std::pair{u"Key", key}, std::pair{u"Value", value}}) {
        entry->property(name, [held](Args args, Variant& out, CallContext&) -> int32_t {
            if (int32_t e = checkArgCount(args, 0)) return e;
            out = held;
            return 0;
        });
    }
    return result;
}

}  // namespace talvoro::host::dotnet
