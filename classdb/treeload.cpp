// The order comes from a quick look at each file's uses clauses (ReadUnitHeading): a depth-first
// walk puts the units a unit uses before it, cycles broken where the walk meets them. Units
// that still miss an ancestor (declared in a unit the lists do not show, or behind a cycle) are
// tried again after each pass, as long as a pass loads anything.
#include "treeload.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <optional>
#include <system_error>
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

std::string OneLine(std::string Text) {
    for (char& c : Text)
        if (c == '\r' || c == '\n') c = ' ';
    return Text;
}

std::string Stem(const std::string& Path) { return UpperCase(fs::path(Path).stem().string()); }

bool IsUnitFile(const fs::path& Path) {
    const std::string ext = UpperCase(Path.extension().string());
    return ext == ".PAS" || ext == ".PP";
}

TTreeLoadReport::TFailure NotReadFailure(const std::string& Path, const std::string& Why) {
    return {Path, "not read: " + Why};
}

// Folder's unit files into Found, and with Recursive those of its subfolders (links to folders
// are not followed: a link may lead back up the tree).
void CollectUnitFiles(const fs::path& Folder, bool Recursive, TUnitFiles& Found) {
    std::vector<fs::path> folders{Folder};
    while (!folders.empty()) {
        const fs::path folder = std::move(folders.back());
        folders.pop_back();
        std::error_code ec;
        fs::directory_iterator it(folder, ec);
        for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            if (Recursive && fs::is_directory(it->symlink_status(typeError))) folders.push_back(it->path());
            else if (it->is_regular_file(typeError) && IsUnitFile(it->path())) Found.Files.push_back(it->path().string());
        }
        if (ec) Found.NotRead.push_back(NotReadFailure(folder.string(), ec.message()));
    }
}

}  // namespace

std::string TTreeLoadReport::TFailure::Text() const {
    return Reason.find(File) != std::string::npos ? Reason : File + ": " + Reason;
}

TUnitFiles FindUnitFiles(const std::vector<std::string>& Paths, bool Recursive) {
    TUnitFiles found;
    for (const std::string& given : Paths) {
        const fs::path path(ResolvePath(given));
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (!fs::exists(status)) {
            const std::error_code why = ec && status.type() != fs::file_type::not_found
                                            ? ec
                                            : std::make_error_code(std::errc::no_such_file_or_directory);
            found.NotRead.push_back(NotReadFailure(path.string(), why.message()));
        } else if (fs::is_directory(status)) {
            CollectUnitFiles(path, Recursive, found);
        } else {
            found.Files.push_back(path.string());  // named by the user: a unit, whatever its name
        }
    }
    std::sort(found.Files.begin(), found.Files.end());
    found.Files.erase(std::unique(found.Files.begin(), found.Files.end()), found.Files.end());
    return found;
}

std::string TTreeLoadReport::Summary() const {
    std::string text = Format("%d units loaded", {Loaded});
    if (AlreadyLoaded) text += Format(", %d already loaded", {AlreadyLoaded});
    if (WithoutClasses) text += Format(", %d without classes", {WithoutClasses});
    if (Skipped) text += Format(", %d programs or other files skipped", {Skipped});
    if (int(Failures.size()) > NotRead) text += Format(", %d did not load", {int(Failures.size()) - NotRead});
    if (NotRead) text += Format(", %d not read", {NotRead});
    if (Cancelled) text += ", cancelled";
    return text;
}

std::vector<std::string> TTreeLoader::UsesOrder(const std::vector<std::string>& Files, TTreeLoadReport& Report) {
    std::vector<std::string> units;
    std::vector<std::vector<std::string>> uses;
    std::string buffer;  // one file's bytes after another
    for (const std::string& file : Files) {
        std::string_view text;
        try {
            text = ReadSourceFile(file, buffer);
        } catch (const EFOpenError& e) {
            Report.Failures.push_back(NotReadFailure(file, e.Reason().empty() ? e.Message() : e.Reason()));
            ++Report.NotRead;
            continue;
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

TTreeLoadReport TTreeLoader::Load(const std::vector<std::string>& Files, const std::vector<std::string>& Folders) {
    return Load(TUnitFiles{Files, {}}, Folders);
}

TTreeLoadReport TTreeLoader::Load(const TUnitFiles& Found, const std::vector<std::string>& Folders) {
    FDb.CheckWritable();
    TTreeLoadReport report;
    report.Failures = Found.NotRead;
    report.NotRead = int(Found.NotRead.size());
    std::vector<std::string> pending = UsesOrder(Found.Files, report);

    std::vector<std::string> folders;
    for (const std::string& folder : Folders) folders.push_back(ResolvePath(folder));
    TIncludeTree includes;
    const bool ownIncludes = FDb.Dialect == TDialect::Modern && !FDb.IncludeReader && !folders.empty();
    if (ownIncludes) {
        for (const std::string& folder : folders) includes.AddTree(folder);
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
        TReadContext Context;
        ~TRestore() {
            if (Own) Db.IncludeReader = nullptr;
            Db.OnMessage = Messages;
            Db.ReadContext = std::move(Context);
        }
    } restore{FDb, ownIncludes, messages, FDb.ReadContext};
    FDb.ReadContext.SearchPath = folders;

    LoadInOrder(std::move(pending), report);
    std::stable_sort(report.Failures.begin(), report.Failures.end(),
                     [](const auto& A, const auto& B) { return A.File < B.File; });
    return report;
}

void TTreeLoader::LoadInOrder(std::vector<std::string> Pending, TTreeLoadReport& Report) {
    const int total = int(Pending.size());
    int done = 0;
    std::optional<TVCLDB::TBatch> batch;
    int inBatch = 0;
    try {
        for (;;) {
            std::vector<std::string> retry;
            std::vector<TTreeLoadReport::TFailure> missing;
            for (const std::string& file : Pending) {
                if (OnUnit) OnUnit(done, total);
                if (!batch) batch.emplace(FDb);
                ++done;
                // Every failure of the unit itself is the unit's; the database's own and a stop
                // pass through.
                try {
                    Report.LoadedUnits.push_back(FDb.LoadUnit(file));
                    ++Report.Loaded;
                } catch (const EAncestorMissing& e) {
                    --done;
                    retry.push_back(file);
                    missing.push_back({file, OneLine(e.Message())});
                } catch (const EUnitAlreadyLoaded&) {
                    ++Report.AlreadyLoaded;
                } catch (const EUnitWithoutClasses&) {
                    ++Report.WithoutClasses;
                } catch (const EDatabaseError&) {
                    throw;
                } catch (const EAbort&) {
                    throw;
                } catch (const Exception& e) {
                    Report.Failures.push_back({file, OneLine(e.Message())});
                } catch (const std::bad_alloc&) {
                    Report.Failures.push_back({file, "not enough memory to read it"});
                }
                if (++inBatch == UnitsPerCommit) {
                    batch->Commit();
                    batch.reset();
                    inBatch = 0;
                }
            }
            if (retry.empty() || retry.size() == Pending.size()) {
                Report.Failures.insert(Report.Failures.end(), missing.begin(), missing.end());
                break;
            }
            Pending = std::move(retry);
        }
        if (batch) batch->Commit();
    } catch (const EAbort&) {
        // The unit in progress was taken out again: what loaded before it is kept.
        if (batch) batch->Commit();
        Report.Cancelled = true;
    }
}

}  // namespace qm
