// THeaderFooter: the header or footer band of the pages a TPageLayout prints: numbered lines
// holding the page number, the date and the caller's own texts, each aligned and maybe framed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "events.h"
#include "printerdevice.h"

namespace qm {

class TPageLayout;

// The font a layout measures and draws with: none, or that of the header, footer or body.
enum class TFontKind : uint8_t { None, Header, Footer, Detail };

// Page number or date settings of a band.
struct THFInfo {
    bool Show = false;
    std::string Fmt;
    uint16_t LineNo = 1;  // 1-based line of the band
    TAlignment Alignment = taLeftJustify;
};

// Bits of THeaderFooterLineInfo::Borders; 15 frames a line on all four sides.
enum : uint8_t { bdLeft = 1, bdTop = 2, bdRight = 4, bdBottom = 8 };

// The place of one caller-supplied line.
struct THeaderFooterLineInfo {
    TAlignment Alignment = taLeftJustify;
    uint16_t LineNo = 1;  // 1-based; 0 places the line just above the band
    uint8_t Borders = 0;
};

struct THeaderFooterLine {
    std::string Text;
    THeaderFooterLineInfo Info;
};

class THeaderFooter {
public:
    explicit THeaderFooter(TPageLayout& Layout);
    virtual ~THeaderFooter() = default;
    THeaderFooter(const THeaderFooter&) = delete;
    THeaderFooter& operator=(const THeaderFooter&) = delete;

    // True for the header (header font, grows down from the top of the printable area), false
    // for the footer (footer font, grows up from its bottom).
    bool IsHeader = false;
    // Called after every recalculation of Rect.
    TEvent<THeaderFooter&> OnChange;

    bool ShowPageNo() const { return FPageInfo.Show; }
    void SetShowPageNo(bool Value);
    bool ShowDateTime() const { return FDateInfo.Show; }
    void SetShowDateTime(bool Value);
    const std::string& PageNoFmt() const { return FPageInfo.Fmt; }  // "%d" is the page number
    void SetPageNoFmt(const std::string& Value) { FPageInfo.Fmt = Value; }
    const std::string& DateTimeFmt() const { return FDateInfo.Fmt; }
    void SetDateTimeFmt(const std::string& Value) { FDateInfo.Fmt = Value; }
    TAlignment PageNoAlignment() const { return FPageInfo.Alignment; }
    void SetPageNoAlignment(TAlignment Value) { FPageInfo.Alignment = Value; }
    TAlignment DateTimeAlignment() const { return FDateInfo.Alignment; }
    void SetDateTimeAlignment(TAlignment Value) { FDateInfo.Alignment = Value; }
    uint16_t PageLineNo() const { return FPageInfo.LineNo; }
    void SetPageLineNo(uint16_t Value);
    uint16_t DateLineNo() const { return FDateInfo.LineNo; }
    void SetDateLineNo(uint16_t Value);

    TPageLayout& Layout() const { return FLayout; }
    const std::vector<THeaderFooterLine>& Lines() const { return FLines; }
    const TRect& Rect() const { return FRect; }

    // Copies the page number and date settings and the lines, then recalculates; the owning
    // layout, the band's side and OnChange stay.
    void Assign(const THeaderFooter& Source);

    // The highest line number in use, 0 when the band is empty.
    uint16_t LineCount() const;
    void Recalc();
    void Clear();
    // Lines sharing a number are drawn over one another, each with its own alignment.
    void AddLine(const std::string& Text, TAlignment Alignment, uint16_t LineNo, uint8_t Borders);
    // Draws the band on the layout's current page: page number, date, then the lines.
    virtual void Draw();

private:
    TFontKind FontKind() const { return IsHeader ? TFontKind::Header : TFontKind::Footer; }
    template <class T>
    void SetAndRecalc(T& Field, T Value);
    TRect Slot(uint16_t LineNo, int32_t LineHeight) const;
    void DrawInfo(const THFInfo& Info, const std::string& Text, int32_t LineHeight);
    void DrawBorders(const TRect& Slot, uint8_t Borders);

    TPageLayout& FLayout;
    std::vector<THeaderFooterLine> FLines;
    TRect FRect;
    THFInfo FPageInfo{false, "Page %d ", 1, taRightJustify};
    THFInfo FDateInfo{false, " mm/dd/yy", 1, taLeftJustify};
};

}  // namespace qm
