// THeaderFooter on the recording printer: band heights and notifications, drawing of page
// number, date, lines and frames; the date pattern.
#include <gtest/gtest.h>

#include <functional>

#include "datetimefmt.h"
#include "pglayout.h"
#include "recordingprinter.h"

namespace qm {
namespace {

// Counts a band's notifications and passes them on to the layout.
struct TChangeCounter {
    TEvent<THeaderFooter&> Next;
    int Count = 0;
    void Changed(THeaderFooter& Sender) {
        ++Count;
        Next(Sender);
    }
    explicit TChangeCounter(THeaderFooter& Band) : Next(Band.OnChange) {
        Band.OnChange = TEvent<THeaderFooter&>::Of<&TChangeCounter::Changed>(this);
    }
};

// A 10 x 10 inch page at 100 dpi whose header and footer lines are 20 pixels high.
struct TBandPage {
    TRecordingPrinter Printer{1000, 1000, 100};
    TPageLayout Layout{Printer};
    TBandPage() {
        Layout.HeaderFont().SetHeight(20);
        Layout.FooterFont().SetHeight(20);
    }
};

struct TBandCase {
    const char* Name;
    std::function<void(THeaderFooter&)> Change;
    int Notifications;
    uint16_t LineCount;
};

// Each case starts from a footer with the page number shown on line 1.
class HeaderFooterBand : public testing::TestWithParam<TBandCase> {};

TEST_P(HeaderFooterBand, HeightFollowsTheLineCount) {
    TBandPage page;
    TPageLayout& layout = page.Layout;
    THeaderFooter& footer = layout.Footer();
    footer.SetShowPageNo(true);
    TChangeCounter counter(footer);
    GetParam().Change(footer);
    EXPECT_EQ(counter.Count, GetParam().Notifications);
    EXPECT_EQ(footer.LineCount(), GetParam().LineCount);
    EXPECT_EQ(footer.Rect(), (TRect{0, 1000 - 20 * GetParam().LineCount, 1000, 1000}));
    EXPECT_EQ(layout.DetailRect().Bottom, footer.Rect().Top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderFooterBand,
    testing::Values(
        TBandCase{"LineTwoGrows", [](THeaderFooter& b) { b.AddLine("x", taLeftJustify, 2, 0); },
                  1, 2},
        TBandCase{"LineOneShares", [](THeaderFooter& b) { b.AddLine("x", taCenter, 1, 0); }, 0, 1},
        TBandCase{"ClearKeepsPageNumber",
                  [](THeaderFooter& b) {
                      b.AddLine("x", taLeftJustify, 3, 0);
                      b.Clear();
                  },
                  2, 1},
        TBandCase{"SamePageLineNo", [](THeaderFooter& b) { b.SetPageLineNo(1); }, 0, 1},
        TBandCase{"NewPageLineNo", [](THeaderFooter& b) { b.SetPageLineNo(3); }, 1, 3},
        TBandCase{"SameShowPageNo", [](THeaderFooter& b) { b.SetShowPageNo(true); }, 0, 1},
        TBandCase{"HidePageNo", [](THeaderFooter& b) { b.SetShowPageNo(false); }, 1, 0},
        TBandCase{"DateOnLineTwo",
                  [](THeaderFooter& b) {
                      b.SetDateLineNo(2);  // not shown yet: counts only once shown
                      b.SetShowDateTime(true);
                  },
                  2, 2},
        TBandCase{"FormatOnly", [](THeaderFooter& b) { b.SetPageNoFmt("%d"); }, 0, 1}),
    [](const testing::TestParamInfo<TBandCase>& Info) { return std::string(Info.param.Name); });

TEST(HeaderFooter, DrawsPageNumberDateAndLinesInTheirSlots) {
    TBandPage page;
    TPageLayout& layout = page.Layout;
    THeaderFooter& header = layout.Header();
    header.SetShowPageNo(true);
    header.SetShowDateTime(true);
    ASSERT_EQ(header.Rect(), (TRect{0, 0, 1000, 20}));  // one header line
    header.AddLine("over", taCenter, 1, 0);
    header.AddLine("second", taRightJustify, 2, 0);
    for (int n = 0; n < 3; ++n) {
        if (n) layout.NewPage();
        layout.WriteLine("body");
    }
    const std::string before = FormatDateTime(" mm/dd/yy");
    layout.FinishDoc();
    const std::string after = FormatDateTime(" mm/dd/yy");

    const auto pages = page.Printer.Pages();
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<TPrinterCall> page3(pages[2].begin() + 1, pages[2].end());  // after "body"
    ASSERT_EQ(page3.size(), 4u);
    EXPECT_EQ(page3[0].Text, "Page 3 ");
    EXPECT_EQ(page3[0].Alignment, taRightJustify);
    EXPECT_EQ(page3[0].Rect, (TRect{0, 0, 1000, 20}));
    EXPECT_TRUE(page3[1].Text == before || page3[1].Text == after) << page3[1].Text;
    EXPECT_EQ(page3[1].Alignment, taLeftJustify);
    EXPECT_EQ(page3[1].Rect, page3[0].Rect);
    EXPECT_EQ(page3[2].Text, "over");
    EXPECT_EQ(page3[2].Alignment, taCenter);
    EXPECT_EQ(page3[3].Rect, (TRect{0, 20, 1000, 40}));
    EXPECT_EQ(page3[3].Font.Height, 20);  // drawn in the header font
    EXPECT_EQ(layout.Alignment, taLeftJustify);
}

struct TFrameCase {
    uint8_t Borders;
    std::vector<std::pair<std::string, TPoint>> Path;
};

class HeaderFooterFrame : public testing::TestWithParam<TFrameCase> {};

// The slot of line 2 is (100, 220, 900, 240); the frame runs inside its right and bottom edge.
TEST_P(HeaderFooterFrame, RunsOnePixelInsideTheSlot) {
    TRecordingPrinter printer(900, 1000, 100);
    TPageLayout layout(printer);
    layout.SetTopMargin(2);
    layout.SetLeftMargin(1);
    layout.HeaderFont().SetHeight(20);
    layout.Header().AddLine("framed", taCenter, 2, GetParam().Borders);
    layout.NewPage();
    std::vector<std::pair<std::string, TPoint>> path;
    for (const TPrinterCall& call : printer.Calls)
        if (call.Op == "MoveTo" || call.Op == "LineTo") path.emplace_back(call.Op, call.Point);
    ASSERT_EQ(path.size(), GetParam().Path.size());
    for (size_t i = 0; i < path.size(); ++i) {
        EXPECT_EQ(path[i].first, GetParam().Path[i].first) << i;
        EXPECT_EQ(path[i].second.X, GetParam().Path[i].second.X) << i;
        EXPECT_EQ(path[i].second.Y, GetParam().Path[i].second.Y) << i;
    }
    layout.FinishDoc();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderFooterFrame,
    testing::Values(TFrameCase{15,
                               {{"MoveTo", {100, 220}}, {"LineTo", {100, 239}},  // left
                                {"MoveTo", {899, 220}}, {"LineTo", {899, 239}},  // right
                                {"MoveTo", {100, 220}}, {"LineTo", {899, 220}},  // top
                                {"MoveTo", {100, 239}}, {"LineTo", {899, 239}}}},  // bottom
                    TFrameCase{bdTop | bdBottom,
                               {{"MoveTo", {100, 220}}, {"LineTo", {899, 220}},
                                {"MoveTo", {100, 239}}, {"LineTo", {899, 239}}}},
                    TFrameCase{0, {}}));

TEST(HeaderFooter, AssignCopiesSettingsAndLinesButKeepsItsSide) {
    TBandPage page;
    TPageLayout& layout = page.Layout;
    TPageLayout source(page.Printer);
    source.Header().SetShowDateTime(true);
    source.Header().SetDateTimeFmt("yy");
    source.Header().AddLine("title", taCenter, 2, 15);
    layout.SetFooter(source.Header());
    const THeaderFooter& footer = layout.Footer();
    EXPECT_FALSE(footer.IsHeader);
    EXPECT_TRUE(footer.ShowDateTime());
    EXPECT_EQ(footer.DateTimeFmt(), "yy");
    ASSERT_EQ(footer.Lines().size(), 1u);
    EXPECT_EQ(footer.Lines()[0].Text, "title");
    EXPECT_EQ(footer.Rect(), (TRect{0, 960, 1000, 1000}));
    EXPECT_EQ(layout.DetailRect().Bottom, 960);
}

TEST(DateTimeFormat, FillsTwoDigitFieldsAndTheSeparator) {
    struct TCase {
        const char* Fmt;
        TDate Date;
        char Separator;
        const char* Expected;
    } cases[] = {
        {" mm/dd/yy", {2024, 3, 7}, '/', " 03/07/24"},
        {" mm/dd/yy", {2000, 12, 31}, '.', " 12.31.00"},
        {"dd-mm-yy", {1996, 1, 2}, '/', "02-01-96"},
        {"m/d mmm Date:", {2024, 3, 7}, '.', "m.d 03m Date:"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatDateTime(c.Fmt, c.Date, c.Separator), c.Expected) << c.Fmt;
}

}  // namespace
}  // namespace qm
