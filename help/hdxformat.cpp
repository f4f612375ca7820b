// Keyword comparison and the checked walk over a block's entries.
#include "hdxformat.h"

#include "helperror.h"

namespace qm {

uint8_t THdxBlockReader::ReadByte() {
    if (FPos >= FBlock.size()) InvalidHdxContents();
    return static_cast<uint8_t>(FBlock[FPos++]);
}

std::string_view THdxBlockReader::ReadShortString() {
    size_t length = ReadByte();
    if (length > FBlock.size() - FPos) InvalidHdxContents();
    std::string_view text = FBlock.substr(FPos, length);
    FPos += length;
    return text;
}

bool THdxBlockReader::Next(THdxEntry& Entry) {
    uint8_t total = ReadByte();
    if (total == 0) return false;
    ReadByte();  // attribute byte, unused
    Entry.Keyword = ReadShortString();
    Entry.TopicID = ReadShortString();
    Entry.Third = ReadShortString();
    Entry.FileIndex = ReadByte();
    size_t expected = Entry.Keyword.size() + Entry.TopicID.size() + Entry.Third.size() + 6;
    if (total != static_cast<uint8_t>(expected)) InvalidHdxContents();
    return true;
}

}  // namespace qm
