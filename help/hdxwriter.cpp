// The .HDX writer: header, key area and fixed-size blocks of length-checked entries.
#include "hdxwriter.h"

#include <algorithm>
#include <charconv>

#include "errors.h"
#include "format.h"
#include "hdxformat.h"

namespace qm {

namespace {

void AppendShortString(std::string& Out, std::string_view Text, std::string_view What) {
    if (Text.size() > 255)
        throw Exception(Format("%s longer than 255 characters: %s", {What, Text}));
    Out += char(Text.size());
    Out += Text;
}

std::string EncodeEntry(const THdxKeyword& K) {
    if (K.FileIndex < 0 || K.FileIndex > 255)
        throw Exception(Format("Help file index %d out of range: %s", {K.FileIndex, K.Keyword}));
    if (K.Keyword.empty()) throw Exception("Empty keyword");
    std::string entry(2, '\0');  // length byte, attribute byte
    AppendShortString(entry, K.Keyword, "Keyword");
    AppendShortString(entry, K.TopicID, "Topic id");
    AppendShortString(entry, K.Third, "Third text");
    entry += char(K.FileIndex);
    entry[0] = char(uint8_t(entry.size()));  // the format stores the length modulo 256
    return entry;
}

// A whole field of decimal digits.
bool ParseNumber(std::string_view Text, int& Value) {
    const char* end = Text.data() + Text.size();
    auto [ptr, ec] = std::from_chars(Text.data(), end, Value);
    return !Text.empty() && ec == std::errc() && ptr == end;
}

void AppendWord(std::string& Out, size_t Value, std::string_view What) {
    if (Value > 0xFFFF) throw Exception(Format("%s exceeds 65535 bytes", {What}));
    Out += char(Value & 0xFF);
    Out += char(Value >> 8);
}

}  // namespace

std::string BuildHdx(std::vector<THdxKeyword> Keywords, const THdxLayout& Layout) {
    if (Layout.BlockSizeKB < 1 || Layout.BlockSizeKB > 255)
        throw Exception(Format("Block size %d KB outside 1 to 255", {Layout.BlockSizeKB}));
    if (Layout.HelpFileNames.size() > 255) throw Exception("More than 255 help file names");
    std::stable_sort(Keywords.begin(), Keywords.end(), [](const auto& A, const auto& B) {
        return CompareText(A.Keyword, B.Keyword) < 0;
    });

    const size_t blockSize = size_t(Layout.BlockSizeKB) * 1024;
    std::string blocks, block, keys;
    size_t inBlock = 0;
    auto closeBlock = [&] {
        block.resize(blockSize, '\0');  // the first padding byte ends the entries
        blocks += block;
        block.clear();
        inBlock = 0;
    };
    for (const THdxKeyword& k : Keywords) {
        std::string entry = EncodeEntry(k);  // at most 771 bytes: always fits a block
        bool full = Layout.EntriesPerBlock > 0 && inBlock == Layout.EntriesPerBlock;
        if (!block.empty() && (full || block.size() + entry.size() + 1 > blockSize)) closeBlock();
        if (block.empty()) AppendShortString(keys, k.Keyword, "Keyword");
        block += entry;
        ++inBlock;
    }
    if (!block.empty()) closeBlock();
    // Without keywords block 0 is still read by every lookup: give it, empty.
    if (blocks.empty()) closeBlock();
    keys += '\0';
    if (keys.size() > 0xFFFF) throw Exception("Key area exceeds 65535 bytes");

    std::string out(HdxSignature);
    out += char(Layout.HelpFileNames.size());
    for (const std::string& name : Layout.HelpFileNames)
        AppendShortString(out, name, "Help file name");
    out += char(Layout.BlockSizeKB);
    size_t blockBase = out.size() + 4 + keys.size();
    AppendWord(out, blockBase, "Header");
    AppendWord(out, keys.size(), "Key area");
    out += keys;
    return out + blocks;
}

std::vector<THdxKeyword> ParseKeywordList(std::string_view Text) {
    std::vector<THdxKeyword> list;
    int lineNo = 0;
    while (!Text.empty()) {
        size_t eol = std::min(Text.find('\n'), Text.size());
        std::string_view line = Text.substr(0, eol);
        Text.remove_prefix(std::min(eol + 1, Text.size()));
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;

        std::vector<std::string_view> fields;
        for (size_t start = 0;;) {
            size_t tab = std::min(line.find('\t', start), line.size());
            fields.push_back(line.substr(start, tab - start));
            if (tab == line.size()) break;
            start = tab + 1;
        }
        THdxKeyword k;
        int index = 0;
        bool indexOk = fields.size() < 4 || ParseNumber(fields[3], index);
        if (fields.size() < 2 || fields.size() > 4 || fields[0].empty() || !indexOk)
            throw Exception(Format(
                "Line %d: expected KEYWORD<TAB>TOPIC[<TAB>TEXT[<TAB>FILE INDEX]]", {lineNo}));
        k.Keyword = fields[0];
        k.TopicID = fields[1];
        if (fields.size() > 2) k.Third = fields[2];
        k.FileIndex = index;
        list.push_back(std::move(k));
    }
    return list;
}

}  // namespace qm
