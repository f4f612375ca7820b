// Loads that follow uses clauses: the folders they search (a project's own, then the library path
// kept in the class database, then the installed sources' layout for the target), and opening a
// project: its units and everything they use, recorded as the project's.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "installed.h"
#include "projectdesc.h"
#include "searchpath.h"
#include "treeload.h"

namespace qm {

class TVCLDB;
struct TTarget;

struct TLibraryFolders {
    TSearchPath Units;
    std::vector<std::string> Includes;
};

class TLibraryLoad {
public:
    // Roots: the installed sources the library path names or that are found by themselves.
    explicit TLibraryLoad(TVCLDB& Db);
    TInstalledRoots Roots;
    std::function<void(int Done, int Total)> OnUnit;

    // The folders searched for Target: First, the library path, the installed layout.
    TLibraryFolders Folders(const TTarget& Target, const std::vector<std::string>& First = {});
    // The files (units or programs) and what they use, read as the class database's Dialect and
    // ReadContext say; the files' own folders come first on the path.
    TTreeLoadReport Follow(const std::vector<std::string>& Files);
    // The project's main source and units and what they use, read in the modern dialect for
    // Target (none: Free Pascal's or Delphi's default, as the project is one or the other) with
    // Symbols and the project's defines; the project is stored, and the units loaded are its own.
    // What the project file left unresolved is in the report's Notes.
    TTreeLoadReport Project(const TProjectDescription& Project, const TTarget* Target,
                            const std::vector<std::string>& Symbols);

private:
    TVCLDB& FDb;
};

// The target whose layout a load without a named target searches: Free Pascal's on Linux when
// its sources are installed, else Delphi's.
const TTarget& LayoutTarget(const TTarget* Named, const TInstalledRoots& Roots);

}  // namespace qm
