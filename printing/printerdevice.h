// PrinterDevice: the printer operations the page layout draws with, in printer pixels, with the
// origin at the top left corner of the printable area. TQtPrinterDevice is the real one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "errors.h"

namespace qm {

// Horizontal alignment of header, footer and printed text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool operator==(const TRect&) const = default;
    // Right and bottom edges are outside, as for every rectangle of the printer.
    bool Contains(TPoint P) const {
        return Left <= P.X && P.X < Right && Top <= P.Y && P.Y < Bottom;
    }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
};

// Bits of TFontData::Style.
enum : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The attributes a printer needs to draw with a font.
struct TFontData {
    std::string Name = "Arial";
    int32_t Height = 0;   // character height in printer pixels
    uint32_t Color = 0;   // 0xRRGGBB
    uint8_t Style = 0;

    bool operator==(const TFontData&) const = default;
};

class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// Where a document went, so that the window can tell the user.
struct TPrintTarget {
    bool IsFile = false;  // a PDF file, written because no printer is installed
    // The printer's name or the file's path, in the file system's encoding; empty when
    // nothing was printed.
    std::string Name;

    bool operator==(const TPrintTarget&) const = default;
};

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    // Measuring (sizes, fonts, text extent) works whether a document is open or not.
    virtual int32_t PageWidth() const = 0;   // printable area, pixels
    virtual int32_t PageHeight() const = 0;
    virtual int32_t YResolution() const = 0;  // dots per inch

    virtual const TFontData& Font() const = 0;
    virtual void SetFont(const TFontData& Font) = 0;
    // Text in the current font; 0 x 0 when it cannot be measured.
    virtual TSize TextExtent(std::string_view Text) = 0;

    // The job name is cut to its first 31 characters, as print spoolers show it.
    void BeginDoc(std::string_view Title);
    void NewPage();
    void EndDoc();
    // Drops the open document: what it holds is not printed.
    void Abort();
    bool Printing() const { return FPrinting; }
    // Where the document ended last went; cleared by BeginDoc and Abort.
    const TPrintTarget& Destination() const { return FDestination; }

    // Drawing, while a document is open. Text is drawn at the top of R in one line, clipped to
    // R, with "&" as an ordinary character.
    virtual void TextRect(const TRect& R, std::string_view Text, TAlignment Alignment) = 0;
    virtual void MoveTo(int32_t X, int32_t Y) = 0;
    virtual void LineTo(int32_t X, int32_t Y) = 0;  // in the current pen

protected:
    virtual void DoBeginDoc(const std::string& Title) = 0;
    virtual void DoNewPage() = 0;
    virtual TPrintTarget DoEndDoc() = 0;
    virtual void DoAbort() = 0;
    // Raises the printer error of drawing without an open document.
    void CheckPrinting() const;

private:
    bool FPrinting = false;
    TPrintTarget FDestination;
};

}  // namespace qm
