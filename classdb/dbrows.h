// Rows of the three tables as the class database hands them out, and the shared records.
#pragma once

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace qm {

// A member without an implementation line.
constexpr int NoImpLN = INT_MAX;

// No real class library nests classes this deep; a walk up the ancestors that goes further is
// running round a cycle.
constexpr int MaxAncestorDepth = 10000;

enum : int {
    KindMethod = 1,
    KindProperty = 2,
    KindField = 4,
};

// More bits of a member's Flags (modern Object Pascal): a class (static) member, and a property
// named again in a descendant to change its visibility or specifiers.
enum : int {
    MemberClass = 512,
    MemberRedeclared = 1024,
};

// Rows of a member listing that are no member (never stored): an interface that the level's
// class names (Flags ListedInterface, no visibility), and a member a helper adds (Level
// HelperLevel, ClassName the helper's).
enum : int { ListedInterface = 2048 };
inline constexpr int HelperLevel = 0;

// RELATIONS.Kind: what a type's declaration names besides its ancestor.
enum : int {
    RelationImplements = 1,  // an interface of its heritage list (Position: its place there)
    RelationHelps = 2,       // the type a helper helps
    RelationNestedIn = 3,    // the type it is declared in (TargetName: that type's QualifiedName)
    RelationInherits = 4,    // an ancestor not loaded when the type was (not for classes)
    RelationGuid = 5,        // an interface's GUID (TargetName), which names no type (TargetID 0)
};

// The stamp of a file as read (see TFileStamp), the dialect it was read in (TDialect) and how
// many times it has been re-read.
struct TUnitRow {
    int ID = 0;
    std::string Name;
    std::string Path;
    long long Size = 0;
    long long MTime = 0;
    long long Hash = 0;
    int ProjectID = 0;
    int Dialect = 0;
    int Generation = 0;
};

// FileID, IntFileID and ImpFileID name the file a line counts in: 0 for the unit's own file,
// else one of the unit's include files (GetFilePath).
// A class compiled with run-time type information ({$M+}), as TPersistent is: members before
// the first visibility section of it and of every class derived from it are published.
inline constexpr int ClassFlagTypeInfo = 1;

struct TClassRow {
    int ID = 0;
    std::string Name;
    int UnitID = 0;
    int IntLN = 0;
    int AncestorID = 0;
    int FileID = 0;
    int Kind = 0;  // TTypeKind
    // Generic parameters: TEvent and TEvent<T> are two types. QualifiedName is the name the unit
    // knows the type by: outer types before it, its generic parameters after it ("TDict<K,V>.TKeys").
    int Arity = 0;
    std::string QualifiedName;
    int Flags = 0;  // ClassFlag...
};

struct TMemberRow {
    int ClassID = 0;
    std::string Name;
    int Flags = 0;
    int IntLN = 0;
    int ImpLN = NoImpLN;
    int UnitID = 0;
    int IntFileID = 0;
    int ImpFileID = 0;
    // The parameter types of a method of modern Object Pascal as the parser normalises them
    // ("(INTEGER;VAR)"), which tell overloads apart; empty for every other member.
    std::string Params;
};

// A text with an id attached, as lists of units, classes and search results carry them.
struct TStringItem {
    std::string Text;
    int ID = 0;
};
using TStringItems = std::vector<TStringItem>;

// The answer of the line context and of identifier resolution.
struct TLineInfoRec {
    enum TKind : unsigned char {
        ClassHeading = 0,
        ImplementationHeading = 1,
        InsideImplementation = 2,
        MemberDeclaration = 3,
        InsideClass = 4,
        Unknown = 5,
    };
    TKind Kind = Unknown;
    std::string ClassName;
    std::string MemberName;
    int LineNumber = 0;
    int ClassID = 0;
    int UnitID = 0;
    int FileID = 0;  // the file LineNumber counts in (see TClassRow)
    // The line context: the parameters of the member on the line (an overload's own).
    std::string MemberParams;
    // Found: the member has this many overloads (rows of its name) in its class, and the line did
    // not tell which one is meant; the place is the first one's.
    int Overloads = 0;
    bool Found = false;
    bool Ambiguous = false;
    // The word was INHERITED or OVERRIDE, which lead up the ancestors and never to help. Not
    // found with a ClassID: OVERRIDE, and no ancestor (ClassID, the first one) has the member.
    bool Keyword = false;
};

// The Filters menu's check marks.
struct TMemberFilter {
    bool ShowProperties = true;
    bool ShowMethods = true;
    bool ShowFields = true;
    bool ShowPrivate = true;
    bool ShowProtected = true;
    bool ShowPublic = true;
    bool ShowPublished = true;
    // Properties a class names again to change their visibility (see ListClassMembers).
    bool ShowRedeclared = true;
    // Rows that are not the class's members, which TTypeQueries::ListClassMembers adds: the
    // interfaces each level names, and the members its helpers add.
    bool ShowInterfaces = false;
    bool ShowHelpers = false;
};

// A place in the sources: a unit and a line of it, counted from 1 as everywhere the user sees
// lines, in the unit's own file (FileID 0) or in one of its include files.
struct TPlace {
    int UnitID = 0;
    int Line = 1;
    int FileID = 0;
    bool operator==(const TPlace&) const = default;
};

// Where a member leads: its implementation, else its declaration.
inline TPlace TargetPlace(const TMemberRow& Row) {
    if (Row.ImpLN == NoImpLN) return {Row.UnitID, Row.IntLN, Row.IntFileID};
    return {Row.UnitID, Row.ImpLN, Row.ImpFileID};
}

// One row of a class's member listing: the member as stored, the class that declares it and
// the level of that class (1 for the class listed, 2 for its ancestor...). Flags gives the
// visibility and the kind (VisibilityName and KindName in memberlist.h name them).
struct TMemberItem {
    std::string Name;
    int ClassID = 0;
    std::string ClassName;
    int Level = 0;
    int Flags = 0;
    TPlace Place;  // where the row leads (TargetPlace): each overload to its own lines
};
using TMemberItems = std::vector<TMemberItem>;

// One class of a descendants tree, listed depth first: Depth 0 is the class asked about, its
// direct descendants are at 1. Descendants counts every class below this one, directly or not.
struct TDescendant {
    int ClassID = 0;
    std::string Name;
    int UnitID = 0;
    std::string UnitName;
    int Depth = 0;
    int Descendants = 0;
};
using TDescendants = std::vector<TDescendant>;

// A descendant class that declares a member of the name asked for, and where its
// implementation is (its declaration when it has none).
struct TOverride {
    int ClassID = 0;
    std::string ClassName;
    std::string UnitName;
    TPlace Place;
    // False for a class that implements an interface's method under another name (a method
    // resolution clause, "procedure IFoo.Bar = Baz;"): Place is then the class's declaration.
    bool Declares = true;
};
using TOverrides = std::vector<TOverride>;

}  // namespace qm
