#include "descendantsmodel.h"

#include <QFont>
#include <string>

#include "sourcetext.h"

namespace qm {

namespace {

constexpr size_t None = size_t(-1);

}  // namespace

void TDescendantsModel::SetTree(TDescendants Tree) {
    beginResetModel();
    FTree = std::move(Tree);
    FParent.assign(FTree.size(), None);
    FRow.assign(FTree.size(), 0);
    FChildren.assign(FTree.size(), {});
    FTop.clear();
    // The node open at each depth while the list goes down the tree.
    std::vector<size_t> open;
    for (size_t i = 0; i < FTree.size(); ++i) {
        const size_t depth = size_t(FTree[i].Depth);
        open.resize(std::min(open.size(), depth));
        std::vector<size_t>& siblings = open.empty() ? FTop : FChildren[open.back()];
        FParent[i] = open.empty() ? None : open.back();
        FRow[i] = int(siblings.size());
        siblings.push_back(i);
        open.push_back(i);
    }
    endResetModel();
}

const std::vector<size_t>& TDescendantsModel::Children(size_t Node) const {
    return Node == None ? FTop : FChildren[Node];
}

QModelIndex TDescendantsModel::index(int Row, int Column, const QModelIndex& Parent) const {
    if (Column < 0 || Column >= ColumnCount || Row < 0) return {};
    const std::vector<size_t>& children = Children(Parent.isValid() ? Node(Parent) : None);
    if (size_t(Row) >= children.size()) return {};
    return createIndex(Row, Column, quintptr(children[size_t(Row)]));
}

QModelIndex TDescendantsModel::IndexOf(size_t Node) const {
    return Node < FTree.size() ? createIndex(FRow[Node], 0, quintptr(Node)) : QModelIndex();
}

QModelIndex TDescendantsModel::parent(const QModelIndex& Child) const {
    if (!Child.isValid()) return {};
    const size_t up = FParent[Node(Child)];
    if (up == None) return {};
    return IndexOf(up);
}

int TDescendantsModel::rowCount(const QModelIndex& Parent) const {
    if (Parent.isValid() && Parent.column() != 0) return 0;
    return int(Children(Parent.isValid() ? Node(Parent) : None).size());
}

int TDescendantsModel::columnCount(const QModelIndex&) const { return ColumnCount; }

QVariant TDescendantsModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid()) return {};
    const TDescendant& d = FTree[Node(Index)];
    switch (Role) {
        case Qt::DisplayRole:
            if (Index.column() == ClassColumn) return SourceText(d.Name);
            if (Index.column() == UnitColumn) return SourceText(d.UnitName);
            return QString::number(d.Descendants);
        case ClassIDRole:
            return d.ClassID;
        case Qt::FontRole:
            // A heading ("Implemented by") names no class.
            if (d.ClassID != 0) return {};
            {
                QFont Bold;
                Bold.setBold(true);
                return Bold;
            }
        case Qt::TextAlignmentRole:
            if (Index.column() == CountColumn) return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        case Qt::AccessibleDescriptionRole:
            // What a screen reader adds to the name: where in the tree the class stands.
            if (Index.column() != ClassColumn) return {};
            return QStringLiteral("level %1, %2 %3")
                .arg(d.Depth + 1)
                .arg(d.Descendants)
                .arg(d.Descendants == 1 ? QStringLiteral("descendant") : QStringLiteral("descendants"));
        default:
            return {};
    }
}

QVariant TDescendantsModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole) return {};
    switch (Section) {
        case ClassColumn: return QStringLiteral("Class");
        case UnitColumn: return QStringLiteral("Unit");
        case CountColumn: return QStringLiteral("Descendants");
        default: return {};
    }
}

}  // namespace qm
