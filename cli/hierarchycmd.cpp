#include "hierarchycmd.h"

#include <algorithm>
#include <ostream>

#include "hierarchypdf.h"
#include "recordtext.h"
#include "typequeries.h"
#include "vcldb1.h"

namespace qm {

int RunHierarchyCommand(const std::string& DbPath, const std::vector<std::string>& Args, std::ostream& Out,
                        std::ostream& Err) {
    std::vector<std::string> Rest = Args;
    const auto Option = std::find(Rest.begin(), Rest.end(), "--implementers");
    const bool Implementers = Option != Rest.end();
    if (Implementers) Rest.erase(Option);
    if (Rest.size() != 3 || (Rest[1] != "--svg" && Rest[1] != "--pdf")) {
        Err << "usage: quillmap2-cli [--db PATH] hierarchy CLASS --svg FILE | --pdf FILE [--implementers]\n";
        return 2;
    }
    const std::string& File = Rest[2];
    try {
        TVCLDB Db;
        Db.OpenDatabase(DbPath);
        const int ClassID = Db.ClassCountByName(Rest[0]) > 0 ? Db.ClassesIDByNameIndex(Rest[0], 0) : 0;
        if (ClassID == 0) throw Exception("no class " + Rest[0]);
        const THierarchyRows Tree = TTypeQueries(Db).Hierarchy(ClassID, Implementers);
        const int Pages = WriteHierarchy(HierarchyNodesOf(Tree, ClassID), File,
                                         Rest[1] == "--pdf" ? THierarchyFormat::Pdf : THierarchyFormat::Svg,
                                         Db.GetClassName(ClassID));
        // Types, pages, file.
        Out << Record({std::to_string(Tree.Rows.size()), std::to_string(Pages), File});
        return 0;
    } catch (const std::exception& E) {
        Err << E.what() << '\n';
        return 1;
    }
}

}  // namespace qm
