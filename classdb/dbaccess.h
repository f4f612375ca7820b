// The one door through which the class database's own helper classes (TLibraryStore,
// TTypeQueries...) reach TVCLDB's connection and private steps, without widening TVCLDB's public
// surface. Private to classdb.
#pragma once

#include <SQLiteCpp/Database.h>

#include <utility>
#include <vector>

#include "vcldb1.h"

namespace qm {

struct TDbAccess {
    static SQLite::Database& Connection(TVCLDB& Db) { return Db.Database(); }
    static const SQLite::Database* OpenConnection(TVCLDB& Db) { return Db.Connection(); }
    // Deletes the units in the ranges with their classes and members; the caller holds a batch.
    static void DeleteUnitRows(TVCLDB& Db, const std::vector<std::pair<int, int>>& Ranges) { Db.DeleteUnitRows(Ranges); }
    static void CloseLookups(TVCLDB& Db) { Db.CloseLookups(); }
    // EVCLDBError when a walk up the ancestors from StartID has gone Level levels: a cycle.
    static void CheckAncestorLevel(TVCLDB& Db, int Level, int StartID) { Db.CheckAncestorLevel(Level, StartID); }

    // A top-level call: it checks first whether another program changed the file.
    class TCall {
    public:
        explicit TCall(TVCLDB& Db) : FCall(Db) {}

    private:
        TVCLDB::TCall FCall;
    };
};

}  // namespace qm
