// The stores of places, Back, and the bookmarks with their captions, colours and shortcuts.
#include <QAction>
#include <QTest>
#include <vector>

#include "main1.h"
#include "sourceplace.h"
#include "posstore.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

TEST(PositionStores, StackDropsItsOldestValuesAndSaysSo) {
    std::vector<intptr_t> Dropped;
    TStack Stack;
    Stack.OnDiscard = {[](void* Into, TStack&, intptr_t V) { static_cast<std::vector<intptr_t>*>(Into)->push_back(V); },
                       &Dropped};
    for (intptr_t v = 1; v <= 5; ++v) Stack.Push(v);
    Stack.SetMaxDepth(3);
    EXPECT_EQ(Dropped, (std::vector<intptr_t>{1, 2}));
    Stack.Push(6);
    EXPECT_EQ(Dropped, (std::vector<intptr_t>{1, 2, 3}));
    EXPECT_EQ(Stack.Pop(), 6);
    EXPECT_EQ(Stack.Peek(), 5);
    Stack.Pop();
    Stack.Pop();
    try {
        Stack.Pop();
        ADD_FAILURE() << "an empty stack popped";
    } catch (const EAccessViolation& E) {
        EXPECT_EQ(E.Message(), "Stack is Empty.");
    }
}

TEST(PositionStores, HistoryKeepsFifteenDistinctPositions) {
    THistory History;
    History.Add(0, 5);  // no unit: nothing
    History.Add(3, 7);
    History.Add(3, 7);  // the same as the last: nothing
    EXPECT_EQ(History.Count(), 1);
    History.Add(4, 1);
    History.Add(3, 7);  // again after another: recorded
    EXPECT_EQ(History.Count(), 3);

    THistory Full;
    for (int i = 1; i <= 16; ++i) Full.Add(i, i * 10);
    int U = -1, L = -1;
    for (int i = 16; i >= 2; --i) {
        ASSERT_TRUE(Full.GoBack(U, L));
        EXPECT_EQ(U, i);
        EXPECT_EQ(L, i * 10);
    }
    EXPECT_FALSE(Full.GoBack(U, L));
    EXPECT_EQ(U, 2) << "a failed GoBack leaves its arguments alone";
}

class Places : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start(SampleDatabase());
        Forms = Db().CurrentUnitID;
        Classes = Db().UnitsIDByNameIndex("Classes", 0);
        Nav().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Nav()));
    }
    void Key(int Key, Qt::KeyboardModifiers Modifiers) { Press(static_cast<Qt::Key>(Key), Modifiers); }
    int Forms = 0, Classes = 0;
};

TEST_F(Places, BackReturnsToEachRecordedPlaceThenBeepsThenSays) {
    TClassNav& W = Nav();
    W.ShowUnit(Forms, 30, false);
    W.ShowUnit(Classes, 50, true);
    W.ShowUnit(Forms, 70, true);
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Db().CurrentUnitID, Classes);
    EXPECT_EQ(W.Memo()->CursorLinePos(), 50);
    EXPECT_EQ(W.Memo()->FirstVisibleLine(), 50);
    W.BackItemClick();
    EXPECT_EQ(Db().CurrentUnitID, Forms);
    EXPECT_EQ(W.Memo()->CursorLinePos(), 30);
    W.BackItemClick();
    EXPECT_EQ(Prompts.Beeps, 1);
    EXPECT_TRUE(Prompts.Texts("error").empty());
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Prompts.Beeps, 2);
    EXPECT_EQ(Prompts.Texts("error"), std::vector<QString>{"Unable to move back any further"});
}

TEST_F(Places, SeventeenJumpsLeaveFifteenStepsBack) {
    TClassNav& W = Nav();
    for (int i = 1; i <= 17; ++i) W.ShowUnit(i % 2 ? Classes : Forms, i, true);
    int Steps = 0;
    while (W.Source().History().Count() > 0) {
        W.BackItemClick();
        ++Steps;
    }
    EXPECT_EQ(Steps, 15);
}

TEST_F(Places, BookmarksByShortcutNameTheirPlaceAndColourIt) {
    TClassNav& W = Nav();
    const int Heading = Db().GetClassLine(Db().ClassesIDByNameIndex("TApplication", 0));
    ASSERT_EQ(W.Memo()->CursorLinePos(), Heading - 1);
    Key(Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
    const QString Caption = QStringLiteral("5 - %1 - TApplication.").arg(QString::fromStdString(Db().GetUnitName(Forms)));
    EXPECT_EQ(W.Item("AddBookmark5")->text(), Caption);
    EXPECT_EQ(W.Item("GoBookmark5")->text(), Caption);
    EXPECT_EQ(W.Memo()->LineColor(Heading - 1), QColor(255, 0, 0));

    // Moving it within the unit turns the old line black again.
    W.Memo()->SetCursorLinePos(Heading + 2);
    W.AddBookmark(5);
    EXPECT_EQ(W.Memo()->LineColor(Heading - 1), QColor(Qt::black));
    EXPECT_EQ(W.Memo()->LineColor(Heading + 2), QColor(255, 0, 0));

    W.ShowUnit(Classes, 0, true);
    Key(Qt::Key_7, Qt::ControlModifier);  // unset: nothing
    EXPECT_EQ(Db().CurrentUnitID, Classes);
    Key(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(Db().CurrentUnitID, Forms);
    EXPECT_EQ(W.Memo()->CursorLinePos(), Heading + 2);
    EXPECT_EQ(W.Memo()->LineColor(Heading + 2), QColor(255, 0, 0));
    W.BackItemClick();
    EXPECT_EQ(Db().CurrentUnitID, Classes) << "going to a bookmark is recorded";
}

}  // namespace
}  // namespace qm
