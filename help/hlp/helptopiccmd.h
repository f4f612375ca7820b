// "help-topic": prints a topic of a help file (.HLP) as plain text, the list of its topics, or its
// keyword index, from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Exit statuses besides 0 (shown) and 1 (an error, reported on Err).
enum : int { HelpTopicUsage = 2, HelpTopicNotFound = 3 };

// Args are the words after "help-topic":
//   FILE TOPICID   the topic's title, then its text, one line per paragraph, a jump as its text;
//   FILE #N        the same for the topic with context number N;
//   FILE --list    every topic, one line each: topic offset, context string (empty where the file
//                  keeps none), title, separated by tabs;
//   FILE --keywords  the keyword index, one line per keyword and topic: keyword, topic title.
// All text is UTF-8. Returns 0 when shown. A topic the file does not have gives "TOPIC: no such
// topic in FILE" on Err and HelpTopicNotFound; a file that cannot be read or is damaged
// ("Invalid help file FILE") gives the message on Err and 1.
int RunHelpTopicCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

}  // namespace qm
