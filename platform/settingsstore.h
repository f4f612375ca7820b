// The program's named settings and Delphi's installation entry as the layers below the window
// see them. config/ implements both on QSettings (the registry on Windows, files elsewhere);
// tests use small stand-ins.
#pragma once

#include <string>

#include "errors.h"

namespace qm {

// A failure of the settings store (the registry or its stand-in).
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Section "General" of the program's settings.
class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;
    virtual std::string ReadSetting(const std::string& Name, const std::string& Default) = 0;
    virtual void WriteSetting(const std::string& Name, const std::string& Value) = 0;
};

// Delphi 2.0's installation entry, only ever read.
class TDelphiInstallation {
public:
    virtual ~TDelphiInstallation() = default;
    // "RootDir" of the entry; empty when the entry or the value is missing. Raises
    // ERegistryException when the store cannot be read.
    virtual std::string RootDir() = 0;
};

}  // namespace qm
