// The File menu's commands that change which units the class database holds: Add Unit and Add
// Folder (following uses clauses along the library path), Initialize, Remove Unit, Remove Non-VCL
// Units, with the load progress they show. Projects and the library path: projectcmds.cpp.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "application.h"
#include "appwindows.h"
#include "libraryload.h"
#include "loadprogress.h"
#include "loadscope.h"
#include "loadreport.h"
#include "cfgdlg1.h"
#include "classinfopage.h"
#include "descendantspage.h"
#include "main1.h"
#include "paths.h"
#include "rudlg.h"
#include "selectorpanel.h"
#include "sourceplace.h"
#include "sourcetext.h"
#include "statuspanels.h"
#include "targets.h"
#include "treeload.h"
#include "unitparser.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "vcldberror.h"
#include "xre.h"

namespace qm {
namespace {

const char* const MenusOfInitialize[] = {"FileItem", "EditItem", "FiltersItem", "HelpItem"};

// The folder above the one holding a located unit, with its final separator:
// C:\DELPHI 2.0\SOURCE\VCL\BUTTONS.PAS gives C:\DELPHI 2.0\SOURCE\.
std::string SourceFolderOf(const std::string& UnitFile) {
    const std::string Dir = FolderPart(UnitFile);
    return Dir.size() <= 1 ? Dir : FolderPart(std::string_view(Dir).substr(0, Dir.size() - 1));
}

}  // namespace

bool TClassNav::Loading() const {
    return FLoad->Loading();
}

void TClassNav::ClearStatusBar() {
    FStatus->Clear();
}

void TClassNav::ClearWindow() {
    FSource->ForgetShownUnit(true);
    FClassInfo->Clear();
    FDescendants->SetClass(0);
    FSelectors->Clear();
    ClearStatusBar();
}

bool TClassNav::ModernPascal() const {
    return Windows().ConfigDlg->ModernPascalCB->isChecked();
}

std::shared_ptr<const TDefineSet> TClassNav::ModernDefines() const {
    const TConfigDlg& Config = *Windows().ConfigDlg;
    // The first entry names no target: each unit's own.
    auto Defines = std::make_shared<TDefineSet>(FindTarget(SourceBytes(Config.ModernTargetCB->currentText())));
    for (const std::string& Symbol : Config.ModernSymbols()) Defines->Define(Symbol);
    return Defines;
}

void TClassNav::LoadUnit1Click() {
    // Free Pascal's units often end in .pp.
    const QString File = Prompts().OpenFile(this, QStringLiteral("Select Unit to Load"),
                                            ModernPascal() ? QStringLiteral("Pascal Files|*.pas;*.pp")
                                                           : QStringLiteral("Pascal Files|*.pas"));
    if (File.isEmpty()) return;
    ClearStatusBar();
    int UnitID = 0;
    if (FollowUses()) {
        // The unit with everything it uses; it is shown when it loaded, else the report says why.
        TTreeLoadReport Report;
        {
            const TLoadScope Loading(*this, 0, true);
            const TVCLDB::TUseDialect Dialect(VCLDB(), ModernPascal() ? TDialect::Modern : TDialect::Delphi2, ModernDefines());
            Report = LibraryLoad().Follow({SourceBytes(File)});
        }
        if (FLoad->StopRequested()) return;
        const std::string Path = ResolvePath(SourceBytes(File));
        for (int Loaded : Report.LoadedUnits)
            if (VCLDB().GetUnitPath(Loaded) == Path) UnitID = Loaded;
        FSelectors->Refill();
        if (UnitID == 0 || !Report.Failures.empty() || !Report.NotFound.empty()) ShowTreeReport(Report);
        if (UnitID == 0) return;
    } else {
        const TLoadScope Loading(*this, 0);
        const TVCLDB::TUseDialect Dialect(VCLDB(), ModernPascal() ? TDialect::Modern : TDialect::Delphi2, ModernDefines());
        UnitID = VCLDB().LoadUnit(SourceBytes(File));
    }
    ShowLoadMessages();
    GoTo({UnitID, 1}, false);
    TLineInfoRec Info;
    VCLDB().GetLineInfo(1, Info);
    ShowClass(VCLDB().GetUnitName(UnitID), Info.ClassName);
}

// Every unit under a folder, ancestors first, with a Cancel that keeps what has loaded; one report
// at the end of what did not load.
void TClassNav::AddFolderItemClick() {
    const QString Folder = Prompts().ChooseFolder(this, QStringLiteral("Select Folder to Add"));
    if (Folder.isEmpty()) return;
    ClearStatusBar();
    const std::string Dir = SourceBytes(Folder);
    TTreeLoadReport Report;
    {
        const TLoadScope Loading(*this, 0, true);
        const TVCLDB::TUseDialect Dialect(VCLDB(), ModernPascal() ? TDialect::Modern : TDialect::Delphi2, ModernDefines());
        const TUnitFiles Found = FindUnitFiles({Dir}, true);
        if (FollowUses()) {
            Report = LibraryLoad().Follow(Found.Files);
            Report.Failures.insert(Report.Failures.begin(), Found.NotRead.begin(), Found.NotRead.end());
        } else {
            TTreeLoader Loader(VCLDB());
            Loader.OnUnit = [this](int Done, int Total) { FLoad->ShowCount(Done, Total); };
            Report = Loader.Load(Found, {Dir});
        }
    }
    if (FLoad->StopRequested()) return;  // the window closes
    ClearStatusBar();
    FSelectors->Refill();  // the new classes and units in the lists, what they show kept
    ShowTreeReport(Report);
}

void TClassNav::ShowTreeReport(const TTreeLoadReport& Report) {
    auto Lines = [](const std::vector<TTreeLoadReport::TFailure>& List) {
        QStringList Text;
        for (const TTreeLoadReport::TFailure& F : List) Text << SourceText(F.Text());
        return Text;
    };
    QStringList Notes = Lines(Report.Notes);
    for (const std::string& Line : Report.NotFound) Notes << SourceText(Line);
    TLoadReportDlg Dialog(this);
    Dialog.SetReport(Report.Loaded, Lines(Report.Failures), Report.Cancelled, Notes);
    Prompts().RunModal(Dialog);
}

// What the class database told during the load, in one box.
void TClassNav::ShowLoadMessages() {
    if (!FLoad->Messages().isEmpty()) Prompts().ShowMessage(FLoad->Messages().join(QLatin1Char('\n')));
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
    for (const char* Name : MenusOfInitialize) Menu(QString::fromLatin1(Name))->setEnabled(false);
    struct TMenusBack {
        TClassNav& W;
        ~TMenusBack() {
            for (const char* Name : MenusOfInitialize) W.Menu(QString::fromLatin1(Name))->setEnabled(true);
        }
    } MenusBack{*this};
    bool Loaded = false;
    try {
        const TLoadScope Loading(*this, 49);
        for (int Retries = 0; !Loaded;) {
            try {
                Db.InitializeVCL();
                Loaded = true;
            } catch (const EVCLDBError& E) {
                if (E.HelpContext() != dbeUnitNotFound) throw;
                ++Retries;
                if (Retries > 1 || Db.InitializeLoadedUnits > 0) {
                    Prompts().ShowError(QStringLiteral("Fatal Error: Unable to locate required VCL unit. Probably due to\n"
                                                       "non-standard installation. See Quillmap 2 docs"));
                    TerminateProgram();
                    return;
                }
                const QString Located = Prompts().OpenFile(
                    this, QStringLiteral("Please Locate the VCL Source Unit BUTTONS.PAS"), QStringLiteral("Pascal Files|*.pas"));
                if (Located.isEmpty()) break;
                Db.VCLSourcePath = SourceFolderOf(SourceBytes(Located));
            }
        }
    } catch (...) {
        // A failed initialization changed nothing: the library it leaves is there to browse.
        if (!FLoad->StopRequested()) RunReported([this] { ShowRemainingLibrary(); });
        throw;
    }
    if (Loaded) {
        ShowLoadMessages();
        ForgetRemovedUnits();
        ShowClass("Forms", "TApplication");
    } else {
        ShowRemainingLibrary();
    }
}

void TClassNav::ShowRemainingLibrary() {
    TVCLDB& Db = VCLDB();
    ClearStatusBar();
    if (Db.ClassCountByName("TApplication") > 0) {
        ShowClass("Forms", "TApplication");
    } else {
        FSelectors->Fill("", "");
        if (Db.UnitCount() == 0) SetStatusText(3, QStringLiteral("The class database is empty"));
    }
}

void TClassNav::TerminateProgram() {
    hide();
    QCoreApplication::exit(1);
}

void TClassNav::RemoveUnitItemClick() {
    if (!Windows().RemoveUnitDlg->SelectUnitToRemove()) return;
    AfterRemoval();
}

void TClassNav::PurgenonVCLItemClick() {
    if (!Prompts().Confirm(QStringLiteral("Are you sure you want to remove all non-VCL units?"))) return;
    VCLDB().RemoveNonVCLUnits();
    AfterRemoval();
}

void TClassNav::AfterRemoval() {
    TVCLDB& Db = VCLDB();
    if (Db.CurrentUnitID != 0 && !Db.UnitExists(Db.CurrentUnitID)) FSource->ForgetShownUnit(true);
    ForgetRemovedUnits();
    FDescendants->Invalidate();
    ShowClass("Forms", "TApplication");
}

}  // namespace qm
