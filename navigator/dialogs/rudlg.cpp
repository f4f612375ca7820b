#include "rudlg.h"

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_rudlg.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {

TRemoveUnitDlg::TRemoveUnitDlg(TVCLDB& Db, QWidget* Parent)
    : QDialog(Parent), FDb(Db), FUi(std::make_unique<Ui::RemoveUnitDlg>()) {
    FUi->setupUi(this);
    CentreOnShow(*this);
    // Choosing the unit by a double-click is fine; confirming the removal takes the button.
    AcceptOnDoubleClick(*this, *FUi->ListBox, [this] { return !Confirming; });
}

TRemoveUnitDlg::~TRemoveUnitDlg() = default;

bool TRemoveUnitDlg::SelectUnitToRemove() {
    QListWidget& list = *FUi->ListBox;
    Confirming = false;
    FUi->Label1->hide();
    FUi->CancelBtn->setDefault(false);
    FUi->OkBtn->setDefault(true);
    setWindowTitle(QStringLiteral("Select Unit to Remove:"));
    TStringItems units;
    FDb.ListNonVCLUnits(units);
    FillList(list, units, true);
    if (list.count() == 0) {
        Prompts().ShowMessage(QStringLiteral("There are no non-VCL units to remove"));
        return false;
    }
    const int unitID = ChooseEntry(*this, list);
    if (unitID == 0) return false;

    Confirming = true;
    TStringItems dependants;
    {
        TWaitCursor wait;
        FDb.CollectDependants(unitID, dependants);
    }
    FillList(list, dependants, true);
    if (list.count() > 1) {
        setWindowTitle(QStringLiteral("Remove Unit and All Dependant Units"));
        FUi->Label1->show();
        FUi->OkBtn->setDefault(false);
        FUi->CancelBtn->setDefault(true);
        FUi->CancelBtn->setFocus();
        if (Prompts().RunModal(*this) != QDialog::Accepted) return false;
    }
    TWaitCursor wait;
    FDb.DeleteDependants();
    return true;
}

}  // namespace qm
