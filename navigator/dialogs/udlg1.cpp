#include "udlg1.h"

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_udlg1.h"
#include "vcldb1.h"

namespace qm {

TUnitsDlg::TUnitsDlg(TVCLDB& Db, QWidget* Parent) : QDialog(Parent), FDb(Db), FUi(std::make_unique<Ui::UnitsDlg>()) {
    FUi->setupUi(this);
    CentreOnShow(*this);
    AcceptOnDoubleClick(*this, *FUi->ListBox1);
}

TUnitsDlg::~TUnitsDlg() = default;

int TUnitsDlg::SelectUnit(const std::string& Name) {
    return SelectByName(
        *this, *FUi->ListBox1, FDb.UnitCountByName(Name), [&](int Index) { return FDb.UnitsIDByNameIndex(Name, Index); },
        [&](int ID) { return FDb.GetShortUnitName(ID) + "  " + FDb.GetUnitName(ID); });
}

}  // namespace qm
