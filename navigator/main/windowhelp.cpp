#include "windowhelp.h"

#include "delphihelp.h"
#include "helperror.h"
#include "helpviewer.h"
#include "settings.h"

namespace qm {

TWindowHelp::TWindowHelp() = default;
TWindowHelp::~TWindowHelp() = default;

void TWindowHelp::Start(void* WindowId, const std::string& InstallRoot) {
    FViewer = CreateHelpViewer(WindowId, [] { return ReadSetting("HelpViewerCommand", ""); });
    FDelphiHelp = std::make_unique<TDelphiHelp>(InstallRoot, *FViewer);
    const std::string Index = ReadSetting("DelphiHelpIndex", "");
    if (!Index.empty()) FDelphiHelp->SetIndexFile(Index);
    const std::string Dir = ReadSetting("DelphiHelpDir", "");
    if (!Dir.empty()) FDelphiHelp->SetHelpDir(Dir);
}

void TWindowHelp::Save() const {
    if (!FDelphiHelp) return;
    WriteSetting("DelphiHelpIndex", FDelphiHelp->IndexFile());
    WriteSetting("DelphiHelpDir", FDelphiHelp->HelpDir());
}

bool TWindowHelp::Lookup(const std::string& Word) {
    try {
        FDelphiHelp->Lookup(Word);
    } catch (const EDelphiHelpError&) {
        return false;
    }
    return true;
}

bool TWindowHelp::Shown() const {
    return FDelphiHelp && FDelphiHelp->Shown();
}

bool TWindowHelp::TakeViewerHint() {
#ifdef _WIN32
    return false;
#else
    if (FViewerHintGiven || FDelphiHelp->Shown() || FDelphiHelp->LastTopic().empty() ||
        !ReadSetting("HelpViewerCommand", "").empty())
        return false;
    FViewerHintGiven = true;
    return true;
#endif
}

}  // namespace qm
