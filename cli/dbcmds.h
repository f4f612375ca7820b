// The class database commands of quillmap2-cli: init, add, units, classes, members, search,
// lineinfo, resolve, dependants, remove, remove-non-vcl, descendants, overrides, refresh.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

bool IsDatabaseCommand(const std::string& Command);

class TSettingsStore;
class TDelphiInstallation;

// Runs Command on the database file DbPath. Settings and Installation (may be null) give the
// stored VCL source path and Delphi's entry. Records go to Out, one a line (recordtext.h).
// Returns the exit status: 0 done, 1 an error was reported on Err, 2 a usage error. A command
// that worked on a file made by a newer version of the program still says so on Err.
int RunDatabaseCommand(const std::string& DbPath, const std::string& Command, const std::vector<std::string>& Args,
                       std::ostream& Out, std::ostream& Err, TSettingsStore* Settings = nullptr,
                       TDelphiInstallation* Installation = nullptr);

}  // namespace qm
