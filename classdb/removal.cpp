// The VCL/non-VCL boundary and the removal of units: a unit goes together with every unit that
// derives a class from it, directly or through other units, and a removal is one transaction.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "format.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {

int TVCLDB::FirstNonVCLUnitID() {
    return Engine(Connection(), [&] {
        SQLite::Statement first(Database(),
                                "select ID from UNITS where ID > (select min(ID) from UNITS "
                                "where upper(Name) = 'REPORT') order by ID limit 1");
        return first.executeStep() ? first.getColumn(0).getInt() : NoImpLN;
    });
}

void TVCLDB::RemoveNonVCLUnits() {
    const int first = FirstNonVCLUnitID();
    if (first == NoImpLN) return;
    const int last = Engine(Connection(), [&] { return Database().execAndGet("select max(ID) from UNITS").getInt(); });
    DeleteUnitRange(first, last);
}

void TVCLDB::DeleteUnitRange(int FirstID, int LastID) {
    DeleteUnits({{FirstID, LastID}});
}

void TVCLDB::ListNonVCLUnits(TStringItems& Strings) {
    const int first = FirstNonVCLUnitID();
    if (first == NoImpLN) return;
    Engine(Connection(), [&] {
        SQLite::Statement units(Database(), "select ID, Path from UNITS where ID >= ? order by ID");
        units.bind(1, first);
        while (units.executeStep()) Strings.push_back({units.getColumn(1).getString(), units.getColumn(0).getInt()});
    });
}

void TVCLDB::DropTempTables() {
    FDependants.clear();
    FDependantsStale = false;
}

// Every class of every unit already in the set counts, not only the descendants followed so
// far: a unit that goes takes all its classes with it, and a class of another unit derived
// from any of them would otherwise be left with a missing ancestor.
void TVCLDB::CollectDependants(int UnitID, TStringItems& Strings) {
    TCall call(*this);
    DropTempTables();
    Engine(Connection(), [&] {
        SQLite::Statement closure(Database(), R"sql(
            with recursive Dependants(ID) as (
                select ID from UNITS where ID = ?
                union
                select Derived.UnitID
                from Dependants
                join CLASSES Base on Base.UnitID = Dependants.ID
                join CLASSES Derived on Derived.AncestorID = Base.ID)
            select ID from Dependants order by ID)sql");
        closure.bind(1, UnitID);
        while (closure.executeStep()) FDependants.push_back(closure.getColumn(0).getInt());
    });
    for (int unit : FDependants) Strings.push_back({GetUnitPath(unit), unit});
}

void TVCLDB::DeleteDependants() {
    TBatch batch(*this);  // another program's changes show from here on
    if (FDependantsStale)
        throw EVCLDBError(Format("%s was changed by another program after the units to remove were listed; "
                                 "nothing was removed",
                                 {DatabaseFileName(Database())}),
                          dbeLoad);
    std::vector<std::pair<int, int>> units;
    for (int unit : FDependants) units.emplace_back(unit, unit);
    Engine(Connection(), [&] { DeleteUnitRows(units); });
    batch.Commit();
    CloseLookups();
    FDependants.clear();
}

// Deletes the units whose ids lie in the ranges, with their classes and members, all in one
// transaction.
void TVCLDB::DeleteUnits(const std::vector<std::pair<int, int>>& Ranges) {
    TBatch batch(*this);
    Engine(Connection(), [&] { DeleteUnitRows(Ranges); });
    batch.Commit();
    CloseLookups();
}

void TVCLDB::DeleteUnitRows(const std::vector<std::pair<int, int>>& Ranges) {
    SQLite::Statement members(Database(), "delete from MV where ClassID in "
                                          "(select ID from CLASSES where UnitID between ? and ?)");
    SQLite::Statement relations(Database(), "delete from RELATIONS where ClassID in "
                                            "(select ID from CLASSES where UnitID between ? and ?)");
    // Types of other units keep naming a type that goes; they no longer reach it by id.
    SQLite::Statement targets(Database(), "update RELATIONS set TargetID = 0 where TargetID in "
                                          "(select ID from CLASSES where UnitID between ? and ?)");
    SQLite::Statement classes(Database(), "delete from CLASSES where UnitID between ? and ?");
    SQLite::Statement units(Database(), "delete from UNITS where ID between ? and ?");
    SQLite::Statement files(Database(), "delete from FILES where UnitID between ? and ?");
    for (auto [first, last] : Ranges) {
        for (SQLite::Statement* remove : {&members, &relations, &targets, &classes, &units, &files}) {
            remove->reset();
            remove->bind(1, first);
            remove->bind(2, last);
            remove->exec();
        }
    }
}

// Takes a unit that failed half-written out of the open batch; if the engine cannot even do
// that, the batch will roll back rather than commit a partial unit.
void TVCLDB::UndoUnitRows(int UnitID) noexcept {
    try {
        DeleteUnitRows({{UnitID, UnitID}});
    } catch (const std::exception& e) {
        FBatchFailure = e.what();
    } catch (...) {
        FBatchFailure = "a unit could not be taken out again";
    }
}

}  // namespace qm
