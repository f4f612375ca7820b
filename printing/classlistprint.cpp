// The class member list as a table: each column starts one "WWWW" after the widest text of
// the column before it, measured in the font the rows are printed in.
#include "classlistprint.h"

#include <algorithm>

namespace qm {

namespace {

// Left edges of columns 2 to 5 relative to the body's left edge.
std::array<int32_t, 4> ColumnStarts(TPageLayout& PageLayout,
                                    const std::vector<TClassListRow>& Rows) {
    std::array<int32_t, 4> widths{};
    for (const TClassListRow& row : Rows) {
        widths[0] = std::max(widths[0], PageLayout.TextWidth(row.Caption));
        for (size_t j = 0; j < 3; ++j)
            widths[j + 1] = std::max(widths[j + 1], PageLayout.TextWidth(row.SubItems[j]));
    }
    const int32_t gap = PageLayout.TextWidth("WWWW");
    std::array<int32_t, 4> x{};
    x[0] = gap + widths[0];
    for (size_t j = 1; j < 4; ++j) x[j] = x[j - 1] + gap + widths[j];
    return x;
}

void SetBands(TPageLayout& PageLayout, const std::string& CurrentClassName,
              const std::string& Title) {
    THeaderFooter& header = PageLayout.Header();
    header.Clear();
    header.AddLine(CurrentClassName, taCenter, 1, bdLeft | bdTop | bdRight | bdBottom);
    header.AddLine(" ", taCenter, 2, 0);
    THeaderFooter& footer = PageLayout.Footer();
    footer.Clear();
    footer.AddLine(Title, taRightJustify, 2, 0);
}

}  // namespace

TPrintTarget PrintItemClick(TPageLayout& PageLayout, const std::vector<TClassListRow>& Rows,
                            const std::string& CurrentClassName, const std::string& Title) {
    PageLayout.SelectFont(TFontKind::Detail);
    const std::array<int32_t, 4> x = ColumnStarts(PageLayout, Rows);
    SetBands(PageLayout, CurrentClassName, Title);
    PageLayout.PrintMonTitle = CurrentClassName;
    try {
        for (const TClassListRow& row : Rows) {
            PageLayout.WriteText(row.Caption);
            for (size_t j = 0; j < 3; ++j) {
                PageLayout.TabTo(x[j]);
                PageLayout.WriteText(row.SubItems[j]);
            }
            PageLayout.TabTo(x[3]);
            PageLayout.WriteLine(row.SubItems[3]);
        }
        PageLayout.FinishDoc();
    } catch (...) {
        // Left open, the broken document would be continued by the next print, page numbers
        // and all.
        try {
            if (PageLayout.Printer().Printing()) PageLayout.Printer().Abort();
        } catch (...) {
        }
        throw;
    }
    // The printer still names the previous printout when this one printed nothing.
    return Rows.empty() ? TPrintTarget{} : PageLayout.Printer().Destination();
}

}  // namespace qm
