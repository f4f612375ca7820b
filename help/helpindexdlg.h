// THelpIndexDlg: the keyword index window of Delphi's help, listing every keyword of the index;
// typing moves to the first keyword that begins with the text, Enter or a double-click looks it up.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "delphihelp.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace qm {

class THelpIndexDlg : public QDialog {
    Q_OBJECT

public:
    // HelpFileName and IndexFileName are plain names, found in Help's HelpDir and in the
    // directory of its IndexFile. Problems reading the index show in the window's status line.
    THelpIndexDlg(TDelphiHelp& Help, const std::string& HelpFileName,
                  const std::string& IndexFileName, QWidget* Parent = nullptr);
    ~THelpIndexDlg() override;

private:
    void KeywordEditChanged(const QString& Text);
    void DisplayButtonClick();
    void LoadKeywords();

    TDelphiHelp* FHelp;
    std::unique_ptr<TDelphiHelp> FOwnHelp;  // when the named index is not Help's own
    std::vector<std::string> FKeywords;     // as read, for lookups without a round trip
    QLineEdit* KeywordEdit;
    QListView* KeywordList;
    QStringListModel* KeywordModel;
    QLabel* StatusLabel;
    QPushButton* DisplayButton;
};

// Opens the keyword index window over Help, as the "Delphi Help Index" command does.
void ShowHelpIndex(QWidget* MainWindow, TDelphiHelp& Help, const std::string& HelpFileName,
                   const std::string& IndexFileName);

}  // namespace qm
