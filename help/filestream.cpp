// The read-only file stream over the C runtime: 64-bit offsets, the runtime's file errors.
#include "filestream.h"

#include "errors.h"
#include "paths.h"

#ifdef _WIN32
#include <share.h>
#endif

namespace qm {

TReadOnlyFileStream::TReadOnlyFileStream(const std::string& FileName) {
#ifdef _WIN32
    FFile = FileExists(FileName) ? _fsopen(ResolvePath(FileName).c_str(), "rb", _SH_DENYWR) : nullptr;
#else
    FFile = OpenRegularFile(FileName);
#endif
    if (!FFile) throw EFOpenError(FileName);
}

TReadOnlyFileStream::~TReadOnlyFileStream() { std::fclose(FFile); }

void TReadOnlyFileStream::ReadBuffer(void* Buffer, size_t Count) {
    if (Count > 0 && std::fread(Buffer, 1, Count, FFile) != Count) throw EReadError();
}

uint8_t TReadOnlyFileStream::ReadByte() {
    uint8_t b;
    ReadBuffer(&b, 1);
    return b;
}

uint16_t TReadOnlyFileStream::ReadWord() {
    uint8_t b[2];
    ReadBuffer(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

void TReadOnlyFileStream::Seek(uint64_t Offset) {
#ifdef _WIN32
    bool ok = _fseeki64(FFile, static_cast<__int64>(Offset), SEEK_SET) == 0;
#else
    bool ok = fseeko(FFile, static_cast<off_t>(Offset), SEEK_SET) == 0;
#endif
    if (!ok) throw EReadError();
}

uint64_t TReadOnlyFileStream::Size() {
#ifdef _WIN32
    const bool ok = _fseeki64(FFile, 0, SEEK_END) == 0;
    const __int64 size = ok ? _ftelli64(FFile) : -1;
#else
    const bool ok = fseeko(FFile, 0, SEEK_END) == 0;
    const off_t size = ok ? ftello(FFile) : -1;
#endif
    if (size < 0) throw EReadError();
    return static_cast<uint64_t>(size);
}

}  // namespace qm
