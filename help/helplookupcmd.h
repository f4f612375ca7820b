// "help-lookup": finds a word in the help keyword index from the command line, showing nothing.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Exit statuses besides 0 (found) and 1 (an error, reported on Err).
enum : int { HelpLookupUsage = 2, HelpLookupNotFound = 3 };

// Args are the words after "help-lookup": WORD [--index FILE]. Without --index the index is
// StoredIndex (the window's "DelphiHelpIndex" setting) when not empty, else the one of the
// installation directory RootDir. Prints keyword, topic id, help file name and block number,
// TAB-separated, and returns 0. A word that is not there gives "WORD: not in the help index" on
// Err and HelpLookupNotFound; an error goes to Err, naming the index file, with status 1 and
// nothing on Out; a usage error returns HelpLookupUsage.
int RunHelpLookupCommand(const std::vector<std::string>& Args, const std::string& RootDir,
                         const std::string& StoredIndex, std::ostream& Out, std::ostream& Err);

}  // namespace qm
