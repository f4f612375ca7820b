// Where no Delphi installation is configured, the program browses the sample installation that
// ships with it: Delphi's entry when it names a folder, the sample's folder otherwise.
#pragma once

#include <string>

#include "settingsstore.h"

namespace qm {

class TInstallationOrSample : public TDelphiInstallation {
public:
    // Sample may be empty: then this is Delphi's entry alone.
    TInstallationOrSample(TDelphiInstallation& Entry, std::string Sample)
        : FEntry(Entry), FSample(std::move(Sample)) {}
    std::string RootDir() override;

private:
    TDelphiInstallation& FEntry;
    std::string FSample;
};

// The sample installation next to the program: share/quillmap2/delphi2 of an installed tree, or
// BuildTreeSample (the source tree's, for a program run from its build folder); empty when neither
// holds one.
std::string FindSampleInstallation(const std::string& BuildTreeSample);

}  // namespace qm
