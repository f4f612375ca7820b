#include "hierarchycmd.h"

#include <ostream>

#include "hierarchypdf.h"
#include "recordtext.h"
#include "vcldb1.h"

namespace qm {

int RunHierarchyCommand(const std::string& DbPath, const std::vector<std::string>& Args, std::ostream& Out,
                        std::ostream& Err) {
    if (Args.size() != 3 || (Args[1] != "--svg" && Args[1] != "--pdf")) {
        Err << "usage: quillmap2-cli [--db PATH] hierarchy CLASS --svg FILE | --pdf FILE\n";
        return 2;
    }
    const std::string& File = Args[2];
    try {
        TVCLDB Db;
        Db.OpenDatabase(DbPath);
        const int ClassID = Db.ClassCountByName(Args[0]) > 0 ? Db.ClassesIDByNameIndex(Args[0], 0) : 0;
        if (ClassID == 0) throw Exception("no class " + Args[0]);
        TDescendants Tree;
        Db.ListHierarchy(ClassID, Tree);
        const int Pages = WriteHierarchy(HierarchyNodes(Tree, ClassID), File,
                                         Args[1] == "--pdf" ? THierarchyFormat::Pdf : THierarchyFormat::Svg,
                                         Db.GetClassName(ClassID));
        // Classes, pages, file.
        Out << Record({std::to_string(Tree.size()), std::to_string(Pages), File});
        return 0;
    } catch (const std::exception& E) {
        Err << E.what() << '\n';
        return 1;
    }
}

}  // namespace qm
