// Drawing the Units selector's entries.
#include "unitsdraw.h"

#include <QApplication>
#include <QPainter>

namespace qm {

void TUnitsCBDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QStyleOptionViewItem Background = Option;
    initStyleOption(&Background, Index);
    Background.text.clear();
    const QWidget* Widget = Option.widget;
    QStyle* Style = Widget ? Widget->style() : QApplication::style();
    Style->drawControl(QStyle::CE_ItemViewItem, &Background, Painter, Widget);
    Painter->save();
    const bool Selected = Option.state & QStyle::State_Selected;
    Painter->setPen(Option.palette.color(Selected ? QPalette::HighlightedText : QPalette::Text));
    Painter->setFont(Option.font);
    const QRect Text = Option.rect.adjusted(2, 0, 0, 0);
    Painter->drawText(Text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Index.data(Qt::DisplayRole).toString());
    Painter->restore();
}

QSize TUnitsCBDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QSize Size = QStyledItemDelegate::sizeHint(Option, Index);
    Size.setHeight(qMax(13, Option.fontMetrics.height()));
    return Size;
}

}  // namespace qm
