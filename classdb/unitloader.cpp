// LoadUnit: parse a unit, collect its classes and members in memory, resolve every ancestor,
// then write the unit, its classes in dependency order and its members in one transaction.
// The unit's path is stored as its file was found, so that the path names that one file.
#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "asciitext.h"
#include "format.h"
#include "loadstatements.h"
#include "memberlist.h"
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
    if (rows.empty()) {
        const auto same = [&](const std::string& Name) { return SameText(Name, Sender.UsesUnit); };
        if (std::none_of(FUnloadedUses.begin(), FUnloadedUses.end(), same)) FUnloadedUses.push_back(Sender.UsesUnit);
        return;
    }
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
// one of the unit named last in the uses lists. In today's Object Pascal a unit's own declaration
// hides a used unit's, as the compiler sees it: a type this unit declared before is the one named.
void TUnitLoader::OnClass(TUnitParser& Sender) {
    // An interface without a heritage list derives from the interface IInterface (IUnknown in
    // Free Pascal's sources) where one is known, never from a class of that name (Delphi 2.0's
    // OLE units declare IUnknown as a class); records, objects and helpers without one from nothing.
    int implicitAncestor = 0;  // when one is chosen: its id, or -1 for the unit's own
    if (Sender.TypeKind == TTypeKind::Interface && Sender.AncestorName.empty())
        for (const char* implicit : {"IInterface", "IUnknown"}) {
            if (SameText(Sender.TypeName, implicit)) break;
            const int id = StoredClass(implicit, 0, TTypeKind::Interface);
            const auto local = FClassesByUpperName.find(UpperCase(implicit));
            const bool stored = id >= 0 && StoredTraits(id).second == int(TTypeKind::Interface);
            const bool own = local != FClassesByUpperName.end() &&
                             std::any_of(local->second.begin(), local->second.end(), [&](int i) {
                                 return ClassDefs[size_t(i)].Kind == TTypeKind::Interface;
                             });
            if (!stored && !own) continue;
            Sender.AncestorName = implicit;
            implicitAncestor = stored && !(FModern && own) ? id : -1;
            break;
        }
    const bool root = Sender.TypeName == "TObject" || Sender.AncestorName.empty();
    if (!root && implicitAncestor == 0 && FModern && DeclaredHere(Sender.AncestorName, Sender.AncestorArity)) implicitAncestor = -1;
    AddClass(Sender, root                    ? 0
                     : implicitAncestor != 0 ? implicitAncestor
                                             : StoredClass(Sender.AncestorName, Sender.AncestorArity, Sender.TypeKind));
}

bool TUnitLoader::DeclaredHere(const std::string& Name, int Arity) const {
    const auto named = FClassesByUpperName.find(UpperCase(Name));
    return named != FClassesByUpperName.end() && std::any_of(named->second.begin(), named->second.end(), [&](int i) {
               return !ClassDefs[size_t(i)].Skipped && ClassDefs[size_t(i)].Arity == Arity;
           });
}

// AncestorID: the ancestor's id in the database, 0 for none (TObject), -1 when it is to be found
// among the unit's own classes.
void TUnitLoader::AddClass(const TUnitParser& Sender, int AncestorID) {
    TClassDefObj def;
    def.Name = Sender.TypeName;
    def.QualifiedName = Sender.TypeName;
    if (FModern) {
        // A type the compiler would refuse as declared twice (both branches of a condition this
        // reading cannot decide): the first declaration stands, the others and their members are
        // passed over. Generic arity and the outer type make declarations of one name distinct.
        if (!Sender.QualifiedName.empty()) def.QualifiedName = Sender.QualifiedName;
        if (!FIdentities.insert(UpperCase(def.QualifiedName) + '/' + std::to_string(Sender.TypeArity)).second) {
            CurrentClassIndex = -1;
            return;
        }
        def.Kind = Sender.TypeKind;
        def.Arity = Sender.TypeArity;
        def.AncestorArity = Sender.AncestorArity;
        def.OuterName = Sender.OuterName;
        def.HelpedType = Sender.HelpedType;
        def.Guid = Sender.InterfaceGuid;
        def.Interfaces = Sender.Interfaces;
        def.Flags = Sender.TypeInfo ? ClassFlagTypeInfo : 0;
    }
    def.IntLN = Sender.ItemLine;
    def.File = ItemFile(Sender);
    def.Local = Sender.InImplementation;
    if (def.Name != "TObject") def.AncestorName = Sender.AncestorName;
    def.AncestorID = AncestorID;
    CurrentClassIndex = int(ClassDefs.size());
    FClassesByName[def.Name].push_back(CurrentClassIndex);
    FClassesByUpperName[UpperCase(def.Name)].push_back(CurrentClassIndex);
    FFirstMemberOfClass.emplace_back();
    FOverloadsOfClass.emplace_back();
    ClassDefs.push_back(std::move(def));
    FOwner.OnProgress(FOwner);
}

int TUnitLoader::StoredClass(const std::string& Name, int Arity, std::optional<TTypeKind> Kind) {
    FSql.ParsingQuery.tryReset();
    FSql.ParsingQuery.bind(1, UpperCase(Name));
    std::vector<TClassRow> rows;
    while (FSql.ParsingQuery.executeStep()) {
        TClassRow row = ReadClassRow(FSql.ParsingQuery);
        if (Replaces == 0 || row.UnitID < Replaces) rows.push_back(std::move(row));
    }
    // TEvent and TEvent<T> are two types: the arguments written choose. A type derives from one
    // of its own kind: a class from System's class TObject, not from the object type of the unit
    // Objects.
    auto prefer = [&](auto&& Fits) {
        if (std::any_of(rows.begin(), rows.end(), Fits)) std::erase_if(rows, [&](const TClassRow& Row) { return !Fits(Row); });
    };
    prefer([&](const TClassRow& Row) { return Row.Arity == Arity; });
    if (Kind) prefer([&](const TClassRow& Row) { return Row.Kind == int(*Kind); });
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
    if (FClassesByUpperName.count(UpperCase(Sender.TypeName))) return;
    const int stored = StoredClass(Sender.AncestorName);
    auto local = FClassesByUpperName.find(UpperCase(Sender.AncestorName));
    if (stored < 0 && local == FClassesByUpperName.end()) return;
    AddClass(Sender, stored);
    // An alias is of the kind of the type it names: "IInterface = IUnknown;" is an interface.
    if (CurrentClassIndex >= 0)
        ClassDefs[size_t(CurrentClassIndex)].Kind =
            stored >= 0 ? TTypeKind(StoredTraits(stored).second) : ClassDefs[size_t(local->second.front())].Kind;
    CurrentClassIndex = -1;  // members that follow belong to no class
}

void TUnitLoader::AddMember(const std::string& Name, const TUnitParser& Sender, int Kind) {
    // A member before any class cannot be announced by the parser; guard all the same.
    if (CurrentClassIndex < 0) return;
    const int index = int(MVDefs.size());
    FFirstMemberOfClass[size_t(CurrentClassIndex)].emplace(Name, index);
    TMVDefObj def{Name, Sender.ItemLine, NoImpLN, Sender.Visibility + Kind, CurrentClassIndex, ItemFile(Sender), 0, {}};
    if (FModern) {
        if (Sender.ClassMember) def.Flags |= MemberClass;
        if (Sender.Redeclared) def.Flags |= MemberRedeclared;
        def.DefaultVisibility = Sender.DefaultVisibility;
    }
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

// The modern reading names the units of the uses clauses that are not loaded, where the ancestor
// must come from; the Delphi 2.0 reading keeps its message as it always was.
void TUnitLoader::AncestorMissing(const TClassDefObj& Class) {
    std::string message = Format("Unable to locate ancestor class %s.\rThe Unit which defines this class "
                                 "must be loaded first.",
                                 {UpperCase(Class.AncestorName)});
    if (FModern && !FUnloadedUses.empty()) {
        std::string names;
        for (const std::string& name : FUnloadedUses) names += (names.empty() ? "" : ", ") + name;
        message += Format(FUnloadedUses.size() == 1 ? " It uses %s, which is not loaded." : " It uses %s, which are not loaded.",
                          {names});
    }
    throw EAncestorMissing(message);
}

// A class of the implementation section whose ancestor is nowhere to be found (it comes from a
// unit that only this unit's implementation uses, which may in turn use this one) is passed over
// with a message, and so are the unit's classes derived from it; the rest of the unit loads.
// Modern dialect only: in the Delphi 2.0 rules the load fails as ever.
int TUnitLoader::LocalAncestor(size_t ClassIndex) const {
    const TClassDefObj& def = ClassDefs[ClassIndex];
    auto named = FClassesByUpperName.find(UpperCase(def.AncestorName));
    if (named == FClassesByUpperName.end()) return -1;
    int found = -1;
    for (int i : named->second) {
        if (size_t(i) == ClassIndex) continue;
        if (ClassDefs[size_t(i)].Arity == def.AncestorArity) return i;
        if (found < 0) found = i;
    }
    return found;
}

void TUnitLoader::PassOverLocalOrphans() {
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = 0; i < ClassDefs.size(); ++i) {
            TClassDefObj& def = ClassDefs[i];
            if (def.AncestorID >= 0 || def.Skipped || !def.Local || def.Kind != TTypeKind::Class) continue;
            const int ancestor = LocalAncestor(i);
            if (ancestor >= 0 && !ClassDefs[size_t(ancestor)].Skipped) continue;
            def.Skipped = changed = true;
            FToTell.push_back(Format("Class %s in the implementation of %s is passed over: its ancestor %s "
                                     "is not loaded",
                                     {def.Name, FFileName, def.AncestorName}));
        }
    }
}

bool TUnitLoader::ResolveLocalAncestors() {
    bool changed = false;
    for (size_t i = 0; i < ClassDefs.size(); ++i) {
        TClassDefObj& def = ClassDefs[i];
        if (def.AncestorID >= 0 || def.Skipped) continue;
        const int ancestor = LocalAncestor(i);
        changed = true;
        if (ancestor < 0 && def.Kind != TTypeKind::Class) {
            // An interface, record or object whose ancestor is not loaded still loads, at the top
            // of its own tree; the ancestor's name is kept (RelationInherits).
            def.AncestorID = 0;
            def.AncestorUnresolved = true;
            continue;
        }
        if (ancestor < 0) AncestorMissing(def);
        def.AncestorID = ClassDefs[size_t(ancestor)].ID;
    }
    return changed;
}

// Classes that could not be inserted although every pass resolved what it could: their
// ancestors form a cycle within the unit. The first class that lies on a cycle is named.
void TUnitLoader::CheckForCycle() {
    auto ancestorOf = [&](size_t i) { return size_t(LocalAncestor(i)); };
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
    // The Delphi 2.0 rules name a unit after its file, up to the first dot; a modern unit is
    // named as it declares itself ("unit Lib.Alpha;"), else after its file without the extension.
    if (size_t dot = FModern ? name.rfind('.') : name.find('.'); dot != std::string::npos) name.erase(dot);
    if (FModern && !Parser.UnitName.empty()) name = Parser.UnitName;
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
            insert.bind(6, int(def.Kind));
            insert.bind(7, def.Arity);
            insert.bindNoCopy(8, def.QualifiedName);
            // Run-time type information is inherited: TPersistent's descendants have it too.
            if (FModern) def.Flags |= AncestorFlags(def.AncestorID) & ClassFlagTypeInfo;
            insert.bind(9, def.Flags);
            insert.exec();
            def.ID = int(FDb.getLastInsertRowid());
            inserted = true;
            RowWritten();
        }
        if (!ResolveLocalAncestors()) return;
        if (!inserted) CheckForCycle();
    }
}

int TUnitLoader::AncestorFlags(int AncestorID) {
    if (AncestorID <= 0) return 0;
    for (const TClassDefObj& def : ClassDefs)
        if (def.ID == AncestorID) return def.Flags;
    return StoredTraits(AncestorID).first;
}

std::pair<int, int> TUnitLoader::StoredTraits(int ClassID) {
    FSql.ClassTraits.tryReset();
    FSql.ClassTraits.bind(1, ClassID);
    if (!FSql.ClassTraits.executeStep()) return {0, 0};
    return {FSql.ClassTraits.getColumn(0).getInt(), FSql.ClassTraits.getColumn(1).getInt()};
}

// The names a type's declaration gives besides its ancestor, each by id where this unit or the
// database holds the type: its outer type, the type it helps, the interfaces it implements; and an
// interface's GUID, which names no type.
void TUnitLoader::InsertRelations(const TClassDefObj& Class) {
    auto relate = [&](int Kind, int Position, const std::string& Target) {
        int id = 0;
        if (Kind != RelationGuid)
            for (const TClassDefObj& def : ClassDefs)
                if (def.ID >= 0 && SameText(Kind == RelationNestedIn ? def.QualifiedName : def.Name, Target)) {
                    id = def.ID;
                    break;
                }
        if (id == 0 && Kind != RelationNestedIn && Kind != RelationGuid)
            id = std::max(StoredClass(Target, 0, Kind == RelationImplements ? std::optional(TTypeKind::Interface) : std::nullopt), 0);
        FSql.InsertRelation.tryReset();
        FSql.InsertRelation.bind(1, Class.ID);
        FSql.InsertRelation.bind(2, Kind);
        FSql.InsertRelation.bind(3, Position);
        FSql.InsertRelation.bind(4, id);
        FSql.InsertRelation.bind(5, Target);
        FSql.InsertRelation.exec();
        RowWritten();
    };
    if (!Class.OuterName.empty()) relate(RelationNestedIn, 0, Class.OuterName);
    if (Class.AncestorUnresolved) relate(RelationInherits, 0, Class.AncestorName);
    if (!Class.HelpedType.empty()) relate(RelationHelps, 0, Class.HelpedType);
    for (size_t i = 0; i < Class.Interfaces.size(); ++i) relate(RelationImplements, int(i), Class.Interfaces[i]);
    if (!Class.Guid.empty()) relate(RelationGuid, 0, Class.Guid);
}

void TUnitLoader::InsertMembers(int UnitID) {
    SQLite::Statement& insert = FSql.InsertMember;
    for (const TMVDefObj& member : MVDefs) {
        const TClassDefObj& owner = ClassDefs[size_t(member.ClassIndex)];
        if (owner.Skipped) continue;
        int flags = member.Flags;
        // Published where the class has run-time type information, else public.
        if (member.DefaultVisibility && !(owner.Flags & ClassFlagTypeInfo)) flags += VisPublic - VisPublished;
        insert.tryReset();  // a refused insert leaves its error in the statement until reset
        insert.bind(1, owner.ID);
        insert.bindNoCopy(2, member.Name);  // the text outlives the step
        insert.bind(3, flags);
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
        if (!FModern) {
            FOwner.OnMessage(FOwner, Format("Internal Error: Key Violation on %d, %s", {owner.ID, member.Name}));
            continue;
        }
        FOwner.OnMessage(FOwner, Format("%s: %s is declared twice with the same parameters; the later declaration is "
                                        "passed over",
                                        {FFileName, MemberSignature(owner.QualifiedName + "." + member.Name, member.Params)}));
    }
}

void TUnitLoader::Parse() {
    try {
        Parser.ParseText(FDiskPath, ReadStampedSource(FDiskPath, FStamp));
    } catch (const EUnitParserError& e) {
        // A unit of today's Object Pascal: say where the rules that read it are turned on. What
        // stopped the parse tells, without reading the unit a second time.
        if (Parser.Dialect == TDialect::Delphi2 && Parser.StoppedAtModern)
            throw EUnitParserError(e.Message() + "\r" + ModernDialectHint, e.HelpContext(), e.Reason());
        throw;
    }
    if (ClassDefs.empty())
        throw EUnitWithoutClasses(Format("%s has no class definitions and will not be loaded", {FFileName}));
    if (FModern) PassOverLocalOrphans();
    ResolveLocalAncestors();
}

int TUnitLoader::Write() {
    // Inside a batch, a unit that fails while being written is taken out again (journaling every
    // page of every unit for a savepoint would cost a fifth of the load); should even that fail,
    // the batch refuses to commit.
    int unitID = 0;
    try {
        unitID = InsertUnit();
        InsertFiles(unitID);
        InsertClasses(unitID);
        if (FModern)
            for (const TClassDefObj& def : ClassDefs)
                if (!def.Skipped) InsertRelations(def);
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
