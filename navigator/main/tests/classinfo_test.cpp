// The Class Info page: sorting by a clicked column, the filters, and going to a member's source.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QTest>
#include <QTreeView>

#include "classlist.h"
#include "classinfopage.h"
#include "main1.h"
#include "sourceplace.h"
#include "posstore.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

class ClassInfo : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start(SampleDatabase());
        Nav().SelectPage(Nav().ClassInfoTabSheet());
    }
    QString Cell(int Row, int Column) const { return Nav().ClassInfo().Sorter().index(Row, Column).data().toString(); }
    int Rows() const { return Nav().ClassInfo().Sorter().rowCount(); }
    void ClickHeader(int Column) {
        QHeaderView* Header = Nav().ClassListView()->header();
        QTest::mouseClick(Header->viewport(), Qt::LeftButton, {},
                          QPoint(Header->sectionViewportPosition(Column) + 5, Header->height() / 2));
    }
    // Every pair of neighbouring rows is in Column's order (Sign +1 ascending, -1 descending).
    bool Ordered(int Column, int Sign) const {
        for (int r = 1; r < Rows(); ++r) {
            const int C = Nav().ClassInfo().Sorter().CompareRows(Nav().ClassInfo().Model().Row(Source(r - 1)),
                                                             Nav().ClassInfo().Model().Row(Source(r)), Column + 1);
            if (C * Sign > 0) return false;
        }
        return true;
    }
    int Source(int Row) const { return Nav().ClassInfo().Sorter().mapToSource(Nav().ClassInfo().Sorter().index(Row, 0)).row(); }
};

TEST_F(ClassInfo, ModelIsConsistent) {
    QAbstractItemModelTester Tester(&Nav().ClassInfo().Sorter(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    Nav().FillClassList(Db().ClassesIDByNameIndex("TComponent", 0));
    ClickHeader(2);
}

TEST_F(ClassInfo, ColumnClicksSortAndCarryTheDirection) {
    TClassNav& W = Nav();
    EXPECT_EQ(Cell(0, 2), "1");
    ClickHeader(0);  // Member again after start: descending
    EXPECT_EQ(W.ClassInfo().SortDirection(), -1);
    EXPECT_TRUE(Ordered(0, -1));
    ClickHeader(0);
    EXPECT_TRUE(Ordered(0, +1));
    ClickHeader(0);
    ClickHeader(1);  // Class takes the descending direction along
    EXPECT_EQ(W.ClassInfo().SortColumn(), 2);
    EXPECT_EQ(W.ClassInfo().SortDirection(), -1);
    EXPECT_TRUE(Ordered(1, -1));
    ClickHeader(2);  // Level: numeric
    EXPECT_TRUE(Ordered(2, -1));
    ClickHeader(2);
    EXPECT_TRUE(Ordered(2, +1));
    EXPECT_EQ(Cell(0, 2), "1");

    // A refill stands in listing order; the next click on Level reverses the remembered direction.
    W.FillClassList(Db().ClassesIDByNameIndex("TApplication", 0));
    EXPECT_EQ(Cell(0, 2), "1");
    EXPECT_EQ(Cell(Rows() - 1, 1), "TObject");
    ClickHeader(2);
    EXPECT_TRUE(Ordered(2, -1));
}

TEST(CompareRows, TextTellsCaseApartLevelIsANumber) {
    TClassListSorter Sorter;
    TClassInfoRow A, B;
    A.Texts = {"caption", "TA", "9", "Public", "Method"};
    B.Texts = {"Caption", "TB", "10", "Public", "Field"};
    A.Member.Level = 9;
    B.Member.Level = 10;
    EXPECT_NE(Sorter.CompareRows(A, B, 1), 0);
    EXPECT_LT(Sorter.CompareRows(A, B, 3), 0);
    EXPECT_GT(Sorter.CompareRows(A, B, -3), 0);
    EXPECT_LT(Sorter.CompareRows(A, B, 2), 0);
    EXPECT_EQ(Sorter.CompareRows(A, B, 4), 0);
    EXPECT_GT(Sorter.CompareRows(A, B, 5), 0);
}

TEST(CompareRows, NamesInDictionaryOrderWhateverTheProcessLocale) {
    // Containers and minimal installs run under the C locale, where a locale's collator compares
    // code points: every capital before every small letter.
    const QLocale Was;
    QLocale::setDefault(QLocale::c());
    TClassListSorter Sorter;
    QLocale::setDefault(Was);
    const QString Order[] = {"FIcon", "FieldAddress", "FindComponent", "FMainForm", "Free", "FShowHint"};
    TClassInfoRow A, B;
    for (size_t i = 1; i < std::size(Order); ++i) {
        A.Texts[0] = Order[i - 1];
        B.Texts[0] = Order[i];
        EXPECT_LT(Sorter.CompareRows(A, B, 1), 0) << Order[i - 1].toStdString() << " before " << Order[i].toStdString();
    }
}

TEST_F(ClassInfo, FiltersRemoveAndRestoreRowsOfTheSameClass) {
    TClassNav& W = Nav();
    auto Methods = [&] {
        int N = 0;
        for (int r = 0; r < Rows(); ++r) N += Cell(r, 4) == "Method";
        return N;
    };
    const int All = Rows();
    ASSERT_GT(Methods(), 0);
    W.Item("MethodItem")->trigger();
    EXPECT_EQ(Methods(), 0);
    EXPECT_EQ(W.ClassInfo().ClassName(), "TApplication");
    EXPECT_LT(Rows(), All);
    W.Item("MethodItem")->trigger();
    EXPECT_EQ(Rows(), All);
    for (const char* Name : {"PrivateItem", "ProtectedItem", "PublicItem", "PublishedItem"}) W.Item(Name)->trigger();
    EXPECT_EQ(Rows(), 0) << "no visibility at all is an empty list, not an error";
}

TEST_F(ClassInfo, DoubleClickOnARowOpensItsSourceWithoutHistory) {
    TClassNav& W = Nav();
    int Row = -1;
    for (int r = 0; r < Rows() && Row < 0; ++r)
        if (Cell(r, 4) == "Property" && Cell(r, 2) != "1") Row = r;
    ASSERT_GE(Row, 0);
    const int History = W.Source().History().Count();
    const TClassInfoRow& R = W.ClassInfo().Model().Row(Source(Row));
    const QRect Rect = W.ClassListView()->visualRect(W.ClassInfo().Sorter().index(Row, 0));
    W.ClassListView()->scrollTo(W.ClassInfo().Sorter().index(Row, 0));
    QTest::mouseClick(W.ClassListView()->viewport(), Qt::LeftButton, {}, W.ClassListView()->visualRect(W.ClassInfo().Sorter().index(Row, 0)).center());
    QTest::mouseDClick(W.ClassListView()->viewport(), Qt::LeftButton, {}, W.ClassListView()->visualRect(W.ClassInfo().Sorter().index(Row, 0)).center());
    (void)Rect;
    EXPECT_EQ(W.PageControl()->currentWidget(), W.SourceTabSheet());
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(R.Member.ClassID));
    EXPECT_EQ(W.Memo()->CursorLinePos() + 1, Db().GetMemberTargetLine(R.Member.ClassID, R.Member.Name));
    EXPECT_EQ(W.Source().History().Count(), History);
}

TEST_F(ClassInfo, TheBlankBelowTheRowsKeepsTheRowAndADoubleClickThereOpensIt) {
    TClassNav& W = Nav();
    W.Item("MethodItem")->trigger();
    W.Item("FieldItem")->trigger();
    W.FillClassList(Db().ClassesIDByNameIndex("Exception", 0));
    ASSERT_GE(Rows(), 2);
    QWidget* Viewport = W.ClassListView()->viewport();
    const QRect Second = W.ClassListView()->visualRect(W.ClassInfo().Sorter().index(1, 0));
    Click(Viewport, Second.center());
    const QPoint Blank(Second.center().x(), Viewport->height() - 3);
    ASSERT_FALSE(W.ClassListView()->indexAt(Blank).isValid());
    Click(Viewport, Blank);
    RunIdle();
    EXPECT_EQ(W.ClassInfo().SelectedRow(), &W.ClassInfo().Model().Row(Source(1))) << "a click on the blank keeps the focused row";
    EXPECT_FALSE(W.StatusText(0).isEmpty());
    const TClassInfoRow& R = W.ClassInfo().Model().Row(Source(1));
    QTest::mouseDClick(Viewport, Qt::LeftButton, {}, Blank);
    EXPECT_EQ(W.PageControl()->currentWidget(), W.SourceTabSheet());
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(R.Member.ClassID));
    EXPECT_EQ(W.Memo()->CursorLinePos() + 1, Db().GetMemberTargetLine(R.Member.ClassID, R.Member.Name));
}

}  // namespace
}  // namespace qm
