// TLoadReportDlg, "Add Folder": what a load of many units left out, one line a unit with the
// reason, in a text the user can select and copy whole; the box takes the size its text needs.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace qm {

// A load's message as the window tells it: the advice to use the command-line tool's option for
// modern Object Pascal becomes where the window's own setting is.
QString WindowAdvice(const QString& Message);

class TLoadReportDlg : public QDialog {
    Q_OBJECT

public:
    explicit TLoadReportDlg(QWidget* Parent = nullptr);

    // Loaded units counted, Failed one line each ("FILE: reason"), then Notes: what added units
    // left out and which of several units of one name they use, one line each.
    void SetReport(int Loaded, const QStringList& Failed, bool Cancelled, const QStringList& Notes = {});
    // The lines as shown.
    QString Text() const;

private:
    void CopyText();
    void FitToText(const QStringList& Lines);

    QLabel* FSummary;
    QPlainTextEdit* FLines;
};

}  // namespace qm
