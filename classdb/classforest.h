// Classes gathered from the class table, hung below their ancestors in memory and listed depth
// first from one or more roots: the Descendants page's tree and an interface's implementers.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "dbrows.h"

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

namespace qm {

class TClassForest {
public:
    // The classes of a query of ID, Name, UnitID, AncestorID, and the names of every unit.
    void Read(SQLite::Statement& Classes, SQLite::Database& Db);
    void Add(int ClassID, std::string Name, int UnitID, int AncestorID);
    void AddUnit(int UnitID, std::string Name) { FUnits.emplace(UnitID, std::move(Name)); }
    bool Holds(int ClassID) const { return FIndex.count(ClassID) != 0; }
    // Each root's subtree in turn, depth first from Depth 0, the classes of each level sorted by
    // name (ignoring case, then by id), with counts; none below MaxDepth when MaxDepth >= 0. A
    // root is never listed below itself (a cycle of ancestors, in a damaged file only).
    void List(const std::vector<int>& Roots, int MaxDepth, TDescendants& Tree);

private:
    struct TNode {
        TDescendant Row;
        int AncestorID = 0;
        std::vector<size_t> Children;
    };
    void Link();

    std::vector<TNode> FNodes;
    std::unordered_map<int, size_t> FIndex;  // class id -> node
    std::unordered_map<int, std::string> FUnits;
    bool FLinked = false;
};

}  // namespace qm
