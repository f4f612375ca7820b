// The order of the folders is the order a compiler is given them: the project's own search path
// before the library path, the library path before the installed sources.
#include "libraryload.h"

#include <memory>

#include "conditionals.h"
#include "librarystore.h"
#include "paths.h"
#include "targets.h"
#include "unitparser.h"
#include "vcldb1.h"

namespace qm {

namespace {

void AddAll(TSearchPath& Path, const std::vector<std::string>& Folders) {
    for (const std::string& folder : Folders) Path.Add(folder);
}

void AddAll(std::vector<std::string>& List, const std::vector<std::string>& Folders) {
    for (const std::string& folder : Folders)
        if (std::find(List.begin(), List.end(), folder) == List.end()) List.push_back(folder);
}

}  // namespace

const TTarget& LayoutTarget(const TTarget* Named, const TInstalledRoots& Roots) {
    if (Named) return *Named;
    return DefaultTarget(!Roots.FreePascal.empty() || !Roots.Lazarus.empty());
}

// Delphi's sources are those of the installation the class database was initialized from: the
// folder holding its SOURCE folder, as the Delphi entry's root (or the user, locating a unit) gave it.
TLibraryLoad::TLibraryLoad(TVCLDB& Db) : FDb(Db) {
    Roots = FindInstalledRoots(Db.IsOpen() ? TLibraryStore(Db).LibraryPath().Folders : std::vector<std::string>{});
    std::string source = Db.VCLSourcePath;
    while (!source.empty() && (source.back() == '/' || source.back() == '\\')) source.pop_back();
    // Without an entry the path is a bare "/SOURCE/": no installation.
    const std::string root = FolderPart(source);
    if (root.find_first_not_of("/\\") != std::string::npos) Roots.Delphi = root;
}

TLibraryFolders TLibraryLoad::Folders(const TTarget& Target, const std::vector<std::string>& First) {
    TLibraryFolders folders;
    AddAll(folders.Units, First);
    AddAll(folders.Units, TLibraryStore(FDb).LibraryPath().Folders);
    const TLibraryLayout layout = LayoutFor(Target, Roots);
    AddAll(folders.Units, layout.UnitFolders);
    AddAll(folders.Includes, folders.Units.Folders);
    AddAll(folders.Includes, layout.IncludeFolders);
    return folders;
}

TTreeLoadReport TLibraryLoad::Follow(const std::vector<std::string>& Files) {
    std::vector<std::string> own;
    for (const std::string& file : Files) AddAll(own, {FolderPart(ResolvePath(file))});
    const TTarget* named = FDb.ReadContext.Defines ? FDb.ReadContext.Defines->Target() : nullptr;
    const TLibraryFolders folders = Folders(LayoutTarget(named, Roots), own);
    TTreeLoader loader(FDb);
    loader.OnUnit = OnUnit;
    TTreeLoadReport report = loader.LoadFollowing(Files, TUnitResolver(folders.Units), folders.Includes);
    TLibraryStore(FDb).ShareUnits(report.UsedLoaded, 0);
    return report;
}

TTreeLoadReport TLibraryLoad::Project(const TProjectDescription& Project, const TTarget* Target,
                                      const std::vector<std::string>& Symbols) {
    FDb.CheckWritable();
    const TTarget& target = Target ? *Target : DefaultTarget(Project.FreePascal);
    auto defines = std::make_shared<TDefineSet>(&target);
    for (const std::string& symbol : Symbols) defines->Define(symbol);
    for (const std::string& symbol : Project.Defines) defines->Define(symbol);
    TVCLDB::TUseDialect dialect(FDb, TDialect::Modern, defines);

    std::vector<std::string> files, own = Project.SearchPath;
    if (!Project.MainSource.empty() && FileExists(Project.MainSource)) files.push_back(Project.MainSource);
    AddAll(own, {FolderPart(Project.Path)});
    for (const TProjectUnit& unit : Project.Units)
        if (!unit.File.empty()) {
            files.push_back(unit.File);
            AddAll(own, {FolderPart(unit.File)});
        }
    TLibraryFolders folders = Folders(target, own);
    std::vector<std::string> includes = Project.IncludePath;
    AddAll(includes, folders.Includes);

    const int id = TLibraryStore(FDb).AddProject(Project, std::string(target.Name));
    TTreeLoader loader(FDb);
    loader.OnUnit = OnUnit;
    TTreeLoadReport report = loader.LoadFollowing(files, TUnitResolver(folders.Units, Project.Namespaces), includes);
    TLibraryStore(FDb).SetUnitsProject(report.LoadedUnits, id);
    TLibraryStore(FDb).ShareUnits(report.UsedLoaded, id);
    for (const std::string& note : Project.Notes) report.Notes.insert(report.Notes.begin(), {Project.Path, note});
    return report;
}

}  // namespace qm
