// The Class Info page: the members of one class with everything it inherits, filtered by the
// Filters menu and sorted by a clicked column.
#include <QAction>
#include <QHeaderView>
#include <QTreeView>

#include "classlist.h"
#include "main1.h"
#include "vcldb1.h"

namespace qm {
namespace {

// The Filters menu's seven check items and the part of the filter each one sets.
struct TFilterItem {
    const char* Name;
    bool TMemberFilter::*Show;
};
constexpr TFilterItem FilterItems[] = {
    {"PrivateItem", &TMemberFilter::ShowPrivate},   {"ProtectedItem", &TMemberFilter::ShowProtected},
    {"PublicItem", &TMemberFilter::ShowPublic},     {"PublishedItem", &TMemberFilter::ShowPublished},
    {"MethodItem", &TMemberFilter::ShowMethods},    {"PropertyItem", &TMemberFilter::ShowProperties},
    {"FieldItem", &TMemberFilter::ShowFields},
};

}  // namespace

void TClassNav::FillClassList(int ClassID) {
    TMemberFilter Filter;
    for (const TFilterItem& F : FilterItems) Filter.*F.Show = Item(QString::fromLatin1(F.Name))->isChecked();
    TVCLDB& Db = VCLDB();
    CurrentClassName = Db.GetClassName(ClassID);
    CurrentClassID = ClassID;
    TMemberItems Items;
    Items.reserve(200);
    Db.ListClassMembers(ClassID, Items, Filter);
    ClassListView->setUpdatesEnabled(false);
    // A refilled list stands in listing order until the next column click.
    ClassListSorter->Unsort();
    ClassListView->header()->setSortIndicatorShown(false);
    ClassListModel->SetRows(Items);
    FocusClassRow(0);
    ClassListView->setUpdatesEnabled(true);
}

void TClassNav::FocusClassRow(int Row) {
    const QModelIndex Index = ClassListSorter->index(Row, 0);
    if (!Index.isValid()) return;
    ClassListView->setCurrentIndex(Index);
    ClassListView->scrollTo(Index);
}

int TClassNav::FocusedClassRow() const {
    const QModelIndex Index = ClassListView->currentIndex();
    if (!Index.isValid() || !ClassListView->selectionModel()->isSelected(Index)) return -1;
    return ClassListSorter->mapToSource(Index).row();
}

void TClassNav::ClassListViewColumnClick(int Column) {
    if (Column + 1 == SortColumn)
        SortDirection = -SortDirection;
    else
        SortColumn = Column + 1;
    ClassListSorter->SortBy(SortColumn * SortDirection);
    QHeaderView* Header = ClassListView->header();
    Header->setSortIndicator(Column, SortDirection > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    Header->setSortIndicatorShown(true);
}

void TClassNav::ClassListViewDblClick() {
    const QModelIndex Index = ClassListView->currentIndex();
    if (!Index.isValid()) return;
    const TClassInfoRow& Row = ClassListModel->Row(ClassListSorter->mapToSource(Index).row());
    TVCLDB& Db = VCLDB();
    const TMemberItem& M = Row.Member;
    ShowUnit(Db.GetClassUnitID(M.ClassID), Db.GetMemberTargetLine(M.ClassID, M.Name) - 1, false);
}

void TClassNav::FiltersItemClick() {
    for (const TFilterItem& F : FilterItems) Item(QString::fromLatin1(F.Name))->setEnabled(!SourcePageActive());
}

// The item's check mark has already changed (Qt toggles a check item before it reports the click).
void TClassNav::FieldItemClick(QAction&) {
    if (CurrentClassID != 0) FillClassList(CurrentClassID);
}

}  // namespace qm
