// TIncludeTree: include files found by name anywhere in folder trees, as a build that puts every
// folder of a source tree on its include path finds them (Free Pascal's and Lazarus's units
// include files from folders other than their own).
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace qm {

class TIncludeTree {
public:
    // Indexes every file under Dir by its name, ignoring letter case. A folder that cannot be
    // read adds nothing.
    void AddTree(const std::string& Dir);

    // A TIncludeReader (unitparser.h): the file at Path when there is one (ReadIncludeFile);
    // else the indexed file of the same name whose folder shares the longest beginning with
    // Path's folder, the first in name order among equals.
    bool Read(const std::string& Path, std::string& FoundPath, std::string& Text) const;

private:
    std::unordered_map<std::string, std::vector<std::string>> FByName;  // upper-case name -> paths, sorted
};

}  // namespace qm
