// TVCLDB: the class database. Units, classes and members in three SQLite tables; loading a
// unit through the parser; cached lookups by id and name; line context and identifier
// resolution; member listing; removal of units with their dependants; member search.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dbrows.h"
#include "events.h"
#include "readcontext.h"
#include "vcldberror.h"

namespace SQLite {
class Database;
}  // namespace SQLite

namespace qm {

class TUnitLoader;
class TUnitRefresher;
struct TRefreshRecord;
enum class TDialect;  // unitparser.h
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
    // Opens the database file and sets VCLLoaded. A missing or empty file becomes a new class
    // database (marked as ours); an existing file must be one of ours with the columns we read,
    // else EDatabaseError "%s is not a Quillmap class database" and nothing in it is changed.
    // A file that cannot be written (read-only file, folder or medium) opens for browsing:
    // reads work, writes fail with an EDatabaseError naming the file. So does a file made by a
    // newer version of the program, which is never written; OpenNotice then says so. An older
    // file of ours is brought up to date when it can be written.
    void OpenDatabase(const std::string& FileName);
    bool IsOpen() const;
    bool IsReadOnly() const { return FReadOnly; }
    // EDatabaseError when the file cannot be written: "FILE can only be read: why", or that a
    // newer version of the program made it. Every write (TBatch) begins with it; a command that
    // reads much before it writes (a tree load) asks first, so that it fails before any work.
    void CheckWritable();
    // True when another program committed to the database since the last call (never on the
    // first call after opening); asks PRAGMA data_version, and drops the cached answers when so.
    bool ChangedByOthers();
    // What the user should be told about the open file, or empty: that a newer version of the
    // program made it, or that an older file could not be brought up to date, and that it opened
    // for reading only.
    const std::string& OpenNotice() const { return FOpenNotice; }
    // Removes every row of the three tables and drops every cached answer.
    void EmptyDatabase();
    int UnitCount();

    // --- loading ------------------------------------------------------------------------------
    // Adds a unit file with its classes and members, all or nothing; returns its id. FileName is
    // a spelled name (on POSIX letter case is matched where it does not exist as spelled); the
    // unit's path is stored as the file was found. A file whose stored path is already there is
    // refused; on POSIX that comparison counts letter case, as the file system does.
    int LoadUnit(const std::string& FileName);
    // Reads the unit again from its file, in place (TUnitRefresher, refresh.h).
    TRefreshRecord RefreshUnit(int UnitID);

    // One write transaction around many loads (or removals): each unit still goes in whole or
    // not at all, but many units cost one commit. Nothing is stored until Commit: a batch that
    // ends without it (an error, EAbort from OnProgress) rolls back everything it wrote, and the
    // database is as it was before the batch. Commit raises EDatabaseError naming the database
    // when the engine cannot store the batch (disk full, read-only file...); then nothing of the
    // batch is stored. A batch takes the write lock when it begins (waiting up to 3 s for another
    // program that writes), so it cannot fail half-way for a lock.
    // Batches nest: an inner batch is a savepoint of the outer one, committed into it by its own
    // Commit and rolled back alone when it ends without one.
    class TBatch {
    public:
        explicit TBatch(TVCLDB& Db);
        ~TBatch();
        TBatch(const TBatch&) = delete;
        TBatch& operator=(const TBatch&) = delete;
        void Commit();

    private:
        void Rollback() noexcept;
        TVCLDB& FDb;
        int FLevel;  // 1 for the outermost batch
        bool FDone = false;
    };

    // --- lookups by id ------------------------------------------------------------------------
    void LocateClass(int ClassID);
    // Where a class is declared; where a member of a class (or of its own ancestors, as the
    // member lookups find it) is implemented, or declared when it has no implementation.
    TPlace ClassPlace(int ClassID);
    TPlace MemberPlace(int ClassID, const std::string& Name);
    // Whether the database holds the class or unit; ids of removed rows answer false.
    bool ClassExists(int ClassID);
    bool UnitExists(int UnitID);
    // The whole stored row of a class or unit (EVCLDBError for an unknown id).
    TClassRow ClassRecord(int ClassID) { return ClassRow(ClassID); }
    TUnitRow UnitRecord(int UnitID) { return UnitRow(UnitID); }
    std::string GetClassName(int ClassID);
    int GetClassUnitID(int ClassID);
    int GetClassLine(int ClassID);
    int GetAncestorID(int ClassID);

    void LocateUnit(int UnitID);
    std::string GetUnitName(int UnitID);
    std::string GetUnitPath(int UnitID);
    // ShortUnitName of the unit's path with the unit's name in place of the file's.
    std::string GetShortUnitName(int UnitID);
    // The path to ask the file system for the unit's file: its stored path, letter case counting
    // (on POSIX with "\" read as "/"). A file that has gone is missing there; no other file of a
    // similar name is taken instead. Only the paths of an older file that could not be brought up
    // to date (it is read-only) have their letter case matched, as they were stored as given.
    std::string GetUnitDiskPath(int UnitID);
    // The path of a place's file: the unit's (FileID 0) or the include file's, as it was found
    // when the unit loaded. PlaceDiskPath is what to ask the file system for (GetUnitDiskPath).
    // EVCLDBError dbeUnknownUnitID for an unknown file.
    std::string PlacePath(const TPlace& Place);
    std::string PlaceDiskPath(const TPlace& Place);

    // --- lookups by class id and member name (case-insensitive) ---------------------------------
    void LocateMember(int ClassID, const std::string& Name);
    std::string GetMemberName(int ClassID, const std::string& Name);
    int GetMemberFlags(int ClassID, const std::string& Name);
    int GetMemberIntLN(int ClassID, const std::string& Name);
    int GetMemberTargetLine(int ClassID, const std::string& Name);
    int GetMemberUnitID(int ClassID, const std::string& Name);
    // The nearest class from ClassID up its ancestors that declares Name; 0 when none.
    int FindMemberClass(int ClassID, const std::string& Name);
    // Every member of the name in the class (overloads in modern Object Pascal), in load order;
    // EVCLDBError dbeUnknownMember when there is none.
    std::vector<TMemberRow> MemberOverloads(int ClassID, const std::string& Name);

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
    // Word in upper case. INHERITED leads to the ancestor of the class around the line, OVERRIDE
    // to the member of the line's name in the nearest ancestor that has one (its implementation,
    // else its declaration); any other word to the class or member it names (see lineinfo.cpp).
    void ResolveIdentifier(const std::string& Word, int Line, TLineInfoRec& Info);

    // --- listings -------------------------------------------------------------------------------
    // Appends the members of the class and of every ancestor, level by level.
    void ListClassMembers(int ClassID, TMemberItems& Items, const TMemberFilter& Filter);
    // Sorted names without duplicates (compared ignoring case).
    void ListClassNames(std::vector<std::string>& Strings);
    void ListUnitNames(std::vector<std::string>& Strings);
    // Clears Strings, then one entry "unit.class.member" per class that declares Name.
    void SearchMembers(const std::string& Name, TStringItems& Strings);

    // --- looking down the tree (hierarchy.cpp) --------------------------------------------------
    // The class and every class that derives from it, directly or not, depth first with the
    // classes of each level sorted by name (ignoring case, then by id); none below MaxDepth when
    // MaxDepth >= 0. Empty when the class does not exist.
    void ListDescendants(int ClassID, TDescendants& Tree, int MaxDepth = -1);
    // The descendants of ClassID (not the class itself) that declare a member Name (ignoring
    // case), sorted by class name (ignoring case; same names in load order).
    void ListOverrides(int ClassID, const std::string& Name, TOverrides& Found);
    // The class's ancestors from the top one down (Depth 0, 1...), then the class and its
    // descendants as ListDescendants gives them, one level below its nearest ancestor.
    void ListHierarchy(int ClassID, TDescendants& Tree);

    // --- the VCL ----------------------------------------------------------------------------------
    // VCLSourcePath from Delphi's installation entry: its RootDir and "SOURCE"; empty when the
    // entry cannot be read.
    void ReadDelphiSourcePath();
    // Empties the database and loads the 49 VCL units from VCLSourcePath, all in one
    // transaction: the first error (EVCLDBError 9 for a missing unit file, a parse error, a
    // failed commit, EAbort from OnProgress) ends it and leaves the database exactly as it was.
    void InitializeVCL();
    // How many units the last InitializeVCL loaded before it ended. After a failure they are
    // rolled back with the rest, but a count above 0 tells that the source path was right: the
    // Initialize command asks this, not the row count, to choose between asking the user for
    // BUTTONS.PAS (0: the very first unit was missing) and the fatal message.
    int InitializeLoadedUnits = 0;

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
    // The file of CurrentUnitID that GetLineInfo's lines count in: 0 for the unit's own file,
    // else one of its include files (TPlace::FileID).
    int CurrentFileID = 0;

    // How LoadUnit reads units: the Delphi 2.0 rules (the default), or modern Object Pascal with
    // overloads and include files. InitializeVCL always reads the VCL with the Delphi 2.0 rules.
    TDialect Dialect{};
    // Loads read by Dialect (and the modern reading with Defines) while it lives, then by the
    // rules in force before.
    class TUseDialect {
    public:
        TUseDialect(TVCLDB& Db, TDialect Dialect, std::shared_ptr<const TDefineSet> Defines = nullptr)
            : FDb(Db), FSaved(Db.Dialect), FSavedDefines(std::move(Db.ReadContext.Defines)) {
            FDb.Dialect = Dialect;
            FDb.ReadContext.Defines = std::move(Defines);
        }
        ~TUseDialect() {
            FDb.Dialect = FSaved;
            FDb.ReadContext.Defines = std::move(FSavedDefines);
        }
        TUseDialect(const TUseDialect&) = delete;
        TUseDialect& operator=(const TUseDialect&) = delete;

    private:
        TVCLDB& FDb;
        TDialect FSaved;
        std::shared_ptr<const TDefineSet> FSavedDefines;
    };
    // Where the modern dialect's include files come from; the parser's own reader when empty.
    std::function<bool(const std::string& Path, std::string& FoundPath, std::string& Text)> IncludeReader;
    // The folders a load was given (a tree load sets them while it runs).
    TReadContext ReadContext;
    // Fired during loads. The handler may process pending window events; to stop the load it
    // raises EAbort (or any error): the unit, or the batch or initialization around it, is
    // rolled back and everything stored before stays.
    // The file of the load in progress, as given to LoadUnit; empty when no load runs.
    std::string LoadingFile;
    TEvent<TVCLDB&> OnProgress;
    // A message for the user (a member refused for a duplicate name); the load goes on.
    TEvent<TVCLDB&, const std::string&> OnMessage;

    // The cached lookups. Another program may change the database meanwhile: once per top-level
    // call of this class (a lookup, GetLineInfo, a listing...) PRAGMA data_version is asked, one
    // cheap step of a prepared statement, and every cached answer is dropped when another
    // connection committed. LookupRunCount tells how often a lookup's statement really ran.
    enum class TLookup {
        Classes, Units, Members, ClassesByLine, MembersByIntLN, MembersByImpLN, UnitsByName, ClassesByName
    };
    int LookupRunCount(TLookup Which) const;

private:
    friend class TUnitLoader;
    friend struct TDbAccess;  // dbaccess.h
    friend class TUnitRefresher;

    // Marks a top-level call: the outermost one checks the data version first.
    class TCall {
    public:
        explicit TCall(TVCLDB& Db);
        ~TCall() { --FDb.FCallDepth; }
        TCall(const TCall&) = delete;
        TCall& operator=(const TCall&) = delete;

    private:
        TVCLDB& FDb;
    };

public:
    // Questions asked together: the data version is looked at once, as the outermost burst (or
    // lookup) begins, instead of at each question.
    class TBurst {
    public:
        explicit TBurst(TVCLDB& Db) : FCall(Db) {}

    private:
        TCall FCall;
    };

private:
    void CheckDataVersion();
    // ResolveIdentifier's INHERITED and OVERRIDE, from the line context in Info.
    void ResolveKeyword(const std::string& Word, TLineInfoRec& Info);
    static void SetPlace(TLineInfoRec& Info, const TPlace& Place);
    void DeleteAllRows();
    // Every walk up an ancestor chain calls this at each class it reaches (Level 1 for StartID
    // itself): EVCLDBError dbeDamaged when the walk passes MaxAncestorDepth, which only a cycle
    // of ancestors in a damaged database reaches.
    void CheckAncestorLevel(int Level, int StartID);

    void VCLDBCreate(TSettingsStore* Settings, TDelphiInstallation* Installation);
    void VCLDBDestroy() noexcept;
    // The open connection; Connection is null when none is open, Database raises then.
    SQLite::Database* Connection() const;
    SQLite::Database& Database();
    TLoadStatements& LoadStatements();
    void CloseDatabase();
    void CloseLookups();
    const TClassRow& ClassRow(int ClassID);
    const TUnitRow& UnitRow(int UnitID);
    const TMemberRow& MemberRow(int ClassID, const std::string& Name);
    const TMemberRow* FindMemberRow(int ClassID, const std::string& Name);
    void DeleteUnits(const std::vector<std::pair<int, int>>& Ranges);
    void DeleteUnitRows(const std::vector<std::pair<int, int>>& Ranges);
    void UndoUnitRows(int UnitID) noexcept;

    struct TStore;  // the SQLite connection, statements and cached lookups (vcldbstore.h)
    std::unique_ptr<TStore> FStore;
    std::vector<int> FDependants;  // units found by the last CollectDependants
    bool FDependantsStale = false;  // another program changed the database since
    int FDataVersion = -1;
    int FOtherCommits = 0;      // versions seen that another connection made
    int FOtherCommitsTold = 0;  // as many as ChangedByOthers has reported
    int FCallDepth = 0;
    bool FReadOnly = false;
    bool FNewer = false;         // made by a newer version of the program: never written
    std::string FReadOnlyReason;  // why the file cannot be written
    bool FPathsAsGiven = false;  // see GetUnitDiskPath
    std::string FOpenNotice;
    int FBatchDepth = 0;
    std::string FBatchFailure;  // a unit could not be taken out again: the batch must roll back
    std::string FStoredSourcePath;  // VCLSourcePath as the settings gave it; written back only if changed
    TSettingsStore* FSettings = nullptr;
    TDelphiInstallation* FInstallation = nullptr;
};

}  // namespace qm
