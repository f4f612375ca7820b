// TQtPrinterDevice: prints through Qt on the default printer or, when none is installed, into
// a PDF file at 300 dots per inch named after the job, written whole at the end of the job.
#pragma once

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPoint>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <string>

#include "printerdevice.h"

namespace qm {

class TQtPrinterDevice final : public PrinterDevice {
public:
    // Prints on Printer; a null Printer makes PDF files in PdfFolder instead (empty: the
    // user's documents folder). Needs a running QGuiApplication.
    explicit TQtPrinterDevice(const QPrinterInfo& Printer, std::string PdfFolder = {});
    ~TQtPrinterDevice() override;

    // The device of the program: the default printer, or PDF files when there is none.
    static std::unique_ptr<TQtPrinterDevice> ForDefaultPrinter();

    bool PrintsToFile() const { return FToFile; }

    int32_t PageWidth() const override;
    int32_t PageHeight() const override;
    int32_t YResolution() const override;
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
    // The painter, begun at the first drawing of a document.
    QPainter& Surface();
    [[noreturn]] void Fail() const;
    // The next page of the printer or of the PDF document; false when it failed.
    bool NewSheet();
    std::string PdfPathFor(const std::string& Title) const;

    // The printer, or for PDF files the page geometry and font metrics of the document.
    QPrinter FPrinter;
    // The PDF document being made, in memory until it is written whole.
    std::unique_ptr<QBuffer> FPdfBytes;
    std::unique_ptr<QPdfWriter> FPdf;
    QPainter FPainter;
    bool FToFile;
    std::string FPdfFolder;
    std::string FPdfPath;  // of the open document
    // Pages started before anything was drawn: the painter, and with it the job or the file,
    // only begins with the first drawing, so that an aborted empty document leaves no trace.
    int FPendingPages = 0;
    TFontData FFont;
    QFont FQFont;
    QPoint FPenPos;
};

}  // namespace qm
