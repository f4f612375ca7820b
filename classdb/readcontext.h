// How a load reads its units beyond the dialect: the folders it was given, in the user's order,
// which choose among units of one name as a compiler's search path would.
#pragma once

#include <string>
#include <vector>

namespace qm {

struct TReadContext {
    // Folders as found on disk (ResolvePath). A unit named in a uses clause that
    // the database holds more than once is taken from the loading unit's own folder, else from the
    // first of these folders that holds one.
    std::vector<std::string> SearchPath;
};

}  // namespace qm
