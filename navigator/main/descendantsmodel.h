// The Descendants page's tree as a model over the class database's depth-first list: no item is
// made, and a cell's text is decoded only when a view asks for it, so a tree of thousands of
// classes costs no more to show than the rows in sight.
#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "dbrows.h"

namespace qm {

class TDescendantsModel : public QAbstractItemModel {
public:
    static constexpr int ClassIDRole = Qt::UserRole + 1;
    enum TColumn { ClassColumn, UnitColumn, CountColumn, ColumnCount };

    using QAbstractItemModel::QAbstractItemModel;

    // Tree comes depth first, as ListDescendants gives it; its first entry is the root.
    void SetTree(TDescendants Tree);
    const TDescendants& Tree() const { return FTree; }
    // The index of the Tree's entry Node, column 0.
    QModelIndex IndexOf(size_t Node) const;

    QModelIndex index(int Row, int Column, const QModelIndex& Parent = {}) const override;
    QModelIndex parent(const QModelIndex& Child) const override;
    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role = Qt::DisplayRole) const override;

private:
    // Index into FTree of the node Index stands for.
    static size_t Node(const QModelIndex& Index) { return size_t(Index.internalId()); }
    // The entries of the nodes below Node (npos: the top level), in order.
    const std::vector<size_t>& Children(size_t Node) const;

    TDescendants FTree;
    std::vector<size_t> FParent;                 // per node; npos for the root
    std::vector<int> FRow;                       // per node: its row under its parent
    std::vector<std::vector<size_t>> FChildren;  // per node
    std::vector<size_t> FTop;                    // the root, when there is one
};

}  // namespace qm
