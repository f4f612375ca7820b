// Expansion is a plain walk; packing keeps, for every 3-byte prefix, the latest positions that
// began with it (a hash chain), and takes the longest match among a bounded number of them.
#include "lz77.h"

#include <algorithm>
#include <array>
#include <vector>

#include "hlpbytes.h"

namespace qm {

namespace {

constexpr size_t Window = 4096;
constexpr size_t MinMatch = 3;
constexpr size_t MaxMatch = 18;
constexpr int ChainLimit = 64;

}  // namespace

std::string LzExpand(std::string_view Packed, size_t Limit) {
    // A flag byte and eight longest references give 144 bytes for 17: the output never needs
    // more room than nine times the input.
    std::string out(std::min(Limit, Packed.size() * 9 + 16), '\0');
    char* o = out.data();
    size_t n = 0, pos = 0;
    const size_t limit = out.size();
    while (pos < Packed.size() && n < limit) {
        unsigned flags = uint8_t(Packed[pos++]);
        for (int bit = 0; bit < 8 && pos < Packed.size() && n < limit; ++bit, flags >>= 1) {
            if (!(flags & 1)) {
                o[n++] = Packed[pos++];
                continue;
            }
            if (pos + 2 > Packed.size()) {  // a half reference at the very end: padding
                pos = Packed.size();
                break;
            }
            unsigned code = uint8_t(Packed[pos]) | uint8_t(Packed[pos + 1]) << 8;
            pos += 2;
            size_t distance = (code & 0x0FFF) + 1, length = (code >> 12) + MinMatch;
            if (distance > n) Damaged();
            // Byte by byte: a reference may overlap what it writes.
            for (size_t i = 0; i < length && n < limit; ++i, ++n) o[n] = o[n - distance];
        }
    }
    out.resize(n);
    return out;
}

size_t LzPack(std::string_view Data, size_t Start, size_t MaxRaw, size_t Budget, std::string& Out, size_t Plain) {
    const size_t end = Start + std::min(MaxRaw, Data.size() - Start);
    std::vector<int> head(1 << 14, -1), prev(end - Start, -1);
    auto key = [&](size_t p) {
        return (uint8_t(Data[p]) << 8 ^ uint8_t(Data[p + 1]) << 4 ^ uint8_t(Data[p + 2])) & 0x3FFF;
    };
    auto remember = [&](size_t p) {
        if (p + MinMatch > end) return;
        int k = key(p);
        prev[p - Start] = head[k];
        head[k] = int(p);
    };
    size_t used = 0, pos = Start, flagAt = 0;
    int itemCount = 8;  // items under the current flag byte; 8 means a new one is needed
    while (pos < end) {
        size_t bestLen = 0, bestDist = 0;
        if (pos + MinMatch <= end && pos - Start >= Plain) {
            int tries = ChainLimit;
            for (int cand = head[key(pos)]; cand >= 0 && tries-- > 0; cand = prev[size_t(cand) - Start]) {
                size_t dist = pos - size_t(cand);
                if (dist > Window) break;
                size_t len = 0, most = std::min(MaxMatch, end - pos);
                while (len < most && Data[size_t(cand) + len] == Data[pos + len]) ++len;
                if (len > bestLen) bestLen = len, bestDist = dist;
                if (len == MaxMatch) break;
            }
        }
        bool reference = bestLen >= MinMatch;
        size_t need = (reference ? 2 : 1) + (itemCount == 8 ? 1 : 0);
        if (used + need > Budget) {
            // A shorter item may still fit: a literal needs one byte less.
            if (!reference || used + need - 1 > Budget) break;
            reference = false;
            need -= 1;
        }
        if (itemCount == 8) {
            flagAt = Out.size();
            Out += '\0';
            itemCount = 0;
        }
        if (reference) {
            Out[flagAt] = char(uint8_t(Out[flagAt]) | 1 << itemCount);
            unsigned code = unsigned(bestDist - 1) | unsigned(bestLen - MinMatch) << 12;
            PutU16(Out, code);
            for (size_t i = 0; i < bestLen; ++i) remember(pos + i);
            pos += bestLen;
        } else {
            Out += Data[pos];
            remember(pos);
            ++pos;
        }
        ++itemCount;
        used += need;
    }
    return pos - Start;
}

}  // namespace qm
