// The one door to a class database's connection for the classdb classes that are not TVCLDB
// (queries and writers of their own): private to classdb.
#pragma once

#include <SQLiteCpp/Database.h>

#include "vcldb1.h"

namespace qm {

class TDbAccess {
public:
    static SQLite::Database& Database(TVCLDB& Db) { return Db.Database(); }
    static SQLite::Database* Connection(const TVCLDB& Db) { return Db.Connection(); }
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
