// "Print...": the Class Info rows as shown (filters and sort applied) on the default printer, or
// in a PDF file when no printer is installed; "Export Hierarchy...": the current class's family
// tree as a picture.
#include <QFile>

#include "classinfopage.h"
#include "classlist.h"
#include "classlistprint.h"
#include "hierarchypdf.h"
#include "main1.h"
#include "memberlist.h"
#include "sourcetext.h"
#include "typequeries.h"
#include "vcldb1.h"
#include "userprompts.h"
#include "windowprint.h"
#include "xre.h"

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

void TClassNav::ExportHierarchyItemClick() {
    TVCLDB& Db = VCLDB();
    // The class around the caret on the Source page; elsewhere the class the pages show.
    int K = FClassInfo->ClassID();
    if (SourcePageActive() && Db.CurrentUnitID != 0) {
        TLineInfoRec Info;
        Db.GetLineInfo(Memo()->CursorLinePos() + 1, Info);
        if (Info.ClassID != 0) K = Info.ClassID;
    }
    if (K == 0 || !Db.ClassExists(K)) return Prompts().Beep();
    const std::string Name = Db.GetClassName(K);
    QString File = Prompts().SaveFile(this, QStringLiteral("Export Hierarchy"),
                                      QStringLiteral("SVG Pictures|*.svg|PDF Files|*.pdf"), SourceText(Name) + ".svg");
    if (File.isEmpty()) return;
    // The window's picture always shows the interfaces with their implementers.
    const THierarchyRows Tree = TTypeQueries(Db).Hierarchy(K, true);
    const bool Pdf = File.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    // A file that cannot be written raises "Cannot write FILE: reason" for the error report.
    WriteHierarchy(HierarchyNodesOf(Tree, K), QFile::encodeName(File).toStdString(),
                   Pdf ? THierarchyFormat::Pdf : THierarchyFormat::Svg, Name);
}

}  // namespace qm
