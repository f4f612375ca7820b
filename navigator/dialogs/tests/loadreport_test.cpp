// The report after a load of many units: the count, the lines of what did not load, and Copy
// putting all of them on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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
}

}  // namespace qm::test
