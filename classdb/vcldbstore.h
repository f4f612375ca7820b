// The SQLite side of TVCLDB: the connection, the load statements, the data-version question and
// the cached lookups. Only the class database's own files include this header; the rest of the
// program sees TVCLDB without any SQLite type.
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <array>
#include <memory>

#include "cachedquery.h"
#include "loadstatements.h"
#include "vcldb1.h"

namespace qm {

struct TVCLDB::TStore {
    TStore();

    // Points the lookups at Db (or at nothing), dropping their statements and answers.
    void AttachLookups(SQLite::Database* Db);
    // Drops every cached answer; the statements stay prepared.
    void CloseLookups();
    const TCachedQueryBase& Lookup(TLookup Which) const;
    std::array<TCachedQueryBase*, 8> Lookups();

    std::unique_ptr<SQLite::Database> Database;
    std::unique_ptr<TLoadStatements> LoadStatements;
    std::unique_ptr<SQLite::Statement> DataVersionQuery;

    TCachedQuery<TClassRow> ClassesQuery;
    TCachedQuery<TUnitRow> UnitsQuery;
    TCachedQuery<TMemberRow> MVQuery;
    TCachedQuery<TClassRow> ClassesLNQuery;
    TCachedQuery<TMemberRow> IntLNQuery;
    TCachedQuery<TMemberRow> ImpLNQuery;
    TCachedQuery<TUnitRow> UnitsNameQuery;
    TCachedQuery<TClassRow> ClassesNameQuery;
};

}  // namespace qm
