// LoadUnit: parse a unit, collect its classes and members in memory, resolve every ancestor,
// then write the unit, its classes in dependency order and its members in one transaction.
// The unit's path is stored as its file was found, so that the path names that one file.
#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "format.h"
#include "loadstatements.h"
#include "unitloader.h"
#include "paths.h"
#include "unitparser.h"
#include "vcldb1.h"
#include "vclunits.h"
#include "vcldbstore.h"

namespace qm {

TUnitLoader::TUnitLoader(TVCLDB& Owner, const std::string& FileName, const std::string& DiskPath)
    : FOwner(Owner),
      FDb(Owner.Database()),
      FFileName(FileName),
      FDiskPath(DiskPath),
      FSql(Owner.LoadStatements()) {
    using E = TUnitParser::TParserEvent;
    Parser.OnUses = E::Of<&TUnitLoader::OnUses>(this);
    Parser.OnClass = E::Of<&TUnitLoader::OnClass>(this);
    Parser.OnMethod = E::Of<&TUnitLoader::OnMethod>(this);
    Parser.OnProperty = E::Of<&TUnitLoader::OnProperty>(this);
    Parser.OnField = E::Of<&TUnitLoader::OnField>(this);
    Parser.OnImplementation = E::Of<&TUnitLoader::OnImplementation>(this);
    Parser.OnTypeAlias = E::Of<&TUnitLoader::OnTypeAlias>(this);
    Parser.OnWarning = E::Of<&TUnitLoader::OnWarning>(this);
    Parser.Dialect = Owner.Dialect;
    Parser.Defines = Owner.ReadContext.Defines;
    if (Owner.IncludeReader) Parser.IncludeReader = Owner.IncludeReader;
    Parser.IncludeReader = StampingIncludeReader(std::move(Parser.IncludeReader), FIncludes);
    FModern = Owner.Dialect == TDialect::Modern;
}

void TUnitLoader::RowWritten() {
    if (++FRowsWritten % RowsPerProgress == 0) FOwner.OnProgress(FOwner);
}

int TUnitLoader::ItemFile(const TUnitParser& Sender) {
    if (Sender.ItemFile.empty()) return 0;
    auto [at, added] = FFileIndex.emplace(Sender.ItemFile, int(FFiles.size()));
    if (added) FFiles.push_back(Sender.ItemFile);
    return at->second;
}

// A name the database holds more than once stands for one of those units, as for a compiler;
// the choice is told once the unit has loaded.
void TUnitLoader::OnUses(TUnitParser& Sender) {
    FSql.UnitsByName.tryReset();
    FSql.UnitsByName.bind(1, Sender.UsesUnit);
    std::vector<TUnitRow> rows;
    while (FSql.UnitsByName.executeStep()) rows.push_back(ReadUnitRow(FSql.UnitsByName));
    if (rows.empty()) return;
    const TUnitRow& used = rows.size() == 1 ? rows.front() : UnitOnSearchPath(rows);
    for (const TStringItem& known : UsesList)
        if (known.ID == used.ID) return;  // named again (in the implementation's uses clause)
    UsesList.push_back({used.Name, used.ID});
    if (rows.size() > 1)
        FToTell.push_back(Format("%d units share the name %s: %s uses %s", {int(rows.size()), used.Name, FFileName, used.Path}));
}

namespace {

// A folder as compared on this system, with its final separator.
std::string FolderKey(std::string Folder) {
    if (Folder.empty() || (Folder.back() != '/' && Folder.back() != '\\')) Folder += PathDelim;
    return PathsIgnoreCase ? UpperCase(Folder) : Folder;
}

}  // namespace

// The unit of this unit's folder; else the one of the first search-path folder that holds one;
// else the one whose folder shares the longest beginning with this unit's; the last loaded of equals.
const TUnitRow& TUnitLoader::UnitOnSearchPath(const std::vector<TUnitRow>& Rows) const {
    const std::string own = FolderKey(FolderPart(FDiskPath));
    std::vector<std::string> search;
    for (const std::string& folder : FOwner.ReadContext.SearchPath) search.push_back(FolderKey(folder));
    auto rank = [&](const TUnitRow& Row) {
        const std::string folder = FolderKey(FolderPart(Row.Path));
        size_t place = 0;
        while (place < search.size() && folder.compare(0, search[place].size(), search[place]) != 0) ++place;
        const auto shared = std::mismatch(own.begin(), own.end(), folder.begin(), folder.end()).first - own.begin();
        return std::make_tuple(folder != own, place, -shared, -Row.ID);
    };
    return *std::min_element(Rows.begin(), Rows.end(), [&](const TUnitRow& A, const TUnitRow& B) { return rank(A) < rank(B); });
}

// A class found in the database wins over one of the unit being loaded; among several, the
// one of the unit named last in the uses lists.
void TUnitLoader::OnClass(TUnitParser& Sender) {
    AddClass(Sender, Sender.TypeName == "TObject" ? 0 : StoredClass(Sender.AncestorName));
}

// AncestorID: the ancestor's id in the database, 0 for none (TObject), -1 when it is to be found
// among the unit's own classes.
void TUnitLoader::AddClass(const TUnitParser& Sender, int AncestorID) {
    // Modern sources declare a class once per {$IFDEF} branch, and every branch outside a class
    // is read: the first declaration stands, the others and their members are passed over.
    if (FModern && FFirstClassByUpperName.count(UpperCase(Sender.TypeName))) {
        CurrentClassIndex = -1;
        return;
    }
    TClassDefObj def;
    def.Name = Sender.TypeName;
    def.IntLN = Sender.ItemLine;
    def.File = ItemFile(Sender);
    def.Local = Sender.InImplementation;
    if (def.Name != "TObject") def.AncestorName = Sender.AncestorName;
    def.AncestorID = AncestorID;
    CurrentClassIndex = int(ClassDefs.size());
    FClassesByName[def.Name].push_back(CurrentClassIndex);
    FFirstClassByUpperName.emplace(UpperCase(def.Name), CurrentClassIndex);
    FFirstMemberOfClass.emplace_back();
    FOverloadsOfClass.emplace_back();
    ClassDefs.push_back(std::move(def));
    FOwner.OnProgress(FOwner);
}

int TUnitLoader::StoredClass(const std::string& Name) {
    FSql.ParsingQuery.tryReset();
    FSql.ParsingQuery.bind(1, UpperCase(Name));
    std::vector<TClassRow> rows;
    while (FSql.ParsingQuery.executeStep()) {
        TClassRow row = ReadClassRow(FSql.ParsingQuery);
        if (Replaces == 0 || row.UnitID < Replaces) rows.push_back(std::move(row));
    }
    if (rows.size() == 1) return rows.front().ID;
    for (auto used = UsesList.rbegin(); used != UsesList.rend(); ++used)
        for (const TClassRow& row : rows)
            if (row.UnitID == used->ID) return row.ID;
    return -1;
}

// "TAlias = TSomeClass;" makes TAlias a class of its own, derived from the other without members
// of its own, so that classes derived from the alias find their chain. A name of anything but a
// class known here is no class and is let be.
void TUnitLoader::OnTypeAlias(TUnitParser& Sender) {
    if (FFirstClassByUpperName.count(UpperCase(Sender.TypeName))) return;
    const int stored = StoredClass(Sender.AncestorName);
    if (stored < 0 && !FFirstClassByUpperName.count(UpperCase(Sender.AncestorName))) return;
    AddClass(Sender, stored);
    CurrentClassIndex = -1;  // members that follow belong to no class
}

void TUnitLoader::AddMember(const std::string& Name, const TUnitParser& Sender, int Kind) {
    // A member before any class cannot be announced by the parser; guard all the same.
    if (CurrentClassIndex < 0) return;
    const int index = int(MVDefs.size());
    FFirstMemberOfClass[size_t(CurrentClassIndex)].emplace(Name, index);
    TMVDefObj def{Name, Sender.ItemLine, NoImpLN, Sender.Visibility + Kind, CurrentClassIndex, ItemFile(Sender), 0, {}};
    if (FModern && Kind == KindMethod) {
        def.Params = Sender.MethodParams;
        FOverloadsOfClass[size_t(CurrentClassIndex)].emplace(Name, index);
    }
    MVDefs.push_back(std::move(def));
}

// In the Delphi 2.0 rules the first member of the name. Of overloads, the one whose parameter
// types the heading repeats; else (a heading may leave its parameters out) the first one still
// without an implementation, in declaration order; else the first.
int TUnitLoader::ImplementedMember(int ClassIndex, const TUnitParser& Sender) const {
    const auto& members = FFirstMemberOfClass[size_t(ClassIndex)];
    auto first = members.find(Sender.MethodName);
    if (first == members.end()) return -1;
    if (!FModern) return first->second;
    auto [from, to] = FOverloadsOfClass[size_t(ClassIndex)].equal_range(Sender.MethodName);
    std::vector<int> overloads;
    for (auto it = from; it != to; ++it) overloads.push_back(it->second);
    if (overloads.size() < 2) return first->second;
    std::sort(overloads.begin(), overloads.end());
    for (int i : overloads)
        if (MVDefs[size_t(i)].Params == Sender.MethodParams) return i;
    for (int i : overloads)
        if (MVDefs[size_t(i)].ImpLN == NoImpLN) return i;
    return first->second;
}

// The first class of that exact name that declares a member of that exact name gets the line;
// a method implemented twice keeps the later heading.
void TUnitLoader::OnImplementation(TUnitParser& Sender) {
    auto classes = FClassesByName.find(Sender.TypeName);
    if (classes == FClassesByName.end()) return;
    for (int classIndex : classes->second) {
        const int member = ImplementedMember(classIndex, Sender);
        if (member < 0) continue;
        MVDefs[size_t(member)].ImpLN = Sender.ItemLine;
        MVDefs[size_t(member)].ImpFile = ItemFile(Sender);
        FOwner.OnProgress(FOwner);
        return;
    }
}

void TUnitLoader::AncestorMissing(const TClassDefObj& Class) {
    throw EAncestorMissing(Format("Unable to locate ancestor class %s.\rThe Unit which defines this class "
                                  "must be loaded first.",
                                  {UpperCase(Class.AncestorName)}));
}

// A class of the implementation section whose ancestor is nowhere to be found (it comes from a
// unit that only this unit's implementation uses, which may in turn use this one) is passed over
// with a message, and so are the unit's classes derived from it; the rest of the unit loads.
// Modern dialect only: in the Delphi 2.0 rules the load fails as ever.
void TUnitLoader::PassOverLocalOrphans() {
    for (bool changed = true; changed;) {
        changed = false;
        for (TClassDefObj& def : ClassDefs) {
            if (def.AncestorID >= 0 || def.Skipped || !def.Local) continue;
            auto ancestor = FFirstClassByUpperName.find(UpperCase(def.AncestorName));
            if (ancestor != FFirstClassByUpperName.end() && !ClassDefs[size_t(ancestor->second)].Skipped) continue;
            def.Skipped = changed = true;
            FToTell.push_back(Format("Class %s in the implementation of %s is passed over: its ancestor %s "
                                     "is not loaded",
                                     {def.Name, FFileName, def.AncestorName}));
        }
    }
}

bool TUnitLoader::ResolveLocalAncestors() {
    bool changed = false;
    for (TClassDefObj& def : ClassDefs) {
        if (def.AncestorID >= 0 || def.Skipped) continue;
        auto ancestor = FFirstClassByUpperName.find(UpperCase(def.AncestorName));
        if (ancestor == FFirstClassByUpperName.end()) AncestorMissing(def);
        def.AncestorID = ClassDefs[size_t(ancestor->second)].ID;
        changed = true;
    }
    return changed;
}

// Classes that could not be inserted although every pass resolved what it could: their
// ancestors form a cycle within the unit. The first class that lies on a cycle is named.
void TUnitLoader::CheckForCycle() {
    auto ancestorOf = [&](size_t i) {
        return size_t(FFirstClassByUpperName.at(UpperCase(ClassDefs[i].AncestorName)));
    };
    for (size_t start = 0; start < ClassDefs.size(); ++start) {
        if (ClassDefs[start].ID >= 0 || ClassDefs[start].Skipped) continue;
        size_t at = start;
        for (size_t steps = 0; steps <= ClassDefs.size(); ++steps) {
            at = ancestorOf(at);
            if (at == start) AncestorMissing(ClassDefs[start]);
            if (ClassDefs[at].ID >= 0) break;
        }
    }
}

int TUnitLoader::InsertUnit() {
    std::string name = FFileName;
    if (size_t slash = name.find_last_of("\\/"); slash != std::string::npos) name.erase(0, slash + 1);
    if (size_t dot = name.find('.'); dot != std::string::npos) name.erase(dot);
    SQLite::Statement& insert = FSql.InsertUnit;
    insert.tryReset();
    insert.bind(1, name);
    insert.bind(2, FDiskPath);
    insert.bind(3, int(FOwner.Dialect));
    insert.bind(4, FStamp.Size);
    insert.bind(5, FStamp.MTime);
    insert.bind(6, FStamp.Hash);
    insert.exec();
    return int(FDb.getLastInsertRowid());
}

void TUnitLoader::InsertFiles(int UnitID) {
    auto insert = [&](const std::string& Path) {
        const TFileStamp stamp = IncludeStamp(FIncludes, Path);
        FSql.InsertFile.tryReset();
        FSql.InsertFile.bind(1, UnitID);
        FSql.InsertFile.bind(2, Path);
        FSql.InsertFile.bind(3, stamp.Size);
        FSql.InsertFile.bind(4, stamp.MTime);
        FSql.InsertFile.bind(5, stamp.Hash);
        FSql.InsertFile.exec();
        return int(FDb.getLastInsertRowid());
    };
    FFileIDs.assign(1, 0);
    for (size_t i = 1; i < FFiles.size(); ++i) FFileIDs.push_back(insert(FFiles[i]));
    // An include file that holds no class still changes the unit when it changes.
    for (const TReadInclude& read : FIncludes)
        if (!FFileIndex.count(read.Path)) insert(read.Path);
}

void TUnitLoader::InsertClasses(int UnitID) {
    SQLite::Statement& insert = FSql.InsertClass;
    for (;;) {
        bool inserted = false;
        for (TClassDefObj& def : ClassDefs) {
            if (def.ID != -1 || def.AncestorID < 0 || def.Skipped) continue;
            insert.tryReset();
            insert.bindNoCopy(1, def.Name);
            insert.bind(2, UnitID);
            insert.bind(3, def.IntLN);
            insert.bind(4, def.AncestorID);
            insert.bind(5, FFileIDs[size_t(def.File)]);
            insert.bind(6, 0);
            insert.bind(7, 0);
            insert.bindNoCopy(8, def.Name);
            insert.exec();
            def.ID = int(FDb.getLastInsertRowid());
            inserted = true;
            RowWritten();
        }
        if (!ResolveLocalAncestors()) return;
        if (!inserted) CheckForCycle();
    }
}

void TUnitLoader::InsertMembers(int UnitID) {
    SQLite::Statement& insert = FSql.InsertMember;
    for (const TMVDefObj& member : MVDefs) {
        const TClassDefObj& owner = ClassDefs[size_t(member.ClassIndex)];
        if (owner.Skipped) continue;
        insert.tryReset();  // a refused insert leaves its error in the statement until reset
        insert.bind(1, owner.ID);
        insert.bindNoCopy(2, member.Name);  // the text outlives the step
        insert.bind(3, member.Flags);
        insert.bind(4, member.IntLN);
        insert.bind(5, member.ImpLN);
        insert.bind(6, UnitID);
        insert.bind(7, FFileIDs[size_t(member.IntFile)]);
        insert.bind(8, FFileIDs[size_t(member.ImpFile)]);
        insert.bindNoCopy(9, member.Params);
        RowWritten();
        // A member refused for its key undoes only itself; it is skipped and the load goes on.
        // Any other failure (a full disk...) ends the load: a member must not vanish unreported.
        if (insert.tryExecuteStep() == SQLITE_DONE) continue;
        if ((insert.getErrorCode() & 0xff) != SQLITE_CONSTRAINT) throw SQLite::Exception(FDb.getHandle(), insert.getErrorCode());
        FOwner.OnMessage(FOwner, Format("Internal Error: Key Violation on %d, %s", {owner.ID, member.Name}));
    }
}

int TUnitLoader::Run() {
    try {
        Parser.ParseText(FDiskPath, ReadStampedSource(FDiskPath, FStamp));
    } catch (const EUnitParserError& e) {
        // A unit of today's Object Pascal: say where the rules that read it are turned on.
        if (Parser.Dialect == TDialect::Delphi2 && ModernDialectReads(FDiskPath, ReadSourceFile(FDiskPath)))
            throw EUnitParserError(e.Message() + "\r" + ModernDialectHint, e.HelpContext(), e.Reason());
        throw;
    }
    if (ClassDefs.empty())
        throw EUnitWithoutClasses(Format("%s has no class definitions and will not be loaded", {FFileName}));
    if (FModern) PassOverLocalOrphans();
    ResolveLocalAncestors();

    // Inside a batch, a unit that fails while being written is taken out again (journaling every
    // page of every unit for a savepoint would cost a fifth of the load); should even that fail,
    // the batch refuses to commit.
    int unitID = 0;
    try {
        unitID = InsertUnit();
        InsertFiles(unitID);
        InsertClasses(unitID);
        InsertMembers(unitID);
        for (const std::string& message : FToTell) FOwner.OnMessage(FOwner, message);
        return unitID;
    } catch (...) {
        if (unitID != 0) FOwner.UndoUnitRows(unitID);
        throw;
    }
}

int TVCLDB::LoadUnit(const std::string& FileName) {
    TCall call(*this);
    if (!FileExists(FileName))
        throw EVCLDBError(Format("Unable to locate unit: %s", {FileName}), dbeUnitNotFound);
    const std::string diskPath = ResolvePath(FileName);
    // On its own a load is a batch of one: the unit is stored whole, or nothing is.
    std::optional<TBatch> own;
    if (FBatchDepth == 0) own.emplace(*this);
    const int unitID = Engine(Connection(), [&] {
        SQLite::Statement& duplicate = LoadStatements().DuplicatePath;
        duplicate.tryReset();
        duplicate.bind(1, PathsIgnoreCase ? UpperCase(diskPath) : diskPath);
        const bool loaded = duplicate.executeStep();
        duplicate.tryReset();
        if (loaded)
            throw EUnitAlreadyLoaded(Format("The Unit \"%s\" has already been added", {FileName}));
        // The progress handler reads which file is being loaded.
        struct TLoading {
            std::string& File;
            ~TLoading() { File.clear(); }
        } loading{LoadingFile = FileName};
        return TUnitLoader(*this, FileName, diskPath).Run();
    });
    if (own) own->Commit();
    // New rows change the answers of the name lookups.
    FStore->UnitsNameQuery.Close();
    FStore->ClassesNameQuery.Close();
    return unitID;
}

}  // namespace qm
