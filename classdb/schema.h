// The class database's tables and indexes. Every lookup the program makes has an index:
// names are compared upper-cased, paths as the file system compares them (exactly, or upper-cased
// on Windows), classes are read per unit in line order. A member's UnitID
// is always its class's, so a unit's members are reached through its classes: one index fewer
// to keep up while loading. FILES lists the include files of units (modern Object Pascal): a
// class or member declared in one keeps that file's id beside its line; 0 is the unit's own file.
// Overloads are members of one name told apart by their parameter types (Params).
// A unit keeps the stamp of the file it was read from (size, modification time, content hash),
// the dialect it was read in and a generation counted up at each re-reading; an include file
// keeps its own stamp. A type is known by its unit, qualified name (nested types under their outer
// types, generic parameters named) and generic arity; Name stays the bare name the user types.
// RELATIONS ties a type to the types its declaration names besides its ancestor (interfaces it
// implements, the type a helper helps, the type it is nested in), by id when that type is loaded
// and always by name. SEARCHPATH is the library path, PROJECTS the projects opened.
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
    Path TEXT NOT NULL,
    Size INTEGER NOT NULL DEFAULT 0,
    MTime INTEGER NOT NULL DEFAULT 0,
    Hash INTEGER NOT NULL DEFAULT 0,
    ProjectID INTEGER NOT NULL DEFAULT 0,
    Dialect INTEGER NOT NULL DEFAULT 0,
    Generation INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS CLASSES(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL,
    UnitID INTEGER NOT NULL,
    IntLN INTEGER NOT NULL,
    AncestorID INTEGER NOT NULL,
    FileID INTEGER NOT NULL DEFAULT 0,
    Kind INTEGER NOT NULL DEFAULT 0,
    Arity INTEGER NOT NULL DEFAULT 0,
    QualifiedName TEXT NOT NULL DEFAULT '',
    Flags INTEGER NOT NULL DEFAULT 0);
)sql" "CREATE TABLE IF NOT EXISTS MV" QM_MEMBER_COLUMNS R"sql(;
CREATE TABLE IF NOT EXISTS FILES(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    UnitID INTEGER NOT NULL,
    Path TEXT NOT NULL,
    Size INTEGER NOT NULL DEFAULT 0,
    MTime INTEGER NOT NULL DEFAULT 0,
    Hash INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS RELATIONS(
    ClassID INTEGER NOT NULL,
    Kind INTEGER NOT NULL,
    Position INTEGER NOT NULL,
    TargetID INTEGER NOT NULL DEFAULT 0,
    TargetName TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS PROJECTS(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL,
    Path TEXT NOT NULL,
    Target TEXT NOT NULL DEFAULT '',
    Defines TEXT NOT NULL DEFAULT '',
    Namespaces TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS SEARCHPATH(
    ProjectID INTEGER NOT NULL DEFAULT 0,
    Position INTEGER NOT NULL,
    Path TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS UnitsByName ON UNITS(upper(Name));
CREATE INDEX IF NOT EXISTS UnitsByPath ON UNITS(upper(Path));
CREATE INDEX IF NOT EXISTS UnitsByExactPath ON UNITS(Path);
CREATE INDEX IF NOT EXISTS ClassesByName ON CLASSES(upper(Name));
CREATE INDEX IF NOT EXISTS ClassesByUnitLine ON CLASSES(UnitID, IntLN);
CREATE INDEX IF NOT EXISTS ClassesByAncestor ON CLASSES(AncestorID);
CREATE INDEX IF NOT EXISTS MembersByName ON MV(upper(Name));
CREATE INDEX IF NOT EXISTS FilesByUnit ON FILES(UnitID);
CREATE INDEX IF NOT EXISTS FilesByPath ON FILES(Path);
CREATE INDEX IF NOT EXISTS ClassesByIdentity ON CLASSES(UnitID, upper(QualifiedName), Arity);
CREATE INDEX IF NOT EXISTS RelationsByClass ON RELATIONS(ClassID, Kind, Position);
CREATE INDEX IF NOT EXISTS RelationsByTarget ON RELATIONS(TargetID, Kind);
CREATE INDEX IF NOT EXISTS RelationsByTargetName ON RELATIONS(upper(TargetName), Kind);
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

// Version 4 from version 3: the stamps, the types' identities and the new tables (the schema
// above adds those). Every type of an older file is a class known by its name.
inline constexpr const char* ClassDatabaseUpgradeTo4 = R"sql(
ALTER TABLE UNITS ADD COLUMN Size INTEGER NOT NULL DEFAULT 0;
ALTER TABLE UNITS ADD COLUMN MTime INTEGER NOT NULL DEFAULT 0;
ALTER TABLE UNITS ADD COLUMN Hash INTEGER NOT NULL DEFAULT 0;
ALTER TABLE UNITS ADD COLUMN ProjectID INTEGER NOT NULL DEFAULT 0;
ALTER TABLE UNITS ADD COLUMN Dialect INTEGER NOT NULL DEFAULT 0;
ALTER TABLE UNITS ADD COLUMN Generation INTEGER NOT NULL DEFAULT 0;
ALTER TABLE CLASSES ADD COLUMN Kind INTEGER NOT NULL DEFAULT 0;
ALTER TABLE CLASSES ADD COLUMN Arity INTEGER NOT NULL DEFAULT 0;
ALTER TABLE CLASSES ADD COLUMN QualifiedName TEXT NOT NULL DEFAULT '';
ALTER TABLE CLASSES ADD COLUMN Flags INTEGER NOT NULL DEFAULT 0;
UPDATE CLASSES SET QualifiedName = Name;
ALTER TABLE FILES ADD COLUMN Size INTEGER NOT NULL DEFAULT 0;
ALTER TABLE FILES ADD COLUMN MTime INTEGER NOT NULL DEFAULT 0;
ALTER TABLE FILES ADD COLUMN Hash INTEGER NOT NULL DEFAULT 0;
)sql";

// An older file that cannot be written is read through views that give it the current columns,
// and empty tables for what it cannot hold. Files from before version 3 lack more.
inline constexpr const char* ClassDatabaseOlderViews = R"sql(
CREATE TEMP VIEW UNITS AS SELECT *, 0 AS Size, 0 AS MTime, 0 AS Hash, 0 AS ProjectID, 0 AS Dialect,
    0 AS Generation FROM main.UNITS;
CREATE TEMP TABLE RELATIONS(ClassID INTEGER NOT NULL, Kind INTEGER NOT NULL, Position INTEGER NOT NULL,
    TargetID INTEGER NOT NULL DEFAULT 0, TargetName TEXT NOT NULL);
CREATE TEMP TABLE PROJECTS(ID INTEGER PRIMARY KEY, Name TEXT NOT NULL, Path TEXT NOT NULL,
    Target TEXT NOT NULL DEFAULT '', Defines TEXT NOT NULL DEFAULT '', Namespaces TEXT NOT NULL DEFAULT '');
CREATE TEMP TABLE SEARCHPATH(ProjectID INTEGER NOT NULL DEFAULT 0, Position INTEGER NOT NULL, Path TEXT NOT NULL);
)sql";
inline constexpr const char* ClassDatabaseVersion3Views = R"sql(
CREATE TEMP VIEW CLASSES AS SELECT *, 0 AS Kind, 0 AS Arity, Name AS QualifiedName, 0 AS Flags FROM main.CLASSES;
CREATE TEMP VIEW FILES AS SELECT *, 0 AS Size, 0 AS MTime, 0 AS Hash FROM main.FILES;
)sql";
inline constexpr const char* ClassDatabaseVersion2Views = R"sql(
CREATE TEMP VIEW CLASSES AS SELECT *, 0 AS FileID, 0 AS Kind, 0 AS Arity, Name AS QualifiedName, 0 AS Flags FROM main.CLASSES;
CREATE TEMP VIEW MV AS SELECT ClassID, Name, Flags, IntLN, ImpLN, UnitID,
    0 AS IntFileID, 0 AS ImpFileID, '' AS Params, rowid AS rowid FROM main.MV;
CREATE TEMP TABLE FILES(ID INTEGER PRIMARY KEY, UnitID INTEGER NOT NULL, Path TEXT NOT NULL,
    Size INTEGER NOT NULL DEFAULT 0, MTime INTEGER NOT NULL DEFAULT 0, Hash INTEGER NOT NULL DEFAULT 0);
)sql";

}  // namespace qm
