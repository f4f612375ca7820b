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

// The list names what it holds, for a screen reader as on the caption.
void TClassDlg::SetCaption(const QString& Title) {
    setWindowTitle(Title);
    FUi->ListBox1->setAccessibleName(Title);
}

int TClassDlg::SelectClass(const std::string& Name) {
    SetCaption(QStringLiteral("Select Unit . Class"));
    return SelectByName(
        *this, *FUi->ListBox1, FDb.ClassCountByName(Name), [&](int Index) { return FDb.ClassesIDByNameIndex(Name, Index); },
        [&](int ID) { return FDb.GetShortUnitName(FDb.GetClassUnitID(ID)) + "." + FDb.GetClassName(ID); });
}

int TClassDlg::ChooseClass(const TStringItems& Entries, const QString& Title) {
    SetCaption(Title);
    FillList(*FUi->ListBox1, Entries, false);
    return ChooseOne(*this, *FUi->ListBox1);
}

}  // namespace qm
