// The window beside other programs on one class database, with the real error report and
// message boxes: what another program adds shows up, what it removes is let go of with one
// message, and an error in idle work is reported once while the window goes on.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <memory>

#include "dbrows.h"
#include "classinfopage.h"
#include "main1.h"
#include "sourceplace.h"
#include "posstore.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

class Beside : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        File = SampleDatabaseCopy();
        Start(File);
        Other = std::make_unique<TVCLDB>();
        Other->OpenDatabase(File);
        SetPrompts(&Real);
    }
    void TearDown() override {
        Other.reset();
        WindowTest::TearDown();
    }
    static std::string Fixture(const char* Name) { return QM_TESTDATA_DIR "/navigator/" + std::string(Name); }
    // Another program (its own connection) removes the unit with everything that derives from it.
    void OtherRemoves(const char* Unit) {
        TStringItems Units;
        Other->CollectDependants(Other->UnitsIDByNameIndex(Unit, 0), Units);
        Other->DeleteDependants();
    }
    QStringList Entries(QComboBox* Box) const {
        QStringList Names;
        for (int i = 0; i < Box->count(); ++i) Names << Box->itemText(i);
        return Names;
    }
    bool StatusEmpty() const {
        for (int i = 0; i < 4; ++i)
            if (!Nav().StatusText(i).isEmpty()) return false;
        return true;
    }

    std::string File;
    std::unique_ptr<TVCLDB> Other;
    TQtPrompts Real;
    TBoxCloser Boxes;
};

TEST_F(Beside, AnErrorInIdleWorkIsReportedOnceAndTheWindowGoesOn) {
    Db().CurrentUnitID = 999999;  // the idle refresh of the status bar now fails at every turn
    RunFor(1000);
    EXPECT_EQ(Boxes.Texts, QStringList{"Internal error #4 during database reference"}) << "one box, not a pile";
    Search("TButton");
    EXPECT_EQ(Nav().Memo()->CursorLinePos() + 1, Db().GetClassLine(Db().ClassesIDByNameIndex("TButton", 0)));
    RunIdle();
    EXPECT_EQ(Nav().StatusText(3), "TButton.") << "the refresh runs again after a command";
    EXPECT_EQ(Boxes.Texts.size(), 1u);
}

TEST_F(Beside, TheShownUnitRemovedElsewhereIsSaidOnceAndBrowsingGoesOn) {
    const int Users = Db().LoadUnit(Fixture("Shapes1.pas"));
    Nav().ShowUnit(Users, 3, true);
    Press(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Nav().Source().BookMarks().GetUnitID(1), Users);
    const QString Text = Nav().Memo()->Text();
    OtherRemoves("Shapes1");
    RunFor(500);
    EXPECT_EQ(Boxes.Texts, QStringList{"Another program has removed the unit Shapes1 from the class database"});
    EXPECT_TRUE(StatusEmpty());
    EXPECT_EQ(Nav().Memo()->Text(), Text) << "the text stays to be read";
    EXPECT_EQ(Nav().Source().BookMarks().GetUnitID(1), 0);
    EXPECT_FALSE(Entries(Nav().UnitsCB()).contains("Shapes1"));
    EXPECT_FALSE(Entries(Nav().ClassesCB()).contains("TShared"));
    Search("TForm");
    EXPECT_EQ(Nav().Memo()->CursorLinePos() + 1, Db().GetClassLine(Db().ClassesIDByNameIndex("TForm", 0)));
    RunIdle();
    EXPECT_FALSE(StatusEmpty());
    EXPECT_EQ(Boxes.Texts.size(), 1u);
}

TEST_F(Beside, AClassShownOnClassInfoRemovedElsewhere) {
    Db().LoadUnit(Fixture("Shapes1.pas"));
    Search("TShared");
    Nav().SelectPage(Nav().ClassInfoTabSheet());
    Search("TShared");
    ASSERT_EQ(Nav().ClassInfo().ClassName(), "TShared");
    OtherRemoves("Shapes1");
    RunFor(500);
    EXPECT_EQ(Boxes.Texts,
              QStringList{"Another program has removed the unit Shapes1 and the class TShared from the class database"});
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "");
    EXPECT_TRUE(StatusEmpty());
}

TEST_F(Beside, ABookmarkIntoAUnitRemovedElsewhereSaysSoOnce) {
    const int Shapes = Db().LoadUnit(Fixture("Shapes1.pas"));
    Nav().ShowUnit(Shapes, 3, true);
    Press(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    Search("TForm");
    RunIdle();
    OtherRemoves("Shapes1");
    // The key comes before the window has waited for events again, so before it has noticed.
    Press(Qt::Key_2, Qt::ControlModifier);
    RunFor(500);
    EXPECT_EQ(Boxes.Texts, QStringList{"That unit is no longer in the class database"});
    EXPECT_EQ(Db().CurrentUnitID, Db().GetClassUnitID(Db().ClassesIDByNameIndex("TForm", 0)));
}

TEST_F(Beside, WhatAnotherProgramAddsShowsUpKeepingTheUsersPlace) {
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("TSha");
    const int Unit = Db().CurrentUnitID;
    const int Line = Nav().Memo()->CursorLinePos();
    Other->LoadUnit(Fixture("Shapes1.pas"));
    RunIdle();
    EXPECT_TRUE(Entries(Nav().UnitsCB()).contains("Shapes1"));
    EXPECT_TRUE(Entries(Nav().ClassesCB()).contains("TShared"));
    EXPECT_EQ(Nav().ClassesCB()->currentText(), "TSha") << "what the user typed stays";
    EXPECT_EQ(Nav().ClassesCB()->lineEdit()->cursorPosition(), 4);
    EXPECT_EQ(Db().CurrentUnitID, Unit);
    EXPECT_EQ(Nav().Memo()->CursorLinePos(), Line);
    Type("red");
    Press(Qt::Key_Return);
    EXPECT_EQ(Db().GetUnitName(Db().CurrentUnitID), "Shapes1");
    EXPECT_TRUE(Boxes.Texts.empty());
}

// Initialize while another program holds the write lock: it says so, loses nothing, and the
// window shows the library it still has.
TEST_F(Beside, AnInitializeThatCannotWriteShowsTheLibraryItKept) {
    SetDelphiRoot(SampleRoot());
    QProcess Holder;
    Holder.start(QStringLiteral("sqlite3"), {QString::fromStdString(File)});
    ASSERT_TRUE(Holder.waitForStarted());
    Holder.write("BEGIN IMMEDIATE;\nSELECT 'held';\n");
    ASSERT_TRUE(Holder.waitForReadyRead(5000)) << "the other program holds the lock";
    SetPrompts(&Prompts);  // the question answered Yes, the error kept to be read
    Prompts.ConfirmAnswers = {true};
    Nav().Item("LoadVCL1")->trigger();
    Holder.write("ROLLBACK;\n.quit\n");
    Holder.closeWriteChannel();
    Holder.waitForFinished();
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_TRUE(Prompts.Texts("error")[0].contains(QStringLiteral("locked"))) << Prompts.Texts("error")[0].toStdString();
    EXPECT_EQ(Db().UnitCount(), 49);
    EXPECT_EQ(Nav().ClassInfo().ClassName(), "TApplication");
    EXPECT_GE(Nav().UnitsCB()->count(), 49);
    RunIdle();
    EXPECT_EQ(Nav().StatusText(0).toUpper(), "UNIT: FORMS");
}

}  // namespace
}  // namespace qm
