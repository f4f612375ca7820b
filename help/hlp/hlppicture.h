// THlpPicture: a picture of a help file (a |bmN file or one inside a topic), in the format the
// hotspot editor and the multi-resolution compiler write: bitmaps, device-dependent or not,
// stored plain, run-length or LZ77 packed, metafiles, and the hotspots over them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct THlpHotspot {
    std::string Name;
    std::string Context;  // the context string it jumps to, as the hotspot editor kept it
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool Popup = false;
    uint32_t JumpHash = 0;

    bool operator==(const THlpHotspot&) const = default;
};

struct THlpPicture {
    enum class TKind : uint8_t { Ddb = 5, Dib = 6, Metafile = 8 };
    TKind Kind = TKind::Dib;
    // 0 stored plain, 1 run-length, 2 LZ77, 3 LZ77 over run-length.
    uint8_t Packing = 0;
    // In pixels (a metafile's extents converted at 96 dots per inch).
    int Width = 0, Height = 0;
    // 0xAARRGGBB, a row after another from the top; empty when the picture cannot be decoded
    // (a layout of bits not known here, damage) or is a metafile: it then shows as an empty frame.
    std::vector<uint32_t> Pixels;
    // A metafile's records, unpacked, from its header on (Windows metafile format); the window
    // draws them. Empty for a bitmap, and for a metafile that cannot be read.
    std::string Metafile;
    std::vector<THlpHotspot> Hotspots;

    bool operator==(const THlpPicture&) const = default;
};

// The first picture of the file Bytes. Never raises: what cannot be read gives no pixels (and
// no size when not even the header can be read).
THlpPicture ReadPicture(std::string_view Bytes);

// The file of one picture: a device-independent bitmap of 24 bits or, for TKind::Ddb, a
// monochrome device-dependent one (white pixels white, every other black), or a metafile of its
// records, packed as Packing says. Raises Exception for a picture without pixels or records.
std::string BuildPicture(const THlpPicture& Picture);

}  // namespace qm
