// TVCLDB's lifecycle: the database file, its write transactions, emptying it, and the check
// that drops cached answers when another program has changed the file.
//
// The SQLite file is not encrypted (it holds nothing but what the sources themselves say), so
// the descrambling routine (descramble.h), which would build a password, has no caller here.
#include "vcldb1.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include "dbopen.h"
#include "format.h"
#include "schema.h"
#include "vcldbstore.h"

namespace qm {

TVCLDB::TStore::TStore()
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
                       TCachedQuery<TClassRow>::BindName, ReadClassRow) {}

const TCachedQueryBase& TVCLDB::TStore::Lookup(TLookup Which) const {
    switch (Which) {
    case TLookup::Classes: return ClassesQuery;
    case TLookup::Units: return UnitsQuery;
    case TLookup::Members: return MVQuery;
    case TLookup::ClassesByLine: return ClassesLNQuery;
    case TLookup::MembersByIntLN: return IntLNQuery;
    case TLookup::MembersByImpLN: return ImpLNQuery;
    case TLookup::UnitsByName: return UnitsNameQuery;
    case TLookup::ClassesByName: break;
    }
    return ClassesNameQuery;
}

std::array<TCachedQueryBase*, 8> TVCLDB::TStore::Lookups() {
    return {&ClassesQuery, &UnitsQuery,     &MVQuery,        &ClassesLNQuery,
            &IntLNQuery,   &ImpLNQuery,     &UnitsNameQuery, &ClassesNameQuery};
}

void TVCLDB::TStore::AttachLookups(SQLite::Database* Db) {
    for (TCachedQueryBase* q : Lookups()) q->Attach(Db);
}

void TVCLDB::TStore::CloseLookups() {
    for (TCachedQueryBase* q : Lookups()) q->Close();
}

TVCLDB::TVCLDB(TSettingsStore* Settings, TDelphiInstallation* Installation) : FStore(std::make_unique<TStore>()) {
    VCLDBCreate(Settings, Installation);
}

TVCLDB::~TVCLDB() {
    VCLDBDestroy();
    CloseDatabase();
}

int TVCLDB::LookupRunCount(TLookup Which) const { return FStore->Lookup(Which).RunCount(); }

bool TVCLDB::IsOpen() const { return FStore->Database != nullptr; }

SQLite::Database* TVCLDB::Connection() const { return FStore->Database.get(); }

// Statements must be gone before their connection closes.
void TVCLDB::CloseDatabase() {
    FStore->AttachLookups(nullptr);
    FStore->LoadStatements.reset();
    FStore->DataVersionQuery.reset();
    FDataVersion = -1;
    FReadOnly = FNewer = FPathsAsGiven = false;
    FReadOnlyReason.clear();
    FOpenNotice.clear();
    FStore->Database.reset();
}

SQLite::Database& TVCLDB::Database() {
    if (!FStore->Database) DatabaseNotOpen();
    return *FStore->Database;
}

TLoadStatements& TVCLDB::LoadStatements() {
    if (!FStore->LoadStatements) FStore->LoadStatements = std::make_unique<TLoadStatements>(Database());
    return *FStore->LoadStatements;
}

void TVCLDB::OpenDatabase(const std::string& FileName) {
    CloseDatabase();
    TOpenedDatabase opened = OpenClassDatabase(FileName);
    SQLite::Database& db = *opened.Db;
    VCLLoaded = Engine(&db, [&] { return db.execAndGet("select count(*) from UNITS").getInt() >= 49; });
    FStore->Database = std::move(opened.Db);
    FReadOnly = opened.ReadOnly;
    FNewer = opened.Newer;
    FPathsAsGiven = opened.PathsAsGiven;
    FReadOnlyReason = opened.ReadOnlyReason;
    if (FNewer)
        FOpenNotice = Format("%s was made by a newer version of Quillmap 2 and is opened for reading only",
                             {DatabaseFileName(db)});
    else if (opened.NotUpgraded)
        FOpenNotice = Format("%s is opened for reading only: %s", {DatabaseFileName(db), FReadOnlyReason});
    FStore->AttachLookups(&db);
}

TVCLDB::TCall::TCall(TVCLDB& Db) : FDb(Db) {
    if (FDb.FCallDepth == 0) FDb.CheckDataVersion();
    ++FDb.FCallDepth;
}

// data_version changes when another connection commits; this connection's own commits leave it.
void TVCLDB::CheckDataVersion() {
    SQLite::Database* db = Connection();
    if (!db) return;
    const int version = Engine(db, [&] {
        auto& query = FStore->DataVersionQuery;
        if (!query) query = std::make_unique<SQLite::Statement>(*db, "PRAGMA data_version");
        query->reset();
        query->executeStep();
        const int v = query->getColumn(0).getInt();
        query->reset();
        return v;
    });
    if (version == FDataVersion) return;
    if (FDataVersion != -1) {
        ++FOtherCommits;
        CloseLookups();
        // The units collected for removal may have gained dependants meanwhile.
        if (!FDependants.empty()) FDependantsStale = true;
        FDependants.clear();
    }
    FDataVersion = version;
}

bool TVCLDB::ChangedByOthers() {
    if (FCallDepth == 0) CheckDataVersion();
    const bool Changed = FOtherCommits != FOtherCommitsTold;
    FOtherCommitsTold = FOtherCommits;
    return Changed;
}

void TVCLDB::CheckWritable() {
    SQLite::Database& db = Database();
    if (FNewer)
        throw EDatabaseError(Format("%s was made by a newer version of Quillmap 2 and cannot be changed by this version",
                                    {DatabaseFileName(db)}));
    if (FReadOnly)
        throw EDatabaseError(Format("%s can only be read: %s",
                                    {DatabaseFileName(db), FReadOnlyReason.empty() ? "it opened for reading only" : FReadOnlyReason}));
}

TVCLDB::TBatch::TBatch(TVCLDB& Db) : FDb(Db), FLevel(Db.FBatchDepth + 1) {
    SQLite::Database& db = FDb.Database();
    // Every write runs in a batch: this is where a file that can only be read is refused.
    FDb.CheckWritable();
    // IMMEDIATE takes the write lock now, waiting for another writer under the busy timeout; a
    // deferred transaction that read first could not wait when it later needs to write.
    Engine(&db, [&] { db.exec(FLevel == 1 ? std::string("BEGIN IMMEDIATE") : Format("SAVEPOINT batch%d", {FLevel})); });
    ++FDb.FBatchDepth;
    if (FLevel == 1) {
        FDb.FBatchFailure.clear();
        FDb.CheckDataVersion();
    }
}

TVCLDB::TBatch::~TBatch() {
    if (!FDone) Rollback();
}

void TVCLDB::TBatch::Rollback() noexcept {
    FDone = true;
    --FDb.FBatchDepth;
    if (!FDb.Connection()) return;
    SQLite::Database& db = *FDb.Connection();
    if (FLevel == 1) {
        db.tryExec("ROLLBACK");
        FDb.FBatchFailure.clear();
    } else {
        db.tryExec(Format("ROLLBACK TO batch%d", {FLevel}));
        db.tryExec(Format("RELEASE batch%d", {FLevel}));
    }
    // Answers read inside the batch may name rows that are gone now.
    FDb.CloseLookups();
}

void TVCLDB::TBatch::Commit() {
    if (FDone) return;
    SQLite::Database& db = FDb.Database();
    if (FLevel > 1) {
        Engine(&db, [&] { db.exec(Format("RELEASE batch%d", {FLevel})); });
        FDone = true;
        --FDb.FBatchDepth;
        return;
    }
    if (!FDb.FBatchFailure.empty()) {
        const std::string failure = FDb.FBatchFailure;
        Rollback();
        throw EDatabaseError(Format("%s: %s; nothing was stored", {DatabaseFileName(db), failure}));
    }
    try {
        db.exec("COMMIT");
    } catch (const SQLite::Exception& e) {
        // A commit that fails for a full disk or an error of the medium is not retried: the
        // batch is rolled back whole and the caller learns why.
        Rollback();
        throw EDatabaseError(EngineMessage(&db, e), e.getErrorCode());
    }
    FDone = true;
    --FDb.FBatchDepth;
}

int TVCLDB::UnitCount() {
    TCall call(*this);
    return Engine(Connection(), [&] { return Database().execAndGet("select count(*) from UNITS").getInt(); });
}

void TVCLDB::EmptyDatabase() {
    TCall call(*this);
    TBatch batch(*this);
    DeleteAllRows();
    batch.Commit();
}

void TVCLDB::DeleteAllRows() {
    Engine(Connection(), [&] { Database().exec("delete from MV; delete from RELATIONS; delete from CLASSES; delete from UNITS; delete from FILES;"); });
    CloseLookups();
    FDependants.clear();
}

// Cached answers are dropped whenever rows go away, so no lookup can answer from rows that
// no longer exist.
void TVCLDB::CloseLookups() { FStore->CloseLookups(); }

}  // namespace qm
