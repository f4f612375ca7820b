// Only a file's first picture is read: the compilers put the one for the screen first. Bits are
// unpacked, then laid out as a bitmap's rows (bottom-up, 4-byte aligned for a device-independent
// one; top-down, 2-byte aligned for a device-dependent one).
#include "hlppicture.h"

#include <algorithm>

#include "errors.h"
#include "hlpbytes.h"
#include "lz77.h"

namespace qm {

namespace {

constexpr uint16_t PictureMagic = 0x706C;
// Far beyond any picture of a help file; a larger one is not decoded.
constexpr size_t MaxPixels = size_t(1) << 22;
constexpr size_t MaxMetafile = size_t(1) << 22;
// A metafile's extents are in the units of its mapping mode; the pictures of help files use the
// anisotropic one, in hundredths of a millimetre.
constexpr unsigned AnisotropicMapping = 8;

// Units of a mapping mode per inch (0: device pixels), as a metafile picture's extents count.
double UnitsPerInch(unsigned Mapping) {
    switch (Mapping) {
        case 2: return 254;    // tenths of a millimetre
        case 4: return 100;    // hundredths of an inch
        case 5: return 1000;   // thousandths of an inch
        case 6: return 1440;   // twips
        case 3: case 7: case 8: return 2540;  // hundredths of a millimetre
        default: return 0;
    }
}

int ToPixels(unsigned Extent, unsigned Mapping) {
    const double perInch = UnitsPerInch(Mapping);
    return perInch == 0 ? int(Extent) : int(Extent * 96.0 / perInch + 0.5);
}

// The header of a Windows metafile: in memory or on disk, nine words long.
bool IsMetafile(std::string_view Records) {
    if (Records.size() < 18) return false;
    const unsigned type = uint8_t(Records[0]) | uint8_t(Records[1]) << 8, words = uint8_t(Records[2]) | uint8_t(Records[3]) << 8;
    return (type == 1 || type == 2) && words == 9;
}

std::string Unpack(std::string_view Packed, uint8_t Packing, size_t Limit);

std::string RunLengthExpand(std::string_view Packed, size_t Limit) {
    std::string out;
    for (size_t i = 0; i < Packed.size() && out.size() < Limit;) {
        unsigned n = uint8_t(Packed[i++]);
        if (n & 0x80) {
            n &= 0x7F;
            out.append(Packed.substr(i, n));
            i += n;
        } else if (i < Packed.size()) {
            out.append(n, Packed[i++]);
        }
    }
    return out;
}

std::string RunLengthPack(std::string_view Data) {
    std::string out;
    for (size_t i = 0; i < Data.size();) {
        size_t run = 1;
        while (i + run < Data.size() && run < 127 && Data[i + run] == Data[i]) ++run;
        if (run >= 3) {
            out += char(run);
            out += Data[i];
            i += run;
            continue;
        }
        size_t literal = 0;
        while (i + literal < Data.size() && literal < 127) {
            size_t same = 1;
            while (i + literal + same < Data.size() && same < 3 && Data[i + literal + same] == Data[i + literal]) ++same;
            if (same >= 3) break;
            ++literal;
        }
        out += char(0x80 | literal);
        out.append(Data.substr(i, literal));
        i += literal;
    }
    return out;
}

uint32_t Grey(bool White) { return White ? 0xFFFFFFFFu : 0xFF000000u; }

// Pixels of a bitmap's unpacked bits; false when its layout is not one read here or the bits
// are short.
bool Decode(THlpPicture& P, unsigned Bits, const std::vector<uint32_t>& Palette, std::string_view Data) {
    const size_t w = size_t(P.Width), h = size_t(P.Height);
    const bool dib = P.Kind == THlpPicture::TKind::Dib;
    if (!dib && Bits != 1) return false;
    if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 24 && Bits != 32) return false;
    const size_t stride = dib ? (w * Bits + 31) / 32 * 4 : (w + 15) / 16 * 2;
    if (Data.size() < stride * h) return false;
    P.Pixels.resize(w * h);
    for (size_t y = 0; y < h; ++y) {
        const std::string_view row = Data.substr((dib ? h - 1 - y : y) * stride, stride);
        for (size_t x = 0; x < w; ++x) {
            uint32_t& out = P.Pixels[y * w + x];
            if (Bits >= 24) {
                const size_t at = x * (Bits / 8);
                out = 0xFF000000u | uint32_t(uint8_t(row[at + 2])) << 16 | uint32_t(uint8_t(row[at + 1])) << 8 | uint8_t(row[at]);
                continue;
            }
            const unsigned byte = uint8_t(row[x * Bits / 8]);
            const unsigned index = (byte >> (8 - Bits - (x * Bits) % 8)) & ((1u << Bits) - 1);
            if (!dib) out = Grey(index != 0);
            else if (index < Palette.size()) out = Palette[index];
            else return false;
        }
    }
    return true;
}

void ReadHotspots(THlpPicture& P, std::string_view Data) {
    THlpBytes in(Data);
    in.U8();
    const unsigned count = in.U16();
    const uint32_t macros = in.U32();
    constexpr size_t HotspotSize = 15;
    if (size_t(count) * HotspotSize > in.Remaining()) Damaged();
    std::vector<THlpHotspot> spots(count);
    for (THlpHotspot& h : spots) {
        const uint8_t kind = in.U8();
        in.Skip(2);
        h.X = in.U16(), h.Y = in.U16(), h.Width = in.U16(), h.Height = in.U16();
        h.JumpHash = in.U32();
        h.Popup = kind == 0xE2 || kind == 0xE6;
        if (kind != 0xE2 && kind != 0xE3 && kind != 0xE6 && kind != 0xE7) h.JumpHash = 0;  // a macro or another file
    }
    in.Skip(macros);
    for (THlpHotspot& h : spots) {
        h.Name = in.CString();
        h.Context = in.CString();
    }
    P.Hotspots = std::move(spots);
}

// Packed data up to Limit bytes; nothing for a packing not known here.
std::string Unpack(std::string_view Packed, uint8_t Packing, size_t Limit) {
    switch (Packing) {
        case 0: return std::string(Packed.substr(0, Limit));
        case 1: return RunLengthExpand(Packed, Limit);
        case 2: return LzExpand(Packed, Limit);
        case 3: return RunLengthExpand(LzExpand(Packed, Limit + Limit / 64 + 2), Limit);  // runs' codes take a little more
        default: return {};
    }
}

}  // namespace

THlpPicture ReadPicture(std::string_view Bytes) {
    THlpPicture picture;
    try {
        THlpBytes in(Bytes);
        in.U16();  // magic: the two kinds are not always told apart right
        if (in.U16() == 0) return picture;
        in.Seek(in.U32());
        const size_t start = in.Pos();
        const uint8_t kind = in.U8();
        picture.Packing = in.U8();
        if (kind != 5 && kind != 6 && kind != 8) return picture;
        picture.Kind = THlpPicture::TKind(kind);
        unsigned bits = 0, colours = 0;
        size_t metafileSize = 0;
        if (picture.Kind == THlpPicture::TKind::Metafile) {
            const unsigned mapping = in.PackedU16();
            picture.Width = ToPixels(in.U16(), mapping);
            picture.Height = ToPixels(in.U16(), mapping);
            metafileSize = in.PackedU32();
        } else {
            in.PackedU32(), in.PackedU32();  // resolution
            in.PackedU16();                  // planes
            bits = in.PackedU16();
            picture.Width = int(std::min<uint32_t>(in.PackedU32(), 0x7FFFFFFF));
            picture.Height = int(std::min<uint32_t>(in.PackedU32(), 0x7FFFFFFF));
            colours = in.PackedU32();
            in.PackedU32();  // colours that matter
        }
        const uint32_t packedSize = in.PackedU32(), hotspotSize = in.PackedU32();
        const uint32_t packedAt = in.U32(), hotspotAt = in.U32();
        std::vector<uint32_t> palette;
        if (picture.Kind == THlpPicture::TKind::Dib && bits <= 8) {
            const unsigned entries = colours ? colours : 1u << bits;
            if (entries > 256) return picture;
            for (unsigned i = 0; i < entries; ++i) {
                std::string_view q = in.Take(4);  // blue, green, red, unused
                palette.push_back(0xFF000000u | uint32_t(uint8_t(q[2])) << 16 | uint32_t(uint8_t(q[1])) << 8 | uint8_t(q[0]));
            }
        }
        if (hotspotSize > 0 && hotspotAt > 0) {
            in.Seek(start + hotspotAt);
            ReadHotspots(picture, in.Take(hotspotSize));
        }
        in.Seek(start + packedAt);
        std::string_view packed = in.Take(packedSize);
        if (picture.Kind == THlpPicture::TKind::Metafile) {
            if (metafileSize > MaxMetafile) return picture;
            std::string records = Unpack(packed, picture.Packing, metafileSize);
            if (records.size() == metafileSize && IsMetafile(records)) picture.Metafile = std::move(records);
            return picture;
        }
        if (size_t(picture.Width) * size_t(picture.Height) > MaxPixels) return picture;
        // Unpacked no further than the rows need.
        const size_t w = size_t(picture.Width), dib = picture.Kind == THlpPicture::TKind::Dib;
        const size_t limit = (dib ? (w * std::min(bits, 32u) + 31) / 32 * 4 : (w + 15) / 16 * 2) * size_t(picture.Height);
        if (!Decode(picture, bits, palette, Unpack(packed, picture.Packing, limit))) picture.Pixels.clear();
    } catch (const THlpDamage&) {
        picture.Pixels.clear();
        picture.Hotspots.clear();
    }
    return picture;
}

namespace {

// The bits of a bitmap as they are stored, before packing.
std::string BitmapBits(const THlpPicture& P) {
    if (P.Pixels.size() != size_t(P.Width) * size_t(P.Height) || P.Pixels.empty())
        throw Exception("A help picture needs the pixels of a bitmap");
    const bool dib = P.Kind == THlpPicture::TKind::Dib;
    const size_t w = size_t(P.Width), h = size_t(P.Height);
    const size_t stride = dib ? (w * 3 + 3) / 4 * 4 : (w + 15) / 16 * 2;
    std::string bits(stride * h, '\0');
    for (size_t y = 0; y < h; ++y) {
        char* row = bits.data() + (dib ? h - 1 - y : y) * stride;
        for (size_t x = 0; x < w; ++x) {
            const uint32_t c = P.Pixels[y * w + x];
            if (dib) {
                row[x * 3] = char(c & 0xFF), row[x * 3 + 1] = char((c >> 8) & 0xFF), row[x * 3 + 2] = char((c >> 16) & 0xFF);
            } else if (c == Grey(true)) {
                row[x / 8] = char(uint8_t(row[x / 8]) | 0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

}  // namespace

std::string BuildPicture(const THlpPicture& P) {
    const bool metafile = P.Kind == THlpPicture::TKind::Metafile, dib = P.Kind == THlpPicture::TKind::Dib;
    if (metafile && !IsMetafile(P.Metafile)) throw Exception("A help picture needs the records of a metafile");
    if (metafile && (P.Width <= 0 || P.Height <= 0 || P.Width > 2400 || P.Height > 2400))
        throw Exception("A help metafile is from 1 to 2400 pixels wide and high");
    const std::string bits = metafile ? P.Metafile : BitmapBits(P);
    const size_t w = size_t(P.Width), h = size_t(P.Height);
    std::string packed;
    switch (P.Packing) {
        case 0: packed = bits; break;
        case 1: packed = RunLengthPack(bits); break;
        case 2: LzPack(bits, 0, bits.size(), bits.size() * 2 + 16, packed); break;
        case 3: {
            const std::string runs = RunLengthPack(bits);
            LzPack(runs, 0, runs.size(), runs.size() * 2 + 16, packed);
            break;
        }
        default: throw Exception("A help picture's packing is 0 to 3");
    }
    std::string hotspots;
    if (!P.Hotspots.empty()) {
        PutU8(hotspots, 1);
        PutU16(hotspots, unsigned(P.Hotspots.size()));
        PutU32(hotspots, 0);  // no macros
        for (const THlpHotspot& s : P.Hotspots) {
            PutU8(hotspots, s.Popup ? 0xE2 : 0xE3), PutU16(hotspots, 0);
            PutU16(hotspots, unsigned(s.X)), PutU16(hotspots, unsigned(s.Y));
            PutU16(hotspots, unsigned(s.Width)), PutU16(hotspots, unsigned(s.Height));
            PutU32(hotspots, s.JumpHash);
        }
        for (const THlpHotspot& s : P.Hotspots) hotspots += s.Name + '\0' + s.Context + '\0';
    }
    // The header's length depends on the packed numbers in it: the offsets follow it.
    std::string head;
    PutU8(head, uint8_t(P.Kind));
    PutU8(head, P.Packing);
    if (metafile) {
        // Extents in hundredths of a millimetre, as the anisotropic mapping counts them.
        PutPackedU16(head, AnisotropicMapping);
        PutU16(head, unsigned(w * 2540 / 96.0 + 0.5)), PutU16(head, unsigned(h * 2540 / 96.0 + 0.5));
        PutPackedU32(head, uint32_t(bits.size()));
    } else {
        PutPackedU32(head, 96), PutPackedU32(head, 96);
        PutPackedU16(head, 1);
        PutPackedU16(head, dib ? 24 : 1);
        PutPackedU32(head, uint32_t(w)), PutPackedU32(head, uint32_t(h));
        PutPackedU32(head, 0), PutPackedU32(head, 0);  // colours: none in a palette
    }
    PutPackedU32(head, uint32_t(packed.size()));
    PutPackedU32(head, uint32_t(hotspots.size()));
    const uint32_t packedAt = uint32_t(head.size() + 8);
    PutU32(head, packedAt);
    PutU32(head, hotspots.empty() ? 0 : packedAt + uint32_t(packed.size()));
    std::string out;
    PutU16(out, PictureMagic);
    PutU16(out, 1);
    PutU32(out, 8);
    return out + head + packed + hotspots;
}

}  // namespace qm
