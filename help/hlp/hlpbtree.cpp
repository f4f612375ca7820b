// Reading goes down the first child of every index page to the first leaf and then along the
// leaves' next-page links; building fills leaves in order and puts index levels above them
// until one page holds the root.
#include "hlpbtree.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "errors.h"
#include "hlpformat.h"

namespace qm {

namespace {

struct TBtreeHeader {
    uint16_t PageSize = 0;
    int RootPage = 0;
    int TotalPages = 0;
    int Levels = 0;
};

TBtreeHeader ReadHeader(THlpBytes& In) {
    TBtreeHeader h;
    if (In.U16() != HlpBtreeMagic) Damaged();
    In.U16();  // flags
    h.PageSize = In.U16();
    In.Skip(16);  // structure
    In.Skip(4);   // must-be-zero, page splits
    h.RootPage = In.I16();
    In.Skip(2);  // -1
    h.TotalPages = In.I16();
    h.Levels = In.I16();
    In.Skip(4);  // entry count
    if (h.PageSize < HlpLeafHeaderSize || h.TotalPages <= 0 || h.Levels <= 0 || h.Levels > 16) Damaged();
    return h;
}

}  // namespace

size_t BtreeEntryCount(std::string_view Tree) {
    if (Tree.size() < HlpBtreeHeaderSize) return 0;
    THlpBytes in(Tree);
    in.Seek(HlpBtreeHeaderSize - 4);
    return std::min<size_t>(in.U32(), Tree.size());
}

void ReadBtreeLeaves(std::string_view Tree, const std::function<void(THlpBytes&)>& ReadEntry) {
    THlpBytes in(Tree);
    const TBtreeHeader h = ReadHeader(in);
    std::string_view pages = Tree.substr(HlpBtreeHeaderSize);
    auto page = [&](int Number) {
        if (Number < 0 || Number >= h.TotalPages || size_t(Number + 1) * h.PageSize > pages.size()) Damaged();
        return pages.substr(size_t(Number) * h.PageSize, h.PageSize);
    };
    std::vector<bool> seen(size_t(h.TotalPages), false);
    auto visit = [&](int Number) {
        std::string_view bytes = page(Number);
        if (seen[size_t(Number)]) Damaged();
        seen[size_t(Number)] = true;
        return bytes;
    };
    int current = h.RootPage;
    for (int level = 1; level < h.Levels; ++level) {
        THlpBytes index(visit(current));
        index.Skip(4);  // free bytes, entries
        current = index.I16();
    }
    while (current != -1) {
        THlpBytes leaf(visit(current));
        leaf.Skip(2);
        int entries = leaf.I16();
        leaf.Skip(2);  // previous page
        int next = leaf.I16();
        if (entries < 0) Damaged();
        for (int i = 0; i < entries; ++i) ReadEntry(leaf);
        current = next;
    }
}

std::string BuildBtree(const std::vector<TBtreeEntry>& Entries, const TBtreeLayout& Layout) {
    struct TPage {
        std::string Bytes;  // entries only
        int Entries = 0;
        std::string FirstKey;
        int FirstChild = -1;
    };
    std::vector<std::vector<TPage>> levels(1);
    auto& leaves = levels[0];
    const size_t leafRoom = Layout.PageSize - HlpLeafHeaderSize;
    for (const TBtreeEntry& e : Entries) {
        if (e.Leaf.size() > leafRoom) throw Exception("A help file entry is too long for a tree page");
        if (leaves.empty() || leaves.back().Bytes.size() + e.Leaf.size() > leafRoom)
            leaves.push_back({{}, 0, e.Key, -1});
        leaves.back().Bytes += e.Leaf;
        leaves.back().Entries++;
    }
    if (leaves.empty()) leaves.push_back({});
    // Pages are numbered level by level from the leaves up; the root comes last.
    int firstOfLevel = 0;
    while (levels.back().size() > 1) {
        const auto& below = levels.back();
        std::vector<TPage> above;
        const size_t indexRoom = Layout.PageSize - HlpIndexHeaderSize;
        for (size_t i = 0; i < below.size(); ++i) {
            int number = firstOfLevel + int(i);
            std::string entry = below[i].FirstKey;
            PutU16(entry, unsigned(number));
            if (above.empty() || above.back().Bytes.size() + entry.size() > indexRoom) {
                above.push_back({{}, 0, below[i].FirstKey, number});
                continue;  // a page's first child is its header's, not an entry
            }
            above.back().Bytes += entry;
            above.back().Entries++;
        }
        firstOfLevel += int(below.size());
        levels.push_back(std::move(above));
    }
    int totalPages = 0;
    for (const auto& level : levels) totalPages += int(level.size());
    if (totalPages > 0x7FFF) throw Exception("A help file tree has too many pages");

    std::string out;
    PutU16(out, HlpBtreeMagic);
    PutU16(out, Layout.Flags);
    PutU16(out, Layout.PageSize);
    std::string structure = Layout.Structure;
    structure.resize(16, '\0');
    out += structure;
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, unsigned(totalPages - 1));  // the root
    PutU16(out, 0xFFFF);
    PutU16(out, unsigned(totalPages));
    PutU16(out, unsigned(levels.size()));
    PutU32(out, uint32_t(Entries.size()));
    int number = 0;
    for (size_t level = 0; level < levels.size(); ++level) {
        const auto& pages = levels[level];
        for (size_t i = 0; i < pages.size(); ++i, ++number) {
            const TPage& p = pages[i];
            std::string page;
            if (level == 0) {
                PutU16(page, unsigned(leafRoom - p.Bytes.size()));
                PutU16(page, unsigned(p.Entries));
                PutU16(page, i == 0 ? 0xFFFF : unsigned(number - 1));
                PutU16(page, i + 1 == pages.size() ? 0xFFFF : unsigned(number + 1));
            } else {
                PutU16(page, unsigned(Layout.PageSize - HlpIndexHeaderSize - p.Bytes.size()));
                PutU16(page, unsigned(p.Entries));
                PutU16(page, unsigned(p.FirstChild));
            }
            page += p.Bytes;
            page.resize(Layout.PageSize, '\0');
            out += page;
        }
    }
    return out;
}

}  // namespace qm
