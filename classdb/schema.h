// The class database's tables and indexes. Every lookup the program makes has an index:
// names are compared upper-cased, paths as the file system compares them (exactly, or upper-cased
// on Windows), classes are read per unit in line order. A member's UnitID
// is always its class's, so a unit's members are reached through its classes: one index fewer
// to keep up while loading. FILES lists the include files of units (modern Object Pascal): a
// class or member declared in one keeps that file's id beside its line; 0 is the unit's own file.
// Overloads are members of one name told apart by their parameter types (Params).
#pragma once

// The members' table, as created and as rebuilt by the upgrade.
#define QM_MEMBER_COLUMNS                                                                              \
    "(ClassID INTEGER NOT NULL, Name TEXT NOT NULL, Flags INTEGER NOT NULL, IntLN INTEGER NOT NULL, " \
    "ImpLN INTEGER NOT NULL, UnitID INTEGER NOT NULL, IntFileID INTEGER NOT NULL DEFAULT 0, "          \
    "ImpFileID INTEGER NOT NULL DEFAULT 0, Params TEXT NOT NULL DEFAULT '', UNIQUE(ClassID, Name, Params))"

namespace qm {

inline constexpr const char* ClassDatabaseSchema = R"sql(
CREATE TABLE IF NOT EXISTS UNITS(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL,
    Path TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS CLASSES(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL,
    UnitID INTEGER NOT NULL,
    IntLN INTEGER NOT NULL,
    AncestorID INTEGER NOT NULL,
    FileID INTEGER NOT NULL DEFAULT 0);
)sql" "CREATE TABLE IF NOT EXISTS MV" QM_MEMBER_COLUMNS R"sql(;
CREATE TABLE IF NOT EXISTS FILES(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    UnitID INTEGER NOT NULL,
    Path TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS UnitsByName ON UNITS(upper(Name));
CREATE INDEX IF NOT EXISTS UnitsByPath ON UNITS(upper(Path));
CREATE INDEX IF NOT EXISTS UnitsByExactPath ON UNITS(Path);
CREATE INDEX IF NOT EXISTS ClassesByName ON CLASSES(upper(Name));
CREATE INDEX IF NOT EXISTS ClassesByUnitLine ON CLASSES(UnitID, IntLN);
CREATE INDEX IF NOT EXISTS ClassesByAncestor ON CLASSES(AncestorID);
CREATE INDEX IF NOT EXISTS MembersByName ON MV(upper(Name));
CREATE INDEX IF NOT EXISTS FilesByUnit ON FILES(UnitID);
)sql";

// Version 3 from an older file: the new columns (CLASSES gets its own by ALTER TABLE; MV is
// rebuilt, its unique key takes Params in) before the schema above adds FILES and the indexes.
inline constexpr const char* ClassDatabaseUpgradeTo3 = R"sql(
ALTER TABLE CLASSES ADD COLUMN FileID INTEGER NOT NULL DEFAULT 0;
)sql" "CREATE TABLE MV3" QM_MEMBER_COLUMNS R"sql(;
INSERT INTO MV3(rowid, ClassID, Name, Flags, IntLN, ImpLN, UnitID)
    SELECT rowid, ClassID, Name, Flags, IntLN, ImpLN, UnitID FROM MV;
DROP TABLE MV;
ALTER TABLE MV3 RENAME TO MV;
)sql";

// An older file that cannot be written is read through views that give it the current columns.
inline constexpr const char* ClassDatabaseOlderViews = R"sql(
CREATE TEMP VIEW CLASSES AS SELECT *, 0 AS FileID FROM main.CLASSES;
CREATE TEMP VIEW MV AS SELECT ClassID, Name, Flags, IntLN, ImpLN, UnitID,
    0 AS IntFileID, 0 AS ImpFileID, '' AS Params, rowid AS rowid FROM main.MV;
CREATE TEMP TABLE FILES(ID INTEGER PRIMARY KEY, UnitID INTEGER NOT NULL, Path TEXT NOT NULL);
)sql";

}  // namespace qm
