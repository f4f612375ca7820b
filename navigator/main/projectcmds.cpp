// Projects and the library path in the window: Open Project (a Delphi project's configuration
// chosen), Remove Project, the File menu's state, and Configuration, which shows and changes the
// library path kept in the class database. The loads that follow uses clauses start here.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QStringList>

#include "appwindows.h"
#include "cfgdlg1.h"
#include "choicedlg.h"
#include "libraryload.h"
#include "librarystore.h"
#include "loadscope.h"
#include "main1.h"
#include "projectfiles.h"
#include "selectlist.h"
#include "selectorpanel.h"
#include "sourcetext.h"
#include "statuspanels.h"
#include "targets.h"
#include "treeload.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {
namespace {

QString PathText(const std::string& Path) {
    return QFile::decodeName(QByteArray::fromStdString(Path));
}

// The installed sources searched after the library path, as Configuration names them.
QString InstalledNote(const TInstalledRoots& Roots) {
    QStringList Found;
    const std::pair<const char*, const std::string*> Trees[] = {
        {"Free Pascal", &Roots.FreePascal}, {"Lazarus", &Roots.Lazarus}, {"Delphi", &Roots.Delphi}};
    for (const auto& [Name, Root] : Trees)
        if (!Root->empty()) Found << QStringLiteral("%1 %2").arg(QLatin1String(Name), PathText(*Root));
    if (Found.isEmpty()) return QStringLiteral("No installed Free Pascal, Lazarus or Delphi sources were found.");
    return QStringLiteral("Searched after these, for their targets: ") + Found.join(QStringLiteral("; "));
}

}  // namespace

TLibraryLoad TClassNav::LibraryLoad() {
    TLibraryLoad Load(VCLDB());
    Load.Roots.Widgetset = SourceBytes(Windows().ConfigDlg->LazarusWidgetsetCB->currentText());
    Load.OnUnit = [this](int Done, int Total) { FLoad->ShowCount(Done, Total); };
    return Load;
}

bool TClassNav::FollowUses() {
    return !TLibraryStore(VCLDB()).LibraryPath().Folders.empty();
}

// A project's units and everything they use, read for Configuration's target (else the
// project's own kind) with its symbols and the project's. Of a Delphi project's configurations
// the user chooses one; Cancel opens nothing.
void TClassNav::OpenProjectItemClick() {
    const QString File = Prompts().OpenFile(this, QStringLiteral("Select Project to Open"),
                                            QStringLiteral("Project Files|*.dpr;*.lpr;*.lpi;*.lpk;*.dproj"));
    if (File.isEmpty()) return;
    const std::string Path = SourceBytes(File);
    std::string Configuration;
    if (const std::vector<std::string> Configurations = ProjectConfigurations(Path); Configurations.size() > 1) {
        QStringList Entries;
        for (const std::string& Name : Configurations) Entries << SourceText(Name);
        TChoiceDlg Dialog(this);
        const int Chosen = Dialog.Choose(QStringLiteral("Select Configuration"), Entries);
        if (Chosen < 0) return;
        Configuration = Configurations[size_t(Chosen)];
    }
    const TProjectDescription Project = ReadProjectFile(Path, Configuration);
    ClearStatusBar();
    TTreeLoadReport Report;
    {
        const TLoadScope Loading(*this, 0, true);
        const TConfigDlg& Config = *Windows().ConfigDlg;
        Report = LibraryLoad().Project(Project, FindTarget(SourceBytes(Config.ModernTargetCB->currentText())),
                                       Config.ModernSymbols());
    }
    if (FLoad->StopRequested()) return;
    ClearStatusBar();
    FSelectors->Refill();
    ShowTreeReport(Report);
}

// The project's units go, but those a unit that stays derives a class from (the tool's
// remove-project does the same). With one project the user confirms; with several the choice is
// the confirmation.
void TClassNav::RemoveProjectItemClick() {
    TLibraryStore Store(VCLDB());
    const std::vector<TProjectRow> Projects = Store.Projects();
    if (Projects.empty()) return;
    size_t Chosen = 0;
    if (Projects.size() > 1) {
        QStringList Entries;
        for (const TProjectRow& P : Projects) Entries << SourceText(P.Name) + QStringLiteral("  ") + PathText(P.Path);
        TChoiceDlg Dialog(this);
        const int Index = Dialog.Choose(QStringLiteral("Select Project to Remove"), Entries);
        if (Index < 0) return;
        Chosen = size_t(Index);
    } else if (!Prompts().Confirm(QStringLiteral("Remove the project %1 and the units it brought in?")
                                      .arg(SourceText(Projects[0].Name)))) {
        return;
    }
    {
        const TWaitCursor Wait;
        Store.RemoveProject(Projects[Chosen].ID);
    }
    AfterRemoval();
}

void TClassNav::FileItemClick() {
    Item(QStringLiteral("RemoveProjectItem"))->setEnabled(VCLDB().IsOpen() && !TLibraryStore(VCLDB()).Projects().empty());
}

// The dialog shows the stored library path each time it opens; OK stores the list as it stands,
// Cancel leaves the stored one as it was.
void TClassNav::ConfigurationItemClick() {
    TConfigDlg& Config = *Windows().ConfigDlg;
    const bool Open = VCLDB().IsOpen();
    Config.SetLibraryPath(Open ? TLibraryStore(VCLDB()).LibraryPath().Folders : std::vector<std::string>{});
    Config.InstalledLabel->setText(InstalledNote(LibraryLoad().Roots));
    if (Prompts().RunModal(Config) != QDialog::Accepted) return;
    FStatus->SetLinesPerPage(Config.LinesPerPageValue());
    TSearchPath Path;
    for (const std::string& Folder : Config.LibraryPath()) Path.Add(Folder);
    if (Open && Path.Folders != TLibraryStore(VCLDB()).LibraryPath().Folders) TLibraryStore(VCLDB()).SetLibraryPath(Path);
}

}  // namespace qm
