// LoadUnit: parse a unit, collect its classes and members in memory, resolve every ancestor,
// then write the unit, its classes in dependency order and its members in one transaction.
// The unit's path is stored as its file was found, so that the path names that one file.
#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <optional>
#include <unordered_map>

#include "format.h"
#include "loadstatements.h"
#include "paths.h"
#include "unitparser.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {

struct TClassDefObj {
    std::string Name;
    int ID = -1;
    std::string AncestorName;  // empty for TObject
    int IntLN = 0;
    int AncestorID = -1;  // -1 while unresolved or while the ancestor is not yet inserted
};

struct TMVDefObj {
    std::string Name;
    int IntLN = 0;
    int ImpLN = NoImpLN;
    int Flags = 0;
    int ClassIndex = 0;
};

// The transient state of one load.
class TUnitLoader {
public:
    // FileName as given to the load (for the unit's name and for messages); DiskPath as found.
    TUnitLoader(TVCLDB& Owner, const std::string& FileName, const std::string& DiskPath);
    int Run();

private:
    void OnUses(TUnitParser& Sender);
    void OnClass(TUnitParser& Sender);
    void OnMethod(TUnitParser& Sender) { AddMember(Sender.MethodName, Sender, KindMethod); }
    void OnProperty(TUnitParser& Sender) { AddMember(Sender.PropertyName, Sender, KindProperty); }
    void OnField(TUnitParser& Sender) { AddMember(Sender.FieldName, Sender, KindField); }
    void OnImplementation(TUnitParser& Sender);
    void AddMember(const std::string& Name, const TUnitParser& Sender, int Kind);

    bool ResolveLocalAncestors();
    [[noreturn]] void AncestorMissing(const TClassDefObj& Class);
    void CheckForCycle();
    int InsertUnit();
    void InsertClasses(int UnitID);
    void InsertMembers(int UnitID);
    // Writing the rows of a large unit takes a while too: OnProgress every RowsPerProgress rows,
    // so a window can repaint and stop the load then (small units see no extra calls).
    void RowWritten() {
        if (++FRowsWritten % RowsPerProgress == 0) FOwner.OnProgress(FOwner);
    }
    static constexpr int RowsPerProgress = 1024;
    int FRowsWritten = 0;

    TVCLDB& FOwner;
    SQLite::Database& FDb;
    std::string FFileName;
    std::string FDiskPath;
    TUnitParser Parser;
    std::vector<TStringItem> UsesList;
    std::vector<TClassDefObj> ClassDefs;
    std::vector<TMVDefObj> MVDefs;
    int CurrentClassIndex = -1;

    // Indexes over the collections, so that each event and each resolution step is a lookup.
    std::unordered_map<std::string, std::vector<int>> FClassesByName;        // exact name
    std::unordered_map<std::string, int> FFirstClassByUpperName;             // for ancestors
    std::vector<std::unordered_map<std::string, int>> FFirstMemberOfClass;   // exact name
    TLoadStatements& FSql;
};

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
}

void TUnitLoader::OnUses(TUnitParser& Sender) {
    FSql.UnitsByName.tryReset();
    FSql.UnitsByName.bind(1, Sender.UsesUnit);
    while (FSql.UnitsByName.executeStep()) {
        TUnitRow row = ReadUnitRow(FSql.UnitsByName);
        UsesList.push_back({row.Name, row.ID});
    }
}

// A class found in the database wins over one of the unit being loaded; among several, the
// one of the unit named last in the uses lists.
void TUnitLoader::OnClass(TUnitParser& Sender) {
    TClassDefObj def;
    def.Name = Sender.TypeName;
    def.IntLN = Sender.ItemLine;
    if (def.Name == "TObject") {
        def.AncestorID = 0;
    } else {
        def.AncestorName = Sender.AncestorName;
        FSql.ParsingQuery.tryReset();
        FSql.ParsingQuery.bind(1, UpperCase(def.AncestorName));
        std::vector<TClassRow> rows;
        while (FSql.ParsingQuery.executeStep()) rows.push_back(ReadClassRow(FSql.ParsingQuery));
        if (rows.size() == 1) {
            def.AncestorID = rows.front().ID;
        } else if (rows.size() > 1) {
            for (auto used = UsesList.rbegin(); used != UsesList.rend() && def.AncestorID < 0; ++used)
                for (const TClassRow& row : rows)
                    if (row.UnitID == used->ID) {
                        def.AncestorID = row.ID;
                        break;
                    }
        }
    }
    CurrentClassIndex = int(ClassDefs.size());
    FClassesByName[def.Name].push_back(CurrentClassIndex);
    FFirstClassByUpperName.emplace(UpperCase(def.Name), CurrentClassIndex);
    FFirstMemberOfClass.emplace_back();
    ClassDefs.push_back(std::move(def));
    FOwner.OnProgress(FOwner);
}

void TUnitLoader::AddMember(const std::string& Name, const TUnitParser& Sender, int Kind) {
    // A member before any class cannot be announced by the parser; guard all the same.
    if (CurrentClassIndex < 0) return;
    FFirstMemberOfClass[size_t(CurrentClassIndex)].emplace(Name, int(MVDefs.size()));
    MVDefs.push_back({Name, Sender.ItemLine, NoImpLN, Sender.Visibility + Kind, CurrentClassIndex});
}

// The first class of that exact name that declares a member of that exact name gets the line;
// a method implemented twice keeps the later heading.
void TUnitLoader::OnImplementation(TUnitParser& Sender) {
    auto classes = FClassesByName.find(Sender.TypeName);
    if (classes == FClassesByName.end()) return;
    for (int classIndex : classes->second) {
        const auto& members = FFirstMemberOfClass[size_t(classIndex)];
        auto member = members.find(Sender.MethodName);
        if (member == members.end()) continue;
        MVDefs[size_t(member->second)].ImpLN = Sender.ItemLine;
        FOwner.OnProgress(FOwner);
        return;
    }
}

void TUnitLoader::AncestorMissing(const TClassDefObj& Class) {
    throw EVCLDBError(Format("Unable to locate ancestor class %s.\rThe Unit which defines this class "
                             "must be loaded first.",
                             {UpperCase(Class.AncestorName)}),
                      dbeLoad);
}

bool TUnitLoader::ResolveLocalAncestors() {
    bool changed = false;
    for (TClassDefObj& def : ClassDefs) {
        if (def.AncestorID >= 0) continue;
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
        if (ClassDefs[start].ID >= 0) continue;
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
    insert.exec();
    return int(FDb.getLastInsertRowid());
}

void TUnitLoader::InsertClasses(int UnitID) {
    SQLite::Statement& insert = FSql.InsertClass;
    for (;;) {
        bool inserted = false;
        for (TClassDefObj& def : ClassDefs) {
            if (def.ID != -1 || def.AncestorID < 0) continue;
            insert.tryReset();
            insert.bindNoCopy(1, def.Name);
            insert.bind(2, UnitID);
            insert.bind(3, def.IntLN);
            insert.bind(4, def.AncestorID);
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
        insert.tryReset();  // a refused insert leaves its error in the statement until reset
        insert.bind(1, owner.ID);
        insert.bindNoCopy(2, member.Name);  // the text outlives the step
        insert.bind(3, member.Flags);
        insert.bind(4, member.IntLN);
        insert.bind(5, member.ImpLN);
        insert.bind(6, UnitID);
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
        Parser.Parse(FDiskPath);
    } catch (const EUnitParserError& e) {
        // A unit of today's Object Pascal: say where the rules that read it are turned on.
        if (Parser.Dialect == TDialect::Delphi2 && ModernDialectReads(FDiskPath, ReadFileBytes(FDiskPath)))
            throw EUnitParserError(e.Message() + "\r" + ModernDialectHint, e.HelpContext(), e.Reason());
        throw;
    }
    if (ClassDefs.empty())
        throw EVCLDBError(Format("%s has no class definitions and will not be loaded", {FFileName}), dbeLoad);
    ResolveLocalAncestors();

    // Inside a batch, a unit that fails while being written is taken out again (journaling every
    // page of every unit for a savepoint would cost a fifth of the load); should even that fail,
    // the batch refuses to commit.
    int unitID = 0;
    try {
        unitID = InsertUnit();
        InsertClasses(unitID);
        InsertMembers(unitID);
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
            throw EVCLDBError(Format("The Unit \"%s\" has already been added", {FileName}), dbeLoad);
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
