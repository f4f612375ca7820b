// TPageLayout on the recording printer: page and body areas, automatic paging, the document's
// begin, end and abort, and font changes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "mainlayout.h"
#include "pglayout.h"
#include "recordingprinter.h"

namespace qm {
namespace {

// Texts drawn on each page.
std::vector<std::vector<std::string>> PageTexts(const TRecordingPrinter& Printer) {
    std::vector<std::vector<std::string>> out;
    for (const auto& page : Printer.Pages()) {
        out.emplace_back();
        for (const TPrinterCall& call : page)
            if (call.Op == "TextRect") out.back().push_back(call.Text);
    }
    return out;
}

TEST(PageLayout, StartsWithDefaultsMeasuredOnThePrinter) {
    TRecordingPrinter printer(2400, 3200, 300);
    TPageLayout layout(printer);
    EXPECT_EQ(layout.DetailFont().Name(), "Arial");
    EXPECT_EQ(layout.HeaderFont().PixelsPerInch(), 300);
    EXPECT_EQ(layout.FooterFont().Height(), 42);  // 10 points at 300 dpi
    EXPECT_EQ(layout.DetailHeight(), 42);
    EXPECT_EQ(layout.PageRect(), (TRect{0, 0, 2400, 3200}));
    EXPECT_EQ(layout.DetailRect(), layout.PageRect());  // empty bands take no room
    EXPECT_FALSE(layout.AutoPaging);
    EXPECT_EQ(layout.PageNumber(), 1);
    EXPECT_TRUE(printer.CallsOf("BeginDoc").empty());
}

TEST(PageLayout, MainWindowMarginsTruncateTheirFloatValues) {
    TRecordingPrinter printer(2400, 3200, 300);
    TPageLayout layout(printer);
    ConfigureMainPageLayout(layout);
    // 300 x 0.3f is a little more than 90: the bottom edge lands at 3200 - 91.
    EXPECT_EQ(layout.PageRect(), (TRect{150, 150, 2400, 3109}));
    EXPECT_EQ(layout.DetailHeight(), 33);
    EXPECT_EQ(layout.HeaderHeight(), 42);
    EXPECT_EQ(layout.FooterHeight(), 25);
    // The header shows page number and date on its one line; the footer is empty.
    EXPECT_EQ(layout.DetailRect(), (TRect{150, 192, 2400, 3109}));
}

// A body of 10-pixel lines from y = 0 to BodyHeight, lines counted per page.
struct TPagingCase {
    int32_t BodyHeight;
    bool AutoPaging;
    std::vector<size_t> LinesPerPage;
};

class PageLayoutPaging : public testing::TestWithParam<TPagingCase> {};

TEST_P(PageLayoutPaging, BreaksBeforeALineReachingTheBodyBottom) {
    const TPagingCase& c = GetParam();
    TRecordingPrinter printer(500, c.BodyHeight, 100);
    TPageLayout layout(printer);
    layout.DetailFont().SetHeight(10);
    layout.AutoPaging = c.AutoPaging;
    for (int i = 0; i < 5; ++i) layout.WriteLine("line");
    layout.FinishDoc();
    std::vector<size_t> lines;
    for (const auto& page : PageTexts(printer)) lines.push_back(page.size());
    EXPECT_EQ(lines, c.LinesPerPage);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageLayoutPaging,
                         testing::Values(
                             // The third line's bottom edge equals the body's: it starts a page.
                             TPagingCase{30, true, {2, 2, 1}}, TPagingCase{31, true, {3, 2}},
                             // Without paging lines run below the body, onto the same page.
                             TPagingCase{30, false, {5}}));

// A new page would give such a line no more room: each row goes on one page, none is empty.
TEST(PageLayout, LineTallerThanTheBodyKeepsItsPiecesTogether) {
    TRecordingPrinter printer(500, 5, 100);
    TPageLayout layout(printer);
    layout.DetailFont().SetHeight(10);
    layout.AutoPaging = true;
    for (int row = 0; row < 2; ++row) {
        layout.WriteText("a");
        layout.TabTo(100);
        layout.WriteText("b");
        layout.TabTo(200);
        layout.WriteLine("c");
    }
    layout.FinishDoc();
    EXPECT_EQ(PageTexts(printer), (std::vector<std::vector<std::string>>{{"a", "b", "c"},
                                                                         {"a", "b", "c"}}));
}

TEST(PageLayout, BeginsADocumentOnlyForOutputAndDropsAnEmptyOne) {
    TRecordingPrinter printer(500, 500, 100);
    {
        TPageLayout layout(printer);
        layout.FinishDoc();
        EXPECT_TRUE(printer.CallsOf("BeginDoc").empty());
        // A page with empty bands has nothing on it: the document is aborted, not ended.
        layout.NewPage();
        EXPECT_EQ(layout.PageNumber(), 2);
        layout.FinishDoc();
        EXPECT_EQ(printer.CallsOf("Abort").size(), 1u);
        EXPECT_TRUE(printer.CallsOf("EndDoc").empty());
        // Destroying the layout ends a document that holds output.
        layout.WriteLine("last words");
    }
    EXPECT_EQ(printer.CallsOf("EndDoc").size(), 1u);
    EXPECT_FALSE(printer.Printing());
}

struct TPageCounter {
    std::vector<int32_t> Seen;
    void Page(TPageLayout& Sender) { Seen.push_back(Sender.PageNumber()); }
};

TEST(PageLayout, NumbersPagesFromOneInEveryDocument) {
    TRecordingPrinter printer(500, 500, 100);
    TPageLayout layout(printer);
    TPageCounter counter;
    layout.OnPage = TEvent<TPageLayout&>::Of<&TPageCounter::Page>(&counter);
    for (int doc = 0; doc < 2; ++doc) {
        layout.WriteLine("x");
        layout.NewPage();
        layout.NewPage();
        layout.FinishDoc();
    }
    EXPECT_EQ(counter.Seen, (std::vector<int32_t>{2, 3, 2, 3}));
}

TEST(PageLayout, TopMarginChangeMovesThePositionToTheBodyCorner) {
    TRecordingPrinter printer(500, 500, 100);
    TPageLayout layout(printer);
    layout.SetLeftMargin(0.25f);
    layout.WriteLine("one");
    layout.WriteText("two");
    ASSERT_GT(layout.CurX(), 25);
    layout.SetTopMargin(1);
    EXPECT_EQ(layout.CurY(), 100);
    EXPECT_EQ(layout.CurX(), 25);
    layout.FinishDoc();
}

TEST(PageLayout, NewFontReachesThePrinterInTheMiddleOfADocument) {
    TRecordingPrinter printer(2000, 2000, 300);
    TPageLayout layout(printer);
    layout.WriteLine("before");
    TFont bigger;  // 96 dots per inch: its 20 points become 83 printer pixels
    bigger.SetName("Times New Roman");
    bigger.SetSize(20);
    layout.SetDetailFont(bigger);
    EXPECT_EQ(layout.CurrentFont(), TFontKind::None);
    EXPECT_EQ(layout.DetailHeight(), 83);
    layout.WriteLine("after");
    layout.FinishDoc();
    const auto texts = printer.CallsOf("TextRect");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font.Height, 42);
    EXPECT_EQ(texts[1].Font, (TFontData{"Times New Roman", 83, 0, 0}));
}

TEST(PageLayout, RefusesBadPropertyValuesAndKeepsItsOwn) {
    TRecordingPrinter printer(500, 500, 100);
    TPageLayout layout(printer);
    layout.SetBottomMargin(0.5f);
    const TRect page = layout.PageRect();
    TFont font;
    EXPECT_THROW(layout.SetMargin(0, 1), Exception);
    EXPECT_THROW(layout.SetMargin(5, 1), Exception);
    EXPECT_THROW(layout.SetFont(4, font), Exception);
    EXPECT_THROW(layout.SetBottomMargin(NAN), Exception);
    EXPECT_THROW(layout.SetLeftMargin(INFINITY), Exception);
    EXPECT_EQ(layout.BottomMargin(), 0.5f);
    EXPECT_EQ(layout.PageRect(), page);
}

}  // namespace
}  // namespace qm
