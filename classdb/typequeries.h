// What the class database knows of types beyond their ancestors: the interfaces a class
// implements, level by level, and the classes that implement an interface.
#pragma once

#include <string>
#include <vector>

#include "dbrows.h"

namespace qm {

class TVCLDB;

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

private:
    TVCLDB& FDb;
};

}  // namespace qm
