// The paragraph records of a topic: the attributes and commands of their first data part, and
// the strings of their text that the commands separate.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "hlptopic.h"

namespace qm {

// The picture of a |bmN file by its number.
using THlpPictureSource = std::function<THlpPicture(int Number)>;

// The hash of the context string of a topic a version 3.0 file names by number; 0 when it has none.
using THlpTopicNumberHash = std::function<uint32_t(uint32_t Number)>;

// What paragraph records are read with: each font number's font, the file's code page for text
// whose font names no character set of its own, the |bmN pictures and, for a version 3.0 file,
// the context string hashes of its topic numbers.
struct THlpParagraphContext {
    const std::vector<THlpFont>& Fonts;
    unsigned CodePage;
    THlpPictureSource Pictures;
    THlpTopicNumberHash NumberHash = {};
};

// Appends the paragraphs of one display (0x20) or table (0x23) record to Out's, a table's cells
// numbered as the next table of the topic, and its pictures to Out's. Raises THlpDamage on an
// unknown command or a command beyond the record.
void ReadParagraphRecord(uint8_t Type, std::string_view Data1, std::string_view Text,
                         const THlpParagraphContext& Context, THlpTopic& Out);

// The characters a paragraph record counts in topic offsets: its text's length, as its first
// data part states it.
uint16_t ParagraphTextLength(std::string_view Data1);

}  // namespace qm
