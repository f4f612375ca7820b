// The transient state of one unit load (unitloader.cpp): the parse collected in memory, then
// written in one go. Private to the class database.
#pragma once

#include <SQLiteCpp/Database.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "dbrows.h"
#include "sourcestamps.h"
#include "unitparser.h"

namespace qm {

class TVCLDB;
struct TLoadStatements;

struct TClassDefObj {
    std::string Name;
    int ID = -1;
    std::string AncestorName;  // empty for TObject
    int IntLN = 0;
    int AncestorID = -1;  // -1 while unresolved or while the ancestor is not yet inserted
    int File = 0;         // index into the load's include files, 0 for the unit's own
    bool Local = false;   // declared in the implementation section (modern dialect)
    bool Skipped = false;
    // Modern dialect (see TUnitParser): what the type is and how the unit names it.
    TTypeKind Kind = TTypeKind::Class;
    int Arity = 0;
    int AncestorArity = 0;
    std::string QualifiedName;  // Name in the Delphi 2.0 rules
    std::string OuterName;
    std::string HelpedType;
    std::string Guid;  // an interface's, as declared
    std::vector<std::string> Interfaces;
    int Flags = 0;  // ClassFlag...: its own {$M+} at first, with its ancestor's once that is known
    bool AncestorUnresolved = false;  // not a class, and its ancestor is not loaded: stored as a root
};

struct TMVDefObj {
    std::string Name;
    int IntLN = 0;
    int ImpLN = NoImpLN;
    int Flags = 0;
    int ClassIndex = 0;
    int IntFile = 0;
    int ImpFile = 0;
    std::string Params;  // methods of the modern dialect only
    // Before any visibility section: published or public by the class's {$M} state (modern).
    bool DefaultVisibility = false;
};

// The transient state of one load.
class TUnitLoader {
public:
    // FileName as given to the load (for the unit's name and for messages); DiskPath as found.
    TUnitLoader(TVCLDB& Owner, const std::string& FileName, const std::string& DiskPath);
    int Run() {
        Parse();
        return Write();
    }
    // Reads the file and collects what it declares; the database is only read, so that no write
    // lock need be held while a long unit is parsed.
    void Parse();
    // Stores what Parse collected; the new unit's id.
    int Write();
    // A unit being re-read (its id): its stored classes, and those of units loaded after it, are
    // no ancestors for the new text, as they were none when it was first loaded.
    int Replaces = 0;

private:
    void OnUses(TUnitParser& Sender);
    const TUnitRow& UnitOnSearchPath(const std::vector<TUnitRow>& Rows) const;
    void OnClass(TUnitParser& Sender);
    // The class of this unit AncestorName names (of the ancestor's arity where several share the
    // name, never the class itself); -1 when none.
    int LocalAncestor(size_t ClassIndex) const;
    // Whether this unit declared a type of the name and generic arity before (and kept it).
    bool DeclaredHere(const std::string& Name, int Arity) const;
    void InsertRelations(const TClassDefObj& Class);
    int AncestorFlags(int AncestorID);
    // Flags and Kind of a stored class.
    std::pair<int, int> StoredTraits(int ClassID);
    void OnMethod(TUnitParser& Sender) { AddMember(Sender.MethodName, Sender, KindMethod); }
    void OnProperty(TUnitParser& Sender) { AddMember(Sender.PropertyName, Sender, KindProperty); }
    void OnField(TUnitParser& Sender) { AddMember(Sender.FieldName, Sender, KindField); }
    void OnImplementation(TUnitParser& Sender);
    void OnTypeAlias(TUnitParser& Sender);
    void AddClass(const TUnitParser& Sender, int AncestorID);
    void OnWarning(TUnitParser& Sender) { FToTell.push_back(Sender.Warning); }
    // The id of the class AncestorName names as OnClass resolves it; -1 when the database has
    // none (or none the uses lists choose).
    int StoredClass(const std::string& Name, int Arity = 0, std::optional<TTypeKind> Kind = std::nullopt);
    void AddMember(const std::string& Name, const TUnitParser& Sender, int Kind);
    // The index of the file the parser's item comes from (0: the unit's own).
    int ItemFile(const TUnitParser& Sender);
    // Which of the class's members of the heading's name the implementation belongs to; -1 none.
    int ImplementedMember(int ClassIndex, const TUnitParser& Sender) const;
    void InsertFiles(int UnitID);

    bool ResolveLocalAncestors();
    void PassOverLocalOrphans();
    [[noreturn]] void AncestorMissing(const TClassDefObj& Class);
    void CheckForCycle();
    int InsertUnit();
    void InsertClasses(int UnitID);
    void InsertMembers(int UnitID);
    // Writing the rows of a large unit takes a while too: OnProgress every RowsPerProgress rows,
    // so a window can repaint and stop the load then (small units see no extra calls).
    void RowWritten();
    static constexpr int RowsPerProgress = 1024;
    int FRowsWritten = 0;

    TVCLDB& FOwner;
    SQLite::Database& FDb;
    std::string FFileName;
    std::string FDiskPath;
    TUnitParser Parser;
    std::vector<TStringItem> UsesList;
    std::vector<std::string> FUnloadedUses;  // named in a uses clause, as written, but not loaded
    std::vector<TClassDefObj> ClassDefs;
    std::vector<TMVDefObj> MVDefs;
    int CurrentClassIndex = -1;

    // Indexes over the collections, so that each event and each resolution step is a lookup.
    std::unordered_map<std::string, std::vector<int>> FClassesByName;        // exact name
    std::unordered_map<std::string, std::vector<int>> FClassesByUpperName;  // for ancestors, in load order
    std::unordered_set<std::string> FIdentities;                            // modern: qualified name and arity
    std::vector<std::unordered_map<std::string, int>> FFirstMemberOfClass;   // exact name
    std::vector<std::unordered_multimap<std::string, int>> FOverloadsOfClass;  // exact name, load order
    bool FModern = false;
    std::vector<std::string> FFiles{std::string()};   // include files as found; [0] the unit's own
    std::unordered_map<std::string, int> FFileIndex;
    std::vector<int> FFileIDs;                        // their ids once written
    std::vector<std::string> FToTell;                 // told once the unit has loaded
    TFileStamp FStamp;                                // of the unit's bytes as parsed
    std::vector<TReadInclude> FIncludes;              // every include file read, stamped
    TLoadStatements& FSql;
};

}  // namespace qm
