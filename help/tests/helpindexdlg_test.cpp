// The keyword index window, offscreen, over an index that qm_hdxgen built from a keyword list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardPaths>
#include <QTest>

#include "helpindexdlg.h"
#include "helptestutil.h"

namespace qm::test {

namespace {

class HelpIndexDlg : public TScratchTest {
protected:
    void SetUp() override {
        TScratchTest::SetUp();
        Help = std::make_unique<TDelphiHelp>("", Viewer);
        Help->SetIndexFile(QM_SAMPLE_INDEX);
        Help->SetHelpDir(Dir.string() + "/");
    }

    std::unique_ptr<THelpIndexDlg> Open() {
        auto dlg = std::make_unique<THelpIndexDlg>(*Help, "delphi.hlp", "delphi.hdx");
        dlg->show();
        Edit = dlg->findChild<QLineEdit*>("KeywordEdit");
        List = dlg->findChild<QListView*>("KeywordList");
        Status = dlg->findChild<QLabel*>("StatusLabel");
        return dlg;
    }

    QString Current() const { return List->currentIndex().data().toString(); }

    TRecordingViewer Viewer;
    std::unique_ptr<TDelphiHelp> Help;
    QLineEdit* Edit = nullptr;
    QListView* List = nullptr;
    QLabel* Status = nullptr;
};

}  // namespace

TEST_F(HelpIndexDlg, ListsEveryKeywordAndTypingSelectsTheFirstThatBegins) {
    auto dlg = Open();
    ASSERT_EQ(List->model()->rowCount(), 36);  // every line of the keyword list, from all blocks
    EXPECT_EQ(List->model()->index(0, 0).data().toString(), "Application");
    EXPECT_EQ(List->model()->index(35, 0).data().toString(), "Width");
    struct {
        const char* Typed;
        const char* Selected;
    } cases[] = {{"capt", "Caption"}, {"CA", "Cancel"}, {"show", "Show"}, {"showm", "ShowModal"},
                 {"tw", "TWinControl"}, {"tzz", "Tag"}};  // no match keeps the selection of "t"
    for (const auto& c : cases) {
        QTest::keyClicks(Edit, c.Typed);
        EXPECT_EQ(Current(), c.Selected) << c.Typed;
        Edit->clear();
    }
}

TEST_F(HelpIndexDlg, EnterOrDoubleClickLooksUpTheChosenKeyword) {
    auto dlg = Open();
    Viewer.Reached = false;
    QTest::keyClicks(Edit, "capt");
    QTest::keyClick(Edit, Qt::Key_Return);
    std::string dir = Help->HelpDir();
    EXPECT_EQ(Viewer.Calls.back(), "jump " + dir + "vcl.hlp TControl_Caption");
    EXPECT_EQ(Status->text(), "Help topic TControl_Caption of vcl.hlp was not shown");
    EXPECT_TRUE(dlg->isVisible());

    Viewer.Reached = true;
    QModelIndex app = List->model()->index(0, 0);
    QPoint at = List->visualRect(app).center();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Viewer.Calls.back(), "jump " + dir + "delphi.hlp Forms_Application");
    EXPECT_FALSE(dlg->isVisible());  // shown: the window has done its work
}

TEST_F(HelpIndexDlg, ADamagedIndexShowsWhyAndListsNothing) {
    Help->SetIndexFile(Write("DELPHI.HDX", "Borland Help Data File?"));
    auto dlg = Open();
    EXPECT_EQ(List->model()->rowCount(), 0);
    EXPECT_EQ(Status->text(), "Invalid HDX contents");
    QTest::keyClick(Edit, Qt::Key_Return);
    EXPECT_TRUE(Viewer.Calls.empty());
}

}  // namespace qm::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
