// The splash window's start-up and About roles, the first-run notice, and what every dialog tells
// a screen reader.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "clsdlg1.h"
#include "dlgfixture.h"
#include "marlsfrm.h"
#include "mpfdlg1.h"
#include "rudlg.h"
#include "splash.h"
#include "ucmdlg.h"
#include "udlg1.h"

namespace qm::test {

namespace {

void ClickPicture(TSplashScreen& Splash) {
    QTest::mouseClick(Splash.findChild<QLabel*>("Image1"), Qt::LeftButton);
}

}  // namespace

using Windows = DialogTest;

TEST_F(Windows, SplashIgnoresClicksDuringStartUpAndClosesAsAboutBox) {
    TSplashScreen splash;
    EXPECT_TRUE(splash.StartupMode);
    EXPECT_EQ(splash.size(), QSize(385, 200));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPixmap picture = splash.findChild<QLabel*>("Image1")->pixmap();
    EXPECT_EQ(picture.size(), QSize(385, 200));

    splash.show();
    Snapshot(splash, "splash");
    EXPECT_TRUE(splash.Timer->isActive());
    EXPECT_EQ(splash.Timer->interval(), 4000);
    ClickPicture(splash);
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible()) << "start-up display closed early";

    // About while the start-up display is still up: modal, and the timer no longer runs.
    int result = -1;
    Prompts.Answers.push_back([&](QDialog& Dialog) {
        EXPECT_FALSE(splash.StartupMode);
        EXPECT_FALSE(splash.Timer->isActive());
        EXPECT_TRUE(Dialog.isModal());
        ClickPicture(splash);
        result = Dialog.result();
    });
    splash.ShowAbout();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(splash.isVisible());

    // The timer's end of the start-up display, also after the window was hidden otherwise.
    TSplashScreen later;
    later.show();
    later.TimerTimer();
    EXPECT_FALSE(later.isVisible());
    EXPECT_FALSE(later.StartupMode);
    EXPECT_FALSE(later.Timer->isActive());
    later.TimerTimer();
    EXPECT_FALSE(later.isVisible());

    // The About box also closes from the keyboard.
    Prompts.Answers.push_back([&](QDialog& Dialog) { QTest::keyClick(&Dialog, Qt::Key_Escape); });
    later.ShowAbout();
    EXPECT_EQ(later.result(), QDialog::Accepted);
    EXPECT_EQ(Prompts.Modals(), 2);
}

TEST_F(Windows, FirstRunNoticeSaysWhatWillHappen) {
    TIntroForm intro;
    EXPECT_EQ(intro.windowTitle(), "Quillmap Setup");
    EXPECT_EQ(intro.size(), QSize(434, 286));
    auto* heading = intro.findChild<QLabel*>("Label1");
    EXPECT_EQ(heading->text(), "Welcome to Quillmap 2 Setup");
    EXPECT_EQ(heading->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(heading->font().bold());
    EXPECT_EQ(heading->font().pixelSize(), 19);
    QStringList lines;
    for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
        auto* label = intro.findChild<QLabel*>(name);
        EXPECT_TRUE(label->font().bold()) << name;
        lines << label->text();
    }
    EXPECT_EQ(lines, QStringList({"Quillmap 2 will now parse your VCL source files",
                                  "to build a database of class information. This process ",
                                  "will require approximately 90 seconds and will only be",
                                  "done the first time Quillmap 2 is run."}));
    auto* ok = intro.findChild<QPushButton*>("Button1");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->size(), QSize(75, 41));
    Prompts.Answers.push_back([&](QDialog& Dialog) {
        Snapshot(Dialog, "intro");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(Prompts.RunModal(intro), QDialog::Accepted);
}

TEST_F(Windows, EveryControlHasAnAccessibleName) {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<TClassDlg>(Db));
    dialogs.push_back(std::make_unique<TClassMemberDlg>(Db));
    dialogs.push_back(std::make_unique<TUnitsDlg>(Db));
    dialogs.push_back(std::make_unique<TMPFDlg>(Db));
    dialogs.push_back(std::make_unique<TRemoveUnitDlg>(Db));
    dialogs.push_back(std::make_unique<TSplashScreen>());
    dialogs.push_back(std::make_unique<TIntroForm>());
    for (auto& dialog : dialogs) {
        QList<QWidget*> controls;
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QLineEdit*>(w) ||
                w->objectName() == "Image1")
                controls << w;
        EXPECT_FALSE(controls.isEmpty()) << dialog->objectName().toStdString();
        for (QWidget* control : controls) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << dialog->objectName().toStdString() << "." << control->objectName().toStdString();
        }
    }
}

}  // namespace qm::test
