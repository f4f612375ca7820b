// An include reader that asks another one once per path: a run over thousands of units reads the
// same include files again and again, and asks for the same missing names.
#pragma once

#include "unitparser.h"

namespace qm {

// Reader's answers kept by the path asked for, found or not, for as long as the returned reader
// (and its copies) live. A reader that raises is asked again next time. Copies may be called from
// several threads at once when Reader may.
TIncludeReader CachingIncludeReader(TIncludeReader Reader);

}  // namespace qm
