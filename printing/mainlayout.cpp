// The main window's page design; font heights are printer pixels, about 8, 10 and 6 points at
// 300 dots per inch.
#include "mainlayout.h"

namespace qm {

namespace {

void SetFont(TFont& Font, int32_t Height, uint8_t Style) {
    Font.SetName("Arial");
    Font.SetHeight(Height);
    Font.SetColor(0);
    Font.SetStyle(Style);
}

}  // namespace

void ConfigureMainPageLayout(TPageLayout& PageLayout) {
    PageLayout.SetLeftMargin(0.5f);
    PageLayout.SetRightMargin(0);
    PageLayout.SetTopMargin(0.5f);
    PageLayout.SetBottomMargin(0.3f);
    SetFont(PageLayout.DetailFont(), 33, 0);
    SetFont(PageLayout.HeaderFont(), 42, fsBold);
    SetFont(PageLayout.FooterFont(), 25, fsItalic);
    PageLayout.Header().SetShowPageNo(true);
    PageLayout.Header().SetShowDateTime(true);
    PageLayout.AutoPaging = true;
}

}  // namespace qm
