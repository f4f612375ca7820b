// Phrases are whole words of four letters or more, ranked by the bytes they save; a word is
// replaced only where it stands whole, so a phrase never splits another word.
#include "hlpphrasewriter.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "hlpbytes.h"
#include "lz77.h"

namespace qm {

namespace {

bool IsWordByte(char C) { return std::isalnum(static_cast<unsigned char>(C)) || C == '_'; }

// Phrases the scheme's codes can name: the older codes count to 9 * 256 (two per phrase),
// the newer to 128 + 64 * 256; both kept well below that.
size_t MaxPhrases(THlpPhrases::TScheme Scheme) { return Scheme == THlpPhrases::TScheme::Hall ? 2048 : 1024; }

constexpr unsigned HallBitCount = 3;

}  // namespace

THlpPhraseWriter::THlpPhraseWriter(THlpPhrases::TScheme Scheme, const std::vector<std::string_view>& Texts)
    : FScheme(Scheme), FByFirst(256) {
    std::map<std::string, size_t> counts;
    for (std::string_view text : Texts) {
        for (size_t i = 0; i < text.size();) {
            if (!IsWordByte(text[i])) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < text.size() && IsWordByte(text[end])) ++end;
            if (end - i >= 4 && end - i <= 64) counts[std::string(text.substr(i, end - i))]++;
            i = end;
        }
    }
    std::vector<std::pair<size_t, std::string>> ranked;
    for (const auto& [word, count] : counts)
        if (count >= 2) ranked.emplace_back((word.size() - 2) * (count - 1), word);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& A, const auto& B) { return A.first > B.first; });
    if (ranked.size() > MaxPhrases(Scheme)) ranked.resize(MaxPhrases(Scheme));
    for (auto& r : ranked) FPhrases.push_back(std::move(r.second));
    std::sort(FPhrases.begin(), FPhrases.end());
    for (size_t i = 0; i < FPhrases.size(); ++i) FByFirst[uint8_t(FPhrases[i][0])].push_back(i);
    for (auto& list : FByFirst)
        std::stable_sort(list.begin(), list.end(),
                         [&](size_t A, size_t B) { return FPhrases[A].size() > FPhrases[B].size(); });
}

std::vector<std::pair<std::string, std::string>> THlpPhraseWriter::Files(bool Packed) const {
    std::string text;
    for (const std::string& p : FPhrases) text += p;
    auto pack = [&](const std::string& Raw) {
        std::string out;
        LzPack(Raw, 0, Raw.size(), Raw.size() * 2 + 16, out);
        return out;
    };
    if (FScheme == THlpPhrases::TScheme::Hall) {
        std::string bits;
        unsigned bitPos = 0;
        auto putBit = [&](unsigned Bit) {
            if (bitPos % 8 == 0) bits += '\0';
            if (Bit) bits.back() = char(uint8_t(bits.back()) | 1 << (bitPos % 8));
            ++bitPos;
        };
        for (const std::string& p : FPhrases) {
            size_t value = p.size() - 1;
            for (size_t n = value >> HallBitCount; n > 0; --n) putBit(1);
            putBit(0);
            for (unsigned b = 0; b < HallBitCount; ++b) putBit((value >> b) & 1);
        }
        while (bits.size() % 4) bits += '\0';  // whole 32-bit words
        std::string image = Packed ? pack(text) : text;
        if (image.size() >= text.size()) image = text;
        std::string index;
        PutU32(index, 0x0001014A);
        PutU32(index, uint32_t(FPhrases.size()));
        PutU32(index, uint32_t(bits.size()));
        PutU32(index, uint32_t(text.size()));
        PutU32(index, uint32_t(image.size()));
        PutU32(index, 0);
        PutU16(index, HallBitCount);
        PutU16(index, 0x4A00);
        return {{"|PhrIndex", index + bits}, {"|PhrImage", image}};
    }
    std::string file;
    PutU16(file, unsigned(FPhrases.size()));
    PutU16(file, 0x0100);
    if (Packed) PutU32(file, uint32_t(text.size()));
    size_t offset = (FPhrases.size() + 1) * 2;
    PutU16(file, unsigned(offset));
    for (const std::string& p : FPhrases) PutU16(file, unsigned(offset += p.size()));
    file += Packed ? pack(text) : text;
    return {{"|Phrases", file}};
}

size_t THlpPhraseWriter::Match(std::string_view Text, size_t At) const {
    if (At > 0 && IsWordByte(Text[At - 1])) return 0;
    for (size_t i : FByFirst[uint8_t(Text[At])]) {
        const std::string& p = FPhrases[i];
        if (Text.compare(At, p.size(), p) == 0 && (At + p.size() == Text.size() || !IsWordByte(Text[At + p.size()])))
            return i + 1;
    }
    return 0;
}

std::string THlpPhraseWriter::Encode(std::string_view Text) const {
    std::string out;
    if (FScheme != THlpPhrases::TScheme::Hall) {
        for (size_t i = 0; i < Text.size();) {
            if (size_t m = Match(Text, i)) {
                size_t end = i + FPhrases[m - 1].size();
                bool space = end < Text.size() && Text[end] == ' ';
                unsigned code = unsigned(m - 1) * 2 + (space ? 1 : 0);
                PutU8(out, 1 + code / 256);
                PutU8(out, code % 256);
                i = end + (space ? 1 : 0);
            } else {
                out += Text[i++];
            }
        }
        return out;
    }
    // The newer codes: phrases, and runs of literals, spaces or zero bytes.
    std::string literals;
    auto flush = [&] {
        for (size_t at = 0; at < literals.size(); at += 32) {
            size_t n = std::min<size_t>(32, literals.size() - at);
            PutU8(out, unsigned(n - 1) * 8 + 3);
            out += literals.substr(at, n);
        }
        literals.clear();
    };
    for (size_t i = 0; i < Text.size();) {
        if (size_t m = Match(Text, i)) {
            flush();
            size_t index = m - 1;
            if (index < 128) {
                PutU8(out, unsigned(index) * 2);
            } else {
                PutU8(out, unsigned((index - 128) / 256) * 4 + 1);
                PutU8(out, unsigned((index - 128) % 256));
            }
            i += FPhrases[index].size();
        } else if (Text[i] == ' ' || Text[i] == '\0') {
            flush();
            size_t n = 1;
            while (n < 16 && i + n < Text.size() && Text[i + n] == Text[i]) ++n;
            PutU8(out, unsigned(n - 1) * 16 + (Text[i] == ' ' ? 7 : 15));
            i += n;
        } else {
            literals += Text[i++];
        }
    }
    flush();
    return out;
}

}  // namespace qm
