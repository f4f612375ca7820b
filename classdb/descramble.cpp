#include "descramble.h"

#include <algorithm>

namespace qm {

std::string Descramble(std::string_view Stored, uint16_t Seed) {
    std::string plain;
    uint16_t running = Seed;
    for (unsigned char b : Stored.substr(0, std::min<size_t>(Stored.size(), 255))) {
        plain += char(b ^ (running >> 8));
        running = uint16_t((running + b) * 52845u + 22719u);
    }
    return plain;
}

}  // namespace qm
