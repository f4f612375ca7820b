// Shared by the dialog tests: prompts that answer each modal run with the next queued answer from
// inside the dialog's own modal loop, a class database of fixture units in a temporary folder, and
// ways to read and drive a dialog's list as the user would.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <ostream>
#include <filesystem>
#include <functional>
#include <string>

#include "userprompts.h"
#include "vcldb1.h"

class QDialog;
class QListWidget;

// Texts in failure messages as text.
inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace qm::test {

using TAnswer = std::function<void(QDialog&)>;

class TTestPrompts : public TUserPrompts {
public:
    void ShowError(const QString& Text) override { Messages << "error: " + Text; }
    void ShowMessage(const QString& Text) override { Messages << "message: " + Text; }
    void ShowInformation(const QString& Text) override { Messages << "information: " + Text; }
    bool Confirm(const QString& Text) override;
    QString OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) override;
    void Beep() override { ++Beeps; }
    // Runs the dialog's real modal loop; the next answer runs inside it and must close it.
    int RunModal(QDialog& Dialog) override;

    std::deque<TAnswer> Answers;
    QStringList Messages;
    int Modals = 0;
    int Beeps = 0;
};

// Answers as the user would, with real mouse and key events.
enum class TUserAction { Cancel, ClickOK, PressEnter, DoubleClickSecond };
TAnswer Act(TUserAction Action);
// The dialog's list box (there is one in each selection dialog).
QListWidget& ListOf(QDialog& Dialog);
QStringList Entries(QDialog& Dialog);
void DoubleClickEntry(QListWidget& List, int Row);
// With QM_DIALOG_SHOTS set to a folder, saves the window's picture there as dlg-<Name>.png.
void Snapshot(QWidget& Window, const QString& Name);

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::string Fixture(const std::string& Name) { return QM_TESTDATA_DIR "/classdb/" + Name; }
    int Load(const std::string& Name) { return Db.LoadUnit(Fixture(Name)); }
    void LoadLibrary();
    // Writes a one-class unit into the test's folder (RelativePath below it), loads it and returns
    // the unit's path.
    std::string LoadOwnUnit(const std::string& RelativePath, const std::string& UnitName, const std::string& ClassName,
                            const std::string& Ancestor, const std::string& Member = "");
    int ClassID(const std::string& Name, int Index = 0) { return Db.ClassesIDByNameIndex(Name, Index); }
    QString Short(const std::string& Path) { return QString::fromStdString(ShortUnitName(Path)); }

    std::filesystem::path Dir;
    TVCLDB Db;
    TTestPrompts Prompts;
};

}  // namespace qm::test
