// The source view: a scroll area that lays out and paints only the lines in sight, each with a
// QTextLayout of its own. No wrap, read-only, black text; bookmarked lines are drawn in the
// colour ColorLine gave them, which belongs to the view, not to the text shown.
#include "xre.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>
#include <algorithm>
#include <chrono>

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
constexpr qreal TabStop = 80;          // pixels from one tab stop to the next
constexpr qreal Unbounded = 1'000'000;  // the width a line never reaches: no wrapping

// 0 blanks and line ends, 1 identifier characters, 2 anything else.
int CharClass(QChar C) {
    if (TXRichEdit::IsWordChar(C)) return 1;
    return C.isSpace() ? 0 : 2;
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
    FLines = Text ? std::move(Text) : NoText();
    FLineColours.clear();
    FAnchor = FCaret = 0;
    FColumnX = -1;
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleEvent Changed(this, QAccessible::TextUpdated);
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
    FAnchor = std::clamp(Anchor, 0, FLines->Size());
    MoveCaret(Caret, true);
}

void TXRichEdit::copy() const {
    if (HasSelection()) QApplication::clipboard()->setText(SelectedText());
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
    QTextOption Option(Qt::AlignLeft | Qt::AlignAbsolute);
    Option.setWrapMode(QTextOption::NoWrap);
    Option.setTabStopDistance(TabStop);
    Layout.setText(FLines->Line(Line).toString());
    Layout.setFont(font());
    Layout.setTextOption(Option);
    Layout.setCacheEnabled(true);
    Layout.beginLayout();
    QTextLine Row = Layout.createLine();
    if (Row.isValid()) Row.setLineWidth(Unbounded);
    Layout.endLayout();
}

int TXRichEdit::XOf(int Pos) const {
    const int Line = FLines->LineOf(Pos);
    QTextLayout Layout;
    LayOut(Layout, Line);
    return qRound(Layout.lineAt(0).cursorToX(Pos - FLines->LineStart(Line)));
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
    QTextLayout Layout;
    LayOut(Layout, Line);
    return FLines->LineStart(Line) + Layout.lineAt(0).xToCursor(Point.x() - LeftMargin());
}

void TXRichEdit::UpdateScrollBars() {
    QScrollBar* Vertical = verticalScrollBar();
    Vertical->setSingleStep(1);
    Vertical->setPageStep(VisibleLines());
    Vertical->setRange(0, std::max(0, FLines->LineCount() - VisibleLines()));
    const int CharWidth = std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M')));
    const int TabColumns = static_cast<int>(TabStop) / CharWidth + 1;
    const int Width = FLines->MaxColumns(TabColumns) * CharWidth + 2 * Margin + 1;
    QScrollBar* Horizontal = horizontalScrollBar();
    Horizontal->setSingleStep(CharWidth);
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
    for (int Line = First; Line <= Last; ++Line) {
        const QPointF At(LeftMargin(), Margin + (Line - First) * Height);
        if (!Event->rect().intersects(QRect(0, static_cast<int>(At.y()), viewport()->width(), Height))) continue;
        QTextLayout Layout;
        LayOut(Layout, Line);
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

void TXRichEdit::MoveCaret(int Pos, bool Extend, bool KeepColumn) {
    Pos = std::clamp(Pos, 0, FLines->Size());
    if (!Extend) FAnchor = Pos;
    FCaret = Pos;
    if (!KeepColumn) FColumnX = -1;
    EnsureCaretVisible();
    StartBlink();
    viewport()->update();
    Notify();
}

void TXRichEdit::Notify() {
    if (!QAccessible::isActive()) return;
    if (HasSelection()) {
        QAccessibleTextSelectionEvent Selection(this, std::min(FAnchor, FCaret), std::max(FAnchor, FCaret));
        Selection.setCursorPosition(FCaret);
        QAccessible::updateAccessibility(&Selection);
    } else {
        QAccessibleTextCursorEvent Caret(this, FCaret);
        QAccessible::updateAccessibility(&Caret);
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
        QTextLayout Layout;
        LayOut(Layout, Target);
        MoveCaret(FLines->LineStart(Target) + Layout.lineAt(0).xToCursor(FColumnX), Extend, true);
    };
    const struct {
        K::StandardKey Move, Select;
        std::function<void(bool)> Go;
    } Moves[] = {
        {K::MoveToNextChar, K::SelectNextChar, [&](bool E) { MoveCaret(FCaret + 1, E); }},
        {K::MoveToPreviousChar, K::SelectPreviousChar, [&](bool E) { MoveCaret(FCaret - 1, E); }},
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
            M.Go(Event->matches(M.Select));
            return Event->accept();
        }
    }
    if (Event->matches(K::SelectAll)) {
        SetSelection(0, FLines->Size());
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
    MoveCaret(PositionAt(Event->position().toPoint()), true);
}

void TXRichEdit::mouseDoubleClickEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(Event);
    const uint32_t Now = TickCount();
    const bool TooSoon = Now - FLastDblClickTick < DblClickWindow;
    FLastDblClickTick = Now;
    Event->accept();
    if (TooSoon) return;
    SelectWordAt(CharAt(Event->position().toPoint()));
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
