#include "windowprint.h"

#include "mainlayout.h"
#include "pglayout.h"
#include "printerdevice.h"
#include "qtprinterdevice.h"

namespace qm {

TWindowPrinting::TWindowPrinting() = default;
TWindowPrinting::~TWindowPrinting() = default;

TPageLayout& TWindowPrinting::Layout() {
    if (!FLayout) {
        FPrinter = FFactory ? FFactory() : TQtPrinterDevice::ForDefaultPrinter();
        FLayout = std::make_unique<TPageLayout>(*FPrinter);
        ConfigureMainPageLayout(*FLayout);
    }
    return *FLayout;
}

}  // namespace qm
