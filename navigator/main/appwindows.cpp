// Creating the program's windows in their order.
#include "appwindows.h"

#include <QApplication>
#include <QTimer>
#include <vector>

#include "application.h"
#include "cfgdlg1.h"
#include "clsdlg1.h"
#include "main1.h"
#include "marlsfrm.h"
#include "mpfdlg1.h"
#include "rudlg.h"
#include "settingsnotice.h"
#include "splash.h"
#include "ucmdlg.h"
#include "udlg1.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {

// Collects the settings problems told while events run and hands them to the error report together,
// from the event loop, never from inside the reading that met them.
class TSettingsReport : public QObject {
public:
    TSettingsReport() {
        SetSettingsNotice([this](const std::string& Text) { Add(Text); });
    }
    ~TSettingsReport() override {
        SetSettingsNotice({});
    }

private:
    void Add(const std::string& Text) {
        if (FLines.empty()) QTimer::singleShot(0, this, [this] { Report(); });
        FLines.push_back(Text);
    }
    // One line each; the report ends the last with its period.
    void Report() {
        std::string Text;
        for (const std::string& Line : FLines) Text += (Text.empty() ? "" : ".\r") + Line;
        FLines.clear();
        ReportError(Exception(Text));
    }

    std::vector<std::string> FLines;
};

std::string InstallationRoot(TDelphiInstallation& Installation) {
    try {
        return Installation.RootDir();
    } catch (const Exception&) {
        return {};
    }
}

TNavigatorProgram::TNavigatorProgram(std::string DatabaseFile, bool ShowSplash, std::string SampleRoot)
    : FSettingsReport(std::make_unique<TSettingsReport>()), FInstallation(FEntry, std::move(SampleRoot)) {
    FWindows.DatabaseFile = std::move(DatabaseFile);
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
    FConfigDlg->ChooseFolder = [Dlg = FConfigDlg.get()] {
        return Prompts().ChooseFolder(Dlg, QStringLiteral("Select Folder for the Library Path"));
    };
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
