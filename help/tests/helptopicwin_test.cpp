// The topic window, offscreen, over the sample installation's help file: a topic with its title
// and declaration, a click on a jump, Back, Contents, Index, a missing topic and a damaged file.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "helptestutil.h"
#include "helptopicwin.h"
#include "hlptestutil.h"

namespace qm::test {

namespace {

const std::string SampleHelp = std::string(QM_SOURCE_DIR) + "/samples/delphi2/BIN/DELPHI.HLP";

class HelpTopicWindow : public TScratchTest {
protected:
    void SetUp() override {
        TScratchTest::SetUp();
        Window = std::make_unique<THelpTopicWindow>();
        Window->show();
        Browser = Window->findChild<QTextBrowser*>("TopicBrowser");
    }
    void TearDown() override {
        Window.reset();
        TScratchTest::TearDown();
    }

    QString Shown() const { return Browser->toPlainText(); }
    QPushButton* Button(const char* Name) const { return Window->findChild<QPushButton*>(Name); }

    // Clicks the middle of the first link whose text is Text, as a person does.
    void ClickLink(const QString& Text) {
        QApplication::processEvents();
        for (QTextBlock b = Browser->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                QTextFragment f = it.fragment();
                if (!f.charFormat().isAnchor() || f.text() != Text) continue;
                QTextCursor c(Browser->document());
                c.setPosition(f.position() + f.length() / 2);
                Browser->setTextCursor(c);
                Browser->ensureCursorVisible();
                QPoint at = Browser->cursorRect(c).center();
                QTest::mouseClick(Browser->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        FAIL() << "no link " << Text.toStdString();
    }

    std::unique_ptr<THelpTopicWindow> Window;
    QTextBrowser* Browser = nullptr;
};

}  // namespace

TEST_F(HelpTopicWindow, ShowsATopicAndFollowsAJumpAndBack) {
    ASSERT_TRUE(Window->ShowTopic(SampleHelp, "TMenuItem_Click"));
    EXPECT_EQ(Window->CurrentTitle(), "TMenuItem.Click");
    EXPECT_TRUE(Shown().startsWith("TMenuItem.Click\n"));
    EXPECT_TRUE(Shown().contains("procedure Click;"));
    EXPECT_TRUE(Shown().contains("Ancestors: TComponent > TPersistent > TObject"));
    EXPECT_FALSE(Button("BackButton")->isEnabled());

    ClickLink("TPersistent");
    EXPECT_EQ(Window->CurrentTitle(), "TPersistent class");
    EXPECT_TRUE(Shown().contains("TPersistent = class\n"));
    ClickLink("TObject");
    EXPECT_EQ(Window->CurrentTitle(), "TObject class");

    QTest::mouseClick(Button("BackButton"), Qt::LeftButton);
    EXPECT_EQ(Window->CurrentTitle(), "TPersistent class");
    QTest::mouseClick(Button("BackButton"), Qt::LeftButton);
    EXPECT_EQ(Window->CurrentTitle(), "TMenuItem.Click");
    EXPECT_FALSE(Button("BackButton")->isEnabled());
    EXPECT_FALSE(Window->Back());
}

TEST_F(HelpTopicWindow, ContentsAndIndexButtons) {
    ASSERT_TRUE(Window->ShowTopic(SampleHelp, "TApplication"));
    QSignalSpy index(Window.get(), &THelpTopicWindow::IndexRequested);
    QTest::mouseClick(Button("IndexButton"), Qt::LeftButton);
    EXPECT_EQ(index.count(), 1);
    QTest::mouseClick(Button("ContentsButton"), Qt::LeftButton);
    EXPECT_EQ(Window->CurrentTopic(), 0);
    EXPECT_EQ(Window->CurrentTitle(), "Delphi Help");
    ClickLink("TApplication");
    EXPECT_EQ(Window->CurrentTitle(), "TApplication class");
}

TEST_F(HelpTopicWindow, MissingTopicAndDamagedFileChangeNothing) {
    ASSERT_TRUE(Window->ShowTopic(SampleHelp, "TApplication"));
    const QString before = Shown();
    EXPECT_FALSE(Window->ShowTopic(SampleHelp, "NoSuchTopic"));
    std::string other = Write("other.hlp", BuildHlp(SampleTopics(2), {}));
    EXPECT_FALSE(Window->ShowTopic(other, "NoSuchTopic"));
    std::string bad = Write("bad.hlp", "damaged");
    EXPECT_EQ(ErrorMessage([&] { Window->ShowTopic(bad, "TApplication"); }), "Invalid help file " + bad);
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(Window->CurrentTitle(), "TApplication class");
    // Another file that has the topic replaces the one shown; Back starts anew.
    ASSERT_TRUE(Window->ShowTopic(other, "T1_Topic"));
    EXPECT_EQ(Window->CurrentTitle(), "Topic 1");
    EXPECT_FALSE(Button("BackButton")->isEnabled());
}

TEST(TopicHtml, FormatsLineBreaksAndJumps) {
    THlpTopic topic = SampleTopics(3)[1].Topic;
    QString html = TopicHtml(topic);
    for (const char* part : {"<h2>Topic 1</h2>", "<b>Topic 1</b>", "<i>declared in</i>", "<u>Controls</u>",
                             "string;<br>", "<a href=\"topic:"})
        EXPECT_TRUE(html.contains(part)) << part;
    EXPECT_TRUE(html.contains(QString("topic:%1\">Topic 2</a>").arg(ContextHash("T2_Topic"))));
}

}  // namespace qm::test
