// The context string hash: every character has a small value, and the hash is the number those
// values spell in base 43, kept to 32 bits.
#include "hlpformat.h"

namespace qm {

namespace {

// Letters 17..42 in either case, digits 1..9 then 0 as 10, '.' 12, '_' 13; anything else
// counts by its own code, so distinct strings outside that alphabet still differ.
unsigned CharValue(unsigned char C) {
    if (C >= 'a' && C <= 'z') return 17 + (C - 'a');
    if (C >= 'A' && C <= 'Z') return 17 + (C - 'A');
    if (C >= '1' && C <= '9') return C - '0';
    if (C == '0') return 10;
    if (C == '.') return 12;
    if (C == '_') return 13;
    return C;
}

}  // namespace

uint32_t ContextHash(std::string_view ContextId) {
    uint32_t hash = 0;
    for (char c : ContextId) hash = hash * 43 + CharValue(static_cast<unsigned char>(c));
    return hash;
}

}  // namespace qm
