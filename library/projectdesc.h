// What a project file says about the program it builds: the units it names, where its units and
// include files are looked for, and the symbols it defines. Plain data, filled by the readers of
// .dpr/.lpr sources (programsource.h) and of .lpi, .lpk and .dproj files (projectfiles/).
#pragma once

#include <string>
#include <vector>

namespace qm {

struct TProjectUnit {
    std::string Name;  // as written; may be empty when only the file is known
    std::string File;  // absolute, as the project names it; empty: found along the search path
};

struct TProjectDescription {
    std::string Name;  // the project's title, else its file's name without extension
    std::string Path;  // the project file, absolute
    std::string MainSource;  // the program's source (.dpr/.lpr), absolute; empty for a package
    std::vector<TProjectUnit> Units;
    std::vector<std::string> SearchPath;   // unit folders, absolute, in the project's order
    std::vector<std::string> IncludePath;  // include folders, absolute
    std::vector<std::string> Defines;      // symbols the project defines
    std::vector<std::string> Namespaces;   // unit scope names (Delphi)
    bool FreePascal = false;               // a Lazarus project or package
    // What could not be taken as it stands ("$(BDS) in DCC_UnitSearchPath cannot be resolved").
    std::vector<std::string> Notes;
};

// Folder joined with a path the project wrote ("\" or "/" between its parts), absolute and clean;
// an absolute path stays as it is.
std::string ProjectRelative(const std::string& Folder, const std::string& Written);

// A program or library source (.dpr, .lpr): its uses clause, "in 'file'" taken relative to it.
// EFOpenError when it cannot be read.
TProjectDescription ReadProgramSource(const std::string& File);

}  // namespace qm
