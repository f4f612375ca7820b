// The top panel's selectors: combo boxes that change only by the user's choice.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QWheelEvent>

namespace qm {

// A selector takes the wheel only while it has the focus: a scroll over the panel on its way to
// the source must not open unit after unit.
class TSelectorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TSelectorComboBox(QWidget* Parent = nullptr) : QComboBox(Parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent* Event) override {
        if (hasFocus())
            QComboBox::wheelEvent(Event);
        else
            Event->ignore();
    }
};

// The Classes selector: an editable combo box that says when its list drops down and when Enter
// is pressed in its text. The combo box keeps the keyboard focus and hands keys to its line edit by
// a direct call, past any event filter, so Enter is taken here.
class TDropDownComboBox : public TSelectorComboBox {
    Q_OBJECT
public:
    using TSelectorComboBox::TSelectorComboBox;
    void showPopup() override {
        emit DroppedDown();
        QComboBox::showPopup();
    }

signals:
    void DroppedDown();
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* Event) override {
        const bool Enter = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
        if (Enter && !view()->isVisible()) {
            Event->accept();
            emit EnterPressed();
            return;
        }
        QComboBox::keyPressEvent(Event);
    }
};

}  // namespace qm
