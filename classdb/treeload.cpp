// The order comes from a quick look at each file's uses clauses (ReadUnitHeading): a depth-first
// walk puts the units a unit uses before it, cycles broken where the walk meets them. Units
// that still miss an ancestor (declared in a unit the lists do not show, or behind a cycle) are
// tried again after each pass, as long as a pass loads anything.
#include "treeload.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <unordered_map>

#include "asciitext.h"
#include "format.h"
#include "includetree.h"
#include "paths.h"
#include "unitheading.h"
#include "unitparser.h"
#include "vcldb1.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

// Units loaded in one transaction: a crash or a full disk costs at most these.
constexpr int UnitsPerCommit = 200;

bool StartsWith(const std::string& Text, std::string_view Start) { return Text.compare(0, Start.size(), Start) == 0; }

std::string OneLine(std::string Text) {
    for (char& c : Text)
        if (c == '\r' || c == '\n') c = ' ';
    return Text;
}

std::string Stem(const std::string& Path) { return UpperCase(fs::path(Path).stem().string()); }

}  // namespace

std::vector<std::string> FindUnitFiles(const std::vector<std::string>& Folders, bool Recursive) {
    std::vector<std::string> files;
    auto take = [&](const fs::directory_entry& Entry) {
        std::error_code ec;
        if (!Entry.is_regular_file(ec)) return;
        const std::string ext = UpperCase(Entry.path().extension().string());
        if (ext == ".PAS" || ext == ".PP") files.push_back(Entry.path().string());
    };
    for (const std::string& folder : Folders) {
        std::error_code ec;
        const fs::path dir(ResolvePath(folder));
        if (Recursive) {
            for (fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
                 !ec && it != end; it.increment(ec))
                take(*it);
        } else {
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) take(*it);
        }
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::string TTreeLoadReport::Summary() const {
    std::string text = Format("%d units loaded", {Loaded});
    if (AlreadyLoaded) text += Format(", %d already loaded", {AlreadyLoaded});
    if (WithoutClasses) text += Format(", %d without classes", {WithoutClasses});
    if (Skipped) text += Format(", %d programs or other files skipped", {Skipped});
    if (!Failures.empty()) text += Format(", %d did not load", {int(Failures.size())});
    if (Cancelled) text += ", cancelled";
    return text;
}

std::vector<std::string> TTreeLoader::UsesOrder(const std::vector<std::string>& Files, TTreeLoadReport& Report) {
    std::vector<std::string> units;
    std::vector<std::vector<std::string>> uses;
    for (const std::string& file : Files) {
        std::string text;
        try {
            text = ReadFileBytes(file);
        } catch (const Exception& e) {
            Report.Failures.push_back({file, OneLine(e.Message())});
            continue;
        }
        TUnitHeading heading = ReadUnitHeading(text);
        if (heading.Kind != "UNIT") {
            ++Report.Skipped;
            continue;
        }
        // Every unit uses System, and in Free Pascal's object modes ObjPas, without naming them.
        const std::string name = Stem(file);
        for (const char* implicit : {"SYSTEM", "OBJPAS"})
            if (name != implicit) heading.Uses.insert(heading.Uses.begin(), implicit);
        units.push_back(file);
        uses.push_back(std::move(heading.Uses));
    }
    std::unordered_map<std::string, std::vector<size_t>> byName;
    for (size_t i = 0; i < units.size(); ++i) byName[Stem(units[i])].push_back(i);

    std::vector<std::string> order;
    std::vector<char> seen(units.size(), 0);
    // Depth first without recursion: a frame is a unit and how many of its uses were looked at.
    std::vector<std::pair<size_t, size_t>> stack;
    for (size_t start = 0; start < units.size(); ++start) {
        if (seen[start]) continue;
        seen[start] = 1;
        stack.push_back({start, 0});
        while (!stack.empty()) {
            const auto [unit, next] = stack.back();
            if (next == uses[unit].size()) {
                order.push_back(units[unit]);
                stack.pop_back();
                continue;
            }
            ++stack.back().second;
            auto used = byName.find(uses[unit][next]);
            if (used == byName.end()) continue;
            // Every file of the name (one per platform, say) before the unit that uses it.
            for (size_t u : used->second)
                if (!seen[u]) {
                    seen[u] = 1;
                    stack.push_back({u, 0});
                }
        }
    }
    return order;
}

void TTreeLoader::Note(const std::string& Message) {
    FReport->Notes.push_back({FDb.LoadingFile, OneLine(Message)});
}

TTreeLoadReport TTreeLoader::Load(const std::vector<std::string>& Files, const std::vector<std::string>& IncludeFolders) {
    TTreeLoadReport report;
    std::vector<std::string> pending = UsesOrder(Files, report);

    TIncludeTree includes;
    const bool ownIncludes = FDb.Dialect == TDialect::Modern && !FDb.IncludeReader && !IncludeFolders.empty();
    if (ownIncludes) {
        for (const std::string& folder : IncludeFolders) includes.AddTree(ResolvePath(folder));
        FDb.IncludeReader = [&includes](const std::string& Path, std::string& Found, std::string& Text) {
            return includes.Read(Path, Found, Text);
        };
    }
    // The database's messages go into the report while the load runs.
    FReport = &report;
    const auto messages = FDb.OnMessage;
    FDb.OnMessage = {[](void* Self, TVCLDB&, const std::string& M) { static_cast<TTreeLoader*>(Self)->Note(M); }, this};
    struct TRestore {
        TVCLDB& Db;
        bool Own;
        TEvent<TVCLDB&, const std::string&> Messages;
        ~TRestore() {
            if (Own) Db.IncludeReader = nullptr;
            Db.OnMessage = Messages;
        }
    } restore{FDb, ownIncludes, messages};

    const int total = int(pending.size());
    int done = 0;
    std::optional<TVCLDB::TBatch> batch;
    int inBatch = 0;
    try {
        for (;;) {
            std::vector<std::string> retry;
            std::vector<TTreeLoadReport::TFailure> missing;
            for (const std::string& file : pending) {
                if (OnUnit) OnUnit(done, total);
                if (!batch) batch.emplace(FDb);
                try {
                    FDb.LoadUnit(file);
                    ++report.Loaded;
                    ++done;
                } catch (const EVCLDBError& e) {
                    if (StartsWith(e.Message(), "Unable to locate ancestor class")) {
                        retry.push_back(file);
                        missing.push_back({file, OneLine(e.Message())});
                    } else {
                        ++done;
                        if (e.Message().find("has already been added") != std::string::npos)
                            ++report.AlreadyLoaded;
                        else if (e.Message().find("has no class definitions") != std::string::npos)
                            ++report.WithoutClasses;
                        else
                            report.Failures.push_back({file, OneLine(e.Message())});
                    }
                } catch (const EUnitParserError& e) {
                    ++done;
                    report.Failures.push_back({file, OneLine(e.Message())});
                } catch (const EFOpenError& e) {
                    ++done;
                    report.Failures.push_back({file, OneLine(e.Message())});
                }
                if (++inBatch == UnitsPerCommit) {
                    batch->Commit();
                    batch.reset();
                    inBatch = 0;
                }
            }
            if (retry.empty() || retry.size() == pending.size()) {
                report.Failures.insert(report.Failures.end(), missing.begin(), missing.end());
                break;
            }
            pending = std::move(retry);
        }
        if (batch) batch->Commit();
    } catch (const EAbort&) {
        // The unit in progress was taken out again: what loaded before it is kept.
        if (batch) batch->Commit();
        report.Cancelled = true;
    }
    std::sort(report.Failures.begin(), report.Failures.end(),
              [](const auto& A, const auto& B) { return A.File < B.File; });
    return report;
}

}  // namespace qm
