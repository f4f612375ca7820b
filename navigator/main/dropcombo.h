// The Classes selector: an editable combo box that says when its list drops down.
#pragma once

#include <QComboBox>

namespace qm {

class TDropDownComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        emit DroppedDown();
        QComboBox::showPopup();
    }

signals:
    void DroppedDown();
};

}  // namespace qm
