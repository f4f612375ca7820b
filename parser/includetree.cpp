#include "includetree.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "asciitext.h"
#include "paths.h"
#include "unitparser.h"

namespace fs = std::filesystem;

namespace qm {

void TIncludeTree::AddTree(const std::string& Dir) {
    std::error_code ec;
    fs::recursive_directory_iterator it(fs::path(ResolvePath(Dir)), fs::directory_options::skip_permission_denied, ec);
    for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string path = it->path().string();
        auto& paths = FByName[UpperCase(FileNamePart(path))];
        paths.insert(std::upper_bound(paths.begin(), paths.end(), path), path);
    }
}

bool TIncludeTree::Read(const std::string& Path, std::string& FoundPath, std::string& Text) const {
    if (ReadIncludeFile(Path, FoundPath, Text)) return true;
    const auto hit = FByName.find(UpperCase(FileNamePart(Path)));
    if (hit == FByName.end()) return false;
    const std::string folder = FolderPart(ResolvePath(Path, TPathMatch::Exact));
    auto shared = [&](const std::string& Candidate) {
        return std::mismatch(folder.begin(), folder.end(), Candidate.begin(), Candidate.end()).first - folder.begin();
    };
    const std::string* best = &hit->second.front();
    for (const std::string& candidate : hit->second)
        if (shared(candidate) > shared(*best)) best = &candidate;
    FoundPath = *best;
    Text = ReadSourceFile(FoundPath, TPathMatch::Exact);
    return true;
}

}  // namespace qm
