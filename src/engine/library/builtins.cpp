// The registry of built-in functions and constants: the family tables of
// library/ merged into one case-insensitive map, built on first use.
#include "engine/library/builtins.h"

#include <string>
#include <unordered_map>

namespace vbs {

namespace {

template <typename Info>
using Registry = std::unordered_map<std::u16string, const Info*>;

const Registry<BuiltinInfo>& functionRegistry() {
    static const Registry<BuiltinInfo> registry = [] {
        Registry<BuiltinInfo> map;
        // Later families do not replace earlier ones: the first table that
        // names a function owns it.
        for (auto family : {scriptBuiltins(), objectBuiltins(), mathBuiltins(), conversionBuiltins(),
                            stringBuiltins(), formatBuiltins(), dateBuiltins(), arrayBuiltins()}) {
            for (const BuiltinInfo& info : family) map.emplace(foldName(info.name), &info);
        }
        return map;
    }();
    return registry;
}

const Registry<ConstantInfo>& constantRegistry() {
    static const Registry<ConstantInfo> registry = [] {
        Registry<ConstantInfo> map;
        for (const ConstantInfo& info : builtinConstants()) map.emplace(foldName(info.name), &info);
        return map;
    }();
    return registry;
}

}  // namespace

const BuiltinInfo* findBuiltin(std::u16string_view name) {
    const auto& registry = functionRegistry();
    auto it = registry.find(foldName(name));
    return it == registry.end() ? nullptr : it->second;
}

const ConstantInfo* findConstant(std::u16string_view name) {
    const auto& registry = constantRegistry();
    auto it = registry.find(foldName(name));
    return it == registry.end() ? nullptr : it->second;
}

}  // namespace vbs
