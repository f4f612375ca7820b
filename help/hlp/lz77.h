// The LZ77 scheme of help files: a flag byte announces eight items, low bit first; a clear bit
// is one literal byte, a set bit a 16-bit reference (low 12 bits: distance - 1; high 4 bits:
// length - 3) to the output already written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// The expansion of Packed, at most Limit bytes (what comes after is ignored). A reference to
// before the start of the output raises THlpDamage.
std::string LzExpand(std::string_view Packed, size_t Limit);

// Packs the bytes of Data from Start on, reading at most MaxRaw of them, into at most Budget
// bytes appended to Out; returns how many bytes of Data were taken. References stay inside
// what this call packs, so the result expands on its own. The first Plain bytes are stored as
// literals, which makes the result as much longer as a caller needs to fill a block exactly.
size_t LzPack(std::string_view Data, size_t Start, size_t MaxRaw, size_t Budget, std::string& Out, size_t Plain = 0);

}  // namespace qm
