// TPageLayout: turns a stream of text lines into printed pages: margins in inches, body, header
// and footer fonts, a header and a footer band, and a new page when a line no longer fits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "events.h"
#include "font.h"
#include "headerfooter.h"
#include "printerdevice.h"

namespace qm {

class TPageLayout {
public:
    // Measures with Printer at once; Printer must outlive the layout.
    explicit TPageLayout(PrinterDevice& Printer);
    // Finishes an open document first.
    ~TPageLayout();
    TPageLayout(const TPageLayout&) = delete;
    TPageLayout& operator=(const TPageLayout&) = delete;

    // Margins in inches; property index numbers 1 to 4 for SetMargin.
    float LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(float Value) { SetMargin(1, Value); }
    float RightMargin() const { return FRightMargin; }
    void SetRightMargin(float Value) { SetMargin(2, Value); }
    float TopMargin() const { return FTopMargin; }
    void SetTopMargin(float Value) { SetMargin(3, Value); }
    float BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(float Value) { SetMargin(4, Value); }

    // Fonts, index numbers 1 to 3 for SetFont. Heights are printer pixels: each font's
    // pixels per inch is the printer's vertical resolution.
    TFont& DetailFont() { return FDetailFont; }
    void SetDetailFont(const TFont& Value) { SetFont(1, Value); }
    TFont& HeaderFont() { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { SetFont(2, Value); }
    TFont& FooterFont() { return FFooterFont; }
    void SetFooterFont(const TFont& Value) { SetFont(3, Value); }

    THeaderFooter& Header() { return FHeader; }
    void SetHeader(const THeaderFooter& Value) { FHeader.Assign(Value); }
    THeaderFooter& Footer() { return FFooter; }
    void SetFooter(const THeaderFooter& Value) { FFooter.Assign(Value); }

    std::string PrintMonTitle;  // the print job's name
    bool AutoPaging = false;    // start a new page before a line that does not fit
    TEvent<TPageLayout&> OnPage;  // after each new page was started

    // Used by OutText; left-justified except while a band is drawn.
    TAlignment Alignment = taLeftJustify;

    PrinterDevice& Printer() const { return FPrinter; }
    const TRect& PageRect() const { return FPageRect; }
    const TRect& DetailRect() const { return FDetailRect; }
    int32_t CurX() const { return FCurX; }
    int32_t CurY() const { return FCurY; }
    int32_t DetailHeight() const { return FDetailHeight; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    int32_t FooterHeight() const { return FFooterHeight; }
    int32_t PageNumber() const { return FPageNumber; }
    bool PageHasOutput() const { return FPageHasOutput; }
    bool DocHasOutput() const { return FDocHasOutput; }
    TFontKind CurrentFont() const { return FCurrentFont; }

    void SetMargin(int Index, float Value);
    void SetFont(int Index, const TFont& Value);

    // Measured with the printer; 0 when the printer cannot measure.
    int32_t TextHeight(TFontKind Kind);
    int32_t TextWidth(const std::string& Text);
    int32_t LineHeight() const;
    void SelectFont(TFontKind Kind);

    void EnsureDoc();
    void OutText(const TRect& R, const std::string& Text);
    // A printed row: WriteText and TabTo calls closed by WriteLine.
    void WriteText(const std::string& Text);
    void WriteLine(const std::string& Text);
    void TabTo(int32_t X);
    void NewPage();
    // Ends the document, or drops it when nothing was drawn in it.
    void FinishDoc();
    void ResetPosition();

    void UpdateFontHeights();
    void UpdatePageRect();
    void UpdateDetailRect(THeaderFooter& Sender);

private:
    TFont& FontOf(TFontKind Kind);
    // Text measured in the given font (none: the printer's current one), which is then restored.
    TSize Extent(TFontKind Kind, std::string_view Text);
    void FontChanged(TFont&) { UpdateFontHeights(); }
    void DrawBands();
    void RecalcBands();

    PrinterDevice& FPrinter;
    float FLeftMargin = 0;
    float FRightMargin = 0;
    float FTopMargin = 0;
    float FBottomMargin = 0;
    TFont FDetailFont;
    TFont FHeaderFont;
    TFont FFooterFont;
    THeaderFooter FHeader;
    THeaderFooter FFooter;

    TRect FPageRect;
    TRect FDetailRect;
    int32_t FCurX = 0;
    int32_t FCurY = 0;
    int32_t FDetailHeight = 0;
    int32_t FHeaderHeight = 0;
    int32_t FFooterHeight = 0;
    int32_t FPageNumber = 1;
    bool FPageHasOutput = false;
    bool FDocHasOutput = false;
    TFontKind FCurrentFont = TFontKind::None;
};

}  // namespace qm
