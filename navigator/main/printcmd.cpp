// "Print...": the Class Info rows as shown (filters and sort applied) on the default printer, or
// in a PDF file when no printer is installed.
#include "classinfopage.h"
#include "classlist.h"
#include "classlistprint.h"
#include "main1.h"
#include "memberlist.h"
#include "userprompts.h"
#include "windowprint.h"

namespace qm {

void TClassNav::PrintItemClick() {
    std::vector<TClassListRow> Rows;
    for (const TClassInfoRow* Shown : FClassInfo->RowsShown()) {
        const auto Columns = MemberColumns(Shown->Member);
        Rows.push_back({Columns[0], {Columns[1], Columns[2], Columns[3], Columns[4]}});
    }
    const TPrintTarget Target = qm::PrintItemClick(FPrinting->Layout(), Rows, FClassInfo->ClassName(), "Quillmap 2");
    if (Target.IsFile)
        Prompts().ShowMessage(QStringLiteral("No printer is installed: the list was saved as %1").arg(QString::fromLocal8Bit(Target.Name.c_str())));
}

}  // namespace qm
