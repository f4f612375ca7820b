// The topic window, offscreen, over the sample installation's help file: a topic with its title
// and declaration, a click on a jump, Back, Contents, Index, a missing topic and a damaged file.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>

#include "helptestutil.h"
#include "helptopicwin.h"
#include "hlpfile.h"
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
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
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
    // The file's own keyword index: typing a keyword in the list and Enter opens its topic.
    QTest::mouseClick(Button("IndexButton"), Qt::LeftButton);
    EXPECT_EQ(index.count(), 0);
    auto* list = Window->findChild<QListWidget*>("TopicList");
    ASSERT_TRUE(list->isVisible());
    EXPECT_GT(list->count(), 4000);
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClicks(QApplication::focusWidget(), "TMenuItem");
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentItem()->text(), "TMenuItem");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Window->CurrentTitle(), "TMenuItem class");
    EXPECT_FALSE(list->isVisible());
    // A file without one asks for the help index instead.
    std::string bare = Write("bare.hlp", BuildHlp(SampleTopics(2), {}));
    ASSERT_TRUE(Window->ShowTopic(bare, "T1_Topic"));
    QTest::mouseClick(Button("IndexButton"), Qt::LeftButton);
    EXPECT_EQ(index.count(), 1);
    ASSERT_TRUE(Window->ShowTopic(SampleHelp, "TApplication"));
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

TEST_F(HelpTopicWindow, SearchFindsTopicsHoldingEveryWordAndEnterOpensTheFirst) {
    ASSERT_TRUE(Window->ShowTopic(SampleHelp, "TApplication"));
    auto* edit = Window->findChild<QLineEdit*>("SearchEdit");
    auto* list = Window->findChild<QListWidget*>("TopicList");
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(QApplication::focusWidget(), "tmenuitem CLICK");
    ASSERT_TRUE(list->isVisible());
    ASSERT_GT(list->count(), 0);
    bool click = false;
    for (int i = 0; i < list->count(); ++i) click |= list->item(i)->text() == "TMenuItem.Click";
    EXPECT_TRUE(click);
    const QString first = list->item(0)->text();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Window->CurrentTitle(), first);
    EXPECT_TRUE(Shown().toLower().contains("tmenuitem"));
    EXPECT_TRUE(Shown().toLower().contains("click"));
    // Words that no topic holds together find nothing.
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "tmenuitem zzzqqq");
    EXPECT_EQ(list->count(), 0);
}

// A topic with a heading region, a table, a popup and a jump into a help file beside it.
// A damaged topic does not end a search: the other topics are found, the damaged one by its title.
TEST_F(HelpTopicWindow, SearchGoesOnPastADamagedTopic) {
    std::string image = BuildHlp(SampleTopics(40), {"", false, THlpPhrases::TScheme::None});
    const size_t text = image.find("property Caption20:");
    ASSERT_NE(text, std::string::npos);
    image.replace(text - 40, 30, 30, '\xEE');
    ASSERT_TRUE(Window->ShowTopic(Write("d.hlp", image), "T0_Topic"));
    auto* edit = Window->findChild<QLineEdit*>("SearchEdit");
    auto* list = Window->findChild<QListWidget*>("TopicList");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "caption2");
    QStringList found;
    for (int i = 0; i < list->count(); ++i) found << list->item(i)->text();
    EXPECT_TRUE(found.contains("Topic 2"));
    EXPECT_TRUE(found.contains("Topic 29"));
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "topic 20");
    EXPECT_GT(list->count(), 0);
}

TEST_F(HelpTopicWindow, HeadingRegionTablePopupAndAnotherFile) {
    const std::string file = Write("main.hlp", BuildHlp(FormattedTopics(), {}));
    std::vector<THlpSourceTopic> others = SampleTopics(1);
    others[0].ContextId = "Other_Topic";
    others[0].Topic.Title = "The other file's topic";
    Write("OTHER.HLP", BuildHlp(others, {}));
    ASSERT_TRUE(Window->ShowTopic(file, "T1_Topic"));
    auto* heading = Window->findChild<QTextBrowser*>("NonScrollingBrowser");
    ASSERT_TRUE(heading->isVisible());
    EXPECT_EQ(heading->toPlainText(), "Heading\nUnder the heading");
    EXPECT_FALSE(Shown().contains("Heading"));
    EXPECT_TRUE(Shown().startsWith("Some red text and small print"));
    // The table's cells in the rows and columns of a table.
    int tables = 0;
    for (QTextBlock b = Browser->document()->begin(); b.isValid(); b = b.next())
        if (auto* table = qobject_cast<QTextTable*>(QTextCursor(b).currentTable()); table && b.text() == "Caption") {
            ++tables;
            EXPECT_EQ(table->columns(), 3);
            EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().block().text(), "Meaning");
            EXPECT_TRUE(table->cellAt(1, 1).lastCursorPosition().block().text().endsWith("a popup"));
        }
    EXPECT_EQ(tables, 1);

    ClickLink("a popup");
    auto* popup = Window->findChild<QTextBrowser*>("PopupBrowser");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->toPlainText().startsWith("Topic 2"));
    EXPECT_EQ(Window->CurrentTitle(), "Topic 1");
    popup->hide();

    ClickLink("in another file");
    EXPECT_EQ(Window->CurrentTitle(), "The other file's topic");
    EXPECT_EQ(Window->File()->FileName(), (Dir / "OTHER.HLP").string());
}

// A picture shows at its size with its pixels; a click on a hotspot's area of the picture, in the
// line or at either margin, follows its jump, and a click on the picture beside it does nothing.
// One that cannot be decoded shows as an empty frame of its size.
TEST_F(HelpTopicWindow, PicturesShowWithTheirPixelsAndHotspots) {
    auto topics = SampleTopics(3);
    THlpPicture picture;
    picture.Width = 5, picture.Height = 3;
    for (int i = 0; i < 15; ++i) picture.Pixels.push_back(0xFF000000u | uint32_t(i * 0x111111));
    picture.Hotspots = {{"to the third", "T2_Topic", 0, 0, 5, 3, false, ContextHash("T2_Topic")}};
    topics[1].Topic.Pictures = {picture};
    THlpRun run;
    run.Picture = 0;
    topics[1].Topic.Paragraphs.push_back({{Text("A picture: "), run}});
    ASSERT_TRUE(Window->ShowTopic(Write("p.hlp", BuildHlp(topics, {})), "T1_Topic"));
    int images = 0;
    for (QTextBlock b = Browser->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
                EXPECT_EQ(format.width(), 5);
                EXPECT_EQ(format.height(), 3);
                const QImage image = Browser->document()->resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
                ASSERT_EQ(image.size(), QSize(5, 3));
                EXPECT_EQ(image.pixel(4, 2), 0xFFEEEEEEu);
                ++images;
            }
    EXPECT_EQ(images, 1);
    EXPECT_FALSE(Browser->toHtml().contains("to the third"));

    // The left half of a picture of one colour jumps to the third topic.
    for (uint8_t align : {0, 1, 2}) {
        SCOPED_TRACE(int(align));
        THlpPicture spots;
        spots.Width = 40, spots.Height = 30;
        spots.Pixels.assign(40 * 30, 0xFF2468ACu);
        spots.Hotspots = {{"to the third", "T2_Topic", 0, 0, 20, 30, false, ContextHash("T2_Topic")}};
        auto more = SampleTopics(3);
        more[1].Topic.Pictures = {spots};
        THlpRun at;
        at.Picture = 0, at.PictureAlign = align;
        more[1].Topic.Paragraphs.push_back({{Text("Before "), at, Text(" after")}});
        ASSERT_TRUE(Window->ShowTopic(Write("h" + std::to_string(align) + ".hlp", BuildHlp(more, {})), "T1_Topic"));
        // Where a person sees it.
        const QImage shot = Browser->viewport()->grab().toImage();
        QPoint corner(-1, -1);
        for (int y = 0; y < shot.height() && corner.x() < 0; ++y)
            for (int x = 0; x < shot.width() && corner.x() < 0; ++x)
                if (shot.pixel(x, y) == 0xFF2468ACu) corner = QPoint(x, y);
        ASSERT_GE(corner.x(), 0);
        QTest::mouseClick(Browser->viewport(), Qt::LeftButton, {}, corner + QPoint(30, 15));
        EXPECT_EQ(Window->CurrentTitle(), "Topic 1");
        QTest::mouseClick(Browser->viewport(), Qt::LeftButton, {}, corner + QPoint(10, 15));
        EXPECT_EQ(Window->CurrentTitle(), "Topic 2");
    }

    THlpPicture undecodable;
    undecodable.Kind = THlpPicture::TKind::Metafile, undecodable.Width = 40, undecodable.Height = 30;
    const QImage frame = PictureImage(undecodable);
    EXPECT_EQ(frame.size(), QSize(40, 30));
    EXPECT_EQ(frame.pixel(20, 15), 0xFFFFFFFFu);
    EXPECT_NE(frame.pixel(0, 15), 0xFFFFFFFFu);
}

// A metafile is drawn through its records: its window fills the picture, brushes fill shapes, a
// null pen leaves no outline, text is written in its font and colour; a record that claims more
// than the metafile holds ends the drawing.
TEST(TopicPictures, MetafilesAreDrawnThroughTheirRecords) {
    THlpPicture drawing;
    drawing.Kind = THlpPicture::TKind::Metafile, drawing.Width = 120, drawing.Height = 45;
    const std::vector<std::vector<int>> records = {
        {0x020B, 0, 0}, {0x020C, 90, 240},                                  // window 240 x 90
        {0x02FC, 0, 0x00FF, 0, 0}, {0x012D, 0}, {0x02FA, 5, 0, 0, 0, 0}, {0x012D, 1},  // red, no pen
        {0x041B, 90, 120, 0, 0},                                            // the left half
        {0x02FC, 0, 0xFF00, 0, 0}, {0x012D, 2}, {0x0418, 86, 220, 50, 160}, // a green ellipse
        {0x02FA, 0, 0, 0, 0, 0}, {0x012D, 3}, {0x0325, 3, 0, 0, 100, 40, 200, 0},  // a black line
        {0x0209, 0, 0x00FF}, {0x0102, 1},                                   // blue text, no background
        {0x02FB, -40, 0, 0, 0, 700, 0, 0, 0, 0, 'A' | 'r' << 8, 'i' | 'a' << 8, 'l'}, {0x012D, 4},
        {0x0521, 2, 'H' | 'i' << 8, 20, 150},
    };
    drawing.Metafile = Metafile(records);
    const QImage image = PictureImage(drawing);
    ASSERT_EQ(image.size(), QSize(120, 45));
    EXPECT_EQ(image.pixel(20, 30), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(95, 34), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(25, 10), 0xFF000000u);  // on the line from (0, 0) to (50, 20)
    EXPECT_EQ(image.pixel(115, 40), 0xFFFFFFFFu);
    int blue = 0;
    for (int y = 10; y < 32; ++y)
        for (int x = 74; x < 100; ++x) blue += qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 80;
    EXPECT_GT(blue, 10);

    // The ellipse's record claims the rest of the metafile and more: only the red half is drawn.
    auto cut = records;
    drawing.Metafile = Metafile(cut);
    const size_t ellipse = drawing.Metafile.find(std::string("\x18\x04\x56\x00", 4)) - 4;
    drawing.Metafile[ellipse] = '\xFF', drawing.Metafile[ellipse + 1] = '\xFF';
    const QImage stopped = PictureImage(drawing);
    EXPECT_EQ(stopped.pixel(20, 30), 0xFFFF0000u);
    EXPECT_EQ(stopped.pixel(95, 34), 0xFFFFFFFFu);
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
