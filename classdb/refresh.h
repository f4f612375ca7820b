// Keeping the class database current: units whose file or include files changed since they were
// read are read again, each in place: its id stays, a class found again (by its unit, qualified
// name and arity) keeps its id so that classes of other units derived from it stay linked, and its
// members and include files are replaced. A unit is re-read whole in one transaction or not at all.
#pragma once

#include <string>
#include <vector>

#include "vcldberror.h"

namespace qm {

class TVCLDB;

struct TRefreshRecord {
    enum TKind { Reread, Gone, Failed };
    TKind Kind = Reread;
    int UnitID = 0;
    std::string Name;
    std::string Path;
    std::string Reason;  // Gone and Failed: why the unit stays as it was
};

struct TRefreshReport {
    int Checked = 0;
    int Unchanged = 0;
    int Unsettled = 0;  // changed, but written too recently: left for a later look
    std::vector<TRefreshRecord> Records;  // in the order the units were settled
    int Count(TRefreshRecord::TKind Kind) const;
    bool Failed() const { return Count(TRefreshRecord::Failed) > 0; }
    // "%d units checked: %d re-read", then gone and failed when not 0.
    std::string Summary() const;
    // The ids of the units re-read.
    std::vector<int> Reread() const;
};

class TUnitRefresher {
public:
    explicit TUnitRefresher(TVCLDB& Db) : FDb(Db) {}
    // Checks the units (every unit when Units is empty) and re-reads those that changed. A file is
    // taken as unchanged when its size and time are those stored; when they differ its bytes are
    // hashed, and a file saved with the same text only gets its new time stored. A changed include
    // file changes every unit that includes it. A unit whose file has gone, cannot be read, fails
    // to parse or would leave classes of other units without their ancestor stays as it was and is
    // reported; units that refuse for one another's sake are tried again once the others are
    // re-read. EAbort from OnProgress ends the refresh with what was re-read before kept. With
    // StillMs, a unit whose changed file was written less than that long ago is left as it is
    // (an editor may still be writing it) and counted as unsettled.
    TRefreshReport Refresh(const std::vector<int>& Units = {}, int StillMs = 0);
    // Re-reads one unit whatever its stamp; the record tells how it went.
    TRefreshRecord RefreshUnit(int UnitID);
    // The folders (as found on disk, with their final separator) that hold the files of units
    // and their include files: where edits to watch for happen.
    std::vector<std::string> Folders();
    // The units with their file or an include file in one of the folders (as Folders gives them).
    std::vector<int> UnitsIn(const std::vector<std::string>& Folders);
    // The failure came from another program holding the write lock past the wait.
    static bool OthersWriting(const EDatabaseError& Error);
    // Grows with every re-reading of a unit, by whichever program.
    long long Rereads();

private:
    struct TCheck;
    std::vector<TCheck> Check(const std::vector<int>& Units, int StillMs, TRefreshReport& Report);
    void StoreStamps(const std::vector<TCheck>& Checks);
    // Re-reads the record's unit and says in the record how it went. False when it failed in a way
    // that re-reading other units may mend: a missing ancestor, or classes of other units (their ids
    // in NeededBy) that still derive from a class the new text drops.
    bool Attempt(TRefreshRecord& Record, std::vector<int>& NeededBy);
    // Re-reads the unit; raises when it cannot.
    void Reread(int UnitID);
    void MoveOnto(int NewUnit, int OldUnit);
    // Every unit and include file: unit id and the folder of its file on disk.
    std::vector<std::pair<int, std::string>> FileFolders();

    TVCLDB& FDb;
};

}  // namespace qm
