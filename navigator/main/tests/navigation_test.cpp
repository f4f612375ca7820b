// Moving through the source: double-click navigation, the popup commands, the class and member
// search, the text search, Copy and Paste, and help on a word.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>
#include <QWheelEvent>

#include "cfgdlg1.h"
#include "classlist.h"
#include "delphihelp.h"
#include "classinfopage.h"
#include "main1.h"
#include "sourceplace.h"
#include "posstore.h"
#include "settings.h"
#include "sourcetext.h"
#include "vcldb1.h"
#include "helptopicwin.h"
#include "windowhelp.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

uint32_t Clock = 100000;

class Navigation : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        SetTickSource([] { return Clock += 1000; });
        Start(SampleDatabaseCopy());
        for (const char* Unit : {"Shapes1.pas", "Shapes2.pas", "Users.pas"})
            Db().LoadUnit(QM_TESTDATA_DIR "/navigator/" + std::string(Unit));
        Nav().activateWindow();
        Forms = Db().UnitsIDByNameIndex("Forms", 0);
    }
    void TearDown() override {
        SetTickSource({});
        WindowTest::TearDown();
    }
    // The 0-based line of the first line of the unit at or after From that contains Text.
    int FindLine(int Unit, const QString& Text, int From = 0) {
        Nav().ShowUnit(Unit, 0, false);
        const TSourceLines& Lines = Nav().Memo()->Lines();
        for (int L = std::max(From, 0); L < Lines.LineCount(); ++L)
            if (Lines.Line(L).contains(Text)) return L;
        ADD_FAILURE() << "no line with " << Text.toStdString();
        return 0;
    }
    // Shows Line at the top and double-clicks the first Word on it with the mouse.
    void DoubleClick(int Unit, int Line, const QString& Word) {
        TXRichEdit& View = *Nav().Memo();
        Nav().ShowUnit(Unit, Line, false);
        const int At = View.LineIndex(Line) + static_cast<int>(View.Lines().Line(Line).indexOf(Word)) + 1;
        QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, View.CursorRect(At).center());
    }
    int Unit(const char* Name) { return Db().UnitsIDByNameIndex(Name, 0); }
    int Line() const { return Nav().Memo()->CursorLinePos() + 1; }
    int ClassLine(const char* Name, int Index = 0) { return Db().GetClassLine(Db().ClassesIDByNameIndex(Name, Index)); }
    int Forms = 0;
};

TEST_F(Navigation, InheritedAndOverrideClimbToTheAncestor) {
    const int Users = Unit("Users");
    const int Implementation = FindLine(Unit("Shapes1"), "procedure TShared.Outline;");
    DoubleClick(Users, FindLine(Users, "inherited Outline"), "inherited");
    EXPECT_EQ(Db().CurrentUnitID, Unit("Shapes1"));
    EXPECT_EQ(Line(), ClassLine("TShared", 0));
    Nav().BackItemClick();
    EXPECT_EQ(Db().CurrentUnitID, Users);

    DoubleClick(Users, FindLine(Users, "procedure Outline; override;"), "override");
    EXPECT_EQ(Db().CurrentUnitID, Unit("Shapes1"));
    EXPECT_EQ(Line(), Implementation + 1) << "its implementation";
}

TEST_F(Navigation, AMethodNameLeadsBetweenDeclarationAndImplementation) {
    const int Users = Unit("Users");
    const int Declaration = FindLine(Users, "procedure Pick;");
    const int Implementation = FindLine(Users, "procedure TOther.Pick;");
    DoubleClick(Users, Implementation, "Pick");
    EXPECT_EQ(Line(), Declaration + 1);
    DoubleClick(Users, Declaration, "Pick");
    EXPECT_EQ(Line(), Implementation + 1);
}

TEST_F(Navigation, APropertyInABodyLeadsUpTheChainToItsDeclaration) {
    DoubleClick(Forms, FindLine(Forms, "Caption :="), "Caption");
    const int Declaring = Db().FindMemberClass(Db().ClassesIDByNameIndex("TCustomForm", 0), "Caption");
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(Declaring));
    EXPECT_EQ(Line(), Db().GetMemberIntLN(Declaring, "Caption"));
    EXPECT_EQ(Nav().Source().History().Count(), 1);
}

TEST_F(Navigation, ASharedClassNameChoosesByTheAncestorOrAsks) {
    const int Users = Unit("Users");
    DoubleClick(Users, FindLine(Users, "the ancestor: TShared"), "TShared");
    EXPECT_TRUE(Prompts.ModalDialogs.empty()) << "the ancestor of the class around the line";
    EXPECT_EQ(Db().CurrentUnitID, Unit("Shapes1"));

    QStringList Entries;
    Prompts.OnModal = [&](QDialog& Dialog) {
        for (int i = 0; i < Dialog.findChild<QListWidget*>()->count(); ++i)
            Entries << Dialog.findChild<QListWidget*>()->item(i)->text();
        return int(QDialog::Rejected);
    };
    const int Before = Db().CurrentUnitID;
    DoubleClick(Users, FindLine(Users, "neither TShared"), "TShared");
    EXPECT_EQ(Entries.size(), 2);
    EXPECT_TRUE(Entries.join('|').contains("Shapes2.TShared")) << Entries.join('|').toStdString();
    EXPECT_EQ(Db().CurrentUnitID, Users) << "Cancel goes nowhere";
    (void)Before;
    Prompts.OnModal = [](QDialog&) { return int(QDialog::Accepted); };
    DoubleClick(Users, FindLine(Users, "neither TShared"), "TShared");
    EXPECT_NE(Db().CurrentUnitID, Users);
    EXPECT_EQ(Nav().Memo()->Lines().Line(Nav().Memo()->CursorLinePos()).toString().trimmed(),
              "TShared = class(TComponent)");
}

TEST_F(Navigation, AWordThatNamesNothingGoesToHelpOnlyWhenItIsOn) {
    Windows().ConfigDlg->DelphiHelpCB->setChecked(false);
    const int Line0 = FindLine(Forms, "begin");
    DoubleClick(Forms, Line0, "begin");
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_EQ(Nav().Memo()->CursorLinePos(), Line0);
    // With help on: no help file is known here, so the user is asked for it.
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    Nav().Help().Delphi().SetIndexFile(SampleRoot() + "/BIN/DELPHI.HDX");
    DoubleClick(Forms, Line0, "begin");
    EXPECT_EQ(Prompts.Texts("confirm"), std::vector<QString>{"The Delphi Help File DELPHI.HLP is not in the expected location\n"
                                                             "Would you like to locate it?"});
}

// Without a viewer command the built-in viewer shows the topic, and Back in it returns to the
// topic shown before.
TEST_F(Navigation, FoundHelpShowsInTheBuiltInViewerWithBack) {
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    Nav().Help().Delphi().SetIndexFile(SampleRoot() + "/BIN/DELPHI.HDX");
    Nav().Help().Delphi().SetHelpDir(SampleRoot() + "/BIN/");
    Search("BeginDesig");  // no class, no member here; the help index has BeginDesign
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_TRUE(Nav().DelphiHelpShown());
    THelpTopicWindow* Topics = Nav().Help().TopicWindow();
    ASSERT_NE(Topics, nullptr);
    EXPECT_TRUE(Topics->isVisible());
    EXPECT_EQ(Topics->CurrentTitle(), "TDataSetDesigner.BeginDesign");
    Activate(Nav());
    Search("TSpeedButto");  // the class is TSpeedButton: only help knows a word that begins so
    EXPECT_EQ(Topics->CurrentTitle(), "TSpeedButton class");
    Click(Topics->findChild<QPushButton*>("BackButton"));
    EXPECT_EQ(Topics->CurrentTitle(), "TDataSetDesigner.BeginDesign");
    // Its Index button lists the help file's own keyword index in the window, no box.
    {
        TBoxCloser Closer;
        Click(Topics->findChild<QPushButton*>("IndexButton"));
        EXPECT_TRUE(Closer.Texts.empty());
        auto* keywords = Topics->findChild<QListWidget*>("TopicList");
        ASSERT_TRUE(keywords->isVisible());
        EXPECT_GT(keywords->count(), 4000);
    }
    // The external viewer wins when one is set.
    WriteSetting("HelpViewerCommand", "no-such-viewer-anywhere %f --topic %t");
    Activate(Nav());
    Search("TSpeedButto");  // the class is TSpeedButton: only help knows a word that begins so
    EXPECT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_EQ(Topics->CurrentTitle(), "TDataSetDesigner.BeginDesign");
}

TEST_F(Navigation, InheritedClassAndClassInfoFromThePopup) {
    const int Users = Unit("Users");
    Nav().ShowUnit(Users, FindLine(Users, "TOther.Pick") + 1, true);
    Nav().Item("InheritedItem")->trigger();
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(Db().ClassesIDByNameIndex("TComponent", 0)));
    Nav().ShowUnit(Users, FindLine(Users, "TUser = class"), true);
    Nav().Item("ClassInfoItem")->trigger();
    EXPECT_EQ(Nav().PageControl()->currentWidget(), Nav().ClassInfoTabSheet());
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TUser");
    const int TObjectUnit = Db().GetClassUnitID(Db().ClassesIDByNameIndex("TObject", 0));
    Nav().ShowUnit(TObjectUnit, ClassLine("TObject") - 1, true);
    Nav().Item("InheritedItem")->trigger();
    EXPECT_EQ(Prompts.Texts("information"), std::vector<QString>{"This Class has no Ancestor"});
}

TEST_F(Navigation, ClassSearchFindsClassesMembersAndNothing) {
    Search("tform");
    EXPECT_EQ(Line(), ClassLine("TForm"));
    EXPECT_EQ(Nav().ClassesCB()->currentText(), "TForm");
    EXPECT_EQ(Nav().Source().History().Count(), 1);

    Search("TForm.Caption");
    const int Declaring = Db().FindMemberClass(Db().ClassesIDByNameIndex("TForm", 0), "Caption");
    EXPECT_EQ(Nav().ClassesCB()->currentText(), QString::fromStdString(Db().GetClassName(Declaring)));
    EXPECT_EQ(Line(), Db().GetMemberTargetLine(Declaring, "Caption"));

    Search("Fill");  // one class declares it: no dialog
    EXPECT_TRUE(Prompts.ModalDialogs.empty());
    EXPECT_EQ(Db().CurrentUnitID, Unit("Shapes2"));

    Search("Outline");  // several: "Select Class . Member"
    EXPECT_EQ(Prompts.ModalDialogs.size(), 1u);
    Prompts.ModalDialogs.clear();
    Nav().Item("SRSC")->trigger();  // Ctrl+L: the last results again
    EXPECT_EQ(Prompts.ModalDialogs.size(), 1u);
    emit Nav().MemoPopup()->aboutToShow();
    EXPECT_TRUE(Nav().Item("SearchResultsItem")->isEnabled());

    Windows().ConfigDlg->DelphiHelpCB->setChecked(false);
    Search("Nowhere");
    Search("TForm.Nowhere");
    Search("TNoClass.Caption");
    EXPECT_EQ(Prompts.Texts("information"),
              (std::vector<QString>{"Unknown identifier Nowhere.", "Unknown identifier TForm.Nowhere",
                                    "Unknown identifier TNoClass.Caption"}));
}

TEST_F(Navigation, ClassSearchOnClassInfoSelectsTheMemberRow) {
    Nav().SelectPage(Nav().ClassInfoTabSheet());
    const int Shown = Db().CurrentUnitID;
    Search("TForm.caption");
    EXPECT_EQ(Nav().ClassInfo().ClassName(), Db().GetClassName(Db().FindMemberClass(Db().ClassesIDByNameIndex("TForm", 0), "Caption")));
    EXPECT_EQ(Nav().ClassListView()->currentIndex().data().toString(), "Caption");
    EXPECT_EQ(Db().CurrentUnitID, Shown) << "the source does not move";
}

TEST_F(Navigation, AChoiceFromTheDroppedListSearchesTypingWaitsForEnter) {
    QComboBox* Box = Nav().ClassesCB();
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("TFor");
    EXPECT_EQ(Nav().Source().History().Count(), 0) << "typing alone searches nothing";
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Box->view()->isVisible());
    Press(Qt::Key_Escape);  // dropped down without a choice: the next change searches
    ASSERT_FALSE(Box->view()->isVisible());
    Type("m");
    EXPECT_EQ(Line(), ClassLine("TForm"));
    EXPECT_EQ(KeyTarget(), Nav().Memo()) << "the search took the focus to the source";
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Box->view()->isVisible());
    const int Index = Box->findText("TControl");
    Box->view()->setCurrentIndex(Box->model()->index(Index - 1, 0));
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_EQ(Line(), ClassLine("TControl"));
}

TEST_F(Navigation, TextSearchGoesForwardWithoutWrapping) {
    const int Shapes1 = Unit("Shapes1");
    Nav().ShowUnit(Shapes1, 0, false);
    Press(Qt::Key_F, Qt::ControlModifier);
    Type("TSHARED");
    Press(Qt::Key_Return);
    const int First = Nav().Memo()->CursorCharPos();
    EXPECT_EQ(Nav().Memo()->SelectedText(), "TShared");
    EXPECT_EQ(KeyTarget(), Nav().Memo()) << "a match takes the focus to the source";
    Press(Qt::Key_F3);
    EXPECT_GT(Nav().Memo()->CursorCharPos(), First);
    const int Last = Nav().Memo()->CursorCharPos();
    Nav().TextSearchGoSBClick();
    EXPECT_EQ(Prompts.Texts("error"), std::vector<QString>{"Unable to find the text \"TSHARED\""});
    EXPECT_EQ(Nav().Memo()->CursorCharPos(), Last) << "the last match stays selected";

    // A match right at the caret is skipped: "unit" at the very start is not found from there.
    Nav().ShowUnit(Unit("Shapes2"), 0, false);
    Nav().TextSearchEdit()->setText("unit");
    Nav().TextSearchGoSBClick();
    EXPECT_EQ(Prompts.Texts("error").back(), "Unable to find the text \"unit\"");
    EXPECT_EQ(Nav().Memo()->CursorCharPos(), 0);

    // On Class Info: the first row whose name begins with the text, again and again.
    Nav().SelectPage(Nav().ClassInfoTabSheet());
    Nav().TextSearchEdit()->setText("ca");
    Nav().TextSearchGoSBClick();
    const QString Row = Nav().ClassListView()->currentIndex().data().toString();
    EXPECT_TRUE(Row.startsWith("ca", Qt::CaseInsensitive)) << Row.toStdString();
    Nav().TextSearchGoSBClick();
    EXPECT_EQ(Nav().ClassListView()->currentIndex().data().toString(), Row);

    // Ctrl+F selects the whole search text: typing replaces it.
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Nav().TextSearchEdit()->selectedText(), "ca");
    Type("x");
    EXPECT_EQ(Nav().TextSearchEdit()->text(), "x");
}

TEST_F(Navigation, CopyAndPasteByTheFocusedControl) {
    QClipboard* Clipboard = QApplication::clipboard();
    Nav().Memo()->setFocus();
    Nav().Memo()->SetSelection(Nav().Memo()->Anchor(), Nav().Memo()->Caret() + 5);
    Nav().Item("CopyItem")->trigger();
    EXPECT_EQ(Clipboard->text(), Nav().Memo()->SelectedText());

    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard->text(), "TApplication") << "the selector's whole text";
    Clipboard->setText("TButton");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Nav().ClassesCB()->currentText(), "TButton");
    EXPECT_EQ(Nav().Source().History().Count(), 0) << "pasting searches nothing";

    Nav().UnitsCB()->setFocus();
    Clipboard->setText("nounit");
    Nav().Item("PasteItem")->trigger();
    EXPECT_EQ(Nav().UnitsCB()->currentText().toUpper(), "FORMS") << "text naming no unit changes nothing";
    EXPECT_EQ(Prompts.Beeps, 1);

    Nav().TextSearchEdit()->setFocus();
    Nav().TextSearchEdit()->setText("abc");
    Nav().TextSearchEdit()->selectAll();
    Nav().Item("CopyItem")->trigger();
    EXPECT_EQ(Clipboard->text(), "abc");
}

TEST_F(Navigation, TheWheelMovesASelectorOnlyWhileItHasTheFocus) {
    auto Wheel = [](QComboBox* Box) {
        const QPointF At = QPointF(Box->rect().center());
        QWheelEvent Notch(At, Box->mapToGlobal(At), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Box, &Notch);
    };
    Click(Nav().Memo()->viewport());
    ASSERT_EQ(KeyTarget(), Nav().Memo());
    const int Shown = Db().CurrentUnitID;
    const QString Unit = Nav().UnitsCB()->currentText(), Class = Nav().ClassesCB()->currentText();
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::AltModifier);
    Press(Qt::Key_Escape);  // dropped without a choice: the next change of the text would search
    Click(Nav().Memo()->viewport());
    for (QComboBox* Box : {Nav().UnitsCB(), Nav().ClassesCB()}) Wheel(Box);
    EXPECT_EQ(Nav().UnitsCB()->currentText(), Unit);
    EXPECT_EQ(Nav().ClassesCB()->currentText(), Class);
    EXPECT_EQ(Db().CurrentUnitID, Shown);
    EXPECT_EQ(Nav().Source().History().Count(), 0);
    // With the focus the wheel chooses, as any choice of the user's does.
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_Tab);
    ASSERT_EQ(KeyTarget(), Nav().UnitsCB());
    Wheel(Nav().UnitsCB());
    EXPECT_NE(Nav().UnitsCB()->currentText(), Unit);
    EXPECT_NE(Db().CurrentUnitID, Shown);
}

TEST_F(Navigation, ADoubleClickOnBlankIndentationAsksNothing) {
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    Nav().Help().Delphi().SetIndexFile(SampleRoot() + "/BIN/DELPHI.HDX");
    Nav().Help().Delphi().SetHelpDir(TempDir() + "/");
    const int Users = Unit("Users");
    const int Indented = FindLine(Users, "inherited Outline");
    TXRichEdit& View = *Nav().Memo();
    ASSERT_TRUE(View.Lines().Line(Indented).startsWith(u"  "));
    QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, View.CursorRect(View.LineIndex(Indented) + 1).center());
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_TRUE(Nav().Help().Delphi().LastTopic().empty()) << "no help was looked up";
    EXPECT_EQ(Db().CurrentUnitID, Users);
}

TEST_F(Navigation, AViewerThatCannotStartIsNamedInOneMessage) {
    WriteSetting("HelpViewerCommand", "no-such-viewer-anywhere %f --topic %t");
    Windows().ConfigDlg->DelphiHelpCB->setChecked(true);
    Nav().Help().Delphi().SetIndexFile(SampleRoot() + "/BIN/DELPHI.HDX");
    Nav().Help().Delphi().SetHelpDir(TempDir() + "/");
    Search("BeginDesig");  // no class, no member; a keyword of the help index begins with it
    EXPECT_EQ(Prompts.Texts("error"),
              std::vector<QString>{"Unable to start the help viewer \"no-such-viewer-anywhere %f --topic %t\": "
                                   "No such file or directory."});
    EXPECT_TRUE(Prompts.Texts("information").empty()) << "the word is known to help: no Unknown identifier";
}

}  // namespace
}  // namespace qm
