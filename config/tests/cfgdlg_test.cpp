// The configuration dialog: its form, the digits-only page length typed with real keys, and what is
// stored on OK, on Cancel and when it is destroyed.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <memory>
#include <ostream>

#include "cfgdlg1.h"
#include "converterror.h"
#include "settingsfixture.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace qm {

namespace {

class ConfigDialog : public SettingsTest {
protected:
    std::unique_ptr<TConfigDlg> Open() {
        auto dlg = std::make_unique<TConfigDlg>();
        dlg->Beep = [this] { ++Beeps; };
        dlg->show();
        return dlg;
    }
    static void Store(const QByteArray& Values) { WriteFile(UserSettingsFile(), "[ConfigDlg]\n" + Values); }
    static QPushButton* Button(TConfigDlg& Dlg, const char* Name) { return Dlg.findChild<QPushButton*>(Name); }

    int Beeps = 0;
};

}  // namespace

TEST_F(ConfigDialog, FormShowsTheDesignValuesWhereTheyBelong) {
    auto dlg = Open();
    EXPECT_EQ(dlg->windowTitle(), "Configuration");
    EXPECT_EQ(dlg->size(), QSize(433, 565));
    EXPECT_EQ(dlg->font().pixelSize(), 11);
    EXPECT_EQ(dlg->LinesPerPageEdit->text(), "72");
    EXPECT_EQ(dlg->LinesPerPageEdit->maxLength(), 3);
    EXPECT_EQ(dlg->DelphiHelpCB->checkState(), Qt::Checked);
    EXPECT_EQ(dlg->ModernPascalCB->checkState(), Qt::Unchecked);
    EXPECT_EQ(dlg->LazarusWidgetsetCB->currentText(), "gtk2");
    EXPECT_EQ(dlg->LibraryPathList->count(), 0);
    EXPECT_TRUE(Button(*dlg, "Button1")->isDefault());
    struct {
        const char* Name;
        QRect Geometry;
        const char* Text;  // a label's or button's caption; null for none
    } controls[] = {
        {"Panel1", {8, 16, 409, 97}, nullptr},
        {"Label3", {120, 24, 64, 13}, "Lines / Page:"},
        {"LinesPerPageEdit", {184, 20, 41, 21}, nullptr},
        {"Label1", {8, 48, 400, 13}, "Enter a value for the number of lines on a  printed source code page to enable page"},
        {"Label2", {8, 64, 400, 13}, "number display or enter zero to disable it."},
        {"Panel2", {8, 128, 409, 65}, nullptr},
        {"DelphiHelpCB", {16, 16, 200, 17}, "Enable Delphi Help"},
        {"Panel3", {8, 200, 409, 112}, nullptr},
        {"ModernPascalCB", {16, 8, 385, 36},
         "Read modern Object Pascal: overloads, generics,\nstrict visibility, helpers, include files"},
        {"Label4", {16, 54, 64, 13}, "&Target:"},
        {"ModernTargetCB", {88, 50, 200, 21}, nullptr},
        {"Label5", {16, 84, 64, 13}, "&Defines:"},
        {"ModernDefinesEdit", {88, 80, 305, 21}, nullptr},
        {"Panel4", {8, 320, 409, 190}, nullptr},
        {"Label6", {16, 8, 300, 13}, "&Library path:"},
        {"LibraryPathList", {16, 24, 300, 98}, nullptr},
        {"AddPathBtn", {326, 24, 75, 23}, "&Add..."},
        {"RemovePathBtn", {326, 49, 75, 23}, "&Remove"},
        {"UpPathBtn", {326, 74, 75, 23}, "&Up"},
        {"DownPathBtn", {326, 99, 75, 23}, "Do&wn"},
        {"Label7", {16, 162, 64, 13}, "W&idgetset:"},
        {"LazarusWidgetsetCB", {88, 158, 120, 21}, nullptr},
        {"Button1", {119, 522, 75, 25}, "OK"},
        {"Button2", {231, 522, 75, 25}, "Cancel"},
    };
    for (const auto& c : controls) {
        auto* control = dlg->findChild<QWidget*>(c.Name);
        ASSERT_NE(control, nullptr) << c.Name;
        EXPECT_EQ(control->geometry(), c.Geometry) << c.Name;
        if (!c.Text) continue;
        QString text = qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                       : qobject_cast<QAbstractButton*>(control)->text();
        EXPECT_EQ(text, c.Text) << c.Name;
    }
    EXPECT_EQ(dlg->findChild<QWidget*>("Label3")->parentWidget()->objectName(), "Panel1");
    EXPECT_EQ(dlg->DelphiHelpCB->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dlg->ModernPascalCB)->text(QAccessible::Name),
              "Read modern Object Pascal: overloads, generics, strict visibility, helpers, include files");
    for (QWidget* control : {static_cast<QWidget*>(dlg->LinesPerPageEdit), static_cast<QWidget*>(dlg->DelphiHelpCB),
                             static_cast<QWidget*>(Button(*dlg, "Button1")), static_cast<QWidget*>(Button(*dlg, "Button2"))})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    const QString shots = qEnvironmentVariable("QM_DIALOG_SHOTS");
    if (!shots.isEmpty()) dlg->grab().save(shots + "/dlg-config.png");
}

TEST_F(ConfigDialog, TypedCharactersOtherThanDigitsAreRefusedWithABeep) {
    auto dlg = Open();
    QLineEdit* edit = dlg->LinesPerPageEdit;
    edit->setFocus();
    edit->end(false);
    struct {
        const char* What;
        std::function<void()> Keys;
        const char* Text;
        int Beeps;  // so far
    } steps[] = {
        {"a letter", [&] { QTest::keyClick(edit, Qt::Key_A); }, "72", 1},
        {"a blank", [&] { QTest::keyClick(edit, Qt::Key_Space); }, "72", 2},
        {"a minus", [&] { QTest::keyClick(edit, Qt::Key_Minus); }, "72", 3},
        {"Backspace", [&] { QTest::keyClick(edit, Qt::Key_Backspace); }, "72", 4},
        {"a digit", [&] { QTest::keyClick(edit, Qt::Key_5); }, "725", 4},
        {"a fourth digit", [&] { QTest::keyClick(edit, Qt::Key_6); }, "725", 4},
        {"Left and Delete", [&] { QTest::keyClick(edit, Qt::Key_Left); QTest::keyClick(edit, Qt::Key_Delete); }, "72", 4},
        {"Home and Delete twice", [&] {
             QTest::keyClick(edit, Qt::Key_Home);
             QTest::keyClick(edit, Qt::Key_Delete);
             QTest::keyClick(edit, Qt::Key_Delete);
         }, "", 4},
        {"digits again", [&] { QTest::keyClicks(edit, "0"); }, "0", 4},
    };
    for (const auto& s : steps) {
        s.Keys();
        EXPECT_EQ(edit->text(), s.Text) << s.What;
        EXPECT_EQ(Beeps, s.Beeps) << s.What;
    }
    // Pasted text obeys the same rule.
    edit->selectAll();
    edit->insert("1a");
    EXPECT_EQ(edit->text(), "0");
}

TEST_F(ConfigDialog, OKStoresButNotWithoutAValue) {
    auto dlg = Open();
    QLineEdit* edit = dlg->LinesPerPageEdit;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::mouseClick(Button(*dlg, "Button1"), Qt::LeftButton);
    EXPECT_EQ(Beeps, 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(StoredValue("ConfigDlg/LinesPerPageEdit").isValid());
    EXPECT_THROW(dlg->LinesPerPageValue(), EConvertError);

    QTest::keyClicks(edit, "60");
    QTest::mouseClick(dlg->DelphiHelpCB, Qt::LeftButton);
    QTest::mouseClick(dlg->ModernPascalCB, Qt::LeftButton);
    // The target by the arrow keys, the symbols typed, in the active window as a person has it.
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    dlg->ModernTargetCB->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    dlg->ModernDefinesEdit->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "EXTRA, DEBUG");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the default button
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->LinesPerPageValue(), 60);
    EXPECT_EQ(StoredValue("ConfigDlg/LinesPerPageEdit"), "60");
    EXPECT_EQ(StoredValue("ConfigDlg/DelphiHelpCB"), "cbUnchecked");
    EXPECT_EQ(StoredValue("ConfigDlg/ModernPascalCB"), "cbChecked");
    EXPECT_EQ(StoredValue("ConfigDlg/ModernTargetCB"), "fpc-linux64");
    EXPECT_EQ(StoredValue("ConfigDlg/ModernDefinesEdit"), "EXTRA, DEBUG");
    EXPECT_EQ(Beeps, 1);
    // Read back by the next dialog.
    auto again = Open();
    EXPECT_EQ(again->ModernTargetCB->currentText(), "fpc-linux64");
}

// The library path edited by keys in the dialog's own modal loop: a folder added at the end, moved
// up to the front (Up then disabled), another one removed with Delete on the list, the widgetset
// chosen, and OK by Enter. The list is the caller's to store; the widgetset is stored with the rest.
TEST_F(ConfigDialog, TheLibraryPathIsEditedWithTheKeysInItsModalLoop) {
    auto dlg = std::make_unique<TConfigDlg>();
    dlg->Beep = [this] { ++Beeps; };
    int asked = 0;
    dlg->ChooseFolder = [&asked] {
        ++asked;
        return QStringLiteral("/src/three");
    };
    dlg->SetLibraryPath({"/src/one", "/src/two"});
    QStringList seen;
    bool upDisabledAtTheTop = false;
    QTimer::singleShot(0, dlg.get(), [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_EQ(modal, dlg.get());
        modal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        // Alt+letter presses a button a moment later, as a person sees it pressed.
        auto press = [&](Qt::Key Key, Qt::KeyboardModifiers Modifiers, std::function<bool()> Done) {
            QTest::keyClick(QApplication::focusWidget(), Key, Modifiers);
            EXPECT_TRUE(QTest::qWaitFor(Done)) << QKeySequence(Key | Modifiers).toString().toStdString();
        };
        auto path = [&] {
            QString text;
            for (const std::string& folder : dlg->LibraryPath()) text += QString::fromStdString(folder) + ";";
            return text;
        };
        press(Qt::Key_A, Qt::AltModifier, [&] { return path() == "/src/one;/src/two;/src/three;"; });
        press(Qt::Key_U, Qt::AltModifier, [&] { return path() == "/src/one;/src/three;/src/two;"; });
        press(Qt::Key_U, Qt::AltModifier, [&] { return path() == "/src/three;/src/one;/src/two;"; });
        upDisabledAtTheTop = !dlg->findChild<QPushButton*>("UpPathBtn")->isEnabled();
        press(Qt::Key_L, Qt::AltModifier, [&] { return QApplication::focusWidget() == dlg->LibraryPathList; });
        press(Qt::Key_End, Qt::NoModifier, [&] { return dlg->LibraryPathList->currentRow() == 2; });
        press(Qt::Key_Delete, Qt::NoModifier, [&] { return path() == "/src/three;/src/one;"; });
        seen << path();
        press(Qt::Key_I, Qt::AltModifier, [&] { return QApplication::focusWidget() == dlg->LazarusWidgetsetCB; });
        press(Qt::Key_Down, Qt::NoModifier, [&] { return dlg->LazarusWidgetsetCB->currentText() == "gtk3"; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dlg->exec(), QDialog::Accepted);
    EXPECT_EQ(seen, QStringList{"/src/three;/src/one;"});
    EXPECT_TRUE(upDisabledAtTheTop);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dlg->LibraryPath(), (std::vector<std::string>{"/src/three", "/src/one"}));
    EXPECT_EQ(StoredValue("ConfigDlg/LazarusWidgetsetCB"), "gtk3");
    EXPECT_FALSE(StoredValue("ConfigDlg/LibraryPathList").isValid()) << "the list is the class database's";
    EXPECT_EQ(Beeps, 0);
}

TEST_F(ConfigDialog, CancelKeepsTheEntriesWhichAreStoredAtTheEnd) {
    auto dlg = Open();
    dlg->LinesPerPageEdit->selectAll();
    QTest::keyClicks(dlg->LinesPerPageEdit, "45");
    dlg->DelphiHelpCB->setChecked(false);
    QTest::mouseClick(Button(*dlg, "Button2"), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_FALSE(StoredValue("ConfigDlg/LinesPerPageEdit").isValid());
    dlg->show();
    EXPECT_EQ(dlg->LinesPerPageEdit->text(), "45");
    EXPECT_FALSE(dlg->DelphiHelpCB->isChecked());

    dlg.reset();
    EXPECT_EQ(StoredValue("ConfigDlg/LinesPerPageEdit"), "45");
    EXPECT_EQ(StoredValue("ConfigDlg/DelphiHelpCB"), "cbUnchecked");
    auto again = Open();
    EXPECT_EQ(again->LinesPerPageEdit->text(), "45");
    EXPECT_FALSE(again->DelphiHelpCB->isChecked());
}

TEST_F(ConfigDialog, AStoredValueThatCannotBeUsedReadsAsItsDesignValueAndIsNamed) {
    struct {
        QByteArray Stored;
        const char* Shown;
        const char* Named;  // the value named in the one notice, if any
    } cases[] = {
        {"LinesPerPageEdit=\n", "72", ""},      {"LinesPerPageEdit=abc\n", "72", "abc"},
        {"LinesPerPageEdit=-5\n", "72", "-5"},  {"LinesPerPageEdit=0\n", "0", nullptr},
        {"LinesPerPageEdit=150\n", "150", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored.toStdString());
        SetUp();
        Store(c.Stored + "DelphiHelpCB=cbUnchecked\nModernPascalCB=cbMaybe\nModernTargetCB=turbo-dos\n");
        auto dlg = std::make_unique<TConfigDlg>();
        EXPECT_EQ(dlg->LinesPerPageEdit->text(), c.Shown);
        EXPECT_FALSE(dlg->DelphiHelpCB->isChecked());
        EXPECT_FALSE(dlg->ModernPascalCB->isChecked());
        EXPECT_EQ(dlg->ModernTargetCB->currentIndex(), 0);
        EXPECT_NO_THROW(dlg->LinesPerPageValue());
        const std::string in = " in section ConfigDlg of " + UserSettingsFile().toStdString() + " is not used: \"";
        std::vector<std::string> told = {
            "The setting ModernPascalCB" + in + "cbMaybe\" is not one of cbUnchecked, cbChecked, cbGrayed",
            "The setting ModernTargetCB" + in +
                "turbo-dos\" is not one of chosen by each unit, delphi-win32, delphi-win64, fpc-linux64, fpc-win64"};
        if (c.Named)
            told.push_back("The setting LinesPerPageEdit" + in + c.Named +
                           "\" is not a number of lines of one to three digits");
        EXPECT_EQ(Notices(), told);
    }
}

// Damaged settings never stop the dialog, and so the program, from being made.
TEST_F(ConfigDialog, DamagedStoredValuesGiveTheDesignValues) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"a list", "LinesPerPageEdit=1,2\n"},
        {"a list for the box", "DelphiHelpCB=a,b\n"},
        {"a byte block", "LinesPerPageEdit=@ByteArray(\\x00)\n"},
        {"a folder where the file belongs", {}},
    };
    for (const auto& [what, stored] : cases) {
        SCOPED_TRACE(what);
        SetUp();
        if (stored.isEmpty()) ASSERT_TRUE(QDir().mkpath(UserSettingsFile()));
        else Store(stored);
        std::unique_ptr<TConfigDlg> dlg;
        ASSERT_NO_THROW(dlg = std::make_unique<TConfigDlg>());
        EXPECT_EQ(dlg->LinesPerPageEdit->text(), "72");
        EXPECT_EQ(dlg->DelphiHelpCB->checkState(), Qt::Checked);
        EXPECT_EQ(dlg->LinesPerPageValue(), 72);
        EXPECT_EQ(Notices().size(), 1u);
    }
}

}  // namespace qm
