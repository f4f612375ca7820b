#include "dbengine.h"

#include <SQLiteCpp/Column.h>
#include <sqlite3.h>

namespace qm {

namespace {

std::string Text(SQLite::Statement& S, int Column) {
    SQLite::Column c = S.getColumn(Column);
    return std::string(static_cast<const char*>(c.getBlob()), size_t(c.getBytes()));
}

}  // namespace

std::string DatabaseFileName(const SQLite::Database& Db) {
    const char* name = sqlite3_db_filename(Db.getHandle(), "main");
    return name && *name ? name : Db.getFilename();
}

std::string EngineMessage(const SQLite::Database* Db, const SQLite::Exception& E) {
    if (!Db) return E.what();
    return DatabaseFileName(*Db) + ": " + E.what();
}

TUnitRow ReadUnitRow(SQLite::Statement& S) {
    return {S.getColumn(0).getInt(),   Text(S, 1),
            Text(S, 2),                S.getColumn(3).getInt64(),
            S.getColumn(4).getInt64(), S.getColumn(5).getInt64(),
            S.getColumn(6).getInt(),   S.getColumn(7).getInt(),
            S.getColumn(8).getInt()};
}

TClassRow ReadClassRow(SQLite::Statement& S) {
    return {S.getColumn(0).getInt(), Text(S, 1), S.getColumn(2).getInt(), S.getColumn(3).getInt(),
            S.getColumn(4).getInt(), S.getColumn(5).getInt(), S.getColumn(6).getInt(), S.getColumn(7).getInt(),
            Text(S, 8),              S.getColumn(9).getInt()};
}

TMemberRow ReadMemberRow(SQLite::Statement& S) {
    return {S.getColumn(0).getInt(), Text(S, 1),           S.getColumn(2).getInt(),
            S.getColumn(3).getInt(), S.getColumn(4).getInt(), S.getColumn(5).getInt(),
            S.getColumn(6).getInt(), S.getColumn(7).getInt(), Text(S, 8)};
}

}  // namespace qm
