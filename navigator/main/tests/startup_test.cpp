// Starting the program: the sample library's TApplication at once, the first run's build, the
// status bar, the error report, placement, menus and their enabling, and what a screen reader reads.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <QTextBlock>
#include <QStatusBar>

#include "application.h"
#include "cfgdlg1.h"
#include "classlist.h"
#include "classinfopage.h"
#include "main1.h"
#include "statuspanels.h"
#include "marlsfrm.h"
#include "sourcetext.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

class Startup : public WindowTest {};

TEST_F(Startup, ShowsTApplicationOfFormsWithItsMembers) {
    Start(SampleDatabase());
    TClassNav& W = Nav();
    const int X = Db().ClassesIDByNameIndex("TApplication", 0);
    EXPECT_TRUE(Prompts.ModalDialogs.empty()) << "no first-run window";
    EXPECT_EQ(W.PageControl()->currentWidget(), W.SourceTabSheet());
    EXPECT_EQ(W.Memo()->CursorLinePos(), Db().GetClassLine(X) - 1);
    EXPECT_EQ(W.Memo()->FirstVisibleLine(), Db().GetClassLine(X) - 1);
    EXPECT_TRUE(W.Memo()->Lines().Line(W.Memo()->CursorLinePos()).contains(u"TApplication"));
    EXPECT_GE(W.ClassInfo().Model().rowCount(), 150);
    EXPECT_EQ(W.ClassInfo().ClassName(), "TApplication");
    EXPECT_EQ(W.ClassesCB()->currentText(), "TApplication");
    EXPECT_EQ(W.UnitsCB()->currentText().toUpper(), "FORMS");
    EXPECT_GE(W.ClassesCB()->count(), 450);
    EXPECT_EQ(W.UnitsCB()->count(), 49);
}

// The sample installation has its own help file beside its index: nothing is asked about help.
TEST_F(Startup, FirstRunOnTheSampleAsksNothingAboutHelp) {
    SetDelphiRoot(SampleRoot());
    Start(TempDir() + "/new.db");
    EXPECT_EQ(Prompts.ModalDialogs, std::vector<const QDialog*>{static_cast<const QDialog*>(Windows().IntroForm)});
    EXPECT_EQ(Db().UnitCount(), 49);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_TRUE(Windows().ConfigDlg->DelphiHelpCB->isChecked());
    Stop();
    EXPECT_EQ(ReadSetting("DelphiHelpDir", "?"), SampleRoot() + "\\BIN\\");
    EXPECT_EQ(ReadSetting("DelphiHelpIndex", "?"), SampleRoot() + "\\BIN\\DELPHI.HDX");
}

class FirstRunWithoutHelpFile : public WindowTest {
protected:
    // An installation of the sample's sources and help index, without its help file.
    void SetUp() override {
        WindowTest::SetUp();
        Root = TempDir() + "/delphi";
        std::filesystem::create_directories(Root + "/BIN");
        std::filesystem::copy_file(SampleRoot() + "/BIN/DELPHI.HDX", Root + "/BIN/DELPHI.HDX");
        std::filesystem::create_directory_symlink(SampleRoot() + "/SOURCE", Root + "/SOURCE");
        SetDelphiRoot(Root);
    }
    std::string Root;
};

TEST_F(FirstRunWithoutHelpFile, OnlyTheMissingHelpFileIsAskedForAndNoTurnsHelpOff) {
    Prompts.ConfirmAnswers = {false};
    Start(TempDir() + "/new.db");
    EXPECT_EQ(Db().UnitCount(), 49);
    EXPECT_EQ(Prompts.Texts("confirm"),
              std::vector<QString>{"The Delphi Help File DELPHI.HLP is not in the expected location\n"
                                   "Would you like to locate it?"});
    EXPECT_TRUE(Prompts.Texts("open").empty());
    EXPECT_FALSE(Windows().ConfigDlg->DelphiHelpCB->isChecked());
}

TEST_F(FirstRunWithoutHelpFile, TheLocatedHelpFileIsStoredAtClose) {
    Prompts.ConfirmAnswers = {true};
    Prompts.FileAnswers = {"/opt/delphi/HELP/DELPHI.HLP"};
    Start(TempDir() + "/new.db");
    EXPECT_TRUE(Windows().ConfigDlg->DelphiHelpCB->isChecked());
    Stop();
    EXPECT_EQ(ReadSetting("DelphiHelpDir", "?"), "/opt/delphi/HELP/");
    EXPECT_EQ(ReadSetting("DelphiHelpIndex", "?"), Root + "\\BIN\\DELPHI.HDX");
}

TEST_F(Startup, AFirstIdleThatFailsIsReportedOnceAndTheWindowStays) {
    const std::string Foreign = TempDir() + "/foreign.db";
    std::ofstream(Foreign) << "not a database at all, but long enough to be looked at by the engine\n";
    Start(Foreign);
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_TRUE(Prompts.Texts("error")[0].endsWith(".")) << Prompts.Texts("error")[0].toStdString();
    RunIdle();
    EXPECT_EQ(Prompts.Texts("error").size(), 1u) << "the first-time work is not retried";
    EXPECT_TRUE(Nav().isVisible());
    EXPECT_TRUE(Prompts.ModalDialogs.empty());
}

TEST_F(Startup, StatusBarFollowsTheCaretAndTheClassInfoRow) {
    Start(SampleDatabase());
    TClassNav& W = Nav();
    const int X = Db().ClassesIDByNameIndex("TApplication", 0);
    const int Heading = Db().GetClassLine(X);
    EXPECT_EQ(W.StatusText(0).toUpper(), "UNIT: FORMS");
    EXPECT_EQ(W.StatusText(1), QStringLiteral("Line: %1").arg(Heading));
    EXPECT_EQ(W.StatusText(2), TStatusPanels::PageText(Heading, 72));
    EXPECT_EQ(W.StatusText(3), "TApplication.");

    // Into the body of a method with an implementation.
    int Body = 0;
    std::string Method;
    for (const TMemberRow& Row : Db().OpenUnitMembersByImpLN(Db().CurrentUnitID))
        if (Row.ClassID == X && Row.ImpLN != NoImpLN) {
            Body = Row.ImpLN + 1;
            Method = Row.Name;
            break;
        }
    ASSERT_GT(Body, 0);
    W.Memo()->SetCursorLinePos(Body - 1);
    RunIdle();
    EXPECT_EQ(W.StatusText(1), QStringLiteral("Line: %1").arg(Body));
    EXPECT_EQ(W.StatusText(3), QStringLiteral("TApplication.") + SourceText(Method));

    W.Status().SetLinesPerPage(0);
    RunIdle();
    EXPECT_EQ(W.StatusText(2), "");

    W.SelectPage(W.ClassInfoTabSheet());
    RunIdle();
    EXPECT_EQ(W.StatusText(3), "Class: TApplication");
    EXPECT_TRUE(W.StatusText(0).startsWith("Unit: "));
}

TEST(PageText, OneDecimalInFiveCharacters) {
    const struct { int Line, PerPage; const char* Text; } Cases[] = {
        {1, 72, "Page:   1.0"}, {100, 72, "Page:   2.3"}, {72, 72, "Page:   2.0"},
        {5000, 10, "Page: 501.0"}, {30, -10, "Page:   4.0"}, {5, 0, ""},
    };
    for (const auto& C : Cases) EXPECT_EQ(TStatusPanels::PageText(C.Line, C.PerPage), C.Text) << C.Line;
}

TEST(ErrorReport, InternalErrorsByNumberOthersWithAPeriod) {
    const struct { const char* Message; int Number; const char* Text; } Cases[] = {
        {"Internal Error: Unknown ClassID 7", 1, "Internal error #1 during database reference"},
        {"Internal Error: Stream not active", 21, "Internal error #21 during unit parsing"},
        {"Internal Error: x", 0, "Internal error #0 during unit parsing"},
        {"Internal Error: x", 10, "Internal error #10 during unit parsing"},
        {"Internal Error: x - Line 3, y", 20, "Internal error #20 during unit parsing"},
        {"Internal Error: x - Line 3, y\rTurn this on", 20, "Internal error #20 during unit parsing\nTurn this on"},
        {"The Unit \"A.PAS\" has already been added", 0, "The Unit \"A.PAS\" has already been added."},
        {"Ends in one.", 0, "Ends in one.."},
        {"Two\rlines", 0, "Two\nlines."},
        {"internal error: lower case is ordinary", 5, "internal error: lower case is ordinary."},
    };
    for (const auto& C : Cases) EXPECT_EQ(ErrorReportText(Exception(C.Message, C.Number)), C.Text) << C.Message;
}

// An object whose event handler fails, as a command's handler might.
class TFailing : public QObject {
public:
    bool event(QEvent* E) override {
        if (E->type() == QEvent::User) throw Exception("Internal Error: Unknown UnitID 9", 2);
        if (E->type() == QEvent::User + 1) throw EAbort();
        return QObject::event(E);
    }
};

TEST_F(Startup, ErrorsLeavingAnEventHandlerReachTheErrorReport) {
    Start(SampleDatabase());
    TFailing Failing;
    QCoreApplication::postEvent(&Failing, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&Failing, new QEvent(static_cast<QEvent::Type>(QEvent::User + 1)));
    RunIdle();
    EXPECT_EQ(Prompts.Texts("error"), std::vector<QString>{"Internal error #2 during database reference"});
}

// A database a newer version made is browsed as it is, never written, and said so once.
TEST_F(Startup, ADatabaseOfANewerVersionIsBrowsedAndSaidToBeOnlyRead) {
    const std::string File = SampleDatabaseCopy();
    ASSERT_EQ(QProcess::execute(QStringLiteral("sqlite3"), {QString::fromStdString(File), "PRAGMA user_version = 99"}), 0);
    Start(File);
    EXPECT_EQ(Prompts.Texts("message"),
              std::vector<QString>{QString::fromStdString(File) +
                                   " was made by a newer version of Quillmap 2 and is opened for reading only"});
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_TRUE(Prompts.ModalDialogs.empty()) << "no first-run window";
}

TEST_F(Startup, PlacementIsStoredAtCloseAndRestored) {
    Start(SampleDatabase());
    const QRect Screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Nav().x(), (Screen.width() - Nav().width()) / 2) << "centred without a stored placement";
    Nav().setGeometry(40, 50, 700, 520);
    Stop();
    Start(SampleDatabase());
    EXPECT_EQ(Nav().geometry(), QRect(40, 50, 700, 520));
}

TEST_F(Startup, ConfigurationOkSetsLinesPerPageCancelKeepsIt) {
    Start(SampleDatabase());
    const auto Answer = [this](const char* Lines, int Result) {
        Prompts.OnModal = [Lines, Result](QDialog& Dialog) {
            static_cast<TConfigDlg&>(Dialog).LinesPerPageEdit->setText(Lines);
            return Result;
        };
        Nav().Item("ConfigurationItem")->trigger();
    };
    Answer("50", QDialog::Accepted);
    EXPECT_EQ(Nav().Status().LinesPerPage(), 50);
    Answer("0", QDialog::Rejected);
    EXPECT_EQ(Nav().Status().LinesPerPage(), 50) << "Cancel leaves the page size";
    EXPECT_EQ(Windows().ConfigDlg->LinesPerPageEdit->text(), "0") << "but the dialog keeps the entry";
    Answer("0", QDialog::Accepted);
    RunIdle();
    EXPECT_EQ(Nav().StatusText(2), "") << "0 turns the page display off";
}

struct TExpectedItem {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
};

TEST_F(Startup, MenuItemsCaptionsAndShortcuts) {
    Start(SampleDatabase());
    const TExpectedItem Items[] = {
        {"LoadUnit1", "&Add Unit...", ""}, {"OpenProjectItem", "Open &Project...", ""},
        {"RemoveUnitItem", "&Remove Unit...", ""}, {"RemoveProjectItem", "Remove Pro&ject...", ""},
        {"PurgenonVCLItem", "Remove &Non-VCL Units...", ""}, {"PrintItem", "&Print...", ""},
        {"ExportHierarchyItem", "Export &Hierarchy...", ""},
        {"LoadVCL1", "&Initialize...", ""}, {"Exit1", "E&xit", ""}, {"CopyItem", "&Copy", "Ctrl+C"},
        {"PasteItem", "&Paste", "Ctrl+V"}, {"ConfigurationItem", "Con&figuration...", ""},
        {"SBM0SC", "x", "Ctrl+Shift+0"}, {"SBM9SC", "x", "Ctrl+Shift+9"}, {"GBM0SC", "y", "Ctrl+0"},
        {"GBM9SC", "y", "Ctrl+9"}, {"CTRLF", "F", "Ctrl+F"}, {"F3", "F3", "F3"}, {"SRSC", "SearchRes", "Ctrl+L"},
        {"SearchSC", "Search", "Ctrl+S"}, {"BackSC", "Back", "Ctrl+B"}, {"PrivateItem", "&Private", ""},
        {"ProtectedItem", "P&rotected", ""}, {"PublicItem", "P&ublic", ""}, {"PublishedItem", "Pu&blished", ""},
        {"MethodItem", "&Method", ""}, {"PropertyItem", "Pr&operty", ""}, {"FieldItem", "&Field", ""},
        {"RedeclaredItem", "Re&declared properties", ""}, {"InterfacesItem", "&Interfaces", ""},
        {"HelpersItem", "&Helpers", ""},
        {"About1", "&About...", ""}, {"BackItem", "Back", ""}, {"DelphiHelpItem", "Delphi Help", ""},
        {"DelphiHelpIndexItem", "Delphi Help Index", ""}, {"InheritedItem", "Inherited Class", ""},
        {"ClassInfoItem", "Class Info", ""}, {"OverridesItem", "Overrides...", ""},
        {"MemberOverridesItem", "Overrides...", ""}, {"SearchResultsItem", "Last Member Search", ""},
        {"AddBookmark3", "3", ""}, {"GoBookmark7", "7", ""},
    };
    for (const TExpectedItem& E : Items) {
        QAction* A = Nav().Item(QString::fromLatin1(E.Name));
        ASSERT_NE(A, nullptr) << E.Name;
        EXPECT_EQ(A->text(), E.Caption) << E.Name;
        EXPECT_EQ(A->shortcut().toString(QKeySequence::PortableText), E.Shortcut) << E.Name;
    }
    const std::pair<const char*, const char*> Menus[] = {{"FileItem", "&File"}, {"EditItem", "&Edit"},
                                                         {"FiltersItem", "F&ilters"}, {"HelpItem", "Help"},
                                                         {"AddBookmarkItem", "Add Bookmark"},
                                                         {"GoBookmarkItem", "Move to Bookmark"}};
    for (const auto& [Name, Caption] : Menus) {
        ASSERT_NE(Nav().Menu(Name), nullptr) << Name;
        EXPECT_EQ(Nav().Menu(Name)->title(), Caption);
    }
    // Separators: File after "Remove Non-VCL Units...", "Print..." and "Initialize..."; the popup after
    // "Back" and "Last Member Search"; Filters before "Method".
    auto Layout = [](QMenu* M) {
        QStringList Texts;
        for (QAction* A : M->actions()) Texts << (A->isSeparator() ? QStringLiteral("-") : A->text());
        return Texts.join('|');
    };
    EXPECT_EQ(Layout(Nav().Menu("FileItem")),
              "&Add Unit...|Add &Folder...|Open &Project...|&Remove Unit...|Remove Pro&ject...|Remove &Non-VCL Units...|-|&Print...|Export &Hierarchy...|-|&Initialize...|-|E&xit");
    EXPECT_EQ(Layout(Nav().MemoPopup()), "Back|-|Delphi Help|Delphi Help Index|Inherited Class|Class Info|"
                                       "Overrides...|Last Member Search|-|Add Bookmark|Move to Bookmark");
    EXPECT_EQ(Layout(Nav().ClassInfoPopup()), "Overrides...");
    EXPECT_EQ(Layout(Nav().Menu("FiltersItem")), "&Private|P&rotected|P&ublic|Pu&blished|-|&Method|Pr&operty|&Field|-|Re&declared properties|-|"
                                                     "&Interfaces|&Helpers");
    // Rows that are no members are shown on request only.
    EXPECT_FALSE(Nav().Item("InterfacesItem")->isChecked());
    EXPECT_FALSE(Nav().Item("HelpersItem")->isChecked());
}

TEST_F(Startup, MenusEnableTheirItemsWhenTheyOpen) {
    Start(SampleDatabase());
    TClassNav& W = Nav();
    W.SelectPage(W.ClassInfoTabSheet());
    emit W.Menu("EditItem")->aboutToShow();
    emit W.Menu("FiltersItem")->aboutToShow();
    EXPECT_FALSE(W.Item("CopyItem")->isEnabled());
    EXPECT_TRUE(W.Item("MethodItem")->isEnabled());
    EXPECT_FALSE(W.UnitsCB()->isEnabled());
    W.SelectPage(W.SourceTabSheet());
    emit W.Menu("EditItem")->aboutToShow();
    emit W.Menu("FiltersItem")->aboutToShow();
    EXPECT_TRUE(W.Item("CopyItem")->isEnabled());
    EXPECT_TRUE(W.UnitsCB()->isEnabled());
    for (const char* Name : {"PrivateItem", "ProtectedItem", "PublicItem", "PublishedItem", "MethodItem",
                             "PropertyItem", "FieldItem", "RedeclaredItem", "InterfacesItem", "HelpersItem"})
        EXPECT_FALSE(W.Item(Name)->isEnabled()) << Name;

    // The popup: Back with history, the help items with "Enable Delphi Help".
    emit W.MemoPopup()->aboutToShow();
    EXPECT_FALSE(W.Item("BackItem")->isEnabled()) << "the start shows TApplication from no unit: nothing to go back to";
    W.ShowUnit(Db().CurrentUnitID, 0, true);
    emit W.MemoPopup()->aboutToShow();
    EXPECT_TRUE(W.Item("BackItem")->isEnabled());
    EXPECT_FALSE(W.Item("SearchResultsItem")->isEnabled());
    Windows().ConfigDlg->DelphiHelpCB->setChecked(false);
    emit W.MemoPopup()->aboutToShow();
    EXPECT_FALSE(W.Item("DelphiHelpItem")->isEnabled());
    EXPECT_FALSE(W.Item("DelphiHelpIndexItem")->isEnabled());
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    emit W.MemoPopup()->aboutToShow();
    EXPECT_TRUE(W.Item("DelphiHelpItem")->isEnabled());
}

TEST_F(Startup, ScreenReadersReadTheStatusPanelsAndTheCaretLine) {
    Start(SampleDatabase());
    TClassNav& W = Nav();
    const int X = Db().ClassesIDByNameIndex("TApplication", 0);
    QAccessibleInterface* Bar = QAccessible::queryAccessibleInterface(W.statusBar());
    ASSERT_NE(Bar, nullptr);
    QStringList Read;
    for (int i = 0; i < Bar->childCount(); ++i) Read << Bar->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(Read.contains(QStringLiteral("Line: %1").arg(Db().GetClassLine(X)))) << Read.join('|').toStdString();
    EXPECT_TRUE(Read.contains("TApplication."));

    QAccessibleInterface* View = QAccessible::queryAccessibleInterface(W.Memo());
    ASSERT_NE(View, nullptr);
    ASSERT_NE(View->textInterface(), nullptr);
    QAccessibleTextInterface* Text = View->textInterface();
    int Start = 0, End = 0;
    const QString Line = Text->textAtOffset(Text->cursorPosition(), QAccessible::LineBoundary, &Start, &End);
    EXPECT_TRUE(Line.contains("TApplication")) << Line.toStdString();
    EXPECT_EQ(View->text(QAccessible::Name), "Source");

    for (QWidget* Control : {static_cast<QWidget*>(W.ClassesCB()), static_cast<QWidget*>(W.UnitsCB()),
                             static_cast<QWidget*>(W.TextSearchEdit()), static_cast<QWidget*>(W.ClassListView())})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(Control)->text(QAccessible::Name).isEmpty())
            << Control->objectName().toStdString();
}

}  // namespace
}  // namespace qm
