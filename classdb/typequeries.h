// What the class database knows of types beyond their ancestors: the interfaces a class
// implements, level by level, the classes that implement an interface and their methods of a name,
// the helpers of a type and the members they add, an interface's GUID.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dbrows.h"

namespace qm {

class TVCLDB;

// An interface or a dispinterface (TClassRow::Kind).
bool IsInterfaceKind(int Kind);
// "Class", "Interface", "Record helper"...: the kind as a heading names it.
std::string KindCaption(int Kind);

// An interface a class names in its heritage list: Level 1 for the class asked about, 2 for its
// ancestor... InterfaceID 0 when the interface is not loaded (Name is as written).
struct TImplementedInterface {
    int Level = 0;
    int ClassID = 0;
    std::string ClassName;
    int InterfaceID = 0;
    std::string Name;
    std::string UnitName;  // the interface's unit, empty when it is not loaded
};

// A hierarchy to draw: the rows of TVCLDB::ListHierarchy, then, when asked for, the types joined
// to them by implementing (each once, at depth 0): the interfaces the classes name, or the classes
// that implement the interfaces directly.
struct THierarchyRows {
    TDescendants Rows;
    std::vector<bool> Interface;                     // per row: an interface or dispinterface
    std::vector<std::pair<size_t, size_t>> Implements;  // rows: an interface, a class implementing it
};

class TTypeQueries {
public:
    explicit TTypeQueries(TVCLDB& Db) : FDb(Db) {}

    // The class's interfaces and its ancestors', nearest level first, each level in the order
    // of its heritage list.
    std::vector<TImplementedInterface> Interfaces(int ClassID);
    // The classes that name the interface in their heritage list (by name where it was not
    // loaded then), by name, each at depth 0 followed by its descendants (which implement it
    // through it) unless Direct.
    TDescendants Implementers(int InterfaceID, bool Direct);
    // Where a call of the interface's method Name can lead: for each class implementing the
    // interface or one derived from it, and each class derived from such a class, the nearest class
    // up its chain that declares Name, each once, sorted by class name (ignoring case, then id).
    TOverrides Implementations(int InterfaceID, const std::string& Name);
    // The helpers of the type and of its ancestors (by id, or by name where the helped type was not
    // loaded then), nearest level first, each level in load order.
    std::vector<int> Helpers(int ClassID);
    // The interface's GUID as declared; empty when it declares none.
    std::string Guid(int ClassID);
    // The class's members with everything it inherits (TVCLDB::ListClassMembers); with
    // Filter.ShowInterfaces each level's interfaces after that level's members, with
    // Filter.ShowHelpers the members its helpers add, as Filter admits them, at the end.
    void ListClassMembers(int ClassID, TMemberItems& Items, const TMemberFilter& Filter);
    THierarchyRows Hierarchy(int ClassID, bool Implementers);

private:
    TVCLDB& FDb;
};

}  // namespace qm
