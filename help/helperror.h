// The help subsystem's error class and the list index error its help file lookup raises.
#pragma once

#include <string>

#include "errors.h"

namespace qm {

// Carries a message only; callers that recover catch the class, whichever of its messages.
class EDelphiHelpError : public Exception {
public:
    explicit EDelphiHelpError(std::string Message) : Exception(std::move(Message)) {}
};

// The help viewer program could not be started. Not an EDelphiHelpError: the help files were
// found, and asking the user for them again would not help.
class EHelpViewerError : public Exception {
public:
    explicit EHelpViewerError(std::string Message) : Exception(std::move(Message)) {}
};

// An index outside a string list, as the runtime's string list reports it.
class EListIndexError : public Exception {
public:
    explicit EListIndexError(int Index);
};

[[noreturn]] void InvalidHdxContents();

}  // namespace qm
