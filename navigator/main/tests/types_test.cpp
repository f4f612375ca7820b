// Interfaces, records and helpers in the window as a person meets them: Class Search goes to an
// interface and its methods, Class Info lists a class's interfaces and its helpers' members on
// request, the Descendants page of an interface shows who implements it, and Overrides... or a
// double-click on an interface's method lists the implementing classes' methods to go to one.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "appwindows.h"
#include "cfgdlg1.h"
#include "classinfopage.h"
#include "classlist.h"
#include "clsdlg1.h"
#include "descendantspage.h"
#include "main1.h"
#include "sourceplace.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

// Line numbers in the comments.
constexpr const char* StreamsUnit =
    "unit Streams;\n"                                 // 1
    "interface\n"                                     // 2
    "type\n"                                          // 3
    "  IReader = interface\n"                         // 4
    "    ['{11111111-2222-3333-4444-555555555555}']\n"  // 5
    "    function Read: Integer;\n"                   // 6
    "  end;\n"                                        // 7
    "  IChannel = interface(IReader)\n"                // 8
    "    procedure Write;\n"                          // 9
    "  end;\n"                                        // 10
    "  TFile = class(TObject, IReader)\n"             // 11
    "    function Read: Integer;\n"                   // 12
    "  end;\n"                                        // 13
    "  TLog = class(TFile)\n"                         // 14
    "    function Read: Integer;\n"                   // 15
    "  end;\n"                                        // 16
    "  TMapped = class(TObject, IChannel)\n"           // 17
    "    function IReader.Read = Fetch;\n"            // 18
    "    function Fetch: Integer;\n"                  // 19
    "    procedure Write;\n"                          // 20
    "  end;\n"                                        // 21
    "  TFileHelper = class helper for TFile\n"        // 22
    "    procedure Rewind;\n"                         // 23
    "  end;\n"                                        // 24
    "implementation\n"                                // 25
    "function TFile.Read: Integer; begin end;\n"      // 26
    "function TLog.Read: Integer; begin end;\n"       // 27
    "function TMapped.Fetch: Integer; begin end;\n"   // 28
    "procedure TMapped.Write; begin end;\n"           // 29
    "procedure TFileHelper.Rewind; begin end;\n"      // 30
    "end.\n";

uint32_t Clock = 0;

class TypesWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Double-clicks far apart, as a person's are: none is taken for the second half of another.
        SetTickSource([] { return Clock += 1000; });
        Start(SampleDatabaseCopy());
        Nav().activateWindow();
        const std::string Path = TempDir() + "/Streams.pas";
        std::ofstream(Path, std::ios::binary) << StreamsUnit;
        // File > Add Unit, read as modern Object Pascal.
        Windows().ConfigDlg->ModernPascalCB->setChecked(true);
        Prompts.FileAnswers = {QString::fromStdString(Path)};
        Nav().Item("LoadUnit1")->trigger();
        Streams = Db().UnitsIDByNameIndex("Streams", 0);
        ASSERT_NE(Streams, 0);
    }
    void TearDown() override {
        SetTickSource({});
        WindowTest::TearDown();
    }
    void Page(int Tab) {
        QTabBar* Tabs = Nav().PageControl()->tabBar();
        Click(Tabs, Tabs->tabRect(Tab).center());
    }
    int Line() const { return Nav().Memo()->CursorLinePos() + 1; }
    QString Cell(const QModelIndex& Index, int Column) const { return Index.siblingAtColumn(Column).data().toString(); }
    // Class Info's rows as "member class level visibility type".
    QStringList Rows() const {
        QStringList Texts;
        for (const TClassInfoRow* Row : Nav().ClassInfo().RowsShown())
            if (Row->Texts[1] != QLatin1String("TObject")) Texts << QStringList(Row->Texts.begin(), Row->Texts.end()).join(' ');
        return Texts;
    }
    // Double-clicks the first whole Word on the 1-based Line of the new unit, shown at the top.
    void DoubleClick(int Line, const QString& Word) {
        TXRichEdit& View = *Nav().Memo();
        Nav().Source().GoTo({Streams, Line, 0}, false);
        const QRegularExpression Whole(QStringLiteral("\\b") + Word + QStringLiteral("\\b"));
        const int At = View.LineIndex(Line - 1) + static_cast<int>(View.Lines().Line(Line - 1).toString().indexOf(Whole)) + 1;
        QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, View.CursorRect(At).center());
    }
    // Answers the selection dialog as a person does: reads its entries, goes down Downs rows
    // and presses Enter, inside the dialog's own modal loop.
    TAnswer Choose(QStringList& Seen, int Downs) {
        return [&Seen, Downs](QDialog& Dialog) {
            auto* List = Dialog.findChild<QListWidget*>();
            ASSERT_NE(List, nullptr);
            // Each entry without the folders of its short unit name.
            for (int i = 0; i < List->count(); ++i) Seen << List->item(i)->text().section(QLatin1Char('/'), -1);
            for (int i = 0; i < Downs; ++i) QTest::keyClick(List, Qt::Key_Down);
            QTest::keyClick(List, Qt::Key_Return);
        };
    }
    int Streams = 0;
};

TEST_F(TypesWindow, ClassSearchGoesToAnInterfaceAndTheStatusBarNamesItsKind) {
    EXPECT_GE(Nav().ClassesCB()->findText("IReader"), 0) << "the selector lists interfaces";
    Search("ireader");
    EXPECT_EQ(Db().CurrentUnitID, Streams);
    EXPECT_EQ(Line(), 4);
    // On Class Info: the interface's members, its ancestor's level by level.
    Page(1);
    Search("IChannel");
    EXPECT_EQ(Rows(), (QStringList{"Write IChannel 1 Public Method", "Read IReader 2 Public Method"}));
    RunIdle();
    EXPECT_EQ(Nav().StatusText(3), "Interface: IChannel");
    EXPECT_EQ(Nav().StatusText(1), "Line: 9");
    // A member shows the interface that declares it, the member's row chosen.
    Search("IChannel.Read");
    ASSERT_NE(Nav().ClassInfo().SelectedRow(), nullptr);
    EXPECT_EQ(Nav().ClassInfo().SelectedRow()->Member.Name, "Read");
    RunIdle();
    EXPECT_EQ(Nav().StatusText(3), "Interface: IReader");
    EXPECT_EQ(Nav().StatusText(1), "Line: 6");
    Search("TFileHelper");
    RunIdle();
    EXPECT_EQ(Nav().StatusText(3), "Class helper: TFileHelper");
}

TEST_F(TypesWindow, ClassInfoShowsInterfacesAndHelpersOnRequest) {
    Page(1);
    Search("TLog");
    EXPECT_EQ(Rows(), (QStringList{"Read TLog 1 Public Method", "Read TFile 2 Public Method"}));
    // Filters > Interfaces, then Filters > Helpers, as chosen from the menu.
    for (const char* Item : {"InterfacesItem", "HelpersItem"}) {
        emit Nav().Menu("FiltersItem")->aboutToShow();
        ASSERT_TRUE(Nav().Item(Item)->isEnabled());
        Nav().Item(Item)->trigger();
    }
    EXPECT_EQ(Rows(), (QStringList{"Read TLog 1 Public Method", "Read TFile 2 Public Method", "IReader TFile 2  interface",
                                   "Rewind TFileHelper helper Public Method"}));
    // The interface's row opens its declaration.
    ASSERT_TRUE(Nav().ClassInfo().FocusMember("IReader"));
    QTreeView& View = *Nav().ClassListView();
    QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, View.visualRect(View.currentIndex()).center());
    EXPECT_EQ(Db().CurrentUnitID, Streams);
    EXPECT_EQ(Line(), 4);
}

TEST_F(TypesWindow, TheDescendantsPageOfAnInterfaceShowsWhoImplementsIt) {
    Page(2);
    Search("IReader");
    QTreeView& View = Nav().Descendants().View();
    const QModelIndex Root = View.model()->index(0, 0);
    EXPECT_EQ(Cell(Root, 0), "IReader");
    ASSERT_EQ(View.model()->rowCount(Root), 2);
    EXPECT_EQ(Cell(View.model()->index(0, 0, Root), 0), "IChannel") << "the interfaces derived from it first";
    const QModelIndex Heading = View.model()->index(1, 0, Root);
    EXPECT_EQ(Cell(Heading, 0), "Implemented by");
    EXPECT_EQ(Cell(Heading, 2), "2");
    EXPECT_TRUE(View.isExpanded(Heading));
    EXPECT_EQ(Cell(View.model()->index(0, 0, Heading), 0), "TFile");
    EXPECT_EQ(Cell(View.model()->index(0, 0, View.model()->index(0, 0, Heading)), 0), "TLog")
        << "a descendant implements it through its ancestor";
    // A person walks down with the keys: IChannel, the heading, TFile, and opens it with Enter.
    Click(View.viewport(), View.visualRect(Root).center());
    for (int i = 0; i < 3; ++i) Press(Qt::Key_Down);
    EXPECT_EQ(Cell(View.currentIndex(), 0), "TFile");
    RunIdle();
    EXPECT_EQ(Nav().StatusText(3), "Class: TFile");
    Press(Qt::Key_Return);
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().SourceTabSheet());
    EXPECT_EQ(Line(), 11);
}

TEST_F(TypesWindow, OverridesAndADoubleClickOnAnInterfaceMethodListItsImplementations) {
    Page(1);
    Search("IReader.Read");
    emit Nav().ClassInfoPopup()->aboutToShow();
    ASSERT_TRUE(Nav().Item("MemberOverridesItem")->isEnabled());
    QStringList Seen;
    Prompts.Answers.push_back(Choose(Seen, 1));
    Nav().Item("MemberOverridesItem")->trigger();
    EXPECT_EQ(Windows().ClassDlg->windowTitle(), "Implementations of IReader.Read");
    EXPECT_EQ(Seen, (QStringList{"Streams.TFile.Read, line 26", "Streams.TLog.Read, line 27",
                                 "Streams.TMapped (IReader.Read mapped), line 17"}));
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().SourceTabSheet());
    EXPECT_EQ(Line(), 27);

    // In the source: the method resolution clause's interface method, and the interface's own
    // declaration of it.
    for (const auto& [At, Word] : {std::pair{18, "Read"}, std::pair{6, "Read"}}) {
        Seen.clear();
        Prompts.Answers.push_back(Choose(Seen, 0));
        DoubleClick(At, QString::fromLatin1(Word));
        EXPECT_EQ(Seen.size(), 3) << At;
        EXPECT_EQ(Line(), 26) << At;
    }
    // Fetch in the clause is the class's own method: its implementation, without a list.
    DoubleClick(18, QStringLiteral("Fetch"));
    EXPECT_EQ(Line(), 28);
    EXPECT_EQ(Prompts.Modals(), 3);
}

}  // namespace
}  // namespace qm
