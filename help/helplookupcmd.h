// "help-lookup": finds a word in the help keyword index from the command line, showing nothing.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Args are the words after "help-lookup": WORD [--index FILE]. Without --index the index comes
// from the installation directory RootDir. Prints keyword, topic id, help file name and block
// number, TAB-separated, and returns 0; prints nothing and returns 1 when the word is not found;
// an error goes to Err with status 1; a usage error returns 2.
int RunHelpLookupCommand(const std::vector<std::string>& Args, const std::string& RootDir,
                         std::ostream& Out, std::ostream& Err);

}  // namespace qm
