// The window following the disk: an edited unit is re-read once its file has been still, the
// Source page shows the new text with the caret kept on its member, Class Info is refilled, a
// failure is said once, Edit > Refresh checks at once, and another program's re-read is followed.
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "classinfopage.h"
#include "classlist.h"
#include "classlistview.h"
#include "descendantspage.h"
#include "main1.h"
#include "posstore.h"
#include "refresh.h"
#include "sourceplace.h"
#include "sourcewatcher.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

// A unit whose class TFigure sits below Blank empty lines; Extra is one more method.
std::string ShapesText(int Blank, const std::string& Extra = "", bool Broken = false) {
    std::string t = "unit Shapes;\ninterface\nuses Classes;\ntype\n" + std::string(size_t(Blank), '\n') +
                    "  TFigure = class(TComponent)\n  public\n    procedure Draw;\n" +
                    (Extra.empty() ? "" : "    procedure " + Extra + ";\n") + (Broken ? "  TBad = class(\n" : "") + "  end;\n"
                    "implementation\nprocedure TFigure.Draw;\nbegin\n  Draw;\nend;\n";
    if (!Extra.empty()) t += "procedure TFigure." + Extra + ";\nbegin\nend;\n";
    return t + "end.\n";
}

class Follow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        File = SampleDatabaseCopy();
        Start(File);
        SetPrompts(&Real);
        Path = TempDir() + "/Shapes.pas";
        EditorWrite(ShapesText(0));
        Unit = Db().LoadUnit(Path);
    }
    // As an editor saves: a new file beside the unit, renamed over it.
    void EditorWrite(const std::string& Text) {
        const std::string temporary = Path + ".new";
        std::ofstream(temporary, std::ios::binary) << Text;
        std::filesystem::rename(temporary, Path);
    }
    // Runs the event loop until Done, at most a few seconds (the watcher waits for stillness).
    static bool RunUntil(const std::function<bool()>& Done) {
        for (int i = 0; i < 100 && !Done(); ++i) RunFor(50);
        return Done();
    }
    QString Message() const { return Nav().statusBar()->currentMessage(); }
    int Caret() const { return Nav().Memo()->CursorLinePos() + 1; }

    std::string File, Path;
    int Unit = 0;
    TQtPrompts Real;
    TBoxCloser Boxes;
};

TEST_F(Follow, AnEditedUnitIsReReadAndTheCaretStaysOnItsMember) {
    const int shape = Db().ClassesIDByNameIndex("TFigure", 0);
    // The caret inside Draw's body, one line below its heading (line 12).
    Nav().ShowUnit(Unit, 12, true);
    ASSERT_EQ(Caret(), 13);
    // A bookmark there follows the method too; one on the unit's heading keeps its line.
    Press(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    Nav().ShowUnit(Unit, 0, true);
    Press(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    Nav().ShowUnit(Unit, 12, true);
    Nav().FillClassList(shape);
    EditorWrite(ShapesText(3, "Erase"));
    ASSERT_TRUE(RunUntil([&] { return Message() == "Shapes was re-read"; })) << Message().toStdString();
    ASSERT_TRUE(RunUntil([&] { return Nav().Memo()->Text().contains("Erase"); }));
    EXPECT_EQ(Caret(), 13 + 4) << "three lines above the class, one more member above the method";
    EXPECT_EQ(Nav().Source().BookMarks().GetLineNumber(2), 13 + 4);
    EXPECT_EQ(Nav().Source().BookMarks().GetLineNumber(3), 1);
    EXPECT_EQ(Db().ClassesIDByNameIndex("TFigure", 0), shape);
    EXPECT_EQ(Db().CurrentUnitID, Unit);
    EXPECT_TRUE(Boxes.Texts.isEmpty()) << Boxes.Texts.join(" | ").toStdString();
}

TEST_F(Follow, AFailureIsSaidOnceAndTheOldRowsStay) {
    const int line = Db().GetMemberIntLN(Db().ClassesIDByNameIndex("TFigure", 0), "Draw");
    EditorWrite(ShapesText(2, "", true));
    ASSERT_TRUE(RunUntil([&] { return !Boxes.Texts.isEmpty(); }));
    ASSERT_EQ(Boxes.Texts.size(), 1u);
    EXPECT_TRUE(Boxes.Texts[0].startsWith(QString::fromStdString(Path) + " was not re-read: ")) << Boxes.Texts[0].toStdString();
    // Saved again, failing the same way: no second box.
    EditorWrite(ShapesText(2, "", true));
    RunFor(1500);
    EXPECT_EQ(Boxes.Texts.size(), 1u);
    EXPECT_EQ(Db().GetMemberIntLN(Db().ClassesIDByNameIndex("TFigure", 0), "Draw"), line);
    // Mended, and checked at once with F5 from the source view.
    Nav().ShowUnit(Unit, 0, true);
    EditorWrite(ShapesText(2));
    Press(Qt::Key_F5);
    EXPECT_EQ(Message(), "Shapes was re-read");
    RunIdle();
    EXPECT_EQ(Db().GetMemberIntLN(Db().ClassesIDByNameIndex("TFigure", 0), "Draw"), line + 2);
}

TEST_F(Follow, AnotherProgramsReReadIsFollowed) {
    Nav().ShowUnit(Unit, 4, true);
    TVCLDB other;
    other.OpenDatabase(File);
    // The window is not told: the watcher of this window may be quicker, or the other program.
    std::ofstream(Path, std::ios::binary) << ShapesText(1, "Erase");
    EXPECT_EQ(TUnitRefresher(other).RefreshUnit(Unit).Kind, TRefreshRecord::Reread);
    ASSERT_TRUE(RunUntil([&] { return Nav().Memo()->Text().contains("Erase"); }));
    EXPECT_EQ(Caret(), 5) << "the same line";
}

// The caret, the bookmarks and the Back history follow their members when another program
// re-reads the unit, as they do when the window re-reads it; a place outside every class keeps
// its line.
TEST_F(Follow, PlacesFollowTheirMembersWhenAnotherProgramReReads) {
    Nav().ShowUnit(Unit, 12, true);  // inside Draw's implementation
    Press(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    Nav().ShowUnit(Unit, 0, true);  // the history: Draw's line
    Press(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    Nav().ShowUnit(Unit, 12, true);  // the history: the unit's heading
    RunIdle();
    TVCLDB other;
    other.OpenDatabase(File);
    EditorWrite(ShapesText(3, "Erase"));
    ASSERT_EQ(TUnitRefresher(other).RefreshUnit(Unit).Kind, TRefreshRecord::Reread);
    ASSERT_TRUE(RunUntil([&] { return Nav().Memo()->Text().contains("Erase"); }));
    const int draw = 13 + 4;  // three lines above the class, one more member above the method
    EXPECT_EQ(Caret(), draw);
    EXPECT_EQ(Nav().Source().BookMarks().GetLineNumber(2), draw);
    EXPECT_EQ(Nav().Source().BookMarks().GetLineNumber(3), 1);
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Caret(), 1);
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Caret(), draw);
    // Followed once more: the places moved are known at their new lines.
    Nav().ShowUnit(Unit, 0, true);
    EditorWrite(ShapesText(5, "Erase"));
    ASSERT_EQ(TUnitRefresher(other).RefreshUnit(Unit).Kind, TRefreshRecord::Reread);
    ASSERT_TRUE(RunUntil([&] { return Nav().Source().BookMarks().GetLineNumber(2) != draw; }));
    EXPECT_EQ(Nav().Source().BookMarks().GetLineNumber(2), draw + 2);
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Caret(), draw + 2);
}

// Class Info and Descendants refilled after a re-read keep their order, the focused member or
// class and the scroll position.
TEST_F(Follow, ThePagesKeepTheirRowsWhenTheUnitIsReRead) {
    const int shape = Db().ClassesIDByNameIndex("TFigure", 0);
    Nav().FillClassList(shape);
    Nav().SelectPage(Nav().ClassInfoTabSheet());
    TClassInfoPage& info = Nav().ClassInfo();
    info.ColumnClick(0);  // by member, descending
    ASSERT_TRUE(info.FocusMember("Owner"));
    RunIdle();
    auto names = [&] {
        std::vector<std::string> shown;
        for (const TClassInfoRow* row : info.RowsShown()) shown.push_back(row->Member.Name);
        return shown;
    };
    const std::vector<std::string> expected = names();
    const int place = info.View().visualRect(info.View().currentIndex()).top();
    EditorWrite(ShapesText(2, "Erase"));
    ASSERT_TRUE(RunUntil([&] { return Db().UnitRecord(Unit).Generation == 1; }));
    RunIdle();
    ASSERT_NE(info.SelectedRow(), nullptr);
    EXPECT_EQ(info.SelectedRow()->Member.Name, "Owner");
    EXPECT_TRUE(info.View().header()->isSortIndicatorShown());
    std::vector<std::string> shown = names();
    std::erase(shown, "Erase");
    EXPECT_EQ(shown, expected) << "in the same order";
    EXPECT_EQ(info.View().visualRect(info.View().currentIndex()).top(), place) << "where it stood in the view";

    // The Descendants page of TComponent with the figure's class chosen in it.
    const int component = Db().ClassesIDByNameIndex("TComponent", 0);
    Nav().FillClassList(component);
    Nav().SelectPage(Nav().DescendantsTabSheet());
    TDescendantsPage& tree = Nav().Descendants();
    ASSERT_TRUE(tree.FocusPrefix("TFigure"));
    EditorWrite(ShapesText(4, "Erase"));
    ASSERT_TRUE(RunUntil([&] { return Db().UnitRecord(Unit).Generation == 2; }));
    EXPECT_EQ(Db().GetClassLine(shape), 9);
    RunIdle();
    EXPECT_EQ(tree.CurrentClass(), shape);
    EXPECT_EQ(tree.ClassID(), component);
}

// Where the system watches no more folders, an edit is found when the window is activated, and
// else at idle once a second.
class FollowUnwatched : public Follow {
protected:
    void SetUp() override {
        TSourceWatcher::WatchLimit = 0;
        Follow::SetUp();
    }
    void TearDown() override {
        Follow::TearDown();
        TSourceWatcher::WatchLimit = -1;
    }
};

TEST_F(FollowUnwatched, EditsAreFoundWhenTheWindowIsActivatedAndOnceASecond) {
    RunFor(1200);  // the folder of the new unit looked at once
    const int shape = Db().ClassesIDByNameIndex("TFigure", 0);
    QWidget elsewhere;
    elsewhere.show();
    Activate(elsewhere);
    EditorWrite(ShapesText(2));
    // Saved a while before the user comes back: the file has been still long enough.
    std::filesystem::last_write_time(Path, std::filesystem::last_write_time(Path) - std::chrono::seconds(1));
    Activate(Nav());
    QCoreApplication::processEvents();
    EXPECT_EQ(Db().UnitRecord(Unit).Generation, 1) << "looked at as the window was activated";
    EditorWrite(ShapesText(3));
    ASSERT_TRUE(RunUntil([&] { return Db().UnitRecord(Unit).Generation == 2; }));
    EXPECT_EQ(Db().GetClassLine(shape), 8);
}

// An edit while another program holds the write lock waits for it without a word.
TEST_F(Follow, AnEditWhileAnotherProgramWritesWaitsForIt) {
    TVCLDB other;
    other.OpenDatabase(File);
    {
        TVCLDB::TBatch writing(other);
        EditorWrite(ShapesText(2));
        RunFor(4500);  // longer than the watcher waits for the lock
        EXPECT_TRUE(Boxes.Texts.isEmpty()) << Boxes.Texts.join(" | ").toStdString();
        EXPECT_EQ(Db().UnitRecord(Unit).Generation, 0);
    }
    ASSERT_TRUE(RunUntil([&] { return Message() == "Shapes was re-read"; }));
    EXPECT_TRUE(Boxes.Texts.isEmpty());
}

}  // namespace
}  // namespace qm
