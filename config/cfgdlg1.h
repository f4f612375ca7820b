// TConfigDlg, "Configuration": the program's user settings, the lines of a printed source page,
// whether Delphi help is enabled and whether (and for which target) units added are read as modern Object Pascal. The controls are the settings: other code reads them directly,
// and their values are kept under the section "ConfigDlg".
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class ConfigDlg;
}

namespace qm {

class TConfigDlg : public QDialog {
    Q_OBJECT

public:
    // Takes the stored values; a stored page length that is empty or not a number reads as "72".
    explicit TConfigDlg(QWidget* Parent = nullptr);
    // Stores what the controls hold.
    ~TConfigDlg() override;

    QLineEdit* LinesPerPageEdit;
    QCheckBox* DelphiHelpCB;
    // Add Unit and Add Folder read units in the modern Object Pascal dialect (off at first), for
    // the target named (the first entry: each unit's own) with the symbols listed, separated by
    // blanks, commas or semicolons.
    QCheckBox* ModernPascalCB;
    QComboBox* ModernTargetCB;
    QLineEdit* ModernDefinesEdit;

    // The integer value of the "Lines / Page:" text; EConvertError when it is not a number.
    int LinesPerPageValue() const;
    // The refusal beep for a character the edit does not take and for OK without a value.
    std::function<void()> Beep;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // OK: stores the values and closes, unless the page length is empty.
    void Button1Click();

    std::unique_ptr<Ui::ConfigDlg> FUi;
};

}  // namespace qm
