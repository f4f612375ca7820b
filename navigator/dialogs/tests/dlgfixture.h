// Shared by the dialog tests: prompts that answer each modal run with the next queued answer from
// inside the dialog's own modal loop, a class database of fixture units in a temporary folder, and
// ways to read and drive a dialog's list as the user would.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <filesystem>
#include <functional>
#include <string>

#include "testprompts.h"
#include "vcldb1.h"

class QDialog;
class QListWidget;

// Texts in failure messages as text.
inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace qm::test {

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
