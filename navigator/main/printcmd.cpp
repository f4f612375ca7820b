// "Print...": the Class Info rows as shown (filters and sort applied) on the default printer, or
// in a PDF file when no printer is installed.
#include "classinfopage.h"
#include "classlist.h"
#include "classlistprint.h"
#include "main1.h"
#include "mainlayout.h"
#include "memberlist.h"
#include "pglayout.h"
#include "qtprinterdevice.h"
#include "userprompts.h"

namespace qm {

void TClassNav::PrintItemClick() {
    std::vector<TClassListRow> Rows;
    for (const TClassInfoRow* Shown : FClassInfo->RowsShown()) {
        const auto Columns = MemberColumns(Shown->Member);
        Rows.push_back({Columns[0], {Columns[1], Columns[2], Columns[3], Columns[4]}});
    }
    if (!Printer) {
        Printer = MakePrinter ? MakePrinter() : TQtPrinterDevice::ForDefaultPrinter();
        PageLayout = std::make_unique<TPageLayout>(*Printer);
        ConfigureMainPageLayout(*PageLayout);
    }
    const TPrintTarget Target = qm::PrintItemClick(*PageLayout, Rows, FClassInfo->ClassName(), "Quillmap 2");
    if (Target.IsFile)
        Prompts().ShowMessage(QStringLiteral("No printer is installed: the list was saved as %1").arg(QString::fromLocal8Bit(Target.Name.c_str())));
}

}  // namespace qm
