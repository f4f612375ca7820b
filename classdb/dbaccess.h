// The one door through which the class database's own helper classes (TLibraryStore) reach
// TVCLDB's connection and row removal, without widening TVCLDB's public surface.
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
};

}  // namespace qm
