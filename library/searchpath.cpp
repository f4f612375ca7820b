// Folder listings are read once and kept under the folder's modification time, so that a search
// path of a few hundred folders costs one directory read each, and a file added later is seen.
#include "searchpath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "asciitext.h"
#include "paths.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

#ifdef _WIN32
constexpr char PathDelim = '\\';
#else
constexpr char PathDelim = '/';
#endif

std::string FolderKey(const std::string& Folder) {
    std::string key = Folder;
    while (key.size() > 1 && (key.back() == '/' || key.back() == '\\')) key.pop_back();
    return PathsIgnoreCase ? UpperCase(key) : key;
}

std::string Join(const std::string& Folder, const std::string& Name) {
    if (Folder.empty()) return Name;
    const char last = Folder.back();
    return last == '/' || last == '\\' ? Folder + Name : Folder + PathDelim + Name;
}

}  // namespace

bool TSearchPath::Contains(const std::string& Folder) const {
    const std::string key = FolderKey(Folder);
    return std::any_of(Folders.begin(), Folders.end(), [&](const std::string& F) { return FolderKey(F) == key; });
}

bool TSearchPath::Add(const std::string& Folder) {
    if (Folder.empty() || Contains(Folder)) return false;
    Folders.push_back(Folder);
    return true;
}

bool TSearchPath::Remove(const std::string& Folder) {
    const std::string key = FolderKey(Folder);
    const auto end = std::remove_if(Folders.begin(), Folders.end(), [&](const std::string& F) { return FolderKey(F) == key; });
    const bool removed = end != Folders.end();
    Folders.erase(end, Folders.end());
    return removed;
}

TUnitResolver::TUnitResolver(TSearchPath Path, std::vector<std::string> Namespaces)
    : FPath(std::move(Path)), FNamespaces(std::move(Namespaces)) {}

// A folder is found on disk once (letter case may differ from the path given); its entries are
// then looked up in the listing the file layer keeps while the folder's time stays.
std::string TUnitResolver::InFolder(const std::string& Folder, std::string_view Name,
                                    std::initializer_list<const char*> Extensions) const {
    auto [disk, first] = FDisk.try_emplace(Folder);
    if (first) disk->second = ResolvePath(Folder);
    for (const char* ext : Extensions) {
        const std::string entry = EntryIgnoringCase(disk->second, std::string(Name) + ext);
        if (entry.empty()) continue;
        std::string file = Join(disk->second, entry);
        std::error_code ec;
        if (fs::is_regular_file(file, ec)) return file;
    }
    return {};
}

void TUnitResolver::Search(std::string_view Name, const std::string& FromFolder, TUnitFound& Found) const {
    std::vector<std::string> folders;
    if (!FromFolder.empty()) folders.push_back(FromFolder);
    for (const std::string& folder : FPath.Folders)
        if (FromFolder.empty() || FolderKey(folder) != FolderKey(FromFolder)) folders.push_back(folder);
    for (const std::string& folder : folders) {
        const std::string file = InFolder(folder, Name, {".pas", ".pp", ".p"});
        if (file.empty()) continue;
        if (Found.File.empty()) Found.File = file;
        else Found.PassedOver.push_back(file);
    }
}

TUnitFound TUnitResolver::FindUnit(std::string_view Name, const std::string& FromFolder) const {
    TUnitFound found;
    Search(Name, FromFolder, found);
    for (size_t i = 0; !found && i < FNamespaces.size(); ++i) Search(FNamespaces[i] + "." + std::string(Name), FromFolder, found);
    return found;
}

std::string TUnitResolver::FindInclude(std::string_view Name) const {
    std::string name(Name);
    std::replace(name.begin(), name.end(), '\\', '/');
    // "sub/file.inc" is looked for below each folder; the listing holds the last component.
    std::string sub;
    if (const size_t slash = name.rfind('/'); slash != std::string::npos) {
        sub = name.substr(0, slash);
        name.erase(0, slash + 1);
    }
    for (const std::string& folder : FPath.Folders) {
        const std::string dir = sub.empty() ? folder : Join(folder, sub);
        const std::string file = InFolder(dir, name, {"", ".inc", ".pp", ".pas"});
        if (!file.empty()) return file;
    }
    return {};
}

}  // namespace qm
