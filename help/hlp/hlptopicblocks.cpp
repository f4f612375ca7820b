// A record may begin near a block's end and go on in the next block's data: the expanded data of
// one block is followed, byte for byte, by the next one's, padding included, as compilers write it.
#include "hlptopicblocks.h"

#include "hlpbytes.h"
#include "hlpformat.h"
#include "lz77.h"

namespace qm {

THlpTopicBlocks::THlpTopicBlocks(const THlpContainer& Container, THlpContainer::TPlace Place, size_t BlockSize,
                                 bool Packed)
    : FContainer(Container), FPlace(Place), FBlockSize(BlockSize), FPacked(Packed),
      FBlockCount((Place.Used + BlockSize - 1) / BlockSize) {
    if (FBlockCount == 0) Damaged();
}

const THlpTopicBlocks::TBlock& THlpTopicBlocks::Block(size_t Index) const {
    if (Index >= FBlockCount) Damaged();
    for (auto it = FCache.begin(); it != FCache.end(); ++it)
        if (it->first == Index) {
            FCache.splice(FCache.begin(), FCache, it);
            return *FCache.front().second;
        }
    const std::string raw = FContainer.ReadPart(FPlace, uint64_t(Index) * FBlockSize, FBlockSize);
    THlpBytes in(raw);
    auto block = std::make_unique<TBlock>();
    block->LastLink = in.U32();
    block->FirstLink = in.U32();
    block->LastHeader = in.U32();
    std::string_view data = in.Take(in.Remaining());
    block->Data = FPacked ? LzExpand(data, HlpMaxBlockData) : std::string(data.substr(0, HlpMaxBlockData));
    ++FBlocksRead;
    FCache.emplace_front(Index, std::move(block));
    if (FCache.size() > CacheSize) FCache.pop_back();
    return *FCache.front().second;
}

std::string THlpTopicBlocks::Bytes(uint32_t Pos, size_t Count) const {
    size_t index = Pos / HlpTopicPosBlock, offset = Pos % HlpTopicPosBlock;
    if (offset < HlpTopicBlockHeaderSize) Damaged();
    offset -= HlpTopicBlockHeaderSize;
    std::string out;
    out.reserve(Count);
    while (out.size() < Count) {
        const std::string& data = Block(index).Data;
        if (offset > data.size() || (offset == data.size() && out.empty())) Damaged();
        out.append(data, offset, Count - out.size());
        ++index;
        offset = 0;
    }
    return out;
}

}  // namespace qm
