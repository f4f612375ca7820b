#include "installation.h"

#include <QSettings>

#include "registry.h"

namespace qm {

std::string TRegistryInstallation::RootDir() {
#ifdef Q_OS_WIN
    // Delphi 2.0 is a 32-bit program: its installer wrote the entry into the 32-bit view.
    auto settings = std::make_unique<QSettings>(R"(HKEY_LOCAL_MACHINE\Software\Borland\Delphi)",
                                                QSettings::Registry32Format);
#else
    auto settings = std::make_unique<QSettings>(QSettings::SystemScope, "Borland", "Delphi");
#endif
    const TRegistry key(std::move(settings), R"(\Software\Borland\Delphi)");
    return key.ReadString("2.0", "RootDir", "");
}

}  // namespace qm
