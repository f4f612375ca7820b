// Page layout: the body area between header and footer, the output position, and the document
// begun with the first output and finished, or dropped when empty, at the end.
#include "pglayout.h"

#include <cmath>
#include <limits>

#include "format.h"

namespace qm {

namespace {

// Truncation toward zero, held inside the 32-bit range.
int32_t Trunc(double Value) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return int32_t(std::trunc(std::fmin(std::fmax(Value, lo), hi)));
}

void CheckIndex(int Index, int Count) {
    if (Index < 1 || Index > Count)
        throw Exception(Format("Property index %d out of range", {Index}));
}

}  // namespace

TPageLayout::TPageLayout(PrinterDevice& Printer)
    : FPrinter(Printer), FHeader(*this), FFooter(*this) {
    for (TFont* font : {&FDetailFont, &FHeaderFont, &FFooterFont}) {
        font->SetPixelsPerInch(FPrinter.YResolution());
        font->SetName("Arial");
        font->SetSize(10);
        font->OnChange = TEvent<TFont&>::Of<&TPageLayout::FontChanged>(this);
    }
    FHeader.IsHeader = true;
    for (THeaderFooter* band : {&FHeader, &FFooter})
        band->OnChange = TEvent<THeaderFooter&>::Of<&TPageLayout::UpdateDetailRect>(this);
    FPageNumber = 1;
    UpdateFontHeights();
    UpdatePageRect();
}

TPageLayout::~TPageLayout() {
    try {
        FinishDoc();
    } catch (...) {
        // Nobody is left to hear of the failure; at least the printer must not keep the job open.
        try {
            if (FPrinter.Printing()) FPrinter.Abort();
        } catch (...) {
        }
    }
}

void TPageLayout::SetMargin(int Index, float Value) {
    CheckIndex(Index, 4);
    // Keeps the old margin rather than a value no rectangle can be computed from.
    if (!std::isfinite(Value)) throw Exception("Invalid floating point operation");
    float* margins[] = {&FLeftMargin, &FRightMargin, &FTopMargin, &FBottomMargin};
    *margins[Index - 1] = Value;
    UpdatePageRect();
    if (Index == 3) ResetPosition();
}

void TPageLayout::SetFont(int Index, const TFont& Value) {
    CheckIndex(Index, 3);
    TFont* fonts[] = {&FDetailFont, &FHeaderFont, &FFooterFont};
    fonts[Index - 1]->Assign(Value);
    // The printer surface may hold the old attributes: the next SelectFont must apply them.
    FCurrentFont = TFontKind::None;
}

TFont& TPageLayout::FontOf(TFontKind Kind) {
    switch (Kind) {
        case TFontKind::Header:
            return FHeaderFont;
        case TFontKind::Footer:
            return FFooterFont;
        default:
            return FDetailFont;
    }
}

TSize TPageLayout::Extent(TFontKind Kind, std::string_view Text) {
    if (Kind == TFontKind::None) return FPrinter.TextExtent(Text);
    const TFontData saved = FPrinter.Font();
    FPrinter.SetFont(FontOf(Kind).Data());
    const TSize size = FPrinter.TextExtent(Text);
    FPrinter.SetFont(saved);
    return size;
}

int32_t TPageLayout::TextHeight(TFontKind Kind) { return Extent(Kind, "Ag").cy; }

int32_t TPageLayout::TextWidth(const std::string& Text) { return Extent(FCurrentFont, Text).cx; }

int32_t TPageLayout::LineHeight() const {
    switch (FCurrentFont) {
        case TFontKind::Header:
            return FHeaderHeight;
        case TFontKind::Footer:
            return FFooterHeight;
        default:
            return FDetailHeight;
    }
}

void TPageLayout::SelectFont(TFontKind Kind) {
    if (Kind == FCurrentFont) return;
    FCurrentFont = Kind;
    if (FPrinter.Printing() && Kind != TFontKind::None) FPrinter.SetFont(FontOf(Kind).Data());
}

void TPageLayout::EnsureDoc() {
    if (FPrinter.Printing()) return;
    FPrinter.BeginDoc(PrintMonTitle);
    FPageNumber = 1;
    ResetPosition();
    FPageHasOutput = false;
    FDocHasOutput = false;
    if (FCurrentFont != TFontKind::None) FPrinter.SetFont(FontOf(FCurrentFont).Data());
}

void TPageLayout::OutText(const TRect& R, const std::string& Text) {
    EnsureDoc();
    FPrinter.TextRect(R, Text, Alignment);
    FPageHasOutput = true;
    FDocHasOutput = true;
}

void TPageLayout::WriteText(const std::string& Text) {
    // A line that does not fit below the body's top would not fit on a new page either: it is
    // drawn here, clipped, instead of starting an empty page for every piece of text.
    if (AutoPaging && FCurY > FDetailRect.Top &&
        !FDetailRect.Contains({FDetailRect.Left + 1, FCurY + FDetailHeight}))
        NewPage();
    SelectFont(TFontKind::Detail);
    OutText({FCurX, FCurY, FDetailRect.Right, FCurY + FDetailHeight}, Text);
    FCurX += TextWidth(Text);
}

void TPageLayout::WriteLine(const std::string& Text) {
    WriteText(Text);
    FCurY += FDetailHeight;
    FCurX = FDetailRect.Left;
}

void TPageLayout::TabTo(int32_t X) { FCurX = FDetailRect.Left + X; }

void TPageLayout::DrawBands() {
    FHeader.Draw();
    FFooter.Draw();
}

void TPageLayout::NewPage() {
    EnsureDoc();
    DrawBands();
    FPrinter.NewPage();
    ++FPageNumber;
    ResetPosition();
    FPageHasOutput = false;
    OnPage(*this);
}

void TPageLayout::FinishDoc() {
    if (!FPrinter.Printing()) return;
    if (FPageHasOutput) DrawBands();
    if (FDocHasOutput)
        FPrinter.EndDoc();
    else
        FPrinter.Abort();
}

void TPageLayout::ResetPosition() {
    FCurY = FDetailRect.Top;
    FCurX = FDetailRect.Left;
}

void TPageLayout::RecalcBands() {
    FHeader.Recalc();
    FFooter.Recalc();
}

void TPageLayout::UpdateFontHeights() {
    FDetailHeight = TextHeight(TFontKind::Detail);
    FHeaderHeight = TextHeight(TFontKind::Header);
    FFooterHeight = TextHeight(TFontKind::Footer);
    RecalcBands();
}

// The vertical resolution serves all four margins. The margins keep their exact 32-bit float
// value: 0.3f is a little more than 0.3, so at 300 dpi a bottom margin of 0.3 takes 91 pixels.
void TPageLayout::UpdatePageRect() {
    const double d = FPrinter.YResolution();
    const TRect r{Trunc(d * FLeftMargin), Trunc(d * FTopMargin),
                  Trunc(FPrinter.PageWidth() - d * FRightMargin),
                  Trunc(FPrinter.PageHeight() - d * FBottomMargin)};
    if (r == FPageRect) return;
    FPageRect = r;
    RecalcBands();
}

void TPageLayout::UpdateDetailRect(THeaderFooter&) {
    const TRect r{FHeader.Rect().Left, FHeader.Rect().Bottom, FHeader.Rect().Right,
                  FFooter.Rect().Top};
    if (r == FDetailRect) return;
    FDetailRect = r;
    ResetPosition();
}

}  // namespace qm
