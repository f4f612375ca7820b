// The window following the disk: the source watcher re-reads edited units, the status bar says so
// for a moment, a unit that could not be re-read is said once in a box, and when the new rows
// arrive (as another program's commit does) the shown text is read again with the caret kept on
// its line, or on its member's line when the member moved.
#include <QApplication>
#include <QStatusBar>
#include <QStringList>

#include "application.h"
#include "appwindows.h"
#include "classinfopage.h"
#include "loadprogress.h"
#include "main1.h"
#include "posstore.h"
#include "refresh.h"
#include "sourceplace.h"
#include "sourcetext.h"
#include "sourcewatcher.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {
namespace {

// How long the status bar tells of a re-read.
constexpr int MomentMs = 3000;

}  // namespace

void TClassNav::RefreshItemClick() {
    if (FWatcher) FWatcher->RefreshAll();
}

void TClassNav::StartWatching() {
    FRereads = TUnitRefresher(VCLDB()).Rereads();
    FWatcher = new TSourceWatcher(this);
    FWatcher->MayRefresh = [this] { return !FLoad->Loading() && !ErrorReportOpen() && !QApplication::activeModalWidget(); };
    FWatcher->BeforeRefresh = [this] { KeepCaretForRefresh(); };
    FWatcher->AfterRefresh = [this](const TRefreshReport& Report) { SourcesRefreshed(Report); };
    FWatcher->Start(FWindows->DatabaseFile);
}

// The line of the class or member a kept place was told by, in the rows as they are now; 0 when
// it is gone or lies in another file.
int TClassNav::AnchorOf(const TKeptPlace& Place) {
    TVCLDB& Db = VCLDB();
    try {
        if (Place.Member.empty()) {
            const TClassRow Class = Db.ClassRecord(Place.ClassID);
            return Class.FileID == Place.FileID ? Class.IntLN : 0;
        }
        const TMemberRow Row = Db.MemberOverloads(Place.ClassID, Place.Member).front();
        if (Place.Implementation) return Row.ImpLN != NoImpLN && Row.ImpFileID == Place.FileID ? Row.ImpLN : 0;
        return Row.IntFileID == Place.FileID ? Row.IntLN : 0;
    } catch (const EVCLDBError&) {
        return 0;
    }
}

// A 0-based line of the shown unit told by the class or member around it; none (Anchor 0) when
// the line lies outside every class and method.
TClassNav::TKeptPlace TClassNav::KeepPlace(int Line) {
    TVCLDB& Db = VCLDB();
    TLineInfoRec Info;
    try {
        Db.GetLineInfo(Line + 1, Info);
    } catch (const EVCLDBError&) {
        return {};  // a unit without classes: lines stay as they are
    }
    using K = TLineInfoRec;
    const bool Implementation = Info.Kind == K::ImplementationHeading || Info.Kind == K::InsideImplementation;
    const bool Member = Implementation || Info.Kind == K::MemberDeclaration;
    if (Info.ClassID == 0 || !(Member || Info.Kind == K::ClassHeading || Info.Kind == K::InsideClass)) return {};
    TKeptPlace Place{Db.CurrentUnitID, Db.CurrentFileID, Line, Info.ClassID, Member ? Info.MemberName : std::string(), Implementation, 0};
    Place.Anchor = AnchorOf(Place);
    return Place;
}

// The caret and the bookmarks of the shown unit, before units are re-read.
void TClassNav::KeepCaretForRefresh() {
    TVCLDB& Db = VCLDB();
    FKeptPlaces.clear();
    if (Db.CurrentUnitID == 0) return;
    FKeptPlaces.emplace_back(-1, KeepPlace(Memo()->CursorLinePos()));
    const TBookMark& Marks = FSource->BookMarks();
    for (int N = 0; N < TBookMark::Count; ++N)
        if (Marks.GetUnitID(N) == Db.CurrentUnitID && Marks.GetFileID(N) == Db.CurrentFileID)
            FKeptPlaces.emplace_back(N, KeepPlace(Marks.GetLineNumber(N) - 1));
}

// How far the kept place's class or member moved; 0 when that cannot be told.
int TClassNav::Moved(const TKeptPlace& Place) {
    TVCLDB& Db = VCLDB();
    if (Place.Anchor == 0 || Place.UnitID != Db.CurrentUnitID || Place.FileID != Db.CurrentFileID) return 0;
    const int Anchor = AnchorOf(Place);
    return Anchor > 0 ? Anchor - Place.Anchor : 0;
}

void TClassNav::SourcesRefreshed(const TRefreshReport& Report) {
    QStringList Reread, Failures;
    for (const TRefreshRecord& R : Report.Records) {
        const QString Path = SourceText(R.Path);
        if (R.Kind == TRefreshRecord::Reread) {
            Reread << SourceText(R.Name);
            FToldFailures.remove(Path);
            continue;
        }
        // Said once: the file stays changed, and every later look fails the same way.
        const QString Reason = WithLineFeeds(SourceText(R.Reason));
        if (FToldFailures.value(Path) == Reason) continue;
        FToldFailures.insert(Path, Reason);
        Failures << QStringLiteral("%1 was not re-read: %2").arg(Path, Reason);
    }
    if (!Reread.isEmpty())
        statusBar()->showMessage(QString::fromLatin1(Reread.size() == 1 ? "%1 was re-read" : "%1 were re-read")
                                     .arg(Reread.join(QStringLiteral(", "))),
                                 MomentMs);
    if (!Failures.isEmpty()) Prompts().ShowError(Failures.join(QLatin1Char('\n')));
}

void TClassNav::FollowRereadUnits() {
    TVCLDB& Db = VCLDB();
    const long long Rereads = TUnitRefresher(Db).Rereads();
    if (Rereads == FRereads) return;
    FRereads = Rereads;
    if (Db.CurrentUnitID != 0) {
        int Line = Memo()->CursorLinePos(), Top = Memo()->FirstVisibleLine();
        TBookMark& Marks = FSource->BookMarks();
        for (const auto& [N, Place] : FKeptPlaces) {
            const int By = Moved(Place);
            if (N >= 0 && By != 0) Marks.SetBookMark(N, Place.UnitID, Place.Line + 1 + By, Place.FileID);
            if (N < 0 && Place.Line == Line) {
                Line += By;
                Top = std::max(0, Top + By);
            }
        }
        FSource->ReloadShownUnit(Line, Top);
    }
    FKeptPlaces.clear();
    if (FClassInfo->ClassID() != 0 && Db.ClassExists(FClassInfo->ClassID())) FillClassList(FClassInfo->ClassID());
}

}  // namespace qm
