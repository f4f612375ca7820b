// Error classes whose messages are built from a format.
#include "helperror.h"

#include "format.h"

namespace qm {

EListIndexError::EListIndexError(int Index)
    : Exception(Format("List index out of bounds (%d)", {Index})) {}

void InvalidHdxContents() { throw EDelphiHelpError("Invalid HDX contents"); }

}  // namespace qm
