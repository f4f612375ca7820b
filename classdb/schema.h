// The class database's tables and indexes. Every lookup the program makes has an index:
// names are compared upper-cased, paths as the file system compares them (exactly, or upper-cased
// on Windows), classes are read per unit in line order. A member's UnitID
// is always its class's, so a unit's members are reached through its classes: one index fewer
// to keep up while loading.
#pragma once

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
    AncestorID INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS MV(
    ClassID INTEGER NOT NULL,
    Name TEXT NOT NULL,
    Flags INTEGER NOT NULL,
    IntLN INTEGER NOT NULL,
    ImpLN INTEGER NOT NULL,
    UnitID INTEGER NOT NULL,
    UNIQUE(ClassID, Name));
CREATE INDEX IF NOT EXISTS UnitsByName ON UNITS(upper(Name));
CREATE INDEX IF NOT EXISTS UnitsByPath ON UNITS(upper(Path));
CREATE INDEX IF NOT EXISTS UnitsByExactPath ON UNITS(Path);
CREATE INDEX IF NOT EXISTS ClassesByName ON CLASSES(upper(Name));
CREATE INDEX IF NOT EXISTS ClassesByUnitLine ON CLASSES(UnitID, IntLN);
CREATE INDEX IF NOT EXISTS ClassesByAncestor ON CLASSES(AncestorID);
CREATE INDEX IF NOT EXISTS MembersByName ON MV(upper(Name));
)sql";

}  // namespace qm
