// UnitsCBDrawItem: the Units selector's entries drawn by the program, the text 2 pixels right of
// the item's left edge at its top, on the background the style prepared.
#pragma once

#include <QStyledItemDelegate>

namespace qm {

class TUnitsCBDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;
};

}  // namespace qm
