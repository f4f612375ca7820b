#include "windowhelp.h"

#include "builtinviewer.h"
#include "delphihelp.h"
#include "helperror.h"
#include "helpviewer.h"
#include "settings.h"

namespace qm {

TWindowHelp::TWindowHelp() = default;
TWindowHelp::~TWindowHelp() = default;

void TWindowHelp::Start(void* WindowId, const std::string& InstallRoot, std::function<void()> ShowIndex) {
    const TSettingReader Command = [] { return ReadSetting("HelpViewerCommand", ""); };
    FExternal = CreateHelpViewer(WindowId, Command);
    FBuiltIn = std::make_unique<TBuiltInHelpViewer>(std::move(ShowIndex));
    FViewer = std::make_unique<TPreferredHelpViewer>(Command, *FExternal, *FBuiltIn);
    FDelphiHelp = std::make_unique<TDelphiHelp>(InstallRoot, *FViewer);
    const std::string Index = ReadSetting("DelphiHelpIndex", "");
    if (!Index.empty()) FDelphiHelp->SetIndexFile(Index);
    const std::string Dir = ReadSetting("DelphiHelpDir", "");
    if (!Dir.empty()) FDelphiHelp->SetHelpDir(Dir);
}

void TWindowHelp::Close() const {
    if (!FDelphiHelp) return;
    FBuiltIn->Close();
    WriteSetting("DelphiHelpIndex", FDelphiHelp->IndexFile());
    WriteSetting("DelphiHelpDir", FDelphiHelp->HelpDir());
}

bool TWindowHelp::Lookup(const std::string& Word) {
    try {
        FDelphiHelp->Lookup(Word);
    } catch (const EDelphiHelpError&) {
        // A damaged index or help file is an error the user sees; a missing one is asked for.
        if (FDelphiHelp->IndexFile().empty() || FDelphiHelp->HelpDir().empty()) return false;
        throw;
    }
    return true;
}

bool TWindowHelp::Shown() const {
    return FDelphiHelp && FDelphiHelp->Shown();
}

THelpTopicWindow* TWindowHelp::TopicWindow() const {
    return FBuiltIn ? FBuiltIn->Window() : nullptr;
}

}  // namespace qm
