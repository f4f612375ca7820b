// TRemoveUnitDlg: the user picks a unit of their own to remove, then confirms the removal of every
// unit that derives classes from it.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class RemoveUnitDlg;
}

namespace qm {

class TVCLDB;

class TRemoveUnitDlg : public QDialog {
    Q_OBJECT

public:
    explicit TRemoveUnitDlg(TVCLDB& Db, QWidget* Parent = nullptr);
    ~TRemoveUnitDlg() override;

    // Phase one lists the units loaded after the VCL; phase two, when the chosen unit has
    // dependants, lists it with them for confirmation. True when units were deleted.
    bool SelectUnitToRemove();

    // False while the user picks the unit, true while the dependants are shown.
    bool Confirming = false;

private:
    TVCLDB& FDb;
    std::unique_ptr<Ui::RemoveUnitDlg> FUi;
};

}  // namespace qm
