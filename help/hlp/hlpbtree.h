// The B+ trees of help files (the internal directory, |CONTEXT, |TTLBTREE): reading every leaf
// entry in order, and building a tree from sorted entries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hlpbytes.h"

namespace qm {

// Walks the leaves of the tree whose bytes (B+ tree header and pages) are Tree, first to last,
// and calls ReadEntry once per entry with the page's reader at the entry; ReadEntry reads it
// whole. A page outside the tree, a page met twice (a loop), a chain longer than the tree's
// page count or an entry beyond its page raises THlpDamage.
void ReadBtreeLeaves(std::string_view Tree, const std::function<void(THlpBytes&)>& ReadEntry);

// The entry count the tree's header states, at most one per byte of the tree (for reserving).
size_t BtreeEntryCount(std::string_view Tree);

struct TBtreeEntry {
    std::string Leaf;  // the whole leaf entry: key and value
    std::string Key;   // the key alone, as the index pages repeat it
};

struct TBtreeLayout {
    uint16_t PageSize = 2048;
    uint16_t Flags = 0x0002;
    std::string Structure;  // the key and value letters, e.g. "L4"
};

// The bytes of a tree over Entries, which must be sorted as the tree's readers expect.
std::string BuildBtree(const std::vector<TBtreeEntry>& Entries, const TBtreeLayout& Layout);

}  // namespace qm
