// Installed Free Pascal, Lazarus and Delphi sources, found by themselves, and the folders of
// each that a target's compiler reads, from a scored table of their layout.
#pragma once

#include <string>
#include <vector>

namespace qm {

struct TTarget;

// The newest version folder under Base ("/usr/share/fpcsrc" holds "3.2.2"), compared version by
// version; empty when Base holds none that looks like a source tree (Marker inside it).
std::string NewestVersionFolder(const std::string& Base, const std::string& Marker);

// Free Pascal's sources: Configured when it holds rtl/, else the newest under /usr/share/fpcsrc.
std::string FindFreePascalSources(const std::string& Configured = {});
// Lazarus's sources: Configured when it holds lcl/, else the newest under /usr/lib/lazarus.
std::string FindLazarusSources(const std::string& Configured = {});

struct TInstalledRoots {
    std::string FreePascal;      // Free Pascal's source root (holds rtl/ and packages/)
    std::string Lazarus;         // Lazarus's root (holds lcl/ and components/)
    std::string Delphi;          // a Delphi installation's root (holds source/)
    std::string Widgetset = "gtk2";
};

// Free Pascal's and Lazarus's sources where the library path names them (a folder of it that is
// such a tree: it holds rtl/inc, or lcl/widgetset), else the newest found by themselves.
TInstalledRoots FindInstalledRoots(const std::vector<std::string>& LibraryFolders);

// The folders of the installed sources that Target's compiler reads units from, and those it
// reads include files from, best first: for Free Pascal on Linux rtl/linux before rtl/unix
// before rtl/inc, then rtl/objpas, Lazarus's lazutils and LCL with its widgetset, then every
// packages/*/src; only the target's platform folders, so that a unit of one name in several
// platform folders comes from the target's. Folders that do not exist are left out.
struct TLibraryLayout {
    std::vector<std::string> UnitFolders;
    std::vector<std::string> IncludeFolders;
};
TLibraryLayout LayoutFor(const TTarget& Target, const TInstalledRoots& Roots);

}  // namespace qm
