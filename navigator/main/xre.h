// TXRichEdit: the read-only source view. Lines and characters are addressed by 0-based index;
// double-clicks pass a 500 ms filter before they select a word and emit DblClick. The view paints
// only the lines in sight from one string and its line index (TSourceLines), so showing a text
// costs nothing for the lines out of sight.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "sourcelines.h"

class QTextLayout;

namespace qm {

// Milliseconds of a free-running 32-bit clock, as the double-click filter reads it; tests
// replace it.
using TTickSource = std::function<uint32_t()>;
void SetTickSource(TTickSource Source);
uint32_t TickCount();

class TXRichEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TXRichEdit(QWidget* Parent = nullptr);
    ~TXRichEdit() override;

    int CursorLinePos() const;
    // Moves the caret to the start of Line with an empty selection; nothing when there is no such line.
    void SetCursorLinePos(int Line);
    int CursorCharPos() const;
    int FirstVisibleLine() const;
    // Scrolls so that Line is the top line, as far as the text allows.
    void SetFirstVisibleLine(int Line);
    // The character index where Line starts; -1 when there is no such line.
    int LineIndex(int Line) const;
    // Line drawn in Color (black is the text's own colour), until another text is shown.
    void ColorLine(int Line, const QColor& Color);
    // The colour ColorLine gave Line; black for every other line.
    QColor LineColor(int Line) const;
    // The identifier at the caret (see the .cpp), possibly followed by blanks; empty when none.
    QString CursorWord();
    // Shows Text (shared with whoever keeps it), all black, caret at the start.
    void ShowText(std::shared_ptr<const TSourceLines> Text);
    // Shows no text.
    void ShowEmpty();

    const TSourceLines& Lines() const { return *FLines; }
    const std::shared_ptr<const TSourceLines>& SharedLines() const { return FLines; }
    QString Text() const { return FLines->Text(); }
    // The selection runs from Anchor to the caret; line breaks in it read as line feeds.
    int Anchor() const { return FAnchor; }
    int Caret() const { return FCaret; }
    bool HasSelection() const { return FAnchor != FCaret; }
    QString SelectedText() const;
    // Selects Anchor up to Caret (clamped to the text), the caret brought into sight.
    void SetSelection(int Anchor, int Caret);
    // The selection to the clipboard; nothing when there is none.
    void copy() const;
    // The caret's rectangle at character Pos, in the viewport's coordinates.
    QRect CursorRect(int Pos) const;
    // The character position nearest to Point in the viewport.
    int PositionAt(const QPoint& Point) const;
    int LineHeight() const;
    // Lines laid out since the view was made: what a repaint or a caret move cost.
    int LayoutCount() const { return FLayouts; }

    // An identifier is letters, digits and underscores; the word steps and the double-click
    // selection use these classes.
    static bool IsWordChar(QChar C);

signals:
    // A double-click that passed the filter; the word under it is selected.
    void DblClick();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void timerEvent(QTimerEvent* Event) override;
    void scrollContentsBy(int Dx, int Dy) override;

private:
    int WordRight(int Pos) const;
    int WordLeft(int Pos) const;
    int CharAt(const QPoint& Point) const;
    void SelectWordAt(int Pos);
    // The one way the selection changes: Anchor up to Caret (clamped), the caret brought into
    // sight and blinking, and the accessibility layer told what changed. Column is kept for Up
    // and Down when KeepColumn.
    void Select(int Anchor, int Caret, bool KeepColumn = false);
    // Moves the caret to Pos, keeping the anchor when Extend.
    void MoveCaret(int Pos, bool Extend, bool KeepColumn = false);
    void EnsureCaretVisible();
    void UpdateScrollBars();
    int VisibleLines() const;
    int LeftMargin() const;
    void LayOut(QTextLayout& Layout, int Line) const;
    // The layout of Line, kept while the caret's line stays the same, the text and the font too.
    const QTextLayout& KeptLayout(int Line) const;
    void ForgetLayout();
    int XOf(int Pos) const;
    void StartBlink();
    void Notify(int OldAnchor, int OldCaret);
    // A selection the user made goes to the X primary selection where the platform has one.
    void OfferSelection() const;
    // The drag's point brought inside the text area, where the caret follows it.
    QPoint InsideText(QPoint Point) const;
    void DragTo(QPoint Point);
    void AutoScroll();

    std::shared_ptr<const TSourceLines> FLines;
    int FAnchor = 0;
    int FCaret = 0;
    int FColumnX = -1;  // the x that Up and Down keep; -1 when the caret's own
    bool FCaretShown = true;
    int FBlinkTimer = 0;
    uint32_t FLastDblClickTick = 0;  // the tick of the last double-click the view took
    std::map<int, QColor> FLineColours;
    mutable int FLayouts = 0;
    mutable std::unique_ptr<QTextLayout> FKept;
    mutable int FKeptLine = -1;
    qreal FAdvance = 1;  // the font's advance: the text is fixed-pitch
    QBasicTimer FScrollTimer;  // runs while a drag holds the pointer outside the view
    QPoint FDragPoint;
};

}  // namespace qm
