// THlpTopicBlocks: the |TOPIC file of an open help file, read one block at a time as records are
// asked for: a packed block is expanded the first time it is needed and kept in a cache of a few
// megabytes, so a topic costs the blocks it lies in, not the file's size, and reading every topic
// of a file of usual size expands each block once.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "hlpcontainer.h"

namespace qm {

class THlpTopicBlocks {
public:
    struct TBlock {
        uint32_t LastLink = 0;    // the last record of the block before
        uint32_t FirstLink = 0;   // the first record that begins in this block
        uint32_t LastHeader = 0;  // the last topic header before this block
        std::string Data;         // after the block header, expanded
    };

    // BlockSize: 4096 or 2048 bytes as stored; Packed: LZ77. PosBlock: what a topic position
    // counts per block (16 KB; a version 3.0 file's block size, its positions being places in
    // |TOPIC).
    THlpTopicBlocks(const THlpContainer& Container, THlpContainer::TPlace Place, size_t BlockSize, bool Packed,
                    uint32_t PosBlock = 0x4000);

    uint32_t PosBlock() const { return FPosBlock; }

    size_t BlockCount() const { return FBlockCount; }
    // Block Index, read (and expanded) when not in the cache; THlpDamage beyond the last.
    const TBlock& Block(size_t Index) const;
    // Count bytes from the topic position Pos on, running into the blocks after it as records
    // that cross a block's end do. THlpDamage when they are not there.
    std::string Bytes(uint32_t Pos, size_t Count) const;
    // The same bytes in place when they lie in one block (valid until the next block is read),
    // else gathered in Scratch.
    std::string_view View(uint32_t Pos, size_t Count, std::string& Scratch) const;

    // Blocks read from the file since opening (for the measurements of the benchmarks).
    size_t BlocksRead() const { return FBlocksRead; }

private:
    const THlpContainer& FContainer;
    THlpContainer::TPlace FPlace;
    size_t FBlockSize;
    bool FPacked;
    uint32_t FPosBlock;
    size_t FBlockCount;
    // 8 MB of packed blocks expanded (2 MB of unpacked ones): the whole text of most help files
    // of the time, and still a fixed amount for a huge one.
    static constexpr size_t CacheSize = 512;
    using TCache = std::list<std::pair<size_t, std::unique_ptr<TBlock>>>;
    mutable TCache FCache;  // most recent first
    mutable std::unordered_map<size_t, TCache::iterator> FCached;
    mutable size_t FBlocksRead = 0;
};

}  // namespace qm
