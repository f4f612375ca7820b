// TWindowPrinting: the printer of the window's Print command and its page layout, made at the
// first print and kept for the next ones.
#pragma once

#include <functional>
#include <memory>

namespace qm {

class PrinterDevice;
class TPageLayout;

class TWindowPrinting {
public:
    using TPrinterFactory = std::function<std::unique_ptr<PrinterDevice>()>;

    TWindowPrinting();
    ~TWindowPrinting();
    TWindowPrinting(const TWindowPrinting&) = delete;
    TWindowPrinting& operator=(const TWindowPrinting&) = delete;

    // Makes the printer instead of the default one (tests print to PDF files); before the first
    // print only.
    void SetPrinterFactory(TPrinterFactory Factory) { FFactory = std::move(Factory); }
    // The main window's page layout on the printer, both made at the first call.
    TPageLayout& Layout();

private:
    TPrinterFactory FFactory;
    std::unique_ptr<PrinterDevice> FPrinter;
    std::unique_ptr<TPageLayout> FLayout;
};

}  // namespace qm
