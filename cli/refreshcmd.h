// "refresh [UNIT...]": the units whose files changed since they were read are read again.
#pragma once

#include <iosfwd>
#include <vector>

namespace qm {

class TVCLDB;

// Checks Units (every unit when empty) and re-reads the changed ones: a record on Out for each unit
// re-read ("re-read", id, name, path), gone or failed (the same and the reason), then a summary
// record (checked, re-read, gone, failed, the summary in words). EAbort when a unit failed.
void RefreshCommand(TVCLDB& Db, const std::vector<int>& Units, std::ostream& Out);

}  // namespace qm
