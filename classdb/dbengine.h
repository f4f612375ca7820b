// The boundary to the SQLite engine: its failures become EDatabaseError, and rows are read
// by column position into the class database's row records.
#pragma once

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <string>

#include "asciitext.h"
#include "dbrows.h"
#include "vcldberror.h"

namespace qm {

// Runs F; an engine failure leaves as EDatabaseError with the engine's message.
template <class F>
auto Engine(F&& Action) {
    try {
        return Action();
    } catch (const SQLite::Exception& e) {
        throw EDatabaseError(e.what());
    }
}

[[noreturn]] inline void DatabaseNotOpen() { throw EDatabaseError("The class database is not open"); }

TUnitRow ReadUnitRow(SQLite::Statement& S);
TClassRow ReadClassRow(SQLite::Statement& S);
TMemberRow ReadMemberRow(SQLite::Statement& S);

}  // namespace qm
