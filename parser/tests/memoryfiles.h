// Include files kept in memory for the parser tests: a path as the parser asks for it -> text.
#pragma once

#include <map>
#include <string>

#include "unitparser.h"

namespace qm {

using TFiles = std::map<std::string, std::string>;

// Reads from Files, which must outlive the reader.
inline TIncludeReader MemoryIncludes(const TFiles& Files) {
    return [&Files](const std::string& Path, std::string& Found, std::string& Contents) {
        auto it = Files.find(Path);
        if (it == Files.end()) return false;
        Found = Path;
        Contents = it->second;
        return true;
    };
}

}  // namespace qm
