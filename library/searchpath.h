// The library path and the unit resolver: a unit name becomes a file as a compiler finds it,
// along folders in order, letter case ignored on the name, the first folder that has it wins.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qm {

// Folders in the order they are searched, as given (absolute once stored).
struct TSearchPath {
    std::vector<std::string> Folders;
    // Adds Folder at the end unless it is there already (compared as the file system compares).
    bool Add(const std::string& Folder);
    bool Remove(const std::string& Folder);
    bool Contains(const std::string& Folder) const;
};

// What a name led to: the file the search path finds first (empty when none), and the other
// files of that name further along it, passed over.
struct TUnitFound {
    std::string File;
    std::vector<std::string> PassedOver;
    explicit operator bool() const { return !File.empty(); }
};

class TUnitResolver {
public:
    // Namespaces: the prefixes a project gives ("System", "Vcl"), tried before a name that
    // finds no file as written.
    explicit TUnitResolver(TSearchPath Path = {}, std::vector<std::string> Namespaces = {});

    const TSearchPath& Path() const { return FPath; }
    // NAME.pas, NAME.pp, NAME.p in each folder in turn; a dotted name is tried whole, then with
    // each namespace in front. First, when given, the folder of the unit asking (a compiler reads
    // the folder of the unit it compiles before its search path).
    TUnitFound FindUnit(std::string_view Name, const std::string& FromFolder = {}) const;
    // An include file named as in {$I NAME}: the name as written, then with .inc, .pp and .pas,
    // in each folder of the path.
    std::string FindInclude(std::string_view Name) const;

private:
    // Names in Folder for one spelled name tried with Extensions; empty when none.
    std::string InFolder(const std::string& Folder, std::string_view Name,
                         std::initializer_list<const char*> Extensions) const;
    void Search(std::string_view Name, const std::string& FromFolder, TUnitFound& Found) const;

    TSearchPath FPath;
    std::vector<std::string> FNamespaces;
    mutable std::unordered_map<std::string, std::string> FDisk;  // each folder as given -> as found on disk
};

}  // namespace qm
