// The units of Delphi 2.0's VCL in load order (every ancestor before its descendants), each
// with the folder below the installation's SOURCE folder it is read from.
#pragma once

#include <array>
#include <string>

namespace qm {

struct TVCLUnitName {
    const char* Name;
    const char* SubDir;  // relative, with a trailing separator
};

// The 48 units before REPORT, which follows as the 49th.
extern const std::array<TVCLUnitName, 48> VCLUnitNames;

// The separator of the platform's paths: "\" on Windows, "/" elsewhere.
#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

// The path of a VCL unit below VCLSourcePath: the folder and the name with ".PAS".
std::string VCLUnitPath(const std::string& VCLSourcePath, const TVCLUnitName& Unit);
// REPORT's folder is written with a leading separator, so its path holds a doubled one after
// VCLSourcePath (for example ...SOURCE//VCL/REPORT.PAS). The file system reads it as one; the
// load stores the path as the file was found, which keeps the doubled separator only where
// every component exists as spelled.
std::string VCLReportPath(const std::string& VCLSourcePath);

}  // namespace qm
