// The Class Info list view: a double-click anywhere on it opens the focused row, and a click on
// the blank space below the rows leaves the focused and selected row as it is.
#pragma once

#include <QMouseEvent>
#include <QTreeView>

namespace qm {

class TClassListView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

signals:
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* Event) override {
        if (!indexAt(Event->position().toPoint()).isValid()) {
            setFocus(Qt::MouseFocusReason);
            Event->accept();
            return;
        }
        QTreeView::mousePressEvent(Event);
    }
    void mouseDoubleClickEvent(QMouseEvent* Event) override {
        if (Event->button() != Qt::LeftButton) return QTreeView::mouseDoubleClickEvent(Event);
        Event->accept();
        emit DblClick();
    }
};

}  // namespace qm
