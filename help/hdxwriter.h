// Builds keyword index (.HDX) files that TDelphiHelp reads: for the sample installation (through
// qm_hdxgen), for tests that need normal and damaged files, and for the benchmark.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct THdxKeyword {
    std::string Keyword;
    std::string TopicID;
    std::string Third;
    int FileIndex = 0;

    bool operator==(const THdxKeyword&) const = default;
};

struct THdxLayout {
    std::vector<std::string> HelpFileNames{"delphi.hlp"};
    int BlockSizeKB = 4;
    // At most this many entries in one block; 0: as many as fit.
    size_t EntriesPerBlock = 0;
};

// The whole file. Keywords are sorted ignoring case (equal ones keep their order) and packed
// into blocks in that order; key i is the first keyword of block i, and every block, the last
// included, is BlockSizeKB * 1024 bytes long (no keywords: one empty block). Raises Exception
// with the reason when the list or the layout does not fit the format.
std::string BuildHdx(std::vector<THdxKeyword> Keywords, const THdxLayout& Layout);

// A keyword list: one entry a line, fields separated by TAB: keyword, topic id, and optionally
// the third text and the help file index (default 0). Blank lines are skipped; lines may end
// in CR LF. Raises Exception naming the line of a malformed entry.
std::vector<THdxKeyword> ParseKeywordList(std::string_view Text);

}  // namespace qm
