// The recording printer device of the tests.
#include "recordingprinter.h"

namespace qm {

TRecordingPrinter::TRecordingPrinter(int32_t Width, int32_t Height, int32_t Resolution)
    : FWidth(Width), FHeight(Height), FResolution(Resolution) {}

TPrinterCall& TRecordingPrinter::Record(std::string Op, std::string_view Text) {
    Calls.push_back({std::move(Op), std::string(Text), {}, taLeftJustify, {}, FFont});
    return Calls.back();
}

std::vector<TPrinterCall> TRecordingPrinter::CallsOf(std::string_view Op) const {
    std::vector<TPrinterCall> out;
    for (const TPrinterCall& call : Calls)
        if (call.Op == Op) out.push_back(call);
    return out;
}

std::vector<std::vector<TPrinterCall>> TRecordingPrinter::Pages() const {
    std::vector<std::vector<TPrinterCall>> pages;
    std::vector<TPrinterCall> page;
    for (const TPrinterCall& call : Calls) {
        if (call.Op == "NewPage" || call.Op == "EndDoc") {
            pages.push_back(std::move(page));
            page.clear();
        } else if (call.Op == "Abort") {
            page.clear();  // an aborted document leaves no page
        } else if (call.Op == "TextRect" || call.Op == "MoveTo" || call.Op == "LineTo") {
            page.push_back(call);
        }
    }
    return pages;
}

void TRecordingPrinter::SetFont(const TFontData& Font) {
    FFont = Font;
    Record("SetFont", Font.Name);
}

TSize TRecordingPrinter::TextExtent(std::string_view Text) {
    Record("TextExtent", Text);
    return {int32_t(Text.size()) * (FFont.Height / 2), FFont.Height};
}

void TRecordingPrinter::TextRect(const TRect& R, std::string_view Text, TAlignment Alignment) {
    CheckPrinting();
    if (++FTextRects == FailingTextRect) throw EPrinter("Printer error");
    TPrinterCall& call = Record("TextRect", Text);
    call.Rect = R;
    call.Alignment = Alignment;
}

void TRecordingPrinter::MoveTo(int32_t X, int32_t Y) {
    CheckPrinting();
    Record("MoveTo").Point = {X, Y};
}

void TRecordingPrinter::LineTo(int32_t X, int32_t Y) {
    CheckPrinting();
    Record("LineTo").Point = {X, Y};
}

void TRecordingPrinter::DoBeginDoc(const std::string& Title) { Record("BeginDoc", Title); }

void TRecordingPrinter::DoNewPage() { Record("NewPage"); }

TPrintTarget TRecordingPrinter::DoEndDoc() {
    Record("EndDoc");
    return {false, "Recording printer"};
}

void TRecordingPrinter::DoAbort() { Record("Abort"); }

}  // namespace qm
