// The name of a test's scratch folder under the temporary folder: the test's own name and the
// process's id, so that test runs of two checkouts on one machine never share a folder.
#pragma once

#include <string>

#ifdef _WIN32
#include <process.h>
#define QM_GETPID _getpid
#else
#include <unistd.h>
#define QM_GETPID getpid
#endif

namespace qm {

inline std::string ScratchDirName(const std::string& Name) { return Name + "_" + std::to_string(QM_GETPID()); }

}  // namespace qm
