// Keyword comparison and the checked walk over a block's entries.
#include "hdxformat.h"

#include "helperror.h"

namespace qm {

namespace {

inline unsigned char UpCase(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? u - 32 : u;
}

}  // namespace

int CompareTextAscii(std::string_view A, std::string_view B) {
    size_t n = A.size() < B.size() ? A.size() : B.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char a = UpCase(A[i]), b = UpCase(B[i]);
        if (a != b) return a < b ? -1 : 1;
    }
    return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

bool StartsTextAscii(std::string_view Text, std::string_view Prefix) {
    return Text.size() >= Prefix.size() &&
           CompareTextAscii(Text.substr(0, Prefix.size()), Prefix) == 0;
}

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
