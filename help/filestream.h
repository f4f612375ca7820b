// TReadOnlyFileStream: a file open for reading at chosen offsets, raising the runtime's file
// errors; other readers may open the file meanwhile, writers may not (where the system can say so).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace qm {

class TReadOnlyFileStream {
public:
    // EFOpenError when the file cannot be opened.
    explicit TReadOnlyFileStream(const std::string& FileName);
    ~TReadOnlyFileStream();
    TReadOnlyFileStream(const TReadOnlyFileStream&) = delete;
    TReadOnlyFileStream& operator=(const TReadOnlyFileStream&) = delete;

    // Exactly Count bytes or EReadError.
    void ReadBuffer(void* Buffer, size_t Count);
    uint8_t ReadByte();
    uint16_t ReadWord();  // little-endian
    // A position beyond the end is allowed; the next read then fails.
    void Seek(uint64_t Offset);
    // The file's size in bytes; the position afterwards is undefined.
    uint64_t Size();

private:
    std::FILE* FFile;
};

}  // namespace qm
