#include "ucmdlg.h"

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_ucmdlg.h"
#include "vcldb1.h"

namespace qm {

TClassMemberDlg::TClassMemberDlg(TVCLDB& Db, QWidget* Parent)
    : QDialog(Parent), FDb(Db), FUi(std::make_unique<Ui::ClassMemberDlg>()) {
    FUi->setupUi(this);
    SystemMenuOnly(*this);
    CentreOnShow(*this);
    AcceptOnDoubleClick(*this, *FUi->ListBox1);
}

TClassMemberDlg::~TClassMemberDlg() = default;

int TClassMemberDlg::SelectClassMember(const std::string& ClassName, const std::string& MemberName) {
    QListWidget& list = *FUi->ListBox1;
    list.clear();
    const int count = FDb.ClassCountByName(ClassName);
    for (int i = 0; i < count; ++i) {
        // The declaring class may be an ancestor of the class of that name.
        const int declaring = FDb.FindMemberClass(FDb.ClassesIDByNameIndex(ClassName, i), MemberName);
        if (declaring == 0) continue;
        const int unit = FDb.GetClassUnitID(declaring);
        AddEntry(list,
                 EntryText(FDb.GetShortUnitName(unit) + "  " + FDb.GetUnitName(unit) + "." + FDb.GetClassName(declaring) +
                           "." + FDb.GetMemberName(declaring, MemberName)),
                 declaring);
    }
    SortEntries(list);
    return ChooseOne(*this, list);
}

}  // namespace qm
