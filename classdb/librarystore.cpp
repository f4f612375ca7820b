// Lists are kept as text joined by ";" (defines, namespaces) or as SEARCHPATH rows (folders), so
// that a folder may hold any character but a line end.
#include "librarystore.h"

#include <map>
#include <set>

#include "dbaccess.h"
#include "dbengine.h"
#include "paths.h"
#include "unitheading.h"

namespace qm {

namespace {

std::string Joined(const std::vector<std::string>& Items) {
    std::string text;
    for (const std::string& item : Items) text += (text.empty() ? "" : ";") + item;
    return text;
}

std::vector<std::string> Split(const std::string& Text) {
    std::vector<std::string> items;
    size_t from = 0;
    while (from < Text.size()) {
        const size_t semi = std::min(Text.find(';', from), Text.size());
        if (semi > from) items.push_back(Text.substr(from, semi - from));
        from = semi + 1;
    }
    return items;
}

std::vector<std::string> Folders(SQLite::Database& Db, int ProjectID) {
    SQLite::Statement rows(Db, "select Path from SEARCHPATH where ProjectID = ? order by Position");
    rows.bind(1, ProjectID);
    std::vector<std::string> folders;
    while (rows.executeStep()) folders.push_back(rows.getColumn(0).getString());
    return folders;
}

void WriteFolders(SQLite::Database& Db, int ProjectID, const std::vector<std::string>& Folders) {
    SQLite::Statement clear(Db, "delete from SEARCHPATH where ProjectID = ?");
    clear.bind(1, ProjectID);
    clear.exec();
    SQLite::Statement insert(Db, "insert into SEARCHPATH(ProjectID, Position, Path) values(?, ?, ?)");
    for (size_t i = 0; i < Folders.size(); ++i) {
        insert.reset();
        insert.bind(1, ProjectID);
        insert.bind(2, int(i));
        insert.bind(3, Folders[i]);
        insert.exec();
    }
}

}  // namespace

TSearchPath TLibraryStore::LibraryPath() {
    SQLite::Database& db = TDbAccess::Connection(FDb);
    return Engine(&db, [&] { return TSearchPath{Folders(db, 0)}; });
}

void TLibraryStore::SetLibraryPath(const TSearchPath& Path) {
    TVCLDB::TBatch batch(FDb);
    SQLite::Database& db = TDbAccess::Connection(FDb);
    Engine(&db, [&] { WriteFolders(db, 0, Path.Folders); });
    batch.Commit();
}

int TLibraryStore::ProjectOfFile(const std::string& Path) {
    SQLite::Database& db = TDbAccess::Connection(FDb);
    return Engine(&db, [&] {
        SQLite::Statement find(db, PathsIgnoreCase ? "select ID from PROJECTS where upper(Path) = upper(?)"
                                                   : "select ID from PROJECTS where Path = ?");
        find.bind(1, Path);
        return find.executeStep() ? find.getColumn(0).getInt() : 0;
    });
}

int TLibraryStore::AddProject(const TProjectDescription& Project, const std::string& Target) {
    TVCLDB::TBatch batch(FDb);
    SQLite::Database& db = TDbAccess::Connection(FDb);
    int id = ProjectOfFile(Project.Path);
    Engine(&db, [&] {
        if (id == 0) {
            SQLite::Statement insert(db, "insert into PROJECTS(Name, Path) values(?, ?)");
            insert.bind(1, Project.Name);
            insert.bind(2, Project.Path);
            insert.exec();
            id = int(db.getLastInsertRowid());
        }
        SQLite::Statement update(db, "update PROJECTS set Name = ?, Target = ?, Defines = ?, Namespaces = ? where ID = ?");
        update.bind(1, Project.Name);
        update.bind(2, Target);
        update.bind(3, Joined(Project.Defines));
        update.bind(4, Joined(Project.Namespaces));
        update.bind(5, id);
        update.exec();
        WriteFolders(db, id, Project.SearchPath);
    });
    batch.Commit();
    return id;
}

std::vector<TProjectRow> TLibraryStore::Projects() {
    SQLite::Database& db = TDbAccess::Connection(FDb);
    return Engine(&db, [&] {
        std::vector<TProjectRow> projects;
        SQLite::Statement rows(db, "select ID, Name, Path, Target, Defines, Namespaces from PROJECTS order by ID");
        while (rows.executeStep())
            projects.push_back({rows.getColumn(0).getInt(), rows.getColumn(1).getString(), rows.getColumn(2).getString(),
                                rows.getColumn(3).getString(), Split(rows.getColumn(4).getString()),
                                Split(rows.getColumn(5).getString()), {}});
        for (TProjectRow& p : projects) p.SearchPath = Folders(db, p.ID);
        return projects;
    });
}

void TLibraryStore::SetUnitsProject(const std::vector<int>& UnitIDs, int ProjectID) {
    TVCLDB::TBatch batch(FDb);
    SQLite::Database& db = TDbAccess::Connection(FDb);
    Engine(&db, [&] {
        SQLite::Statement update(db, "update UNITS set ProjectID = ? where ID = ?");
        for (int unit : UnitIDs) {
            update.reset();
            update.bind(1, ProjectID);
            update.bind(2, unit);
            update.exec();
        }
    });
    batch.Commit();
}

void TLibraryStore::ShareUnits(const std::vector<std::string>& Names, int ProjectID) {
    if (Names.empty()) return;
    TVCLDB::TBatch batch(FDb);
    SQLite::Database& db = TDbAccess::Connection(FDb);
    Engine(&db, [&] {
        SQLite::Statement update(db, "update UNITS set ProjectID = 0 where upper(Name) = upper(?) and ProjectID <> 0 and ProjectID <> ?");
        for (const std::string& name : Names) {
            update.reset();
            update.bind(1, name);
            update.bind(2, ProjectID);
            update.exec();
        }
    });
    batch.Commit();
}

// Which unit's uses clauses name which of Going, read from the units' files as they are now (a
// unit added without following its uses has none stored). Conditional uses count whichever branch
// names them, so a unit some build may use is kept; a file that cannot be read names nothing.
std::vector<std::pair<int, int>> TLibraryStore::UsesEdges(const std::set<int>& Going) {
    std::vector<std::pair<int, std::string>> units;  // (id, file)
    std::map<std::string, std::vector<int>> goingByName;
    SQLite::Database& db = TDbAccess::Connection(FDb);
    Engine(&db, [&] {
        SQLite::Statement rows(db, "select ID, upper(Name), Path from UNITS");
        while (rows.executeStep()) {
            const int id = rows.getColumn(0).getInt();
            units.emplace_back(id, rows.getColumn(2).getString());
            if (Going.count(id)) goingByName[rows.getColumn(1).getString()].push_back(id);
        }
    });
    std::vector<std::pair<int, int>> edges;
    if (goingByName.empty()) return edges;
    for (const auto& [id, file] : units) {
        std::string text;
        try {
            text = ReadFileBytes(file);
        } catch (const std::exception&) {
            continue;
        }
        for (const std::string& used : ReadUnitHeading(text).Uses)
            if (const auto found = goingByName.find(used); found != goingByName.end())
                for (const int target : found->second)
                    if (target != id) edges.emplace_back(id, target);
    }
    return edges;
}

std::vector<int> TLibraryStore::ProjectUnits(int ProjectID) {
    SQLite::Database& db = TDbAccess::Connection(FDb);
    return Engine(&db, [&] {
        std::vector<int> units;
        SQLite::Statement rows(db, "select ID from UNITS where ProjectID = ? order by ID");
        rows.bind(1, ProjectID);
        while (rows.executeStep()) units.push_back(rows.getColumn(0).getInt());
        return units;
    });
}

// The project's units go unless a unit that stays derives a class from one of them or names it in
// a uses clause: a library unit the project brought in and another unit also builds on or uses
// stays, and so does what it needs.
int TLibraryStore::RemoveProject(int ProjectID) {
    const std::vector<int> own = ProjectUnits(ProjectID);
    std::set<int> going(own.begin(), own.end());
    SQLite::Database& db = TDbAccess::Connection(FDb);
    std::vector<std::pair<int, int>> edges;  // (unit that needs, unit needed)
    Engine(&db, [&] {
        SQLite::Statement rows(db, "select distinct Derived.UnitID, Base.UnitID from CLASSES Derived "
                                   "join CLASSES Base on Base.ID = Derived.AncestorID where Derived.UnitID <> Base.UnitID");
        while (rows.executeStep()) edges.emplace_back(rows.getColumn(0).getInt(), rows.getColumn(1).getInt());
    });
    for (const auto& edge : UsesEdges(going)) edges.push_back(edge);
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [derived, base] : edges)
            if (going.count(base) && !going.count(derived)) changed = going.erase(base) > 0;
    }
    TVCLDB::TBatch batch(FDb);
    Engine(&db, [&] {
        std::vector<std::pair<int, int>> ranges;
        for (int unit : going) ranges.emplace_back(unit, unit);
        TDbAccess::DeleteUnitRows(FDb, ranges);
        SQLite::Statement kept(db, "update UNITS set ProjectID = 0 where ProjectID = ?");
        kept.bind(1, ProjectID);
        kept.exec();
        SQLite::Statement project(db, "delete from PROJECTS where ID = ?");
        project.bind(1, ProjectID);
        project.exec();
        WriteFolders(db, ProjectID, {});
    });
    batch.Commit();
    TDbAccess::CloseLookups(FDb);
    return int(going.size());
}

}  // namespace qm
