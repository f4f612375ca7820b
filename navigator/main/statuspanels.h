// The status bar's four panels (unit, line, page, class and member) and the progress bar that
// stands beside them while units load, with a Cancel button when the load may be cancelled.
#pragma once

#include <QString>
#include <array>

class QProgressBar;
class QPushButton;
class QStatusBar;

namespace qm {

class TPanelLabel;

class TStatusPanels {
public:
    explicit TStatusPanels(QStatusBar& Bar);

    // A panel's text is set only when it differs, so an idle moment that changes nothing
    // repaints nothing.
    void SetText(int Panel, const QString& Text);
    // "Lead: Words Name" (just "Words Name" without a Lead) in a panel that may be too narrow for
    // it: Words give way first, then Name is shortened in its middle; Lead stays. The whole text
    // is the panel's tooltip when it does not fit.
    void SetText(int Panel, const QString& Lead, const QString& Words, const QString& Name);
    // The whole text, as set.
    QString Text(int Panel) const;
    // While a load of many units runs, the panels it leaves empty (unit, line, page) give their
    // room to the last one, which tells the load's progress.
    void GiveRoomToLast(bool On);
    void Clear();
    // "Page: %5.1f" of a 1-based line with LinesPerPage lines a page; empty when LinesPerPage is 0.
    static QString PageText(int Line, int LinesPerPage);
    // The page of a 1-based line with the page size the configuration gives (72 until it is read).
    QString PageText(int Line) const { return PageText(Line, FLinesPerPage); }
    void SetLinesPerPage(int Lines) { FLinesPerPage = Lines; }
    int LinesPerPage() const { return FLinesPerPage; }
    QProgressBar& Progress() const { return *FProgress; }
    // Beside the progress bar while a load that may be cancelled runs.
    QPushButton& Cancel() const { return *FCancel; }

private:
    std::array<TPanelLabel*, 4> FPanels{};
    QProgressBar* FProgress;
    QPushButton* FCancel;
    int FLinesPerPage = 72;
};

}  // namespace qm
