// File stamps: one stat for size and time, and a hash of our own over 8-byte words read in
// little-endian order, so that a stored hash compares equal on any machine.
#include "filestamp.h"

#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

namespace qm {
namespace {

constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15ull;

uint64_t Mix(uint64_t H) {
    H ^= H >> 31;
    H *= 0xBF58476D1CE4E5B9ull;
    H ^= H >> 29;
    H *= 0x94D049BB133111EBull;
    return H ^ (H >> 32);
}

uint64_t Word(const unsigned char* P, size_t N) {
    uint64_t w = 0;
    for (size_t i = 0; i < N; ++i) w |= uint64_t(P[i]) << (8 * i);
    return w;
}

}  // namespace

int64_t ContentHash(std::string_view Bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data());
    const size_t n = Bytes.size();
    uint64_t h = Mix(n + Multiplier);
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        h ^= Word(p + i, 8);
        h = (h << 27 | h >> 37) * Multiplier;
    }
    h ^= Word(p + i, n - i);
    h = Mix(h * Multiplier);
    return h == 0 ? 1 : static_cast<int64_t>(h);
}

bool StatOf(const std::string& Path, TFileStamp& Stamp) {
#ifdef _WIN32
    struct _stat64 s;
    if (_stat64(Path.c_str(), &s) != 0 || !(s.st_mode & _S_IFREG)) return false;
    Stamp = {s.st_size, static_cast<int64_t>(s.st_mtime) * int64_t(1000000000), 0};
#else
    struct stat s;
    if (stat(Path.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return false;
    Stamp = {static_cast<int64_t>(s.st_size),
             static_cast<int64_t>(s.st_mtim.tv_sec) * int64_t(1000000000) + s.st_mtim.tv_nsec, 0};
#endif
    return true;
}

int64_t AgeOf(const TFileStamp& Stamp) {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() - Stamp.MTime;
}

void ForgetRecentTime(TFileStamp& Stamp) {
    using namespace std::chrono;
    if (AgeOf(Stamp) < duration_cast<nanoseconds>(seconds(2)).count()) Stamp.MTime = 0;
}

bool StampOf(const std::string& Path, TFileStamp& Stamp) {
    // The time is taken before the bytes are read: a write in between leaves a newer time than
    // the stored one, and the next look reads the file again.
    if (!StatOf(Path, Stamp)) return false;
    std::ifstream in(Path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    Stamp.Hash = ContentHash(bytes);
    return true;
}

}  // namespace qm
