// The window tests' prompts and fixture.
#include "windowtest.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <filesystem>

#include "main1.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {

bool TTestPrompts::Confirm(const QString& Text) {
    Calls.push_back({"confirm", Text});
    if (ConfirmAnswers.empty()) return false;
    const bool Answer = ConfirmAnswers.front();
    ConfirmAnswers.pop_front();
    return Answer;
}

QString TTestPrompts::OpenFile(QWidget*, const QString& Title, const QString&) {
    Calls.push_back({"open", Title});
    if (FileAnswers.empty()) return {};
    QString Answer = FileAnswers.front();
    FileAnswers.pop_front();
    return Answer;
}

int TTestPrompts::RunModal(QDialog& Dialog) {
    ModalDialogs.push_back(&Dialog);
    return OnModal ? OnModal(Dialog) : QDialog::Accepted;
}

std::vector<QString> TTestPrompts::Texts(const std::string& Kind) const {
    std::vector<QString> Result;
    for (const TPromptCall& Call : Calls)
        if (Call.Kind == Kind) Result.push_back(Call.Text);
    return Result;
}

namespace {

QString Home() {
    return QString::fromLocal8Bit(qgetenv("HOME"));
}

}  // namespace

void WindowTest::SetUp() {
    SetPrompts(&Prompts);
    FirstIdle = true;
    LastDblClickTick = 0;
    // Each test starts from empty user settings and no Delphi installation.
    QDir(Home() + QStringLiteral("/Brindlewood")).removeRecursively();
    SetDelphiRoot("");
    const auto* Info = testing::UnitTest::GetInstance()->current_test_info();
    FTempDir = (Home() + QStringLiteral("/case-%1-%2").arg(QString::fromLatin1(Info->test_suite_name()),
                                                          QString::fromLatin1(Info->name())))
                   .toStdString();
    std::filesystem::remove_all(FTempDir);
    std::filesystem::create_directories(FTempDir);
}

void WindowTest::TearDown() {
    Stop();
    SetPrompts(nullptr);
    std::filesystem::remove_all(FTempDir);
}

std::string WindowTest::SampleRoot() {
    return QM_SOURCE_DIR "/samples/delphi2";
}

const std::string& WindowTest::SampleDatabase() {
    static const std::string Path = [] {
        const std::string File = (Home() + QStringLiteral("/sample.db")).toStdString();
        TVCLDB Db;
        Db.OpenDatabase(File);
        Db.VCLSourcePath = SampleRoot() + "/SOURCE/";
        Db.InitializeVCL();
        return File;
    }();
    return Path;
}

std::string WindowTest::SampleDatabaseCopy() {
    const std::string Copy = FTempDir + "/copy.db";
    std::filesystem::copy_file(SampleDatabase(), Copy, std::filesystem::copy_options::overwrite_existing);
    return Copy;
}

void WindowTest::SetDelphiRoot(const std::string& Root) {
    const QString Dir = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_DIRS")) + QStringLiteral("/Borland");
    QDir().mkpath(Dir);
    QFile File(Dir + QStringLiteral("/Delphi.conf"));
    if (Root.empty()) {
        File.remove();
        return;
    }
    File.open(QIODevice::WriteOnly | QIODevice::Truncate);
    File.write("[2.0]\nRootDir=" + QByteArray::fromStdString(Root) + "\n");
}

void WindowTest::Start(const std::string& DatabaseFile) {
    FProgram = std::make_unique<TNavigatorProgram>(DatabaseFile, false);
    FProgram->Windows().ClassNav->show();
    RunIdle();
}

void WindowTest::RunIdle() {
    for (int i = 0; i < 3; ++i) {
        QEventLoop Loop;
        QTimer::singleShot(20, &Loop, &QEventLoop::quit);
        Loop.exec();
    }
}

TClassNav& WindowTest::Nav() const {
    return *FProgram->Windows().ClassNav;
}

TVCLDB& WindowTest::Db() const {
    return *FProgram->Windows().VCLDB;
}

void WindowTest::Stop() {
    if (!FProgram) return;
    FProgram->Windows().ClassNav->close();
    FProgram.reset();
}

}  // namespace qm
