// Opening a class database file: a new file gets our schema and mark, an existing one must be
// ours; a file that cannot be written, or that a newer version of the program made, opens
// read-only.
#pragma once

#include <memory>
#include <string>

namespace SQLite {
class Database;
}

namespace qm {

// "Qm02" in PRAGMA application_id, and the schema's version in PRAGMA user_version:
// 1 each unit's path as given to its load; 2 each unit's path as its file was found on disk;
// 3 include files (FILES and the file of each line) and overloads (MV's Params); 4 the files'
// stamps, kinds and identities of types, relations between types, the library path and projects.
inline constexpr int ClassDatabaseApplicationID = 0x516D3032;
inline constexpr int ClassDatabaseSchemaVersion = 4;

struct TOpenedDatabase {
    std::unique_ptr<SQLite::Database> Db;
    bool ReadOnly = false;  // writes are impossible: the file, its folder or its medium refuse them
    bool Newer = false;     // a newer version of the program made it: opened read-only, never written
    // An older file that could not be brought up to date (a full disk, a lock held too long):
    // opened read-only and read as it is.
    bool NotUpgraded = false;
    std::string ReadOnlyReason;  // why writes are impossible, when ReadOnly
    // The units' paths are as given to their loads (an older file that could not be brought up
    // to date because it cannot be written): their letter case may differ from the files'.
    bool PathsAsGiven = false;
    // Such a file's version (0 for a current one): temporary views give its tables today's columns.
    int OlderVersion = 0;
};

// Opens FileName. An older file of ours that can be written is brought up to the current version
// first; when that fails, it is read as it is. Raises EDatabaseError naming the file when it cannot be opened or is not a class
// database; such a file is left unchanged.
TOpenedDatabase OpenClassDatabase(const std::string& FileName);

}  // namespace qm
