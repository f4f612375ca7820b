// The Class Info page's list: filling, filtering, sorting and the focused row.
#include "classinfopage.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

#include "classlist.h"
#include "classlistview.h"
#include "typequeries.h"
#include "vcldb1.h"

namespace qm {
namespace {

// The Filters menu's check items and the part of the filter each one sets.
struct TFilterItem {
    const char* Name;
    bool TMemberFilter::*Show;
};
constexpr TFilterItem FilterItems[] = {
    {"PrivateItem", &TMemberFilter::ShowPrivate},   {"ProtectedItem", &TMemberFilter::ShowProtected},
    {"PublicItem", &TMemberFilter::ShowPublic},     {"PublishedItem", &TMemberFilter::ShowPublished},
    {"MethodItem", &TMemberFilter::ShowMethods},    {"PropertyItem", &TMemberFilter::ShowProperties},
    {"FieldItem", &TMemberFilter::ShowFields},      {"RedeclaredItem", &TMemberFilter::ShowRedeclared},
    {"InterfacesItem", &TMemberFilter::ShowInterfaces}, {"HelpersItem", &TMemberFilter::ShowHelpers},
};

}  // namespace

TClassInfoPage::TClassInfoPage(TClassListView& View, std::function<QAction*(const QString&)> Item, QObject* Parent)
    : QObject(Parent), FView(View), FItem(std::move(Item)), FModel(new TClassListModel(this)),
      FSorter(new TClassListSorter(this)) {
    FSorter->setSourceModel(FModel);
    FView.setModel(FSorter);
    // Every row is one line: the view need not ask each row of a long list for its height.
    FView.setUniformRowHeights(true);
    const int ColumnWidths[5] = {200, 200, 60, 80, 80};
    QHeaderView* Header = FView.header();
    for (int i = 0; i < 5; ++i) Header->resizeSection(i, ColumnWidths[i]);
    Header->setSectionsClickable(true);
    Header->setSortIndicatorShown(false);
    Header->setStretchLastSection(false);
}

void TClassInfoPage::Fill(int ClassID) {
    TMemberFilter Filter;
    for (const TFilterItem& F : FilterItems) Filter.*F.Show = FItem(QString::fromLatin1(F.Name))->isChecked();
    FClassName = FDb->GetClassName(ClassID);
    FClassID = ClassID;
    TMemberItems Items;
    Items.reserve(200);
    TTypeQueries(*FDb).ListClassMembers(ClassID, Items, Filter);
    FView.setUpdatesEnabled(false);
    // A refilled list stands in listing order until the next column click.
    FSorter->Unsort();
    FView.header()->setSortIndicatorShown(false);
    FModel->SetRows(std::move(Items));
    FocusRow(0);
    FView.setUpdatesEnabled(true);
}

void TClassInfoPage::Refill() {
    if (FClassID != 0) Fill(FClassID);
}

void TClassInfoPage::Reload() {
    if (FClassID == 0) return;
    // The focused member by its class, name and place among the rows of that name (overloads).
    const TClassInfoRow* Focused = FocusedRow();
    const int ClassID = Focused ? Focused->Member.ClassID : 0;
    const std::string Name = Focused ? Focused->Member.Name : std::string();
    auto SameMember = [&](const TClassInfoRow& Row) { return Row.Member.ClassID == ClassID && Row.Member.Name == Name; };
    int Overload = 0;
    const std::vector<const TClassInfoRow*> Before = RowsShown();
    for (const TClassInfoRow* Row : Before) {
        if (Row == Focused) break;
        if (SameMember(*Row)) ++Overload;
    }
    const bool Sorted = FView.header()->isSortIndicatorShown();
    const int Scroll = FView.verticalScrollBar()->value();
    // A focused row in sight stays where it stands in the view.
    const QModelIndex OldIndex = FView.currentIndex();
    const bool InSight = OldIndex.isValid() && FView.viewport()->rect().intersects(FView.visualRect(OldIndex));
    FView.setUpdatesEnabled(false);
    Fill(FClassID);
    if (Sorted) {
        FSorter->SortBy(FSortColumn * FSortDirection);
        FView.header()->setSortIndicator(FSortColumn - 1, FSortDirection > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
        FView.header()->setSortIndicatorShown(true);
    }
    const std::vector<const TClassInfoRow*> After = RowsShown();
    int Row = 0;
    if (Focused)
        for (int At = 0, Seen = 0; At < int(After.size()); ++At)
            if (SameMember(*After[size_t(At)]) && Seen++ <= Overload) Row = At;
    const QModelIndex Index = FSorter->index(Row, 0);
    if (Index.isValid()) {
        const int RowStep = FView.verticalScrollMode() == QAbstractItemView::ScrollPerItem ? 1 : FView.sizeHintForRow(0);
        FView.verticalScrollBar()->setValue(InSight ? Scroll + (Row - OldIndex.row()) * RowStep : Scroll);
        FView.setCurrentIndex(Index);
        FView.scrollTo(Index);  // only where the row is out of sight
    }
    FView.setUpdatesEnabled(true);
}

void TClassInfoPage::Clear() {
    FModel->Clear();
    FClassID = 0;
    FClassName.clear();
}

void TClassInfoPage::ColumnClick(int Column) {
    if (Column + 1 == FSortColumn)
        FSortDirection = -FSortDirection;
    else
        FSortColumn = Column + 1;
    FSorter->SortBy(FSortColumn * FSortDirection);
    QHeaderView* Header = FView.header();
    Header->setSortIndicator(Column, FSortDirection > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    Header->setSortIndicatorShown(true);
}

void TClassInfoPage::ResetSort() {
    FSortColumn = 1;
    FSortDirection = 1;
}

void TClassInfoPage::EnableFilters(bool Enabled) {
    for (const TFilterItem& F : FilterItems) FItem(QString::fromLatin1(F.Name))->setEnabled(Enabled);
}

void TClassInfoPage::FocusRow(int Row) {
    const QModelIndex Index = FSorter->index(Row, 0);
    if (!Index.isValid()) return;
    FView.setCurrentIndex(Index);
    FView.scrollTo(Index);
}

const TClassInfoRow* TClassInfoPage::FocusedRow() const {
    const QModelIndex Index = FView.currentIndex();
    return Index.isValid() ? &FModel->Row(FSorter->mapToSource(Index).row()) : nullptr;
}

const TClassInfoRow* TClassInfoPage::SelectedRow() const {
    const QModelIndex Index = FView.currentIndex();
    if (!Index.isValid() || !FView.selectionModel()->isSelected(Index)) return nullptr;
    return &FModel->Row(FSorter->mapToSource(Index).row());
}

bool TClassInfoPage::FocusFirst(const std::function<bool(const QString&)>& Match) {
    for (int Row = 0; Row < FSorter->rowCount(); ++Row)
        if (Match(FSorter->index(Row, 0).data().toString())) {
            FocusRow(Row);
            return true;
        }
    return false;
}

bool TClassInfoPage::FocusMember(const QString& Name) {
    return FocusFirst([&Name](const QString& Member) { return Member.compare(Name, Qt::CaseInsensitive) == 0; });
}

bool TClassInfoPage::FocusPrefix(const QString& Prefix) {
    return FocusFirst([&Prefix](const QString& Member) { return Member.startsWith(Prefix, Qt::CaseInsensitive); });
}

std::vector<const TClassInfoRow*> TClassInfoPage::RowsShown() const {
    std::vector<const TClassInfoRow*> Rows;
    Rows.reserve(static_cast<size_t>(FSorter->rowCount()));
    for (int Row = 0; Row < FSorter->rowCount(); ++Row)
        Rows.push_back(&FModel->Row(FSorter->mapToSource(FSorter->index(Row, 0)).row()));
    return Rows;
}

}  // namespace qm
