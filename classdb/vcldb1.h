// TVCLDB: the class database. Units, classes and members in three SQLite tables; loading a
// unit through the parser; cached lookups by id and name; line context and identifier
// resolution; member listing; removal of units with their dependants; member search.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cachedquery.h"
#include "dbrows.h"
#include "events.h"
#include "vcldberror.h"

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

namespace qm {

class TUnitLoader;
struct TLoadStatements;
class TSettingsStore;
class TDelphiInstallation;

// "..." and the path from its second-to-last separator on, without extension.
std::string ShortUnitName(const std::string& Path);

class TVCLDB {
public:
    // Settings and Installation may be null (no stored source path, no Delphi entry); when
    // given they must outlive the class database.
    explicit TVCLDB(TSettingsStore* Settings = nullptr, TDelphiInstallation* Installation = nullptr);
    ~TVCLDB();
    TVCLDB(const TVCLDB&) = delete;
    TVCLDB& operator=(const TVCLDB&) = delete;

    // --- the database file -----------------------------------------------------------------
    // Opens (creating it with its schema when new) the database file; sets VCLLoaded.
    void OpenDatabase(const std::string& FileName);
    bool IsOpen() const { return FDatabase != nullptr; }
    // Removes every row of the three tables and drops every cached answer.
    void EmptyDatabase();
    int UnitCount();

    // --- loading ------------------------------------------------------------------------------
    // Adds a unit file with its classes and members, all or nothing; returns its id.
    int LoadUnit(const std::string& FileName);

    // While a batch lives, loads are committed together when it ends (also when an error ends
    // it early): each unit still goes in whole or not at all, but many units cost one commit.
    // Batches nest; the outermost one commits.
    class TBatch {
    public:
        explicit TBatch(TVCLDB& Db);
        ~TBatch();
        TBatch(const TBatch&) = delete;
        TBatch& operator=(const TBatch&) = delete;

    private:
        TVCLDB& FDb;
    };

    // --- lookups by id ------------------------------------------------------------------------
    void LocateClass(int ClassID);
    std::string GetClassName(int ClassID);
    int GetClassUnitID(int ClassID);
    int GetClassLine(int ClassID);
    int GetAncestorID(int ClassID);

    void LocateUnit(int UnitID);
    std::string GetUnitName(int UnitID);
    std::string GetUnitPath(int UnitID);
    std::string GetShortUnitName(int UnitID);

    // --- lookups by class id and member name (case-insensitive) ---------------------------------
    void LocateMember(int ClassID, const std::string& Name);
    std::string GetMemberName(int ClassID, const std::string& Name);
    int GetMemberFlags(int ClassID, const std::string& Name);
    int GetMemberIntLN(int ClassID, const std::string& Name);
    int GetMemberTargetLine(int ClassID, const std::string& Name);
    int GetMemberUnitID(int ClassID, const std::string& Name);
    // The nearest class from ClassID up its ancestors that declares Name; 0 when none.
    int FindMemberClass(int ClassID, const std::string& Name);

    // --- lookups by name (case-insensitive; same-named rows in ascending id) --------------------
    int UnitCountByName(const std::string& Name);
    int UnitsIDByNameIndex(const std::string& Name, int Index);
    int ClassCountByName(const std::string& Name);
    int ClassesIDByNameIndex(const std::string& Name, int Index);

    // --- a unit's rows by line, highest line first ---------------------------------------------
    const std::vector<TClassRow>& OpenUnitClassesByLine(int UnitID);
    const std::vector<TMemberRow>& OpenUnitMembersByIntLN(int UnitID);
    const std::vector<TMemberRow>& OpenUnitMembersByImpLN(int UnitID);

    // --- line context and identifier resolution in the unit CurrentUnitID ----------------------
    void GetLineInfo(int Line, TLineInfoRec& Info);
    void ResolveIdentifier(const std::string& Word, int Line, TLineInfoRec& Info);

    // --- listings -------------------------------------------------------------------------------
    // Appends the members of the class and of every ancestor, level by level.
    void ListClassMembers(int ClassID, TMemberItems& Items, const TMemberFilter& Filter);
    // Sorted names without duplicates (compared ignoring case).
    void ListClassNames(std::vector<std::string>& Strings);
    void ListUnitNames(std::vector<std::string>& Strings);
    // Clears Strings, then one entry "unit.class.member" per class that declares Name.
    void SearchMembers(const std::string& Name, TStringItems& Strings);

    // --- the VCL ----------------------------------------------------------------------------------
    // VCLSourcePath from Delphi's installation entry: its RootDir and "SOURCE"; empty when the
    // entry cannot be read.
    void ReadDelphiSourcePath();
    // Empties the database and loads the 49 VCL units from VCLSourcePath; the first error ends
    // it and the units loaded before it stay.
    void InitializeVCL();

    // --- the VCL boundary and removal ------------------------------------------------------------
    int FirstNonVCLUnitID();
    void RemoveNonVCLUnits();
    void DeleteUnitRange(int FirstID, int LastID);
    void ListNonVCLUnits(TStringItems& Strings);
    void DropTempTables();
    // Adds the unit and every unit that derives a class from it, directly or not.
    void CollectDependants(int UnitID, TStringItems& Strings);
    // Deletes the units of the last CollectDependants with their classes and members.
    void DeleteDependants();

    // --- state ------------------------------------------------------------------------------------
    bool VCLLoaded = false;
    std::string VCLSourcePath;
    int CurrentUnitID = 0;
    TEvent<TVCLDB&> OnProgress;
    // A message for the user (a member refused for a duplicate name); the load goes on.
    TEvent<TVCLDB&, const std::string&> OnMessage;

    // The cached lookups; their RunCount tells how often each statement really ran.
    TCachedQuery<TClassRow> ClassesQuery;
    TCachedQuery<TUnitRow> UnitsQuery;
    TCachedQuery<TMemberRow> MVQuery;
    TCachedQuery<TClassRow> ClassesLNQuery;
    TCachedQuery<TMemberRow> IntLNQuery;
    TCachedQuery<TMemberRow> ImpLNQuery;
    TCachedQuery<TUnitRow> UnitsNameQuery;
    TCachedQuery<TClassRow> ClassesNameQuery;

private:
    friend class TUnitLoader;

    void VCLDBCreate(TSettingsStore* Settings, TDelphiInstallation* Installation);
    void VCLDBDestroy() noexcept;
    SQLite::Database& Database();
    TLoadStatements& LoadStatements();
    void CloseDatabase();
    void AttachLookups(SQLite::Database* Db);
    void CloseLookups();
    const TClassRow& ClassRow(int ClassID);
    const TUnitRow& UnitRow(int UnitID);
    const TMemberRow& MemberRow(int ClassID, const std::string& Name);
    const TMemberRow* FindMemberRow(int ClassID, const std::string& Name);
    void DeleteUnits(const std::vector<std::pair<int, int>>& Ranges);
    void DeleteUnitRows(const std::vector<std::pair<int, int>>& Ranges);
    void UndoUnitRows(int UnitID) noexcept;

    std::unique_ptr<SQLite::Database> FDatabase;
    std::unique_ptr<TLoadStatements> FLoadStatements;
    std::vector<int> FDependants;  // units found by the last CollectDependants
    int FBatchDepth = 0;
    bool FBatchFailed = false;  // a unit could not be taken out again: roll the batch back
    TSettingsStore* FSettings = nullptr;
    TDelphiInstallation* FInstallation = nullptr;
};

}  // namespace qm
