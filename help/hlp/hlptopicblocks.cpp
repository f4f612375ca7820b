// A record may begin near a block's end and go on in the next block's data: the expanded data of
// one block is followed, byte for byte, by the next one's, padding included, as compilers write it.
#include "hlptopicblocks.h"

#include "hlpbytes.h"
#include "hlpformat.h"
#include "lz77.h"

namespace qm {

THlpTopicBlocks::THlpTopicBlocks(const THlpContainer& Container, THlpContainer::TPlace Place, size_t BlockSize,
                                 bool Packed, uint32_t PosBlock)
    : FContainer(Container), FPlace(Place), FBlockSize(BlockSize), FPacked(Packed), FPosBlock(PosBlock),
      FBlockCount((Place.Used + BlockSize - 1) / BlockSize) {
    if (FBlockCount == 0) Damaged();
}

const THlpTopicBlocks::TBlock& THlpTopicBlocks::Block(size_t Index) const {
    if (Index >= FBlockCount) Damaged();
    if (!FCache.empty() && FCache.front().first == Index) return *FCache.front().second;  // mostly the one before
    if (auto known = FCached.find(Index); known != FCached.end()) {
        if (known->second != FCache.begin()) FCache.splice(FCache.begin(), FCache, known->second);
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
    FCached.emplace(Index, FCache.begin());
    if (FCache.size() > CacheSize) {
        FCached.erase(FCache.back().first);
        FCache.pop_back();
    }
    return *FCache.front().second;
}

std::string_view THlpTopicBlocks::View(uint32_t Pos, size_t Count, std::string& Scratch) const {
    const size_t offset = Pos % FPosBlock;
    if (offset >= HlpTopicBlockHeaderSize) {
        const std::string& data = Block(Pos / FPosBlock).Data;
        const size_t at = offset - HlpTopicBlockHeaderSize;
        if (at < data.size() && Count <= data.size() - at) return std::string_view(data).substr(at, Count);
    }
    Scratch = Bytes(Pos, Count);
    return Scratch;
}

std::string THlpTopicBlocks::Bytes(uint32_t Pos, size_t Count) const {
    size_t index = Pos / FPosBlock, offset = Pos % FPosBlock;
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
