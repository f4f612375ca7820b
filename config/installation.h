// Delphi 2.0's installation entry, read only: "RootDir" of HKEY_LOCAL_MACHINE
// "\Software\Borland\Delphi\2.0" on Windows, elsewhere the system settings file Borland/Delphi.conf
// found through XDG_CONFIG_DIRS, group "2.0".
#pragma once

#include <string>

#include "settingsstore.h"

namespace qm {

class TRegistryInstallation : public TDelphiInstallation {
public:
    std::string RootDir() override;
};

}  // namespace qm
