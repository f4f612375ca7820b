// "help-topic": prints a topic of a help file (.HLP) as plain text, from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Exit statuses besides 0 (shown) and 1 (an error, reported on Err).
enum : int { HelpTopicUsage = 2, HelpTopicNotFound = 3 };

// Args are the words after "help-topic": FILE TOPICID. Prints the topic's title, then its text,
// one line per paragraph, a jump as its text, and returns 0. A topic id the file does not have
// gives "TOPICID: no such topic in FILE" on Err and HelpTopicNotFound; a file that cannot be read
// or is damaged ("Invalid help file FILE") gives the message on Err and 1.
int RunHelpTopicCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

}  // namespace qm
