// The Class Info rows and their column sort.
#include "classlist.h"

#include <cstdlib>

#include "memberlist.h"
#include "sourcetext.h"

namespace qm {
namespace {
const char* const ColumnNames[5] = {"Member", "Class", "Level", "Visibility", "Type"};
}

void TClassListModel::SetRows(const TMemberItems& Items) {
    beginResetModel();
    FRows.clear();
    FRows.reserve(Items.size());
    for (const TMemberItem& Item : Items) {
        TClassInfoRow Row;
        Row.Member = Item;
        const auto Columns = MemberColumns(Item);
        for (size_t i = 0; i < Columns.size(); ++i) Row.Texts[i] = SourceText(Columns[i]);
        FRows.push_back(std::move(Row));
    }
    endResetModel();
}

void TClassListModel::Clear() {
    beginResetModel();
    FRows.clear();
    endResetModel();
}

int TClassListModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int TClassListModel::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : 5;
}

QVariant TClassListModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || Index.row() >= rowCount() || Index.column() >= 5) return {};
    const TClassInfoRow& R = FRows[static_cast<size_t>(Index.row())];
    switch (Role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return R.Texts[static_cast<size_t>(Index.column())];
    case Qt::UserRole:
        return R.Member.ClassID;
    default:
        return {};
    }
}

QVariant TClassListModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation == Qt::Horizontal && Role == Qt::DisplayRole && Section >= 0 && Section < 5)
        return QString::fromLatin1(ColumnNames[Section]);
    return QAbstractTableModel::headerData(Section, Orientation, Role);
}

// Dictionary order of English, whatever the process locale: under a "C" locale a collator of the
// system's locale compares code points, which puts every capital before every small letter.
TClassListSorter::TClassListSorter(QObject* Parent)
    : QSortFilterProxyModel(Parent), FCollator(QLocale(QLocale::English, QLocale::UnitedStates)) {
    FCollator.setCaseSensitivity(Qt::CaseSensitive);
    setDynamicSortFilter(false);
}

void TClassListSorter::SortBy(int Key) {
    FKey = Key;
    sort(0, Qt::AscendingOrder);
}

void TClassListSorter::Unsort() {
    sort(-1);
}

int TClassListSorter::CompareRows(const TClassInfoRow& A, const TClassInfoRow& B, int Key) const {
    const int K = std::abs(Key);
    int Result;
    if (K == 3)
        Result = A.Member.Level - B.Member.Level;
    else if (K >= 1 && K <= 5)
        Result = FCollator.compare(A.Texts[static_cast<size_t>(K - 1)], B.Texts[static_cast<size_t>(K - 1)]);
    else
        Result = 0;
    return Key < 0 ? -Result : Result;
}

bool TClassListSorter::lessThan(const QModelIndex& Left, const QModelIndex& Right) const {
    const auto* Model = static_cast<const TClassListModel*>(sourceModel());
    return CompareRows(Model->Row(Left.row()), Model->Row(Right.row()), FKey) < 0;
}

}  // namespace qm
