// The source view's accessible interface: a read-only multi-line text whose offsets are the
// view's character positions, line feeds included.
#include "xreaccess.h"

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "xre.h"

namespace qm {
namespace {

class TXRichEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TXRichEditAccessible(TXRichEdit* View) : QAccessibleWidget(View, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType Type) override {
        if (Type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }
    QAccessible::State state() const override {
        QAccessible::State S = QAccessibleWidget::state();
        S.readOnly = true;
        S.multiLine = true;
        S.selectableText = true;
        return S;
    }

    void selection(int Index, int* Start, int* End) const override {
        *Start = *End = 0;
        if (Index != 0 || !View()->HasSelection()) return;
        *Start = std::min(View()->Anchor(), View()->Caret());
        *End = std::max(View()->Anchor(), View()->Caret());
    }
    int selectionCount() const override { return View()->HasSelection() ? 1 : 0; }
    // There is one selection: index 0.
    void addSelection(int Start, int End) override {
        if (!View()->HasSelection()) setSelection(0, Start, End);
    }
    void removeSelection(int Index) override {
        if (Index == 0) View()->SetSelection(View()->Caret(), View()->Caret());
    }
    void setSelection(int Index, int Start, int End) override {
        if (Index == 0) View()->SetSelection(Start, End);
    }
    int cursorPosition() const override { return View()->Caret(); }
    void setCursorPosition(int Position) override { View()->SetSelection(Position, Position); }
    QString text(int Start, int End) const override {
        const QString& All = View()->Lines().Text();
        Start = std::clamp(Start, 0, static_cast<int>(All.size()));
        End = std::clamp(End, Start, static_cast<int>(All.size()));
        return All.mid(Start, End - Start);
    }
    QString text(QAccessible::Text Kind) const override { return QAccessibleWidget::text(Kind); }
    int characterCount() const override { return View()->Lines().Size(); }
    // Offsets and points outside the text have no place: an empty rectangle, offset -1.
    QRect characterRect(int Offset) const override {
        if (Offset < 0 || Offset >= characterCount()) return {};
        QRect R = View()->CursorRect(Offset);
        R.setRight(View()->CursorRect(std::min(Offset + 1, characterCount())).left());
        if (R.width() < 1) R.setWidth(View()->fontMetrics().averageCharWidth());
        return QRect(View()->viewport()->mapToGlobal(R.topLeft()), R.size());
    }
    int offsetAtPoint(const QPoint& Point) const override {
        const QPoint Local = View()->viewport()->mapFromGlobal(Point);
        return View()->viewport()->rect().contains(Local) ? View()->PositionAt(Local) : -1;
    }
    void scrollToSubstring(int Start, int) override {
        View()->SetFirstVisibleLine(View()->Lines().LineOf(Start));
    }
    // The text has no attributes: one run over all of it.
    QString attributes(int Offset, int* Start, int* End) const override {
        const bool Inside = Offset >= 0 && Offset <= characterCount();
        *Start = Inside ? 0 : -1;
        *End = Inside ? characterCount() : -1;
        return {};
    }

    QString textBeforeOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* Start, int* End) const override {
        int S = 0, E = 0;
        Span(Offset, Boundary, &S, &E);
        return S > 0 ? Span(S - 1, Boundary, Start, End) : Empty(Start, End);
    }
    QString textAfterOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* Start, int* End) const override {
        int S = 0, E = 0;
        Span(Offset, Boundary, &S, &E);
        return E < characterCount() ? Span(E, Boundary, Start, End) : Empty(Start, End);
    }
    QString textAtOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* Start, int* End) const override {
        return Span(Offset, Boundary, Start, End);
    }

private:
    TXRichEdit* View() const { return static_cast<TXRichEdit*>(widget()); }

    static QString Empty(int* Start, int* End) {
        *Start = *End = -1;
        return {};
    }

    // The span of the given kind around Offset: a line (with its line feed), a word, a character,
    // or everything; sentences and paragraphs are taken as lines.
    QString Span(int Offset, QAccessible::TextBoundaryType Boundary, int* Start, int* End) const {
        const TSourceLines& Lines = View()->Lines();
        const int Count = characterCount();
        if (Offset == -2) Offset = cursorPosition();
        if (Offset < 0 || Offset > Count) return Empty(Start, End);
        switch (Boundary) {
            case QAccessible::CharBoundary:
                *Start = std::min(Offset, Count);
                *End = std::min(Offset + 1, Count);
                break;
            case QAccessible::WordBoundary: {
                QTextBoundaryFinder Finder(QTextBoundaryFinder::Word, Lines.Text());
                Finder.setPosition(std::min(Offset, Count));
                *Start = Finder.isAtBoundary() ? Offset : static_cast<int>(Finder.toPreviousBoundary());
                Finder.setPosition(std::min(Offset, Count));
                const qsizetype Next = Finder.toNextBoundary();
                *End = Next < 0 ? Count : static_cast<int>(Next);
                break;
            }
            case QAccessible::NoBoundary:
                *Start = 0;
                *End = Count;
                break;
            default: {
                const int Line = Lines.LineOf(Offset);
                *Start = Lines.LineStart(Line);
                *End = std::min(Count, Lines.LineEnd(Line) + 1);
                break;
            }
        }
        return Lines.Text().mid(*Start, *End - *Start);
    }
};

QAccessibleInterface* Factory(const QString& ClassName, QObject* Object) {
    if (ClassName == QLatin1String("qm::TXRichEdit") && Object && Object->isWidgetType())
        return new TXRichEditAccessible(static_cast<TXRichEdit*>(Object));
    return nullptr;
}

}  // namespace

void InstallXRichEditAccessibility() {
    static const bool Installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)Installed;
}

}  // namespace qm
