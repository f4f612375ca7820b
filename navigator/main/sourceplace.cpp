// The source place: ShowUnit, where every navigation ends, Back and the bookmarks.
#include "sourceplace.h"

#include <QAction>
#include <QColor>
#include <algorithm>
#include <filesystem>

#include "placeanchors.h"
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

TSourcePlace::TSourcePlace(TXRichEdit& View, std::function<QAction*(const QString&)> Item,
                           std::function<void()> ShowPage, QObject* Parent)
    : QObject(Parent), FView(View), FItem(std::move(Item)), FShowPage(std::move(ShowPage)),
      FHistory(std::make_unique<THistory>()), FBookMarks(std::make_unique<TBookMark>()),
      FAnchors(std::make_unique<TPlaceAnchors>()), FTexts(new TUnitTexts(this)) {}

TSourcePlace::~TSourcePlace() = default;

void TSourcePlace::Attach(TVCLDB& Db) {
    FDb = &Db;
    FAnchors->Attach(Db);
}

void TSourcePlace::ShowUnit(int UnitID, int Line, bool RecordHistory, int FileID) {
    TVCLDB& Db = *FDb;
    const int OldLine = FView.CursorLinePos();
    const int OldUnit = Db.CurrentUnitID;
    const int OldFile = Db.CurrentFileID;
    if (UnitID != OldUnit && !Db.UnitExists(UnitID)) {
        // Another program removed the unit after this place was recorded.
        ForgetRemovedUnits();
        Prompts().ShowMessage(QStringLiteral("That unit is no longer in the class database"));
        return;
    }
    if (RecordHistory) {
        FAnchors->Remember(OldLine);
        FHistory->Add(OldUnit, OldLine, OldFile);
    }
    FShowPage();
    {
        const TNoRepaint Quiet(&FView);
        if (UnitID != OldUnit || FileID != OldFile) {
            Db.CurrentUnitID = UnitID;
            Db.CurrentFileID = FileID;
            FView.ShowEmpty();
            // The unit's own file, or one of its include files.
            const TPlace File{UnitID, 1, FileID};
            const std::string Path = Db.PlacePath(File);
            // The stored file itself: one whose name differs only in letter case is another file.
            const std::filesystem::path OnDisk(Db.PlaceDiskPath(File));
            std::error_code Error;
            if (!std::filesystem::exists(OnDisk, Error)) {
                Prompts().ShowMessage(QStringLiteral("The file %1 does not exist").arg(SourceText(Path)));
                if (OldUnit != 0) {
                    ShowUnit(OldUnit, OldLine, false, OldFile);
                } else {
                    Db.CurrentUnitID = 0;
                    Db.CurrentFileID = 0;
                }
                return;
            }
            // Anything else that keeps the file from being read (no permission, a folder) is an error.
            if (!std::filesystem::is_regular_file(OnDisk, Error)) throw EFOpenError(Path);
            LoadShownText(Path, OnDisk.string());
            FShownUnitName = Db.GetUnitName(UnitID);
        }
        FView.SetFirstVisibleLine(Line);
        FView.SetCursorLinePos(Line);
    }
    FView.setFocus();
}

void TSourcePlace::LoadShownText(const std::string& Path, const std::string& DiskPath) {
    const int UnitID = FDb->CurrentUnitID, FileID = FDb->CurrentFileID;
    FView.ShowText(FTexts->Text(Path, DiskPath, &FView.Lines()));
    for (int n = 0; n < TBookMark::Count; ++n)
        if (FBookMarks->GetUnitID(n) == UnitID && FBookMarks->GetFileID(n) == FileID) FView.ColorLine(FBookMarks->GetLineNumber(n) - 1, BookmarkRed);
}

void TSourcePlace::ReloadShownUnit(int CaretLine, int TopLine) {
    TVCLDB& Db = *FDb;
    if (Db.CurrentUnitID == 0) return;
    const TPlace File{Db.CurrentUnitID, 1, Db.CurrentFileID};
    const std::string DiskPath = Db.PlaceDiskPath(File);
    std::error_code Error;
    // A file that cannot be read now keeps the text shown; the unit's rows say so elsewhere.
    if (!std::filesystem::is_regular_file(DiskPath, Error)) return;
    const TNoRepaint Quiet(&FView);
    LoadShownText(Db.PlacePath(File), DiskPath);
    FView.SetFirstVisibleLine(TopLine);
    FView.SetCursorLinePos(CaretLine);
}

void TSourcePlace::RememberCaret() {
    FAnchors->RememberCaret(FView.CursorLinePos());
}

void TSourcePlace::FollowRereads() {
    TVCLDB& Db = *FDb;
    const int Caret = FView.CursorLinePos(), Top = FView.FirstVisibleLine();
    int NewCaret = Caret;
    FAnchors->Follow([&](const TPlaceAnchors::TMove& Move) {
        if (Db.CurrentUnitID != 0) NewCaret = Move(Db.CurrentUnitID, Db.CurrentFileID, Caret);
        for (int N = 0; N < TBookMark::Count; ++N)
            if (const int U = FBookMarks->GetUnitID(N); U != 0)
                FBookMarks->SetBookMark(N, U, Move(U, FBookMarks->GetFileID(N), FBookMarks->GetLineNumber(N) - 1) + 1,
                                        FBookMarks->GetFileID(N));
        FHistory->Move([&](int UnitID, int Line, int FileID) { return Move(UnitID, FileID, Line); });
    });
    // The text keeps its place in the view around the caret.
    ReloadShownUnit(NewCaret, std::max(0, Top + NewCaret - Caret));
}

void TSourcePlace::GoTo(const TPlace& Place, bool RecordHistory) {
    ShowUnit(Place.UnitID, Place.Line - 1, RecordHistory, Place.FileID);
}

void TSourcePlace::Back() {
    int U = 0, L = 0, F = 0;
    if (FHistory->GoBack(U, L, F)) {
        ShowUnit(U, L, false, F);
        FBackFailures = 0;
        return;
    }
    Prompts().Beep();
    ++FBackFailures;
    if (FBackFailures > 1) Prompts().ShowError(QStringLiteral("Unable to move back any further"));
}

void TSourcePlace::SetBookmarkCaptions(int N, const QString& Caption) {
    FItem(QStringLiteral("AddBookmark%1").arg(N))->setText(Caption);
    FItem(QStringLiteral("GoBookmark%1").arg(N))->setText(Caption);
}

void TSourcePlace::AddBookmark(int N) {
    TVCLDB& Db = *FDb;
    const int U = Db.CurrentUnitID;
    if (U == 0) return Prompts().Beep();
    const int L = FView.CursorLinePos() + 1;
    if (FBookMarks->GetUnitID(N) != 0 && FBookMarks->GetUnitID(N) == U && FBookMarks->GetFileID(N) == Db.CurrentFileID)
        FView.ColorLine(FBookMarks->GetLineNumber(N) - 1, Qt::black);
    FBookMarks->SetBookMark(N, U, L, Db.CurrentFileID);
    FAnchors->Remember(L - 1);
    FView.ColorLine(L - 1, BookmarkRed);
    TLineInfoRec Info;
    Db.GetLineInfo(L, Info);
    SetBookmarkCaptions(N, QStringLiteral("%1 - %2 - %3.%4")
                               .arg(N)
                               .arg(SourceText(Db.GetUnitName(U)), SourceText(Info.ClassName),
                                    SourceText(Info.MemberName)));
}

void TSourcePlace::GotoBookmark(int N) {
    if (FBookMarks->GetUnitID(N) != 0)
        GoTo({FBookMarks->GetUnitID(N), FBookMarks->GetLineNumber(N), FBookMarks->GetFileID(N)}, true);
}

// Back and the bookmarks never lead into a unit that is gone.
void TSourcePlace::ForgetRemovedUnits() {
    TVCLDB& Db = *FDb;
    FHistory->Keep([&Db](int UnitID) { return Db.UnitExists(UnitID); });
    for (int n = 0; n < TBookMark::Count; ++n) {
        if (FBookMarks->GetUnitID(n) == 0 || Db.UnitExists(FBookMarks->GetUnitID(n))) continue;
        FBookMarks->SetBookMark(n, 0, 0);
        SetBookmarkCaptions(n, QString::number(n));
    }
}

void TSourcePlace::ForgetShownUnit(bool Blank) {
    if (Blank) FView.ShowEmpty();
    FDb->CurrentUnitID = 0;
    FDb->CurrentFileID = 0;
}

}  // namespace qm
