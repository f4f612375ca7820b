// The source watcher: folder changes, a stillness timer, and a look once a second at what the
// system would not watch and at whether the units (and so the folders) changed meanwhile.
#include "sourcewatcher.h"

#include <algorithm>
#include <utility>

#include "refresh.h"
#include "vcldb1.h"

namespace qm {
namespace {

// Folders as the watcher names them: without their final separator.
QString FolderName(const std::string& Folder) {
    QString name = QString::fromLocal8Bit(Folder.data(), qsizetype(Folder.size()));
    while (name.size() > 1 && (name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\')))) name.chop(1);
    return name;
}

}  // namespace

TSourceWatcher::TSourceWatcher(QObject* Parent) : QObject(Parent) {
    FStill.setSingleShot(true);
    FStill.setInterval(StillMs);
    // A coarse timer may fire a little early, before the file has been still for StillMs, and the
    // refresh would then leave it for another wait.
    FStill.setTimerType(Qt::PreciseTimer);
    connect(&FStill, &QTimer::timeout, this, [this] { Settle(); });
    FLook.setInterval(LookMs);
    connect(&FLook, &QTimer::timeout, this, [this] { Look(); });
    connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& Folder) { FolderChanged(Folder); });
}

TSourceWatcher::~TSourceWatcher() = default;

void TSourceWatcher::Start(const std::string& DatabaseFile) {
    FDb = std::make_unique<TVCLDB>();
    FDb->OpenDatabase(DatabaseFile);
    if (FDb->IsReadOnly()) return;
    FDb->ChangedByOthers();
    Watch();
    FLook.start();
}

void TSourceWatcher::Watch() {
    QStringList folders;
    FFolders.clear();
    for (const std::string& folder : TUnitRefresher(*FDb).Folders()) {
        folders << FolderName(folder);
        FFolders.insert(folders.back(), folder);
    }
    const QStringList old = FWatcher.directories();
    QStringList gone;
    for (const QString& folder : old)
        if (!folders.contains(folder)) gone << folder;
    if (!gone.isEmpty()) FWatcher.removePaths(gone);
    QStringList added;
    for (const QString& folder : folders)
        if (!old.contains(folder)) added << folder;
    if (added.isEmpty()) return;
    // Folders beyond a limit made lower than the system's are as those the system refuses.
    const qsizetype room = WatchLimit < 0 ? added.size() : std::max<qsizetype>(0, WatchLimit - FWatcher.directories().size());
    FUnwatched = FWatcher.addPaths(added.mid(0, room)) + added.mid(room);
    // Files there may have changed before the watch began (while the program was closed, or
    // between a load and this look).
    for (const QString& folder : added) FChanged.insert(folder);
    FStill.start();
}

void TSourceWatcher::LookNow() {
    // From the queue: a re-read may end in a box, which must not open inside the activation.
    if (!FUnwatched.isEmpty()) QTimer::singleShot(0, this, [this] { Look(); });
}

void TSourceWatcher::FolderChanged(const QString& Folder) {
    FChanged.insert(Folder);
    FStill.start();  // again from the start at every change
}

void TSourceWatcher::Look() {
    if (!FDb) return;
    // Units loaded or removed by the window or another program: other folders to watch.
    if (FDb->ChangedByOthers()) Watch();
    for (const QString& folder : FUnwatched) FChanged.insert(folder);
    if (!FChanged.isEmpty() && !FStill.isActive()) Settle();
}

void TSourceWatcher::Settle() {
    if (!FDb || FChanged.isEmpty()) return;
    if (MayRefresh && !MayRefresh()) {
        FStill.start();
        return;
    }
    std::vector<std::string> folders;
    for (const QString& folder : std::as_const(FChanged))
        if (FFolders.contains(folder)) folders.push_back(FFolders.value(folder));
    const QSet<QString> changed = std::exchange(FChanged, {});
    const std::vector<int> units = TUnitRefresher(*FDb).UnitsIn(folders);
    if (units.empty()) return;
    try {
        if (Run(units, false)) return;
        // A file still being written (found by a look, not told by the system): later.
        FChanged.unite(changed);
        FStill.start();
    } catch (const EDatabaseError& e) {
        // Another program is writing (a long load): the edits wait for it, unseen by the user.
        if (!TUnitRefresher::OthersWriting(e)) throw;
        FChanged.unite(changed);
        FStill.start();
    }
}

void TSourceWatcher::RefreshAll() {
    if (!FDb) return;
    FChanged.clear();
    FStill.stop();
    Run({}, true);
}

bool TSourceWatcher::Run(const std::vector<int>& Units, bool All) {
    if (BeforeRefresh) BeforeRefresh();
    // Edit > Refresh takes the files as they are; the watcher waits until they have been still.
    const TRefreshReport report = TUnitRefresher(*FDb).Refresh(All ? std::vector<int>() : Units, All ? 0 : StillMs);
    if (AfterRefresh) AfterRefresh(report);
    return report.Unsettled == 0;
}

}  // namespace qm
