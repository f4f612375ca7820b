// Removing a unit of the user's: the choice, the confirmation of its dependants, and Cancel in each.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dlgfixture.h"
#include "rudlg.h"

namespace qm::test {

namespace {

// How the dialog stood when it came up.
struct TPhase {
    QString Caption;
    QStringList Entries;
    int CurrentRow = -1;
    bool ListFocused = false;
    bool LabelVisible = false;
    QString LabelText;
    bool OkDefault = false;
    bool CancelDefault = false;
    bool Confirming = false;
};

TAnswer SeeThen(TPhase& Seen, TRemoveUnitDlg& Dlg, TAnswer Then, const QString& Shot = {}) {
    return [&Seen, &Dlg, Then, Shot](QDialog& Dialog) {
        Seen.Caption = Dialog.windowTitle();
        Seen.Entries = Entries(Dialog);
        Seen.CurrentRow = ListOf(Dialog).currentRow();
        Seen.ListFocused = Dialog.focusWidget() == &ListOf(Dialog);
        auto* label = Dialog.findChild<QLabel*>("Label1");
        Seen.LabelVisible = label->isVisible();
        Seen.LabelText = label->text();
        Seen.OkDefault = Dialog.findChild<QPushButton*>("OkBtn")->isDefault();
        Seen.CancelDefault = Dialog.findChild<QPushButton*>("CancelBtn")->isDefault();
        Seen.Confirming = Dlg.Confirming;
        if (!Shot.isEmpty()) Snapshot(Dialog, Shot);
        Then(Dialog);
    };
}

// A double-click while confirming must leave the dialog open; then the button decides.
TAnswer DoubleClickThen(TUserAction Action) {
    return [Action](QDialog& Dialog) {
        DoubleClickEntry(ListOf(Dialog), 0);
        EXPECT_TRUE(Dialog.isVisible()) << "a double-click confirmed the removal";
        Act(Action)(Dialog);
    };
}

TAnswer DoubleClickEntryAt(int Row) {
    return [Row](QDialog& Dialog) { DoubleClickEntry(ListOf(Dialog), Row); };
}

}  // namespace

class RemoveUnit : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        LoadLibrary();
        LoadOwnUnit("Report.pas", "Report", "TReport", "TObject");  // the VCL ends here
        for (const char* unit : {"UserA.pas", "UserB.pas", "UserC.pas", "UserD.pas"}) Load(unit);
    }

    bool Present(const char* UnitName) { return Db.UnitCountByName(UnitName) == 1; }
    QStringList Users(std::initializer_list<const char*> Names) {
        QStringList paths;
        for (const char* name : Names) paths << QString::fromStdString(Fixture(std::string("User") + name + ".pas"));
        return paths;
    }
};

TEST_F(RemoveUnit, DependantsAreConfirmedBeforeAnythingGoes) {
    TRemoveUnitDlg dlg(Db);
    TPhase one, two;

    // Cancel at the choice.
    Prompts.Answers.push_back(SeeThen(one, dlg, Act(TUserAction::Cancel), "removeunit-choose"));
    EXPECT_FALSE(dlg.SelectUnitToRemove());
    EXPECT_EQ(one.Caption, "Select Unit to Remove:");
    EXPECT_EQ(one.Entries, Users({"A", "B", "C", "D"}));
    EXPECT_EQ(one.CurrentRow, 0);
    EXPECT_TRUE(one.ListFocused);
    EXPECT_FALSE(one.LabelVisible);
    EXPECT_TRUE(one.OkDefault);
    EXPECT_FALSE(one.CancelDefault);
    EXPECT_FALSE(one.Confirming);

    // UserA with its dependants B and C; a double-click does not confirm, Cancel keeps them all.
    Prompts.Answers.push_back(Act(TUserAction::ClickOK));
    Prompts.Answers.push_back(SeeThen(two, dlg, DoubleClickThen(TUserAction::Cancel), "removeunit-confirm"));
    EXPECT_FALSE(dlg.SelectUnitToRemove());
    EXPECT_EQ(two.Caption, "Remove Unit and All Dependant Units");
    EXPECT_EQ(two.Entries, Users({"A", "B", "C"}));
    EXPECT_TRUE(two.LabelVisible);
    EXPECT_EQ(two.LabelText, "These Units are dependant and all will be deleted:");
    EXPECT_FALSE(two.OkDefault);
    EXPECT_TRUE(two.CancelDefault);
    EXPECT_TRUE(two.Confirming);
    for (const char* unit : {"UserA", "UserB", "UserC", "UserD"}) EXPECT_TRUE(Present(unit)) << unit;

    // The next call starts again from the choice; UserD has no dependants and goes at once.
    Prompts.Answers.push_back(SeeThen(one, dlg, DoubleClickEntryAt(3)));
    EXPECT_TRUE(dlg.SelectUnitToRemove());
    EXPECT_EQ(one.Caption, "Select Unit to Remove:");
    EXPECT_FALSE(one.LabelVisible);
    EXPECT_TRUE(one.OkDefault);
    EXPECT_FALSE(Present("UserD"));
    EXPECT_TRUE(Present("UserA"));

    // UserA confirmed: it goes with B and C.
    Prompts.Answers.push_back(Act(TUserAction::ClickOK));
    Prompts.Answers.push_back(Act(TUserAction::ClickOK));
    EXPECT_TRUE(dlg.SelectUnitToRemove());
    for (const char* unit : {"UserA", "UserB", "UserC"}) EXPECT_FALSE(Present(unit)) << unit;
    EXPECT_TRUE(Present("Report"));
    EXPECT_EQ(Prompts.Modals(), 6);

    // Nothing left after the VCL.
    EXPECT_FALSE(dlg.SelectUnitToRemove());
    EXPECT_EQ(Prompts.Messages(), QStringList({"message: There are no non-VCL units to remove"}));
    EXPECT_EQ(Prompts.Modals(), 6);
}

TEST_F(RemoveUnit, LabelIsBlueBoldAndCentred) {
    TRemoveUnitDlg dlg(Db);
    auto* label = dlg.findChild<QLabel*>("Label1");
    label->ensurePolished();
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(ListOf(dlg).font().bold());
}

}  // namespace qm::test
