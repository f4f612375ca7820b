// TVCLDB's lifecycle: the database file, its schema, emptying it.
//
// The original program kept its tables encrypted behind a session password; the SQLite file
// is not encrypted (it holds nothing but what the sources themselves say), so the password
// descrambling routine (descramble.h) has no caller here.
#include "vcldb1.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include "format.h"
#include "loadstatements.h"
#include "schema.h"

namespace qm {

TVCLDB::TVCLDB(TSettingsStore* Settings, TDelphiInstallation* Installation)
    : ClassesQuery("select * from CLASSES where ID = ?", TCachedQuery<TClassRow>::BindID, ReadClassRow),
      UnitsQuery("select * from UNITS where ID = ?", TCachedQuery<TUnitRow>::BindID, ReadUnitRow),
      MVQuery("select * from MV where ClassID = ? and upper(Name) = ? order by rowid",
              TCachedQuery<TMemberRow>::BindID | TCachedQuery<TMemberRow>::BindName, ReadMemberRow),
      ClassesLNQuery("select * from CLASSES where UnitID = ? order by IntLN desc, ID",
                     TCachedQuery<TClassRow>::BindID, ReadClassRow),
      IntLNQuery("select MV.* from CLASSES join MV on MV.ClassID = CLASSES.ID where CLASSES.UnitID = ? "
                 "order by MV.IntLN desc, MV.rowid",
                 TCachedQuery<TMemberRow>::BindID, ReadMemberRow),
      ImpLNQuery("select MV.* from CLASSES join MV on MV.ClassID = CLASSES.ID where CLASSES.UnitID = ? "
                 "order by MV.ImpLN desc, MV.rowid",
                 TCachedQuery<TMemberRow>::BindID, ReadMemberRow),
      UnitsNameQuery("select * from UNITS where upper(Name) = ? order by ID",
                     TCachedQuery<TUnitRow>::BindName, ReadUnitRow),
      ClassesNameQuery("select * from CLASSES where upper(Name) = ? order by ID",
                       TCachedQuery<TClassRow>::BindName, ReadClassRow) {
    VCLDBCreate(Settings, Installation);
}

TVCLDB::~TVCLDB() {
    VCLDBDestroy();
    CloseDatabase();
}

// Statements must be gone before their connection closes.
void TVCLDB::CloseDatabase() {
    AttachLookups(nullptr);
    FLoadStatements.reset();
    FDatabase.reset();
}

void TVCLDB::AttachLookups(SQLite::Database* Db) {
    for (auto* q : {&ClassesQuery, &ClassesLNQuery, &ClassesNameQuery}) q->Attach(Db);
    for (auto* q : {&UnitsQuery, &UnitsNameQuery}) q->Attach(Db);
    for (auto* q : {&MVQuery, &IntLNQuery, &ImpLNQuery}) q->Attach(Db);
}

SQLite::Database& TVCLDB::Database() {
    if (!FDatabase) DatabaseNotOpen();
    return *FDatabase;
}

TLoadStatements& TVCLDB::LoadStatements() {
    if (!FLoadStatements) FLoadStatements = std::make_unique<TLoadStatements>(Database());
    return *FLoadStatements;
}

void TVCLDB::OpenDatabase(const std::string& FileName) {
    CloseDatabase();
    try {
        auto db = std::make_unique<SQLite::Database>(
            FileName, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE | SQLite::OPEN_NOMUTEX, /*busy timeout ms*/ 3000);
        // Large pages suit a database that is read far more than written and loaded in bulk:
        // shallower trees, fewer page splits. Only a new file takes them.
        db->exec("PRAGMA page_size = 32768");
        // Write-ahead logging makes each unit's commit cheap; a read-only file keeps its mode.
        db->tryExec("PRAGMA journal_mode = WAL");
        db->exec("PRAGMA synchronous = NORMAL");
        // Enough cache for the indexes of a large library, so that loading does not re-read them.
        db->exec("PRAGMA cache_size = -65536");
        // Each unit's savepoint journals the pages it changes; keep that journal in memory.
        db->exec("PRAGMA temp_store = MEMORY");
        db->exec(ClassDatabaseSchema);
        VCLLoaded = db->execAndGet("select count(*) from UNITS").getInt() >= 49;
        FDatabase = std::move(db);
    } catch (const SQLite::Exception& e) {
        throw EDatabaseError(Format("Unable to open the class database %s: %s", {FileName, e.what()}));
    }
    AttachLookups(FDatabase.get());
}

TVCLDB::TBatch::TBatch(TVCLDB& Db) : FDb(Db) {
    if (FDb.FBatchDepth == 0) Engine([&] { FDb.Database().exec("BEGIN"); });
    ++FDb.FBatchDepth;
}

TVCLDB::TBatch::~TBatch() {
    if (--FDb.FBatchDepth > 0 || !FDb.FDatabase) return;
    SQLite::Database& db = *FDb.FDatabase;
    if (FDb.FBatchFailed || db.tryExec("COMMIT") != SQLITE_OK) db.tryExec("ROLLBACK");
    FDb.FBatchFailed = false;
}

int TVCLDB::UnitCount() {
    return Engine([&] { return Database().execAndGet("select count(*) from UNITS").getInt(); });
}

void TVCLDB::EmptyDatabase() {
    Engine([&] {
        SQLite::Transaction transaction(Database());
        Database().exec("delete from MV; delete from CLASSES; delete from UNITS;");
        transaction.commit();
    });
    CloseLookups();
    FDependants.clear();
}

// Cached answers are dropped whenever rows go away, so no lookup can answer from rows that
// no longer exist.
void TVCLDB::CloseLookups() {
    for (auto* q : {&ClassesQuery, &ClassesLNQuery, &ClassesNameQuery}) q->Close();
    for (auto* q : {&UnitsQuery, &UnitsNameQuery}) q->Close();
    for (auto* q : {&MVQuery, &IntLNQuery, &ImpLNQuery}) q->Close();
}

}  // namespace qm
