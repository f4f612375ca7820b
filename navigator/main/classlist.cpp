// The Class Info rows and their column sort.
#include "classlist.h"

#include <QHash>
#include <cstdlib>

#include "memberlist.h"
#include "sourcetext.h"

namespace qm {
namespace {
const char* const ColumnNames[5] = {"Member", "Class", "Level", "Visibility", "Type"};

// The texts a fill shows many times over, each made at its first use and then shared.
class TSharedTexts {
public:
    const QString& ClassName(const TMemberItem& Item) {
        auto Found = FClasses.find(Item.ClassID);
        if (Found == FClasses.end()) Found = FClasses.insert(Item.ClassID, SourceText(Item.ClassName));
        return *Found;
    }
    const QString& Level(int Level) {
        auto Found = FLevels.find(Level);
        if (Found == FLevels.end()) Found = FLevels.insert(Level, QString::fromStdString(LevelText(Level)));
        return *Found;
    }
    // Visibility and kind names, by the name's own address: there are only eight.
    const QString& Name(const char* Latin1) {
        auto Found = FNames.find(Latin1);
        if (Found == FNames.end()) Found = FNames.insert(Latin1, QString::fromLatin1(Latin1));
        return *Found;
    }

private:
    QHash<int, QString> FClasses, FLevels;
    QHash<const char*, QString> FNames;
};

}  // namespace

void TClassListModel::SetRows(TMemberItems Items) {
    beginResetModel();
    FRows.clear();
    FRows.resize(Items.size());
    TSharedTexts Shared;
    for (size_t i = 0; i < Items.size(); ++i) {
        TClassInfoRow& Row = FRows[i];
        Row.Member = std::move(Items[i]);
        const TMemberItem& M = Row.Member;
        Row.Texts = {SourceText(M.Name), Shared.ClassName(M), Shared.Level(M.Level), Shared.Name(VisibilityName(M.Flags)),
                     Shared.Name(KindName(M.Flags))};
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
