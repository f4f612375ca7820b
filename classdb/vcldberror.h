// Errors of the class database: EVCLDBError with the numbers callers test, and
// EDatabaseError for failures of the database engine itself.
#pragma once

#include "errors.h"

namespace qm {

// Numbers carried in EVCLDBError's help context.
enum : int {
    dbeLoad = 0,             // refused load: duplicate path, no classes, missing ancestor
    dbeUnknownClassID = 1,
    dbeUnknownUnitID = 2,
    dbeUnknownMember = 3,
    dbeUnitWithoutClasses = 4,
    dbeClassNameIndex = 7,
    dbeUnitNameIndex = 8,
    dbeUnitNotFound = 9,
    dbeDamaged = 10,         // the rows contradict each other (an ancestor cycle edited in by hand)
};

class EVCLDBError : public Exception {
public:
    using Exception::Exception;
};

// The database engine failed (cannot open, not a class database, locked, read-only, disk
// full...). The message names the database file; the help context holds the engine's result code
// when the engine gave one.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace qm
