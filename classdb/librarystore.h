// TLibraryStore: the library path and the projects opened, kept in the class database so that the
// window and the command-line tool share them; which units each project brought in.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "projectdesc.h"
#include "searchpath.h"

namespace qm {

class TVCLDB;

struct TProjectRow {
    int ID = 0;
    std::string Name;
    std::string Path;
    std::string Target;                   // the target its units were read for; empty: each unit's own
    std::vector<std::string> Defines;     // the project's own symbols
    std::vector<std::string> Namespaces;  // unit scope names
    std::vector<std::string> SearchPath;  // its unit folders, in front of the library path
};

class TLibraryStore {
public:
    explicit TLibraryStore(TVCLDB& Db) : FDb(Db) {}

    // The library path: folders in search order.
    TSearchPath LibraryPath();
    // Replaces the library path, all at once.
    void SetLibraryPath(const TSearchPath& Path);

    // Records a project (a project of the same file is replaced, keeping its units) and returns
    // its id.
    int AddProject(const TProjectDescription& Project, const std::string& Target);
    std::vector<TProjectRow> Projects();
    // The project stored for that file, 0 when none.
    int ProjectOfFile(const std::string& Path);
    // The units loaded for the project are marked as its own.
    void SetUnitsProject(const std::vector<int>& UnitIDs, int ProjectID);
    std::vector<int> ProjectUnits(int ProjectID);
    // Units of the names that a load for ProjectID (0: none) used from another project become
    // nobody's: a project's removal takes only what it alone uses.
    void ShareUnits(const std::vector<std::string>& Names, int ProjectID);
    // Removes the project's units (those it alone used: ShareUnits) but those a unit that stays
    // derives a class from or names in its uses clauses (directly or through others), and the
    // project with its search path, all or nothing; returns how many units went.
    int RemoveProject(int ProjectID);

private:
    std::vector<std::pair<int, int>> UsesEdges(const std::set<int>& Going);

    TVCLDB& FDb;
};

}  // namespace qm
