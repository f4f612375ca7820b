// The source view on Qt's plain-text view: no wrap, read-only, black text; bookmarked lines are
// drawn red by extra selections that belong to the view, not to the document shown.
#include "xre.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <chrono>


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

// 0 blanks and line ends, 1 identifier characters, 2 anything else.
int CharClass(QChar C) {
    if (TXRichEdit::IsWordChar(C)) return 1;
    return C.isSpace() || C == QChar::ParagraphSeparator ? 0 : 2;
}

}  // namespace

void SetTickSource(TTickSource Source) {
    Ticks() = std::move(Source);
}

uint32_t TickCount() {
    return Ticks()();
}

TXRichEdit::TXRichEdit(QWidget* Parent) : QPlainTextEdit(Parent) {
    FBlank = new QTextDocument(this);
    FBlank->setDocumentLayout(new QPlainTextDocumentLayout(FBlank));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only views still show their caret and let the keyboard move it.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The selection stays visible without the focus.
    QPalette Colors = palette();
    Colors.setColor(QPalette::Inactive, QPalette::Highlight, Colors.color(QPalette::Active, QPalette::Highlight));
    Colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    Colors.color(QPalette::Active, QPalette::HighlightedText));
    Colors.setColor(QPalette::Text, Qt::black);
    setPalette(Colors);
}

bool TXRichEdit::IsWordChar(QChar C) {
    return C.isLetterOrNumber() || C == QLatin1Char('_');
}

int TXRichEdit::CursorLinePos() const {
    return document()->findBlock(CursorCharPos()).blockNumber();
}

void TXRichEdit::SetCursorLinePos(int Line) {
    const QTextBlock Block = document()->findBlockByNumber(Line);
    if (!Block.isValid()) return;
    QTextCursor Cursor(document());
    Cursor.setPosition(Block.position());
    setTextCursor(Cursor);
}

int TXRichEdit::CursorCharPos() const {
    return textCursor().selectionStart();
}

int TXRichEdit::FirstVisibleLine() const {
    // Without wrapping the vertical scroll bar counts whole lines.
    return verticalScrollBar()->value();
}

void TXRichEdit::SetFirstVisibleLine(int Line) {
    verticalScrollBar()->setValue(Line);
}

int TXRichEdit::LineIndex(int Line) const {
    const QTextBlock Block = document()->findBlockByNumber(Line);
    return Block.isValid() ? Block.position() : -1;
}

// Bookmarked lines are coloured by extra selections, so that a document kept for later shows
// again without the colours of an earlier visit.
void TXRichEdit::ColorLine(int Line, const QColor& Color) {
    if (!document()->findBlockByNumber(Line).isValid()) return;
    if (Color == QColor(Qt::black))
        FLineColours.erase(Line);
    else
        FLineColours[Line] = Color;
    UpdateLineColours();
}

QColor TXRichEdit::LineColor(int Line) const {
    const auto Found = FLineColours.find(Line);
    return Found == FLineColours.end() ? QColor(Qt::black) : Found->second;
}

void TXRichEdit::UpdateLineColours() {
    QList<QTextEdit::ExtraSelection> Selections;
    for (const auto& [Line, Colour] : FLineColours) {
        const QTextBlock Block = document()->findBlockByNumber(Line);
        if (!Block.isValid()) continue;
        QTextEdit::ExtraSelection Selection;
        Selection.cursor = QTextCursor(Block);
        Selection.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        Selection.format.setForeground(Colour);
        Selections << Selection;
    }
    setExtraSelections(Selections);
}

void TXRichEdit::ShowDocument(QTextDocument* Document) {
    FLineColours.clear();
    setExtraSelections({});
    // A document made elsewhere has the application's font until it is given the view's.
    Document->setDefaultFont(font());
    if (document() != Document) setDocument(Document);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTextCursor(QTextCursor(Document));
}

void TXRichEdit::ShowEmpty() {
    ShowDocument(FBlank);
}

int TXRichEdit::WordRight(int Pos) const {
    const QTextDocument* Doc = document();
    const int End = Doc->characterCount() - 1;
    if (Pos >= End) return End;
    const int Class = CharClass(Doc->characterAt(Pos));
    if (Class == 1)
        while (Pos < End && CharClass(Doc->characterAt(Pos)) == 1) ++Pos;
    else if (Class == 2)
        ++Pos;
    while (Pos < End && CharClass(Doc->characterAt(Pos)) == 0) ++Pos;
    return Pos;
}

int TXRichEdit::WordLeft(int Pos) const {
    const QTextDocument* Doc = document();
    while (Pos > 0 && CharClass(Doc->characterAt(Pos - 1)) == 0) --Pos;
    if (Pos > 0 && CharClass(Doc->characterAt(Pos - 1)) == 1)
        while (Pos > 0 && CharClass(Doc->characterAt(Pos - 1)) == 1) --Pos;
    else if (Pos > 0)
        --Pos;
    return Pos;
}

// The word containing the caret reaches up to the start of the next word, so it may end in
// blanks; a span that does not start with a letter or underscore gives nothing.
QString TXRichEdit::CursorWord() {
    QTextCursor Cursor = textCursor();
    auto StartsWord = [](const QString& Text) {
        return !Text.isEmpty() && (Text[0].isLetter() || Text[0] == QLatin1Char('_'));
    };
    if (Cursor.hasSelection()) {
        const QString Text = Cursor.selectedText();
        return StartsWord(Text) ? Text : QString();
    }
    const int Pos = Cursor.position();
    const int End = WordRight(Pos);
    const int Start = WordLeft(End);
    if (Start >= End) return {};
    Cursor.setPosition(Start);
    Cursor.setPosition(End, QTextCursor::KeepAnchor);
    QString Text = Cursor.selectedText();
    Text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (StartsWord(Text)) {
        setTextCursor(Cursor);
        return Text;
    }
    return {};
}

void TXRichEdit::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && TickCount() - FLastDblClickTick < DblClickWindow) {
        Event->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(Event);
}

void TXRichEdit::mouseDoubleClickEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(Event);
        return;
    }
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
    const QTextCursor Cursor = cursorForPosition(Point);
    const int Pos = Cursor.position();
    return Pos > 0 && Point.x() < cursorRect(Cursor).left() ? Pos - 1 : Pos;
}

// The view's own double-click selection: the run of same-class characters under the pointer.
void TXRichEdit::SelectWordAt(int Pos) {
    const QTextDocument* Doc = document();
    const int End = Doc->characterCount() - 1;
    int Start = Pos, Stop = Pos;
    if (Pos < End) {
        const int Class = CharClass(Doc->characterAt(Pos));
        if (Class == 2) {
            Stop = Pos + 1;
        } else {
            while (Start > 0 && CharClass(Doc->characterAt(Start - 1)) == Class) --Start;
            while (Stop < End && CharClass(Doc->characterAt(Stop)) == Class) ++Stop;
        }
    }
    QTextCursor Cursor(document());
    Cursor.setPosition(Start);
    Cursor.setPosition(Stop, QTextCursor::KeepAnchor);
    setTextCursor(Cursor);
}

}  // namespace qm
