// Help on a word, the help index, the popup's enabling and "Last Member Search".
#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "appwindows.h"
#include "cfgdlg1.h"
#include "delphihelp.h"
#include "helpindexdlg.h"
#include "main1.h"
#include "mpfdlg1.h"
#include "posstore.h"
#include "sourceplace.h"
#include "userprompts.h"
#include "sourcetext.h"
#include "vcldb1.h"
#include "windowhelp.h"
#include "xre.h"

namespace qm {

bool TClassNav::HelpEnabled() const {
    return Windows().ConfigDlg->DelphiHelpCB->isChecked();
}

void TClassNav::HelpForWord(const std::string& Word) {
    FHelp->Delphi().SetShown(false);
    if (!HelpEnabled()) return;
    if (!FHelp->Lookup(Word)) {
        AskForMissingHelpFiles();
        return;
    }
}

bool TClassNav::DelphiHelpShown() const {
    return FHelp->Shown();
}

void TClassNav::DelphiHelpItemClick() {
    const std::string Word = SourceBytes(Memo()->CursorWord().trimmed());
    if (!Word.empty()) HelpForWord(Word);
}

void TClassNav::DelphiHelpIndexItemClick() {
    ShowHelpIndex(this, FHelp->Delphi(), "delphi.hlp", "delphi.hdx");
}

void TClassNav::MemoPopupPopup() {
    Item(QStringLiteral("SearchResultsItem"))->setEnabled(Windows().MPFDlg->HasResults());
    Item(QStringLiteral("BackItem"))->setEnabled(FSource->History().Count() > 0);
    const bool Help = HelpEnabled();
    Item(QStringLiteral("DelphiHelpItem"))->setEnabled(Help);
    Item(QStringLiteral("DelphiHelpIndexItem"))->setEnabled(Help);
}

// Re-opens the results of the last member search that found something and goes to the chosen
// member as the class search does.
void TClassNav::LastMemberSearch() {
    TMPFDlg& Dialog = *Windows().MPFDlg;
    if (!Dialog.HasResults()) return;
    const int K = Dialog.SelectLastResults();
    if (K <= 0) return;
    const std::string Member = Dialog.LastMemberName();
    GoToSearchTarget(K, Member, VCLDB().MemberPlace(K, Member));
}

}  // namespace qm
