// The VCL source path (kept in the settings, found through Delphi's installation entry) and the
// initialization that rebuilds the class database from the 49 VCL units.
#include "settingsstore.h"
#include "vcldb1.h"
#include "vclunits.h"

namespace qm {

void TVCLDB::VCLDBCreate(TSettingsStore* Settings, TDelphiInstallation* Installation) {
    FSettings = Settings;
    FInstallation = Installation;
    VCLSourcePath = FSettings ? FSettings->ReadSetting("VCLSourcePath", "") : "";
    if (VCLSourcePath.empty()) ReadDelphiSourcePath();
}

void TVCLDB::VCLDBDestroy() noexcept {
    try {
        if (FSettings) FSettings->WriteSetting("VCLSourcePath", VCLSourcePath);
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

void TVCLDB::InitializeVCL() {
    EmptyDatabase();
    TBatch batch(*this);
    for (const TVCLUnitName& unit : VCLUnitNames) LoadUnit(VCLUnitPath(VCLSourcePath, unit));
    LoadUnit(VCLReportPath(VCLSourcePath));
}

}  // namespace qm
