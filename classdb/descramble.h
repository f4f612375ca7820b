// The routine that turns texts stored scrambled in the program back into plain text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Each stored byte is XORed with the high byte of a running 16-bit value that starts at Seed
// and then becomes ((value + stored byte) * 52845 + 22719) mod 65536. At most 255 bytes.
std::string Descramble(std::string_view Stored, uint16_t Seed);

}  // namespace qm
