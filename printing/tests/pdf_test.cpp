// The Qt printer device writing PDF files, as it does when no printer is installed; the text
// of each file is read back with poppler's pdftotext.
#include "scratchdir.h"
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "classlistprint.h"
#include "mainlayout.h"
#include "qtprinterdevice.h"

namespace qm {
namespace {

// The text of a PDF file, pages ending in a form feed.
QString PdfText(const std::string& Path) {
    QProcess process;
    process.start("pdftotext", {"-layout", QString::fromStdString(Path), "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << Path << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct TPdfFixture : testing::Test {
    QTemporaryDir Folder;
    TQtPrinterDevice Printer{QPrinterInfo(), Folder.path().toStdString()};
    TPageLayout Layout{Printer};
    TPdfFixture() { ConfigureMainPageLayout(Layout); }

    QStringList Files() const { return QDir(Folder.path()).entryList(QDir::Files, QDir::Name); }
};

using PdfPrint = TPdfFixture;

TEST_F(PdfPrint, ClassListReadsBackFromTheFile) {
    ASSERT_TRUE(Printer.PrintsToFile());
    EXPECT_EQ(Printer.YResolution(), 300);
    const std::vector<TClassListRow> rows = {
        {"Caption", {"TControl", "2", "Published", "Property"}},
        {"Create", {"TCustomForm", "1", "Public", "Method"}},
        {"FActive", {"TCustomForm", "1", "Private", "Field"}},
        {"Show&Tell", {"TForm", "0", "Public", "Method"}},
    };
    const TPrintTarget target = PrintItemClick(Layout, rows, "TForm", "Quillmap 2");
    EXPECT_TRUE(target.IsFile);
    EXPECT_EQ(target.Name, QDir(Folder.path()).filePath("TForm.pdf").toStdString());

    const QString text = PdfText(target.Name);
    EXPECT_EQ(text.count('\f'), 1) << text.toStdString();
    for (const QString expected : {"TForm", "Page 1", "Quillmap 2", "Caption", "Create", "FActive",
                                   "Show&Tell", "TCustomForm", "Published"})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in\n"
                                             << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("\\d\\d\\D\\d\\d\\D\\d\\d")))  // the date
        << text.toStdString();
    // Columns: the Class and Type columns start at the same place in every row.
    QSet<qsizetype> classStarts, typeStarts;
    for (const QString& line : text.split('\n'))
        for (const TClassListRow& row : rows)
            if (line.trimmed().startsWith(QString::fromStdString(row.Caption))) {
                classStarts << line.indexOf(QString::fromStdString(row.SubItems[0]));
                typeStarts << line.lastIndexOf(QString::fromStdString(row.SubItems[3]));
            }
    EXPECT_EQ(classStarts.size(), 1);
    EXPECT_EQ(typeStarts.size(), 1);
}

// With the main window's page at 300 dpi a page holds as many rows as the body has lines; a
// 200-row list lands on ceil(200 / lines) pages. QM_PRINT_PDF names a copy for looking at.
TEST_F(PdfPrint, LongListFillsNumberedPages) {
    std::vector<TClassListRow> rows;
    const char* classes[] = {"TForm", "TCustomForm", "TScrollingWinControl", "TWinControl",
                             "TControl", "TComponent", "TPersistent", "TObject"};
    const char* visibility[] = {"Published", "Public", "Protected", "Private"};
    const char* kinds[] = {"Method", "Property", "Field"};
    for (int i = 0; i < 200; ++i)
        rows.push_back({"Member" + std::string(i % 7, 'x') + std::to_string(i + 1),
                        {classes[i / 25], std::to_string(i / 25), visibility[i % 4],
                         kinds[i % 3]}});
    const TPrintTarget target = PrintItemClick(Layout, rows, "TForm", "Quillmap 2");

    const TRect body = Layout.DetailRect();
    const int linesPerPage = (body.Bottom - body.Top - 1) / Layout.DetailHeight();
    const int pages = (200 + linesPerPage - 1) / linesPerPage;
    const QString text = PdfText(target.Name);
    EXPECT_EQ(text.count('\f'), pages);
    for (int p = 1; p <= pages; ++p) EXPECT_TRUE(text.contains(QString("Page %1").arg(p))) << p;
    EXPECT_FALSE(text.contains(QString("Page %1").arg(pages + 1)));
    EXPECT_TRUE(text.contains("Memberxxx200"));  // the last row

    const QByteArray copy = qgetenv("QM_PRINT_PDF");
    if (!copy.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(copy));
        EXPECT_TRUE(QFile::copy(QString::fromStdString(target.Name), QString::fromLocal8Bit(copy)));
    }
}

TEST_F(PdfPrint, NamesFilesAfterTheJobWithoutOverwriting) {
    const std::vector<TClassListRow> rows = {{"Create", {"TForm", "0", "Public", "Method"}}};
    PrintItemClick(Layout, rows, "TForm", "Quillmap 2");
    const TPrintTarget second = PrintItemClick(Layout, rows, "TForm", "Quillmap 2");
    PrintItemClick(Layout, rows, "A/B:C", "Quillmap 2");
    EXPECT_EQ(Files(), (QStringList{"A_B_C.pdf", "TForm (2).pdf", "TForm.pdf"}));
    EXPECT_EQ(second.Name, QDir(Folder.path()).filePath("TForm (2).pdf").toStdString());
}

TEST_F(PdfPrint, DroppedDocumentsLeaveNoFile) {
    // Empty bands: a new page has nothing on it, and the document is aborted.
    Layout.Header().SetShowPageNo(false);
    Layout.Header().SetShowDateTime(false);
    Layout.NewPage();
    Layout.FinishDoc();
    // A document dropped after drawing.
    Printer.BeginDoc("Dropped");
    Printer.TextRect({0, 0, 500, 50}, "text", taLeftJustify);
    Printer.Abort();
    EXPECT_EQ(Files(), QStringList());
    EXPECT_EQ(Printer.Destination(), TPrintTarget{});
}

TEST_F(PdfPrint, UnwritableFolderIsReportedAndNothingStaysOpen) {
    QFile blocker(QDir(Folder.path()).filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::string folder = blocker.fileName().toStdString() + "/sub";
    TQtPrinterDevice printer(QPrinterInfo(), folder);
    TPageLayout layout(printer);
    const std::vector<TClassListRow> rows = {{"Create", {"TForm", "0", "Public", "Method"}}};
    try {
        PrintItemClick(layout, rows, "TForm", "Quillmap 2");
        ADD_FAILURE() << "no error";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.Message(), "Cannot write " + folder + "/TForm.pdf: Not a directory");
    }
    EXPECT_FALSE(printer.Printing());
}

}  // namespace
// On a full disk (a file size limit in a child process) a one-page PDF file cannot be written
// whole: the printout is an error naming the reason, not a success, and no file is left.
TEST(PdfPrintFullDisk, IsAnErrorAndLeavesNoFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString folder = QDir::temp().filePath(QString::fromStdString(ScratchDirName("qm_pdf_full_disk")));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    std::vector<TClassListRow> rows;
    for (int i = 0; i < 20; ++i) rows.push_back({"Member" + std::to_string(i), {"TBig", "0", "Public", "Method"}});
    auto print = [&] {
        TQtPrinterDevice printer(QPrinterInfo(), folder.toStdString());
        TPageLayout layout(printer);
        ConfigureMainPageLayout(layout);
        return PrintItemClick(layout, rows, "TBig", "Quillmap 2");
    };
    // The limit cuts the file in half, whatever size the fonts at hand give it.
    const QString written = QString::fromStdString(print().Name);
    const qint64 size = QFileInfo(written).size();
    ASSERT_GT(size, 2048);
    QFile::remove(written);
    auto printOnAFullDisk = [&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(size / 2), rlim_t(size / 2)};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            print();
        } catch (const EPrinter& e) {
            std::fprintf(stderr, "%s\n", e.Message().c_str());
            std::_Exit(3);
        }
        std::_Exit(0);
    };
    EXPECT_EXIT(printOnAFullDisk(),
                testing::ExitedWithCode(3), "Cannot write .*TBig.pdf: File too large");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
    QDir(folder).removeRecursively();
}

}  // namespace qm
