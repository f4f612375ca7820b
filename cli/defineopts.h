// --target NAME and --define NAME: the symbols modern units are read with, on every command that
// reads units.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "conditionals.h"

namespace qm {

struct TTarget;

struct TDefineOptions {
    const TTarget* Target = nullptr;   // none named: each unit's own (DefaultTarget)
    std::vector<std::string> Symbols;  // --define, in order
    bool Given() const { return Target || !Symbols.empty(); }

    // At Args[I]: takes --target NAME or --define NAME (moving I past the name) and answers 1; answers
    // 0 for any other argument, and 2 after naming the fault on Err (a missing or unknown name).
    int Take(const std::vector<std::string>& Args, size_t& I, const char* Command, std::ostream& Err);
    // The set every unit of the command is read with.
    std::shared_ptr<const TDefineSet> Set() const;
};

}  // namespace qm
