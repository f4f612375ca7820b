// The statements a unit load runs, prepared once per open database and reused by every load.
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "paths.h"

namespace qm {

struct TLoadStatements {
    explicit TLoadStatements(SQLite::Database& Db)
        // Paths compare as the file system compares them.
        : DuplicatePath(Db, PathsIgnoreCase ? "select 1 from UNITS where upper(Path) = ?"
                                            : "select 1 from UNITS where Path = ?"),
          UnitsByName(Db, "select * from UNITS where upper(Name) = ? order by ID"),
          ParsingQuery(Db, "select * from CLASSES where upper(Name) = ? order by ID"),
          InsertUnit(Db, "insert into UNITS(Name, Path, Dialect, Size, MTime, Hash) values(?, ?, ?, ?, ?, ?)"),
          InsertClass(Db, "insert into CLASSES(Name, UnitID, IntLN, AncestorID, FileID, Kind, Arity, QualifiedName, Flags) "
                          "values(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          InsertMember(Db, "insert into MV(ClassID, Name, Flags, IntLN, ImpLN, UnitID, IntFileID, ImpFileID, Params) "
                           "values(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          InsertFile(Db, "insert into FILES(UnitID, Path, Size, MTime, Hash) values(?, ?, ?, ?, ?)"),
          InsertRelation(Db, "insert into RELATIONS(ClassID, Kind, Position, TargetID, TargetName) values(?, ?, ?, ?, ?)"),
          ClassTraits(Db, "select Flags, Kind from CLASSES where ID = ?") {}

    SQLite::Statement DuplicatePath;
    SQLite::Statement UnitsByName;
    SQLite::Statement ParsingQuery;
    SQLite::Statement InsertUnit;
    SQLite::Statement InsertClass;
    SQLite::Statement InsertMember;
    SQLite::Statement InsertFile;
    SQLite::Statement InsertRelation;
    SQLite::Statement ClassTraits;
};

}  // namespace qm
