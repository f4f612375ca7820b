#include "typequeries.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

#include "asciitext.h"
#include "dbaccess.h"
#include "dbengine.h"

namespace qm {

std::vector<TImplementedInterface> TTypeQueries::Interfaces(int ClassID) {
    TDbAccess::TCall call(FDb);
    std::vector<TImplementedInterface> found;
    Engine(TDbAccess::OpenConnection(FDb), [&] {
        SQLite::Statement q(TDbAccess::Connection(FDb),
                            "select R.TargetID, R.TargetName, coalesce(U.Name, '') from RELATIONS R "
                            "left join CLASSES C on C.ID = R.TargetID left join UNITS U on U.ID = C.UnitID "
                            "where R.ClassID = ? and R.Kind = ? order by R.Position");
        for (int level = 1, at = ClassID; at != 0; ++level, at = FDb.GetAncestorID(at)) {
            TDbAccess::CheckAncestorLevel(FDb, level, ClassID);
            const std::string className = FDb.GetClassName(at);
            q.reset();
            q.bind(1, at);
            q.bind(2, RelationImplements);
            while (q.executeStep())
                found.push_back({level, at, className, q.getColumn(0).getInt(), q.getColumn(1).getString(),
                                 q.getColumn(2).getString()});
        }
    });
    return found;
}

TDescendants TTypeQueries::Implementers(int InterfaceID, bool Direct) {
    TDbAccess::TCall call(FDb);
    const std::string name = FDb.GetClassName(InterfaceID);
    std::vector<std::pair<std::string, int>> direct;  // upper-case name, id
    Engine(TDbAccess::OpenConnection(FDb), [&] {
        SQLite::Statement q(TDbAccess::Connection(FDb),
                            "select distinct C.ID, C.Name from RELATIONS R join CLASSES C on C.ID = R.ClassID "
                            "where R.Kind = ?1 and (R.TargetID = ?2 or (R.TargetID = 0 and upper(R.TargetName) = ?3))");
        q.bind(1, RelationImplements);
        q.bind(2, InterfaceID);
        q.bind(3, UpperCase(name));
        while (q.executeStep()) direct.emplace_back(UpperCase(q.getColumn(1).getString()), q.getColumn(0).getInt());
    });
    std::sort(direct.begin(), direct.end());
    TDescendants tree;
    for (const auto& [key, id] : direct) {
        TDescendants below;
        FDb.ListDescendants(id, below, Direct ? 0 : -1);
        if (Direct && !below.empty()) below.front().Descendants = 0;
        tree.insert(tree.end(), below.begin(), below.end());
    }
    return tree;
}

}  // namespace qm
