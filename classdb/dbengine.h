// The boundary to the SQLite engine: its failures become EDatabaseError, and rows are read
// by column position into the class database's row records.
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <string>

#include "asciitext.h"
#include "dbrows.h"
#include "vcldberror.h"

namespace qm {

// The file of the database's main schema, as a full path.
std::string DatabaseFileName(const SQLite::Database& Db);

// The engine's message with the database file it concerns: "FILE: database is locked".
std::string EngineMessage(const SQLite::Database* Db, const SQLite::Exception& E);

// Runs F on Db; an engine failure leaves as EDatabaseError naming the database file.
template <class F>
auto Engine(const SQLite::Database* Db, F&& Action) {
    try {
        return Action();
    } catch (const SQLite::Exception& e) {
        throw EDatabaseError(EngineMessage(Db, e), e.getErrorCode());
    }
}

[[noreturn]] inline void DatabaseNotOpen() { throw EDatabaseError("The class database is not open"); }

TUnitRow ReadUnitRow(SQLite::Statement& S);
TClassRow ReadClassRow(SQLite::Statement& S);
TMemberRow ReadMemberRow(SQLite::Statement& S);

}  // namespace qm
