#include "classforest.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>

#include "asciitext.h"

namespace qm {

void TClassForest::Add(int ClassID, std::string Name, int UnitID, int AncestorID) {
    TNode node;
    node.Row.ClassID = ClassID;
    node.Row.Name = std::move(Name);
    node.Row.UnitID = UnitID;
    node.AncestorID = AncestorID;
    FIndex.emplace(ClassID, FNodes.size());
    FNodes.push_back(std::move(node));
    FLinked = false;
}

void TClassForest::Read(SQLite::Statement& Classes, SQLite::Database& Db) {
    while (Classes.executeStep())
        Add(Classes.getColumn(0).getInt(), Classes.getColumn(1).getString(), Classes.getColumn(2).getInt(),
            Classes.getColumn(3).getInt());
    SQLite::Statement units(Db, "select ID, Name from UNITS");
    while (units.executeStep()) AddUnit(units.getColumn(0).getInt(), units.getColumn(1).getString());
}

void TClassForest::Link() {
    for (TNode& node : FNodes) node.Children.clear();
    for (size_t i = 0; i < FNodes.size(); ++i)
        if (const auto parent = FIndex.find(FNodes[i].AncestorID); parent != FIndex.end())
            FNodes[parent->second].Children.push_back(i);
    for (TNode& node : FNodes)
        std::sort(node.Children.begin(), node.Children.end(), [&](size_t a, size_t b) {
            const int order = CompareText(FNodes[a].Row.Name, FNodes[b].Row.Name);
            return order != 0 ? order < 0 : FNodes[a].Row.ClassID < FNodes[b].Row.ClassID;
        });
    FLinked = true;
}

void TClassForest::List(const std::vector<int>& Roots, int MaxDepth, TDescendants& Tree) {
    if (!FLinked) Link();
    for (const int id : Roots) {
        const auto root = FIndex.find(id);
        if (root == FIndex.end()) continue;
        // Depth first without recursion: a deep tree needs no deep stack.
        std::vector<std::pair<size_t, int>> stack{{root->second, 0}};
        std::vector<std::pair<size_t, int>> order;  // node, depth
        while (!stack.empty()) {
            const auto [at, depth] = stack.back();
            stack.pop_back();
            order.emplace_back(at, depth);
            const auto& children = FNodes[at].Children;
            for (auto child = children.rbegin(); child != children.rend(); ++child)
                if (*child != root->second) stack.emplace_back(*child, depth + 1);
        }
        // Counts from the end: a class's subtree follows it in depth-first order.
        std::unordered_map<size_t, int> below;
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            int count = 0;
            for (size_t child : FNodes[it->first].Children)
                if (child != root->second) count += below[child] + 1;
            below[it->first] = count;
        }
        for (const auto& [at, depth] : order) {
            if (MaxDepth >= 0 && depth > MaxDepth) continue;
            TDescendant row = FNodes[at].Row;
            row.Depth = depth;
            row.Descendants = below[at];
            if (const auto unit = FUnits.find(row.UnitID); unit != FUnits.end()) row.UnitName = unit->second;
            Tree.push_back(std::move(row));
        }
    }
}

}  // namespace qm
