// TClassNav: the main window, a coordinator of parts that own their state: the source place
// (shown unit, history, bookmarks), the Class Info and Descendants pages, the selectors, the status panels, the
// load progress, the help and the printing. It owns the controls and the menus made from the menu
// table, whose commands are the handlers below; they live in files of their own: startup (show,
// idle work, status bar, error report, help file prompts, close), sourceview, classinfo,
// selectors (searches, Copy and Paste), navigation (double-click and the popup's class commands),
// helpcmds, unitcmds (loads and removals), otherprograms and printcmd; main1.cpp builds the window.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dbrows.h"
#include "events.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolButton;
class QTreeView;
class QProgressBar;
class QModelIndex;

namespace Ui {
class ClassNav;
}

namespace qm {

struct TTreeLoadReport;

class TXRichEdit;
class TClassInfoPage;
class TDescendantsPage;
class TLibraryLoad;
class TLoadProgress;
class TSelectorPanel;
class TSourcePlace;
class TStatusPanels;
class TVCLDB;
class TConfigDlg;
class TDefineSet;
class TWindowHelp;
class TWindowPrinting;
class TSourceWatcher;
struct TRefreshReport;
struct TNavigatorWindows;
struct TMenuEntry;

class TClassNav : public QMainWindow {
    Q_OBJECT
public:
    explicit TClassNav(QWidget* Parent = nullptr);
    ~TClassNav() override;
    // The other windows and the class database, created after this window.
    void Attach(TNavigatorWindows& Windows);

    // --- controls ---------------------------------------------------------------------------------
    QComboBox* ClassesCB() const;
    QComboBox* UnitsCB() const;
    QLineEdit* TextSearchEdit() const;
    QTabWidget* PageControl() const;
    QWidget* SourceTabSheet() const;
    QWidget* ClassInfoTabSheet() const;
    QWidget* DescendantsTabSheet() const { return FDescendantsTab; }
    TXRichEdit* Memo() const;
    QTreeView* ClassListView() const;
    QMenu* MemoPopup() const { return FMemoPopup; }
    QMenu* ClassInfoPopup() const { return FClassInfoPopup; }

    // The menu item or hidden shortcut item of that objectName; null when there is none.
    QAction* Item(const QString& Name) const;
    QMenu* Menu(const QString& Name) const;
    TNavigatorWindows& Windows() const { return *FWindows; }
    // The parts of the window that own their state.
    TClassInfoPage& ClassInfo() const { return *FClassInfo; }
    TDescendantsPage& Descendants() const { return *FDescendants; }
    TStatusPanels& Status() const { return *FStatus; }
    TSourcePlace& Source() const { return *FSource; }
    TSelectorPanel& Selectors() const { return *FSelectors; }
    TLoadProgress& Load() const { return *FLoad; }
    TWindowHelp& Help() const { return *FHelp; }
    TWindowPrinting& Printing() const { return *FPrinting; }

    // --- start, idle, close, errors ---------------------------------------------------------------
    // Runs Command with every error it raises going to the error report.
    void ReportErrors(const std::function<void()>& Command);
    void AppIdle();
    void SelectPage(QWidget* Page);
    QString StatusText(int Panel) const;

    // --- source view (history, bookmarks) ---------------------------------------------------------
    // Where every navigation ends: Line is 0-based, as the source view counts.
    void ShowUnit(int UnitID, int Line, bool RecordHistory);
    void BackItemClick();
    void AddBookmark(int N);
    void GotoBookmark(int N);

    // --- Class Info ----------------------------------------------------------------------------------
    void FillClassList(int ClassID);
    void ClassListViewColumnClick(int Column);
    void FieldItemClick(QAction& Item);

    // --- selectors and search ----------------------------------------------------------------------
    void ShowClass(const std::string& UnitName, const std::string& ClassName);
    void ClassSearch();
    void TextSearchGoSBClick();
    void CTRLFClick();
    void SearchSCClick();
    void CopyItemClick();
    void PasteItemClick();

    // --- navigation from the cursor line ----------------------------------------------------------
    void InheritedItemClick();
    void ClassInfoItemClick();
    // The descendants that declare the member under the caret (else the member around it), or
    // the member of the Class Info row, to choose one and go to it.
    void OverridesItemClick();
    void MemberOverridesItemClick();

    // --- searches and help ------------------------------------------------------------------------
    void LastMemberSearch();
    void HelpForWord(const std::string& Word);
    bool DelphiHelpShown() const;
    void DelphiHelpItemClick();
    void DelphiHelpIndexItemClick();

    // --- unit commands and printing ------------------------------------------------------------------
    void LoadUnit1Click();
    void AddFolderItemClick();
    void OpenProjectItemClick();
    // The projects opened, one chosen, removed with the units only they brought in.
    void RemoveProjectItemClick();
    void LoadVCL1Click();
    // The Initialize command; Ask is false when the first run starts it.
    void InitializeCommand(bool Ask);
    void RemoveUnitItemClick();
    void PurgenonVCLItemClick();
    void PrintItemClick();
    // The current class's ancestors and descendants as a picture, SVG or PDF.
    void ExportHierarchyItemClick();

    // --- following the disk (windowrefresh.cpp) -------------------------------------------------------
    // Edit > Refresh: every unit whose file changed is read again.
    void RefreshItemClick();

    // --- menu openings --------------------------------------------------------------------------------
    void ConfigurationItemClick();
    void Exit1Click();
    void About1Click();

protected:
    void showEvent(QShowEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // --- the window's own work, behind the handlers ------------------------------------------------
    TVCLDB& VCLDB() const;
    // Runs a command the user gave: none starts while a load runs; its errors go to the report.
    void RunCommand(const std::function<void()>& Command);
    void FormShow();
    void FirstIdleWork();
    bool FormCloseQuery();
    void AppException(const std::exception& E);
    void PageControlChange();
    bool SourcePageActive() const;
    bool PageActive(const QWidget* Page) const;
    // The Descendants page's class opened on the Source page.
    void DescendantChosen(int ClassID);
    void ShowOverrides(int ClassID, const std::string& Member);
    // The implementing classes' methods of an interface's method, to choose one and go to it.
    // False when no class implements it.
    bool ShowImplementations(int InterfaceID, const std::string& Member);
    void GoToOverload(int ClassID, const std::string& Member, bool Declarations);
    void ClassInfoPopupPopup();
    // Asks for the keyword index and the help file where they are not known.
    void AskForMissingHelpFiles();
    void LocateHelpIndex();
    void LocateHelpFile();
    void RefreshStatusBar();
    // The status bar's name of a type: its kind, then its name.
    QString TypeLead(int ClassID);
    void SetStatusText(int Panel, const QString& Text);
    // The one way to a place of the class database (lines from 1).
    void GoTo(const TPlace& Place, bool RecordHistory);
    void ClassListViewDblClick();
    void UnitsCBChange();
    void GoToSearchTarget(int ClassID, const std::string& Member, const TPlace& Target);
    void MemoDblClick();
    // "Enable Delphi Help" of the configuration dialog.
    bool HelpEnabled() const;
    // After a load that did not finish: TApplication when the database still holds it, else the
    // lists of what it holds (and a word in the status bar when that is nothing).
    void ShowRemainingLibrary();
    // True while a load runs: commands wait, a close request stops the load and then the program.
    bool Loading() const;
    // Add Unit and Add Folder read modern Object Pascal (the configuration's check box); the
    // class database goes back to the Delphi 2.0 rules after each.
    bool ModernPascal() const;
    // The target and symbols Configuration gives the modern reading.
    std::shared_ptr<const TDefineSet> ModernDefines() const;
    void ShowLoadMessages();
    // The report of a load of many units: what loaded, what did not, and what was not found.
    void ShowTreeReport(const TTreeLoadReport& Report);
    // Add Unit and Add Folder follow uses clauses when the library path holds a folder.
    bool FollowUses();
    // A load along the library path and the installed sources, for Configuration's widgetset,
    // counting its units on the progress display.
    TLibraryLoad LibraryLoad();
    // Ends the program after a fatal error.
    void TerminateProgram();
    void ForgetRemovedUnits();
    // After another program committed: the lists follow, and what the window shows that has gone
    // is let go of with one message.
    void FollowOtherPrograms();
    void AfterRemoval();
    // The source watcher, started once the class database is open.
    void StartWatching();
    void SourcesRefreshed(const TRefreshReport& Report);
    // After rows changed elsewhere: when units were re-read, the shown text and Class Info follow.
    void FollowRereadUnits();
    void ClearStatusBar();
    void FileItemClick();
    void EditItemClick();
    void FiltersItemClick();
    void MemoPopupPopup();

    void CreateMenus();
    void AddMenuEntry(const TMenuEntry& Entry);
    void ConnectControls();
    // A slot that runs Command through the error report.
    // Commands do not start while a load runs.
    template <class F>
    auto Guarded(F Command) {
        return [this, Command](auto&&...) { RunCommand(Command); };
    }
    void ClearWindow();

    std::unique_ptr<Ui::ClassNav> FUi;
    QMenu* FMemoPopup = nullptr;
    QMenu* FClassInfoPopup = nullptr;
    TNavigatorWindows* FWindows = nullptr;
    TClassInfoPage* FClassInfo = nullptr;
    TDescendantsPage* FDescendants = nullptr;
    QWidget* FDescendantsTab = nullptr;
    std::unique_ptr<TStatusPanels> FStatus;
    TSourcePlace* FSource = nullptr;
    TSelectorPanel* FSelectors = nullptr;
    std::unique_ptr<TLoadProgress> FLoad;
    std::unique_ptr<TWindowHelp> FHelp;
    std::unique_ptr<TWindowPrinting> FPrinting;
    bool FShown = false;
    bool FFirstIdle = true;  // until the first idle event takes it away
    bool FOthersCommitted = false;  // another program committed; the window has not followed yet
    bool FFollowPosted = false;     // following is queued
    bool FIdleFailed = false;       // the status refresh failed; it waits for the next command
    class TLoadScope;
    TSourceWatcher* FWatcher = nullptr;
    long long FRereads = 0;  // TUnitRefresher::Rereads as last followed
    QHash<QString, QString> FToldFailures;  // file -> the reason it was not re-read, as said
};

}  // namespace qm
