// Window tests: prompts that record what the window asked and answer from queues, and a fixture
// that runs the program's windows on a class database in the test's temporary home.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "appwindows.h"
#include "testprompts.h"

// Texts in test failures, as text.
inline void PrintTo(const QString& Text, std::ostream* Out) {
    *Out << '"' << Text.toStdString() << '"';
}

namespace qm {

class TClassNav;
class TVCLDB;

// Closes each modal box a moment after it opened and keeps its text: the error report and the
// messages run their real modal loops, with idle work and timers going on inside them.
class TBoxCloser : public QObject {
public:
    TBoxCloser();
    QStringList Texts;  // every box that opened, in order

private:
    void Tick();
    QTimer FTimer;
    QPointer<QWidget> FOpen;
    int FTicks = 0;
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
    // Runs the event loop for Ms milliseconds, waiting for events as the program does (so idle
    // work runs; QTest::qWait never waits in the event loop and so never idles).
    static void RunFor(int Ms);
    // Input as a person gives it: keys go where the window system sends them, to the open popup's
    // focus widget or else to QApplication::focusWidget(), never to a widget the test picks; a
    // click goes through the application, so it moves the focus as a real click does.
    static QWidget* KeyTarget();
    // The person brings Window to the front again (another window of the program took it).
    static void Activate(QWidget& Window);
    static void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    static void Type(const QString& Text);
    static void Click(QWidget* Widget, QPoint Pos = {});
    // A class search as a person types it: Ctrl+S, the selector's whole text replaced, Enter.
    static void Search(const QString& Text);
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
