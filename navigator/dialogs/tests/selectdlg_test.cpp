// The selection dialogs' shared contract (the chosen id, 0 cancelled, -1 nothing of that name, no
// dialog for one candidate, double-click as OK) and each dialog's entries and their order.
#include <QListWidget>
#include <QScreen>
#include <QPushButton>

#include "clsdlg1.h"
#include "dlgfixture.h"
#include "mpfdlg1.h"
#include "ucmdlg.h"
#include "udlg1.h"

namespace qm::test {

namespace {

// What a shown dialog looked like when it came up.
struct TSeen {
    QString Caption;
    QStringList Entries;
    int CurrentRow = -1;
    bool ListFocused = false;
    bool OKDefault = false;
    Qt::WindowFlags Flags;
};

// Records the dialog as shown, saves its picture, then acts.
TAnswer SeeThen(TSeen& Seen, TUserAction Action, const QString& Shot = {}) {
    return [&Seen, Action, Shot](QDialog& Dialog) {
        Seen.Caption = Dialog.windowTitle();
        Seen.Entries = Entries(Dialog);
        Seen.CurrentRow = ListOf(Dialog).currentRow();
        Seen.ListFocused = Dialog.focusWidget() == &ListOf(Dialog);
        Seen.OKDefault = Dialog.findChild<QPushButton*>("Button1")->isDefault();
        Seen.Flags = Dialog.windowFlags();
        if (!Shot.isEmpty()) Snapshot(Dialog, Shot);
        Act(Action)(Dialog);
    };
}

}  // namespace

class SelectionDialogs : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        LoadLibrary();
        Shared1 = Fixture("dupe1/Shared.pas");
        Shared2 = Fixture("dupe2/Shared2.pas");
        Db.LoadUnit(Shared1);
        Db.LoadUnit(Shared2);
    }

    std::string Shared1, Shared2;
};

TEST_F(SelectionDialogs, NoDialogForNoneOrOneCandidate) {
    TClassDlg classDlg(Db);
    TUnitsDlg unitsDlg(Db);
    TClassMemberDlg memberDlg(Db);
    TMPFDlg searchDlg(Db);
    struct {
        const char* What;
        std::function<int()> Select;
        int Expected;
    } cases[] = {
        {"class nothing", [&] { return classDlg.SelectClass("TNothing"); }, -1},
        {"class tform", [&] { return classDlg.SelectClass("tform"); }, ClassID("TForm")},
        {"unit nothing", [&] { return unitsDlg.SelectUnit("Nothing"); }, -1},
        {"unit forms", [&] { return unitsDlg.SelectUnit("FORMS"); }, Db.UnitsIDByNameIndex("Forms", 0)},
        {"member of no class", [&] { return memberDlg.SelectClassMember("TNothing", "Name"); }, -1},
        {"no member", [&] { return memberDlg.SelectClassMember("TForm", "Nothing"); }, -1},
        // Inherited: the declaring ancestor.
        {"inherited member", [&] { return memberDlg.SelectClassMember("TForm", "caption"); }, ClassID("TControl")},
        {"search nothing", [&] { return searchDlg.SelectMember("Nothing"); }, -1},
        {"search run", [&] { return searchDlg.SelectMember("run"); }, ClassID("TApplication")},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Select(), c.Expected) << c.What;
    EXPECT_EQ(Prompts.Modals(), 0);
}

TEST_F(SelectionDialogs, SameNamedClassesStandLastFirstAndTheAnswerDecides) {
    TClassDlg dlg(Db);
    const QStringList expected = {Short(Shared2) + ".TShared", Short(Shared1) + ".TShared"};
    struct {
        TUserAction Action;
        int Expected;
    } cases[] = {
        {TUserAction::Cancel, 0},
        {TUserAction::ClickOK, ClassID("TShared", 1)},
        {TUserAction::PressEnter, ClassID("TShared", 1)},
        {TUserAction::DoubleClickSecond, ClassID("TShared", 0)},
    };
    for (const auto& c : cases) {
        TSeen seen;
        Prompts.Answers.push_back(SeeThen(seen, c.Action, "classdlg"));
        EXPECT_EQ(dlg.SelectClass("TShared"), c.Expected) << int(c.Action);
        EXPECT_EQ(seen.Caption, "Select Unit . Class");
        EXPECT_EQ(seen.Entries, expected);
        EXPECT_EQ(seen.CurrentRow, 0);
        EXPECT_TRUE(seen.ListFocused);
        EXPECT_TRUE(seen.OKDefault);
    }
    EXPECT_EQ(Prompts.Modals(), 4);
    EXPECT_EQ(ListOf(dlg).font().bold(), true);
}

TEST_F(SelectionDialogs, SameNamedUnitsShowShortNameAndName) {
    const std::string left = LoadOwnUnit("left/Common.pas", "Common", "TLeftThing", "TObject");
    const std::string right = LoadOwnUnit("right/Common.pas", "Common", "TRightThing", "TObject");
    TUnitsDlg dlg(Db);
    TSeen seen;
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::DoubleClickSecond, "unitsdlg"));
    EXPECT_EQ(dlg.SelectUnit("common"), Db.UnitsIDByNameIndex("Common", 0));
    EXPECT_EQ(seen.Caption, "Select Unit");
    EXPECT_EQ(seen.Entries, QStringList({Short(right) + "  Common", Short(left) + "  Common"}));
    EXPECT_EQ(seen.CurrentRow, 0);
    EXPECT_TRUE(seen.ListFocused);
}

TEST_F(SelectionDialogs, MemberDeclarationsAreSortedIgnoringCase) {
    // Loaded in the opposite order to the sorted one, and sorted apart by letter case alone.
    const std::string zulu = LoadOwnUnit("zulu/Zulu.pas", "Zulu", "TTwin", "TObject", "Twin");
    const std::string alpha = LoadOwnUnit("alpha/alpha.pas", "alpha", "TTwin", "TObject", "Twin");
    TClassMemberDlg dlg(Db);
    TSeen seen;
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::DoubleClickSecond, "classmemberdlg"));
    EXPECT_EQ(dlg.SelectClassMember("ttwin", "TWIN"), ClassID("TTwin", 0));
    EXPECT_EQ(seen.Caption, "Select Unit . Class . Member");
    EXPECT_EQ(seen.Entries, QStringList({Short(alpha) + "  alpha.TTwin.Twin", Short(zulu) + "  Zulu.TTwin.Twin"}));
    EXPECT_EQ(seen.CurrentRow, 0);
    EXPECT_TRUE(seen.ListFocused);
    EXPECT_TRUE(seen.Flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(seen.Flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(seen.Flags.testFlag(Qt::WindowMinMaxButtonsHint));
}

TEST_F(SelectionDialogs, TwoClassesInheritingOneDeclarationListItTwice) {
    TClassMemberDlg dlg(Db);
    TSeen seen;
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::ClickOK));
    EXPECT_EQ(dlg.SelectClassMember("TShared", "name"), ClassID("TComponent"));
    const QString entry = Short(Fixture("Classes.pas")) + "  Classes.TComponent.Name";
    EXPECT_EQ(seen.Entries, QStringList({entry, entry}));
}

TEST_F(SelectionDialogs, MemberSearchListsEveryDeclaringClassAndKeepsItsResults) {
    LoadOwnUnit("zulu/Zulu.pas", "Zulu", "TTwin", "TObject", "Twin");
    TMPFDlg dlg(Db);
    EXPECT_FALSE(dlg.HasResults());
    EXPECT_EQ(dlg.SelectLastResults(), 0);  // nothing searched yet: no dialog

    TSeen seen;
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::Cancel, "mpfdlg"));
    EXPECT_EQ(dlg.SelectMember("create"), 0);
    EXPECT_TRUE(dlg.HasResults());
    EXPECT_EQ(seen.Caption, "Select Class . Member");
    // The stored spelling in every entry, sorted by text.
    EXPECT_EQ(seen.Entries, QStringList({Short(Fixture("Classes.pas")) + ".TComponent.Create",
                                         Short(Fixture("System.pas")) + ".TObject.Create"}));
    EXPECT_EQ(seen.CurrentRow, 0);
    EXPECT_TRUE(seen.ListFocused);
    EXPECT_TRUE(seen.OKDefault);
    EXPECT_FALSE(seen.Flags.testFlag(Qt::WindowMinMaxButtonsHint));

    // A search that finds nothing clears the flag but not the results to show again.
    EXPECT_EQ(dlg.SelectMember("Nothing"), -1);
    EXPECT_FALSE(dlg.HasResults());
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::DoubleClickSecond));
    EXPECT_EQ(dlg.SelectLastResults(), ClassID("TObject"));
    EXPECT_EQ(dlg.LastMemberName(), "create");
    EXPECT_EQ(seen.Entries.size(), 2);

    // A single result is returned at once, yet shown when asked for again.
    EXPECT_EQ(dlg.SelectMember("twin"), ClassID("TTwin"));
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::ClickOK));
    EXPECT_EQ(dlg.SelectLastResults(), ClassID("TTwin"));
    EXPECT_EQ(seen.Entries, QStringList({Short((Dir / "zulu/Zulu.pas").string()) + ".TTwin.Twin"}));

    // Its unit removed since: nothing to show, and no result is claimed any more.
    const int zulu = Db.UnitsIDByNameIndex("Zulu", 0);
    Db.DeleteUnitRange(zulu, zulu);
    EXPECT_EQ(dlg.SelectLastResults(), 0);
    EXPECT_FALSE(dlg.HasResults());
    EXPECT_EQ(Prompts.Modals(), 3);
}

// A list the window makes (overrides, overloads): its own caption, the contract of every selection
// dialog, and a dialog as wide as its longest entry, up to the screen's width; the same dialog
// asked by name afterwards has its own caption back.
TEST_F(SelectionDialogs, AChoiceAmongListedClassesHasItsCaptionAndShowsEntriesWhole) {
    TClassDlg dlg(Db);
    const QString Title = QStringLiteral("Overrides of TPersistent.Assign");
    EXPECT_EQ(dlg.ChooseClass({}, Title), -1);
    EXPECT_EQ(dlg.ChooseClass({{"Classes.TComponent.Assign, line 12", 7}}, Title), 7) << "one entry: no dialog";
    EXPECT_EQ(Prompts.Modals(), 0);

    const std::string Long = "LongUnitName.TAVeryLongClassNameOfSomeLengthIndeed.Assign, line 12345";
    const struct {
        std::string Entry;
        bool Whole;  // fits on the screen
    } Cases[] = {{Long, true}, {std::string(2000, 'W'), false}};
    for (const auto& C : Cases) {
        TSeen Seen;
        int ListWidth = 0, EntryWidth = 0, DialogWidth = 0;
        Prompts.Answers.push_back([&](QDialog& Dialog) {
            QListWidget& List = ListOf(Dialog);
            ListWidth = List.viewport()->width();
            EntryWidth = List.fontMetrics().horizontalAdvance(List.item(1)->text());
            DialogWidth = Dialog.width();
            SeeThen(Seen, TUserAction::DoubleClickSecond, "overridesdlg")(Dialog);
        });
        EXPECT_EQ(dlg.ChooseClass({{"Classes.TComponent.Assign, line 12", 7}, {C.Entry, 9}}, Title), 9);
        EXPECT_EQ(Seen.Caption, Title);
        EXPECT_EQ(ListOf(dlg).accessibleName(), Title);
        if (C.Whole)
            EXPECT_GE(ListWidth, EntryWidth) << "the longest entry whole";
        else
            EXPECT_LE(DialogWidth, dlg.screen()->availableGeometry().width()) << "no wider than the screen";
    }
    TSeen Seen;
    Prompts.Answers.push_back(SeeThen(Seen, TUserAction::Cancel));
    EXPECT_EQ(dlg.SelectClass("TShared"), 0);
    EXPECT_EQ(Seen.Caption, "Select Unit . Class");
}

TEST_F(SelectionDialogs, SameNamedClassesDifferInTheirUnitPart) {
    LoadOwnUnit("one/Twins.pas", "Twins", "TPair", "TObject", "Shared");
    LoadOwnUnit("two/Twins.pas", "Twins", "TPair", "TObject", "Shared");
    TMPFDlg dlg(Db);
    TSeen seen;
    Prompts.Answers.push_back(SeeThen(seen, TUserAction::PressEnter));
    EXPECT_EQ(dlg.SelectMember("SHARED"), ClassID("TPair", 0));
    EXPECT_EQ(seen.Entries, QStringList({Short((Dir / "one/Twins.pas").string()) + ".TPair.Shared",
                                         Short((Dir / "two/Twins.pas").string()) + ".TPair.Shared"}));
}

}  // namespace qm::test
