// The window following the disk: the source watcher re-reads edited units, the status bar says so
// for a moment, a unit that could not be re-read is said once in a box, and when the new rows
// arrive (as another program's commit does) the source place and the pages follow them.
#include <QApplication>
#include <QEvent>
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
    FWatcher->BeforeRefresh = [this] { FSource->RememberCaret(); };
    FWatcher->AfterRefresh = [this](const TRefreshReport& Report) { SourcesRefreshed(Report); };
    FWatcher->Start(FWindows->DatabaseFile);
}

// Edits made while another window was active, in folders the system would not watch.
void TClassNav::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::ActivationChange && isActiveWindow() && FWatcher) FWatcher->LookNow();
    QMainWindow::changeEvent(Event);
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
    FSource->FollowRereads();
    if (FClassInfo->ClassID() != 0 && Db.ClassExists(FClassInfo->ClassID())) FClassInfo->Reload();
}

}  // namespace qm
