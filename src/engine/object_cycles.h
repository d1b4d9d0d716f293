// Reference counting frees a script's objects the moment the last reference
// goes, but never containers that hold each other or themselves. When an
// interpreter goes away it hands the containers it made and that are still
// alive to this collector, which frees those that only such cycles keep.
#pragma once

#include <vector>

#include "engine/object.h"

namespace vbs {

// Empties every container of `tracked` that nothing outside `tracked` can
// reach: no reference from the application, a host object, or a variable,
// directly or through other containers and arrays. The rest are left whole,
// so a dictionary the application still holds keeps its entries.
void freeUnreachableCycles(const std::vector<Dispatch*>& tracked);

}  // namespace vbs
