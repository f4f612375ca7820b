// The stamps of what a load reads: the unit's bytes and every include file, stamped as they are
// read, so that the stored stamp describes exactly the text the rows come from.
#pragma once

#include <string>
#include <vector>

#include "filestamp.h"
#include "unitparser.h"

namespace qm {

// The unit file's bytes (ReadSourceFile) with their stamp; the time is taken before the read.
std::string ReadStampedSource(const std::string& Path, TFileStamp& Stamp);

struct TReadInclude {
    std::string Path;  // as the include reader found it
    TFileStamp Stamp;
};

// Reader with every include file it finds recorded in Read (in reading order, each path once).
// Read must outlive the returned reader.
TIncludeReader StampingIncludeReader(TIncludeReader Reader, std::vector<TReadInclude>& Read);

// The stamp recorded for Path; an empty one when it was not read.
TFileStamp IncludeStamp(const std::vector<TReadInclude>& Read, const std::string& Path);

}  // namespace qm
