// The runtime's integer conversion and its error, used where a stored text must be a number.
#pragma once

#include <string>

#include "errors.h"

namespace qm {

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Leading blanks, an optional sign and decimal digits, within 32 bits; anything else raises
// EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& Text);

}  // namespace qm
