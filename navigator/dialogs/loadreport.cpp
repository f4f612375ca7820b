// The report after a load of many units, sized to what it says: a line of summary alone is a small
// box, a list of failures as wide as its longest line and as tall as its lines, both within the
// screen.
#include "loadreport.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "centrewindow.h"
#include "unitparser.h"

namespace qm {

// Where the check box is, by the captions of the menu item and of the box in the configuration
// dialog.
QString WindowAdvice(const QString& Message) {
    QString Text = Message;
    return Text.replace(QString::fromLatin1(ModernDialectHint),
                        QStringLiteral("This unit uses modern Object Pascal: in Edit > Configuration, tick \"Read modern "
                                       "Object Pascal: overloads, generics, strict visibility, helpers, include files\""));
}

TLoadReportDlg::TLoadReportDlg(QWidget* Parent)
    : QDialog(Parent), FSummary(new QLabel(this)), FLines(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("LoadReportDlg"));
    setWindowTitle(QStringLiteral("Add Folder"));
    FSummary->setObjectName(QStringLiteral("Summary"));
    FSummary->setWordWrap(true);
    FLines->setObjectName(QStringLiteral("Lines"));
    FLines->setReadOnly(true);
    FLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    FLines->setAccessibleName(QStringLiteral("Units that did not load"));
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* Copy = Buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    Copy->setObjectName(QStringLiteral("CopyButton"));
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    connect(Copy, &QPushButton::clicked, this, &TLoadReportDlg::CopyText);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(FSummary);
    Layout->addWidget(FLines, 1);
    Layout->addWidget(Buttons);
    CentreOnShow(*this);
}

void TLoadReportDlg::SetReport(int Loaded, const QStringList& Failed, bool Cancelled, const QStringList& Notes) {
    QString Summary = Loaded == 1 ? QStringLiteral("1 unit was added.") : QStringLiteral("%1 units were added.").arg(Loaded);
    if (Cancelled) Summary += QStringLiteral(" The load was cancelled; the units added before stay.");
    if (!Failed.isEmpty())
        Summary += Failed.size() == 1 ? QStringLiteral(" 1 unit did not load")
                                      : QStringLiteral(" %1 units did not load").arg(Failed.size());
    if (!Notes.isEmpty())
        Summary += Failed.isEmpty() ? QStringLiteral(" Notes on the units added") : QStringLiteral(", and notes on the units added");
    if (!Failed.isEmpty() || !Notes.isEmpty()) Summary += QLatin1Char(':');
    FSummary->setText(Summary);
    QStringList Lines;
    for (const QString& Line : Failed + Notes) Lines << WindowAdvice(Line);
    FLines->setPlainText(Lines.join(QLatin1Char('\n')));
    FLines->setVisible(!Lines.isEmpty());
    FitToText(Lines);
}

// The summary on one line when the screen allows; the lines without scrolling up to two thirds of
// the screen, scroll bars beyond.
void TLoadReportDlg::FitToText(const QStringList& Lines) {
    const QScreen* Screen = screen() ? screen() : QGuiApplication::primaryScreen();
    // As adjustSize allows a window at most.
    const QSize Room = Screen->availableGeometry().size() * 2 / 3;
    const int Chrome = width() - contentsRect().width() + layout()->contentsMargins().left() +
                       layout()->contentsMargins().right();
    const QFontMetrics SummaryMetrics(FSummary->font());
    FSummary->setMinimumWidth(std::min(SummaryMetrics.horizontalAdvance(FSummary->text()) + 1, Room.width() - Chrome));
    FLines->setMinimumSize(0, 0);
    if (!Lines.isEmpty()) {
        const QFontMetrics Metrics(FLines->font());
        int Longest = 0;
        for (const QString& Line : Lines) Longest = std::max(Longest, Metrics.horizontalAdvance(Line));
        // The frame and the document's margin on both sides, and a character's room to spare for
        // the cursor and the layout's rounding.
        const int Edges = 2 * FLines->frameWidth() + 2 * static_cast<int>(FLines->document()->documentMargin()) +
                          2 * Metrics.averageCharWidth();
        const int Tall = (static_cast<int>(Lines.size()) + 1) * Metrics.lineSpacing() + Edges;
        const int MaxHeight = Room.height() - FSummary->sizeHint().height() - 80;
        const int Scroll = FLines->verticalScrollBar()->sizeHint().width();
        const int TextWidth = std::min(Longest + Edges + (Tall > MaxHeight ? Scroll : 0), Room.width() - Chrome);
        const int TextHeight = std::min(Tall + (TextWidth < Longest + Edges ? Scroll : 0), MaxHeight);
        FLines->setMinimumSize(TextWidth, TextHeight);
    }
    // The text's size stays the box's minimum: it is laid out again at each show.
    adjustSize();
    resize(minimumSizeHint());
}

QString TLoadReportDlg::Text() const {
    return FLines->toPlainText();
}

void TLoadReportDlg::CopyText() {
    QApplication::clipboard()->setText(FLines->toPlainText());
}

}  // namespace qm
