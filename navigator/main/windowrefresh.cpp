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

// The line of the class or member the caret was told by, in the rows as they are now; 0 when it
// is gone or lies in another file.
int TClassNav::CaretAnchor() {
    TVCLDB& Db = VCLDB();
    try {
        if (FKeptCaret.Member.empty()) {
            const TClassRow Class = Db.ClassRecord(FKeptCaret.ClassID);
            return Class.FileID == FKeptCaret.FileID ? Class.IntLN : 0;
        }
        const TMemberRow Row = Db.MemberOverloads(FKeptCaret.ClassID, FKeptCaret.Member).front();
        if (FKeptCaret.Implementation) return Row.ImpLN != NoImpLN && Row.ImpFileID == FKeptCaret.FileID ? Row.ImpLN : 0;
        return Row.IntFileID == FKeptCaret.FileID ? Row.IntLN : 0;
    } catch (const EVCLDBError&) {
        return 0;
    }
}

void TClassNav::KeepCaretForRefresh() {
    TVCLDB& Db = VCLDB();
    FKeptCaret = {};
    if (Db.CurrentUnitID == 0) return;
    const int Line = Memo()->CursorLinePos();
    TLineInfoRec Info;
    try {
        Db.GetLineInfo(Line + 1, Info);
    } catch (const EVCLDBError&) {
        return;  // a unit without classes: the caret keeps its line
    }
    using K = TLineInfoRec;
    const bool Implementation = Info.Kind == K::ImplementationHeading || Info.Kind == K::InsideImplementation;
    const bool Member = Implementation || Info.Kind == K::MemberDeclaration;
    if (Info.ClassID == 0 || !(Member || Info.Kind == K::ClassHeading || Info.Kind == K::InsideClass)) return;
    FKeptCaret = {Db.CurrentUnitID, Db.CurrentFileID, Line, Info.ClassID, Member ? Info.MemberName : std::string(), Implementation, 0};
    FKeptCaret.Anchor = CaretAnchor();
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
        if (FKeptCaret.UnitID == Db.CurrentUnitID && FKeptCaret.FileID == Db.CurrentFileID && FKeptCaret.Line == Line &&
            FKeptCaret.Anchor > 0) {
            if (const int Anchor = CaretAnchor(); Anchor > 0) {
                Line += Anchor - FKeptCaret.Anchor;
                Top = std::max(0, Top + Anchor - FKeptCaret.Anchor);
            }
        }
        FSource->ReloadShownUnit(Line, Top);
    }
    FKeptCaret = {};
    if (FClassInfo->ClassID() != 0 && Db.ClassExists(FClassInfo->ClassID())) FillClassList(FClassInfo->ClassID());
}

}  // namespace qm
