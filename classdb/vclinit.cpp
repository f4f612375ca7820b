// The VCL source path (kept in the settings, found through Delphi's installation entry) and the
// initialization that rebuilds the class database from the 49 VCL units.
#include "settingsstore.h"
#include "unitparser.h"
#include "vcldb1.h"
#include "vclunits.h"

namespace qm {

// A damaged stored value (a list, a byte block, a settings file that cannot be read) counts as
// no value: settings never stop the class database from working.
void TVCLDB::VCLDBCreate(TSettingsStore* Settings, TDelphiInstallation* Installation) {
    FSettings = Settings;
    FInstallation = Installation;
    try {
        VCLSourcePath = FSettings ? FSettings->ReadSetting("VCLSourcePath", "") : "";
    } catch (const Exception&) {
        VCLSourcePath.clear();
    }
    if (VCLSourcePath.empty()) ReadDelphiSourcePath();
    FStoredSourcePath = VCLSourcePath;
}

// Only a path that changed while the program ran is written: a program that merely reads the
// database leaves the user's settings alone.
void TVCLDB::VCLDBDestroy() noexcept {
    try {
        if (FSettings && VCLSourcePath != FStoredSourcePath) FSettings->WriteSetting("VCLSourcePath", VCLSourcePath);
    } catch (const Exception&) {
        // Nothing can be reported while the program closes; the old value stays stored.
    }
    DropTempTables();
}

void TVCLDB::ReadDelphiSourcePath() {
    try {
        const std::string root = FInstallation ? FInstallation->RootDir() : "";
        VCLSourcePath = root + PathDelim + "SOURCE" + PathDelim;
    } catch (const ERegistryException&) {
        VCLSourcePath.clear();
    }
}

// Emptying and loading are one transaction, so a failed or interrupted initialization loses
// nothing that was stored before it.
void TVCLDB::InitializeVCL() {
    TCall call(*this);
    InitializeLoadedUnits = 0;
    TBatch batch(*this);
    // The VCL is Delphi 2.0's own code: read by its rules, whatever the user chose for others.
    const TUseDialect dialect(*this, TDialect::Delphi2);
    DeleteAllRows();
    for (const TVCLUnitName& unit : VCLUnitNames) {
        LoadUnit(VCLUnitPath(VCLSourcePath, unit));
        ++InitializeLoadedUnits;
    }
    LoadUnit(VCLReportPath(VCLSourcePath));
    ++InitializeLoadedUnits;
    batch.Commit();
}

}  // namespace qm
