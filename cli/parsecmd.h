// "parse": runs the unit parser over files and prints its events, or totals with --summary.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Args are the words after "parse". Returns the exit status: 0 when every file parsed,
// 1 when any failed, 2 on a usage error. With --modern the parser reads modern Object Pascal
// and its events carry more fields (eventlog.h); --include-tree DIR lets include files be found
// anywhere under DIR too. In the default dialect a file that fails but that the modern dialect
// reads gets ModernDialectHint after its error (a "hint" record, or a "modern" count in the
// summary); among several files, a failure counts as such when what stopped it is a construct of
// later Object Pascal (TUnitParser::StoppedAtModern), without a second reading. Several files are
// parsed on every processor at once and told in the order given.
int RunParseCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

}  // namespace qm
