// TFont: a font's attributes at a given resolution; any change of an attribute notifies OnChange.
#pragma once

#include <cstdint>
#include <string>

#include "events.h"
#include "printerdevice.h"

namespace qm {

class TFont {
public:
    TFont() = default;
    TFont(const TFont&) = delete;  // a copy would carry the owner's OnChange along
    TFont& operator=(const TFont&) = delete;

    TEvent<TFont&> OnChange;

    const TFontData& Data() const { return FData; }

    const std::string& Name() const { return FData.Name; }
    void SetName(const std::string& Value);
    int32_t Height() const { return FData.Height; }  // character height in pixels
    void SetHeight(int32_t Value);
    int32_t Size() const;  // points at PixelsPerInch
    void SetSize(int32_t Value);
    uint32_t Color() const { return FData.Color; }
    void SetColor(uint32_t Value);
    uint8_t Style() const { return FData.Style; }
    void SetStyle(uint8_t Value);
    // Changing the resolution keeps the height in pixels and notifies nobody.
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t Value) { FPixelsPerInch = Value; }

    // Copies name, colour, style and height, with one notification. A font made for another
    // resolution keeps its point size rather than its pixels, so it prints as large as it shows.
    void Assign(const TFont& Source);

private:
    void Change(const TFontData& Data);
    template <class T>
    void Set(T TFontData::*Field, const T& Value) {
        TFontData d = FData;
        d.*Field = Value;
        Change(d);
    }

    TFontData FData;
    int32_t FPixelsPerInch = 96;
};

}  // namespace qm
