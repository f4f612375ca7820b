// ShowUnit, where every navigation ends, and the Back and bookmark commands that use it.
#include <QAction>
#include <QColor>
#include <filesystem>

#include "main1.h"
#include "posstore.h"
#include "sourcetext.h"
#include "unittexts.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {
namespace {

const QColor BookmarkRed(255, 0, 0);

// Repainting of a widget held off for one operation.
class TNoRepaint {
public:
    explicit TNoRepaint(QWidget* Widget) : FWidget(Widget), FWas(Widget->updatesEnabled()) {
        FWidget->setUpdatesEnabled(false);
    }
    ~TNoRepaint() { FWidget->setUpdatesEnabled(FWas); }
    TNoRepaint(const TNoRepaint&) = delete;
    TNoRepaint& operator=(const TNoRepaint&) = delete;

private:
    QWidget* FWidget;
    bool FWas;
};

}  // namespace

void TClassNav::ShowUnit(int UnitID, int Line, bool RecordHistory) {
    TVCLDB& Db = VCLDB();
    const int OldLine = Memo->CursorLinePos();
    const int OldUnit = Db.CurrentUnitID;
    if (UnitID != OldUnit && !Db.UnitExists(UnitID)) {
        // Another program removed the unit after this place was recorded.
        ForgetRemovedUnits();
        Prompts().ShowMessage(QStringLiteral("That unit is no longer in the class database"));
        return;
    }
    if (RecordHistory) History->Add(OldUnit, OldLine);
    SelectPage(SourceTabSheet);
    {
        const TNoRepaint Quiet(Memo);
        if (UnitID != OldUnit) {
            Db.CurrentUnitID = UnitID;
            Memo->ShowEmpty();
            const std::string Path = Db.GetUnitPath(UnitID);
            // The stored file itself: one whose name differs only in letter case is another file.
            const std::filesystem::path OnDisk(Db.GetUnitDiskPath(UnitID));
            std::error_code Error;
            if (!std::filesystem::exists(OnDisk, Error)) {
                Prompts().ShowMessage(QStringLiteral("The file %1 does not exist").arg(SourceText(Path)));
                if (OldUnit != 0) {
                    ShowUnit(OldUnit, OldLine, false);
                } else {
                    Db.CurrentUnitID = 0;
                }
                return;
            }
            // Anything else that keeps the file from being read (no permission, a folder) is an error.
            if (!std::filesystem::is_regular_file(OnDisk, Error)) throw EFOpenError(Path);
            Memo->ShowDocument(UnitTexts->Document(Path, OnDisk.string(), Memo->document()));
            FShownUnitName = Db.GetUnitName(UnitID);
            for (int n = 0; n < TBookMark::Count; ++n)
                if (BookMarks->GetUnitID(n) == UnitID) Memo->ColorLine(BookMarks->GetLineNumber(n) - 1, BookmarkRed);
        }
        Memo->SetFirstVisibleLine(Line);
        Memo->SetCursorLinePos(Line);
    }
    Memo->setFocus();
}

void TClassNav::GoTo(const TPlace& Place, bool RecordHistory) {
    ShowUnit(Place.UnitID, Place.Line - 1, RecordHistory);
}

void TClassNav::BackItemClick() {
    int U = 0, L = 0;
    if (History->GoBack(U, L)) {
        ShowUnit(U, L, false);
        BackFailures = 0;
        return;
    }
    Prompts().Beep();
    ++BackFailures;
    if (BackFailures > 1) Prompts().ShowError(QStringLiteral("Unable to move back any further"));
}

void TClassNav::AddBookmark(int N) {
    TVCLDB& Db = VCLDB();
    const int U = Db.CurrentUnitID;
    if (U == 0) return Prompts().Beep();
    const int L = Memo->CursorLinePos() + 1;
    if (BookMarks->GetUnitID(N) != 0 && BookMarks->GetUnitID(N) == U)
        Memo->ColorLine(BookMarks->GetLineNumber(N) - 1, Qt::black);
    BookMarks->SetBookMark(N, U, L);
    Memo->ColorLine(L - 1, BookmarkRed);
    TLineInfoRec Info;
    Db.GetLineInfo(L, Info);
    const QString Caption = QStringLiteral("%1 - %2 - %3.%4")
                                .arg(N)
                                .arg(SourceText(Db.GetUnitName(U)), SourceText(Info.ClassName),
                                     SourceText(Info.MemberName));
    Item(QStringLiteral("AddBookmark%1").arg(N))->setText(Caption);
    Item(QStringLiteral("GoBookmark%1").arg(N))->setText(Caption);
}

void TClassNav::GotoBookmark(int N) {
    if (BookMarks->GetUnitID(N) != 0) GoTo({BookMarks->GetUnitID(N), BookMarks->GetLineNumber(N)}, true);
}

}  // namespace qm
