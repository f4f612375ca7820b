// The source view: a scroll area that lays out and paints only the lines in sight, each with a
// QTextLayout of its own. No wrap, read-only, black text; bookmarked lines are drawn in the
// colour ColorLine gave them, which belongs to the view, not to the text shown.
#include "xre.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "xreaccess.h"

namespace qm {

namespace {

TTickSource& Ticks() {
    static TTickSource Source = [] {
        using namespace std::chrono;
        return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
    return Source;
}

constexpr uint32_t DblClickWindow = 500;
constexpr int Margin = 4;              // between the frame and the text, on every side
constexpr qreal Unbounded = 1'000'000;  // the width a line never reaches: no wrapping
constexpr int AutoScrollMs = 50;         // a drag outside the view scrolls this often
constexpr int MostAutoScrollSteps = 40;  // lines (or characters sideways) a step scrolls at the most

// 0 blanks and line ends, 1 identifier characters, 2 anything else.
int CharClass(QChar C) {
    if (TXRichEdit::IsWordChar(C)) return 1;
    return C.isSpace() ? 0 : 2;
}

// The text is fixed-pitch, so one advance measures every column. Where no fixed-pitch font is
// found, a wide letter's advance keeps every line's end inside the range.
qreal ColumnAdvance(const QFont& Font) {
    const QFontMetricsF Metrics(Font);
    return std::max<qreal>(1, Metrics.horizontalAdvance(QFontInfo(Font).fixedPitch() ? QLatin1Char(' ') : QLatin1Char('M')));
}

std::shared_ptr<const TSourceLines> NoText() {
    static const auto Empty = std::make_shared<const TSourceLines>();
    return Empty;
}

}  // namespace

void SetTickSource(TTickSource Source) {
    Ticks() = std::move(Source);
}

uint32_t TickCount() {
    return Ticks()();
}

TXRichEdit::TXRichEdit(QWidget* Parent) : QAbstractScrollArea(Parent), FLines(NoText()) {
    InstallXRichEditAccessibility();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    // The selection stays visible without the focus.
    QPalette Colors = palette();
    Colors.setColor(QPalette::Inactive, QPalette::Highlight, Colors.color(QPalette::Active, QPalette::Highlight));
    Colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    Colors.color(QPalette::Active, QPalette::HighlightedText));
    Colors.setColor(QPalette::Text, Qt::black);
    setPalette(Colors);
    FAdvance = ColumnAdvance(font());
    UpdateScrollBars();
}

TXRichEdit::~TXRichEdit() = default;

bool TXRichEdit::IsWordChar(QChar C) {
    return C.isLetterOrNumber() || C == QLatin1Char('_');
}

int TXRichEdit::CursorLinePos() const {
    return FLines->LineOf(CursorCharPos());
}

void TXRichEdit::SetCursorLinePos(int Line) {
    const int Start = FLines->LineStart(Line);
    if (Start >= 0) SetSelection(Start, Start);
}

int TXRichEdit::CursorCharPos() const {
    return std::min(FAnchor, FCaret);
}

int TXRichEdit::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

void TXRichEdit::SetFirstVisibleLine(int Line) {
    verticalScrollBar()->setValue(Line);
}

int TXRichEdit::LineIndex(int Line) const {
    return FLines->LineStart(Line);
}

void TXRichEdit::ColorLine(int Line, const QColor& Color) {
    if (FLines->LineStart(Line) < 0) return;
    if (Color == QColor(Qt::black))
        FLineColours.erase(Line);
    else
        FLineColours[Line] = Color;
    viewport()->update();
}

QColor TXRichEdit::LineColor(int Line) const {
    const auto Found = FLineColours.find(Line);
    return Found == FLineColours.end() ? QColor(Qt::black) : Found->second;
}

void TXRichEdit::ShowText(std::shared_ptr<const TSourceLines> Text) {
    const std::shared_ptr<const TSourceLines> Old = std::move(FLines);
    FLines = Text ? std::move(Text) : NoText();
    FLineColours.clear();
    FAnchor = FCaret = 0;
    FColumnX = -1;
    FScrollTimer.stop();
    ForgetLayout();
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    // The AT-SPI bridge reads a text event as the class of its kind: one text replaced by another.
    if (QAccessible::isActive() && (Old->Size() > 0 || FLines->Size() > 0)) {
        QAccessibleTextUpdateEvent Changed(this, 0, Old->Text(), FLines->Text());
        Changed.setCursorPosition(0);
        QAccessible::updateAccessibility(&Changed);
    }
}

void TXRichEdit::ShowEmpty() {
    ShowText(nullptr);
}

QString TXRichEdit::SelectedText() const {
    const int Start = std::min(FAnchor, FCaret);
    return FLines->Text().mid(Start, std::max(FAnchor, FCaret) - Start);
}

void TXRichEdit::SetSelection(int Anchor, int Caret) {
    Select(Anchor, Caret);
}

void TXRichEdit::copy() const {
    if (HasSelection()) QApplication::clipboard()->setText(SelectedText());
}

void TXRichEdit::OfferSelection() const {
    QClipboard* Clipboard = QApplication::clipboard();
    if (HasSelection() && Clipboard->supportsSelection()) Clipboard->setText(SelectedText(), QClipboard::Selection);
}

int TXRichEdit::LineHeight() const {
    return std::max(1, fontMetrics().height());
}

int TXRichEdit::VisibleLines() const {
    return std::max(1, (viewport()->height() - Margin) / LineHeight());
}

int TXRichEdit::LeftMargin() const {
    return Margin - horizontalScrollBar()->value();
}

void TXRichEdit::LayOut(QTextLayout& Layout, int Line) const {
    ++FLayouts;
    QTextOption Option(Qt::AlignLeft | Qt::AlignAbsolute);
    Option.setWrapMode(QTextOption::NoWrap);
    Option.setTabStopDistance(TSourceLines::TabColumns * FAdvance);
    Layout.setText(FLines->Line(Line).toString());
    Layout.setFont(font());
    Layout.setTextOption(Option);
    Layout.setCacheEnabled(true);
    Layout.beginLayout();
    QTextLine Row = Layout.createLine();
    if (Row.isValid()) Row.setLineWidth(Unbounded);
    Layout.endLayout();
}

const QTextLayout& TXRichEdit::KeptLayout(int Line) const {
    if (!FKept || FKeptLine != Line) {
        FKept = std::make_unique<QTextLayout>();
        LayOut(*FKept, Line);
        FKeptLine = Line;
    }
    return *FKept;
}

void TXRichEdit::ForgetLayout() {
    FKept.reset();
    FKeptLine = -1;
}

int TXRichEdit::XOf(int Pos) const {
    const int Line = FLines->LineOf(Pos);
    return qRound(KeptLayout(Line).lineAt(0).cursorToX(Pos - FLines->LineStart(Line)));
}

QRect TXRichEdit::CursorRect(int Pos) const {
    Pos = std::clamp(Pos, 0, FLines->Size());
    const int Line = FLines->LineOf(Pos);
    const int Top = Margin + (Line - FirstVisibleLine()) * LineHeight();
    return QRect(LeftMargin() + XOf(Pos), Top, 1, LineHeight());
}

int TXRichEdit::PositionAt(const QPoint& Point) const {
    const int Row = Point.y() < Margin ? -1 : (Point.y() - Margin) / LineHeight();
    const int Line = std::clamp(FirstVisibleLine() + Row, 0, FLines->LineCount() - 1);
    return FLines->LineStart(Line) + KeptLayout(Line).lineAt(0).xToCursor(Point.x() - LeftMargin());
}

void TXRichEdit::UpdateScrollBars() {
    QScrollBar* Vertical = verticalScrollBar();
    Vertical->setSingleStep(1);
    Vertical->setPageStep(VisibleLines());
    Vertical->setRange(0, std::max(0, FLines->LineCount() - VisibleLines()));
    // The widest line's columns at the font's own advance, and room for the caret after it.
    const int Width = static_cast<int>(std::ceil(FLines->MaxColumns() * FAdvance)) + 2 * Margin + 1;
    QScrollBar* Horizontal = horizontalScrollBar();
    Horizontal->setSingleStep(std::max(1, static_cast<int>(std::ceil(FAdvance))));
    Horizontal->setPageStep(viewport()->width());
    Horizontal->setRange(0, std::max(0, Width - viewport()->width()));
}

void TXRichEdit::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    UpdateScrollBars();
}

void TXRichEdit::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) {
        FAdvance = ColumnAdvance(font());
        ForgetLayout();
        UpdateScrollBars();
        viewport()->update();
    }
}

void TXRichEdit::scrollContentsBy(int, int) {
    viewport()->update();
}

void TXRichEdit::paintEvent(QPaintEvent* Event) {
    QPainter Painter(viewport());
    const int Height = LineHeight();
    const int First = FirstVisibleLine();
    const int Last = std::min(FLines->LineCount() - 1, First + viewport()->height() / Height + 1);
    const int SelStart = std::min(FAnchor, FCaret), SelEnd = std::max(FAnchor, FCaret);
    const QPalette& Colors = palette();
    QTextCharFormat Selected;
    Selected.setBackground(Colors.brush(QPalette::Highlight));
    Selected.setForeground(Colors.brush(QPalette::HighlightedText));
    const bool ShowCaret = FCaretShown && hasFocus();
    const int CaretLine = FLines->LineOf(FCaret);
    for (int Line = First; Line <= Last; ++Line) {
        const QPointF At(LeftMargin(), Margin + (Line - First) * Height);
        if (!Event->rect().intersects(QRect(0, static_cast<int>(At.y()), viewport()->width(), Height))) continue;
        // The caret's line keeps its layout, so that a blink costs no layout; the others are
        // laid out for this paint only.
        QTextLayout Own;
        if (Line != CaretLine) LayOut(Own, Line);
        const QTextLayout& Layout = Line == CaretLine ? KeptLayout(Line) : Own;
        const int Start = FLines->LineStart(Line), End = FLines->LineEnd(Line);
        QList<QTextLayout::FormatRange> Selections;
        if (SelStart < SelEnd && SelStart <= End && SelEnd > Start) {
            const int From = std::max(SelStart, Start) - Start;
            // A selection that goes on past the line end marks the end with one blank's width.
            if (SelEnd > End) {
                const qreal X = Layout.lineAt(0).naturalTextWidth();
                const int Blank = fontMetrics().horizontalAdvance(QLatin1Char(' '));
                Painter.fillRect(QRectF(At.x() + X, At.y(), Blank, Height), Colors.brush(QPalette::Highlight));
            }
            Selections.append({From, std::min(SelEnd, End) - Start - From, Selected});
        }
        Painter.setPen(LineColor(Line));
        Layout.draw(&Painter, At, Selections);
        if (ShowCaret && FCaret >= Start && FCaret <= End) Layout.drawCursor(&Painter, At, FCaret - Start, 1);
    }
}

void TXRichEdit::EnsureCaretVisible() {
    const int Line = FLines->LineOf(FCaret);
    QScrollBar* Vertical = verticalScrollBar();
    if (Line < Vertical->value())
        Vertical->setValue(Line);
    else if (Line >= Vertical->value() + VisibleLines())
        Vertical->setValue(Line - VisibleLines() + 1);
    QScrollBar* Horizontal = horizontalScrollBar();
    const int X = XOf(FCaret);
    const int Width = viewport()->width() - 2 * Margin;
    if (X < Horizontal->value())
        Horizontal->setValue(X);
    else if (X > Horizontal->value() + Width)
        Horizontal->setValue(X - Width);
}

void TXRichEdit::Select(int Anchor, int Caret, bool KeepColumn) {
    const int OldAnchor = FAnchor, OldCaret = FCaret;
    FAnchor = std::clamp(Anchor, 0, FLines->Size());
    FCaret = std::clamp(Caret, 0, FLines->Size());
    if (!KeepColumn) FColumnX = -1;
    EnsureCaretVisible();
    StartBlink();
    viewport()->update();
    Notify(OldAnchor, OldCaret);
}

void TXRichEdit::MoveCaret(int Pos, bool Extend, bool KeepColumn) {
    Select(Extend ? FAnchor : Pos, Pos, KeepColumn);
}

// As Qt's own text views do: a changed selection (also one that became empty) and a moved caret
// are each told, with the event class of their kind.
void TXRichEdit::Notify(int OldAnchor, int OldCaret) {
    if (!QAccessible::isActive()) return;
    const int Start = std::min(FAnchor, FCaret), End = std::max(FAnchor, FCaret);
    const int OldStart = std::min(OldAnchor, OldCaret), OldEnd = std::max(OldAnchor, OldCaret);
    if ((Start != End || OldStart != OldEnd) && (Start != OldStart || End != OldEnd)) {
        QAccessibleTextSelectionEvent Selection(this, Start, End);
        Selection.setCursorPosition(FCaret);
        QAccessible::updateAccessibility(&Selection);
    }
    if (FCaret != OldCaret) {
        QAccessibleTextCursorEvent Moved(this, FCaret);
        QAccessible::updateAccessibility(&Moved);
    }
}

void TXRichEdit::StartBlink() {
    FCaretShown = true;
    if (FBlinkTimer) killTimer(FBlinkTimer);
    FBlinkTimer = 0;
    const int Flash = QApplication::cursorFlashTime();
    if (hasFocus() && Flash > 0) FBlinkTimer = startTimer(Flash / 2);
}

void TXRichEdit::timerEvent(QTimerEvent* Event) {
    if (Event->timerId() == FScrollTimer.timerId()) return AutoScroll();
    if (Event->timerId() != FBlinkTimer) return QAbstractScrollArea::timerEvent(Event);
    FCaretShown = !FCaretShown;
    viewport()->update(CursorRect(FCaret).adjusted(-1, 0, 1, 0));
}

void TXRichEdit::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    StartBlink();
    viewport()->update();
}

void TXRichEdit::focusOutEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusOutEvent(Event);
    if (FBlinkTimer) killTimer(FBlinkTimer);
    FBlinkTimer = 0;
    viewport()->update();
}

void TXRichEdit::keyPressEvent(QKeyEvent* Event) {
    using K = QKeySequence;
    const int Line = FLines->LineOf(FCaret);
    // Up and Down keep the x where they started; the page keys move the text with the caret.
    auto Vertical = [&](int Lines, bool Extend, bool Scroll) {
        if (FColumnX < 0) FColumnX = XOf(FCaret);
        const int Target = std::clamp(Line + Lines, 0, FLines->LineCount() - 1);
        if (Scroll) verticalScrollBar()->setValue(verticalScrollBar()->value() + Lines);
        MoveCaret(FLines->LineStart(Target) + KeptLayout(Target).lineAt(0).xToCursor(FColumnX), Extend, true);
    };
    const struct {
        K::StandardKey Move, Select;
        std::function<void(bool)> Go;
    } Moves[] = {
        // A selection collapses to its end or start.
        {K::MoveToNextChar, K::SelectNextChar,
         [&](bool E) { MoveCaret(!E && HasSelection() ? std::max(FAnchor, FCaret) : FCaret + 1, E); }},
        {K::MoveToPreviousChar, K::SelectPreviousChar,
         [&](bool E) { MoveCaret(!E && HasSelection() ? std::min(FAnchor, FCaret) : FCaret - 1, E); }},
        {K::MoveToNextWord, K::SelectNextWord, [&](bool E) { MoveCaret(WordRight(FCaret), E); }},
        {K::MoveToPreviousWord, K::SelectPreviousWord, [&](bool E) { MoveCaret(WordLeft(FCaret), E); }},
        {K::MoveToNextLine, K::SelectNextLine, [&](bool E) { Vertical(1, E, false); }},
        {K::MoveToPreviousLine, K::SelectPreviousLine, [&](bool E) { Vertical(-1, E, false); }},
        {K::MoveToNextPage, K::SelectNextPage, [&](bool E) { Vertical(VisibleLines(), E, true); }},
        {K::MoveToPreviousPage, K::SelectPreviousPage, [&](bool E) { Vertical(-VisibleLines(), E, true); }},
        {K::MoveToStartOfLine, K::SelectStartOfLine, [&](bool E) { MoveCaret(FLines->LineStart(Line), E); }},
        {K::MoveToEndOfLine, K::SelectEndOfLine, [&](bool E) { MoveCaret(FLines->LineEnd(Line), E); }},
        {K::MoveToStartOfDocument, K::SelectStartOfDocument, [&](bool E) { MoveCaret(0, E); }},
        {K::MoveToEndOfDocument, K::SelectEndOfDocument, [&](bool E) { MoveCaret(FLines->Size(), E); }},
    };
    for (const auto& M : Moves) {
        if (Event->matches(M.Move) || Event->matches(M.Select)) {
            const bool Extend = Event->matches(M.Select);
            M.Go(Extend);
            if (Extend) OfferSelection();
            return Event->accept();
        }
    }
    if (Event->matches(K::SelectAll)) {
        SetSelection(0, FLines->Size());
        OfferSelection();
    } else if (Event->matches(K::Copy)) {
        copy();
    } else if (Event->modifiers() == Qt::ControlModifier &&
               (Event->key() == Qt::Key_Up || Event->key() == Qt::Key_Down)) {
        verticalScrollBar()->triggerAction(Event->key() == Qt::Key_Up ? QAbstractSlider::SliderSingleStepSub
                                                                      : QAbstractSlider::SliderSingleStepAdd);
    } else {
        return QAbstractScrollArea::keyPressEvent(Event);
    }
    Event->accept();
}

int TXRichEdit::WordRight(int Pos) const {
    const QString& Text = FLines->Text();
    const int End = FLines->Size();
    if (Pos >= End) return End;
    const int Class = CharClass(Text[Pos]);
    if (Class == 1)
        while (Pos < End && CharClass(Text[Pos]) == 1) ++Pos;
    else if (Class == 2)
        ++Pos;
    while (Pos < End && CharClass(Text[Pos]) == 0) ++Pos;
    return Pos;
}

int TXRichEdit::WordLeft(int Pos) const {
    const QString& Text = FLines->Text();
    while (Pos > 0 && CharClass(Text[Pos - 1]) == 0) --Pos;
    if (Pos > 0 && CharClass(Text[Pos - 1]) == 1)
        while (Pos > 0 && CharClass(Text[Pos - 1]) == 1) --Pos;
    else if (Pos > 0)
        --Pos;
    return Pos;
}

// The word containing the caret reaches up to the start of the next word, so it may end in
// blanks; a span that does not start with a letter or underscore gives nothing.
QString TXRichEdit::CursorWord() {
    auto StartsWord = [](const QString& Text) {
        return !Text.isEmpty() && (Text[0].isLetter() || Text[0] == QLatin1Char('_'));
    };
    if (HasSelection()) {
        const QString Text = SelectedText();
        return StartsWord(Text) ? Text : QString();
    }
    const int End = WordRight(FCaret);
    const int Start = WordLeft(End);
    if (Start >= End) return {};
    const QString Text = FLines->Text().mid(Start, End - Start);
    if (!StartsWord(Text)) return {};
    SetSelection(Start, End);
    return Text;
}

void TXRichEdit::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(Event);
    Event->accept();
    if (TickCount() - FLastDblClickTick < DblClickWindow) return;
    MoveCaret(PositionAt(Event->position().toPoint()), Event->modifiers() & Qt::ShiftModifier);
}

void TXRichEdit::mouseMoveEvent(QMouseEvent* Event) {
    if (!(Event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(Event);
    Event->accept();
    DragTo(Event->position().toPoint());
}

void TXRichEdit::mouseReleaseEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(Event);
    Event->accept();
    FScrollTimer.stop();
    OfferSelection();
}

// The caret follows the pointer inside the text area; outside it, the caret stays on the edge
// line and the timer scrolls.
QPoint TXRichEdit::InsideText(QPoint Point) const {
    const int Right = std::max(Margin, viewport()->width() - Margin);
    const int Bottom = Margin + VisibleLines() * LineHeight() - 1;
    return {std::clamp(Point.x(), Margin, Right), std::clamp(Point.y(), Margin, std::max(Margin, Bottom))};
}

void TXRichEdit::DragTo(QPoint Point) {
    FDragPoint = Point;
    MoveCaret(PositionAt(InsideText(Point)), true);
    if (viewport()->rect().contains(Point))
        FScrollTimer.stop();
    else if (!FScrollTimer.isActive())
        FScrollTimer.start(AutoScrollMs, this);
}

// One step of a drag held outside the view: towards each edge the pointer is past, by more the
// farther it is (a line, or a character's width sideways, for each line height of distance).
void TXRichEdit::AutoScroll() {
    const QRect Area = viewport()->rect();
    const auto Steps = [this](int Beyond) {
        if (Beyond == 0) return 0;
        const int N = std::min(MostAutoScrollSteps, 1 + std::abs(Beyond) / LineHeight());
        return Beyond > 0 ? N : -N;
    };
    const auto Beyond = [](int V, int Low, int High) { return V < Low ? V - Low : V > High ? V - High : 0; };
    QScrollBar* Vertical = verticalScrollBar();
    QScrollBar* Horizontal = horizontalScrollBar();
    Vertical->setValue(Vertical->value() + Steps(Beyond(FDragPoint.y(), Area.top(), Area.bottom())));
    Horizontal->setValue(Horizontal->value() +
                         Steps(Beyond(FDragPoint.x(), Area.left(), Area.right())) * Horizontal->singleStep());
    MoveCaret(PositionAt(InsideText(FDragPoint)), true);
}

void TXRichEdit::mouseDoubleClickEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(Event);
    const uint32_t Now = TickCount();
    const bool TooSoon = Now - FLastDblClickTick < DblClickWindow;
    FLastDblClickTick = Now;
    Event->accept();
    if (TooSoon) return;
    // Past a line's end there is no word: the caret goes to the end, and nothing is selected.
    const QPoint Point = Event->position().toPoint();
    const int Pos = PositionAt(Point);
    if (Pos == FLines->LineEnd(FLines->LineOf(Pos)) && Point.x() >= CursorRect(Pos).left())
        SetSelection(Pos, Pos);
    else
        SelectWordAt(CharAt(Point));
    OfferSelection();
    emit DblClick();
}

// The character under a point: the caret position nearest to it, or the one before when the
// point lies left of that position (the right half of a character).
int TXRichEdit::CharAt(const QPoint& Point) const {
    const int Pos = PositionAt(Point);
    return Pos > 0 && Point.x() < CursorRect(Pos).left() ? Pos - 1 : Pos;
}

// The view's own double-click selection: the run of same-class characters under the pointer.
void TXRichEdit::SelectWordAt(int Pos) {
    const QString& Text = FLines->Text();
    const int End = FLines->Size();
    int Start = Pos, Stop = Pos;
    if (Pos < End) {
        const int Class = CharClass(Text[Pos]);
        if (Class == 2) {
            Stop = Pos + 1;
        } else {
            while (Start > 0 && CharClass(Text[Start - 1]) == Class) --Start;
            while (Stop < End && CharClass(Text[Stop]) == Class) ++Stop;
        }
    }
    SetSelection(Start, Stop);
}

}  // namespace qm
