// The Class Info list: the member rows of one class as a table model, and the proxy that sorts
// them by a clicked column with CompareRows.
#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <QString>
#include <array>
#include <vector>

#include "dbrows.h"

namespace qm {

// One row: the member as the class database listed it, and the texts of its columns "Member",
// "Class", "Level", "Visibility", "Type" as shown (made once, for display and the column sort).
// Texts that repeat from row to row (a class's name, a level, a visibility, a kind) are one
// shared string, decoded once per fill.
struct TClassInfoRow {
    TMemberItem Member;
    std::array<QString, 5> Texts;
};

class TClassListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetRows(TMemberItems Items);
    void Clear();
    const TClassInfoRow& Row(int Index) const { return FRows.at(static_cast<size_t>(Index)); }

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override;

private:
    std::vector<TClassInfoRow> FRows;
};

// Rows ordered by CompareRows with Key = SortColumn * SortDirection; no order (the listing's)
// until SortBy is called.
class TClassListSorter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TClassListSorter(QObject* Parent = nullptr);
    void SortBy(int Key);
    // Back to the listing order.
    void Unsort();
    // Negative, zero or positive as A sorts before, with or after B under Key (1-based column,
    // negative for descending): locale-aware text that tells letter case apart, Level as a number.
    int CompareRows(const TClassInfoRow& A, const TClassInfoRow& B, int Key) const;

protected:
    bool lessThan(const QModelIndex& Left, const QModelIndex& Right) const override;

private:
    QCollator FCollator;
    int FKey = 1;
};

}  // namespace qm
