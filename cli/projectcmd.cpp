// "add --follow" and "add --project": loads that follow uses clauses along the library path.
#include "dbcontext.h"
#include "defineopts.h"
#include "libraryload.h"
#include "paths.h"
#include "projectfiles.h"
#include "vcldb1.h"

namespace qm {

void AddFollowing(TContext& C, const std::vector<std::string>& Files) {
    std::vector<std::string> files;
    for (const std::string& file : Files) {
        if (!FileExists(file)) throw Exception(AbsolutePath(file) + ": not read: No such file or directory");
        files.push_back(AbsolutePath(file));
    }
    ReportTreeLoad(C, TLibraryLoad(C.Db).Follow(files));
}

void AddProject(TContext& C, const std::string& File, const std::string& Configuration, const TDefineOptions& Defines) {
    C.Db.CheckWritable();
    const TProjectDescription project = ReadProjectFile(AbsolutePath(File), Configuration);
    ReportTreeLoad(C, TLibraryLoad(C.Db).Project(project, Defines.Target, Defines.Symbols));
}

}  // namespace qm
