// The header and footer bands: their height from the line count, and their drawing.
#include "headerfooter.h"

#include <algorithm>
#include <cstdlib>

#include "datetimefmt.h"
#include "format.h"
#include "pglayout.h"

namespace qm {

THeaderFooter::THeaderFooter(TPageLayout& Layout) : FLayout(Layout) {}

template <class T>
void THeaderFooter::SetAndRecalc(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Recalc();
}

void THeaderFooter::SetShowPageNo(bool Value) { SetAndRecalc(FPageInfo.Show, Value); }
void THeaderFooter::SetShowDateTime(bool Value) { SetAndRecalc(FDateInfo.Show, Value); }
void THeaderFooter::SetPageLineNo(uint16_t Value) { SetAndRecalc(FPageInfo.LineNo, Value); }
void THeaderFooter::SetDateLineNo(uint16_t Value) { SetAndRecalc(FDateInfo.LineNo, Value); }

void THeaderFooter::Assign(const THeaderFooter& Source) {
    if (&Source == this) return;
    FPageInfo = Source.FPageInfo;
    FDateInfo = Source.FDateInfo;
    FLines = Source.FLines;
    Recalc();
}

uint16_t THeaderFooter::LineCount() const {
    uint16_t n = 0;
    for (const THeaderFooterLine& line : FLines) n = std::max(n, line.Info.LineNo);
    if (FPageInfo.Show) n = std::max(n, FPageInfo.LineNo);
    if (FDateInfo.Show) n = std::max(n, FDateInfo.LineNo);
    return n;
}

void THeaderFooter::Recalc() {
    FLayout.SelectFont(FontKind());
    int32_t height = std::abs(LineCount() * FLayout.LineHeight());
    FRect = FLayout.PageRect();
    if (IsHeader)
        FRect.Bottom = FRect.Top + height;
    else
        FRect.Top = FRect.Bottom - height;
    OnChange(*this);
}

void THeaderFooter::Clear() {
    FLines.clear();
    Recalc();
}

void THeaderFooter::AddLine(const std::string& Text, TAlignment Alignment, uint16_t LineNo,
                            uint8_t Borders) {
    uint16_t n = LineCount();
    FLines.push_back({Text, {Alignment, LineNo, Borders}});
    if (LineNo > n) Recalc();
}

TRect THeaderFooter::Slot(uint16_t LineNo, int32_t LineHeight) const {
    int32_t top = FRect.Top + LineHeight * (int32_t{LineNo} - 1);
    return {FRect.Left, top, FRect.Right, top + LineHeight};
}

void THeaderFooter::DrawInfo(const THFInfo& Info, const std::string& Text, int32_t LineHeight) {
    FLayout.Alignment = Info.Alignment;
    FLayout.OutText(Slot(Info.LineNo, LineHeight), Text);
}

// The frame runs one pixel inside the slot's right and bottom edges, which belong to the next
// slot and to the body.
void THeaderFooter::DrawBorders(const TRect& Slot, uint8_t Borders) {
    const TRect r{Slot.Left, Slot.Top, Slot.Right - 1, Slot.Bottom - 1};
    PrinterDevice& printer = FLayout.Printer();
    auto edge = [&](uint8_t Bit, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
        if (!(Borders & Bit)) return;
        printer.MoveTo(X1, Y1);
        printer.LineTo(X2, Y2);
    };
    edge(bdLeft, r.Left, r.Top, r.Left, r.Bottom);
    edge(bdRight, r.Right, r.Top, r.Right, r.Bottom);
    edge(bdTop, r.Left, r.Top, r.Right, r.Top);
    edge(bdBottom, r.Left, r.Bottom, r.Right, r.Bottom);
}

void THeaderFooter::Draw() {
    // The layout's alignment is back to what it was even when the printer fails.
    struct TRestore {
        TAlignment& Field;
        TAlignment Saved;
        ~TRestore() { Field = Saved; }
    } restore{FLayout.Alignment, FLayout.Alignment};
    FLayout.SelectFont(FontKind());
    const int32_t h = FLayout.LineHeight();
    // Page number and date only cost their formatting when shown.
    if (FPageInfo.Show) DrawInfo(FPageInfo, Format(FPageInfo.Fmt, {FLayout.PageNumber()}), h);
    if (FDateInfo.Show) DrawInfo(FDateInfo, FormatDateTime(FDateInfo.Fmt), h);
    for (const THeaderFooterLine& line : FLines) {
        FLayout.Alignment = line.Info.Alignment;
        const TRect slot = Slot(line.Info.LineNo, h);
        FLayout.OutText(slot, line.Text);
        DrawBorders(slot, line.Info.Borders);
    }
}

}  // namespace qm
