// The status bar's panels and the load's progress bar.
#include "statuspanels.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <cstdlib>

namespace qm {

// A panel keeps the whole of its text; one set in parts is laid out again to the room it has
// whenever its width changes.
class TPanelLabel : public QLabel {
public:
    using QLabel::QLabel;

    void SetWhole(const QString& Text) {
        FParts = false;
        FWhole = Text;
        Show(Text);
        if (!toolTip().isEmpty()) setToolTip(QString());
    }
    void SetParts(const QString& Lead, const QString& Words, const QString& Name) {
        FParts = true;
        FLead = Lead;
        FWords = Words;
        FName = Name;
        FWhole = Joined(Words + Name);
        Fit();
    }
    const QString& Whole() const { return FWhole; }

protected:
    void resizeEvent(QResizeEvent* Event) override {
        QLabel::resizeEvent(Event);
        if (FParts) Fit();
    }

private:
    QString Joined(const QString& Rest) const {
        if (FLead.isEmpty()) return Rest;
        return Rest.isEmpty() ? FLead : FLead + QStringLiteral(": ") + Rest;
    }
    void Fit() {
        const QFontMetrics Metrics(font());
        // QLabel's own indent beside a frame is half an "x".
        const int Indent = indent() >= 0 ? indent() : (frameWidth() > 0 ? Metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
        const int Room = contentsRect().width() - 2 * margin() - Indent;
        const auto Fits = [&](const QString& Text) { return Metrics.horizontalAdvance(Text) <= Room; };
        QString Shown = FWhole;
        if (!Fits(Shown)) Shown = Joined(FName);
        if (!Fits(Shown)) {
            const QString Lead = Joined(QString());
            const int Separator = FLead.isEmpty() ? 0 : Metrics.horizontalAdvance(QStringLiteral(": "));
            const QString Name =
                Metrics.elidedText(FName, Qt::ElideMiddle, Room - Metrics.horizontalAdvance(Lead) - Separator);
            // A name cut down to its ellipsis says nothing.
            Shown = Name.size() > 1 ? Joined(Name) : Lead;
        }
        Show(Shown);
        setToolTip(Shown == FWhole ? QString() : FWhole);
    }
    void Show(const QString& Text) {
        if (text() != Text) setText(Text);
    }

    bool FParts = false;
    QString FWhole, FLead, FWords, FName;
};

TStatusPanels::TStatusPanels(QStatusBar& Bar) {
    const int Widths[4] = {180, 100, 100, 50};
    static const char* const Roles[4] = {"Unit", "Line", "Page", "Class and member"};
    for (int i = 0; i < 4; ++i) {
        auto* Panel = new TPanelLabel(&Bar);
        Panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        Panel->setFixedWidth(Widths[i]);
        Panel->setFrameShape(QFrame::StyledPanel);
        Panel->setFrameShadow(QFrame::Sunken);
        Panel->setTextFormat(Qt::PlainText);
        Panel->setAccessibleDescription(QString::fromLatin1(Roles[i]));
        Bar.addWidget(Panel, i == 3 ? 1 : 0);
        FPanels[static_cast<size_t>(i)] = Panel;
    }
    // The last panel takes the room that is left.
    FPanels[3]->setMinimumWidth(Widths[3]);
    FPanels[3]->setMaximumWidth(QWIDGETSIZE_MAX);
    FProgress = new QProgressBar(&Bar);
    FProgress->setObjectName(QStringLiteral("ProgressBar"));
    FProgress->setAccessibleName(QStringLiteral("Loading units"));
    FProgress->setMaximumWidth(160);
    // Narrower than it would be by itself, so that it and the Cancel button fit beside the panels
    // of a window at its first width: the window must not grow when a load begins.
    FProgress->setMinimumWidth(60);
    FProgress->hide();
    Bar.addPermanentWidget(FProgress);
    FCancel = new QPushButton(QStringLiteral("Cancel"), &Bar);
    FCancel->setObjectName(QStringLiteral("CancelLoadButton"));
    FCancel->hide();
    Bar.addPermanentWidget(FCancel);
}

void TStatusPanels::SetText(int Panel, const QString& Text) {
    FPanels[static_cast<size_t>(Panel)]->SetWhole(Text);
}

void TStatusPanels::SetText(int Panel, const QString& Lead, const QString& Words, const QString& Name) {
    FPanels[static_cast<size_t>(Panel)]->SetParts(Lead, Words, Name);
}

QString TStatusPanels::Text(int Panel) const {
    return FPanels[static_cast<size_t>(Panel)]->Whole();
}

void TStatusPanels::GiveRoomToLast(bool On) {
    for (int i = 0; i < 3; ++i) FPanels[static_cast<size_t>(i)]->setVisible(!On);
}

void TStatusPanels::Clear() {
    for (int i = 0; i < 4; ++i) SetText(i, QString());
}

// truncate(L / |LinesPerPage| * 10) * 0.1 + 1: line 1 is page 1.0, line 72 of 72 is 2.0.
QString TStatusPanels::PageText(int Line, int LinesPerPage) {
    if (LinesPerPage == 0) return {};
    const double Page =
        static_cast<double>(static_cast<long long>(static_cast<double>(Line) / std::abs(LinesPerPage) * 10)) * 0.1 + 1;
    return QString::asprintf("Page: %5.1f", Page);
}

}  // namespace qm
