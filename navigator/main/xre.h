// TXRichEdit: the read-only source view. Lines and characters are addressed by 0-based index;
// double-clicks pass a 500 ms filter before they select a word and emit DblClick.
#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <cstdint>
#include <functional>
#include <map>


namespace qm {

// Milliseconds of a free-running 32-bit clock, as the double-click filter reads it; tests
// replace it.
using TTickSource = std::function<uint32_t()>;
void SetTickSource(TTickSource Source);
uint32_t TickCount();

class TXRichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TXRichEdit(QWidget* Parent = nullptr);

    int CursorLinePos() const;
    // Moves the caret to the start of Line with an empty selection; nothing when there is no such line.
    void SetCursorLinePos(int Line);
    int CursorCharPos() const;
    int FirstVisibleLine() const;
    // Scrolls so that Line is the top line, as far as the text allows.
    void SetFirstVisibleLine(int Line);
    // The character index where Line starts; -1 when there is no such line.
    int LineIndex(int Line) const;
    // Line drawn in Color (black is the text's own colour), until another document is shown.
    void ColorLine(int Line, const QColor& Color);
    // The colour ColorLine gave Line; black for every other line.
    QColor LineColor(int Line) const;
    // The identifier at the caret (see the .cpp), possibly followed by blanks; empty when none.
    QString CursorWord();
    // Shows Document (which stays its owner's), all black, caret at the start.
    void ShowDocument(QTextDocument* Document);
    // Shows no text.
    void ShowEmpty();

    // An identifier is letters, digits and underscores; the word steps and the double-click
    // selection use these classes.
    static bool IsWordChar(QChar C);

signals:
    // A double-click that passed the filter; the word under it is selected.
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    int WordRight(int Pos) const;
    int WordLeft(int Pos) const;
    int CharAt(const QPoint& Point) const;
    void UpdateLineColours();

    QTextDocument* FBlank;  // what ShowEmpty shows
    uint32_t FLastDblClickTick = 0;  // the tick of the last double-click the view took
    std::map<int, QColor> FLineColours;
    void SelectWordAt(int Pos);
};

}  // namespace qm
