// The document state every printer device shares: the printer errors of a call out of turn
// and the cut of the job name.
#include "printerdevice.h"

namespace qm {

namespace {

constexpr size_t MaxTitleLength = 31;

}  // namespace

void PrinterDevice::CheckPrinting() const {
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
}

void PrinterDevice::BeginDoc(std::string_view Title) {
    if (FPrinting) throw EPrinter("Printing in progress");
    FDestination = {};
    DoBeginDoc(std::string(Title.substr(0, MaxTitleLength)));
    FPrinting = true;
}

void PrinterDevice::NewPage() {
    CheckPrinting();
    DoNewPage();
}

void PrinterDevice::EndDoc() {
    CheckPrinting();
    // A failing end still closes the document: the next job must not continue this one.
    try {
        FDestination = DoEndDoc();
    } catch (...) {
        FPrinting = false;
        throw;
    }
    FPrinting = false;
}

void PrinterDevice::Abort() {
    CheckPrinting();
    FPrinting = false;
    FDestination = {};
    DoAbort();
}

}  // namespace qm
