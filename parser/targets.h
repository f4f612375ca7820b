// The compilers and platforms a modern unit can be read for: each one's predefined symbols, the
// version constants its {$IF} expressions compare, and its pointer size.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

struct TTarget {
    std::string_view Name;  // as given to --target: "delphi-win32"
    bool FreePascal = false;
    int PointerSize = 4;
    std::vector<std::string_view> Symbols;                      // upper case
    std::vector<std::pair<std::string_view, double>> Constants;  // upper case name, value

    bool Predefines(std::string_view UpperName) const;
    std::optional<double> Constant(std::string_view UpperName) const;
};

// Every target, in the order the README lists them.
const std::vector<TTarget>& Targets();
// The target of that name (letter case ignored); nullptr when there is none.
const TTarget* FindTarget(std::string_view Name);
// "delphi-win32, delphi-win64, ..." for usage and error texts.
std::string TargetNames();
// What a unit is read for when no target is named: Free Pascal's Linux target for a unit that
// says {$MODE ...} (or lies in a Free Pascal or Lazarus tree), else Delphi's Win32 target.
const TTarget& DefaultTarget(bool FreePascal);
// Whether a unit is Free Pascal's: its name ends in ".pp" or ".lpr", or a folder above it is the
// root of Free Pascal's sources (it holds "rtl" and "packages") or of Lazarus's ("lcl" and
// "components"). Folders are looked at once per run.
bool InFreePascalTree(const std::string& Path);

}  // namespace qm
