// The layout of Delphi's help keyword index (.HDX): the signature and keyword order its reader
// and writer share, and the checked walk over one block's entries.
#pragma once

#include <cstdint>
#include <string_view>

#include "asciitext.h"

namespace qm {

inline constexpr std::string_view HdxSignature{"Borland Help Data File\x1A", 23};

// Keys and keywords are ordered byte by byte with ASCII letters folded to upper case:
// CompareText of asciitext.h; a keyword matches a word it begins with: StartsText.

// One entry of a block; the texts point into the block's bytes.
struct THdxEntry {
    std::string_view Keyword;
    std::string_view TopicID;
    std::string_view Third;
    uint8_t FileIndex = 0;
};

// Reads a block's entries in place. Every byte or string that would lie beyond the block, and
// every entry whose length byte disagrees with its strings, raises "Invalid HDX contents".
class THdxBlockReader {
public:
    explicit THdxBlockReader(std::string_view Block) : FBlock(Block) {}

    // False at the zero byte that ends the block's entries.
    bool Next(THdxEntry& Entry);

private:
    uint8_t ReadByte();
    std::string_view ReadShortString();

    std::string_view FBlock;
    size_t FPos = 0;
};

}  // namespace qm
