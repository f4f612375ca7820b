// Class database figures on a generated library: whole-load throughput in members per second,
// ListClassMembers for the deepest class, cached and uncached lookups, GetLineInfo on the unit
// with the most members, the descendants of the top class and the overrides of the method most
// often declared again; a refresh of every unit with none changed, and one unit read again.
//   classdb_bench --library=DIR --db=FILE [--vcl-root=DIR]... [Google Benchmark flags]
// The library is loaded once into FILE (a new file) in one batch (QM_NO_BATCH=1: a commit per
// unit), then the query benchmarks run on it. Each --vcl-root is a Delphi installation whose 49
// VCL units the VCL initialization loads.
#include <benchmark/benchmark.h>

#include <SQLiteCpp/Database.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "refresh.h"
#include "settingsstore.h"
#include "vcldb1.h"

namespace {

qm::TVCLDB Db;
std::string DbPath;
int DeepestClass = 0, DeepestLevels = 0, LargestUnit = 0, LargestUnitLines = 0, ClassCount = 0;
// The class with the most descendants, and the method most often declared again below its class.
int RootClass = 0, OverriddenClass = 0;
std::string OverriddenName;

void LoadLibrary(const std::string& Dir) {
    std::vector<std::string> units;
    for (const auto& e : std::filesystem::directory_iterator(Dir))
        if (e.path().extension() == ".pas") units.push_back(e.path().string());
    std::sort(units.begin(), units.end());
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(DbPath + suffix);
    Db.OpenDatabase(DbPath);
    auto start = std::chrono::steady_clock::now();
    {
        // As "quillmap2-cli add" and the VCL initialization load: many units, one commit.
        std::optional<qm::TVCLDB::TBatch> batch;
        if (!getenv("QM_NO_BATCH")) batch.emplace(Db);
        for (const std::string& unit : units) Db.LoadUnit(unit);
        if (batch) batch->Commit();  // a batch stores nothing until committed
    }
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
    const int classes = ClassCount = db.execAndGet("select count(*) from CLASSES").getInt();
    const int members = db.execAndGet("select count(*) from MV").getInt();
    std::cout << "load: " << units.size() << " units, " << classes << " classes, " << members << " members in "
              << seconds.count() << " s: " << int(members / seconds.count()) << " members/s\n";

    std::map<int, int> depth{{0, 0}};  // ancestors have smaller ids than their descendants
    SQLite::Statement chain(db, "select ID, AncestorID from CLASSES order by ID");
    while (chain.executeStep()) {
        int id = chain.getColumn(0).getInt(), level = depth[chain.getColumn(1).getInt()] + 1;
        depth[id] = level;
        if (level > DeepestLevels) DeepestLevels = level, DeepestClass = id;
    }
    SQLite::Statement largest(db, "select UnitID, max(IntLN, case when ImpLN = 2147483647 then 0 else ImpLN end) "
                                  "from MV where UnitID = (select UnitID from MV group by UnitID "
                                  "order by count(*) desc limit 1)");
    while (largest.executeStep()) {
        LargestUnit = largest.getColumn(0).getInt();
        LargestUnitLines = std::max(LargestUnitLines, largest.getColumn(1).getInt());
    }
    RootClass = db.execAndGet("select ID from CLASSES where AncestorID = 0 order by ID limit 1").getInt();
    SQLite::Statement most(db, "select C.AncestorID, M.Name from MV M join CLASSES C on C.ID = M.ClassID "
                               "join MV A on A.ClassID = C.AncestorID and upper(A.Name) = upper(M.Name) "
                               "where M.Flags & 1 group by 1, upper(2) order by count(*) desc limit 1");
    if (most.executeStep()) {
        OverriddenClass = most.getColumn(0).getInt();
        OverriddenName = most.getColumn(1).getString();
    }
    std::cout << "deepest class " << DeepestClass << ": " << DeepestLevels << " levels; largest unit " << LargestUnit
              << ": " << LargestUnitLines << " lines\n";
}

void ListDeepestClass(benchmark::State& State) {
    qm::TMemberItems items;
    for (auto _ : State) {
        items.clear();
        Db.ListClassMembers(DeepestClass, items, qm::TMemberFilter());
    }
    State.counters["levels"] = DeepestLevels;
    State.counters["rows"] = double(items.size());
}

void CachedLookup(benchmark::State& State) {
    for (auto _ : State) benchmark::DoNotOptimize(Db.GetClassName(DeepestClass));
    State.SetItemsProcessed(State.iterations());
}

// Every call asks for another class, so every call runs the statement.
void UncachedLookup(benchmark::State& State) {
    int id = 1;
    for (auto _ : State) {
        benchmark::DoNotOptimize(Db.GetClassName(id));
        id = id % ClassCount + 1;
    }
    State.SetItemsProcessed(State.iterations());
}

void MemberLookupUpTheChain(benchmark::State& State) {
    int n = 0;
    for (auto _ : State) benchmark::DoNotOptimize(Db.FindMemberClass(DeepestClass, ++n % 2 ? "Free" : "Create"));
    State.SetItemsProcessed(State.iterations());
}

void LineInfoOnLargestUnit(benchmark::State& State) {
    Db.CurrentUnitID = LargestUnit;
    qm::TLineInfoRec info;
    int line = 0;
    for (auto _ : State) {
        Db.GetLineInfo(line % LargestUnitLines + 1, info);
        line += 7;
    }
    State.SetItemsProcessed(State.iterations());
}

// The whole tree under the top class: the query, the ordering and the counts.
void DescendantsOfTheRoot(benchmark::State& State) {
    qm::TDescendants tree;
    for (auto _ : State) Db.ListDescendants(RootClass, tree);
    State.counters["classes"] = double(tree.size());
}

void OverridesOfTheMostOverridden(benchmark::State& State) {
    qm::TOverrides found;
    for (auto _ : State) Db.ListOverrides(OverriddenClass, OverriddenName, found);
    State.counters["found"] = double(found.size());
}

// Checking every unit of the library when none changed: one stat a file.
void RefreshNothingChanged(benchmark::State& State) {
    qm::TRefreshReport report;
    for (auto _ : State) report = qm::TUnitRefresher(Db).Refresh();
    State.counters["units"] = report.Checked;
    State.counters["re-read"] = report.Count(qm::TRefreshRecord::Reread);
}

// One unit read again in place (the one with the most members), as after an edit.
void RefreshLargestUnit(benchmark::State& State) {
    for (auto _ : State)
        if (Db.RefreshUnit(LargestUnit).Kind != qm::TRefreshRecord::Reread) State.SkipWithError("not re-read");
    State.counters["lines"] = LargestUnitLines;
}

// Rebuilding a database from the VCL of an installation, as the Initialize command does.
class TInstallationAt : public qm::TDelphiInstallation {
public:
    explicit TInstallationAt(std::string Root) : FRoot(std::move(Root)) {}
    std::string RootDir() override { return FRoot; }

private:
    std::string FRoot;
};

void InitializeVCL(benchmark::State& State, std::string Root) {
    TInstallationAt installation(Root);
    qm::TVCLDB db(nullptr, &installation);
    const std::string path = DbPath + ".vcl";
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
    db.OpenDatabase(path);
    for (auto _ : State) db.InitializeVCL();
    State.counters["units"] = db.UnitCount();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string library;
    std::vector<std::string> vclRoots;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--library=", 0) == 0) library = arg.substr(10);
        else if (arg.rfind("--vcl-root=", 0) == 0) vclRoots.push_back(arg.substr(11));
        else if (arg.rfind("--db=", 0) == 0) DbPath = arg.substr(5);
        else {
            std::cerr << "unknown argument " << arg << '\n';
            return 2;
        }
    }
    if (library.empty() || DbPath.empty()) {
        std::cerr << "usage: classdb_bench --library=DIR --db=FILE\n";
        return 2;
    }
    try {
        LoadLibrary(library);
    } catch (const qm::Exception& e) {
        std::cerr << e.Message() << '\n';
        return 1;
    }
    for (const std::string& root : vclRoots)
        benchmark::RegisterBenchmark(("InitializeVCL/" + root).c_str(), InitializeVCL, root)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ListClassMembers/deepest", ListDeepestClass)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Lookup/cached", CachedLookup);
    benchmark::RegisterBenchmark("Lookup/new-key", UncachedLookup)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FindMemberClass/deepest", MemberLookupUpTheChain)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("GetLineInfo/largest-unit", LineInfoOnLargestUnit)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ListDescendants/top-class", DescendantsOfTheRoot)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ListOverrides/most-overridden", OverridesOfTheMostOverridden)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Refresh/nothing-changed", RefreshNothingChanged)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RefreshUnit/largest-unit", RefreshLargestUnit)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
