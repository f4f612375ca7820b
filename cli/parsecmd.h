// "parse": runs the unit parser over files and prints its events, or totals with --summary.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Args are the words after "parse". Returns the exit status: 0 when every file parsed,
// 1 when any failed, 2 on a usage error.
int RunParseCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

}  // namespace qm
