// Creating the program's windows in their order.
#include "appwindows.h"

#include <QApplication>

#include "cfgdlg1.h"
#include "clsdlg1.h"
#include "main1.h"
#include "marlsfrm.h"
#include "mpfdlg1.h"
#include "rudlg.h"
#include "splash.h"
#include "ucmdlg.h"
#include "udlg1.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {

std::string InstallationRoot(TDelphiInstallation& Installation) {
    try {
        return Installation.RootDir();
    } catch (const Exception&) {
        return {};
    }
}

TNavigatorProgram::TNavigatorProgram(std::string DatabaseFile, bool ShowSplash, std::string SampleRoot)
    : FInstallation(FEntry, std::move(SampleRoot)) {
    FWindows.DatabaseFile = std::move(DatabaseFile);
    FWindows.Settings = &FSettings;
    FWindows.Installation = &FInstallation;
    FSplashScreen = std::make_unique<TSplashScreen>();
    FWindows.SplashScreen = FSplashScreen.get();
    if (ShowSplash) {
        FSplashScreen->show();
        FSplashScreen->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    FClassNav = std::make_unique<TClassNav>();
    FWindows.ClassNav = FClassNav.get();
    FVCLDB = std::make_unique<TVCLDB>(&FSettings, &FInstallation);
    FWindows.VCLDB = FVCLDB.get();
    FIntroForm = std::make_unique<TIntroForm>(FClassNav.get());
    FWindows.IntroForm = FIntroForm.get();
    FMPFDlg = std::make_unique<TMPFDlg>(*FVCLDB, FClassNav.get());
    FWindows.MPFDlg = FMPFDlg.get();
    FClassDlg = std::make_unique<TClassDlg>(*FVCLDB, FClassNav.get());
    FWindows.ClassDlg = FClassDlg.get();
    FClassMemberDlg = std::make_unique<TClassMemberDlg>(*FVCLDB, FClassNav.get());
    FWindows.ClassMemberDlg = FClassMemberDlg.get();
    FConfigDlg = std::make_unique<TConfigDlg>(FClassNav.get());
    FConfigDlg->Beep = [] { Prompts().Beep(); };
    FWindows.ConfigDlg = FConfigDlg.get();
    FUnitsDlg = std::make_unique<TUnitsDlg>(*FVCLDB, FClassNav.get());
    FWindows.UnitsDlg = FUnitsDlg.get();
    FRemoveUnitDlg = std::make_unique<TRemoveUnitDlg>(*FVCLDB, FClassNav.get());
    FWindows.RemoveUnitDlg = FRemoveUnitDlg.get();
    FClassNav->Attach(FWindows);
}

// The dialogs are children of the main window: each goes (and stores its settings) before it.
TNavigatorProgram::~TNavigatorProgram() {
    FRemoveUnitDlg.reset();
    FUnitsDlg.reset();
    FConfigDlg.reset();
    FClassMemberDlg.reset();
    FClassDlg.reset();
    FMPFDlg.reset();
    FIntroForm.reset();
    FVCLDB.reset();
    FClassNav.reset();
    FSplashScreen.reset();
}

}  // namespace qm
