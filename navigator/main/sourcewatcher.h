// TSourceWatcher: the window follows the disk. It watches the folders of the loaded units (not the
// files: editors save by writing a new file and renaming it over the old one), waits until a folder
// has been still for a moment, then re-reads the changed units through a connection of its own, so
// that the window learns of the new rows as it learns of every other program's commit.
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

namespace qm {

class TVCLDB;
struct TRefreshReport;

class TSourceWatcher : public QObject {
public:
    explicit TSourceWatcher(QObject* Parent = nullptr);
    ~TSourceWatcher() override;

    // Opens the class database file for its own use and starts watching; nothing is watched in a
    // file that can only be read.
    void Start(const std::string& DatabaseFile);
    // Checks every unit now.
    void RefreshAll();
    // The window was activated: the folders the system would not watch are looked at now.
    void LookNow();

    // Whether a re-read may run now (no load, no box open); when not, it waits and tries again.
    std::function<bool()> MayRefresh;
    // Called before units are re-read, and after with what happened.
    std::function<void()> BeforeRefresh;
    std::function<void(const TRefreshReport&)> AfterRefresh;

    // How long a folder must be still before its units are looked at: editors write in steps.
    static constexpr int StillMs = 200;
    // Folders the system would not watch (its limit reached) are looked at this often.
    static constexpr int LookMs = 1000;
    // How many folders may be handed to the system: -1 as many as it takes. Tests make the
    // system's limit smaller than any tree rather than exhausting it.
    static inline int WatchLimit = -1;

private:
    void FolderChanged(const QString& Folder);
    void Settle();
    void Look();
    void Watch();
    // Re-reads what changed among the units (every unit when All); false when a changed file was
    // written too recently and waits for a later look.
    bool Run(const std::vector<int>& Units, bool All);

    std::unique_ptr<TVCLDB> FDb;
    QFileSystemWatcher FWatcher;
    QTimer FStill;
    QTimer FLook;
    QSet<QString> FChanged;    // folders changed since the last re-read
    QStringList FUnwatched;    // folders the system would not watch
    QHash<QString, std::string> FFolders;  // watched name -> the folder as the database gives it
};

}  // namespace qm
