// The layout table: each row a folder pattern under one tree, the targets it serves and a score;
// the folders that exist are taken in descending score, then in name order.
#include "installed.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "asciitext.h"
#include "paths.h"
#include "targets.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

enum class TTree { FreePascal, Lazarus, Delphi };
enum TUse { Units = 1, Includes = 2, Both = 3 };

// {os}, {family}, {cpu} and {ws} stand for the target's; "*" for every folder of that place.
struct TLayoutRow {
    TTree Tree;
    const char* Pattern;
    int Score;
    int Use;
};

constexpr TLayoutRow LayoutTable[] = {
    {TTree::FreePascal, "rtl/{os}", 100, Both},
    {TTree::FreePascal, "rtl/{os}/{cpu}", 99, Includes},
    {TTree::FreePascal, "rtl/{family}", 95, Both},
    {TTree::FreePascal, "rtl/{cpu}", 92, Both},
    {TTree::FreePascal, "rtl/inc", 90, Both},
    {TTree::FreePascal, "rtl/objpas", 85, Both},
    {TTree::FreePascal, "rtl/objpas/*", 84, Both},
    {TTree::Lazarus, "components/lazutils", 70, Both},
    {TTree::Lazarus, "lcl", 65, Both},
    {TTree::Lazarus, "lcl/include", 64, Includes},
    {TTree::Lazarus, "lcl/forms", 63, Both},
    {TTree::Lazarus, "lcl/widgetset", 62, Both},
    {TTree::Lazarus, "lcl/{nonwin}", 61, Both},
    {TTree::Lazarus, "lcl/interfaces", 60, Both},
    {TTree::Lazarus, "lcl/interfaces/{ws}", 59, Both},
    {TTree::FreePascal, "packages/*/src", 50, Both},
    {TTree::FreePascal, "packages/*/src/{os}", 49, Both},
    {TTree::FreePascal, "packages/*/src/{family}", 48, Both},
    {TTree::FreePascal, "packages/*/src/inc", 47, Both},
    {TTree::FreePascal, "packages/*/src/common", 46, Both},
    {TTree::Delphi, "source/**", 40, Both},
};

// What a target's platform folders are called in the trees.
struct TPlatformNames {
    std::string Os, Family, Cpu, NonWin;
};

TPlatformNames PlatformOf(const TTarget& Target) {
    const bool windows = Target.Predefines("MSWINDOWS") || Target.Predefines("WINDOWS");
    const bool cpu64 = Target.Predefines("CPU64BITS") || Target.Predefines("CPU64");
    const std::string cpu = cpu64 ? "x86_64" : "i386";
    if (windows) return {cpu64 ? "win64" : "win32", "win", cpu, "-"};
    return {"linux", "unix", cpu, "nonwin32"};
}

bool IsFolder(const fs::path& Path) {
    std::error_code ec;
    return fs::is_directory(Path, ec);
}

std::vector<fs::path> SubFolders(const fs::path& Folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(Folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Every folder under Folder, itself first, depth first in name order.
void AllFolders(const fs::path& Folder, std::vector<fs::path>& Found) {
    Found.push_back(Folder);
    for (const fs::path& sub : SubFolders(Folder)) AllFolders(sub, Found);
}

std::string Substitute(std::string Pattern, const TPlatformNames& Names, const std::string& Widgetset) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"{os}", &Names.Os}, {"{family}", &Names.Family}, {"{cpu}", &Names.Cpu}, {"{nonwin}", &Names.NonWin}, {"{ws}", &Widgetset}};
    for (const auto& [field, value] : fields)
        for (size_t at; (at = Pattern.find(field)) != std::string::npos;) Pattern.replace(at, std::string(field).size(), *value);
    return Pattern;
}

// The folders a pattern names under Root.
std::vector<fs::path> Expand(const fs::path& Root, const std::string& Pattern) {
    std::vector<fs::path> at{Root};
    size_t from = 0;
    while (from <= Pattern.size()) {
        const size_t slash = std::min(Pattern.find('/', from), Pattern.size());
        const std::string part = Pattern.substr(from, slash - from);
        std::vector<fs::path> next;
        for (const fs::path& folder : at) {
            if (part == "**") AllFolders(folder, next);
            else if (part == "*") for (const fs::path& sub : SubFolders(folder)) next.push_back(sub);
            else if (IsFolder(ResolvePath((folder / part).string()))) next.push_back(ResolvePath((folder / part).string()));
        }
        at = std::move(next);
        from = slash + 1;
    }
    return at;
}

// Version texts compared number by number: 3.10.0 after 3.2.2.
bool VersionBefore(const std::string& A, const std::string& B) {
    size_t i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (isdigit((unsigned char)A[i]) && isdigit((unsigned char)B[j])) {
            size_t ei = i, ej = j;
            while (ei < A.size() && isdigit((unsigned char)A[ei])) ++ei;
            while (ej < B.size() && isdigit((unsigned char)B[ej])) ++ej;
            const unsigned long long a = std::stoull(A.substr(i, std::min<size_t>(ei - i, 18)));
            const unsigned long long b = std::stoull(B.substr(j, std::min<size_t>(ej - j, 18)));
            if (a != b) return a < b;
            i = ei;
            j = ej;
        } else {
            if (A[i] != B[j]) return A[i] < B[j];
            ++i;
            ++j;
        }
    }
    return A.size() - i < B.size() - j;
}

std::string FindTree(const std::string& Configured, const char* Base, const char* Marker) {
    if (!Configured.empty() && IsFolder(fs::path(ResolvePath(Configured)) / Marker)) return ResolvePath(Configured);
    return NewestVersionFolder(Base, Marker);
}

}  // namespace

std::string NewestVersionFolder(const std::string& Base, const std::string& Marker) {
    std::string best;
    for (const fs::path& folder : SubFolders(Base)) {
        const std::string name = folder.filename().string();
        if (name.empty() || !isdigit((unsigned char)name[0]) || !IsFolder(folder / Marker)) continue;
        if (best.empty() || VersionBefore(fs::path(best).filename().string(), name)) best = folder.string();
    }
    return best;
}

std::string FindFreePascalSources(const std::string& Configured) { return FindTree(Configured, "/usr/share/fpcsrc", "rtl"); }

std::string FindLazarusSources(const std::string& Configured) { return FindTree(Configured, "/usr/lib/lazarus", "lcl"); }

TInstalledRoots FindInstalledRoots(const std::vector<std::string>& LibraryFolders) {
    auto named = [&](const char* Marker) {
        for (const std::string& folder : LibraryFolders)
            if (IsFolder(fs::path(ResolvePath(folder)) / Marker)) return folder;
        return std::string();
    };
    TInstalledRoots roots;
    roots.FreePascal = FindFreePascalSources(named("rtl/inc"));
    roots.Lazarus = FindLazarusSources(named("lcl/widgetset"));
    return roots;
}

TLibraryLayout LayoutFor(const TTarget& Target, const TInstalledRoots& Roots) {
    const TPlatformNames names = PlatformOf(Target);
    struct TScored {
        int Score;
        std::string Folder;
        int Use;
    };
    std::vector<TScored> scored;
    for (const TLayoutRow& row : LayoutTable) {
        const std::string& root = row.Tree == TTree::FreePascal ? Roots.FreePascal
                                  : row.Tree == TTree::Lazarus  ? Roots.Lazarus
                                                                : Roots.Delphi;
        if (root.empty() || (row.Tree == TTree::Delphi) == Target.FreePascal) continue;
        for (const fs::path& folder : Expand(ResolvePath(root), Substitute(row.Pattern, names, Roots.Widgetset)))
            scored.push_back({row.Score, folder.lexically_normal().string(), row.Use});
    }
    std::stable_sort(scored.begin(), scored.end(), [](const TScored& A, const TScored& B) {
        return A.Score != B.Score ? A.Score > B.Score : A.Folder < B.Folder;
    });
    TLibraryLayout layout;
    for (const TScored& s : scored) {
        auto add = [&](std::vector<std::string>& List) {
            if (std::find(List.begin(), List.end(), s.Folder) == List.end()) List.push_back(s.Folder);
        };
        if (s.Use & Units) add(layout.UnitFolders);
        if (s.Use & Includes) add(layout.IncludeFolders);
    }
    return layout;
}

}  // namespace qm
