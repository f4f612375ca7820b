// Error classes whose messages are built from a format.
#include "errors.h"

#include "format.h"

namespace qm {

EFOpenError::EFOpenError(const std::string& FileName, std::string Reason)
    : EStreamError(Format("Cannot open file %s", {FileName})), FReason(std::move(Reason)) {}

}  // namespace qm
