// Checked little-endian reading and writing of a help file's bytes, the format's packed numbers
// included. Every read that would leave its range raises THlpDamage, which the reader turns into
// the "Invalid help file" error naming the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Raised inside the reader for any structure that does not fit; never leaves THlpFile.
struct THlpDamage {};

[[noreturn]] inline void Damaged() { throw THlpDamage{}; }

class THlpBytes {
public:
    explicit THlpBytes(std::string_view Data) : FData(Data) {}

    size_t Pos() const { return FPos; }
    size_t Size() const { return FData.size(); }
    size_t Remaining() const { return FData.size() - FPos; }
    bool AtEnd() const { return FPos >= FData.size(); }
    void Seek(size_t Pos) {
        if (Pos > FData.size()) Damaged();
        FPos = Pos;
    }
    void Skip(size_t Count) { Take(Count); }

    std::string_view Take(size_t Count) {
        if (Count > Remaining()) Damaged();
        std::string_view part = FData.substr(FPos, Count);
        FPos += Count;
        return part;
    }
    uint8_t U8() { return uint8_t(Take(1)[0]); }
    uint16_t U16() {
        std::string_view b = Take(2);
        return uint16_t(uint8_t(b[0]) | uint8_t(b[1]) << 8);
    }
    int16_t I16() { return int16_t(U16()); }
    uint32_t U32() {
        std::string_view b = Take(4);
        return uint32_t(uint8_t(b[0])) | uint32_t(uint8_t(b[1])) << 8 | uint32_t(uint8_t(b[2])) << 16 |
               uint32_t(uint8_t(b[3])) << 24;
    }
    int32_t I32() { return int32_t(U32()); }
    // Up to the next zero byte, which is passed over; a missing zero byte is damage.
    std::string_view CString() {
        size_t end = FData.find('\0', FPos);
        if (end == std::string_view::npos) Damaged();
        std::string_view text = FData.substr(FPos, end - FPos);
        FPos = end + 1;
        return text;
    }

    // The packed numbers of paragraph records: the low bit of the first byte picks the short or
    // the long form, the value is the rest; the signed forms are biased by half their range.
    uint16_t PackedU16() { return Peek() & 1 ? uint16_t(U16() >> 1) : uint16_t(U8() >> 1); }
    int16_t PackedI16() { return Peek() & 1 ? int16_t(int(U16() >> 1) - 0x4000) : int16_t(int(U8() >> 1) - 0x40); }
    uint32_t PackedU32() { return Peek() & 1 ? U32() >> 1 : uint32_t(U16() >> 1); }
    int32_t PackedI32() {
        return Peek() & 1 ? int32_t(int64_t(U32() >> 1) - 0x40000000) : int32_t(int(U16() >> 1) - 0x4000);
    }

private:
    uint8_t Peek() const {
        if (AtEnd()) Damaged();
        return uint8_t(FData[FPos]);
    }

    std::string_view FData;
    size_t FPos = 0;
};

// The writer's side of the same encodings.
inline void PutU8(std::string& Out, unsigned Value) { Out += char(Value & 0xFF); }
inline void PutU16(std::string& Out, unsigned Value) {
    PutU8(Out, Value);
    PutU8(Out, Value >> 8);
}
inline void PutU32(std::string& Out, uint32_t Value) {
    PutU16(Out, Value & 0xFFFF);
    PutU16(Out, Value >> 16);
}
inline void PatchU32(std::string& Out, size_t At, uint32_t Value) {
    for (int i = 0; i < 4; ++i) Out[At + i] = char((Value >> (8 * i)) & 0xFF);
}
inline void PutPackedU16(std::string& Out, unsigned Value) {
    if (Value < 0x80) PutU8(Out, Value << 1);
    else PutU16(Out, (Value << 1) | 1);
}
inline void PutPackedU32(std::string& Out, uint32_t Value) {
    if (Value < 0x8000) PutU16(Out, Value << 1);
    else PutU32(Out, (Value << 1) | 1);
}
inline void PutPackedI16(std::string& Out, int Value) {
    if (Value >= -0x40 && Value < 0x40) PutU8(Out, unsigned(Value + 0x40) << 1);
    else PutU16(Out, (unsigned(Value + 0x4000) << 1) | 1);
}
inline void PutPackedI32(std::string& Out, int32_t Value) {
    if (Value >= -0x4000 && Value < 0x4000) PutU16(Out, unsigned(Value + 0x4000) << 1);
    else PutU32(Out, (uint32_t(int64_t(Value) + 0x40000000) << 1) | 1);
}

}  // namespace qm
