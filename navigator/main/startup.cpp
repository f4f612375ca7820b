// The main window's life: shown, the first idle event's work, the idle status refresh, the error
// report, the help file prompts, closing.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include "application.h"
#include "appwindows.h"
#include "cfgdlg1.h"
#include "centrewindow.h"
#include "classinfopage.h"
#include "classlist.h"
#include "delphihelp.h"
#include "descendantspage.h"
#include "windowhelp.h"
#include "main1.h"
#include "loadprogress.h"
#include "marlsfrm.h"
#include "paths.h"
#include "placement.h"
#include "settings.h"
#include "sourceplace.h"
#include "sourcetext.h"
#include "splash.h"
#include "statuspanels.h"
#include "typequeries.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {

void TClassNav::ReportErrors(const std::function<void()>& Command) {
    RunReported(Command);
}

void TClassNav::RunCommand(const std::function<void()>& Command) {
    if (FLoad->Loading()) return;
    FIdleFailed = false;
    RunReported(Command);
}

void TClassNav::FormShow() {
    // First, so that whatever fails from here on reaches the user.
    SetErrorReport([this](const std::exception& E) { AppException(E); });
    FStatus->SetLinesPerPage(72);
    FClassInfo->ResetSort();
    SelectPage(SourceTabSheet());
    // The idle handler: the moment the event loop is about to wait for more events.
    // Idle work waits while a modal box runs its own loop: above all the error report's, where a
    // failing refresh would report again and again.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (!ErrorReportOpen() && !QApplication::activeModalWidget()) RunReported([this] { AppIdle(); });
    });
    FHelp->Start(reinterpret_cast<void*>(winId()), FWindows->Installation ? InstallationRoot(*FWindows->Installation) : "",
                 [this] { RunCommand([this] { DelphiHelpIndexItemClick(); }); });
    if (!RestorePlacement(*this)) CentreOnScreen(*this);
}

void TClassNav::AppIdle() {
    if (FFirstIdle) {
        FFirstIdle = false;
        // Work that may open windows runs from the queue, never inside the dispatcher's signal.
        QTimer::singleShot(0, this, [this] { RunReported([this] { FirstIdleWork(); }); });
    }
    if (FLoad->Loading()) return;
    TVCLDB& Db = VCLDB();
    bool Follow;
    {
        // One look at the data version serves every question of this idle moment.
        const TVCLDB::TBurst Once(Db);
        if (Db.IsOpen() && Db.ChangedByOthers()) FOthersCommitted = true;
        // Not while a selector's list is dropped down: it would change under the user's hand.
        Follow = FOthersCommitted && !FFollowPosted && !ClassesCB()->view()->isVisible() &&
                 !UnitsCB()->view()->isVisible();
        // A refresh that failed is not tried again until the user does something: a failure that
        // stays would otherwise be reported at every idle moment.
        if (!Follow && !FFollowPosted && !FIdleFailed) {
            FIdleFailed = true;
            RefreshStatusBar();
            // What the caret lies in, for it to follow when another program re-reads the unit.
            FSource->RememberCaret();
            FIdleFailed = false;
        }
    }
    // Following may show a message: like the first idle work it runs from the queue, never inside
    // the dispatcher's signal.
    if (Follow) {
        FFollowPosted = true;
        QTimer::singleShot(0, this, [this] {
            FFollowPosted = false;
            FOthersCommitted = false;
            RunReported([this] { FollowOtherPrograms(); });
        });
    }
}

void TClassNav::FirstIdleWork() {
    TVCLDB& Db = VCLDB();
    Db.OpenDatabase(FWindows->DatabaseFile);
    if (!Db.OpenNotice().empty()) Prompts().ShowMessage(SourceText(Db.OpenNotice()));
    StartWatching();
    FStatus->SetLinesPerPage(FWindows->ConfigDlg->LinesPerPageValue());
    if (Db.VCLLoaded) {
        ShowClass("Forms", "TApplication");
        FWindows->SplashScreen->hide();
        return;
    }
    if (Db.IsReadOnly()) {
        // Nothing can be built in a database this program may only read: it is browsed as it is.
        FWindows->SplashScreen->hide();
        ShowRemainingLibrary();
        return;
    }
    FWindows->SplashScreen->hide();
    Prompts().RunModal(*FWindows->IntroForm);
    InitializeCommand(false);
    FWindows->ConfigDlg->DelphiHelpCB->setChecked(true);
    AskForMissingHelpFiles();
}

bool TClassNav::FormCloseQuery() {
    SavePlacement(*this);
    FHelp->Close();
    return true;
}

void TClassNav::AppException(const std::exception& E) {
    Prompts().ShowError(ErrorReportText(E));
}

void TClassNav::About1Click() {
    FWindows->SplashScreen->ShowAbout();
}

namespace {

// Asks for a help file the help lookup could not find; the chosen path, or empty.
QString LocateFile(TClassNav& Window, const char* Question, const char* Title, const char* Filter) {
    if (!Prompts().Confirm(QString::fromLatin1(Question))) {
        Window.Windows().ConfigDlg->DelphiHelpCB->setChecked(false);
        return {};
    }
    return Prompts().OpenFile(&Window, QString::fromLatin1(Title), QString::fromLatin1(Filter));
}

}  // namespace

void TClassNav::AskForMissingHelpFiles() {
    if (FHelp->Delphi().IndexFile().empty()) LocateHelpIndex();
    if (FHelp->Delphi().HelpDir().empty()) LocateHelpFile();
}

void TClassNav::LocateHelpIndex() {
    const QString File = LocateFile(*this,
                                    "The Delphi Help Index File DELPHI.HDX is not in the expected location\n"
                                    "Would you like to locate it?",
                                    "Please Locate the Delphi Help Index File DELPHI.HDX", "Help Index Files|*.hdx");
    if (!File.isEmpty()) FHelp->Delphi().SetIndexFile(SourceBytes(File));
}

void TClassNav::LocateHelpFile() {
    const QString File = LocateFile(*this,
                                    "The Delphi Help File DELPHI.HLP is not in the expected location\n"
                                    "Would you like to locate it?",
                                    "Please Locate the Delphi Help File DELPHI.HLP", "Help Files|*.hlp");
    if (File.isEmpty()) return;
    FHelp->Delphi().SetHelpDir(FolderPart(SourceBytes(File)));
}

void TClassNav::SetStatusText(int Panel, const QString& Text) {
    FStatus->SetText(Panel, Text);
}

QString TClassNav::StatusText(int Panel) const {
    return FStatus->Text(Panel);
}

// "Class: TForm", "Interface: IFoo", "Record helper: TPointHelper"...
QString TClassNav::TypeLead(int ClassID) {
    const TClassRow& Row = VCLDB().ClassRecord(ClassID);
    return QString::fromStdString(KindCaption(Row.Kind)) + QStringLiteral(": ") + SourceText(Row.Name);
}

void TClassNav::RefreshStatusBar() {
    QString Texts[4];
    TVCLDB& Db = VCLDB();
    // The unit, line and page of a place.
    auto ShowPlace = [&](int UnitID, int Line, int FileID) {
        Texts[0] = QStringLiteral("Unit: ") + SourceText(Db.GetUnitName(UnitID));
        // A line of an include file: the file is named too.
        if (FileID != 0) Texts[0] += QStringLiteral(" - ") + SourceText(FileNamePart(Db.PlacePath({UnitID, Line, FileID})));
        Texts[1] = QStringLiteral("Line: %1").arg(Line);
        Texts[2] = FStatus->PageText(Line);
    };
    if (SourcePageActive()) {
        if (Db.CurrentUnitID == 0) return;
        const int L = Memo()->CursorLinePos() + 1;
        TLineInfoRec Info;
        Db.GetLineInfo(L, Info);
        ShowPlace(Db.CurrentUnitID, L, Db.CurrentFileID);
        Texts[3] = SourceText(Info.ClassName) + QLatin1Char('.') + SourceText(Info.MemberName);
    } else if (PageActive(ClassInfoTabSheet())) {
        if (const TClassInfoRow* Row = FClassInfo->SelectedRow()) {
            const TPlace& Target = Row->Member.Place;
            // An interface that is not loaded has no place.
            if (Target.UnitID != 0) ShowPlace(Target.UnitID, Target.Line, Target.FileID);
            Texts[3] = TypeLead(FClassInfo->ClassID());
        }
    } else if (const int K = FDescendants->CurrentClass(); K != 0 && Db.ClassExists(K)) {
        const TPlace Target = Db.ClassPlace(K);
        ShowPlace(Target.UnitID, Target.Line, Target.FileID);
        Texts[3] = TypeLead(K);
    }
    for (int i = 0; i < 4; ++i) SetStatusText(i, Texts[i]);
}

}  // namespace qm
