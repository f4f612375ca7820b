// "path": the library path kept in the class database, shared with the window. Listed, each
// folder a record with its place, then the installed sources found by themselves
// (Free Pascal's, Lazarus's, and the Delphi installation the database was built from).
#include <filesystem>

#include "dbcontext.h"
#include "format.h"
#include "libraryload.h"
#include "librarystore.h"
#include "paths.h"
#include "recordtext.h"
#include "vcldb1.h"

namespace qm {

void PathCommand(TContext& C) {
    const char* usage = "path [--add DIR | --remove DIR | --clear]";
    TLibraryStore store(C.Db);
    if (!C.Args.empty()) {
        const std::string& option = C.Args[0];
        if (!((option == "--add" || option == "--remove") && C.Args.size() == 2) && !(option == "--clear" && C.Args.size() == 1))
            throw EUsage(std::string("usage: quillmap2-cli [--db PATH] ") + usage);
        C.Db.CheckWritable();
        TSearchPath path = store.LibraryPath();
        if (option == "--clear") {
            path.Folders.clear();
        } else {
            const std::string folder = AbsolutePath(C.Args[1]);
            if (option == "--add") {
                std::error_code ec;
                if (!std::filesystem::is_directory(ResolvePath(folder), ec)) throw Exception(Format("%s: not a folder", {folder}));
                if (!path.Add(ResolvePath(folder))) throw Exception(Format("%s is on the library path already", {folder}));
            } else if (!path.Remove(folder) && !path.Remove(ResolvePath(folder))) {
                throw Exception(Format("%s is not on the library path", {folder}));
            }
        }
        store.SetLibraryPath(path);
    }
    const TSearchPath path = store.LibraryPath();
    for (size_t i = 0; i < path.Folders.size(); ++i) C.Out << Record({std::to_string(i + 1), path.Folders[i]});
    const TInstalledRoots roots = TLibraryLoad(C.Db).Roots;
    for (const auto& [name, root] : {std::pair{"fpc", roots.FreePascal}, {"lazarus", roots.Lazarus}, {"delphi", roots.Delphi}})
        if (!root.empty()) C.Out << Record({name, root});
}

}  // namespace qm
