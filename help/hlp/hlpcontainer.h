// The container of a help file: a header, internal files each behind a file header, and an
// internal directory (a B+ tree of names and offsets) that finds them. Only the directory is read
// at once; an internal file is read when it is asked for, so the file's size costs nothing.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

class TReadOnlyFileStream;

class THlpContainer {
public:
    // File must outlive the object. Raises THlpDamage when the header, the directory or the header
    // of any file it names does not fit the file.
    explicit THlpContainer(TReadOnlyFileStream& File);

    // The used bytes of the internal file Name; none when the directory does not name it. Raises
    // THlpDamage when the file is larger than any help file's part can be.
    std::optional<std::string> File(std::string_view Name) const;

    // Where an internal file's bytes are, for reading a part of it at a time.
    struct TPlace {
        uint64_t Offset;  // of its bytes, after the file header
        uint32_t Used;
    };
    std::optional<TPlace> Find(std::string_view Name) const;
    // Count bytes of the internal file at Place from its byte At on; fewer where it ends.
    std::string ReadPart(const TPlace& Place, uint64_t At, size_t Count) const;

    // No part of a real help file comes near this; a larger one is damage, not something to read.
    static constexpr uint32_t MaxInternalFile = 256u << 20;

private:
    TPlace Locate(uint64_t HeaderOffset) const;
    std::string Read(const TPlace& Place) const;

    TReadOnlyFileStream& FFile;
    uint64_t FSize;
    std::map<std::string, TPlace, std::less<>> FFiles;
};

// A whole help file holding Files (name, bytes), the directory sorted by name.
std::string BuildHlpContainer(std::vector<std::pair<std::string, std::string>> Files);

}  // namespace qm
