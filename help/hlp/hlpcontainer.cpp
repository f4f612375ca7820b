// Reading checks each internal file's header against the file's size; writing puts the files
// first and the directory last, with no free list.
#include "hlpcontainer.h"

#include <algorithm>

#include "filestream.h"
#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpformat.h"

namespace qm {

THlpContainer::THlpContainer(TReadOnlyFileStream& File) : FFile(File), FSize(File.Size()) {
    if (FSize < 16) Damaged();
    std::string header(16, '\0');
    FFile.Seek(0);
    FFile.ReadBuffer(header.data(), header.size());
    THlpBytes in(header);
    if (in.U32() != HlpMagic) Damaged();
    const std::string directory = Read(Locate(in.U32()));
    ReadBtreeLeaves(directory, [&](THlpBytes& Page) {
        std::string name(Page.CString());
        FFiles[name] = Locate(Page.U32());
    });
}

// Where the bytes of the internal file whose header lies at HeaderOffset are.
THlpContainer::TPlace THlpContainer::Locate(uint64_t HeaderOffset) const {
    if (HeaderOffset < 16 || HeaderOffset + HlpFileHeaderSize > FSize) Damaged();
    std::string header(HlpFileHeaderSize, '\0');
    FFile.Seek(HeaderOffset);
    FFile.ReadBuffer(header.data(), header.size());
    THlpBytes in(header);
    in.U32();  // reserved space
    const uint32_t used = in.U32();
    const uint64_t offset = HeaderOffset + HlpFileHeaderSize;
    if (used > FSize - offset) Damaged();
    return {offset, used};
}

std::string THlpContainer::Read(const TPlace& Place) const {
    if (Place.Used > MaxInternalFile) Damaged();
    std::string bytes(Place.Used, '\0');
    FFile.Seek(Place.Offset);
    FFile.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::optional<std::string> THlpContainer::File(std::string_view Name) const {
    auto it = FFiles.find(Name);
    if (it == FFiles.end()) return std::nullopt;
    return Read(it->second);
}

std::optional<THlpContainer::TPlace> THlpContainer::Find(std::string_view Name) const {
    auto it = FFiles.find(Name);
    if (it == FFiles.end()) return std::nullopt;
    if (it->second.Used > MaxInternalFile) Damaged();
    return it->second;
}

std::string THlpContainer::ReadPart(const TPlace& Place, uint64_t At, size_t Count) const {
    if (At >= Place.Used) return {};
    std::string bytes(size_t(std::min<uint64_t>(Count, Place.Used - At)), '\0');
    FFile.Seek(Place.Offset + At);
    FFile.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::string BuildHlpContainer(std::vector<std::pair<std::string, std::string>> Files) {
    std::sort(Files.begin(), Files.end());
    auto putFile = [](std::string& Out, const std::string& Bytes) {
        PutU32(Out, uint32_t(Bytes.size() + HlpFileHeaderSize));
        PutU32(Out, uint32_t(Bytes.size()));
        PutU8(Out, 4);
        Out += Bytes;
    };
    std::string out(16, '\0');
    std::vector<TBtreeEntry> entries;
    for (const auto& [name, bytes] : Files) {
        TBtreeEntry e;
        e.Key = name + '\0';
        e.Leaf = e.Key;
        PutU32(e.Leaf, uint32_t(out.size()));
        entries.push_back(std::move(e));
        putFile(out, bytes);
    }
    uint32_t directory = uint32_t(out.size());
    putFile(out, BuildBtree(entries, {1024, 0x0402, "z4"}));
    PatchU32(out, 0, HlpMagic);
    PatchU32(out, 4, directory);
    PatchU32(out, 8, 0xFFFFFFFF);
    PatchU32(out, 12, uint32_t(out.size()));
    return out;
}

}  // namespace qm
