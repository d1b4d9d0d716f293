// Reference counting frees a script's objects the moment the last reference
// goes, but never containers that hold each other or themselves. When an
// interpreter goes away it hands the containers it made and that are still
// alive to this collector, which frees those that only such cycles keep.
#pragma once

#include <vector>

#include "engine/object.h"

namespace vbs {

// The containers of `tracked` that nothing outside `tracked` can reach: no
// reference from the application, a host object, or a variable, directly or
// through other containers and arrays. Only cycles keep them alive.
std::vector<Dispatch*> unreachableContainers(const std::vector<Dispatch*>& tracked);

// Empties `garbage` (as unreachableContainers found it), which frees it; the
// rest of the containers are left whole, so a dictionary the application
// still holds keeps its entries.
void emptyContainers(const std::vector<Dispatch*>& garbage);

inline void freeUnreachableCycles(const std::vector<Dispatch*>& tracked) {
    emptyContainers(unreachableContainers(tracked));
}

}  // namespace vbs
