// The layout facts of WinHelp files (.HLP) that the reader and the writer share: magic numbers,
// internal file names, record and command codes, and the hash of a topic's context string.
#pragma once

#include <cstdint>
#include <string_view>

namespace qm {

inline constexpr uint32_t HlpMagic = 0x00035F3F;
inline constexpr uint16_t HlpBtreeMagic = 0x293B;
inline constexpr uint16_t HlpSystemMagic = 0x036C;
inline constexpr size_t HlpFileHeaderSize = 9;    // reserved, used, flags
inline constexpr size_t HlpBtreeHeaderSize = 38;
inline constexpr size_t HlpLeafHeaderSize = 8;    // free bytes, entries, previous, next page
inline constexpr size_t HlpIndexHeaderSize = 6;   // free bytes, entries, first child page

// |SYSTEM: files after version 1.15 carry records; Flags 4 and 8 say the topic blocks are
// LZ77-compressed (8: blocks of 2 KB).
inline constexpr uint16_t HlpMinorWithRecords = 17;
// Version 1.15 (help compiler 3.0): the title follows |SYSTEM's header; |TOPIC's blocks are of
// 2 KB, never packed, a topic position is the byte's place in |TOPIC and a record names the next
// by its distance; topics are named by number (|TOMAP gives each one's position), also in
// |CONTEXT, the keyword index and the jump commands 0xE0 and 0xE1.
inline constexpr uint16_t HlpMinor30 = 15;
inline constexpr size_t HlpBlockSize30 = 2048;
inline constexpr size_t HlpTopicHeaderSize30 = 12;
inline constexpr uint16_t HlpSystemTitleRecord = 1;
inline constexpr uint16_t HlpSystemCharsetRecord = 11;
inline constexpr uint16_t HlpFlagsCompressed4K = 4;
inline constexpr uint16_t HlpFlagsCompressed2K = 8;

// |TOPIC: blocks of a block header and data; a topic position counts 16 KB per block and the
// data's bytes from the block header on; a topic offset counts 32 K per block and characters.
inline constexpr size_t HlpTopicBlockHeaderSize = 12;
inline constexpr uint32_t HlpTopicPosBlock = 0x4000;
inline constexpr uint32_t HlpTopicOffsetBlock = 0x8000;
// The most data one block holds, so that every position in it has its own topic position.
inline constexpr size_t HlpMaxBlockData = HlpTopicPosBlock - HlpTopicBlockHeaderSize;
inline constexpr size_t HlpTopicLinkHeaderSize = 21;

enum : uint8_t { HlpTopicHeaderRecord = 0x02, HlpDisplayRecord = 0x20, HlpTableRecord = 0x23 };

// Paragraph commands that follow the paragraph's attributes, one per string of its text.
enum : uint8_t {
    HlpCmdFont = 0x80,
    HlpCmdLineBreak = 0x81,
    HlpCmdParagraphEnd = 0x82,
    HlpCmdTab = 0x83,
    HlpCmdPictureInLine = 0x86,
    HlpCmdPictureLeft = 0x87,
    HlpCmdPictureRight = 0x88,
    HlpCmdHotspotEnd = 0x89,
    HlpCmdPopup30 = 0xE0,
    HlpCmdJump30 = 0xE1,
    HlpCmdPopup = 0xE2,
    HlpCmdJump = 0xE3,
    HlpCmdPopupElsewhere = 0xEA,
    HlpCmdJumpElsewhere = 0xEE,
    HlpCmdEnd = 0xFF,
};

// The kinds of a picture command's object.
enum : uint8_t { HlpPicture = 3, HlpPictureWithHotspots = 0x22 };

// Font attribute bits of a font descriptor of the first layout.
enum : uint8_t { HlpFontBold = 1, HlpFontItalic = 2, HlpFontUnderline = 4 };
// |FONT: the face names begin at 8 with descriptors of the first layout (11 bytes), at 12 or 16
// with the later ones (42 bytes).
inline constexpr unsigned HlpNewFontFacesAt = 12;
inline constexpr unsigned HlpNewestFontFacesAt = 16;
inline constexpr size_t HlpOldFontSize = 11;
inline constexpr size_t HlpNewFontSize = 42;

// The number WinHelp files a context string under: letters ignore case.
uint32_t ContextHash(std::string_view ContextId);

}  // namespace qm
