// TUnitRefresher: finds the units whose files changed and reads each again in place. A re-read is
// a load of the new text beside the old rows (a unit of its own for a moment), whose rows are then
// moved onto the old unit: classes found again take the old ids, the rest of the old unit goes.
#include "refresh.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "asciitext.h"
#include "dbengine.h"
#include "format.h"
#include "paths.h"
#include "unitloader.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {
namespace {

// A class of another unit still derives from a class the new text no longer declares.
class EClassesStillNeeded : public EVCLDBError {
public:
    EClassesStillNeeded(std::string Message, std::vector<int> Units)
        : EVCLDBError(std::move(Message), dbeLoad), NeededBy(std::move(Units)) {}
    std::vector<int> NeededBy;
};

class EFileGone : public EVCLDBError {
public:
    explicit EFileGone(std::string Message) : EVCLDBError(std::move(Message), dbeUnitNotFound) {}
};

enum class TLook { Same, Touched, Changed };

// Size and time first; the bytes only when the size is the same and the time is not. Touched:
// the same bytes under a time worth storing (Now), so that the next look need not hash them.
TLook Look(const TFileStamp& Stored, TFileStamp& Now, const std::string& DiskPath) {
    if (Now.SameSizeAndTime(Stored) && Stored.Hash != 0) return TLook::Same;
    if (Now.Size != Stored.Size) return TLook::Changed;
    TFileStamp full;
    if (!StampOf(DiskPath, full) || full.Hash != Stored.Hash) return TLook::Changed;
    ForgetRecentTime(full);
    Now = full;
    return full.MTime == Stored.MTime ? TLook::Same : TLook::Touched;
}

TFileStamp StampColumns(SQLite::Statement& S, int First) {
    return {S.getColumn(First).getInt64(), S.getColumn(First + 1).getInt64(), S.getColumn(First + 2).getInt64()};
}

// The statements of one re-read, prepared at their first use.
class TStatements {
public:
    explicit TStatements(SQLite::Database& Db) : FDb(Db) {}
    void Exec(const char* Sql, std::initializer_list<int64_t> Values) {
        SQLite::Statement& s = Get(Sql);
        int n = 0;
        for (int64_t v : Values) s.bind(++n, v);
        s.exec();
    }
    SQLite::Statement& Query(const char* Sql, std::initializer_list<int64_t> Values) {
        SQLite::Statement& s = Get(Sql);
        int n = 0;
        for (int64_t v : Values) s.bind(++n, v);
        return s;
    }

private:
    SQLite::Statement& Get(const char* Sql) {
        auto& s = FStatements[Sql];
        if (!s) s = std::make_unique<SQLite::Statement>(FDb, Sql);
        s->reset();
        s->clearBindings();
        return *s;
    }
    SQLite::Database& FDb;
    std::map<const char*, std::unique_ptr<SQLite::Statement>> FStatements;
};

}  // namespace

struct TUnitRefresher::TCheck {
    int ID = 0;
    std::string Name, Path;
    TFileStamp Now;
    bool Stale = false, Touched = false;
    std::vector<std::pair<int, TFileStamp>> TouchedFiles;  // include files saved with the same text
};

int TRefreshReport::Count(TRefreshRecord::TKind Kind) const {
    return int(std::count_if(Records.begin(), Records.end(), [&](const TRefreshRecord& r) { return r.Kind == Kind; }));
}

std::string TRefreshReport::Summary() const {
    std::string text = Format("%d units checked: %d re-read", {Checked, Count(TRefreshRecord::Reread)});
    if (const int gone = Count(TRefreshRecord::Gone)) text += Format(", %d gone", {gone});
    if (const int failed = Count(TRefreshRecord::Failed)) text += Format(", %d failed", {failed});
    return text;
}

std::vector<int> TRefreshReport::Reread() const {
    std::vector<int> ids;
    for (const TRefreshRecord& r : Records)
        if (r.Kind == TRefreshRecord::Reread) ids.push_back(r.UnitID);
    return ids;
}

std::vector<TUnitRefresher::TCheck> TUnitRefresher::Check(const std::vector<int>& Units, int StillMs, TRefreshReport& Report) {
    // Written within StillMs (and not in times to come, as a clock set apart may give).
    auto recent = [&](const TFileStamp& Stamp) {
        const int64_t age = AgeOf(Stamp);
        return StillMs > 0 && age >= 0 && age < int64_t(StillMs) * 1000000;
    };
    const TPathMatch match = FDb.FPathsAsGiven ? TPathMatch::AnyCase : TPathMatch::Exact;
    const std::unordered_set<int> wanted(Units.begin(), Units.end());
    std::vector<TCheck> checks;
    Engine(FDb.Connection(), [&] {
        SQLite::Database& db = FDb.Database();
        struct TFile {
            int ID;
            std::string Path;
            TFileStamp Stored;
        };
        std::unordered_map<int, std::vector<TFile>> files;
        SQLite::Statement fileRows(db, "select ID, UnitID, Path, Size, MTime, Hash from FILES");
        while (fileRows.executeStep())
            files[fileRows.getColumn(1).getInt()].push_back(
                {fileRows.getColumn(0).getInt(), fileRows.getColumn(2).getString(), StampColumns(fileRows, 3)});
        SQLite::Statement units(db, "select ID, Name, Path, Size, MTime, Hash from UNITS order by ID");
        while (units.executeStep()) {
            TCheck c;
            c.ID = units.getColumn(0).getInt();
            if (!wanted.empty() && !wanted.count(c.ID)) continue;
            ++Report.Checked;
            c.Name = units.getColumn(1).getString();
            c.Path = units.getColumn(2).getString();
            const TFileStamp stored = StampColumns(units, 3);
            const std::string disk = ResolvePath(c.Path, match);
            if (!StatOf(disk, c.Now)) {
                // Gone, or no longer a file that can be read: the re-read tells which.
                c.Stale = true;
                checks.push_back(std::move(c));
                continue;
            }
            const TLook look = Look(stored, c.Now, disk);
            c.Stale = look == TLook::Changed;
            c.Touched = look == TLook::Touched;
            bool unsettled = c.Stale && recent(c.Now);
            for (const TFile& file : files[c.ID]) {
                if (c.Stale) break;
                const std::string fileDisk = ResolvePath(file.Path, match);
                TFileStamp now;
                if (!StatOf(fileDisk, now)) {
                    c.Stale = true;
                    break;
                }
                const TLook fileLook = Look(file.Stored, now, fileDisk);
                if (fileLook == TLook::Changed) {
                    c.Stale = true;
                    unsettled = recent(now);
                }
                if (fileLook == TLook::Touched) c.TouchedFiles.push_back({file.ID, now});
            }
            if (unsettled) {
                ++Report.Unsettled;
                continue;
            }
            if (c.Stale || c.Touched || !c.TouchedFiles.empty()) checks.push_back(std::move(c));
            else ++Report.Unchanged;
        }
    });
    return checks;
}

// Files saved again with the same bytes: their new times spare the next check the hashing.
void TUnitRefresher::StoreStamps(const std::vector<TCheck>& Checks) {
    if (std::none_of(Checks.begin(), Checks.end(), [](const TCheck& c) { return !c.Stale && (c.Touched || !c.TouchedFiles.empty()); }))
        return;
    TVCLDB::TBatch batch(FDb);
    Engine(FDb.Connection(), [&] {
        TStatements sql(FDb.Database());
        for (const TCheck& c : Checks) {
            if (c.Stale) continue;
            if (c.Touched) sql.Exec("update UNITS set Size = ?, MTime = ? where ID = ?", {c.Now.Size, c.Now.MTime, c.ID});
            for (const auto& [id, stamp] : c.TouchedFiles)
                sql.Exec("update FILES set Size = ?, MTime = ? where ID = ?", {stamp.Size, stamp.MTime, id});
        }
    });
    batch.Commit();
}

TRefreshReport TUnitRefresher::Refresh(const std::vector<int>& Units, int StillMs) {
    TVCLDB::TCall call(FDb);
    TRefreshReport report;
    const std::vector<TCheck> checks = Check(Units, StillMs, report);
    StoreStamps(checks);
    std::vector<const TCheck*> pending;
    for (const TCheck& c : checks)
        if (c.Stale) pending.push_back(&c);
    // Units that refuse for the sake of another unit of this refresh, or miss an ancestor that
    // another one brings, are tried again while the others make progress.
    std::map<int, TRefreshRecord> waiting;
    for (bool progress = true; progress && !pending.empty();) {
        progress = false;
        std::vector<const TCheck*> retry;
        for (const TCheck* c : pending) {
            TRefreshRecord record{TRefreshRecord::Reread, c->ID, c->Name, c->Path, {}};
            std::vector<int> neededBy;
            const bool mayWait = !Attempt(record, neededBy);
            const bool waits = mayWait && (neededBy.empty() || std::any_of(neededBy.begin(), neededBy.end(), [&](int unit) {
                return std::any_of(pending.begin(), pending.end(), [&](const TCheck* p) { return p->ID == unit; });
            }));
            if (waits) {
                retry.push_back(c);
                waiting[c->ID] = std::move(record);
                continue;
            }
            progress = progress || record.Kind == TRefreshRecord::Reread;
            report.Records.push_back(std::move(record));
        }
        pending = std::move(retry);
    }
    for (const TCheck* c : pending) report.Records.push_back(std::move(waiting[c->ID]));
    return report;
}

bool TUnitRefresher::Attempt(TRefreshRecord& Record, std::vector<int>& NeededBy) {
    auto fail = [&](TRefreshRecord::TKind Kind, std::string Reason) {
        Record.Kind = Kind;
        Record.Reason = std::move(Reason);
    };
    try {
        Reread(Record.UnitID);
        Record.Kind = TRefreshRecord::Reread;
    } catch (const EFileGone& e) {
        fail(TRefreshRecord::Gone, e.Message());
    } catch (const EClassesStillNeeded& e) {
        fail(TRefreshRecord::Failed, e.Message());
        NeededBy = e.NeededBy;
        return false;
    } catch (const EAncestorMissing& e) {
        fail(TRefreshRecord::Failed, e.Message());
        return false;
    } catch (const EDatabaseError&) {
        throw;
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& e) {
        fail(TRefreshRecord::Failed, e.Message());
    } catch (const std::bad_alloc&) {
        fail(TRefreshRecord::Failed, "not enough memory to read it");
    }
    return true;
}

TRefreshRecord TUnitRefresher::RefreshUnit(int UnitID) {
    TVCLDB::TCall call(FDb);
    const TUnitRow row = FDb.UnitRecord(UnitID);
    TRefreshRecord record{TRefreshRecord::Reread, UnitID, row.Name, row.Path, {}};
    std::vector<int> neededBy;
    Attempt(record, neededBy);
    return record;
}

std::vector<std::pair<int, std::string>> TUnitRefresher::FileFolders() {
    TVCLDB::TCall call(FDb);
    const TPathMatch match = FDb.FPathsAsGiven ? TPathMatch::AnyCase : TPathMatch::Exact;
    std::vector<std::pair<int, std::string>> folders;
    Engine(FDb.Connection(), [&] {
        SQLite::Statement s(FDb.Database(), "select ID, Path from UNITS union all select UnitID, Path from FILES");
        while (s.executeStep()) folders.emplace_back(s.getColumn(0).getInt(), FolderPart(ResolvePath(s.getColumn(1).getString(), match)));
    });
    return folders;
}

std::vector<std::string> TUnitRefresher::Folders() {
    std::vector<std::string> folders;
    for (auto& [unit, folder] : FileFolders()) folders.push_back(std::move(folder));
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    return folders;
}

std::vector<int> TUnitRefresher::UnitsIn(const std::vector<std::string>& Folders) {
    const std::unordered_set<std::string> wanted(Folders.begin(), Folders.end());
    std::vector<int> units;
    for (const auto& [unit, folder] : FileFolders())
        if (wanted.count(folder)) units.push_back(unit);
    std::sort(units.begin(), units.end());
    units.erase(std::unique(units.begin(), units.end()), units.end());
    return units;
}

bool TUnitRefresher::OthersWriting(const EDatabaseError& Error) { return (Error.HelpContext() & 0xff) == SQLITE_BUSY; }

long long TUnitRefresher::Rereads() {
    TVCLDB::TCall call(FDb);
    return Engine(FDb.Connection(), [&] { return FDb.Database().execAndGet("select total(Generation) from UNITS").getInt64(); });
}

TRefreshRecord TVCLDB::RefreshUnit(int UnitID) { return TUnitRefresher(*this).RefreshUnit(UnitID); }

void TUnitRefresher::Reread(int UnitID) {
    FDb.CloseLookups();
    const TUnitRow row = FDb.UnitRecord(UnitID);
    const TPathMatch match = FDb.FPathsAsGiven ? TPathMatch::AnyCase : TPathMatch::Exact;
    const std::string disk = ResolvePath(row.Path, match);
    std::error_code error;
    if (!std::filesystem::exists(disk, error))
        throw EFileGone(Format("The file %s does not exist", {row.Path}));
    TVCLDB::TUseDialect dialect(FDb, TDialect(row.Dialect), FDb.ReadContext.Defines);
    struct TLoading {
        std::string& File;
        ~TLoading() { File.clear(); }
    } loading{FDb.LoadingFile = row.Path};
    // Include files are found again where the unit found them when it was read (a load of a
    // whole tree may have found them in another of its folders), after the places a load looks.
    std::unordered_map<std::string, std::string> stored;  // upper-case file name -> file on disk
    Engine(FDb.Connection(), [&] {
        SQLite::Statement files(FDb.Database(), "select Path from FILES where UnitID = ? order by ID");
        files.bind(1, UnitID);
        while (files.executeStep()) {
            const std::string path = ResolvePath(files.getColumn(0).getString(), match);
            stored.try_emplace(UpperCase(FileNamePart(path)), path);
        }
    });
    TIncludeReader before = FDb.IncludeReader ? FDb.IncludeReader : TIncludeReader(ReadIncludeFile);
    struct TRestore {
        TVCLDB& Db;
        TIncludeReader Reader;
        ~TRestore() { Db.IncludeReader = std::move(Reader); }
    } restore{FDb, FDb.IncludeReader};
    FDb.IncludeReader = [&](const std::string& Path, std::string& Found, std::string& Text) {
        if (before(Path, Found, Text)) return true;
        const auto at = stored.find(UpperCase(FileNamePart(Path)));
        return at != stored.end() && ReadIncludeFile(at->second, Found, Text);
    };
    auto parse = [&] {
        auto loader = std::make_unique<TUnitLoader>(FDb, row.Path, disk);
        loader->Replaces = UnitID;
        Engine(FDb.Connection(), [&] { loader->Parse(); });
        return loader;
    };
    // The file is parsed before the write lock is taken: a long parse keeps no other program
    // waiting. What the parse looked up (ancestors of other units) holds unless another program
    // committed meanwhile; then the unit is looked at again and parsed again under the lock.
    FDb.CheckDataVersion();
    const int seen = FDb.FOtherCommits;
    std::unique_ptr<TUnitLoader> loader = parse();
    TVCLDB::TBatch batch(FDb);
    if (FDb.FOtherCommits != seen) {
        FDb.CloseLookups();
        if (!FDb.UnitExists(UnitID)) throw EVCLDBError("another program removed the unit meanwhile", dbeUnitNotFound);
        loader = parse();
    }
    Engine(FDb.Connection(), [&] { MoveOnto(loader->Write(), UnitID); });
    batch.Commit();
    FDb.CloseLookups();
}

void TUnitRefresher::MoveOnto(int NewUnit, int OldUnit) {
    TStatements sql(FDb.Database());
    // Classes by identity, the same identity twice taken in declaration order.
    auto identities = [&](int Unit) {
        std::vector<std::pair<std::string, int>> classes;
        SQLite::Statement& s = sql.Query("select upper(QualifiedName) || '/' || Arity, ID from CLASSES where UnitID = ? order by ID", {Unit});
        while (s.executeStep()) classes.emplace_back(s.getColumn(0).getString(), s.getColumn(1).getInt());
        return classes;
    };
    std::unordered_map<std::string, std::deque<int>> old;
    for (auto& [key, id] : identities(OldUnit)) old[key].push_back(id);
    std::vector<std::pair<int, int>> matched;  // new id, old id
    for (auto& [key, id] : identities(NewUnit)) {
        auto at = old.find(key);
        if (at == old.end() || at->second.empty()) continue;
        matched.emplace_back(id, at->second.front());
        at->second.pop_front();
    }
    std::vector<int> vanished;
    for (auto& [key, ids] : old) vanished.insert(vanished.end(), ids.begin(), ids.end());
    std::sort(vanished.begin(), vanished.end());

    // A class that goes must not leave classes of other units without their ancestor.
    std::string needed;
    std::vector<int> neededBy;
    for (int id : vanished) {
        std::string users;
        SQLite::Statement& s = sql.Query(
            "select D.Name, U.Name, D.UnitID from CLASSES D join UNITS U on U.ID = D.UnitID "
            "where D.AncestorID = ? and D.UnitID <> ? and D.UnitID <> ? order by D.ID",
            {id, OldUnit, NewUnit});
        while (s.executeStep()) {
            users += Format("%s%s (%s)", {users.empty() ? "" : ", ", s.getColumn(0).getString(), s.getColumn(1).getString()});
            neededBy.push_back(s.getColumn(2).getInt());
        }
        if (users.empty()) continue;
        const std::string name = FDb.ClassRecord(id).Name;
        needed += Format("%s%s, from which %s derive", {needed.empty() ? "" : "; ", name, users});
    }
    if (!needed.empty())
        throw EClassesStillNeeded(Format("it no longer declares %s", {needed}), neededBy);

    for (int id : vanished) {
        sql.Exec("delete from MV where ClassID = ?", {id});
        sql.Exec("delete from RELATIONS where ClassID = ?", {id});
        sql.Exec("update RELATIONS set TargetID = 0 where TargetID = ?", {id});
        sql.Exec("delete from CLASSES where ID = ?", {id});
    }
    for (auto [fresh, kept] : matched) {
        sql.Exec("delete from MV where ClassID = ?", {kept});
        sql.Exec("delete from RELATIONS where ClassID = ?", {kept});
        sql.Exec("delete from CLASSES where ID = ?", {kept});
        sql.Exec("update CLASSES set ID = ? where ID = ?", {kept, fresh});
        sql.Exec("update MV set ClassID = ? where ClassID = ?", {kept, fresh});
        sql.Exec("update CLASSES set AncestorID = ? where AncestorID = ?", {kept, fresh});
        sql.Exec("update RELATIONS set ClassID = ? where ClassID = ?", {kept, fresh});
        sql.Exec("update RELATIONS set TargetID = ? where TargetID = ?", {kept, fresh});
    }

    // Include files found again by path keep their ids, so places in them stay valid.
    std::unordered_map<std::string, std::deque<int>> oldFiles;
    {
        SQLite::Statement& s = sql.Query("select Path, ID from FILES where UnitID = ? order by ID", {OldUnit});
        while (s.executeStep()) oldFiles[s.getColumn(0).getString()].push_back(s.getColumn(1).getInt());
    }
    std::vector<std::pair<int, int>> files;  // new id, old id
    {
        SQLite::Statement& s = sql.Query("select Path, ID from FILES where UnitID = ? order by ID", {NewUnit});
        while (s.executeStep()) {
            auto at = oldFiles.find(s.getColumn(0).getString());
            if (at == oldFiles.end() || at->second.empty()) continue;
            files.emplace_back(s.getColumn(1).getInt(), at->second.front());
            at->second.pop_front();
        }
    }
    sql.Exec("delete from FILES where UnitID = ?", {OldUnit});
    for (auto [fresh, kept] : files) {
        sql.Exec("update FILES set ID = ? where ID = ?", {kept, fresh});
        sql.Exec("update CLASSES set FileID = ? where UnitID = ? and FileID = ?", {kept, NewUnit, fresh});
        sql.Exec("update MV set IntFileID = ? where IntFileID = ? and ClassID in (select ID from CLASSES where UnitID = ?)",
                 {kept, fresh, NewUnit});
        sql.Exec("update MV set ImpFileID = ? where ImpFileID = ? and ClassID in (select ID from CLASSES where UnitID = ?)",
                 {kept, fresh, NewUnit});
    }
    sql.Exec("update FILES set UnitID = ? where UnitID = ?", {OldUnit, NewUnit});
    sql.Exec("update MV set UnitID = ? where ClassID in (select ID from CLASSES where UnitID = ?)", {OldUnit, NewUnit});
    sql.Exec("update CLASSES set UnitID = ? where UnitID = ?", {OldUnit, NewUnit});
    sql.Exec("update UNITS set (Size, MTime, Hash, Dialect) = (select Size, MTime, Hash, Dialect from UNITS where ID = ?), "
             "Generation = Generation + 1 where ID = ?",
             {NewUnit, OldUnit});
    sql.Exec("delete from UNITS where ID = ?", {NewUnit});
}

}  // namespace qm
