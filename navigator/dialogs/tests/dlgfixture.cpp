#include "scratchdir.h"
#include "dlgfixture.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>

namespace qm::test {

QListWidget& ListOf(QDialog& Dialog) {
    auto* list = Dialog.findChild<QListWidget*>();
    if (!list) throw std::logic_error("no list box in " + Dialog.objectName().toStdString());
    return *list;
}

QStringList Entries(QDialog& Dialog) {
    QStringList texts;
    QListWidget& list = ListOf(Dialog);
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

void DoubleClickEntry(QListWidget& List, int Row) {
    const QPoint at = List.visualItemRect(List.item(Row)).center();
    // As the window system delivers it: a click, then the second press as a double-click.
    QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List.viewport(), Qt::LeftButton, {}, at);
}

TAnswer Act(TUserAction Action) {
    return [Action](QDialog& Dialog) {
        auto button = [&Dialog](const char* Name, const char* Other) {
            auto* found = Dialog.findChild<QPushButton*>(Name);
            return found ? found : Dialog.findChild<QPushButton*>(Other);
        };
        QPushButton* ok = button("Button1", "OkBtn");
        QPushButton* cancel = button("Button2", "CancelBtn");
        switch (Action) {
        case TUserAction::Cancel:
            QTest::mouseClick(cancel, Qt::LeftButton);
            break;
        case TUserAction::ClickOK:
            QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case TUserAction::PressEnter:
            QTest::keyClick(&ListOf(Dialog), Qt::Key_Return);
            break;
        case TUserAction::DoubleClickSecond:
            DoubleClickEntry(ListOf(Dialog), 1);
            break;
        }
    };
}

void Snapshot(QWidget& Window, const QString& Name) {
    const QString folder = qEnvironmentVariable("QM_DIALOG_SHOTS");
    if (folder.isEmpty()) return;
    Window.grab().save(folder + "/dlg-" + Name + ".png");
}

void DialogTest::SetUp() {
    Dir = std::filesystem::temp_directory_path() /
          ScratchDirName("qm_dialogs_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
    Db.OpenDatabase((Dir / "classes.db").string());
    Prompts.Strict = true;
    SetPrompts(&Prompts);
}

void DialogTest::TearDown() {
    SetPrompts(nullptr);
    EXPECT_TRUE(Prompts.Answers.empty()) << "answers left for dialogs that never came";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
    std::filesystem::remove_all(Dir);
}

void DialogTest::LoadLibrary() {
    for (const char* unit : {"System.pas", "Classes.pas", "Controls.pas", "Forms.pas"}) Load(unit);
}

std::string DialogTest::LoadOwnUnit(const std::string& RelativePath, const std::string& UnitName,
                                    const std::string& ClassName, const std::string& Ancestor,
                                    const std::string& Member) {
    const std::filesystem::path path = Dir / RelativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "unit " << UnitName << ";\n\ninterface\n\ntype\n  " << ClassName
                                          << " = class(" << Ancestor << ")\n"
                                          << (Member.empty() ? "" : "    procedure " + Member + ";\n")
                                          << "  end;\n\nimplementation\n\nend.\n";
    Db.LoadUnit(path.string());
    return path.string();
}

}  // namespace qm::test
