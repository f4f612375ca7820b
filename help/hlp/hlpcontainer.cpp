// Reading checks each internal file's header against the image; writing puts the files first
// and the directory last, with no free list.
#include "hlpcontainer.h"

#include <algorithm>

#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpformat.h"

namespace qm {

namespace {

// The used bytes of the internal file whose header lies at Offset.
std::string_view InternalFile(std::string_view Image, uint32_t Offset) {
    if (Offset < 16 || Offset > Image.size()) Damaged();
    THlpBytes in(Image.substr(Offset));
    in.U32();  // reserved space
    uint32_t used = in.U32();
    in.U8();  // flags
    if (used > in.Remaining()) Damaged();
    return in.Take(used);
}

}  // namespace

THlpContainer::THlpContainer(std::string_view Image) {
    THlpBytes in(Image);
    if (in.U32() != HlpMagic) Damaged();
    uint32_t directory = in.U32();
    ReadBtreeLeaves(InternalFile(Image, directory), [&](THlpBytes& Page) {
        std::string name(Page.CString());
        uint32_t offset = Page.U32();
        FFiles[name] = InternalFile(Image, offset);
    });
}

std::optional<std::string_view> THlpContainer::File(std::string_view Name) const {
    auto it = FFiles.find(Name);
    if (it == FFiles.end()) return std::nullopt;
    return it->second;
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
