// The source view: the double-click filter, the word at the caret, line colours, keys, the mouse,
// copying, tabs, what a screen reader reads, and ShowUnit's loading, keeping and failing.
#include <QApplication>
#include <QTest>
#include <QAccessible>
#include <QClipboard>
#include <QScrollBar>
#include <QFontMetricsF>
#include <functional>
#include <vector>
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
        View.ShowText(std::make_shared<const TSourceLines>("unit Shapes;\r\ntype\r\n  TBox = class(TShape)\r\n    procedure Paint; override;\r\n"
                                            "  end;\r\nimplementation\r\nprocedure TBox.Paint;\r\nbegin\r\n"
                                            "  Canvas.Rect(0, 12, Self.Width);\r\nend;\r\n"));
        View.show();
        QObject::connect(&View, &TXRichEdit::DblClick, [this] { ++DblClicks; });
    }
    void TearDown() override { SetTickSource({}); }
    // A double-click at the middle of the first character of Word on Line.
    void DoubleClickAt(int Line, const QString& Word) {
        const QRect R = View.CursorRect(View.LineIndex(Line) + static_cast<int>(View.Lines().Line(Line).indexOf(Word)));
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
    EXPECT_EQ(View.SelectedText(), "Canvas");
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
        EXPECT_EQ(View.SelectedText(), C.Selected);
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
        const int Caret = View.LineIndex(C.Line) + C.Column;
        View.SetSelection(Caret, Caret);
        EXPECT_EQ(View.CursorWord(), C.Word) << C.Line << ":" << C.Column;
        if (C.CaretStays) {
            EXPECT_FALSE(View.HasSelection());
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
    View.SetSelection(View.CursorCharPos(), View.CursorCharPos() + 3);
    View.ColorLine(6, QColor(255, 0, 0));
    EXPECT_EQ(View.LineColor(6), QColor(255, 0, 0));
    EXPECT_EQ(View.LineColor(5), QColor(Qt::black));
    EXPECT_EQ(View.SelectedText().size(), 3) << "the selection is left as it was";
    View.ColorLine(6, Qt::black);
    EXPECT_EQ(View.LineColor(6), QColor(Qt::black));
}

// Keys reach the view as a person sends them: to the focused widget.
class SourceKeys : public SourceView {
protected:
    void SetUp() override {
        SourceView::SetUp();
        View.activateWindow();
        View.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
    }
    void Press(int Key, Qt::KeyboardModifiers Modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Key), Modifiers);
    }
    void PlaceCaret(int Line, int Column) { View.SetSelection(View.LineIndex(Line) + Column, View.LineIndex(Line) + Column); }
};

TEST_F(SourceKeys, KeysMoveTheCaretAndShiftExtendsTheSelection) {
    const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier, Shift = Qt::ShiftModifier;
    const struct { int Line, Column; int Key; Qt::KeyboardModifiers Modifiers; int ToLine, ToColumn; const char* Selected; } Cases[] = {
        {0, 0, Qt::Key_Right, {}, 0, 1, ""},
        {0, 5, Qt::Key_Left, {}, 0, 4, ""},
        {0, 0, Qt::Key_Right, Ctrl, 0, 5, ""},    // "unit " to "Shapes"
        {0, 5, Qt::Key_Right, Ctrl, 0, 11, ""},   // to the ";"
        {1, 0, Qt::Key_Left, Ctrl, 0, 11, ""},    // back over the line end to the ";"
        {2, 5, Qt::Key_Home, {}, 2, 0, ""},
        {2, 5, Qt::Key_End, {}, 2, 22, ""},
        {0, 3, Qt::Key_Down, {}, 1, 3, ""},
        {3, 10, Qt::Key_Down, {}, 4, 6, ""},      // a shorter line: its end
        {1, 2, Qt::Key_Up, {}, 0, 2, ""},
        {5, 2, Qt::Key_Home, Ctrl, 0, 0, ""},
        {5, 2, Qt::Key_End, Ctrl, 10, 0, ""},
        {2, 0, Qt::Key_PageDown, {}, 10, 0, ""},  // the whole text is in sight: to the last line
        {0, 0, Qt::Key_Right, Shift, 0, 1, "u"},
        {6, 10, Qt::Key_End, Shift, 6, 21, "TBox.Paint;"},
        {0, 0, Qt::Key_Down, Shift, 1, 0, "unit Shapes;\n"},
        {0, 5, Qt::Key_Right, Ctrl | Shift, 0, 11, "Shapes"},
        {1, 0, Qt::Key_Home, Ctrl | Shift, 0, 0, "unit Shapes;\n"},
    };
    for (const auto& C : Cases) {
        PlaceCaret(C.Line, C.Column);
        Press(C.Key, C.Modifiers);
        EXPECT_EQ(View.Caret(), View.LineIndex(C.ToLine) + C.ToColumn) << C.Line << ":" << C.Column << " key " << C.Key;
        EXPECT_EQ(View.SelectedText(), C.Selected) << C.Line << ":" << C.Column << " key " << C.Key;
    }
}

TEST_F(SourceKeys, UpAndDownKeepTheColumnPastAShortLine) {
    QFont Fixed(QStringLiteral("Courier New"));
    Fixed.setStyleHint(QFont::TypeWriter);
    Fixed.setFixedPitch(true);
    View.setFont(Fixed);
    PlaceCaret(3, 12);
    Press(Qt::Key_Down);  // "  end;" is shorter
    Press(Qt::Key_Down);
    EXPECT_EQ(View.Caret(), View.LineIndex(5) + 12);
}

TEST_F(SourceKeys, CopyTakesTheSelectionWithLineFeeds) {
    QApplication::clipboard()->clear();
    PlaceCaret(0, 5);
    Press(Qt::Key_C, Qt::ControlModifier);  // nothing selected: nothing copied
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    Press(Qt::Key_Down, Qt::ShiftModifier);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Shapes;\ntype");
}

TEST_F(SourceView, TheMouseSelectsByDraggingAndShiftClick) {
    const QPoint From = View.CursorRect(View.LineIndex(2) + 2).center();
    const QPoint To = View.CursorRect(View.LineIndex(2) + 6).center();
    QTest::mousePress(View.viewport(), Qt::LeftButton, {}, From);
    QTest::mouseMove(View.viewport(), To);
    QTest::mouseRelease(View.viewport(), Qt::LeftButton, {}, To);
    EXPECT_EQ(View.SelectedText(), "TBox");
    FakeNow += 1000;
    QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::ShiftModifier, View.CursorRect(View.LineIndex(3) + 4).center());
    EXPECT_EQ(View.SelectedText(), "TBox = class(TShape)\n    ");
}

// The window's source font (Courier New or its fixed-pitch stand-in) at a size whose advance
// is not a whole number of pixels where the font engine allows it.
QFont SourceFont() {
    QFont Fixed(QStringLiteral("Courier New"));
    Fixed.setStyleHint(QFont::TypeWriter);
    Fixed.setFixedPitch(true);
    Fixed.setPixelSize(13);
    return Fixed;
}

qreal Advance(const TXRichEdit& View) {
    return QFontMetricsF(View.font()).horizontalAdvance(QLatin1Char(' '));
}

TEST(SourceViewText, TabsStopOnWholeColumns) {
    TXRichEdit View;
    View.setFont(SourceFont());
    View.resize(600, 200);
    const struct { const char* Line; int Before, Column; } Cases[] = {
        {"\tX", 1, 8}, {"ab\tX", 3, 8}, {"abcdefg\tX", 8, 8}, {"abcdefgh\tX", 9, 16}, {"\t\tX", 2, 16}, {"a\tb\tX", 4, 16},
    };
    for (const auto& C : Cases) {
        View.ShowText(std::make_shared<const TSourceLines>(QString::fromLatin1(C.Line)));
        View.show();
        const int X = View.CursorRect(C.Before).left() - View.CursorRect(0).left();
        EXPECT_NEAR(X, C.Column * Advance(View), 1) << C.Line;
        // The selection's geometry is the caret's: the text after the tab sits on the grid too.
        EXPECT_NEAR(View.CursorRect(C.Before + 1).left() - View.CursorRect(0).left(), (C.Column + 1) * Advance(View), 1) << C.Line;
    }
}

// The horizontal range ends where the longest line ends: at the range's end that line's last
// character stands at the right edge, neither cut off nor followed by blank room.
TEST(SourceViewText, TheHorizontalRangeEndsWithTheLongestLine) {
    const struct { QString Text; const char* Name; } Cases[] = {
        {QString(3207, QLatin1Char('a')), "3,207 letters"},
        {QStringLiteral("short\n") + QString(5, QLatin1Char('\t')) + QString(300, QLatin1Char('b')), "tabs then letters"},
        {QStringLiteral("x\ty").repeated(400), "tabs between letters"},
    };
    for (const auto& C : Cases) {
        TXRichEdit View;
        View.setFont(SourceFont());
        View.resize(300, 200);
        View.ShowText(std::make_shared<const TSourceLines>(C.Text));
        View.show();
        QScrollBar* Bar = View.horizontalScrollBar();
        Bar->setValue(Bar->maximum());
        const TSourceLines& Lines = View.Lines();
        const int End = Lines.LineEnd(Lines.LineCount() - 1);
        const int EndX = View.CursorRect(End).left();
        EXPECT_LE(EndX, View.viewport()->width() - 1) << C.Name << ": the end in sight";
        EXPECT_GE(EndX, View.viewport()->width() - 2 * Advance(View) - 6) << C.Name << ": no blank room after it";
    }
}

TEST(SourceViewText, TheCaretAtTheEndOfALongLineIsInSight) {
    TXRichEdit View;
    View.resize(300, 200);
    View.ShowText(std::make_shared<const TSourceLines>("\tX\n" + QString(500, QLatin1Char('a'))));
    View.show();
    EXPECT_GT(View.horizontalScrollBar()->maximum(), 0);
    View.SetSelection(View.Lines().Size(), View.Lines().Size());
    EXPECT_GT(View.horizontalScrollBar()->value(), 0);
    EXPECT_GE(View.CursorRect(View.Caret()).left(), 0);
    EXPECT_LE(View.CursorRect(View.Caret()).left(), View.viewport()->width());
}

TEST_F(SourceView, ScreenReadersReadLinesTheCaretAndTheSelection) {
    QAccessibleInterface* Reader = QAccessible::queryAccessibleInterface(&View);
    ASSERT_NE(Reader, nullptr);
    QAccessibleTextInterface* Text = Reader->textInterface();
    ASSERT_NE(Text, nullptr);
    EXPECT_TRUE(Reader->state().readOnly);
    EXPECT_TRUE(Reader->state().multiLine);
    EXPECT_EQ(Text->characterCount(), View.Text().size());
    View.SetCursorLinePos(2);
    EXPECT_EQ(Text->cursorPosition(), View.LineIndex(2));
    const struct { QAccessible::TextBoundaryType Boundary; const char* At; const char* Before; const char* After; } Cases[] = {
        {QAccessible::LineBoundary, "  TBox = class(TShape)\n", "type\n", "    procedure Paint; override;\n"},
        {QAccessible::CharBoundary, " ", "\n", " "},
    };
    int Start = 0, End = 0;
    for (const auto& C : Cases) {
        EXPECT_EQ(Text->textAtOffset(Text->cursorPosition(), C.Boundary, &Start, &End), C.At);
        EXPECT_EQ(Start, View.LineIndex(2));
        EXPECT_EQ(Text->textBeforeOffset(Text->cursorPosition(), C.Boundary, &Start, &End), C.Before);
        EXPECT_EQ(Text->textAfterOffset(Text->cursorPosition(), C.Boundary, &Start, &End), C.After);
    }
    View.SetSelection(View.LineIndex(2) + 2, View.LineIndex(2) + 6);
    ASSERT_EQ(Text->selectionCount(), 1);
    Text->selection(0, &Start, &End);
    EXPECT_EQ(Text->text(Start, End), "TBox");
    Text->setCursorPosition(View.LineIndex(6));
    EXPECT_EQ(View.CursorLinePos(), 6);
    EXPECT_EQ(Text->selectionCount(), 0);
    const QPoint OnLine6 = View.viewport()->mapToGlobal(View.CursorRect(View.LineIndex(6) + 3).center());
    EXPECT_EQ(Text->offsetAtPoint(OnLine6), View.LineIndex(6) + 3);
}

TEST_F(SourceKeys, LeftAndRightCollapseASelectionToItsStartAndEnd) {
    const struct { int Anchor, Caret; Qt::Key Key; int To; } Cases[] = {
        {13, 16, Qt::Key_Right, 16}, {13, 16, Qt::Key_Left, 13},  // forward
        {16, 13, Qt::Key_Right, 16}, {16, 13, Qt::Key_Left, 13},  // backward
        {40, 5, Qt::Key_Right, 40},  {5, 40, Qt::Key_Left, 5},    // over line ends
    };
    for (const auto& C : Cases) {
        View.SetSelection(C.Anchor, C.Caret);
        Press(C.Key);
        EXPECT_EQ(View.Caret(), C.To) << C.Anchor << ".." << C.Caret << " key " << C.Key;
        EXPECT_FALSE(View.HasSelection());
    }
    PlaceCaret(0, 0);
    for (int i = 0; i < 3; ++i) Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Right);
    EXPECT_EQ(View.Caret(), 3) << "three selected, then Right: at the selection's end";
}

TEST_F(SourceView, ADoubleClickPastALinesEndSelectsNothingBeyondIt) {
    for (const int Line : {0, 1, 4}) {
        FakeNow += 1000;
        const int End = View.Lines().LineEnd(Line);
        const QPoint Past = View.CursorRect(End).center() + QPoint(40, 0);
        const int Before = DblClicks;
        QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, Past);
        EXPECT_EQ(View.SelectedText(), "") << "line " << Line;
        EXPECT_EQ(View.Caret(), End) << "line " << Line;
        EXPECT_EQ(DblClicks, Before + 1) << "the handler runs, and finds no word selected";
    }
}

// Offsets and points outside the text, as a screen reader may ask for them, give empty answers.
TEST_F(SourceView, AScreenReadersQuestionsOutsideTheTextGetEmptyAnswers) {
    QAccessibleTextInterface* Text = QAccessible::queryAccessibleInterface(&View)->textInterface();
    const int Count = Text->characterCount();
    for (const int Offset : {-5, -1, Count + 1, Count + 1000}) {
        EXPECT_TRUE(Text->characterRect(Offset).isNull()) << Offset;
        int Start = 0, End = 0;
        for (auto Boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::LineBoundary}) {
            EXPECT_EQ(Text->textAtOffset(Offset, Boundary, &Start, &End), "") << Offset;
            EXPECT_EQ(Text->textBeforeOffset(Offset, Boundary, &Start, &End), "") << Offset;
            EXPECT_EQ(Text->textAfterOffset(Offset, Boundary, &Start, &End), "") << Offset;
        }
        Text->attributes(Offset, &Start, &End);
        EXPECT_EQ(Start, -1);
    }
    EXPECT_FALSE(Text->characterRect(Count - 1).isNull());
    EXPECT_EQ(Text->text(-10, Count + 10), View.Text());
    EXPECT_EQ(Text->text(10, 5), "");
    const QPoint Outside = View.viewport()->mapToGlobal(QPoint(-20, View.viewport()->height() + 30));
    EXPECT_EQ(Text->offsetAtPoint(Outside), -1);
    Text->setSelection(0, -5, Count + 50);
    EXPECT_EQ(View.SelectedText(), View.Text()) << "clamped to the text";
    Text->setSelection(1, 0, 3);
    EXPECT_EQ(View.SelectedText(), View.Text()) << "there is one selection only";
}

// Dragging past an edge and holding still scrolls on the view's timer, towards that edge, by more
// the farther the pointer is; the caret follows the edge line, and letting go stops it.
class SourceDrag : public SourceView {
protected:
    void SetUp() override {
        SourceView::SetUp();
        View.setFont(SourceFont());
        QString Text;
        for (int i = 0; i < 300; ++i) Text += QStringLiteral("line %1 ").arg(i, 3) + QString(300, QLatin1Char('x')) + '\n';
        View.ShowText(std::make_shared<const TSourceLines>(Text));
    }
};

TEST_F(SourceDrag, DraggingPastAnEdgeScrollsOnATimerFasterTheFartherItIs) {
    QWidget* Port = View.viewport();
    const int W = Port->width(), H = Port->height();
    const struct { const char* Edge; QPoint Near, Far; bool Vertical; int Sign; } Cases[] = {
        {"below", {W / 2, H + 3}, {W / 2, H + 150}, true, 1},
        {"above", {W / 2, -3}, {W / 2, -150}, true, -1},
        {"right", {W + 3, H / 2}, {W + 150, H / 2}, false, 1},
        {"left", {-3, H / 2}, {-150, H / 2}, false, -1},
    };
    for (const auto& C : Cases) {
        int Steps[2] = {0, 0};
        for (int Far = 0; Far < 2; ++Far) {
            View.SetFirstVisibleLine(100);
            View.horizontalScrollBar()->setValue(1000);
            QScrollBar* Bar = C.Vertical ? View.verticalScrollBar() : View.horizontalScrollBar();
            std::vector<int> Deltas;
            int Last = Bar->value();
            const auto Watch = QObject::connect(Bar, &QScrollBar::valueChanged, [&](int Value) {
                Deltas.push_back(Value - Last);
                Last = Value;
            });
            FakeNow += 1000;
            QTest::mousePress(Port, Qt::LeftButton, {}, QPoint(W / 2, H / 2));
            const int Pressed = View.Caret();
            const QPoint To = Far ? C.Far : C.Near;
            QTest::mouseMove(Port, To);
            const size_t AfterMove = Deltas.size();
            EXPECT_TRUE(QTest::qWaitFor([&] { return Deltas.size() >= AfterMove + 3; }, 10000))
                << C.Edge << (Far ? " far" : " near") << ": it goes on scrolling while the pointer holds still";
            QTest::mouseRelease(Port, Qt::LeftButton, {}, To);
            QObject::disconnect(Watch);
            ASSERT_GE(Deltas.size(), AfterMove + 3) << C.Edge;
            for (size_t i = AfterMove; i < Deltas.size(); ++i) EXPECT_EQ(Deltas[i] * C.Sign > 0, true) << C.Edge;
            for (size_t i = AfterMove; i < Deltas.size(); ++i) Steps[Far] = std::max(Steps[Far], Deltas[i] * C.Sign);
            EXPECT_NE(View.Caret(), Pressed) << C.Edge << ": the selection follows";
            EXPECT_TRUE(View.HasSelection());
            const int Stopped = Bar->value();
            QTest::qWait(200);
            EXPECT_EQ(Bar->value(), Stopped) << C.Edge << ": letting go stops it";
        }
        EXPECT_GT(Steps[1], Steps[0]) << C.Edge << ": farther is faster";
    }
}

// A blink repaints the caret's rectangle only, and lays out nothing again: the caret's line keeps
// its layout.
TEST_F(SourceKeys, BlinkingRepaintsOnlyTheCaretFromAKeptLayout) {
    View.ShowText(std::make_shared<const TSourceLines>("short\n" + QString(20000, QLatin1Char('y')) + "\nend"));
    View.setFocus();
    PlaceCaret(1, 50);
    struct TPaints : QObject {
        std::vector<QRect> Rects;
        bool eventFilter(QObject*, QEvent* Event) override {
            if (Event->type() == QEvent::Paint) Rects.push_back(static_cast<QPaintEvent*>(Event)->rect());
            return false;
        }
    } Paints;
    View.viewport()->installEventFilter(&Paints);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Paints.Rects.empty(); }, 10000));
    Paints.Rects.clear();
    const int Layouts = View.LayoutCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Paints.Rects.size() >= 4; }, 20000)) << "the caret blinks";
    EXPECT_EQ(View.LayoutCount(), Layouts) << "no line laid out again for a blink";
    const QRect Caret = View.CursorRect(View.Caret());
    for (const QRect& R : Paints.Rects) {
        EXPECT_TRUE(R.intersects(Caret)) << "a blink paints the caret";
        EXPECT_LE(R.width(), Caret.width() + 4) << "and nothing more of its line";
    }
}

TEST(SourceText, LineEndsOfEveryKindGiveTheSameLines) {
    for (const char* Text : {"a\r\nb\r\nc", "a\nb\nc", "a\rb\rc"}) {
        TXRichEdit View;
        View.ShowText(std::make_shared<const TSourceLines>(Text));
        EXPECT_EQ(View.Lines().LineCount(), 3) << Text;
        EXPECT_EQ(View.Lines().Line(2), u"c");
    }
}

// A file's bytes read in one pass give what the decoder and the line-end rule give: every byte
// value, and every kind of line end, at the start, in the middle and at the end.
TEST(SourceText, BytesDecodedInOnePassAsTheDecoderDoes) {
    std::string Every;
    for (int C = 0; C < 256; ++C) Every += static_cast<char>(C);
    for (const std::string& Bytes : {Every, std::string("\r\nx\r\r\ny\n\rz\r"), std::string(), std::string("\r"),
                                     std::string("a\tb\r\n\t\tlong line\nwidest line of all\n\t")}) {
        const auto Read = TSourceLines::FromBytes(Bytes);
        const TSourceLines Decoded(SourceText(Bytes));
        EXPECT_EQ(Read->Text(), WithLineFeeds(SourceText(Bytes)));
        ASSERT_EQ(Read->LineCount(), Decoded.LineCount());
        for (int Line = 0; Line < Decoded.LineCount(); ++Line) EXPECT_EQ(Read->LineStart(Line), Decoded.LineStart(Line));
        EXPECT_EQ(Read->MaxColumns(), Decoded.MaxColumns());
    }
}

TEST(SourceText, LinesAndFindAtTheEdges) {
    const TSourceLines Empty(QString{});
    EXPECT_EQ(Empty.LineCount(), 1);
    EXPECT_EQ(Empty.LineEnd(0), 0);
    EXPECT_EQ(Empty.LineOf(5), 0);
    const TSourceLines Lines(QStringLiteral("Begin\r\n  x := 1;\r\nEND\r\n"));
    const struct { int Line, Start, End; } Spans[] = {{0, 0, 5}, {1, 6, 15}, {2, 16, 19}, {3, 20, 20}, {4, -1, -1}, {-1, -1, -1}};
    for (const auto& S : Spans) {
        EXPECT_EQ(Lines.LineStart(S.Line), S.Start) << S.Line;
        EXPECT_EQ(Lines.LineEnd(S.Line), S.End) << S.Line;
    }
    EXPECT_EQ(Lines.LineOf(5), 0) << "a line feed belongs to its line";
    EXPECT_EQ(Lines.LineOf(6), 1);
    EXPECT_EQ(Lines.LineOf(99), 3);
    const struct { const char* What; int From, Found; } Finds[] = {
        {"end", 0, 16}, {"BEGIN", 0, 0}, {"begin", 1, -1}, {"x := 1;\nend", 0, 8}, {"", 0, -1}, {"end", 40, -1}};
    for (const auto& F : Finds) EXPECT_EQ(Lines.Find(F.What, F.From), F.Found) << F.What << " from " << F.From;
    // The widest line in columns, each tab reaching to its stop.
    const struct { const char* Text; int Columns; } Widths[] = {
        {"", 0}, {"a\tb", 9}, {"abcdefgh\t", 16}, {"abcdefg\t", 8}, {"\t\t\n1234567890123456789", 19}, {"x\r\n\t\tx", 17}};
    for (const auto& W : Widths) EXPECT_EQ(TSourceLines(QString::fromLatin1(W.Text)).MaxColumns(), W.Columns) << W.Text;
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
    const TSourceLines* Before = &W.Memo()->Lines();
    const int Reads = W.Source().Texts().Reads();
    W.ShowUnit(Forms, 40, true);
    EXPECT_EQ(&W.Memo()->Lines(), Before) << "nothing reloaded";
    EXPECT_EQ(W.Source().Texts().Reads(), Reads);
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
    EXPECT_EQ(W.Memo()->LineHeight(), QFontMetrics(W.Memo()->font()).height()) << "a kept text is shown in the view's font";
    std::ofstream(TempDir() + "/Mine.pas", std::ios::app) << "{ changed since }\n";
    W.ShowUnit(Forms, 0, true);
    W.ShowUnit(Mine, 0, true);
    EXPECT_EQ(W.Source().Texts().Reads(), Reads + 1);
    EXPECT_TRUE(W.Memo()->Text().endsWith("{ changed since }\n"));
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
    EXPECT_GT(W.Memo()->Lines().LineCount(), 100);
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
    EXPECT_TRUE(Nav().Memo()->Text().startsWith("unit casea;"));
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
