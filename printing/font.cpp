// Font attributes, and the conversion between points and pixels.
#include "font.h"

#include <cstdlib>

namespace qm {

namespace {

// A * B / C rounded to the nearest integer, halves away from zero; 0 when C is 0.
int32_t MulDiv(int32_t A, int32_t B, int32_t C) {
    if (C == 0) return 0;
    int64_t n = int64_t{A} * B;
    int64_t half = std::llabs(C) / 2;
    bool negative = (n < 0) != (C < 0);
    int64_t q = (std::llabs(n) + half) / std::llabs(C);
    return int32_t(negative ? -q : q);
}

}  // namespace

void TFont::Change(const TFontData& Data) {
    if (Data == FData) return;
    FData = Data;
    OnChange(*this);
}

void TFont::SetName(const std::string& Value) { Set(&TFontData::Name, Value); }

void TFont::SetHeight(int32_t Value) { Set(&TFontData::Height, Value); }

int32_t TFont::Size() const { return MulDiv(FData.Height, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t Value) { SetHeight(MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetColor(uint32_t Value) { Set(&TFontData::Color, Value); }

void TFont::SetStyle(uint8_t Value) { Set(&TFontData::Style, Value); }

void TFont::Assign(const TFont& Source) {
    TFontData d = Source.FData;
    if (Source.FPixelsPerInch != FPixelsPerInch)
        d.Height = MulDiv(Source.Size(), FPixelsPerInch, 72);
    Change(d);
}

}  // namespace qm
