// The .NET classes Windows lets scripts create with CreateObject:
// System.Collections.ArrayList, Stack, Queue, SortedList and Hashtable, and
// System.Random, as scripts see them through COM (methods by name, Item as
// the default member, For Each over the collections).
#pragma once

#include <functional>
#include <vector>

#include "engine/script_engine.h"

namespace talvoro::host {

// Registers the classes' ProgIDs with `engine` (they stay registered across Reset).
void registerDotNetObjects(vbs::ScriptEngine& engine);

namespace dotnet {

vbs::Variant makeArrayList(std::vector<vbs::Variant> items = {});
vbs::Variant makeStack();
vbs::Variant makeQueue();
vbs::Variant makeHashtable();
vbs::Variant makeSortedList();
vbs::Variant makeRandom();

// A live view of a dictionary's keys or values (Hashtable.Keys,
// SortedList.Values): Count and For Each, and Item(i) when `indexed`.
// `items` answers the current contents each time it is asked.
vbs::Variant makeCollectionView(std::u16string typeName, std::function<std::vector<vbs::Variant>()> items,
                                bool indexed);
// What For Each visits in a Hashtable or SortedList: one entry, with its Key
// and Value.
vbs::Variant makeDictionaryEntry(const vbs::Variant& key, const vbs::Variant& value);

}  // namespace dotnet

}  // namespace talvoro::host
