// TWindowHelp: the window's Delphi help. It owns the help viewer and the keyword index lookup,
// reads where the index and the help file are from the settings and writes them back, and knows
// when the user has been told that no viewer can show a topic.
#pragma once

#include <memory>
#include <string>

namespace qm {

class TDelphiHelp;
class THelpViewer;

class TWindowHelp {
public:
    TWindowHelp();
    ~TWindowHelp();
    TWindowHelp(const TWindowHelp&) = delete;
    TWindowHelp& operator=(const TWindowHelp&) = delete;

    // Makes the viewer for the window WindowId and the lookup in the installation InstallRoot,
    // with the index and help file locations the settings keep.
    void Start(void* WindowId, const std::string& InstallRoot);
    bool Started() const { return FDelphiHelp != nullptr; }
    // Writes the locations back to the settings; nothing before Start.
    void Save() const;

    TDelphiHelp& Delphi() const { return *FDelphiHelp; }
    // Looks Word up and shows its topic. False when the keyword index or the help file is
    // missing: the caller asks the user for what is missing.
    bool Lookup(const std::string& Word);
    bool Shown() const;
    // True the first time a topic was found that nothing could show because no viewer command
    // is set (never on Windows, where the system shows help).
    bool TakeViewerHint();

private:
    std::unique_ptr<THelpViewer> FViewer;
    std::unique_ptr<TDelphiHelp> FDelphiHelp;
    bool FViewerHintGiven = false;
};

}  // namespace qm
