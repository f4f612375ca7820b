// The class list printout on the recording printer: pages with their bands, column starts,
// repeated prints, an empty list and a failing printer.
#include <gtest/gtest.h>

#include "classlistprint.h"
#include "mainlayout.h"
#include "recordingprinter.h"

namespace qm {
namespace {

std::vector<TClassListRow> MakeRows(int Count) {
    std::vector<TClassListRow> rows;
    for (int i = 1; i <= Count; ++i)
        rows.push_back({"Member" + std::to_string(i), {"TForm", "0", "Public", "Method"}});
    return rows;
}

// At 300 dpi, with the main window's fonts measured by the recording printer as 33, 42 and 25
// pixels, this page leaves a body of exactly 60 lines plus the one pixel a last line needs.
constexpr int32_t SixtyLinePage = 150 + 2 * 42 + 60 * 33 + 1 + 2 * 25 + 91;

struct TPrintFixture : testing::Test {
    TRecordingPrinter Printer{2400, SixtyLinePage, 300};
    TPageLayout Layout{Printer};
    TPrintFixture() { ConfigureMainPageLayout(Layout); }
};

using ClassListPrint = TPrintFixture;

TEST_F(ClassListPrint, TwoHundredRowsFillFourNumberedPagesWithBands) {
    const TPrintTarget target = PrintItemClick(Layout, MakeRows(200), "TForm", "Quillmap 2");
    EXPECT_EQ(target, (TPrintTarget{false, "Recording printer"}));
    ASSERT_EQ(Layout.DetailRect().Bottom - Layout.DetailRect().Top, 60 * 33 + 1);
    ASSERT_EQ(Printer.CallsOf("BeginDoc").size(), 1u);
    EXPECT_EQ(Printer.CallsOf("BeginDoc")[0].Text, "TForm");

    const TRect line1{150, 150, 2400, 192}, line2{150, 192, 2400, 234};
    const int32_t footerTop = SixtyLinePage - 91 - 50;
    const TRect footerLine2{150, footerTop + 25, 2400, footerTop + 50};
    const size_t rowsOnPage[] = {60, 60, 60, 20};
    const auto pages = Printer.Pages();
    ASSERT_EQ(pages.size(), 4u);
    int firstRow = 1;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        std::vector<TPrinterCall> texts, lines;
        for (const TPrinterCall& call : pages[p])
            (call.Op == "TextRect" ? texts : lines).push_back(call);
        ASSERT_EQ(texts.size(), rowsOnPage[p] * 5 + 5);
        EXPECT_EQ(texts[0].Text, "Member" + std::to_string(firstRow));
        EXPECT_EQ(texts[0].Rect.Top, 234);
        firstRow += int(rowsOnPage[p]);
        const TPrinterCall* band = &texts[rowsOnPage[p] * 5];
        const std::pair<std::string, TAlignment> expected[] = {
            {"Page " + std::to_string(p + 1) + " ", taRightJustify},
            {"", taLeftJustify},  // the date
            {"TForm", taCenter},
            {" ", taCenter},
            {"Quillmap 2", taRightJustify}};
        const TRect slots[] = {line1, line1, line1, line2, footerLine2};
        for (size_t i = 0; i < 5; ++i) {
            if (i != 1) {
                EXPECT_EQ(band[i].Text, expected[i].first) << i;
            }
            EXPECT_EQ(band[i].Alignment, expected[i].second) << i;
            EXPECT_EQ(band[i].Rect, slots[i]) << i;
        }
        EXPECT_EQ(band[1].Text.size(), 9u) << band[1].Text;
        ASSERT_EQ(lines.size(), 8u);  // the frame around header line 1
        EXPECT_EQ(lines[1].Point.X, 150);
        EXPECT_EQ(lines[1].Point.Y, 191);
        EXPECT_EQ(lines[7].Point.X, 2399);
    }
}

TEST_F(ClassListPrint, ColumnsStartAfterTheWidestTextOfTheColumnBefore) {
    const std::vector<TClassListRow> rows = {
        {"A", {"TControl", "12", "Public", "Property"}},
        {"LongestMemberName", {"TForm", "0", "Published", "Method"}},
        {"Bb", {"TWinControl", "3", "Private", "Field"}},
    };
    PrintItemClick(Layout, rows, "TForm", "Quillmap 2");
    // The recording printer makes each character of the 33-pixel body font 16 pixels wide.
    const int32_t gap = 4 * 16;
    const int32_t x1 = gap + 17 * 16, x2 = x1 + gap + 11 * 16, x3 = x2 + gap + 2 * 16,
                  x4 = x3 + gap + 9 * 16;
    const int32_t starts[] = {0, x1, x2, x3, x4};
    const auto texts = Printer.CallsOf("TextRect");
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < 5; ++c) {
            const TPrinterCall& cell = texts[r * 5 + c];
            EXPECT_EQ(cell.Rect.Left, 150 + starts[c]) << r << "," << c;
            EXPECT_EQ(cell.Rect.Top, 234 + 33 * int32_t(r)) << r << "," << c;
            EXPECT_EQ(cell.Rect.Right, 2400);
            EXPECT_EQ(cell.Font.Height, 33);
        }
}

TEST_F(ClassListPrint, SecondPrintStartsAtPageOneWithItsOwnJobName) {
    PrintItemClick(Layout, MakeRows(70), "TForm", "Quillmap 2");
    Printer.Calls.clear();
    const std::string longName = "TCustomVeryLongComponentClassNameBeyondTheSpooler";
    PrintItemClick(Layout, MakeRows(3), longName, "Quillmap 2");
    ASSERT_EQ(Printer.CallsOf("BeginDoc").size(), 1u);
    EXPECT_EQ(Printer.CallsOf("BeginDoc")[0].Text, longName.substr(0, 31));
    const auto pages = Printer.Pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][15].Text, "Page 1 ");
    EXPECT_EQ(pages[0][17].Text, longName);  // the header keeps the whole name
}

TEST_F(ClassListPrint, EmptyListPrintsNothing) {
    PrintItemClick(Layout, MakeRows(1), "TForm", "Quillmap 2");
    Printer.Calls.clear();
    EXPECT_EQ(PrintItemClick(Layout, {}, "TEmpty", "Quillmap 2"), TPrintTarget{});
    EXPECT_TRUE(Printer.CallsOf("BeginDoc").empty());
    EXPECT_FALSE(Printer.Printing());
}

TEST_F(ClassListPrint, PrinterErrorDropsThePartialDocument) {
    Printer.FailingTextRect = 30;
    EXPECT_THROW(PrintItemClick(Layout, MakeRows(10), "TForm", "Quillmap 2"), EPrinter);
    EXPECT_FALSE(Printer.Printing());
    EXPECT_EQ(Printer.CallsOf("Abort").size(), 1u);
    Printer.FailingTextRect = 0;
    Printer.Calls.clear();
    PrintItemClick(Layout, MakeRows(10), "TForm", "Quillmap 2");
    EXPECT_EQ(Printer.CallsOf("BeginDoc").size(), 1u);
    const auto pages = Printer.Pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][0].Text, "Member1");
    EXPECT_EQ(pages[0][50].Text, "Page 1 ");
}

}  // namespace
}  // namespace qm
