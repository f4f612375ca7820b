// What a file looked like when it was read: its size, modification time and a hash of its bytes,
// so that a later look can tell whether it changed without reading it again (size and time
// first; the hash settles it when they differ, as after a save that wrote the same text).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

struct TFileStamp {
    int64_t Size = 0;
    int64_t MTime = 0;  // nanoseconds, as the file system gives them
    int64_t Hash = 0;   // ContentHash of the bytes; 0 when not known
    bool operator==(const TFileStamp&) const = default;
    // Same size and time: taken as unchanged without reading the file.
    bool SameSizeAndTime(const TFileStamp& Other) const { return Size == Other.Size && MTime == Other.MTime; }
};

// A 64-bit hash of the bytes that is the same on every system and in every run; never 0.
int64_t ContentHash(std::string_view Bytes);

// Size and time of the regular file at Path (asked for exactly as given), Hash 0; false when
// there is no such file or it cannot be looked at.
bool StatOf(const std::string& Path, TFileStamp& Stamp);

// Nanoseconds since the stamp's time, by the file system's clock (negative for a time to come).
int64_t AgeOf(const TFileStamp& Stamp);

// A time so recent that a second write in the same tick of the file system's clock could leave it
// as it is, with the size unchanged, is not kept (0): the next look then compares the bytes.
void ForgetRecentTime(TFileStamp& Stamp);

// The full stamp of the file at Path, reading it whole; false when it cannot be read.
bool StampOf(const std::string& Path, TFileStamp& Stamp);

}  // namespace qm
