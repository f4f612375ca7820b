// A class database is marked with our application id and schema version. Only a new, empty file
// is given the schema; an existing file is checked table by table and column by column (rows are
// read by column position) and refused, untouched, when it is anything else. Files made before
// the mark existed are recognised by their tables; they and files of an older version are brought
// up to date when they can be written. A file of a newer version is only ever read.
#include "dbopen.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <set>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "dbengine.h"
#include "format.h"
#include "paths.h"
#include "schema.h"
#include "vcldberror.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

constexpr int BusyTimeoutMs = 3000;

struct TTableColumns {
    const char* Table;
    std::vector<std::string> Columns;
};

// Version 3 added the include files and the overloads' parameters; version 4 the stamps, the
// types' identities and the tables of relations, projects and the library path.
constexpr int FirstVersionWithFiles = 3;
constexpr int FirstVersionWithStamps = 4;

// The tables of a file of the given version (version 3, or one from before it).
const std::vector<TTableColumns>& ExpectedTables(int Version = ClassDatabaseSchemaVersion) {
    static const std::vector<TTableColumns> tables = {
        {"UNITS", {"ID", "Name", "Path", "Size", "MTime", "Hash", "ProjectID", "Dialect", "Generation"}},
        {"CLASSES", {"ID", "Name", "UnitID", "IntLN", "AncestorID", "FileID", "Kind", "Arity", "QualifiedName", "Flags"}},
        {"MV", {"ClassID", "Name", "Flags", "IntLN", "ImpLN", "UnitID", "IntFileID", "ImpFileID", "Params"}},
        {"FILES", {"ID", "UnitID", "Path", "Size", "MTime", "Hash"}},
        {"RELATIONS", {"ClassID", "Kind", "Position", "TargetID", "TargetName"}},
        {"PROJECTS", {"ID", "Name", "Path", "Target", "Defines", "Namespaces"}},
        {"SEARCHPATH", {"ProjectID", "Position", "Path"}},
    };
    static const std::vector<TTableColumns> version3 = {
        {"UNITS", {"ID", "Name", "Path"}},
        {"CLASSES", {"ID", "Name", "UnitID", "IntLN", "AncestorID", "FileID"}},
        {"MV", {"ClassID", "Name", "Flags", "IntLN", "ImpLN", "UnitID", "IntFileID", "ImpFileID", "Params"}},
        {"FILES", {"ID", "UnitID", "Path"}},
    };
    static const std::vector<TTableColumns> older = {
        {"UNITS", {"ID", "Name", "Path"}},
        {"CLASSES", {"ID", "Name", "UnitID", "IntLN", "AncestorID"}},
        {"MV", {"ClassID", "Name", "Flags", "IntLN", "ImpLN", "UnitID"}},
    };
    if (Version < FirstVersionWithFiles) return older;
    return Version < FirstVersionWithStamps ? version3 : tables;
}

class ENotOurs : public std::exception {};
// Ours, from a newer version whose tables this version cannot read.
class ENewerUnreadable : public std::exception {};

int PragmaInt(SQLite::Database& Db, const char* Name) {
    return Db.execAndGet(std::string("PRAGMA ") + Name).getInt();
}

// Rows are read by position: a table may have more columns after ours (a newer version's), never
// fewer or others.
bool ColumnsMatch(SQLite::Database& Db, const TTableColumns& Expected, bool Exactly) {
    SQLite::Statement info(Db, std::string("PRAGMA table_info(") + Expected.Table + ")");
    std::vector<std::string> names;
    while (info.executeStep()) names.push_back(info.getColumn(1).getString());
    if (names.size() < Expected.Columns.size() || (Exactly && names.size() != Expected.Columns.size())) return false;
    for (size_t i = 0; i < Expected.Columns.size(); ++i)
        if (sqlite3_stricmp(names[i].c_str(), Expected.Columns[i].c_str()) != 0) return false;
    return true;
}

std::set<std::string> TableNames(SQLite::Database& Db) {
    std::set<std::string> names;
    SQLite::Statement tables(Db, "select upper(name) from sqlite_master where type = 'table'");
    while (tables.executeStep()) names.insert(tables.getColumn(0).getString());
    return names;
}

// An older file's tables are as that version made them; a newer one's may have grown.
bool SchemaIsOurs(SQLite::Database& Db, int Version = ClassDatabaseSchemaVersion) {
    for (const TTableColumns& table : ExpectedTables(Version))
        if (!ColumnsMatch(Db, table, Version <= ClassDatabaseSchemaVersion)) return false;
    return true;
}

void Mark(SQLite::Database& Db) {
    Db.exec(Format("PRAGMA application_id = %d", {ClassDatabaseApplicationID}));
    Db.exec(Format("PRAGMA user_version = %d", {ClassDatabaseSchemaVersion}));
}

void CreateSchema(SQLite::Database& Db) {
    // Large pages suit a database that is read far more than written and loaded in bulk:
    // shallower trees, fewer page splits. Only a new file takes them.
    Db.exec("PRAGMA page_size = 32768");
    // Write-ahead logging makes each commit cheap and lets readers go on while one program writes.
    Db.exec("PRAGMA journal_mode = WAL");
    Db.exec("BEGIN IMMEDIATE");
    try {
        // Another program may have created the schema while this one waited for the lock.
        if (TableNames(Db).empty()) {
            Db.exec(ClassDatabaseSchema);
            Mark(Db);
        }
        Db.exec("COMMIT");
    } catch (...) {
        Db.tryExec("ROLLBACK");
        throw;
    }
}

// Version 2 keeps each unit's path as its file was found on disk, where older files kept the
// path as given to the load: a given path that finds its file only by ignoring letter case takes
// the file's own spelling. A path whose file has gone stays as it is.
void StorePathsAsFound(SQLite::Database& Db) {
    std::vector<std::pair<int, std::string>> found;
    SQLite::Statement units(Db, "select * from UNITS");
    while (units.executeStep()) {
        const TUnitRow row = ReadUnitRow(units);
        if (!FileExists(row.Path)) continue;
        std::string path = ResolvePath(row.Path);
        if (path != row.Path) found.emplace_back(row.ID, std::move(path));
    }
    SQLite::Statement update(Db, "update UNITS set Path = ? where ID = ?");
    for (const auto& [id, path] : found) {
        update.reset();
        update.bind(1, path);
        update.bind(2, id);
        update.exec();
    }
}

// Brings a file of ours from an older version, or from before the mark, up to the current one,
// unless another program did so meanwhile. Returns the file's version then.
int Upgrade(SQLite::Database& Db) {
    Db.exec("BEGIN IMMEDIATE");
    try {
        int version = PragmaInt(Db, "user_version");
        if (PragmaInt(Db, "application_id") != ClassDatabaseApplicationID || version < ClassDatabaseSchemaVersion) {
            if (version < FirstVersionWithFiles) Db.exec(ClassDatabaseUpgradeTo3);
            if (version < FirstVersionWithFiles) Db.exec("CREATE TABLE FILES(ID INTEGER PRIMARY KEY AUTOINCREMENT, UnitID INTEGER NOT NULL, Path TEXT NOT NULL)");
            if (version < FirstVersionWithStamps) Db.exec(ClassDatabaseUpgradeTo4);
            Db.exec(ClassDatabaseSchema);  // the new tables, and the indexes an older file may lack
            StorePathsAsFound(Db);
            Mark(Db);
            version = ClassDatabaseSchemaVersion;
        }
        Db.exec("COMMIT");
        return version;
    } catch (...) {
        Db.tryExec("ROLLBACK");
        throw;
    }
}

// Checks (and, for a new or an older file, creates or updates) the schema; ENotOurs for a file
// of another kind.
void Adopt(SQLite::Database& Db, TOpenedDatabase& Opened) {
    const int application = PragmaInt(Db, "application_id");
    const int version = PragmaInt(Db, "user_version");
    const std::set<std::string> tables = TableNames(Db);
    if (application == 0 && tables.empty() && version == 0) {
        if (Opened.ReadOnly) throw ENotOurs();
        CreateSchema(Db);
        return;
    }
    if (application == ClassDatabaseApplicationID) {
        if (version > ClassDatabaseSchemaVersion) {
            if (!SchemaIsOurs(Db, version)) throw ENewerUnreadable();
            Opened.Newer = true;
            return;
        }
        if (!SchemaIsOurs(Db, version)) throw ENotOurs();
        if (version == ClassDatabaseSchemaVersion) return;
    } else {
        if (application != 0) throw ENotOurs();
        // Unmarked: ours only with our three tables and nothing but the engine's own beside them.
        for (const std::string& table : tables)
            if (table != "UNITS" && table != "CLASSES" && table != "MV" && table != "SQLITE_SEQUENCE") throw ENotOurs();
        if (!SchemaIsOurs(Db, 0)) throw ENotOurs();
    }
    auto readAsItIs = [&] {
        Opened.PathsAsGiven = true;
        Opened.OlderVersion = application == 0 ? 1 : version;
    };
    if (Opened.ReadOnly) return readAsItIs();
    // A newer version may have taken the file while this one waited for the lock.
    try {
        Opened.Newer = Upgrade(Db) > ClassDatabaseSchemaVersion;
    } catch (const SQLite::Exception& e) {
        // The file is ours and unchanged (the upgrade rolled back): it is read as it is.
        readAsItIs();
        Opened.NotUpgraded = true;
        Opened.ReadOnlyReason = Format("it is of an older version and could not be brought up to date (%s)", {e.what()});
    }
}

// Why the file (when it exists) or its folder, where the engine keeps its write-ahead log, cannot
// be written; empty when both can.
std::string WhyNotWritable(const std::string& FileName) {
    std::error_code ec;
#ifdef _WIN32
    if (fs::exists(FileName, ec) && (fs::status(FileName, ec).permissions() & fs::perms::owner_write) == fs::perms::none)
        return "the file is read-only";
    return {};
#else
    fs::path dir = fs::path(FileName).parent_path();
    if (dir.empty()) dir = ".";
    if (!fs::exists(FileName, ec)) return {};  // a missing folder or file fails at the open
    if (access(FileName.c_str(), W_OK) != 0)
        return Format("the file cannot be written (%s)", {std::generic_category().message(errno)});
    if (access(dir.c_str(), W_OK) != 0)
        return Format("its folder cannot be written (%s)", {std::generic_category().message(errno)});
    return {};
#endif
}

void Tune(SQLite::Database& Db) {
    Db.exec("PRAGMA synchronous = NORMAL");
    // Enough cache for the indexes of a large library, so that loading does not re-read them.
    Db.exec("PRAGMA cache_size = -65536");
    // Each unit's savepoint journals the pages it changes; keep that journal in memory.
    Db.exec("PRAGMA temp_store = MEMORY");
}

std::unique_ptr<SQLite::Database> OpenReadOnly(const std::string& FileName) {
    auto db = std::make_unique<SQLite::Database>(FileName, SQLite::OPEN_READONLY, BusyTimeoutMs);
    try {
        db->execAndGet("select count(*) from sqlite_master");
        return db;
    } catch (const SQLite::Exception& e) {
        // A write-ahead-logged file whose folder cannot hold the engine's shared-memory file
        // (read-only media): read it as unchangeable.
        if ((e.getErrorCode() & 0xff) != SQLITE_CANTOPEN && (e.getErrorCode() & 0xff) != SQLITE_READONLY) throw;
    }
    db.reset();
    const char* hex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : fs::absolute(FileName).generic_string()) {
        if (c == '?' || c == '#' || c == '%' || c <= ' ' || c >= 127) {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        } else {
            uri += char(c);
        }
    }
    uri += "?immutable=1";
    return std::make_unique<SQLite::Database>(uri, SQLite::OPEN_READONLY | SQLite::OPEN_URI, BusyTimeoutMs);
}

}  // namespace

TOpenedDatabase OpenClassDatabase(const std::string& FileName) {
    TOpenedDatabase opened;
    opened.ReadOnlyReason = WhyNotWritable(FileName);
    opened.ReadOnly = !opened.ReadOnlyReason.empty();
    try {
        if (opened.ReadOnly) {
            opened.Db = OpenReadOnly(FileName);
        } else {
            opened.Db = std::make_unique<SQLite::Database>(
                FileName, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE | SQLite::OPEN_NOMUTEX, BusyTimeoutMs);
        }
        Adopt(*opened.Db, opened);
        if ((opened.Newer || opened.NotUpgraded) && !opened.ReadOnly) {
            // Not even the engine's checkpoint at closing may write into such a file.
            sqlite3_db_config(opened.Db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            opened.Db.reset();
            opened.Db = OpenReadOnly(FileName);
            opened.ReadOnly = true;
        }
        Tune(*opened.Db);
        // After the tuning: a new temp_store setting drops the temporary schema.
        if (opened.OlderVersion) {
            opened.Db->exec(ClassDatabaseOlderViews);
            opened.Db->exec(opened.OlderVersion < FirstVersionWithFiles ? ClassDatabaseVersion2Views
                                                                         : ClassDatabaseVersion3Views);
        }
        return opened;
    } catch (const ENotOurs&) {
    } catch (const ENewerUnreadable&) {
        throw EDatabaseError(
            Format("%s was made by a newer version of Quillmap 2 and cannot be read by this version", {FileName}));
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xff;
        if (code != SQLITE_NOTADB)
            throw EDatabaseError(Format("Unable to open the class database %s: %s", {FileName, e.what()}),
                                 e.getErrorCode());
    }
    throw EDatabaseError(Format("%s is not a Quillmap class database", {FileName}));
}

}  // namespace qm
