// Where the class database file lives: next to the executable when a database is already
// there (a portable installation), otherwise in the user's application data folder.
#pragma once

#include <string>

namespace qm {

inline constexpr const char* ClassDatabaseFileName = "Quillmap2.db";

// The organisation and application names the per-user folders and settings are kept under.
inline constexpr const char* OrganizationName = "Brindlewood";
inline constexpr const char* DefaultApplicationName = "Quillmap 2";

// The folder of the running program counts when a QCoreApplication exists. The user folder is
// created when missing.
std::string ClassDatabasePath();

}  // namespace qm
