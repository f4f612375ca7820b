// The Descendants page: the tree filled when it comes into view, kept as it stood when the rows
// of the class shown change, and a chosen class handed to the window.
#include "descendantspage.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>
#include <vector>

#include "dbrows.h"

#include "descendantsmodel.h"
#include "typequeries.h"
#include "vcldb1.h"

namespace qm {

TDescendantsPage::TDescendantsPage(QTreeView& View, QObject* Parent)
    : QObject(Parent), FView(View), FModel(new TDescendantsModel(this)) {
    FView.setModel(FModel);
    FView.setEditTriggers(QAbstractItemView::NoEditTriggers);
    FView.setSelectionBehavior(QAbstractItemView::SelectRows);
    FView.setUniformRowHeights(true);
    // A double-click opens the class; the branch opens with the arrow keys or its expander.
    FView.setExpandsOnDoubleClick(false);
    FView.header()->setStretchLastSection(false);
    // Enter and a double-click both activate (a single click does not, on every style we use).
    connect(&FView, &QTreeView::activated, this, &TDescendantsPage::Chosen);
    // An opened branch shows its names whole: deeper rows stand further right.
    connect(&FView, &QTreeView::expanded, this, [this] {
        if (!FFilling) FView.resizeColumnToContents(0);
    });
}

void TDescendantsPage::SetClass(int ClassID) {
    if (ClassID == FClassID && !FStale) return;
    FClassID = ClassID;
    FStale = true;
    if (FInView) Fill();
}

void TDescendantsPage::SetInView(bool InView) {
    FInView = InView;
    if (FInView && FStale) Fill();
}

void TDescendantsPage::Invalidate() {
    FStale = true;
    if (FInView) Fill();
}

void TDescendantsPage::Fill() {
    FStale = false;
    // The same class shown again (its rows changed): the branches open, the current class and
    // the scroll position stay where the new tree allows.
    const bool Again = FClassID != 0 && FClassID == FShownClassID;
    const int Current = Again ? CurrentClass() : 0;
    const std::vector<int> Open = Again ? OpenClasses() : std::vector<int>();
    const int Scroll = FView.verticalScrollBar()->value();
    TDescendants Tree;
    if (FClassID != 0 && FDb) FDb->ListDescendants(FClassID, Tree);
    if (Tree.empty()) FClassID = 0;  // gone from the database
    const bool Implemented = FClassID != 0 && IsInterfaceKind(FDb->ClassRecord(FClassID).Kind);
    if (Implemented) AddImplementers(Tree);
    FModel->SetTree(std::move(Tree));
    FShownClassID = FClassID;
    if (FClassID == 0) return;
    // The class and its direct descendants in view, and an interface's direct implementers;
    // deeper branches open on request.
    const QModelIndex Root = FModel->index(0, 0);
    FFilling = true;  // both columns are sized once below
    FView.expand(Root);
    if (Implemented) FView.expand(FModel->index(FModel->rowCount(Root) - 1, 0, Root));
    for (int ClassID : Open)
        if (const QModelIndex At = Find(ClassID); At.isValid()) FView.expand(At);
    FFilling = false;
    FView.setCurrentIndex(Root);
    // A new tree's columns fit the names in sight: a class of a large library has a thousand
    // direct descendants, each laid out to be measured. A branch the user opens widens the column
    // to every name it shows.
    QHeaderView& Header = *FView.header();
    const int Precision = Header.resizeContentsPrecision();
    Header.setResizeContentsPrecision(0);
    FView.resizeColumnToContents(0);
    FView.resizeColumnToContents(1);
    Header.setResizeContentsPrecision(Precision);
    if (!Again) return;
    FView.verticalScrollBar()->setValue(Scroll);
    if (const QModelIndex At = Find(Current); At.isValid()) {
        for (QModelIndex Up = At.parent(); Up.isValid(); Up = Up.parent()) FView.expand(Up);
        FView.setCurrentIndex(At);
        FView.scrollTo(At);  // only where it is out of sight
    }
}

QModelIndex TDescendantsPage::Find(int ClassID) const {
    const TDescendants& Tree = FModel->Tree();
    for (size_t Node = 0; Node < Tree.size(); ++Node)
        if (Tree[Node].ClassID == ClassID) return FModel->IndexOf(Node);
    return {};
}

std::vector<int> TDescendantsPage::OpenClasses() const {
    std::vector<int> Open;
    std::vector<QModelIndex> Stack{FModel->index(0, 0)};
    while (!Stack.empty()) {
        const QModelIndex At = Stack.back();
        Stack.pop_back();
        if (!At.isValid() || !FView.isExpanded(At)) continue;
        Open.push_back(At.data(TDescendantsModel::ClassIDRole).toInt());
        for (int Row = 0; Row < FModel->rowCount(At); ++Row) Stack.push_back(FModel->index(Row, 0, At));
    }
    return Open;
}

// Under the interface's derived interfaces, a heading row and the classes that implement it
// directly, each with its descendants (which implement it through it).
void TDescendantsPage::AddImplementers(TDescendants& Tree) {
    TDescendants Implementers = TTypeQueries(*FDb).Implementers(FClassID, false);
    Tree.push_back({0, "Implemented by", 0, {}, 1, int(Implementers.size())});
    for (TDescendant& D : Implementers) {
        D.Depth += 2;
        Tree.push_back(std::move(D));
    }
}

int TDescendantsPage::CurrentClass() const {
    const QModelIndex Current = FView.currentIndex();
    if (!Current.isValid()) return 0;
    return Current.siblingAtColumn(0).data(TDescendantsModel::ClassIDRole).toInt();
}

bool TDescendantsPage::FocusPrefix(const QString& Prefix) {
    // Depth first, as shown when every branch is open.
    std::vector<QModelIndex> Stack{FModel->index(0, 0)};
    while (!Stack.empty()) {
        const QModelIndex At = Stack.back();
        Stack.pop_back();
        if (!At.isValid()) continue;
        if (At.data().toString().startsWith(Prefix, Qt::CaseInsensitive)) {
            for (QModelIndex Up = At.parent(); Up.isValid(); Up = Up.parent()) FView.expand(Up);
            FView.setCurrentIndex(At);
            FView.scrollTo(At);
            return true;
        }
        for (int Row = FModel->rowCount(At) - 1; Row >= 0; --Row) Stack.push_back(FModel->index(Row, 0, At));
    }
    return false;
}

void TDescendantsPage::Chosen(const QModelIndex& Index) {
    const int ClassID = Index.siblingAtColumn(0).data(TDescendantsModel::ClassIDRole).toInt();
    if (ClassID != 0) emit ClassChosen(ClassID);
}

}  // namespace qm
