// Opening reads the container's directory, |SYSTEM, |FONT, the phrase table and every |TOPIC block, walks
// the chain of topic records once to find the topics and their offsets, and reads |CONTEXT and
// |TTLBTREE whole, so that a look-up by hash depends on no order of the tree's keys.
#include "hlpfile.h"

#include <algorithm>

#include "errors.h"
#include "filestream.h"
#include "format.h"
#include "helperror.h"
#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpcontainer.h"
#include "hlpformat.h"
#include "hlpparagraph.h"
#include "lz77.h"
#include "paths.h"

namespace qm {

THlpFile::THlpFile(const std::string& FileName) : FFileName(FileName) {
    TReadOnlyFileStream file(FileName);
    try {
        Load(THlpContainer(file));
    } catch (const THlpDamage&) {
        Invalid();
    } catch (const EReadError&) {
        // Shorter than its own directory says (cut off, or cut while being read).
        Invalid();
    }
}

THlpFile::~THlpFile() = default;

void THlpFile::Invalid() const { throw EDelphiHelpError(Format("Invalid help file %s", {FFileName})); }

void THlpFile::Load(const THlpContainer& Container) {
    auto required = [&](std::string_view Name) {
        auto file = Container.File(Name);
        if (!file) Damaged();
        return std::move(*file);
    };
    ReadSystem(required("|SYSTEM"));
    if (auto font = Container.File("|FONT")) ReadFonts(*font);
    auto index = Container.File("|PhrIndex"), image = Container.File("|PhrImage");
    if (index && image) FPhrases.LoadHall(*index, *image);
    else if (auto phrases = Container.File("|Phrases")) FPhrases.LoadPhrases(*phrases, FCompressed);
    ReadTopicBlocks(required("|TOPIC"));

    if (auto context = Container.File("|CONTEXT")) {
        ReadBtreeLeaves(*context, [&](THlpBytes& Page) {
            uint32_t hash = Page.U32();
            FContext.emplace(hash, Page.U32());
        });
    }
    if (auto titles = Container.File("|TTLBTREE")) {
        std::map<uint32_t, std::string> byOffset;
        ReadBtreeLeaves(*titles, [&](THlpBytes& Page) {
            uint32_t offset = Page.U32();
            byOffset.emplace(offset, Page.CString());
        });
        for (TTopicEntry& t : FTopics) {
            auto it = byOffset.find(t.Offset);
            if (it != byOffset.end()) t.Title = it->second;
        }
    }
}

void THlpFile::ReadSystem(std::string_view System) {
    THlpBytes in(System);
    if (in.U16() != HlpSystemMagic) Damaged();
    FMinor = in.U16();
    FMajor = in.U16();
    in.U32();  // when it was made
    FFlags = in.U16();
    // Version 1.15 files (help compiler 3.0) count topic positions another way.
    if (FMinor < HlpMinorWithRecords) Damaged();
    FCompressed = FFlags == HlpFlagsCompressed4K || FFlags == HlpFlagsCompressed2K;
    FBlockSize = FFlags == HlpFlagsCompressed2K ? 2048 : 4096;
    while (!in.AtEnd()) {
        uint16_t type = in.U16();
        std::string_view data = in.Take(in.U16());
        if (type == HlpSystemTitleRecord) FTitle = std::string(data.substr(0, data.find('\0')));
    }
}

void THlpFile::ReadFonts(std::string_view Font) {
    THlpBytes in(Font);
    unsigned faces = in.U16(), descriptors = in.U16(), facesAt = in.U16(), descriptorsAt = in.U16();
    (void)faces;
    // Later compilers' descriptors have other layouts: their text shows without formats.
    if (facesAt >= 12) return;
    in.Seek(descriptorsAt);
    for (unsigned i = 0; i < descriptors; ++i) {
        std::string_view d = in.Take(11);  // attributes, size, family, face, two colours
        FFontAttributes.push_back(uint8_t(d[0]));
    }
}

void THlpFile::ReadTopicBlocks(std::string_view Topic) {
    uint32_t first = 0;
    for (size_t at = 0; at < Topic.size(); at += FBlockSize) {
        THlpBytes block(Topic.substr(at, FBlockSize));
        block.U32();  // the last record of the block before
        uint32_t firstLink = block.U32();
        block.U32();  // the last topic header before
        if (at == 0) first = firstLink;
        std::string_view data = block.Take(block.Remaining());
        FBlockStart.push_back(FTopicData.size());
        if (FCompressed) FTopicData += LzExpand(data, HlpMaxBlockData);
        else FTopicData.append(data.substr(0, HlpMaxBlockData));
    }
    FBlockStart.push_back(FTopicData.size());
    if (FBlockStart.size() < 2) Damaged();
    IndexTopics(first);
}

size_t THlpFile::DataIndex(uint32_t TopicPos) const {
    size_t block = TopicPos / HlpTopicPosBlock, offset = TopicPos % HlpTopicPosBlock;
    if (block + 1 >= FBlockStart.size() || offset < HlpTopicBlockHeaderSize) Damaged();
    size_t index = FBlockStart[block] + offset - HlpTopicBlockHeaderSize;
    if (index >= FBlockStart[block + 1]) Damaged();
    return index;
}

THlpFile::TLink THlpFile::ReadLink(uint32_t TopicPos, bool Text) const {
    size_t at = DataIndex(TopicPos);
    THlpBytes in(std::string_view(FTopicData).substr(at));
    uint32_t size = in.U32();
    uint32_t size2 = in.U32();  // the text's size once expanded
    in.U32();                   // the record before
    TLink link;
    link.Next = in.U32();
    uint32_t size1 = in.U32();
    link.Type = in.U8();
    if (size1 < HlpTopicLinkHeaderSize || size < size1) Damaged();
    in.Seek(0);
    std::string_view record = in.Take(size);
    link.Data1 = record.substr(HlpTopicLinkHeaderSize, size1 - HlpTopicLinkHeaderSize);
    std::string_view stored = record.substr(size1);
    // A record's text is at most what its 15-bit length can count, however its phrases expand.
    if (stored.size() > size2 || (stored.size() < size2 && (size2 > 0xFFFF || FPhrases.Scheme() == THlpPhrases::TScheme::None)))
        Damaged();
    if (Text) link.Data2 = stored.size() == size2 ? std::string(stored) : FPhrases.Expand(stored, size2);
    if (link.Type == HlpDisplayRecord || link.Type == HlpTableRecord) link.TextLength = ParagraphTextLength(link.Data1);
    return link;
}

void THlpFile::IndexTopics(uint32_t First) {
    // Characters counted so far in each block, for the topic offsets of the topics in it.
    std::vector<uint32_t> counted(FBlockStart.size(), 0);
    uint32_t pos = First;
    while (pos != 0xFFFFFFFF) {
        TLink link = ReadLink(pos, false);
        size_t block = pos / HlpTopicPosBlock;
        if (link.Type == HlpTopicHeaderRecord) {
            TTopicEntry entry;
            entry.Pos = pos;
            entry.Offset = uint32_t(block) * HlpTopicOffsetBlock + counted[block];
            std::string text = ReadLink(pos, true).Data2;
            entry.Title = text.substr(0, text.find('\0'));
            FTopics.push_back(std::move(entry));
        } else {
            counted[block] += link.TextLength;
        }
        // Records follow one another forward: anything else is a loop or damage.
        if (link.Next != 0xFFFFFFFF && link.Next <= pos) Damaged();
        pos = link.Next;
    }
    // Compilers end the chain with an empty topic header that no context string names.
    if (!FTopics.empty() && FTopics.back().Title.empty() && ReadLink(FTopics.back().Pos, false).Next == 0xFFFFFFFF)
        FTopics.pop_back();
    for (size_t i = 0; i < FTopics.size(); ++i) FByOffset.emplace_back(FTopics[i].Offset, i);
    std::stable_sort(FByOffset.begin(), FByOffset.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
}

THlpTopic THlpFile::Topic(size_t Index) const {
    const TTopicEntry& entry = FTopics.at(Index);
    THlpTopic topic;
    topic.Title = entry.Title;
    try {
        uint32_t pos = ReadLink(entry.Pos, false).Next;
        while (pos != 0xFFFFFFFF) {
            TLink link = ReadLink(pos, true);
            if (link.Type == HlpTopicHeaderRecord) break;
            if (link.Type == HlpDisplayRecord || link.Type == HlpTableRecord)
                ReadParagraphRecord(link.Type, link.Data1, link.Data2, FFontAttributes, topic.Paragraphs);
            if (link.Next != 0xFFFFFFFF && link.Next <= pos) Damaged();
            pos = link.Next;
        }
    } catch (const THlpDamage&) {
        Invalid();
    }
    return topic;
}

int THlpFile::FindTopic(std::string_view ContextId) const { return FindTopicByHash(ContextHash(ContextId)); }

int THlpFile::FindTopicByHash(uint32_t Hash) const {
    auto it = FContext.find(Hash);
    if (it == FContext.end()) return -1;
    // The topic that holds the offset: the last one that starts at or before it.
    auto after = std::upper_bound(FByOffset.begin(), FByOffset.end(), it->second,
                                  [](uint32_t Offset, const auto& E) { return Offset < E.first; });
    if (after == FByOffset.begin()) return -1;
    return int(std::prev(after)->second);
}

}  // namespace qm
