#include "dbfixture.h"

#include <SQLiteCpp/Database.h>

namespace qm {

int DbTest::Count(const std::string& Sql) {
    SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
    return db.execAndGet(Sql).getInt();
}

}  // namespace qm
