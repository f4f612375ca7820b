// Loading every unit under folders at once, in an order that lets ancestors come first: units
// before the units that use them, then again whatever failed for a missing ancestor, as long as
// that loads more.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm {

class TVCLDB;

// The .pas and .pp files under the folders (and their subfolders when Recursive), in name order.
std::vector<std::string> FindUnitFiles(const std::vector<std::string>& Folders, bool Recursive);

struct TTreeLoadReport {
    struct TFailure {
        std::string File;
        std::string Reason;  // the load's message, on one line
    };
    int Loaded = 0;
    int AlreadyLoaded = 0;  // the database held them before
    int WithoutClasses = 0;  // units that declare no class: nothing to load
    int Skipped = 0;        // programs, libraries, packages and files that are no unit
    std::vector<TFailure> Failures;
    // What loaded units left out (a member refused for its name, a class passed over), with the
    // unit's file; the class database's own messages.
    std::vector<TFailure> Notes;
    bool Cancelled = false;  // EAbort stopped it; what loaded before stays
    // "%d units loaded", then the other counts that are not 0.
    std::string Summary() const;
};

class TTreeLoader {
public:
    explicit TTreeLoader(TVCLDB& Db) : FDb(Db) {}
    // Called before each unit's load: units done so far of the total.
    std::function<void(int Done, int Total)> OnUnit;
    // Loads the files. A unit that fails is reported and the load goes on; EAbort from the class
    // database's OnProgress (or from OnUnit) ends it with what has loaded kept. In the modern
    // dialect, when the class database has no include reader of its own, include files are also
    // looked for anywhere under IncludeFolders. Errors of the database itself (a full disk...)
    // pass through; units committed before stay.
    TTreeLoadReport Load(const std::vector<std::string>& Files, const std::vector<std::string>& IncludeFolders = {});

private:
    std::vector<std::string> UsesOrder(const std::vector<std::string>& Files, TTreeLoadReport& Report);
    void Note(const std::string& Message);
    TVCLDB& FDb;
    TTreeLoadReport* FReport = nullptr;  // of the load in progress
};

}  // namespace qm
