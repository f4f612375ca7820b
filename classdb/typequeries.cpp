#include "typequeries.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <climits>

#include "asciitext.h"
#include "classforest.h"
#include "dbaccess.h"
#include "dbengine.h"
#include "typekind.h"
#include "vcldb1.h"

namespace qm {

bool IsInterfaceKind(int Kind) {
    return Kind == int(TTypeKind::Interface) || Kind == int(TTypeKind::DispInterface);
}

std::string KindCaption(int Kind) {
    std::string caption = TypeKindName(TTypeKind(Kind));
    caption[0] = char(caption[0] - 'a' + 'A');
    return caption;
}

namespace {

// Runs the query once for the class and once for each of its ancestors, nearest first: Bind gives
// it the parameters of a class, Row takes each row with the level (1 for the class) and the class.
template <class TBind, class TRow>
void UpTheChain(TVCLDB& Db, int ClassID, const char* Sql, TBind Bind, TRow Row) {
    TDbAccess::TCall call(Db);
    Engine(TDbAccess::OpenConnection(Db), [&] {
        SQLite::Statement query(TDbAccess::Connection(Db), Sql);
        for (int level = 1, at = ClassID; at != 0; ++level, at = Db.GetAncestorID(at)) {
            TDbAccess::CheckAncestorLevel(Db, level, ClassID);
            query.reset();
            Bind(query, at);
            while (query.executeStep()) Row(query, level, at);
        }
    });
}

}  // namespace

std::vector<TImplementedInterface> TTypeQueries::Interfaces(int ClassID) {
    std::vector<TImplementedInterface> found;
    UpTheChain(
        FDb, ClassID,
        "select R.TargetID, R.TargetName, coalesce(U.Name, '') from RELATIONS R "
        "left join CLASSES C on C.ID = R.TargetID left join UNITS U on U.ID = C.UnitID "
        "where R.ClassID = ? and R.Kind = ? order by R.Position",
        [](SQLite::Statement& Q, int At) {
            Q.bind(1, At);
            Q.bind(2, RelationImplements);
        },
        [&](SQLite::Statement& Q, int Level, int At) {
            found.push_back({Level, At, FDb.GetClassName(At), Q.getColumn(0).getInt(), Q.getColumn(1).getString(),
                             Q.getColumn(2).getString()});
        });
    return found;
}

TDescendants TTypeQueries::Implementers(int InterfaceID, bool Direct) {
    TDbAccess::TCall call(FDb);
    const std::string name = FDb.GetClassName(InterfaceID);
    // The classes naming the interface and every class below them, in one recursive query.
    std::vector<int> direct;
    TClassForest forest;
    Engine(TDbAccess::OpenConnection(FDb), [&] {
        const char* named = "select distinct ClassID from RELATIONS where Kind = ?1 and (TargetID = ?2 or "
                            "(TargetID = 0 and upper(TargetName) = ?3))";
        SQLite::Statement q(TDbAccess::Connection(FDb), named);
        q.bind(1, RelationImplements);
        q.bind(2, InterfaceID);
        q.bind(3, UpperCase(name));
        while (q.executeStep()) direct.push_back(q.getColumn(0).getInt());
        SQLite::Statement tree(TDbAccess::Connection(FDb),
                               std::string("with recursive Tree(ID) as (") + named +
                                   " union select C.ID from CLASSES C join Tree on C.AncestorID = Tree.ID) "
                                   "select C.ID, C.Name, C.UnitID, C.AncestorID from Tree join CLASSES C on C.ID = Tree.ID");
        tree.bind(1, RelationImplements);
        tree.bind(2, InterfaceID);
        tree.bind(3, UpperCase(name));
        forest.Read(tree, TDbAccess::Connection(FDb));
    });
    TDescendants named;
    forest.List(direct, 0, named);  // the direct implementers, for their names
    std::vector<std::pair<std::string, int>> order;  // upper-case name, id
    for (const TDescendant& d : named) order.emplace_back(UpperCase(d.Name), d.ClassID);
    std::sort(order.begin(), order.end());
    std::vector<int> roots;
    for (const auto& [key, id] : order) roots.push_back(id);
    TDescendants tree;
    forest.List(roots, Direct ? 0 : -1, tree);
    if (Direct)
        for (TDescendant& d : tree) d.Descendants = 0;
    return tree;
}

TOverrides TTypeQueries::Implementations(int InterfaceID, const std::string& Name) {
    TDbAccess::TCall call(FDb);
    TDescendants interfaces;
    FDb.ListDescendants(InterfaceID, interfaces);
    // The declaring class, or the implementing class itself (negated) when it declares no such
    // method: it maps the interface's method to one of another name.
    std::vector<int> found;
    for (const TDescendant& i : interfaces)
        for (const TDescendant& c : Implementers(i.ClassID, false)) {
            if (const int k = FDb.FindMemberClass(c.ClassID, Name); k != 0)
                found.push_back(k);
            else if (c.Depth == 0)
                found.push_back(-c.ClassID);
        }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    TOverrides list;
    for (const int k : found) {
        const int id = k < 0 ? -k : k;
        list.push_back({id, FDb.GetClassName(id), FDb.GetUnitName(FDb.GetClassUnitID(id)),
                        k < 0 ? FDb.ClassPlace(id) : FDb.MemberPlace(id, Name), k > 0});
    }
    std::stable_sort(list.begin(), list.end(), [](const TOverride& A, const TOverride& B) {
        const std::string a = UpperCase(A.ClassName), b = UpperCase(B.ClassName);
        return a != b ? a < b : A.ClassID < B.ClassID;
    });
    return list;
}

std::vector<int> TTypeQueries::Helpers(int ClassID) {
    std::vector<int> found;
    UpTheChain(
        FDb, ClassID,
        "select ClassID from RELATIONS where Kind = ?1 and TargetID = ?2 union "
        "select ClassID from RELATIONS where Kind = ?1 and TargetID = 0 and upper(TargetName) = ?3 order by ClassID",
        [&](SQLite::Statement& Q, int At) {
            Q.bind(1, RelationHelps);
            Q.bind(2, At);
            Q.bind(3, UpperCase(FDb.GetClassName(At)));
        },
        [&](SQLite::Statement& Q, int, int) { found.push_back(Q.getColumn(0).getInt()); });
    return found;
}

std::string TTypeQueries::Guid(int ClassID) {
    TDbAccess::TCall call(FDb);
    std::string guid;
    Engine(TDbAccess::OpenConnection(FDb), [&] {
        SQLite::Statement q(TDbAccess::Connection(FDb),
                            "select TargetName from RELATIONS where ClassID = ? and Kind = ? order by Position");
        q.bind(1, ClassID);
        q.bind(2, RelationGuid);
        if (q.executeStep()) guid = q.getColumn(0).getString();
    });
    return guid;
}

void TTypeQueries::ListClassMembers(int ClassID, TMemberItems& Items, const TMemberFilter& Filter) {
    TDbAccess::TCall call(FDb);
    TMemberItems members;
    FDb.ListClassMembers(ClassID, members, Filter);
    if (!Filter.ShowInterfaces) {
        Items.insert(Items.end(), std::make_move_iterator(members.begin()), std::make_move_iterator(members.end()));
    } else {
        const std::vector<TImplementedInterface> interfaces = Interfaces(ClassID);
        auto next = interfaces.begin();
        // The interfaces of the levels up to Level go in after their members.
        auto interfacesUpTo = [&](int Level) {
            for (; next != interfaces.end() && next->Level <= Level; ++next)
                Items.push_back({next->Name, next->ClassID, next->ClassName, next->Level, ListedInterface,
                                 next->InterfaceID != 0 ? FDb.ClassPlace(next->InterfaceID) : TPlace{0, 0, 0}});
        };
        for (TMemberItem& m : members) {
            interfacesUpTo(m.Level - 1);
            Items.push_back(std::move(m));
        }
        interfacesUpTo(INT_MAX);
    }
    if (!Filter.ShowHelpers) return;
    for (const int helper : Helpers(ClassID)) {
        TMemberItems added;
        FDb.ListClassMembers(helper, added, Filter);
        for (TMemberItem& m : added) {
            m.Level = HelperLevel;
            Items.push_back(std::move(m));
        }
    }
}

THierarchyRows TTypeQueries::Hierarchy(int ClassID, bool WithImplementers) {
    TDbAccess::TCall call(FDb);
    THierarchyRows h;
    FDb.ListHierarchy(ClassID, h.Rows);
    for (const TDescendant& d : h.Rows) h.Interface.push_back(IsInterfaceKind(FDb.ClassRecord(d.ClassID).Kind));
    if (!WithImplementers) return h;
    const size_t tree = h.Rows.size();
    // A type added once, under its id (or its name, for an interface that is not loaded).
    std::vector<std::pair<std::string, size_t>> added;
    auto row = [&](int ID, const std::string& Name, const std::string& Unit, bool Interface) {
        const std::string key = ID != 0 ? std::to_string(ID) : "?" + UpperCase(Name);
        for (const auto& [k, at] : added)
            if (k == key) return at;
        h.Rows.push_back({ID, Name, 0, Unit, 0, 0});
        h.Interface.push_back(Interface);
        added.emplace_back(key, h.Rows.size() - 1);
        return h.Rows.size() - 1;
    };
    for (size_t i = 0; i < tree; ++i) {
        const int id = h.Rows[i].ClassID;
        if (h.Interface[i]) {
            for (const TDescendant& c : Implementers(id, true))
                h.Implements.emplace_back(i, row(c.ClassID, c.Name, c.UnitName, false));
        } else {
            for (const TImplementedInterface& f : Interfaces(id))
                if (f.Level == 1) h.Implements.emplace_back(row(f.InterfaceID, f.Name, f.UnitName, true), i);
        }
    }
    return h;
}

}  // namespace qm
