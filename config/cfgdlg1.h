// TConfigDlg, "Configuration": the program's user settings, the lines of a printed source page,
// whether Delphi help is enabled, whether (and for which target) units added are read as modern
// Object Pascal, the library path and Lazarus's widgetset. The controls are the settings: other
// code reads them directly, and their values are kept under the section "ConfigDlg"; the library
// path is the class database's, which the window puts in before and takes out after OK.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

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
    // The library path, one folder a line in search order; Add, Remove, Up and Down change it.
    QListWidget* LibraryPathList;
    // What is searched after it without being listed (the installed sources found by themselves).
    QLabel* InstalledLabel;
    // The widgetset whose Lazarus interface units are read (gtk2 at first).
    QComboBox* LazarusWidgetsetCB;

    // The symbols of ModernDefinesEdit, separated by blanks, commas or semicolons.
    std::vector<std::string> ModernSymbols() const;
    void SetLibraryPath(const std::vector<std::string>& Folders);
    std::vector<std::string> LibraryPath() const;
    // The folder Add puts at the end of the list; empty when the user chose none.
    std::function<QString()> ChooseFolder;

    // The integer value of the "Lines / Page:" text; EConvertError when it is not a number.
    int LinesPerPageValue() const;
    // The refusal beep for a character the edit does not take and for OK without a value.
    std::function<void()> Beep;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // OK: stores the values and closes, unless the page length is empty.
    void Button1Click();
    void AddPathClick();
    void RemovePathClick();
    // Moves the selected folder Step places, the selection with it.
    void MovePath(int Step);
    void EnablePathButtons();

    std::unique_ptr<Ui::ConfigDlg> FUi;
};

}  // namespace qm
