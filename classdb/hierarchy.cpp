// Looking down the class tree: every class derived from a class, and which of them declare a
// member of a given name. One pass over the classes gathers the tree; the subtree is walked,
// ordered and counted in memory.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <unordered_map>

#include "asciitext.h"
#include "classforest.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {

void TVCLDB::ListDescendants(int ClassID, TDescendants& Tree, int MaxDepth) {
    TCall call(*this);
    Tree.clear();
    if (!ClassExists(ClassID)) return;
    // A root's subtree is most of the library: one pass over the table and the walk in memory,
    // where a recursive query would cost a lookup and a sorted insert per class. Below a root
    // the recursive query over the classes-by-ancestor index reads only the subtree (UNION, not
    // UNION ALL: a cycle of ancestors in a damaged file ends the walk instead of running on).
    const bool whole = GetAncestorID(ClassID) == 0;
    TClassForest forest;
    Engine(Connection(), [&] {
        SQLite::Statement q(Database(), whole ? "select ID, Name, UnitID, AncestorID from CLASSES"
                                              : "with recursive Tree(ID) as (select ?1 union select C.ID from CLASSES C "
                                                "join Tree on C.AncestorID = Tree.ID) "
                                                "select C.ID, C.Name, C.UnitID, C.AncestorID from Tree "
                                                "join CLASSES C on C.ID = Tree.ID");
        if (!whole) q.bind(1, ClassID);
        forest.Read(q, Database());
    });
    forest.List({ClassID}, MaxDepth, Tree);
}

void TVCLDB::ListHierarchy(int ClassID, TDescendants& Tree) {
    TCall call(*this);
    ListDescendants(ClassID, Tree);
    if (Tree.empty()) return;
    TDescendants chain;
    int level = 1;
    for (int a = GetAncestorID(ClassID); a != 0; a = GetAncestorID(a)) {
        CheckAncestorLevel(++level, ClassID);
        const int unit = GetClassUnitID(a);
        chain.push_back({a, GetClassName(a), unit, UnitExists(unit) ? GetUnitName(unit) : "", 0, 0});
    }
    std::reverse(chain.begin(), chain.end());
    for (size_t i = 0; i < chain.size(); ++i) {
        chain[i].Depth = int(i);
        chain[i].Descendants = int(chain.size() - i - 1 + Tree.size());
    }
    for (TDescendant& d : Tree) d.Depth += int(chain.size());
    Tree.insert(Tree.begin(), chain.begin(), chain.end());
}

void TVCLDB::ListOverrides(int ClassID, const std::string& Name, TOverrides& Found) {
    TCall call(*this);
    Found.clear();
    // One query: the subtree, joined with the members of the name (the member key's index).
    Engine(Connection(), [&] {
        SQLite::Statement q(Database(),
                            "with recursive Tree(ID) as (select ?1 union select C.ID from CLASSES C "
                            "join Tree on C.AncestorID = Tree.ID) "
                            "select C.ID, C.Name, coalesce(U.Name, ''), MV.UnitID, MV.IntLN, MV.ImpLN, MV.IntFileID, "
                            "MV.ImpFileID from Tree "
                            "join CLASSES C on C.ID = Tree.ID join MV on MV.ClassID = C.ID and upper(MV.Name) = ?2 "
                            "left join UNITS U on U.ID = C.UnitID where C.ID <> ?1 order by MV.ClassID, MV.rowid");
        q.bind(1, ClassID);
        q.bind(2, UpperCase(Name));
        while (q.executeStep()) {
            const int cls = q.getColumn(0).getInt();
            if (!Found.empty() && Found.back().ClassID == cls) continue;  // the first row of a class, as lookups answer
            TMemberRow row;
            row.UnitID = q.getColumn(3).getInt();
            row.IntLN = q.getColumn(4).getInt();
            row.ImpLN = q.getColumn(5).getInt();
            row.IntFileID = q.getColumn(6).getInt();
            row.ImpFileID = q.getColumn(7).getInt();
            Found.push_back({cls, q.getColumn(1).getString(), q.getColumn(2).getString(), TargetPlace(row)});
        }
    });
    // By class name (ignoring case), same names in load order.
    std::stable_sort(Found.begin(), Found.end(), [](const TOverride& A, const TOverride& B) {
        return UpperCase(A.ClassName) < UpperCase(B.ClassName);
    });
}

}  // namespace qm
