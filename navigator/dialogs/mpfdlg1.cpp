#include "mpfdlg1.h"

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_mpfdlg1.h"
#include "vcldb1.h"

namespace qm {

TMPFDlg::TMPFDlg(TVCLDB& Db, QWidget* Parent) : QDialog(Parent), FDb(Db), FUi(std::make_unique<Ui::MPFDlg>()) {
    FUi->setupUi(this);
    SystemMenuOnly(*this);
    CentreOnShow(*this);
    AcceptOnDoubleClick(*this, *FUi->ListBox1);
}

TMPFDlg::~TMPFDlg() = default;

bool TMPFDlg::Search(const std::string& Name) {
    FUi->ListBox1->clear();
    TStringItems found;
    {
        TWaitCursor wait;
        FDb.SearchMembers(Name, found);
    }
    FillList(*FUi->ListBox1, found, true);
    return !found.empty();
}

int TMPFDlg::SelectMember(const std::string& Name) {
    FHasResults = false;
    if (!Search(Name)) return -1;
    FHasResults = true;
    FLastMemberName = Name;
    return ChooseOne(*this, *FUi->ListBox1);
}

int TMPFDlg::SelectLastResults() {
    if (FLastMemberName.empty()) return 0;
    // Searched again: units removed since then must not leave entries behind.
    if (!Search(FLastMemberName)) {
        FHasResults = false;
        FLastMemberName.clear();
        return 0;
    }
    return ChooseEntry(*this, *FUi->ListBox1);
}

}  // namespace qm
