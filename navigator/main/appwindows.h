// The program's windows and the class database, created once at start in a fixed order and
// destroyed in the reverse order, so that the configuration dialog and the class database store
// their settings before the main window goes.
#pragma once

#include <memory>
#include <string>

#include "installation.h"
#include "sampleinstall.h"
#include "settings.h"

namespace qm {

class TSplashScreen;
class TClassNav;
class TVCLDB;
class TIntroForm;
class TMPFDlg;
class TClassDlg;
class TClassMemberDlg;
class TConfigDlg;
class TUnitsDlg;
class TRemoveUnitDlg;
class TSettingsReport;

struct TNavigatorWindows {
    TSplashScreen* SplashScreen = nullptr;
    TClassNav* ClassNav = nullptr;
    TVCLDB* VCLDB = nullptr;
    TIntroForm* IntroForm = nullptr;
    TMPFDlg* MPFDlg = nullptr;
    TClassDlg* ClassDlg = nullptr;
    TClassMemberDlg* ClassMemberDlg = nullptr;
    TConfigDlg* ConfigDlg = nullptr;
    TUnitsDlg* UnitsDlg = nullptr;
    TRemoveUnitDlg* RemoveUnitDlg = nullptr;
    TDelphiInstallation* Installation = nullptr;
    // The class database file the first idle event opens.
    std::string DatabaseFile;
};

// Delphi's installation directory, or empty when its entry cannot be read.
std::string InstallationRoot(TDelphiInstallation& Installation);

// Owns the windows (members are destroyed in reverse order of declaration).
class TNavigatorProgram {
public:
    // Creates the splash (shown and painted at once when ShowSplash) and then the other windows.
    // SampleRoot, when not empty, stands in for a Delphi installation where none is configured.
    // While the program lives, the settings problems it meets go to the error report, several at a
    // time in one box, once the events that met them are done.
    explicit TNavigatorProgram(std::string DatabaseFile, bool ShowSplash = true, std::string SampleRoot = {});
    ~TNavigatorProgram();
    TNavigatorWindows& Windows() { return FWindows; }

private:
    std::unique_ptr<TSettingsReport> FSettingsReport;  // first made, last gone
    TRegistrySettings FSettings;
    TRegistryInstallation FEntry;
    TInstallationOrSample FInstallation;
    TNavigatorWindows FWindows;
    std::unique_ptr<TSplashScreen> FSplashScreen;
    std::unique_ptr<TClassNav> FClassNav;
    std::unique_ptr<TVCLDB> FVCLDB;
    std::unique_ptr<TIntroForm> FIntroForm;
    std::unique_ptr<TMPFDlg> FMPFDlg;
    std::unique_ptr<TClassDlg> FClassDlg;
    std::unique_ptr<TClassMemberDlg> FClassMemberDlg;
    std::unique_ptr<TConfigDlg> FConfigDlg;
    std::unique_ptr<TUnitsDlg> FUnitsDlg;
    std::unique_ptr<TRemoveUnitDlg> FRemoveUnitDlg;
};

}  // namespace qm
