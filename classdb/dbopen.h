// Opening a class database file: a new file gets our schema and mark, an existing one must be
// ours; a file that cannot be written opens read-only.
#pragma once

#include <memory>
#include <string>

namespace SQLite {
class Database;
}

namespace qm {

// "Qm02" in PRAGMA application_id, and the schema's version in PRAGMA user_version.
inline constexpr int ClassDatabaseApplicationID = 0x516D3032;
inline constexpr int ClassDatabaseSchemaVersion = 1;

// Opens FileName; ReadOnly tells whether writes are possible. Raises EDatabaseError naming the
// file when it cannot be opened or is not a class database; such a file is left unchanged.
std::unique_ptr<SQLite::Database> OpenClassDatabase(const std::string& FileName, bool& ReadOnly);

}  // namespace qm
