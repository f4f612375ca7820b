#include "paths.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "asciitext.h"
#include "errors.h"
#include "format.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

#ifndef _WIN32
bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// A folder's entries by upper-case name, each the first in name order of those equal ignoring
// case, with the folder's own stamp when they were listed.
struct TListing {
    dev_t Device = 0;
    ino_t Inode = 0;
    timespec Modified{};
    std::unordered_map<std::string, std::string> Entries;
};

bool SameStamp(const TListing& Listing, const struct stat& St) {
    return Listing.Device == St.st_dev && Listing.Inode == St.st_ino && Listing.Modified.tv_sec == St.st_mtim.tv_sec &&
           Listing.Modified.tv_nsec == St.st_mtim.tv_nsec;
}

// The entry of Dir whose name equals Name ignoring case; empty when there is none. A folder's
// listing is kept while its modification time stays (any entry added, removed or renamed
// changes it), but not while that time is under two seconds old, where a file system's coarse
// clock could hide a change made in the same tick: looking up thousands of include names
// missing as spelled then costs one stat each, not a listing.
std::string FindEntryIgnoringCase(const std::string& Dir, std::string_view Name) {
    static std::mutex guard;
    static std::unordered_map<std::string, TListing> listings;
    const std::string dir = Dir.empty() ? "." : Dir;
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0) return {};
    {
        std::lock_guard lock(guard);
        if (auto known = listings.find(dir); known != listings.end() && SameStamp(known->second, st)) {
            auto entry = known->second.Entries.find(UpperCase(std::string(Name)));
            return entry == known->second.Entries.end() ? std::string() : entry->second;
        }
    }
    TListing listing{st.st_dev, st.st_ino, st.st_mtim, {}};
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        auto [at, added] = listing.Entries.try_emplace(UpperCase(entry), entry);
        if (!added && entry < at->second) at->second = std::move(entry);
    }
    auto entry = listing.Entries.find(UpperCase(std::string(Name)));
    std::string found = entry == listing.Entries.end() ? std::string() : entry->second;
    const auto age = std::chrono::system_clock::now().time_since_epoch() -
                     (std::chrono::seconds(st.st_mtim.tv_sec) + std::chrono::nanoseconds(st.st_mtim.tv_nsec));
    if (!ec && age > std::chrono::seconds(2)) {
        std::lock_guard lock(guard);
        listings.insert_or_assign(dir, std::move(listing));
    }
    return found;
}

void Append(std::string& Dir, std::string_view Name) {
    if (!Dir.empty() && Dir.back() != '/') Dir += '/';
    Dir += Name;
}
#endif

}  // namespace

std::string EntryIgnoringCase(const std::string& Dir, std::string_view Name) {
#ifdef _WIN32
    std::error_code ec;
    return fs::exists(fs::path(Dir) / fs::path(std::string(Name)), ec) ? std::string(Name) : std::string();
#else
    return FindEntryIgnoringCase(Dir, Name);
#endif
}

std::string ResolvePath(std::string_view Path, TPathMatch Match) {
#ifdef _WIN32
    (void)Match;
    return std::string(Path);
#else
    std::string text(Path);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (Match == TPathMatch::Exact) return text;
    // No file system opens a path this long or a component this long, so neither is searched
    // for: the work stays linear in the length of the text, however long a stored path is.
    if (text.empty() || text.size() >= PATH_MAX || Exists(text)) return text;

    std::string resolved = text[0] == '/' ? "/" : "";
    resolved.reserve(text.size());
    bool searching = true;  // stop matching once a component is missing altogether
    size_t pos = 0;
    while (pos < text.size()) {
        size_t slash = std::min(text.find('/', pos), text.size());
        std::string_view part(text.data() + pos, slash - pos);
        pos = slash + 1;
        if (part.empty()) continue;

        const size_t dirLength = resolved.size();
        Append(resolved, part);
        if (searching && part != "." && part != ".." && part.size() <= NAME_MAX && !Exists(resolved)) {
            std::string entry = FindEntryIgnoringCase(resolved.substr(0, dirLength), part);
            if (entry.empty()) {
                searching = false;
            } else {
                resolved.resize(dirLength);
                Append(resolved, entry);
            }
        }
    }
    return resolved;
#endif
}

bool FileExists(std::string_view Path, TPathMatch Match) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(ResolvePath(Path, Match)), ec);
}

namespace {

#ifndef _WIN32
// The descriptor of a regular file, opened without waiting so that a FIFO without a writer
// cannot block, with its size; -1 with why in Reason when it cannot be opened or is anything but
// a regular file (a folder, a device, a FIFO), refused before a byte is read. The path as spelled
// is tried first: only one missing as spelled costs the search without regard to case.
int OpenRegularDescriptor(std::string_view Path, TPathMatch Match, std::string& Reason, off_t& Size) {
    std::string path(Path);
    std::replace(path.begin(), path.end(), '\\', '/');
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR) && Match == TPathMatch::AnyCase) {
        path = ResolvePath(Path, Match);
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) {
        Reason = std::generic_category().message(errno);
        return -1;
    }
    struct stat st;
    const bool stated = ::fstat(fd, &st) == 0;
    if (!stated || !S_ISREG(st.st_mode)) {
        Reason = stated ? "not a regular file" : std::generic_category().message(errno);
        ::close(fd);
        return -1;
    }
    Size = st.st_size;
    return fd;
}
#endif

// OpenRegularFile, with why it failed in Reason.
std::FILE* OpenRegular(std::string_view Path, TPathMatch Match, std::string& Reason) {
#ifdef _WIN32
    const std::string resolved = ResolvePath(Path, Match);
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(resolved), ec)) {
        Reason = ec ? ec.message() : "not a regular file";
        return nullptr;
    }
    std::FILE* f = std::fopen(resolved.c_str(), "rb");
    if (!f) Reason = std::generic_category().message(errno);
    return f;
#else
    off_t size = 0;
    const int fd = OpenRegularDescriptor(Path, Match, Reason, size);
    if (fd < 0) return nullptr;
    std::FILE* f = ::fcntl(fd, F_SETFL, 0) == 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!f) {
        Reason = std::generic_category().message(errno);
        ::close(fd);
    }
    return f;
#endif
}

[[noreturn]] void TooLargeError(const std::string& Name, uintmax_t Size, const char* TooLarge) {
    constexpr uintmax_t MB = 1 << 20;
    throw EStreamError(Format(TooLarge, {Name, int64_t((Size + MB - 1) / MB)}));
}

}  // namespace

std::FILE* OpenRegularFile(std::string_view Path, TPathMatch Match) {
    std::string reason;
    return OpenRegular(Path, Match, reason);
}

std::string ReadFileBytes(std::string_view Path, TPathMatch Match) {
    return ReadFileBytes(Path, Match, UINTMAX_MAX, nullptr);
}

// On POSIX straight from the descriptor: a parse of thousands of units spends a good part of its
// time in the calls that open and read each file.
std::string ReadFileBytes(std::string_view Path, TPathMatch Match, uintmax_t MaxBytes, const char* TooLarge) {
    std::string data;
    data.resize(ReadFileBytes(Path, Match, MaxBytes, TooLarge, data));
    return data;
}

// The buffer never shrinks: growing a string writes every new byte, so a file after a smaller one
// would cost a fill of the difference before its read.
size_t ReadFileBytes(std::string_view Path, TPathMatch Match, uintmax_t MaxBytes, const char* TooLarge,
                     std::string& Buffer) {
    std::string name(Path), reason;
#ifdef _WIN32
    std::FILE* f = OpenRegular(Path, Match, reason);
    if (!f) throw EFOpenError(name, reason);
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok && uintmax_t(size) > MaxBytes) {
        std::fclose(f);
        TooLargeError(name, uintmax_t(size), TooLarge);
    }
    if (ok) {
        if (Buffer.size() < size_t(size)) Buffer.resize(size_t(size));
        ok = std::fread(Buffer.data(), 1, size_t(size), f) == size_t(size);
    }
    if (!ok) reason = std::generic_category().message(errno);
    std::fclose(f);
#else
    off_t size = 0;
    const int fd = OpenRegularDescriptor(Path, Match, reason, size);
    if (fd < 0) throw EFOpenError(name, reason);
    if (uintmax_t(size) > MaxBytes) {
        ::close(fd);
        TooLargeError(name, uintmax_t(size), TooLarge);
    }
    if (Buffer.size() < size_t(size)) Buffer.resize(size_t(size));
    size_t done = 0;
    while (done < size_t(size)) {
        const ssize_t got = ::read(fd, Buffer.data() + done, size_t(size) - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += size_t(got);
    }
    const bool ok = done == size_t(size);
    if (!ok) reason = std::generic_category().message(errno);
    ::close(fd);
#endif
    if (!ok) throw EFOpenError(name, reason);
    return size_t(size);
}

std::string FolderPart(std::string_view Path) {
    const size_t Last = Path.find_last_of("\\/:");
    return Last == std::string_view::npos ? std::string() : std::string(Path.substr(0, Last + 1));
}

std::string FileNamePart(std::string_view Path) {
    const size_t Last = Path.find_last_of("\\/:");
    return std::string(Last == std::string_view::npos ? Path : Path.substr(Last + 1));
}

std::string AbsolutePath(std::string_view Path) {
#ifdef _WIN32
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(std::string(Path)), ec);
    return (ec ? fs::path(std::string(Path)) : absolute).lexically_normal().string();
#else
    std::string text(Path);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty() || text[0] != '/') {
        std::error_code ec;
        const std::string cwd = fs::current_path(ec).string();
        text = (ec ? std::string() : cwd) + '/' + text;
    }
    std::vector<std::string_view> parts;
    for (size_t pos = 0; pos < text.size();) {
        size_t slash = std::min(text.find('/', pos), text.size());
        std::string_view part(text.data() + pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string clean;
    clean.reserve(text.size());
    for (std::string_view part : parts) {
        clean += '/';
        clean += part;
    }
    return clean.empty() ? "/" : clean;
#endif
}

}  // namespace qm
