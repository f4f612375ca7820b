// The source view: the double-click filter, the word at the caret, line colours, and ShowUnit's
// loading, keeping and failing.
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <filesystem>
#include <fstream>

#include "main1.h"
#include "sourceplace.h"
#include "posstore.h"
#include "unittexts.h"
#include "sourcetext.h"
#include "vcldb1.h"
#include "windowtest.h"
#include "xre.h"

namespace qm {
namespace {

uint32_t FakeNow = 0;

class SourceView : public testing::Test {
protected:
    void SetUp() override {
        FakeNow = 100000;
        SetTickSource([] { return FakeNow; });
        View.resize(600, 300);
        View.ShowDocument(NewSourceDocument("unit Shapes;\r\ntype\r\n  TBox = class(TShape)\r\n    procedure Paint; override;\r\n"
                                            "  end;\r\nimplementation\r\nprocedure TBox.Paint;\r\nbegin\r\n"
                                            "  Canvas.Rect(0, 12, Self.Width);\r\nend;\r\n",
                                            &View));
        View.show();
        QObject::connect(&View, &TXRichEdit::DblClick, [this] { ++DblClicks; });
    }
    void TearDown() override { SetTickSource({}); }
    // A double-click at the middle of the first character of Word on Line.
    void DoubleClickAt(int Line, const QString& Word) {
        const QTextBlock Block = View.document()->findBlockByNumber(Line);
        QTextCursor At(Block);
        At.setPosition(Block.position() + static_cast<int>(Block.text().indexOf(Word)));
        const QRect R = View.cursorRect(At);
        QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, R.center() + QPoint(3, 0));
    }

    TXRichEdit View;
    int DblClicks = 0;
};

TEST_F(SourceView, DoubleClicksCloserThan500msAreDropped) {
    // 300 ms apart: only the first counts, and each dropped one pushes the window on.
    const struct { uint32_t After; int Total; } Steps[] = {{0, 1}, {300, 1}, {300, 1}, {600, 2}, {499, 2}, {500, 3}};
    for (const auto& S : Steps) {
        FakeNow += S.After;
        DoubleClickAt(8, "Canvas");
        EXPECT_EQ(DblClicks, S.Total) << "after " << S.After;
    }
    EXPECT_EQ(View.textCursor().selectedText(), "Canvas");
}

TEST_F(SourceView, AClickRightAfterADoubleClickDoesNotMoveTheCaret) {
    DoubleClickAt(6, "Paint");
    const int Caret = View.CursorCharPos();
    FakeNow += 200;
    QTest::mouseClick(View.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(View.CursorCharPos(), Caret);
    FakeNow += 600;
    QTest::mouseClick(View.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_NE(View.CursorCharPos(), Caret);
}

TEST_F(SourceView, DoubleClickSelectsOneIdentifier) {
    const struct { int Line; const char* Word; const char* Selected; } Cases[] = {
        {8, "Width", "Width"}, {8, "Self", "Self"}, {6, "TBox", "TBox"}, {6, "Paint", "Paint"}};
    for (const auto& C : Cases) {
        FakeNow += 1000;
        DoubleClickAt(C.Line, C.Word);
        EXPECT_EQ(View.textCursor().selectedText(), C.Selected);
    }
}

TEST_F(SourceView, CursorWordIsTheIdentifierAtTheCaretWithItsBlanks) {
    const struct { int Line, Column; const char* Word; bool CaretStays; } Cases[] = {
        {3, 16, "Paint", false},    // inside "Paint" followed by ";": no blank
        {2, 3, "TBox ", false},     // "TBox" followed by a blank
        {8, 20, "", true},          // on the number 12
        {8, 8, "", true},           // on the full stop
        {1, 4, "type\n  ", false},  // at the end of "type": up to the next word, on the next line
    };
    for (const auto& C : Cases) {
        View.SetCursorLinePos(C.Line);
        QTextCursor Caret = View.textCursor();
        Caret.setPosition(View.LineIndex(C.Line) + C.Column);
        View.setTextCursor(Caret);
        EXPECT_EQ(View.CursorWord(), C.Word) << C.Line << ":" << C.Column;
        if (C.CaretStays) {
            EXPECT_FALSE(View.textCursor().hasSelection());
            EXPECT_EQ(View.CursorCharPos(), View.LineIndex(C.Line) + C.Column);
        }
    }
}

TEST_F(SourceView, LinesAndColours) {
    EXPECT_EQ(View.LineIndex(1), 13);
    EXPECT_EQ(View.LineIndex(99), -1);
    View.SetCursorLinePos(99);  // no such line: nothing moves
    EXPECT_EQ(View.CursorLinePos(), 0);
    View.SetCursorLinePos(4);
    QTextCursor Selection = View.textCursor();
    Selection.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
    View.setTextCursor(Selection);
    View.ColorLine(6, QColor(255, 0, 0));
    EXPECT_EQ(View.LineColor(6), QColor(255, 0, 0));
    EXPECT_EQ(View.LineColor(5), QColor(Qt::black));
    EXPECT_EQ(View.textCursor().selectedText().size(), 3) << "the selection is left as it was";
    View.ColorLine(6, Qt::black);
    EXPECT_EQ(View.LineColor(6), QColor(Qt::black));
}

TEST(SourceText, LineEndsOfEveryKindGiveTheSameLines) {
    for (const char* Text : {"a\r\nb\r\nc", "a\nb\nc", "a\rb\rc"}) {
        TXRichEdit View;
        View.ShowDocument(NewSourceDocument(Text, &View));
        EXPECT_EQ(View.document()->blockCount(), 3) << Text;
        EXPECT_EQ(View.document()->findBlockByNumber(2).text(), "c");
    }
}

// ShowUnit on the sample library plus a unit of the test's own.
class ShowUnitTest : public WindowTest {
protected:
    int AddUnit(const std::string& Name) {
        const std::string Path = TempDir() + "/" + Name + ".pas";
        std::ofstream(Path) << "unit " << Name << ";\ninterface\nuses Forms;\ntype\n  T" << Name
                            << " = class(TForm)\n    procedure Tidy;\n  end;\nimplementation\nprocedure T" << Name
                            << ".Tidy;\nbegin\n  Caption := '';\nend;\nend.\n";
        return Db().LoadUnit(Path);
    }
};

TEST_F(ShowUnitTest, TheShownUnitIsNotReloadedAndKeepsItsRedLines) {
    Start(SampleDatabaseCopy());
    TClassNav& W = Nav();
    const int Forms = Db().CurrentUnitID;
    const int Line = W.Memo()->CursorLinePos();  // the class heading, never empty
    W.AddBookmark(1);
    QTextDocument* Before = W.Memo()->document();
    const int Revision = Before->revision();
    W.ShowUnit(Forms, 40, true);
    EXPECT_EQ(W.Memo()->document()->revision(), Revision) << "nothing reloaded";
    EXPECT_EQ(W.Memo()->LineColor(Line), QColor(255, 0, 0));
    EXPECT_EQ(W.Memo()->CursorLinePos(), 40);
    EXPECT_EQ(W.Memo()->FirstVisibleLine(), 40);

    const int Mine = AddUnit("Mine");
    W.ShowUnit(Mine, 0, true);
    EXPECT_EQ(W.Memo()->LineColor(Line), QColor(Qt::black)) << "another unit: only its own bookmarks";
    W.ShowUnit(Forms, 0, true);
    EXPECT_EQ(W.Memo()->LineColor(Line), QColor(255, 0, 0)) << "reloaded with its bookmarks";
    // A line past the end scrolls as far as the text goes and leaves the caret alone.
    W.ShowUnit(Mine, 5, false);
    W.ShowUnit(Mine, 5000, false);
    EXPECT_EQ(W.Memo()->CursorLinePos(), 5);
}

TEST_F(ShowUnitTest, AUnitShownAgainIsReadAgainOnlyWhenItsFileChanged) {
    Start(SampleDatabaseCopy());
    TClassNav& W = Nav();
    const int Forms = Db().CurrentUnitID;
    const int Mine = AddUnit("Mine");
    W.ShowUnit(Mine, 0, true);
    const int Reads = W.Source().Texts().Reads();
    W.ShowUnit(Forms, 0, true);
    W.ShowUnit(Mine, 0, true);
    EXPECT_EQ(W.Source().Texts().Reads(), Reads) << "unchanged: the text kept from before";
    EXPECT_EQ(W.Memo()->document()->defaultFont(), W.Memo()->font()) << "a kept text is shown in the view's font";
    std::ofstream(TempDir() + "/Mine.pas", std::ios::app) << "{ changed since }\n";
    W.ShowUnit(Forms, 0, true);
    W.ShowUnit(Mine, 0, true);
    EXPECT_EQ(W.Source().Texts().Reads(), Reads + 1);
    EXPECT_TRUE(W.Memo()->toPlainText().endsWith("{ changed since }\n"));
}

TEST_F(ShowUnitTest, AMissingFileIsReportedAndThePreviousUnitStays) {
    Start(SampleDatabaseCopy());
    TClassNav& W = Nav();
    const int Forms = Db().CurrentUnitID;
    const int Gone = AddUnit("Gone");
    std::filesystem::remove(TempDir() + "/Gone.pas");
    W.ShowUnit(Forms, 25, true);
    W.ShowUnit(Gone, 3, true);
    EXPECT_EQ(Prompts.Texts("message"),
              std::vector<QString>{QStringLiteral("The file %1 does not exist").arg(SourceText(Db().GetUnitPath(Gone)))});
    EXPECT_EQ(Db().CurrentUnitID, Forms);
    EXPECT_EQ(W.Memo()->CursorLinePos(), 25);
    EXPECT_GT(W.Memo()->document()->blockCount(), 100);
    EXPECT_TRUE(Prompts.Texts("error").empty());
}

TEST_F(ShowUnitTest, AFileThatHasGoneIsNotReplacedByOneNamedInOtherLetterCase) {
    Start(SampleDatabaseCopy());
    const int Forms = Db().CurrentUnitID;
    const int Upper = AddUnit("CaseA");
    const int Lower = AddUnit("casea");
    ASSERT_NE(Upper, Lower) << "two files, two units";
    std::filesystem::rename(TempDir() + "/CaseA.pas", TempDir() + "/moved.pas");
    Nav().ShowUnit(Upper, 0, true);
    EXPECT_EQ(Prompts.Texts("message"),
              std::vector<QString>{QStringLiteral("The file %1 does not exist").arg(SourceText(Db().GetUnitPath(Upper)))});
    EXPECT_EQ(Db().CurrentUnitID, Forms);
    Nav().ShowUnit(Lower, 0, true);
    EXPECT_TRUE(Nav().Memo()->toPlainText().startsWith("unit casea;"));
}

TEST_F(ShowUnitTest, AnUnreadableFileGoesToTheErrorReport) {
    Start(SampleDatabaseCopy());
    TClassNav& W = Nav();
    const int Odd = AddUnit("Odd");
    std::filesystem::remove(TempDir() + "/Odd.pas");
    std::filesystem::create_directory(TempDir() + "/Odd.pas");  // a folder where the unit was
    W.ReportErrors([&] { W.ShowUnit(Odd, 0, true); });
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_TRUE(Prompts.Texts("error")[0].contains("Odd.pas"));
    EXPECT_EQ(Db().CurrentUnitID, Odd);
}

}  // namespace
}  // namespace qm
