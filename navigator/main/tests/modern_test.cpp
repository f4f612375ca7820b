// Modern Object Pascal in the window: Add Folder with its report, Add Unit by the configuration's
// rules, a class declared in an include file opened there with Back and bookmarks, and the
// choice among overloads on a double-click.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QTest>
#include <QListWidget>
#include <QMenu>
#include <filesystem>
#include <fstream>

#include "cfgdlg1.h"
#include "classinfopage.h"
#include "librarystore.h"
#include "loadreport.h"
#include "main1.h"
#include "posstore.h"
#include "sourceplace.h"
#include "unitparser.h"
#include "targets.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

uint32_t Clock = 0;

class ModernWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        SetTickSource([] { return Clock += 1000; });
        Start(SampleDatabaseCopy());
        Nav().activateWindow();
        Tree = TempDir() + "/tree";
        fs::create_directories(Tree + "/inc");
        // Line numbers in the comments.
        Write("inc/shapes.inc",
              "  TFigure = class(TObject)\n"                     // 1
              "  public\n"                                      // 2
              "    procedure Draw; overload;\n"                 // 3
              "    procedure Draw(Scale: Integer); overload;\n"  // 4
              "  end;\n");                                      // 5
        Write("Shapes.pas",
              "unit Shapes;\n"                           // 1
              "interface\n"                              // 2
              "type\n"                                   // 3
              "{$I shapes.inc}\n"                        // 4
              "implementation\n"                         // 5
              "procedure TFigure.Draw;\n"                 // 6
              "begin\n"                                  // 7
              "  Draw(1);\n"                             // 8
              "end;\n"                                   // 9
              "procedure TFigure.Draw(Scale: Integer);\n"  // 10
              "begin\n"                                  // 11
              "end;\n"                                   // 12
              "end.\n");
        Write("Broken.pas", "unit Broken;\ninterface\ntype\n  TBroken = class(TObject)\n    A B C;\n  end;\n");
        Write("Ring.pas", "unit Ring;\ninterface\nuses Shapes;\ntype\n  TRing = class(TFigure)\n  end;\nimplementation\n"
                          "type\n  TLocal = class(TNowhere)\n  end;\nend.\n");
    }
    void TearDown() override {
        SetTickSource({});
        WindowTest::TearDown();
    }
    void Write(const std::string& Name, const std::string& Text) {
        std::ofstream(Tree + "/" + Name, std::ios::binary) << Text;
    }
    void SetModern(bool On) { Windows().ConfigDlg->ModernPascalCB->setChecked(On); }
    // Adds the tree through File > Add Folder; the report's summary and lines.
    QString AddTree() {
        QString Report;
        Prompts.FileAnswers = {QString::fromStdString(Tree)};
        Prompts.Answers.push_back([&Report](QDialog& Dialog) {
            Report = Dialog.findChild<QLabel*>(QStringLiteral("Summary"))->text() + "\n" +
                     static_cast<TLoadReportDlg&>(Dialog).Text();
            Dialog.accept();
        });
        Nav().Item("AddFolderItem")->trigger();
        return Report;
    }
    // Shows the 1-based Line at the top and double-clicks the first Word on it with the mouse.
    void DoubleClick(const TPlace& Place, const QString& Word) {
        TXRichEdit& View = *Nav().Memo();
        Nav().Source().GoTo(Place, false);
        const int Line = Place.Line - 1;
        const int At = View.LineIndex(Line) + static_cast<int>(View.Lines().Line(Line).indexOf(Word)) + 1;
        QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, View.CursorRect(At).center());
    }
    int Line() const { return Nav().Memo()->CursorLinePos() + 1; }
    QString ShownFile() const { return Nav().Memo()->Lines().Line(0).toString(); }
    std::string Tree;
};

TEST_F(ModernWindow, AddFolderLoadsTheTreeAncestorsFirstAndReportsWhatDidNot) {
    SetModern(true);
    const int Before = Db().UnitCount();
    const QString Report = AddTree();
    EXPECT_EQ(Prompts.Texts("folder"), std::vector<QString>{"Select Folder to Add"});
    EXPECT_EQ(Db().UnitCount(), Before + 2) << "Ring after Shapes, whatever the names' order";
    const QString Ring = QString::fromStdString(Tree + "/Ring.pas");
    EXPECT_EQ(Report, "2 units were added. 1 unit did not load, and notes on the units added:\n" +
                          QString::fromStdString(Tree) +
                          "/Broken.pas: Internal Error: Unable to find : in field definition - Line 5, Broken\n"
                          "Class TLocal in the implementation of " + Ring +
                          " is passed over: its ancestor TNowhere is not loaded");
    EXPECT_EQ(Db().Dialect, TDialect::Delphi2) << "the rules go back to the default after the load";
    EXPECT_GE(Nav().ClassesCB()->findText(QStringLiteral("TRing")), 0) << "the lists know the new classes";
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

// A unit cut off inside a comment is one line of the report; the rest of the tree is stored, no
// error box stops the load, and the status bar names no unit while the report is open.
TEST_F(ModernWindow, AddFolderReportsAUnitThatCannotBeReadAndGoesOn) {
    SetModern(true);
    Write("Trunc.pas", "unit Trunc;\ninterface\n{ cut off");
    const int Before = Db().UnitCount();
    QString Report, Status = QStringLiteral("no report");
    Prompts.FileAnswers = {QString::fromStdString(Tree)};
    Prompts.Answers.push_back([this, &Report, &Status](QDialog& Dialog) {
        Report = static_cast<TLoadReportDlg&>(Dialog).Text();
        Status = Nav().StatusText(3);
        Dialog.accept();
    });
    Nav().Item("AddFolderItem")->trigger();
    EXPECT_TRUE(Prompts.Texts("error").empty());
    EXPECT_EQ(Db().UnitCount(), Before + 2);
    EXPECT_TRUE(Report.contains(QString::fromStdString(Tree) + "/Trunc.pas: Stream read error\n")) << Report.toStdString();
    EXPECT_EQ(Status, "");
}

// The target and symbols of Configuration choose the branches read, by Add Unit and Add Folder
// alike, and the class database reads by its own rules again afterwards.
TEST_F(ModernWindow, TheConfiguredTargetAndSymbolsChooseTheBranchesRead) {
    Write("cond.pas", "unit Cond;\ninterface\ntype\n{$IFDEF FPC}\n  TOnFpc = class(TObject) end;\n{$ELSE}\n"
                      "  TOnDelphi = class(TObject) end;\n{$ENDIF}\n{$IFDEF EXTRA}\n  TExtra = class(TObject) end;\n"
                      "{$ENDIF}\nimplementation\nend.\n");
    // The targets offered are the ones the reading knows, after the entry that names none.
    const QComboBox& Target = *Windows().ConfigDlg->ModernTargetCB;
    ASSERT_EQ(size_t(Target.count()), Targets().size() + 1);
    for (size_t i = 0; i < Targets().size(); ++i)
        EXPECT_EQ(Target.itemText(int(i) + 1).toStdString(), Targets()[i].Name);
    SetModern(true);
    Windows().ConfigDlg->ModernTargetCB->setCurrentText("fpc-linux64");
    Windows().ConfigDlg->ModernDefinesEdit->setText("Extra; Debug");
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/cond.pas")};
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Db().ClassCountByName("TOnFpc"), 1);
    EXPECT_EQ(Db().ClassCountByName("TExtra"), 1);
    EXPECT_EQ(Db().ClassCountByName("TOnDelphi"), 0);
    EXPECT_EQ(Db().ReadContext.Defines, nullptr);
}

TEST_F(ModernWindow, AddUnitReadsModernPascalWhenTheConfigurationSaysSo) {
    Write("single.pas", "unit Single;\ninterface\ntype\n  TSingle = class(TObject)\n    procedure A; overload;\n"
                        "    procedure A(X: Integer); overload;\n  end;\nimplementation\nend.\n");
    // A member refused for its name is told, once the load is over, in one box.
    Write("twice.pas", "unit Twice;\ninterface\ntype\n  TTwice = class(TObject)\n    A: Integer;\n    A: Integer;\n"
                       "    B: Integer;\n    B: Integer;\n  end;\nimplementation\nend.\n");
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/twice.pas")};
    Nav().Item("LoadUnit1")->trigger();
    const int Twice = Db().ClassesIDByNameIndex("TTwice", 0);
    EXPECT_EQ(Prompts.Texts("message"),
              std::vector<QString>{QStringLiteral("Internal Error: Key Violation on %1, A\nInternal Error: Key Violation on %1, B")
                                       .arg(Twice)});
    Prompts.Calls.clear();

    // In the Delphi 2.0 rules the overloads refuse the unit, and the message says what to do: in
    // the window, where the setting is, by the captions a person sees.
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/single.pas")};
    Nav().Item("LoadUnit1")->trigger();
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    const QString Error = Prompts.Texts("error")[0];
    EXPECT_EQ(Error, "Internal error #20 during unit parsing\n" + WindowAdvice(QString::fromLatin1(ModernDialectHint)));
    EXPECT_FALSE(Error.contains("--modern"));
    EXPECT_TRUE(Error.contains(Windows().ConfigDlg->ModernPascalCB->text().replace('\n', ' ')));
    EXPECT_TRUE(Error.contains(Nav().Menu("EditItem")->title().remove('&') + " > " +
                               Nav().Item("ConfigurationItem")->text().remove('&').remove("...")));
    EXPECT_EQ(Db().ClassCountByName("TSingle"), 0);
    Prompts.Calls.clear();

    SetModern(true);
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/single.pas")};
    Nav().Item("LoadUnit1")->trigger();
    EXPECT_EQ(Prompts.Calls.front().Kind, "open");
    ASSERT_EQ(Db().ClassCountByName("TSingle"), 1);
    EXPECT_EQ(Db().MemberOverloads(Db().ClassesIDByNameIndex("TSingle", 0), "A").size(), 2u);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TSingle");
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

// A class declared in an include file opens there, at its own line; Back and the bookmarks
// remember the file.
TEST_F(ModernWindow, AClassOfAnIncludeFileOpensThereWithBackAndBookmarks) {
    SetModern(true);
    AddTree();
    const int Shapes = Db().UnitsIDByNameIndex("Shapes", 0);
    Nav().Source().GoTo({Shapes, 8}, false);
    Search("TFigure");
    EXPECT_EQ(Db().CurrentUnitID, Shapes);
    EXPECT_EQ(ShownFile(), "  TFigure = class(TObject)") << "the include file, not the unit";
    EXPECT_EQ(Line(), 1);
    RunIdle();
    EXPECT_EQ(Nav().StatusText(0), "Unit: Shapes - shapes.inc");
    Nav().Memo()->SetCursorLinePos(3);
    Nav().Item("AddBookmark2")->trigger();
    EXPECT_EQ(Nav().Memo()->LineColor(3), QColor(255, 0, 0));

    Nav().Item("BackSC")->trigger();
    EXPECT_EQ(ShownFile(), "unit Shapes;");
    EXPECT_EQ(Line(), 8);
    EXPECT_EQ(Nav().Memo()->LineColor(3), QColor(Qt::black)) << "the bookmark's colour is its file's";
    Nav().Item("GoBookmark2")->trigger();
    EXPECT_EQ(ShownFile(), "  TFigure = class(TObject)");
    EXPECT_EQ(Line(), 4);
    Nav().Item("BackSC")->trigger();
    EXPECT_EQ(ShownFile(), "unit Shapes;");
}

// A double-click on an overloaded name asks which one is meant, with each one's parameters and
// line; on a declaration of one of them it goes straight to that one's implementation.
TEST_F(ModernWindow, ADoubleClickOnAnOverloadedNameAsksWhichOne) {
    SetModern(true);
    AddTree();
    const int Shapes = Db().UnitsIDByNameIndex("Shapes", 0);
    QStringList Seen;
    Prompts.Answers.push_back([&Seen](QDialog& Dialog) {
        auto* List = Dialog.findChild<QListWidget*>();
        ASSERT_NE(List, nullptr);
        for (int i = 0; i < List->count(); ++i) Seen << List->item(i)->text();
        QTest::keyClick(List, Qt::Key_Down);
        QTest::keyClick(List, Qt::Key_Return);
    });
    DoubleClick({Shapes, 8}, QStringLiteral("Draw"));
    ASSERT_EQ(Seen.size(), 2);
    EXPECT_TRUE(Seen[0].endsWith("Shapes.TFigure.Draw(), line 6")) << Seen[0].toStdString();
    EXPECT_TRUE(Seen[1].endsWith("Shapes.TFigure.Draw(INTEGER), line 10")) << Seen[1].toStdString();
    EXPECT_EQ(ShownFile(), "unit Shapes;");
    EXPECT_EQ(Line(), 10);

    const TPlace Declared = Db().ClassPlace(Db().ClassesIDByNameIndex("TFigure", 0));
    const int Asked = Prompts.Modals();
    DoubleClick({Shapes, 4, Declared.FileID}, QStringLiteral("Draw"));
    EXPECT_EQ(Prompts.Modals(), Asked) << "no question on a declaration";
    EXPECT_EQ(ShownFile(), "unit Shapes;");
    EXPECT_EQ(Line(), 10);
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

// Escape while a folder loads cancels it, as the Cancel button beside the progress bar does; the
// report says so and nothing fails.
TEST_F(ModernWindow, EscapeCancelsAFolderLoad) {
    SetModern(true);
    QWidget* Focus = QApplication::focusWidget() ? QApplication::focusWidget() : Nav().Memo();
    QCoreApplication::postEvent(Focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    const QString Report = AddTree();
    EXPECT_TRUE(Report.startsWith("0 units were added. The load was cancelled; the units added before stay."))
        << Report.toStdString();
    EXPECT_EQ(Db().ClassCountByName("TRing"), 0);
    EXPECT_TRUE(Prompts.Texts("error").empty());
    EXPECT_FALSE(Nav().findChild<QPushButton*>(QStringLiteral("CancelLoadButton"))->isVisible());
}

// With a library path set, Add Unit brings the units the new unit uses: Ring's ancestor TFigure
// comes from Shapes on the path, and Ring is shown without a report (nothing failed).
TEST_F(ModernWindow, AddUnitFollowsUsesClausesWhenALibraryPathIsSet) {
    SetModern(true);
    fs::create_directories(Tree + "/app");
    Write("app/Gear.pas", "unit Gear;\ninterface\nuses Ring;\ntype\n  TGear = class(TRing)\n  end;\nimplementation\nend.\n");
    TLibraryStore(Db()).SetLibraryPath(TSearchPath{{Tree, Tree + "/inc"}});
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/app/Gear.pas")};
    Nav().Item("LoadUnit1")->trigger();
    for (const char* Class : {"TGear", "TRing", "TFigure"}) EXPECT_EQ(Db().ClassCountByName(Class), 1) << Class;
    EXPECT_EQ(Db().ClassCountByName("TBroken"), 0) << "a unit nobody uses is not read";
    EXPECT_TRUE(Prompts.Texts("error").empty());
    EXPECT_EQ(Nav().Memo()->Lines().Line(0).toString(), "unit Gear;");
}

// File > Open Project reads a program's uses clause, loads what it names from the library path,
// reports what it did not find and keeps the project; the units are the project's own.
TEST_F(ModernWindow, OpenProjectLoadsAProgramsUnitsAndNamesTheMissingOnes) {
    fs::create_directories(Tree + "/app");
    Write("app/Demo.dpr", "program Demo;\nuses Ring, Nowhere;\nbegin\nend.\n");
    TLibraryStore(Db()).SetLibraryPath(TSearchPath{{Tree, Tree + "/inc"}});
    QString Report;
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/app/Demo.dpr")};
    Prompts.Answers.push_back([&Report](QDialog& Dialog) {
        Report = static_cast<TLoadReportDlg&>(Dialog).Text();
        Dialog.accept();
    });
    Nav().Item("OpenProjectItem")->trigger();
    EXPECT_EQ(Prompts.Texts("open"), std::vector<QString>{"Select Project to Open"});
    EXPECT_TRUE(Report.contains("Demo uses Nowhere: not found on the library path")) << Report.toStdString();
    EXPECT_EQ(Db().ClassCountByName("TRing"), 1);
    EXPECT_EQ(Db().ClassCountByName("TFigure"), 1);
    const std::vector<TProjectRow> Projects = TLibraryStore(Db()).Projects();
    ASSERT_EQ(Projects.size(), 1u);
    EXPECT_EQ(Projects[0].Name, "Demo");
    EXPECT_GE(TLibraryStore(Db()).ProjectUnits(Projects[0].ID).size(), 2u);
    EXPECT_GE(Nav().ClassesCB()->findText(QStringLiteral("TRing")), 0) << "the lists know the new classes";
}

// A report of a load, accepted; its text kept in Text when given.
TAnswer AcceptReport(QString* Text = nullptr) {
    return [Text](QDialog& Dialog) {
        if (Text) *Text = static_cast<TLoadReportDlg&>(Dialog).Text();
        Dialog.accept();
    };
}

// A window manager activates a new dialog; the offscreen platform may do so only after activations
// still on their way, so wait for the dialog to be the active window itself.
void ActivateDialog(QDialog& Dialog) {
    Dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&Dialog] { return QApplication::activeWindow() == &Dialog; }));
}

// A choice made with the keys, as a person makes it: Down Rows times in the list that has the
// focus, then Enter; the dialog's title and what it offered go to Seen.
TAnswer ChooseWithKeys(int Rows, QStringList* Seen) {
    return [Rows, Seen](QDialog& Dialog) {
        auto* List = Dialog.findChild<QListWidget*>();
        ActivateDialog(Dialog);
        if (Seen) *Seen << Dialog.windowTitle();
        for (int Row = 0; Seen && Row < List->count(); ++Row) *Seen << List->item(Row)->text();
        EXPECT_EQ(QApplication::focusWidget(), List);
        for (int Row = 0; Row < Rows; ++Row) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
}

// Remove Project is enabled once a project is open; of two the user chooses one, and exactly its
// units go (Ring and Shapes, which it brought in), the other's stay; the last one is confirmed.
TEST_F(ModernWindow, RemoveProjectTakesOutTheChosenProjectsUnits) {
    QMenu* File = Nav().Menu("FileItem");
    QAction* Remove = Nav().Item("RemoveProjectItem");
    emit File->aboutToShow();
    EXPECT_FALSE(Remove->isEnabled()) << "no project open";

    fs::create_directories(Tree + "/app");
    Write("app/Demo.dpr", "program Demo;\nuses Ring;\nbegin\nend.\n");
    Write("app/Solo.pas", "unit Solo;\ninterface\ntype\n  TSolo = class(TObject)\n  end;\nimplementation\nend.\n");
    Write("app/Other.dpr", "program Other;\nuses Solo;\nbegin\nend.\n");
    TLibraryStore(Db()).SetLibraryPath(TSearchPath{{Tree, Tree + "/inc"}});
    for (const char* Project : {"app/Demo.dpr", "app/Other.dpr"}) {
        Prompts.FileAnswers = {QString::fromStdString(Tree + "/" + Project)};
        Prompts.Answers.push_back(AcceptReport());
        Nav().Item("OpenProjectItem")->trigger();
    }
    for (const char* Class : {"TRing", "TFigure", "TSolo"}) ASSERT_EQ(Db().ClassCountByName(Class), 1) << Class;
    const int Units = Db().UnitCount();

    emit File->aboutToShow();
    ASSERT_TRUE(Remove->isEnabled());
    QStringList Offered;
    Prompts.Answers.push_back(ChooseWithKeys(0, &Offered));
    Remove->trigger();
    EXPECT_EQ(Offered, (QStringList{"Select Project to Remove", "Demo  " + QString::fromStdString(Tree + "/app/Demo.dpr"),
                                    "Other  " + QString::fromStdString(Tree + "/app/Other.dpr")}));
    EXPECT_EQ(Db().ClassCountByName("TRing"), 0);
    EXPECT_EQ(Db().ClassCountByName("TFigure"), 0);
    EXPECT_EQ(Db().ClassCountByName("TSolo"), 1);
    EXPECT_EQ(Db().UnitCount(), Units - 2);
    EXPECT_EQ(Db().ClassCountByName("TApplication"), 1) << "the library loaded before stays";

    // The one left: a question first, and No keeps it.
    emit File->aboutToShow();
    ASSERT_TRUE(Remove->isEnabled());
    Prompts.ConfirmAnswers = {false};
    Remove->trigger();
    EXPECT_EQ(Prompts.Texts("confirm").back(), "Remove the project Other and the units it brought in?");
    EXPECT_EQ(Db().ClassCountByName("TSolo"), 1);
    Prompts.ConfirmAnswers = {true};
    Remove->trigger();
    EXPECT_EQ(Db().ClassCountByName("TSolo"), 0);
    EXPECT_TRUE(TLibraryStore(Db()).Projects().empty());
    emit File->aboutToShow();
    EXPECT_FALSE(Remove->isEnabled());
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

// Open Project on a Delphi project of two configurations asks which one: Release's search path
// gives its copy of the unit; Cancel opens nothing.
TEST_F(ModernWindow, OpenProjectAsksForADelphiProjectsConfiguration) {
    fs::create_directories(Tree + "/app/dbg");
    fs::create_directories(Tree + "/app/rel");
    Write("app/dbg/Flavour.pas", "unit Flavour;\ninterface\ntype\n  TDebugFlavour = class(TObject)\n  end;\nimplementation\nend.\n");
    Write("app/rel/Flavour.pas", "unit Flavour;\ninterface\ntype\n  TReleaseFlavour = class(TObject)\n  end;\nimplementation\nend.\n");
    Write("app/Main.pas", "unit Main;\ninterface\nuses Flavour;\ntype\n  TMain = class(TObject)\n  end;\nimplementation\nend.\n");
    Write("app/App.dproj",
          "<Project><PropertyGroup><MainSource>App.dpr</MainSource></PropertyGroup>"
          "<PropertyGroup Condition=\"'$(Cfg_1)'!=''\"><DCC_UnitSearchPath>dbg</DCC_UnitSearchPath></PropertyGroup>"
          "<PropertyGroup Condition=\"'$(Cfg_2)'!=''\"><DCC_UnitSearchPath>rel</DCC_UnitSearchPath></PropertyGroup>"
          "<ItemGroup><DCCReference Include=\"Main.pas\"/>"
          "<BuildConfiguration Include=\"Base\"><Key>Base</Key></BuildConfiguration>"
          "<BuildConfiguration Include=\"Debug\"><Key>Cfg_1</Key><CfgParent>Base</CfgParent></BuildConfiguration>"
          "<BuildConfiguration Include=\"Release\"><Key>Cfg_2</Key><CfgParent>Base</CfgParent></BuildConfiguration>"
          "</ItemGroup></Project>");
    const QString Project = QString::fromStdString(Tree + "/app/App.dproj");

    Prompts.FileAnswers = {Project};
    Prompts.Answers.push_back([](QDialog& Dialog) {
        ActivateDialog(Dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    Nav().Item("OpenProjectItem")->trigger();
    EXPECT_EQ(Db().ClassCountByName("TMain"), 0);
    EXPECT_TRUE(TLibraryStore(Db()).Projects().empty());

    QStringList Offered;
    Prompts.FileAnswers = {Project};
    Prompts.Answers.push_back(ChooseWithKeys(1, &Offered));
    Prompts.Answers.push_back(AcceptReport());
    Nav().Item("OpenProjectItem")->trigger();
    EXPECT_EQ(Offered, (QStringList{"Select Configuration", "Debug", "Release"}));
    EXPECT_EQ(Db().ClassCountByName("TMain"), 1);
    EXPECT_EQ(Db().ClassCountByName("TReleaseFlavour"), 1);
    EXPECT_EQ(Db().ClassCountByName("TDebugFlavour"), 0);
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

// Configuration shows the library path kept in the class database and what is searched after it;
// a folder added there is stored on OK, and a removal cancelled is not.
TEST_F(ModernWindow, ConfigurationChangesTheLibraryPathKeptInTheDatabase) {
    TLibraryStore(Db()).SetLibraryPath(TSearchPath{{Tree}});
    QStringList Shown;
    QString Note;
    // Alt+letter on a button presses it a moment later: each such key waits for the list to change.
    struct TPress {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        bool ChangesList;
    };
    auto Keys = [&Shown, &Note](std::vector<TPress> Presses, bool Ok) {
        return [&Shown, &Note, Presses, Ok](QDialog& Dialog) {
            auto& Config = static_cast<TConfigDlg&>(Dialog);
            Shown.clear();
            for (const std::string& Folder : Config.LibraryPath()) Shown << QString::fromStdString(Folder);
            Note = Config.InstalledLabel->text();
            ActivateDialog(Dialog);
            for (const TPress& Press : Presses) {
                const std::vector<std::string> Before = Config.LibraryPath();
                QTest::keyClick(QApplication::focusWidget(), Press.Key, Press.Modifiers);
                if (Press.ChangesList) EXPECT_TRUE(QTest::qWaitFor([&] { return Config.LibraryPath() != Before; }));
            }
            if (Ok) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        };
    };
    Prompts.FileAnswers = {QString::fromStdString(Tree + "/inc")};
    Prompts.Answers.push_back(Keys({{Qt::Key_A, Qt::AltModifier, true}}, true));
    Nav().Item("ConfigurationItem")->trigger();
    EXPECT_EQ(Shown, QStringList{QString::fromStdString(Tree)});
    EXPECT_FALSE(Note.isEmpty());
    EXPECT_EQ(Prompts.Texts("folder"), std::vector<QString>{"Select Folder for the Library Path"});
    EXPECT_EQ(TLibraryStore(Db()).LibraryPath().Folders, (std::vector<std::string>{Tree, Tree + "/inc"}));

    Prompts.Answers.push_back(Keys({{Qt::Key_L, Qt::AltModifier, false}, {Qt::Key_Delete, Qt::NoModifier, true}}, false));
    Nav().Item("ConfigurationItem")->trigger();
    EXPECT_EQ(Shown, (QStringList{QString::fromStdString(Tree), QString::fromStdString(Tree + "/inc")}));
    EXPECT_EQ(TLibraryStore(Db()).LibraryPath().Folders, (std::vector<std::string>{Tree, Tree + "/inc"}))
        << "Cancel stores nothing";
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

}  // namespace
}  // namespace qm
