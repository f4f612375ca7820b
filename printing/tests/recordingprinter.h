// TRecordingPrinter: a printer device for tests. It keeps every call with its arguments and
// measures text with plain arithmetic: each character half the font height wide, a line as
// high as the font.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "printerdevice.h"

namespace qm {

struct TPrinterCall {
    // "SetFont", "TextExtent", "BeginDoc", "NewPage", "EndDoc", "Abort", "TextRect", "MoveTo",
    // "LineTo"
    std::string Op;
    std::string Text;  // the job name, or the text measured or drawn
    TRect Rect;
    TAlignment Alignment = taLeftJustify;
    TPoint Point;
    TFontData Font;  // the current font after the call
};

class TRecordingPrinter : public PrinterDevice {
public:
    TRecordingPrinter(int32_t Width, int32_t Height, int32_t Resolution);

    std::vector<TPrinterCall> Calls;
    // The n-th TextRect call (from 1) raises a printer error; 0: none does.
    int FailingTextRect = 0;

    // The calls named Op, in order.
    std::vector<TPrinterCall> CallsOf(std::string_view Op) const;
    // The drawing calls of each page of every document, split at NewPage and EndDoc.
    std::vector<std::vector<TPrinterCall>> Pages() const;

    int32_t PageWidth() const override { return FWidth; }
    int32_t PageHeight() const override { return FHeight; }
    int32_t YResolution() const override { return FResolution; }
    const TFontData& Font() const override { return FFont; }
    void SetFont(const TFontData& Font) override;
    TSize TextExtent(std::string_view Text) override;
    void TextRect(const TRect& R, std::string_view Text, TAlignment Alignment) override;
    void MoveTo(int32_t X, int32_t Y) override;
    void LineTo(int32_t X, int32_t Y) override;

protected:
    void DoBeginDoc(const std::string& Title) override;
    void DoNewPage() override;
    TPrintTarget DoEndDoc() override;
    void DoAbort() override;

private:
    TPrinterCall& Record(std::string Op, std::string_view Text = {});

    int32_t FWidth;
    int32_t FHeight;
    int32_t FResolution;
    TFontData FFont;
    int FTextRects = 0;
};

}  // namespace qm
