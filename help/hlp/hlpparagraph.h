// The paragraph records of a topic: the attributes and commands of their first data part, and
// the strings of their text that the commands separate.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "hlptopic.h"

namespace qm {

// Appends the paragraphs of one display (0x20) or table (0x23) record to Out, a table's cells
// numbered as the next table of the topic. Fonts gives each font number's font. Raises
// THlpDamage on an unknown command or a command beyond the record.
void ReadParagraphRecord(uint8_t Type, std::string_view Data1, std::string_view Text,
                         const std::vector<THlpFont>& Fonts, std::vector<THlpParagraph>& Out);

// The characters a paragraph record counts in topic offsets: its text's length, as its first
// data part states it.
uint16_t ParagraphTextLength(std::string_view Data1);

}  // namespace qm
