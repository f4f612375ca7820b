// "projects" and "remove-project": the projects opened, and taking one out again with its units.
#include "dbcontext.h"
#include "librarystore.h"
#include "recordtext.h"
#include "vcldb1.h"

namespace qm {

void ProjectsCommand(TContext& C) {
    Need(C, 0, 0, "projects");
    for (const TProjectRow& p : TLibraryStore(C.Db).Projects())
        C.Out << Record({std::to_string(p.ID), p.Name, p.Path, std::to_string(TLibraryStore(C.Db).ProjectUnits(p.ID).size())});
}

// A project given by id, by name or by its file.
void RemoveProjectCommand(TContext& C) {
    Need(C, 1, 1, "remove-project PROJECT");
    C.Db.CheckWritable();
    TLibraryStore store(C.Db);
    for (const TProjectRow& p : store.Projects())
        if (std::to_string(p.ID) == C.Args[0] || p.Name == C.Args[0] || p.Path == C.Args[0]) {
            const int units = store.RemoveProject(p.ID);
            C.Out << Record({std::to_string(p.ID), p.Name, std::to_string(units)});
            return;
        }
    throw Exception("no project " + C.Args[0]);
}

}  // namespace qm
