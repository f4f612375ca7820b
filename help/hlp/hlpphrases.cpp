// Both tables end up as one text with the start of every phrase; the schemes differ in how the
// starts are stored (16-bit offsets, or lengths in a bit stream) and in the codes of the text.
#include "hlpphrases.h"

#include <algorithm>

#include "hlpbytes.h"
#include "lz77.h"

namespace qm {

void THlpPhrases::SetText(std::string Text, std::vector<size_t> Starts) {
    for (size_t i = 0; i + 1 < Starts.size(); ++i)
        if (Starts[i] > Starts[i + 1]) Damaged();
    if (Starts.empty() || Starts.back() > Text.size()) Damaged();
    FText = std::move(Text);
    FStarts = std::move(Starts);
}

void THlpPhrases::LoadPhrases(std::string_view File, bool Packed) {
    THlpBytes in(File);
    size_t count = in.U16();
    in.U16();  // 0x0100
    if (Packed) in.U32();  // the size of the unpacked phrases
    std::vector<size_t> offsets(count + 1);
    for (size_t& o : offsets) o = in.U16();
    // Offsets count from the table's start; the text follows the table.
    const size_t base = offsets.front();
    std::vector<size_t> starts;
    for (size_t o : offsets) {
        if (o < base) Damaged();
        starts.push_back(o - base);
    }
    const size_t textSize = starts.back();
    std::string_view rest = in.Take(in.Remaining());
    SetText(Packed ? LzExpand(rest, textSize) : std::string(rest), std::move(starts));
    FScheme = TScheme::Phrases;
}

void THlpPhrases::LoadHall(std::string_view Index, std::string_view Image) {
    THlpBytes in(Index);
    in.U32();  // magic
    uint32_t count = in.U32();
    in.U32();  // the bit stream's size
    uint32_t imageSize = in.U32();
    uint32_t imagePacked = in.U32();
    in.U32();
    unsigned bitCount = in.U16() & 0x0F;
    in.U16();
    // A phrase takes at least one bit, so the count cannot exceed the bits there are.
    if (count > in.Remaining() * 8) Damaged();
    size_t bitPos = in.Pos() * 8;
    auto bit = [&]() -> unsigned {
        size_t byte = bitPos / 8;
        if (byte >= Index.size()) Damaged();
        // The stream is read in 32-bit little-endian words, low bit first: byte by byte alike.
        unsigned value = (uint8_t(Index[byte]) >> (bitPos % 8)) & 1;
        ++bitPos;
        return value;
    };
    std::vector<size_t> starts{0};
    for (uint32_t i = 0; i < count; ++i) {
        size_t high = 0;
        while (bit()) {
            if (++high > 0xFFFF) Damaged();
        }
        size_t low = 0;
        for (unsigned b = 0; b < bitCount; ++b) low |= size_t(bit()) << b;
        starts.push_back(starts.back() + (high << bitCount) + low + 1);
    }
    std::string text = imageSize > imagePacked ? LzExpand(Image, imageSize) : std::string(Image);
    SetText(std::move(text), std::move(starts));
    FScheme = TScheme::Hall;
}

std::string_view THlpPhrases::Phrase(size_t Index) const {
    if (Index + 1 >= FStarts.size()) Damaged();
    return std::string_view(FText).substr(FStarts[Index], FStarts[Index + 1] - FStarts[Index]);
}

std::string THlpPhrases::Expand(std::string_view Stored, size_t Size) const {
    std::string out;
    out.reserve(Size);
    THlpBytes in(Stored);
    auto append = [&](std::string_view Text) { out.append(Text.substr(0, Size - out.size())); };
    auto repeat = [&](size_t Count, char C) { out.append(std::min(Count, Size - out.size()), C); };
    while (!in.AtEnd() && out.size() < Size) {
        if (FScheme == TScheme::Phrases) {
            // Plain bytes a stretch at a time, up to the next phrase code.
            size_t plain = in.Pos();
            while (plain < Stored.size() && (Stored[plain] == 0 || uint8_t(Stored[plain]) >= 10)) ++plain;
            if (plain > in.Pos()) {
                append(in.Take(plain - in.Pos()));
                continue;
            }
        }
        unsigned c = in.U8();
        if (FScheme == TScheme::Phrases) {
            unsigned code = (c - 1) * 256 + in.U8();
            append(Phrase(code / 2));
            if (code & 1) append(" ");
        } else if ((c & 1) == 0) {
            append(Phrase(c / 2));
        } else if ((c & 3) == 1) {
            append(Phrase(128 + (c / 4) * 256 + in.U8()));
        } else if ((c & 7) == 3) {
            append(in.Take(c / 8 + 1));
        } else if ((c & 15) == 7) {
            repeat(c / 16 + 1, ' ');
        } else {
            repeat(c / 16 + 1, '\0');
        }
    }
    return out;
}

}  // namespace qm
