// The window tests' prompts and fixture.
#include "windowtest.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "main1.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {

TBoxCloser::TBoxCloser() {
    connect(&FTimer, &QTimer::timeout, this, &TBoxCloser::Tick);
    FTimer.start(10);
}

void TBoxCloser::Tick() {
    QWidget* Modal = QApplication::activeModalWidget();
    if (Modal != FOpen) {
        FOpen = Modal;
        FTicks = 0;
        if (!Modal) return;
        const auto* Box = qobject_cast<QMessageBox*>(Modal);
        Texts.push_back(Box ? Box->text() : Modal->windowTitle());
        return;
    }
    if (Modal && ++FTicks == 20)
        if (auto* Dialog = qobject_cast<QDialog*>(Modal)) {
            Dialog->reject();
            // As a window manager does: the window the box stood over becomes active again.
            if (QWidget* Parent = Dialog->parentWidget()) Parent->window()->activateWindow();
        }
}

namespace {

QString Home() {
    return QString::fromLocal8Bit(qgetenv("HOME"));
}

}  // namespace

void WindowTest::SetUp() {
    SetPrompts(&Prompts);
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
    TClassNav& Window = *FProgram->Windows().ClassNav;
    Window.show();
    Activate(Window);
    RunIdle();
}

void WindowTest::Activate(QWidget& Window) {
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
}

QWidget* WindowTest::KeyTarget() {
    if (QWidget* Popup = QApplication::activePopupWidget()) return Popup->focusWidget() ? Popup->focusWidget() : Popup;
    QWidget* Focus = QApplication::focusWidget();
    EXPECT_NE(Focus, nullptr) << "a key pressed where no widget has the focus goes nowhere";
    return Focus;
}

void WindowTest::Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers) {
    if (QWidget* Target = KeyTarget()) QTest::keyClick(Target, Key, Modifiers);
}

void WindowTest::Type(const QString& Text) {
    for (const QChar C : Text)
        if (QWidget* Target = KeyTarget()) QTest::keyClick(Target, C.toLatin1());
}

void WindowTest::Search(const QString& Text) {
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type(Text);
    Press(Qt::Key_Return);
}

void WindowTest::Click(QWidget* Widget, QPoint Pos) {
    QTest::mouseClick(Widget, Qt::LeftButton, {}, Pos.isNull() ? Widget->rect().center() : Pos);
}

void WindowTest::RunIdle() {
    for (int i = 0; i < 3; ++i) RunFor(20);
}

void WindowTest::RunFor(int Ms) {
    QEventLoop Loop;
    QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
    Loop.exec();
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
