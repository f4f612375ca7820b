// TClassNav: the main window. It owns the controls, the menus and the stores of places; its
// handlers live in files of their own: startup (show, idle work, status bar, error report, help
// file prompts, close), sourceview (ShowUnit, Back, bookmarks), classinfo, selectors (the top
// panel, searches, Copy and Paste), navigation (double-click and the popup's class commands),
// helpcmds, unitcmds (loads and removals), otherprograms, printcmd; main1.cpp builds the window.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

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

class TXRichEdit;
class TDelphiHelp;
class THelpViewer;
class TClassInfoPage;
class TLoadProgress;
class TSelectorPanel;
class TSourcePlace;
class TStatusPanels;
class TVCLDB;
class TConfigDlg;
class PrinterDevice;
class TPageLayout;
struct TNavigatorWindows;
struct TMenuEntry;

class TClassNav : public QMainWindow {
    Q_OBJECT
public:
    explicit TClassNav(QWidget* Parent = nullptr);
    ~TClassNav() override;
    // The other windows and the class database, created after this window.
    void Attach(TNavigatorWindows& Windows);

    // --- fields ---------------------------------------------------------------------------------
    int LinesPerPage = 72;
    std::unique_ptr<THelpViewer> HelpViewer;
    std::unique_ptr<TDelphiHelp> DelphiHelp;
    // The printer and the main window's page layout, made at the first print; MakePrinter, when
    // set, makes the printer instead of the default one (tests print to PDF files).
    std::function<std::unique_ptr<PrinterDevice>()> MakePrinter;
    std::unique_ptr<PrinterDevice> Printer;
    std::unique_ptr<TPageLayout> PageLayout;

    // --- controls ---------------------------------------------------------------------------------
    QComboBox* ClassesCB = nullptr;
    QComboBox* UnitsCB = nullptr;
    QLineEdit* TextSearchEdit = nullptr;
    QToolButton* TextSearchGoSB = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* SourceTabSheet = nullptr;
    QWidget* ClassInfoTabSheet = nullptr;
    TXRichEdit* Memo = nullptr;
    QTreeView* ClassListView = nullptr;
    QMenu* MemoPopup = nullptr;

    // The menu item or hidden shortcut item of that objectName; null when there is none.
    QAction* Item(const QString& Name) const;
    QMenu* Menu(const QString& Name) const;
    TVCLDB& VCLDB() const;
    TNavigatorWindows& Windows() const { return *FWindows; }
    // The parts of the window that own their state.
    TClassInfoPage& ClassInfo() const { return *FClassInfo; }
    TStatusPanels& Status() const { return *FStatus; }
    TSourcePlace& Source() const { return *FSource; }
    TSelectorPanel& Selectors() const { return *FSelectors; }
    TLoadProgress& Load() const { return *FLoad; }

    // --- start, idle, close, errors ---------------------------------------------------------------
    // Runs Command with every error it raises going to the error report.
    void ReportErrors(const std::function<void()>& Command);
    // Runs a command the user gave: none starts while a load runs; its errors go to the report.
    void RunCommand(const std::function<void()>& Command);
    void FormShow();
    void AppIdle();
    void FirstIdleWork();
    bool FormCloseQuery();
    void AppException(const std::exception& E);
    void SelectPage(QWidget* Page);
    void PageControlChange();
    bool SourcePageActive() const;
    void LocateHelpIndex();
    void LocateHelpFile();
    void RefreshStatusBar();
    void SetStatusText(int Panel, const QString& Text);
    QString StatusText(int Panel) const;

    // --- source view (history, bookmarks) ---------------------------------------------------------
    // Where every navigation ends: Line is 0-based, as the source view counts.
    void ShowUnit(int UnitID, int Line, bool RecordHistory);
    // The one way to a place of the class database (lines from 1).
    void GoTo(const TPlace& Place, bool RecordHistory);
    void BackItemClick();
    void AddBookmark(int N);
    void GotoBookmark(int N);

    // --- Class Info ----------------------------------------------------------------------------------
    void FillClassList(int ClassID);
    void ClassListViewColumnClick(int Column);
    void ClassListViewDblClick();
    void FieldItemClick(QAction& Item);

    // --- selectors and search ----------------------------------------------------------------------
    void ShowClass(const std::string& UnitName, const std::string& ClassName);
    void UnitsCBChange();
    void ClassSearch();
    void GoToSearchTarget(int ClassID, const std::string& Member, const TPlace& Target);
    void TextSearchGoSBClick();
    void CTRLFClick();
    void SearchSCClick();
    void CopyItemClick();
    void PasteItemClick();

    // --- navigation from the cursor line ----------------------------------------------------------
    void MemoDblClick();
    void InheritedItemClick();
    void ClassInfoItemClick();

    // --- searches and help ------------------------------------------------------------------------
    void LastMemberSearch();
    void HelpForWord(const std::string& Word);
    bool DelphiHelpShown() const;
    // "Enable Delphi Help" of the configuration dialog.
    bool HelpEnabled() const;
    void DelphiHelpItemClick();
    void DelphiHelpIndexItemClick();

    // --- unit commands and printing ------------------------------------------------------------------
    void LoadUnit1Click();
    void LoadVCL1Click();
    // The Initialize command; Ask is false when the first run starts it.
    void InitializeCommand(bool Ask);
    void RemoveUnitItemClick();
    void PurgenonVCLItemClick();
    void PrintItemClick();
    // After a load that did not finish: TApplication when the database still holds it, else the
    // lists of what it holds (and a word in the status bar when that is nothing).
    void ShowRemainingLibrary();
    // True while a load runs: commands wait, a close request stops the load and then the program.
    bool Loading() const;
    // Ends the program after a fatal error.
    void TerminateProgram();
    void ForgetRemovedUnits();
    // After another program committed: the lists follow, and what the window shows that has gone
    // is let go of with one message.
    void FollowOtherPrograms();

    void AfterRemoval();
    void ClearStatusBar();

    // --- menu openings --------------------------------------------------------------------------------
    void EditItemClick();
    void FiltersItemClick();
    void MemoPopupPopup();
    void ConfigurationItemClick();
    void Exit1Click();
    void About1Click();

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
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
    TNavigatorWindows* FWindows = nullptr;
    TClassInfoPage* FClassInfo = nullptr;
    std::unique_ptr<TStatusPanels> FStatus;
    TSourcePlace* FSource = nullptr;
    TSelectorPanel* FSelectors = nullptr;
    std::unique_ptr<TLoadProgress> FLoad;
    bool FShown = false;
    bool FFirstIdle = true;  // until the first idle event takes it away
    bool FViewerHintGiven = false;
    bool FOthersCommitted = false;  // another program committed; the window has not followed yet
    bool FFollowPosted = false;     // following is queued
    bool FIdleFailed = false;       // the status refresh failed; it waits for the next command
    class TLoadScope;
};

}  // namespace qm
