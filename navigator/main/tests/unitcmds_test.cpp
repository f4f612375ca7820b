// The unit commands through the window: Initialize with its retry and fatal path, Add Unit,
// Remove Unit, Remove Non-VCL Units, a close during a load, and printing the Class Info list.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QTimer>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QTreeView>
#include <filesystem>

#include "classlist.h"
#include "classinfopage.h"
#include "loadprogress.h"
#include "main1.h"
#include "sourceplace.h"
#include "statuspanels.h"
#include "posstore.h"
#include "qtprinterdevice.h"
#include "rudlg.h"
#include "vcldb1.h"
#include "windowprint.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class UnitCommands : public WindowTest {
protected:
    static std::string Fixture(const char* Name) { return QM_TESTDATA_DIR "/classdb/" + std::string(Name); }
    // The units of the sample database plus A <- B <- C (C derives from B's class, B from A's).
    void StartWithUserUnits() {
        Start(SampleDatabaseCopy());
        for (const char* Unit : {"UserA.pas", "UserB.pas", "UserC.pas"}) Db().LoadUnit(Fixture(Unit));
    }
    int Units() { return Db().UnitCount(); }
    // A copy of the sample installation whose Grids unit cannot be parsed.
    std::string BrokenInstallation() {
        const fs::path Root = TempDir() + "/Delphi";
        fs::copy(SampleRoot(), Root, fs::copy_options::recursive);
        QFile Grids(QString::fromStdString((Root / "SOURCE/VCL/Grids.pas").string()));
        EXPECT_TRUE(Grids.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Grids.write("unit Grids;\ninterface\ntype\n  TBroken = class(TObject\n    procedure X;\n  end;\nimplementation\nend.\n");
        return Root.string();
    }
};

TEST_F(UnitCommands, InitializeAnsweredNoChangesNothing) {
    StartWithUserUnits();
    const int Shown = Db().CurrentUnitID;
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("confirm"),
              std::vector<QString>{"Initializing will discard ALL previously loaded units and reload the VCL.\n"
                                   "Are you sure?"});
    EXPECT_EQ(Units(), 52);
    EXPECT_EQ(Db().CurrentUnitID, Shown);
}

TEST_F(UnitCommands, InitializeReloadsTheVclAndCountsTheUnitsDown) {
    StartWithUserUnits();
    SetDelphiRoot(SampleRoot());
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Units(), 49);
    EXPECT_EQ(Nav().Load().RemainingUnits(), 0) << "every unit was announced once";
    EXPECT_FALSE(Nav().Status().Progress().isVisible());
    EXPECT_TRUE(Nav().Menu("FileItem")->isEnabled());
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

TEST_F(UnitCommands, WithoutADelphiEntryTheUserLocatesButtons) {
    Start(SampleDatabaseCopy());
    Prompts.ConfirmAnswers = {true};
    Prompts.FileAnswers = {QString::fromStdString(SampleRoot() + "/SOURCE/VCL/Buttons.pas")};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("open"), std::vector<QString>{"Please Locate the VCL Source Unit BUTTONS.PAS"});
    EXPECT_EQ(Units(), 49);
    EXPECT_EQ(Db().VCLSourcePath, SampleRoot() + "/SOURCE/");
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
}

TEST_F(UnitCommands, ACancelledLocateKeepsTheDatabaseAsItWas) {
    StartWithUserUnits();
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("open").size(), 1u);
    EXPECT_EQ(Units(), 52);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication") << "the library is shown again";
}

TEST_F(UnitCommands, AUnitMissingAfterSomeLoadedIsFatalAndLosesNothing) {
    StartWithUserUnits();
    const std::string Copy = TempDir() + "/delphi";
    fs::copy(SampleRoot(), Copy, fs::copy_options::recursive);
    fs::remove(Copy + "/SOURCE/VCL/Graphics.pas");
    SetDelphiRoot(Copy);
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("error"), std::vector<QString>{"Fatal Error: Unable to locate required VCL unit. Probably due to\n"
                                                           "non-standard installation. See Quillmap 2 docs"});
    EXPECT_TRUE(Prompts.Texts("open").empty());
    EXPECT_FALSE(Nav().isVisible()) << "the program ends";
    EXPECT_EQ(Units(), 52);
    // The program asked the application to end while no event loop ran, so every later loop would
    // return at once; run one and end it, as the program's own exec() would have, for the next test.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST_F(UnitCommands, AddUnitCancelledOrAdded) {
    Start(SampleDatabaseCopy());
    RunIdle();
    const QString Status = Nav().StatusText(1);
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Prompts.Texts("open"), std::vector<QString>{"Select Unit to Load"});
    EXPECT_EQ(Units(), 49);
    EXPECT_EQ(Nav().StatusText(1), Status);

    Prompts.FileAnswers = {QString::fromStdString(Fixture("UserB.pas"))};
    Db().LoadUnit(Fixture("UserA.pas"));
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Units(), 51);
    EXPECT_EQ(Db().GetUnitName(Db().CurrentUnitID), "UserB");
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TMyDerived") << "the new unit's first class";
    EXPECT_EQ(Nav().Memo()->CursorLinePos() + 1, Db().GetClassLine(Db().ClassesIDByNameIndex("TMyDerived", 0)));
    EXPECT_EQ(Nav().StatusText(3), "Loading Unit UserB.pas") << "the last progress text stays until idle";
}

TEST_F(UnitCommands, RemoveUnitWithItsDependants) {
    StartWithUserUnits();
    const int UserA = Db().UnitsIDByNameIndex("UserA", 0);
    // Phase one offers the user units; phase two lists A, B and C sorted by path.
    std::vector<QStringList> Shown;
    Prompts.OnModal = [&](QDialog& Dialog) {
        QStringList Entries;
        for (QListWidget* List : Dialog.findChildren<QListWidget*>())
            for (int i = 0; i < List->count(); ++i) Entries << List->item(i)->text();
        Shown.push_back(Entries);
        return int(QDialog::Accepted);
    };
    // A bookmark and a history entry in UserB, which goes with UserA.
    Nav().ShowUnit(Db().UnitsIDByNameIndex("UserB", 0), 4, true);
    Nav().AddBookmark(2);
    Nav().ShowUnit(UserA, 0, true);
    Nav().Item("RemoveUnitItem")->trigger();
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_TRUE(Shown[0].first().contains("UserA"));
    ASSERT_EQ(Shown[1].size(), 3);
    EXPECT_TRUE(Shown[1][0].contains("UserA") && Shown[1][1].contains("UserB") && Shown[1][2].contains("UserC"));
    EXPECT_EQ(Units(), 49);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_EQ(Nav().Item("GoBookmark2")->text(), "2") << "a bookmark in a removed unit is cleared";
    EXPECT_EQ(Nav().Source().BookMarks().GetUnitID(2), 0);
    while (Nav().Source().History().Count() > 0) {
        Nav().BackItemClick();
        EXPECT_TRUE(Prompts.Texts("error").empty());
    }
}

TEST_F(UnitCommands, RemovalCancelledInEitherPhaseDeletesNothing) {
    StartWithUserUnits();
    for (int CancelAt : {1, 2}) {
        int Phase = 0;
        Prompts.OnModal = [&](QDialog&) { return ++Phase == CancelAt ? int(QDialog::Rejected) : int(QDialog::Accepted); };
        Nav().Item("RemoveUnitItem")->trigger();
        EXPECT_EQ(Phase, CancelAt);
        EXPECT_EQ(Units(), 52);
    }
}

TEST_F(UnitCommands, RemoveNonVclUnitsAsksFirst) {
    StartWithUserUnits();
    Nav().Item("PurgenonVCLItem")->trigger();
    EXPECT_EQ(Prompts.Texts("confirm"), std::vector<QString>{"Are you sure you want to remove all non-VCL units?"});
    EXPECT_EQ(Units(), 52);
    Prompts.ConfirmAnswers = {true, true};
    Nav().Item("PurgenonVCLItem")->trigger();
    EXPECT_EQ(Units(), 49);
    Nav().Item("PurgenonVCLItem")->trigger();  // none left: nothing changes, the view is refreshed
    EXPECT_EQ(Units(), 49);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
}

TEST_F(UnitCommands, ClosingDuringALoadStopsItAndKeepsWhatWasStored) {
    Start(SampleDatabaseCopy());
    Db().LoadUnit(Fixture("UserA.pas"));
    Prompts.FileAnswers = {QString::fromStdString(Fixture("UserB.pas"))};
    QCoreApplication::postEvent(&Nav(), new QCloseEvent);
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Units(), 50) << "UserB rolled back, UserA kept";
    RunIdle();
    EXPECT_FALSE(Nav().isVisible()) << "the window closes once the load has stopped";
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

TEST_F(UnitCommands, NoCommandRunsDuringALoad) {
    Start(SampleDatabaseCopy());
    const int History = Nav().Source().History().Count();
    Nav().ShowUnit(Db().CurrentUnitID, 3, true);
    Prompts.FileAnswers = {QString::fromStdString(Fixture("UserA.pas"))};
    // Commands asked for while the unit loads: Back and another Add Unit.
    QMetaObject::invokeMethod(Nav().Item("BackSC"), "trigger", Qt::QueuedConnection);
    QMetaObject::invokeMethod(Nav().Item("LoadUnit1"), "trigger", Qt::QueuedConnection);
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Units(), 50);
    EXPECT_EQ(Nav().Source().History().Count(), History + 1 + 1) << "Back did not run inside the load";
    EXPECT_EQ(Prompts.Texts("open").size(), 1u) << "no second Add Unit inside the first";
}

TEST_F(UnitCommands, PrintWritesTheRowsAsShownToAPdfWithoutAPrinter) {
    Start(SampleDatabase());
    const std::string Folder = TempDir();
    Nav().Printing().SetPrinterFactory([Folder] { return std::make_unique<TQtPrinterDevice>(QPrinterInfo(), Folder); });
    Nav().SelectPage(Nav().ClassInfoTabSheet());
    Nav().ClassListViewColumnClick(0);  // descending by member
    Nav().Item("PrintItem")->trigger();
    const QString Pdf = QString::fromStdString(Folder + "/TApplication.pdf");
    EXPECT_EQ(Prompts.Texts("message"),
              std::vector<QString>{QStringLiteral("No printer is installed: the list was saved as %1").arg(Pdf)});
    EXPECT_TRUE(QFile::exists(Pdf));
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

TEST_F(UnitCommands, ClearingTheSelectorsForInitializeStartsNoSearch) {
    Start(SampleDatabaseCopy());
    SetDelphiRoot(SampleRoot());
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::AltModifier);
    Press(Qt::Key_Escape);  // dropped down and closed without a choice
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("confirm").size(), 1u) << "the Initialize question and nothing else";
    EXPECT_TRUE(Prompts.Texts("information").empty());
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
}

TEST_F(UnitCommands, AFailedInitializeShowsTheLibraryItKept) {
    StartWithUserUnits();
    SetDelphiRoot(BrokenInstallation());
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    EXPECT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_EQ(Units(), 52) << "nothing lost";
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_GE(Nav().ClassesCB()->count(), 400);
    EXPECT_GE(Nav().UnitsCB()->count(), 52);
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(Db().ClassesIDByNameIndex("TApplication", 0)));
    RunIdle();
    EXPECT_EQ(Nav().StatusText(0).toUpper(), "UNIT: FORMS") << "not the load's progress";
}

// A load's progress in a panel too narrow for all of it: the words go first, then the unit's name
// is shortened in its middle; the count stays, and the whole text is the panel's tooltip.
// The panels on a status bar of their own: the window's idle refresh would write over them.
TEST(StatusPanels, TheProgressTextGivesWayInANarrowPanel) {
    QStatusBar Bar;
    TStatusPanels Status(Bar);
    Bar.resize(1000, 30);
    Bar.show();
    auto* Panel = Bar.findChild<QLabel*>(QStringLiteral("StatusPanel3"));
    const QString Whole = QStringLiteral("12 of 3456: Loading Unit LongUnitNameOfALibrary.pas");
    Status.SetText(3, QStringLiteral("12 of 3456"), QStringLiteral("Loading Unit "),
                           QStringLiteral("LongUnitNameOfALibrary.pas"));
    const QFontMetrics Metrics(Panel->font());
    // The panel's frame and QLabel's indent beside it, and a pixel to spare.
    const int Edges = Panel->width() - Panel->contentsRect().width() + Metrics.horizontalAdvance(QLatin1Char('x')) / 2 + 1;
    const struct {
        QString Room;  // the panel just wide enough for this text
        QString Shown;
    } Cases[] = {
        {Whole, Whole},
        {"12 of 3456: LongUnitNameOfALibrary.pas", "12 of 3456: LongUnitNameOfALibrary.pas"},
        {"12 of 3456: LongUnitName", ""},  // shortened in the middle
        {"12 of 3456", "12 of 3456"},
    };
    for (const auto& Case : Cases) {
        Panel->setFixedWidth(Metrics.horizontalAdvance(Case.Room) + Edges);
        Bar.layout()->activate();
        QApplication::processEvents();
        if (Case.Shown.isEmpty()) {
            EXPECT_TRUE(Panel->text().startsWith("12 of 3456: Lo")) << Panel->text().toStdString();
            EXPECT_TRUE(Panel->text().contains(QChar(0x2026)) && Panel->text().endsWith(".pas")) << Panel->text().toStdString();
        } else {
            EXPECT_EQ(Panel->text(), Case.Shown);
        }
        EXPECT_LE(Metrics.horizontalAdvance(Panel->text()), Panel->contentsRect().width());
        EXPECT_EQ(Panel->toolTip(), Panel->text() == Whole ? QString() : Whole);
        EXPECT_EQ(Status.Text(3), Whole);
    }
    Status.SetText(3, QStringLiteral("Class: TApplication"));
    EXPECT_EQ(Panel->text(), "Class: TApplication");
    EXPECT_TRUE(Panel->toolTip().isEmpty());
}

TEST_F(UnitCommands, AFailedFirstInitializeSaysTheDatabaseIsEmpty) {
    SetDelphiRoot(BrokenInstallation());
    Start(TempDir() + "/new.db");
    EXPECT_EQ(Units(), 0);
    EXPECT_EQ(Nav().StatusText(3), "The class database is empty");
    EXPECT_EQ(Nav().ClassesCB()->count(), 0);
}

}  // namespace
}  // namespace qm
