// The Descendants page as a person uses it: it follows the class of a Class Search, shows the tree
// sorted with its counts, and the keyboard and a double-click open a class's declaration.
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QAbstractItemModelTester>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "classlist.h"
#include "clsdlg1.h"
#include "classinfopage.h"
#include "descendantspage.h"
#include "filesizelimit.h"
#include "main1.h"
#include "posstore.h"
#include "sourceplace.h"
#include "statuspanels.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

class Descendants : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start(SampleDatabase());
        QTabBar* Tabs = Nav().PageControl()->tabBar();
        ASSERT_EQ(Tabs->tabText(2), "Descendants");
        Click(Tabs, Tabs->tabRect(2).center());
        ASSERT_EQ(Nav().PageControl()->currentWidget(), Nav().DescendantsTabSheet());
    }
    QTreeView& View() const { return Nav().Descendants().View(); }
    QString Cell(const QModelIndex& Index, int Column) const { return Index.siblingAtColumn(Column).data().toString(); }
    QString Current(int Column = 0) const { return Cell(View().currentIndex(), Column); }
    int Line() const { return Nav().Memo()->CursorLinePos() + 1; }
    // Export Hierarchy into File, as the file dialog answers; what the file then holds.
    QByteArray Export(const QString& File) {
        Prompts.FileAnswers.push_back(File);
        Nav().Item("ExportHierarchyItem")->trigger();
        QFile Written(File);
        return Written.open(QIODevice::ReadOnly) ? Written.readAll() : QByteArray();
    }
    // A click on the row of Index, as a person aims at its text.
    void ClickRow(const QModelIndex& Index) { Click(View().viewport(), View().visualRect(Index).center()); }
};

TEST_F(Descendants, TheTreeFollowsTheSearchedClassSortedWithItsCounts) {
    EXPECT_EQ(Current(), "TApplication") << "the class the window started with";
    // The model keeps Qt's rules for models through every refill.
    QAbstractItemModelTester Tester(View().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    Search("TControl");
    const QModelIndex Root = View().model()->index(0, 0);
    TDescendants Tree;
    Db().ListDescendants(Db().ClassesIDByNameIndex("TControl", 0), Tree);
    EXPECT_EQ(Cell(Root, 0), "TControl");
    EXPECT_EQ(Cell(Root, 1), "CONTROLS") << "unit names as the library spells them";
    EXPECT_EQ(Cell(Root, 2), QString::number(Tree.size() - 1));
    ASSERT_TRUE(View().isExpanded(Root));
    // The direct descendants in name order, each with its own count.
    const int Children = View().model()->rowCount(Root);
    ASSERT_GT(Children, 1);
    for (int Row = 1; Row < Children; ++Row)
        EXPECT_LE(Cell(View().model()->index(Row - 1, 0, Root), 0).toUpper(), Cell(View().model()->index(Row, 0, Root), 0).toUpper());
    EXPECT_EQ(Cell(View().model()->index(0, 0, Root), 0), QString::fromStdString(Tree[1].Name));

    // The status bar tells where the class under the cursor is declared.
    RunIdle();
    EXPECT_EQ(Nav().StatusText(0), "Unit: CONTROLS");
    EXPECT_EQ(Nav().StatusText(3), "Class: TControl");
    // The unit selector belongs to the Source page.
    EXPECT_FALSE(Nav().UnitsCB()->isEnabled());
}

TEST_F(Descendants, KeysWalkTheTreeAndEnterOpensTheDeclarationWithHistory) {
    Search("TWinControl");
    ClickRow(View().model()->index(0, 0));
    ASSERT_EQ(QApplication::focusWidget(), &View());
    Press(Qt::Key_Down);
    const QString First = Current();
    ASSERT_FALSE(First.isEmpty());
    EXPECT_NE(First, "TWinControl");
    // Right opens a branch that has descendants, Left closes it again.
    while (View().model()->rowCount(View().currentIndex()) == 0) Press(Qt::Key_Down);
    Press(Qt::Key_Right);
    EXPECT_TRUE(View().isExpanded(View().currentIndex()));
    Press(Qt::Key_Left);
    EXPECT_FALSE(View().isExpanded(View().currentIndex()));

    const std::string Chosen = Current().toStdString();
    const int History = Nav().Source().History().Count();
    const QString Units = Nav().UnitsCB()->currentText(), Classes = Nav().ClassesCB()->currentText();
    Press(Qt::Key_Return);
    const int K = Db().ClassesIDByNameIndex(Chosen, 0);
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().SourceTabSheet());
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(K));
    EXPECT_EQ(Line(), Db().GetClassLine(K));
    EXPECT_EQ(Nav().Source().History().Count(), History + 1);
    // A jump as every other: the selectors keep what the user chose in them last.
    EXPECT_EQ(Nav().ClassesCB()->currentText(), Classes);
    EXPECT_EQ(Nav().UnitsCB()->currentText(), Units);
}

// Every branch opened by keys, as a person reads the whole tree: the Class column grows with the
// deeper rows, so that no name is cut.
TEST_F(Descendants, TheClassColumnWidensAsBranchesOpen) {
    Search("TControl");
    ClickRow(View().model()->index(0, 0));
    ASSERT_EQ(QApplication::focusWidget(), &View());
    int Opened = 0;
    for (QModelIndex Before; View().currentIndex() != Before;) {
        Before = View().currentIndex();
        if (View().model()->rowCount(Before) > 0 && !View().isExpanded(Before)) {
            Press(Qt::Key_Right);
            ++Opened;
        }
        Press(Qt::Key_Down);
    }
    ASSERT_GT(Opened, 2);
    // Where each name shown ends, from the column's left edge (no horizontal scrolling here).
    int Widest = 0;
    for (QModelIndex At = View().model()->index(0, 0); At.isValid(); At = View().indexBelow(At))
        Widest = std::max(Widest, View().visualRect(At).left() + View().fontMetrics().horizontalAdvance(At.data().toString()));
    EXPECT_GE(View().columnWidth(0), Widest);
}

TEST_F(Descendants, ADoubleClickOpensTheDeclarationAndTextSearchFindsAClass) {
    Search("TCustomEdit");
    Click(Nav().TextSearchEdit());
    Type("tcustommem");
    Press(Qt::Key_Return);
    ASSERT_EQ(Current(), "TCustomMemo") << "found below, its branch opened";
    const QModelIndex Found = View().currentIndex();
    // As the window system delivers it: a click, then the second press as a double-click.
    const QPoint At = View().visualRect(Found).center();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, At);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, At);
    const int K = Db().ClassesIDByNameIndex("TCustomMemo", 0);
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().SourceTabSheet());
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(K));
    EXPECT_EQ(Line(), Db().GetClassLine(K));
}

// Answers the selection dialog as a person does: looks at the entries, goes down one and presses
// Enter, inside the dialog's own modal loop.
TAnswer SecondEntry(QStringList& Seen) {
    return [&Seen](QDialog& Dialog) {
        auto* List = Dialog.findChild<QListWidget*>();
        ASSERT_NE(List, nullptr);
        for (int i = 0; i < List->count(); ++i) Seen << List->item(i)->text();
        QTest::keyClick(List, Qt::Key_Down);
        QTest::keyClick(List, Qt::Key_Return);
    };
}

TEST_F(Descendants, OverridesFromTheSourcePopupAndFromAClassInfoRow) {
    Click(Nav().PageControl()->tabBar(), Nav().PageControl()->tabBar()->tabRect(0).center());
    Search("TPersistent.Assign");
    const int Persistent = Db().ClassesIDByNameIndex("TPersistent", 0);
    TOverrides Expected;
    Db().ListOverrides(Persistent, "Assign", Expected);
    ASSERT_GT(Expected.size(), 2u);
    QStringList Seen;
    Prompts.Answers.push_back(SecondEntry(Seen));
    Nav().Item("OverridesItem")->trigger();
    ASSERT_EQ(Seen.size(), int(Expected.size()));
    EXPECT_EQ(Windows().ClassDlg->windowTitle(), "Overrides of TPersistent.Assign");
    EXPECT_TRUE(Seen[1].endsWith("." + QString::fromStdString(Expected[1].ClassName) + ".Assign, line " +
                                 QString::number(Expected[1].Place.Line)))
        << Seen[1].toStdString();
    EXPECT_EQ(Db().CurrentUnitID, Expected[1].Place.UnitID);
    EXPECT_EQ(Line(), Expected[1].Place.Line);

    // On Class Info the popup offers it for a method row only.
    Click(Nav().PageControl()->tabBar(), Nav().PageControl()->tabBar()->tabRect(1).center());
    Search("TPersistent.Assign");
    emit Nav().ClassInfoPopup()->aboutToShow();
    ASSERT_NE(Nav().ClassInfo().FocusedRow(), nullptr);
    EXPECT_EQ(Nav().ClassInfo().FocusedRow()->Member.Name, "Assign");
    ASSERT_TRUE(Nav().Item("MemberOverridesItem")->isEnabled());
    Seen.clear();
    Prompts.Answers.push_back(SecondEntry(Seen));
    Nav().Item("MemberOverridesItem")->trigger();
    EXPECT_EQ(Seen.size(), int(Expected.size()));
    EXPECT_EQ(Db().CurrentUnitID, Expected[1].Place.UnitID);
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().SourceTabSheet());
    EXPECT_EQ(Prompts.Modals(), 2);
}

// One class below overrides the method: it is opened at once, with no list of one to choose from.
TEST_F(Descendants, ASingleOverrideOpensWithoutAList) {
    Click(Nav().PageControl()->tabBar(), Nav().PageControl()->tabBar()->tabRect(0).center());
    Search("TStrings.AddStrings");
    TOverrides Expected;
    Db().ListOverrides(Db().ClassesIDByNameIndex("TStrings", 0), "AddStrings", Expected);
    ASSERT_EQ(Expected.size(), 1u);
    Nav().Item("OverridesItem")->trigger();
    EXPECT_EQ(Prompts.Modals(), 0);
    EXPECT_EQ(Db().CurrentUnitID, Expected[0].Place.UnitID);
    EXPECT_EQ(Line(), Expected[0].Place.Line);
}

// What a screen reader is given: a tree whose cells name the classes in the order shown, each
// with its level and count, and their expanded and collapsed states.
TEST_F(Descendants, AScreenReaderReadsTheTree) {
    Search("TWinControl");
    QAccessibleInterface* Tree = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(Tree, nullptr);
    EXPECT_EQ(Tree->role(), QAccessible::Tree);
    EXPECT_EQ(Tree->text(QAccessible::Name), "Descendants");
    QAccessibleTableInterface* Table = Tree->tableInterface();
    ASSERT_NE(Table, nullptr);
    EXPECT_EQ(Table->columnCount(), 3);
    QAccessibleInterface* Root = Table->cellAt(0, 0);
    ASSERT_NE(Root, nullptr);
    EXPECT_EQ(Root->text(QAccessible::Name), "TWinControl");
    EXPECT_EQ(Root->text(QAccessible::Description),
              QStringLiteral("level 1, %1 descendants").arg(Cell(View().model()->index(0, 0), 2)));
    EXPECT_TRUE(Root->state().expanded);
    const QModelIndex First = View().model()->index(0, 0, View().model()->index(0, 0));
    EXPECT_EQ(Table->cellAt(1, 0)->text(QAccessible::Name), Cell(First, 0));
    EXPECT_TRUE(Table->cellAt(1, 0)->text(QAccessible::Description).startsWith("level 2, ")) << "its level";
    EXPECT_EQ(Table->cellAt(1, 1)->text(QAccessible::Name), Cell(First, 1)) << "its unit beside it";
    // Counted in words as a person says them: "1 descendant", "0 descendants".
    QStringList Counts;
    std::vector<QModelIndex> Rows{View().model()->index(0, 0)};
    while (!Rows.empty()) {
        const QModelIndex At = Rows.back();
        Rows.pop_back();
        const QString Count = Cell(At, 2), Description = At.data(Qt::AccessibleDescriptionRole).toString();
        if (!Counts.contains(Count) && Count.toInt() < 3) {
            Counts << Count;
            EXPECT_TRUE(Description.endsWith(", " + Count + (Count == "1" ? " descendant" : " descendants")))
                << Description.toStdString();
        }
        for (int Row = 0; Row < View().model()->rowCount(At); ++Row) Rows.push_back(View().model()->index(Row, 0, At));
    }
    Counts.sort();
    EXPECT_EQ(Counts, QStringList({"0", "1", "2"}));
}

TEST_F(Descendants, ExportHierarchyWritesThePictureOfTheCurrentClass) {
    Search("TWinControl");
    const QString Svg = QString::fromStdString(TempDir()) + "/tree.svg";
    Prompts.FileAnswers.push_back(Svg);
    Nav().Item("ExportHierarchyItem")->trigger();
    ASSERT_EQ(Prompts.Texts("save"), std::vector<QString>{"Export Hierarchy"});
    QFile File(Svg);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QString Text = QString::fromLatin1(File.readAll());
    TDescendants Tree;
    Db().ListHierarchy(Db().ClassesIDByNameIndex("TWinControl", 0), Tree);
    EXPECT_EQ(Text.count("<g id="), int(Tree.size()));
    EXPECT_EQ(Text.count("class=\"edge\""), int(Tree.size()) - 1) << "one line to each class but the top one";
    EXPECT_TRUE(Text.contains(">TObject<")) << "the ancestors above it";

    // A PDF where the name asks for one; a file that cannot be written is an error the user sees.
    const QString Pdf = QString::fromStdString(TempDir()) + "/tree.pdf";
    Prompts.FileAnswers.push_back(Pdf);
    Nav().Item("ExportHierarchyItem")->trigger();
    EXPECT_TRUE(QFile(Pdf).size() > 1000);
    // On the Source page, the class around the caret.
    Click(Nav().PageControl()->tabBar(), Nav().PageControl()->tabBar()->tabRect(0).center());
    Search("TCustomEdit");
    const QByteArray Caret = Export(QString::fromStdString(TempDir()) + "/caret.svg");
    Db().ListHierarchy(Db().ClassesIDByNameIndex("TCustomEdit", 0), Tree);
    EXPECT_EQ(Caret.count("<g id="), int(Tree.size()));

    Prompts.FileAnswers.push_back(QString::fromStdString(TempDir()) + "/no/such/folder/tree.svg");
    Nav().Item("ExportHierarchyItem")->trigger();
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_TRUE(Prompts.Texts("error")[0].contains("tree.svg"));
}

// The picture names what it shows and marks the class it was made for; a picture the disk cannot
// take is an error the user sees, and the picture written before is kept whole.
TEST_F(Descendants, ExportHierarchyTitlesThePictureAndReportsAFullDisk) {
    Search("TWinControl");
    const QString Svg = QString::fromStdString(TempDir()) + "/tree.svg";
    const QByteArray Picture = Export(Svg);
    EXPECT_TRUE(Picture.contains("<title>Hierarchy of TWinControl</title>"));
    EXPECT_EQ(Picture.count("class=\"exported\""), 1);
    EXPECT_TRUE(Picture.contains("<rect class=\"exported\"") &&
                Picture.indexOf(">TWinControl<") > Picture.indexOf("<rect class=\"exported\""));

    const struct {
        QString File;
        rlim_t Limit;
        QString Reason;
    } Cases[] = {{"/dev/full", RLIM_INFINITY, "No space left on device"},
                 {Svg, 1024, "File too large"},
                 {QString::fromStdString(TempDir()) + "/tree.pdf", 1024, "File too large"}};
    for (const auto& C : Cases) {
        Prompts.Calls.clear();
        Prompts.FileAnswers.push_back(C.File);
        {
            const TFileSizeLimit Limit(C.Limit);
            Nav().Item("ExportHierarchyItem")->trigger();
        }
        EXPECT_EQ(Prompts.Texts("error"), std::vector<QString>{"Cannot write " + C.File + ": " + C.Reason + "."});
    }
    QFile File(Svg);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_EQ(File.readAll(), Picture) << "the picture before is kept";
    EXPECT_EQ(QDir(QString::fromStdString(TempDir())).entryList({"tree*"}, QDir::Files), QStringList{"tree.svg"});
}

}  // namespace
}  // namespace qm
