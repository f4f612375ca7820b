// How a load reads its units beyond the dialect: the folders it was given, in the user's order,
// which choose among units of one name as a compiler's search path would, and the symbols its
// modern units are read with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "conditionals.h"

namespace qm {

struct TReadContext {
    // Folders as found on disk (ResolvePath). A unit named in a uses clause that
    // the database holds more than once is taken from the loading unit's own folder, else from the
    // first of these folders that holds one.
    std::vector<std::string> SearchPath;
    // The target and symbols of the modern reading; none: each unit chooses its target.
    std::shared_ptr<const TDefineSet> Defines;
};

}  // namespace qm
