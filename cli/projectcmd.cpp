// "add --follow" and "add --project": loads that follow uses clauses along the library path.
#include <filesystem>

#include "dbcontext.h"
#include "format.h"
#include "defineopts.h"
#include "libraryload.h"
#include "paths.h"
#include "projectfiles.h"
#include "vcldb1.h"

namespace qm {

namespace {

// A load along the library path for Lazarus's Widgetset (empty: gtk2, as the window's default);
// a widgetset the installed Lazarus does not have is refused before anything loads.
TLibraryLoad LoadFor(TContext& C, const std::string& Widgetset) {
    TLibraryLoad load(C.Db);
    if (Widgetset.empty()) return load;
    load.Roots.Widgetset = Widgetset;
    std::error_code ec;
    if (!load.Roots.Lazarus.empty() &&
        (Widgetset.find_first_of("/\\") != std::string::npos ||
         !std::filesystem::is_directory(load.Roots.Lazarus + "/lcl/interfaces/" + Widgetset, ec)))
        throw Exception(Format("Lazarus at %s has no widgetset %s", {load.Roots.Lazarus, Widgetset}));
    return load;
}

}  // namespace

void AddFollowing(TContext& C, const std::vector<std::string>& Files, const std::string& Widgetset) {
    std::vector<std::string> files;
    for (const std::string& file : Files) {
        if (!FileExists(file)) throw Exception(AbsolutePath(file) + ": not read: No such file or directory");
        files.push_back(AbsolutePath(file));
    }
    ReportTreeLoad(C, LoadFor(C, Widgetset).Follow(files));
}

void AddProject(TContext& C, const std::string& File, const std::string& Configuration, const TDefineOptions& Defines,
                const std::string& Widgetset) {
    C.Db.CheckWritable();
    const TProjectDescription project = ReadProjectFile(AbsolutePath(File), Configuration);
    ReportTreeLoad(C, LoadFor(C, Widgetset).Project(project, Defines.Target, Defines.Symbols));
}

}  // namespace qm
