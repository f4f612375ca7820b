#include "clsdlg1.h"

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_clsdlg1.h"
#include "vcldb1.h"

namespace qm {

TClassDlg::TClassDlg(TVCLDB& Db, QWidget* Parent) : QDialog(Parent), FDb(Db), FUi(std::make_unique<Ui::ClassDlg>()) {
    FUi->setupUi(this);
    CentreOnShow(*this);
    AcceptOnDoubleClick(*this, *FUi->ListBox1);
}

TClassDlg::~TClassDlg() = default;

int TClassDlg::SelectClass(const std::string& Name) {
    return SelectByName(
        *this, *FUi->ListBox1, FDb.ClassCountByName(Name), [&](int Index) { return FDb.ClassesIDByNameIndex(Name, Index); },
        [&](int ID) { return FDb.GetShortUnitName(FDb.GetClassUnitID(ID)) + "." + FDb.GetClassName(ID); });
}

int TClassDlg::ChooseClass(const TStringItems& Entries) {
    FillList(*FUi->ListBox1, Entries, false);
    return ChooseEntry(*this, *FUi->ListBox1);
}

}  // namespace qm
