// Loading every unit under folders at once, in an order that lets ancestors come first: units
// before the units that use them, then again whatever failed for a missing ancestor, as long as
// that loads more. One bad file never stops the load: it is reported and the rest goes on.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qm {

class TVCLDB;
class TUnitResolver;

struct TTreeLoadReport {
    struct TFailure {
        std::string File;
        std::string Reason;  // the load's message, on one line
        // "FILE: REASON", or the reason alone when it names the file itself.
        std::string Text() const;
    };
    int Loaded = 0;
    int AlreadyLoaded = 0;  // the database held them before
    int WithoutClasses = 0;  // units that declare no class: nothing to load
    int Skipped = 0;        // programs, libraries, packages and files that are no unit
    // Units that did not load, and paths that could not be read at all (their Reason begins
    // with "not read: "), in path order.
    std::vector<TFailure> Failures;
    int NotRead = 0;  // how many of the Failures are paths not read
    // What loaded units left out (a member refused for its name, a class passed over) and which
    // of several units of one name a unit uses, with the unit's file; the class database's own
    // messages.
    std::vector<TFailure> Notes;
    bool Cancelled = false;  // EAbort stopped it; what loaded before stays
    std::vector<int> LoadedUnits;  // the ids of the units loaded, in load order
    // Following uses clauses: each unit used but found on no folder of the path, once, with the
    // units that use it ("Graphics uses FPImage: not found on the library path").
    std::vector<std::string> NotFound;
    // Following uses clauses: the names of the units used that the database held already (upper
    // case), which the load did not read again.
    std::vector<std::string> UsedLoaded;
    // "%d units loaded", then the other counts that are not 0.
    std::string Summary() const;
};

// What FindUnitFiles found: unit files in name order, and the paths that could not be read, as
// failures "not read: why".
struct TUnitFiles {
    std::vector<std::string> Files;
    std::vector<TTreeLoadReport::TFailure> NotRead;
};

// The .pas and .pp files under the folders (and their subfolders when Recursive); a file given
// itself is taken as a unit whatever its name. A path that does not exist or cannot be read, and
// a subfolder that cannot be read, is listed in NotRead. Links to folders are not followed.
TUnitFiles FindUnitFiles(const std::vector<std::string>& Paths, bool Recursive);

class TTreeLoader {
public:
    explicit TTreeLoader(TVCLDB& Db) : FDb(Db) {}
    // Called before each unit's load: units done so far of the total.
    std::function<void(int Done, int Total)> OnUnit;
    // Loads the files. A database that can only be read is refused before any file is read. A
    // unit that cannot be read, is too large or fails to load for any reason is reported and the
    // load goes on; EAbort from the class database's OnProgress (or from OnUnit) ends it with what
    // has loaded kept. Folders are the folders the user gave, in order: among units of one name
    // a unit uses the one of its own folder, else of the first of these that holds one
    // (TReadContext); in the modern dialect, when the class database has no include reader of
    // its own, include files are also looked for anywhere under them. Errors of the database
    // itself (a full disk...) pass through; units committed before stay.
    TTreeLoadReport Load(const std::vector<std::string>& Files, const std::vector<std::string>& Folders = {});
    // The same for what FindUnitFiles found: what it could not read is in the report too.
    TTreeLoadReport Load(const TUnitFiles& Found, const std::vector<std::string>& Folders = {});

    // Loads the files and every unit they use, in the interface and the implementation, and the
    // units those use, found through Resolver (the first folder of its path that has the name: the
    // caller puts the folders of the files given in front where they count), units before the
    // units that use them; a unit whose name the database holds already is not read again. Of
    // several files of one name the first found is loaded and the others are named in Notes.
    TTreeLoadReport LoadFollowing(const std::vector<std::string>& Files, const TUnitResolver& Resolver,
                                  const std::vector<std::string>& IncludeFolders = {});

private:
    std::vector<std::string> UsesOrder(const std::vector<std::string>& Files, TTreeLoadReport& Report);
    void LoadInOrder(std::vector<std::string> Pending, TTreeLoadReport& Report);
    void Note(const std::string& Message);
    TVCLDB& FDb;
    TTreeLoadReport* FReport = nullptr;  // of the load in progress
};

}  // namespace qm
