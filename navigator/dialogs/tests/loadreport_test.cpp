// The report after a load of many units: the count, the lines of what did not load, Copy putting
// all of them on the clipboard, the box's size from its text, and the window's own advice.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "unitparser.h"

#include "dlgfixture.h"
#include "loadreport.h"

namespace qm::test {

TEST(LoadReport, ListsWhatDidNotLoadAndCopiesItWhole) {
    TLoadReportDlg Dialog;
    const QStringList Failed = {"/src/a.pas: Unable to locate ancestor class TThing", "/src/b.pp: Unable to find identifier - Line 3"};
    Dialog.SetReport(12, Failed, false);
    Dialog.show();
    EXPECT_EQ(Dialog.findChild<QLabel*>("Summary")->text(), "12 units were added. 2 units did not load:");
    EXPECT_EQ(Dialog.Text(), Failed.join('\n'));
    QApplication::clipboard()->clear();
    QTest::mouseClick(Dialog.findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), Failed.join('\n'));
    QTest::mouseClick(Dialog.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);

    Dialog.SetReport(3, {}, true);
    EXPECT_EQ(Dialog.findChild<QLabel*>("Summary")->text(),
              "3 units were added. The load was cancelled; the units added before stay.");
    EXPECT_FALSE(Dialog.findChild<QPlainTextEdit*>("Lines")->isVisibleTo(&Dialog));
    // One of each is said in the singular; notes are named as notes.
    Dialog.SetReport(1, {Failed[0]}, false, {"/src/c.pas uses /src/Base.pas"});
    EXPECT_EQ(Dialog.findChild<QLabel*>("Summary")->text(),
              "1 unit was added. 1 unit did not load, and notes on the units added:");
}

// A summary alone is a box of one line of text and the buttons; lines of failures are shown whole,
// neither wrapped nor scrolled.
TEST(LoadReport, TheBoxTakesTheSizeOfItsText) {
    TLoadReportDlg Dialog;
    auto* Summary = Dialog.findChild<QLabel*>("Summary");
    auto* Lines = Dialog.findChild<QPlainTextEdit*>("Lines");
    auto* Ok = Dialog.findChild<QPushButton*>("OkButton");
    Dialog.SetReport(12000, {}, false);
    Dialog.show();
    QApplication::processEvents();
    const QFontMetrics Metrics(Summary->font());
    EXPECT_GE(Summary->contentsRect().width(), Metrics.horizontalAdvance(Summary->text()));
    EXPECT_LT(Summary->height(), 2 * Metrics.lineSpacing()) << "one line";
    EXPECT_LT(Dialog.height(), Summary->height() + Ok->height() + 3 * Metrics.lineSpacing());
    EXPECT_LT(Dialog.width(), 2 * Metrics.horizontalAdvance(Summary->text()) + 100);
    Dialog.hide();

    const QStringList Failed = {"/src/lib/a.pas: Unable to locate ancestor class TThing",
                                "/src/lib/deeper/folder/b.pp: Internal Error: Unable to find identifier - Line 3, B",
                                "/src/c.pas: Stream read error"};
    Dialog.SetReport(2, Failed, false);
    Dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(Lines->horizontalScrollBar()->maximum(), 0) << "the longest line is seen whole";
    EXPECT_EQ(Lines->verticalScrollBar()->maximum(), 0) << "every line is seen";
    EXPECT_LT(Lines->height(), 8 * QFontMetrics(Lines->font()).lineSpacing()) << "and no more than that";
}

// The parser's advice names an option of the command-line tool; the window says where its own
// setting is instead.
TEST(LoadReport, FailuresSayWhereTheWindowsSettingIs) {
    TLoadReportDlg Dialog;
    const QString Failure = QStringLiteral("/src/Gen.pas: Internal Error: Expected ; - Line 5, Gen ") +
                            QString::fromLatin1(ModernDialectHint);
    Dialog.SetReport(0, {Failure}, false);
    EXPECT_EQ(Dialog.Text(), "/src/Gen.pas: Internal Error: Expected ; - Line 5, Gen This unit uses modern Object "
                             "Pascal: in Edit > Configuration, tick \"Read modern Object Pascal: overloads, generics, "
                             "strict visibility, helpers, include files\"");
    EXPECT_EQ(WindowAdvice(QStringLiteral("Stream read error")), "Stream read error");
}

}  // namespace qm::test
