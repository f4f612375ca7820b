// Opening reads the container's directory, |SYSTEM, |FONT, the phrase table, |CONTEXT, |CTXOMAP and
// |TTLBTREE; the titles' list is the list of topics, and a topic's records are found when it is
// first read, from its topic offset, in the one block that offset names. Only a file without a
// title list is walked record by record at opening. A version 3.0 file lists its topics in
// |TOMAP by number, and its topic headers hold the titles; the number stands in for the topic
// offset throughout.
#include "hlpfile.h"

#include <algorithm>
#include <cstdlib>

#include "errors.h"
#include "filestream.h"
#include "format.h"
#include "helperror.h"
#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpcharset.h"
#include "hlpcontainer.h"
#include "hlpformat.h"
#include "hlpparagraph.h"
#include "hlppicture.h"
#include "hlptopicblocks.h"

namespace qm {

namespace {

constexpr uint32_t NoPos = 0xFFFFFFFF;
// No record of a real file comes near this; a larger one is damage.
constexpr uint32_t MaxRecord = 1u << 22;

}  // namespace

THlpFile::THlpFile(const std::string& FileName) : FFileName(FileName) {
    FStream = std::make_unique<TReadOnlyFileStream>(FileName);
    try {
        Load();
    } catch (const THlpDamage&) {
        Invalid();
    } catch (const EReadError&) {
        // Shorter than its own directory says (cut off, or cut while being read).
        Invalid();
    }
}

THlpFile::~THlpFile() = default;

void THlpFile::Invalid() const { throw EDelphiHelpError(Format("Invalid help file %s", {FFileName})); }

size_t THlpFile::BlocksRead() const { return FBlocks->BlocksRead(); }

void THlpFile::Load() {
    FContainer = std::make_unique<THlpContainer>(*FStream);
    const THlpContainer& container = *FContainer;
    auto system = container.File("|SYSTEM");
    auto topic = container.Find("|TOPIC");
    if (!system || !topic) Damaged();
    ReadSystem(*system);
    if (auto font = container.File("|FONT")) ReadFonts(*font);
    auto index = container.File("|PhrIndex"), image = container.File("|PhrImage");
    if (index && image) FPhrases.LoadHall(*index, *image);
    else if (auto phrases = container.File("|Phrases")) FPhrases.LoadPhrases(*phrases, FCompressed);
    FBlocks = std::make_unique<THlpTopicBlocks>(container, *topic, FBlockSize, FCompressed,
                                                Version30() ? uint32_t(HlpBlockSize30) : HlpTopicPosBlock);

    if (auto context = container.File("|CONTEXT")) {
        ReadBtreeLeaves(*context, [&](THlpBytes& Page) {
            uint32_t hash = Page.U32();
            FContext.emplace(hash, Page.U32());
        });
    }
    if (auto numbers = container.File("|CTXOMAP")) {
        THlpBytes in(*numbers);
        for (unsigned count = in.U16(); count > 0; --count) {
            int32_t number = in.I32();
            FNumbers.emplace(number, in.U32());
        }
    }
    if (auto ids = container.File("|TopicId")) {
        ReadBtreeLeaves(*ids, [&](THlpBytes& Page) {
            uint32_t offset = Page.U32();
            FTopicIds.emplace(offset, std::string(Page.CString()));
        });
    }
    if (Version30())
        for (const auto& [hash, number] : FContext) FHashOfNumber.emplace(number, hash);
    ListTopics();
    for (size_t i = 0; i < FTopics.size(); ++i) FByOffset.emplace_back(FTopics[i].Offset, i);
    std::stable_sort(FByOffset.begin(), FByOffset.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
}

void THlpFile::ReadSystem(std::string_view System) {
    THlpBytes in(System);
    if (in.U16() != HlpSystemMagic) Damaged();
    FMinor = in.U16();
    FMajor = in.U16();
    in.U32();  // when it was made
    FFlags = in.U16();
    if (Version30()) {
        FBlockSize = HlpBlockSize30;
        if (!in.AtEnd()) FTitle = Text(in.CString());
        return;
    }
    FCompressed = FFlags == HlpFlagsCompressed4K || FFlags == HlpFlagsCompressed2K;
    FBlockSize = FFlags == HlpFlagsCompressed2K ? 2048 : 4096;
    // The character set's record may come after the title's.
    std::string_view title;
    while (!in.AtEnd()) {
        uint16_t type = in.U16();
        std::string_view data = in.Take(in.U16());
        if (type == HlpSystemTitleRecord) title = data.substr(0, data.find('\0'));
        if (type == HlpSystemCharsetRecord && !data.empty()) FCodePage = CodePageOfCharset(uint8_t(data[0]));
    }
    FTitle = Text(title);
}

std::string THlpFile::Text(std::string_view Bytes) const { return HelpTextToUtf8(Bytes, FCodePage); }

// Three layouts of font descriptors, told apart by where the face names begin: the first in
// half points with attribute bits, the two later ones in twips with a weight and a byte for
// each attribute, at different places.
void THlpFile::ReadFonts(std::string_view Font) {
    THlpBytes in(Font);
    in.U16();  // face names
    unsigned descriptors = in.U16(), facesAt = in.U16(), descriptorsAt = in.U16();
    in.Seek(descriptorsAt);
    auto rgb = [](std::string_view B) { return uint32_t(uint8_t(B[0])) << 16 | uint32_t(uint8_t(B[1])) << 8 | uint8_t(B[2]); };
    for (unsigned i = 0; i < descriptors; ++i) {
        THlpFont font;
        if (facesAt < HlpNewFontFacesAt) {
            THlpBytes d(in.Take(HlpOldFontSize));  // attributes, size, family, face, two colours
            uint8_t attributes = d.U8();
            font.Bold = attributes & HlpFontBold;
            font.Italic = attributes & HlpFontItalic;
            font.Underline = attributes & HlpFontUnderline;
            font.HalfPoints = d.U8();
            d.Skip(3);
            font.Colour = rgb(d.Take(3));
        } else {
            THlpBytes d(in.Take(HlpNewFontSize));
            const bool newest = facesAt >= HlpNewestFontFacesAt;
            d.Skip(newest ? 6 : 3);  // face (and style, two bytes) or a byte and the face
            font.Colour = rgb(d.Take(3));
            d.Skip(newest ? 3 : 8);   // background (and five bytes)
            int32_t height = d.I32();  // twips, negative counting the leading
            d.Skip(12);
            font.Bold = d.I16() >= 700;
            d.Skip(2);
            font.Italic = d.U8() != 0;
            font.Underline = d.U8() != 0;
            d.U8();  // struck out
            font.Charset = d.U8();
            if (font.Charset == 1) font.Charset = 0;  // the default set: the file's
            font.HalfPoints = uint16_t(std::min<int64_t>(std::abs(int64_t(height)) / 10, 0xFFFF));
        }
        FFonts.push_back(font);
    }
}

// The titles' tree lists every topic by its offset, in file order.
void THlpFile::ListTopics() {
    if (Version30()) return ListTopicsByNumber();
    if (auto titles = FContainer->File("|TTLBTREE")) {
        FTopics.reserve(BtreeEntryCount(*titles));
        ReadBtreeLeaves(*titles, [&](THlpBytes& Page) {
            TTopicEntry entry;
            entry.Offset = Page.U32();
            entry.Title = Text(Page.CString());
            FTopics.push_back(std::move(entry));
        });
        std::stable_sort(FTopics.begin(), FTopics.end(),
                         [](const TTopicEntry& A, const TTopicEntry& B) { return A.Offset < B.Offset; });
    }
    if (FTopics.empty()) WalkTopics();
}

// |TOMAP: each topic number's position; the title is its header's text.
void THlpFile::ListTopicsByNumber() {
    auto map = FContainer->File("|TOMAP");
    if (!map) Damaged();
    THlpBytes in(*map);
    FTopics.reserve(in.Size() / 4);
    for (uint32_t number = 0; in.Remaining() >= 4; ++number) {
        TTopicEntry entry;
        entry.Pos = in.U32();
        entry.Offset = number;
        if (entry.Pos == NoPos) continue;  // a number no topic has
        const TLink header = ReadLink(entry.Pos, true);
        if (header.Type != HlpTopicHeaderRecord) Damaged();
        entry.Title = Text(header.Data2.substr(0, header.Data2.find('\0')));
        FTopics.push_back(std::move(entry));
    }
}

THlpFile::TLink THlpFile::ReadLink(uint32_t TopicPos, bool Text) const {
    std::string scratch;
    THlpBytes head(FBlocks->View(TopicPos, HlpTopicLinkHeaderSize, scratch));
    uint32_t size = head.U32();
    uint32_t size2 = head.U32();  // the text's size once expanded
    head.U32();                   // the record before
    TLink link;
    link.Next = head.U32();
    if (Version30()) {
        // The distance to the next record.
        if (link.Next == 0 || link.Next == NoPos) link.Next = NoPos;
        else if (link.Next > NoPos - TopicPos) Damaged();
        else link.Next += TopicPos;
    }
    uint32_t size1 = head.U32();
    link.Type = head.U8();
    if (size1 < HlpTopicLinkHeaderSize || size < size1 || size > MaxRecord) Damaged();
    const std::string_view record = FBlocks->View(TopicPos, size, scratch);
    link.Data1 = record.substr(HlpTopicLinkHeaderSize, size1 - HlpTopicLinkHeaderSize);
    std::string_view stored = record.substr(size1);
    if (Text) {
        // Text the phrases would not shorten is stored as it is, sometimes with unused bytes after it.
        if (size2 <= stored.size()) link.Data2 = std::string(stored.substr(0, size2));
        else if (size2 > 0xFFFF || FPhrases.Scheme() == THlpPhrases::TScheme::None) Damaged();
        else link.Data2 = FPhrases.Expand(stored, size2);
    }
    if (link.Type == HlpDisplayRecord || link.Type == HlpTableRecord) link.TextLength = ParagraphTextLength(link.Data1);
    return link;
}

// A file without titles: every record from the first, topic offsets counted per block.
void THlpFile::WalkTopics() {
    std::vector<uint32_t> counted(FBlocks->BlockCount(), 0);
    uint32_t pos = FBlocks->Block(0).FirstLink;
    while (pos != NoPos) {
        TLink link = ReadLink(pos, false);
        size_t block = pos / HlpTopicPosBlock;
        if (block >= counted.size()) Damaged();
        if (link.Type == HlpTopicHeaderRecord) {
            TTopicEntry entry;
            entry.Pos = pos;
            entry.Offset = uint32_t(block) * HlpTopicOffsetBlock + counted[block];
            std::string text = ReadLink(pos, true).Data2;
            entry.Title = Text(text.substr(0, text.find('\0')));
            FTopics.push_back(std::move(entry));
        } else {
            counted[block] += link.TextLength;
        }
        // Records follow one another forward: anything else is a loop or damage.
        if (link.Next != NoPos && link.Next <= pos) Damaged();
        pos = link.Next;
    }
    // Compilers end the chain with an empty topic header that no context string names.
    if (!FTopics.empty() && FTopics.back().Title.empty() && ReadLink(FTopics.back().Pos, false).Next == NoPos)
        FTopics.pop_back();
}

// Walks the records that begin in the offset's block, counting characters as topic offsets do.
std::pair<uint32_t, uint32_t> THlpFile::LocateOffset(uint32_t Offset) const {
    const size_t block = Offset / HlpTopicOffsetBlock;
    const uint32_t chars = Offset % HlpTopicOffsetBlock;
    const THlpTopicBlocks::TBlock& b = FBlocks->Block(block);
    uint32_t pos = b.FirstLink, lastHeader = b.LastHeader, count = 0;
    std::pair<uint32_t, uint32_t> found{NoPos, 0};
    while (pos != NoPos && pos / HlpTopicPosBlock == block) {
        TLink link = ReadLink(pos, false);
        if (link.Type == HlpTopicHeaderRecord) {
            if (count > chars) break;
            found = {pos, uint32_t(block) * HlpTopicOffsetBlock + count};
        } else {
            count += link.TextLength;
        }
        if (link.Next != NoPos && link.Next <= pos) Damaged();
        pos = link.Next;
    }
    if (found.first != NoPos) return found;
    // The topic began in a block before: the block header names its header.
    if (lastHeader == NoPos || lastHeader / HlpTopicPosBlock >= block) Damaged();
    return {lastHeader, HeaderOffset(lastHeader)};
}

uint32_t THlpFile::HeaderOffset(uint32_t HeaderPos) const {
    const size_t block = HeaderPos / HlpTopicPosBlock;
    uint32_t pos = FBlocks->Block(block).FirstLink, count = 0;
    while (pos != HeaderPos) {
        if (pos == NoPos || pos / HlpTopicPosBlock != block || pos > HeaderPos) Damaged();
        TLink link = ReadLink(pos, false);
        count += link.TextLength;
        if (link.Next != NoPos && link.Next <= pos) Damaged();
        pos = link.Next;
    }
    return uint32_t(block) * HlpTopicOffsetBlock + count;
}

THlpTopic THlpFile::Topic(size_t Index) const {
    TTopicEntry& entry = FTopics.at(Index);
    THlpTopic topic;
    topic.Title = entry.Title;
    try {
        if (entry.Pos == 0) entry.Pos = LocateOffset(entry.Offset).first;
        THlpParagraphContext context{FFonts, FCodePage, [this](int Number) { return Bitmap(Number); }};
        if (Version30())
            context.NumberHash = [this](uint32_t Number) {
                auto it = FHashOfNumber.find(Number);
                return it == FHashOfNumber.end() ? 0u : it->second;
            };
        const TLink header = ReadLink(entry.Pos, false);
        // The non-scrolling region runs from the first record to the one the header names (from
        // version 3.1 on).
        uint32_t nonScroll = NoPos, scroll = NoPos;
        if (!Version30()) {
            THlpBytes fields(header.Data1);
            fields.Skip(16);
            nonScroll = fields.U32(), scroll = fields.U32();
        }
        uint32_t pos = header.Next;
        while (pos != NoPos) {
            if (nonScroll != NoPos && pos == scroll) topic.NonScrolling = topic.Paragraphs.size();
            TLink link = ReadLink(pos, true);
            if (link.Type == HlpTopicHeaderRecord) break;
            if (link.Type == HlpDisplayRecord || link.Type == HlpTableRecord)
                ReadParagraphRecord(link.Type, link.Data1, link.Data2, context, topic);
            if (link.Next != NoPos && link.Next <= pos) Damaged();
            pos = link.Next;
        }
        if (nonScroll != NoPos && scroll == NoPos) topic.NonScrolling = topic.Paragraphs.size();
    } catch (const THlpDamage&) {
        Invalid();
    } catch (const EReadError&) {
        Invalid();
    }
    return topic;
}

THlpPicture THlpFile::Bitmap(int Number) const {
    auto known = FBitmaps.find(Number);
    if (known != FBitmaps.end()) return known->second;
    auto file = FContainer->File("|bm" + std::to_string(Number));
    if (!file) file = FContainer->File("bm" + std::to_string(Number));
    THlpPicture picture = file ? ReadPicture(*file) : THlpPicture{};
    if (FBitmaps.size() >= 16) FBitmaps.clear();
    FBitmaps.emplace(Number, picture);
    return picture;
}

std::string THlpFile::ContextName(size_t Index) const {
    auto it = FTopicIds.find(FTopics.at(Index).Offset);
    return it == FTopicIds.end() ? std::string() : it->second;
}

int THlpFile::FindTopic(std::string_view ContextId) const { return FindTopicByHash(ContextHash(ContextId)); }

int THlpFile::FindTopicByHash(uint32_t Hash) const {
    auto it = FContext.find(Hash);
    return it == FContext.end() ? -1 : TopicAtOffset(it->second);
}

int THlpFile::FindTopicByNumber(int32_t Number) const {
    auto it = FNumbers.find(Number);
    return it == FNumbers.end() ? -1 : TopicAtOffset(it->second);
}

// The topic that holds the offset: the last one that starts at or before it. An offset inside a
// topic the list does not name (a topic without a title) finds its own header.
int THlpFile::TopicAtOffset(uint32_t Offset) const {
    auto known = FAtOffset.find(Offset);
    if (known != FAtOffset.end()) return known->second;
    const int topic = FindTopicAtOffset(Offset);
    FAtOffset.emplace(Offset, topic);
    return topic;
}

int THlpFile::FindTopicAtOffset(uint32_t Offset) const {
    auto after = std::upper_bound(FByOffset.begin(), FByOffset.end(), Offset,
                                  [](uint32_t O, const auto& E) { return O < E.first; });
    if (after != FByOffset.begin() && std::prev(after)->first == Offset) return int(std::prev(after)->second);
    if (Version30()) return -1;  // a number |TOMAP does not list
    try {
        auto [pos, offset] = LocateOffset(Offset);
        auto same = std::lower_bound(FByOffset.begin(), FByOffset.end(), offset,
                                     [](const auto& E, uint32_t O) { return E.first < O; });
        if (same != FByOffset.end() && same->first == offset) return int(same->second);
        TTopicEntry entry;
        entry.Pos = pos;
        entry.Offset = offset;
        std::string text = ReadLink(pos, true).Data2;
        entry.Title = Text(text.substr(0, text.find('\0')));
        FTopics.push_back(std::move(entry));
        FByOffset.insert(same, {offset, FTopics.size() - 1});
        return int(FTopics.size() - 1);
    } catch (const THlpDamage&) {
        if (after == FByOffset.begin()) return -1;
        return int(std::prev(after)->second);
    } catch (const EReadError&) {
        Invalid();
    }
}

std::vector<THlpKeyword> THlpFile::Keywords() const {
    std::vector<THlpKeyword> keywords;
    try {
        auto tree = FContainer->File("|KWBTREE");
        auto data = FContainer->File("|KWDATA");
        if (!tree || !data) return keywords;
        ReadBtreeLeaves(*tree, [&](THlpBytes& Page) {
            THlpKeyword k;
            k.Keyword = Text(Page.CString());
            unsigned count = Page.U16();
            uint32_t at = Page.U32();
            THlpBytes offsets(*data);
            offsets.Seek(at);
            // Keywords stand at their topics' starts: the listed topic at or before the offset,
            // without walking records for each of them.
            for (unsigned i = 0; i < count; ++i) {
                uint32_t offset = offsets.U32();
                if (offset == NoPos) continue;  // a keyword that runs a macro
                auto after = std::upper_bound(FByOffset.begin(), FByOffset.end(), offset,
                                              [](uint32_t O, const auto& E) { return O < E.first; });
                if (after != FByOffset.begin()) k.Topics.push_back(std::prev(after)->second);
            }
            keywords.push_back(std::move(k));
        });
    } catch (const THlpDamage&) {
        Invalid();
    } catch (const EReadError&) {
        Invalid();
    }
    return keywords;
}

}  // namespace qm
