// The File menu's commands that change which units the class database holds, and printing.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "appwindows.h"
#include "cfgdlg1.h"
#include "classlist.h"
#include "main1.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {

void TClassNav::ClearWindow() {
    Memo->clear();
    ClassListModel->Clear();
    UnitsCB->clear();
    ClassesCB->clear();
    for (int i = 0; i < 4; ++i) SetStatusText(i, QString());
}

void TClassNav::LoadVCL1Click() {
    InitializeCommand(true);
}

void TClassNav::InitializeCommand(bool Ask) {
    if (Ask && !Prompts().Confirm(QStringLiteral(
                   "Initializing will discard ALL previously loaded units and reload the VCL.\nAre you sure?")))
        return;
    TVCLDB& Db = VCLDB();
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    Db.ReadDelphiSourcePath();
    ClearWindow();
    Db.CurrentUnitID = 0;
    Db.InitializeVCL();
    ShowClass("Forms", "TApplication");
}

void TClassNav::LoadUnit1Click() {}
void TClassNav::RemoveUnitItemClick() {}
void TClassNav::PurgenonVCLItemClick() {}
void TClassNav::PrintItemClick() {}

}  // namespace qm
