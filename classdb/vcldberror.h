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

// The refused loads of number dbeLoad, each a kind of its own, so that a caller that treats them
// apart (a tree load counts units already there, tries a unit again once its ancestor loaded)
// catches the kind instead of reading the message.
class EUnitAlreadyLoaded : public EVCLDBError {
public:
    explicit EUnitAlreadyLoaded(std::string Message) : EVCLDBError(std::move(Message), dbeLoad) {}
};
class EUnitWithoutClasses : public EVCLDBError {
public:
    explicit EUnitWithoutClasses(std::string Message) : EVCLDBError(std::move(Message), dbeLoad) {}
};
class EAncestorMissing : public EVCLDBError {
public:
    explicit EAncestorMissing(std::string Message) : EVCLDBError(std::move(Message), dbeLoad) {}
};

// The database engine failed (cannot open, not a class database, locked, read-only, disk
// full...). The message names the database file; the help context holds the engine's result code
// when the engine gave one.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace qm
