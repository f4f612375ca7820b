// Window tests: prompts that record what the window asked and answer from queues, and a fixture
// that runs the program's windows on a class database in the test's temporary home.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "appwindows.h"
#include "userprompts.h"

namespace qm {

class TClassNav;
class TVCLDB;

struct TPromptCall {
    std::string Kind;  // "error", "message", "information", "confirm", "open"
    QString Text;
};

class TTestPrompts : public TUserPrompts {
public:
    void ShowError(const QString& Text) override { Calls.push_back({"error", Text}); }
    void ShowMessage(const QString& Text) override { Calls.push_back({"message", Text}); }
    void ShowInformation(const QString& Text) override { Calls.push_back({"information", Text}); }
    bool Confirm(const QString& Text) override;
    QString OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) override;
    void Beep() override { ++Beeps; }
    int RunModal(QDialog& Dialog) override;

    // The calls of one kind, in order.
    std::vector<QString> Texts(const std::string& Kind) const;

    std::vector<TPromptCall> Calls;
    int Beeps = 0;
    std::deque<bool> ConfirmAnswers;     // default: No
    std::deque<QString> FileAnswers;     // default: cancelled
    std::vector<const QDialog*> ModalDialogs;  // the dialogs run, in order
    std::function<int(QDialog&)> OnModal;  // default: accepted
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A class database of the sample installation's 49 units, built once per test program.
    static const std::string& SampleDatabase();
    // A copy of the sample database for a test that changes it.
    std::string SampleDatabaseCopy();
    static std::string SampleRoot();
    // Makes Delphi's installation entry name Root (empty: no entry).
    static void SetDelphiRoot(const std::string& Root);
    // The test's own empty folder.
    std::string TempDir() const { return FTempDir; }

    // Creates the windows on DatabaseFile, shows the main window and lets the first idle event run.
    void Start(const std::string& DatabaseFile);
    // Lets the event loop run until it has waited for events a few times (idle events included).
    static void RunIdle();
    TClassNav& Nav() const;
    TVCLDB& Db() const;
    TNavigatorWindows& Windows() const { return FProgram->Windows(); }
    void Stop();

    TTestPrompts Prompts;

private:
    std::unique_ptr<TNavigatorProgram> FProgram;
    std::string FTempDir;
};

}  // namespace qm
