// The file's parts: |SYSTEM with the title, |FONT with one descriptor per combination of bold,
// italic and underline (the font number is the attribute bits), the phrase table, |TOPIC,
// |CONTEXT (hash to topic offset), |TTLBTREE (topic offset to title), |CTXOMAP (context number to
// topic offset), the keyword index and, when asked for, |TopicId.
#include "hlpwriter.h"

#include <algorithm>
#include <map>
#include <memory>

#include "errors.h"
#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpcharset.h"
#include "hlpcontainer.h"
#include "hlpformat.h"
#include "hlpphrasewriter.h"
#include "hlppicture.h"
#include "hlptopicwriter.h"

namespace qm {

namespace {

std::string SystemFile(const std::string& Title, const THlpWriteOptions& Options) {
    std::string out;
    PutU16(out, HlpSystemMagic);
    PutU16(out, Options.Minor);
    PutU16(out, 1);
    PutU32(out, 0);   // no date: the same topics give the same bytes
    PutU16(out, !Options.Compress ? 0 : Options.SmallBlocks ? HlpFlagsCompressed2K : HlpFlagsCompressed4K);
    if (Options.Minor < HlpMinorWithRecords) return out + Title + '\0';  // version 3.0: the title alone
    PutU16(out, HlpSystemTitleRecord);
    PutU16(out, unsigned(Title.size() + 1));
    out += Title;
    out += '\0';
    if (Options.Minor >= 33) {
        PutU16(out, HlpSystemCharsetRecord);
        PutU16(out, 2);
        PutU16(out, Options.Charset);
    }
    return out;
}

std::string Encoded(const std::string& Text, uint8_t Charset) {
    std::string out;
    const unsigned codePage = CodePageOfCharset(Charset);
    if (!Utf8ToHelpText(Text, codePage, out))
        throw Exception("A help topic's text holds a character " +
                        (codePage == Cp1252 ? std::string("Windows-1252") : "code page " + std::to_string(codePage)) +
                        " does not have");
    return out;
}

// The topics with their texts in the file's character set, a run's in its font's.
std::vector<THlpSourceTopic> EncodedTopics(const std::vector<THlpSourceTopic>& Topics, const THlpWriteOptions& Options) {
    const uint8_t file = Options.Charset;
    if (file != 0 && Options.Minor < 33) throw Exception("A help file names its character set from version 4.0 on");
    std::vector<THlpSourceTopic> out = Topics;
    for (THlpSourceTopic& t : out) {
        t.Topic.Title = Encoded(t.Topic.Title, file);
        for (THlpParagraph& p : t.Topic.Paragraphs)
            for (THlpRun& r : p.Runs) {
                if (r.Charset != 0 && Options.FontLayout == 0)
                    throw Exception("A help font names its character set only in the later font layouts");
                r.Text = Encoded(r.Text, r.Charset ? r.Charset : file), r.JumpFile = Encoded(r.JumpFile, file);
            }
        for (std::string& k : t.Keywords) k = Encoded(k, file);
    }
    return out;
}

std::string NumberFile(const std::vector<THlpSourceTopic>& Topics, const std::vector<uint32_t>& Offsets) {
    std::string entries;
    unsigned count = 0;
    for (size_t i = 0; i < Topics.size(); ++i)
        if (Topics[i].ContextNumber) {
            PutU32(entries, uint32_t(*Topics[i].ContextNumber));
            PutU32(entries, Offsets[i]);
            ++count;
        }
    if (count > 0xFFFF) throw Exception("A help file holds at most 65535 context numbers");
    std::string out;
    PutU16(out, count);
    return out + entries;
}

// The keyword index: the tree names each keyword once with its count and where its topic
// offsets begin in |KWDATA; |KWMAP gives the number of the first keyword of each leaf page.
void KeywordFiles(const std::vector<THlpSourceTopic>& Topics, const std::vector<uint32_t>& Offsets,
                  std::vector<std::pair<std::string, std::string>>& Files) {
    std::map<std::string, std::vector<uint32_t>> byKeyword;
    for (size_t i = 0; i < Topics.size(); ++i)
        for (const std::string& k : Topics[i].Keywords) byKeyword[k].push_back(Offsets[i]);
    if (byKeyword.empty()) return;
    std::string data;
    std::vector<TBtreeEntry> entries;
    for (const auto& [keyword, offsets] : byKeyword) {
        if (offsets.size() > 0xFFFF) throw Exception("A help keyword names too many topics");
        TBtreeEntry e;
        e.Key = keyword + '\0';
        e.Leaf = e.Key;
        PutU16(e.Leaf, unsigned(offsets.size()));
        PutU32(e.Leaf, uint32_t(data.size()));
        for (uint32_t o : offsets) PutU32(data, o);
        entries.push_back(std::move(e));
    }
    const TBtreeLayout layout{2048, 0x0002, "F24"};
    std::string tree = BuildBtree(entries, layout);
    std::string map;
    size_t number = 0, room = layout.PageSize - HlpLeafHeaderSize, used = 0;
    unsigned page = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        // The same fill as the tree's leaves.
        if (i == 0 || used + entries[i].Leaf.size() > room) {
            if (i > 0) ++page;
            PutU32(map, uint32_t(number));
            PutU16(map, page);
            used = 0;
        }
        used += entries[i].Leaf.size();
        ++number;
    }
    Files.emplace_back("|KWBTREE", std::move(tree));
    Files.emplace_back("|KWDATA", std::move(data));
    Files.emplace_back("|KWMAP", std::move(map));
}

// The face names at 8 (first layout) or after the style and character map fields (later ones).
std::string FontFile(const std::vector<THlpFont>& Fonts, int Layout) {
    constexpr unsigned FaceSize = 20;
    const unsigned facesAt = Layout == 0 ? 8 : Layout == 1 ? HlpNewFontFacesAt : HlpNewestFontFacesAt;
    std::string out;
    PutU16(out, 1);
    PutU16(out, unsigned(Fonts.size()));
    PutU16(out, facesAt);
    PutU16(out, facesAt + FaceSize);
    const unsigned end = facesAt + FaceSize + unsigned(Fonts.size() * (Layout == 0 ? HlpOldFontSize : HlpNewFontSize));
    while (out.size() < facesAt) PutU16(out, out.size() % 4 == 0 ? 0 : end);  // no styles, no character maps
    std::string face = "Arial";
    face.resize(FaceSize, '\0');
    out += face;
    auto rgb = [&](uint32_t C) { PutU8(out, C >> 16), PutU8(out, C >> 8), PutU8(out, C); };
    for (const THlpFont& f : Fonts) {
        if (Layout == 0) {
            PutU8(out, (f.Bold ? HlpFontBold : 0) | (f.Italic ? HlpFontItalic : 0) | (f.Underline ? HlpFontUnderline : 0));
            PutU8(out, f.HalfPoints);
            PutU8(out, 2);   // family
            PutU16(out, 0);  // face
            rgb(f.Colour);
            rgb(0xFFFFFF);
            continue;
        }
        const size_t at = out.size();
        if (Layout == 1) {
            PutU8(out, 0);
            PutU16(out, 0);  // face
        } else {
            PutU16(out, 0);  // face
            PutU16(out, 0);  // no style
            PutU16(out, 0);
        }
        rgb(f.Colour);
        rgb(0xFFFFFF);
        if (Layout == 1) out.append(5, '\0');
        PutU32(out, uint32_t(-int32_t(f.HalfPoints) * 10));
        out.append(12, '\0');
        PutU16(out, f.Bold ? 700 : 400);
        PutU16(out, 0);
        PutU8(out, f.Italic);
        PutU8(out, f.Underline);
        PutU8(out, 0);  // not struck out
        PutU8(out, f.Charset);
        out.resize(at + HlpNewFontSize, '\0');
    }
    return out;
}

// Every run's font, the default first.
std::vector<THlpFont> FontsOf(const std::vector<THlpSourceTopic>& Topics) {
    std::vector<THlpFont> fonts{THlpFont{}};
    for (const THlpSourceTopic& t : Topics)
        for (const THlpParagraph& p : t.Topic.Paragraphs)
            for (const THlpRun& r : p.Runs)
                if (std::find(fonts.begin(), fonts.end(), r.Font()) == fonts.end()) fonts.push_back(r.Font());
    if (fonts.size() > 0x7FFF) throw Exception("A help file holds too many fonts");
    return fonts;
}

std::string KeyOf(uint32_t Value) {
    std::string key;
    PutU32(key, Value);
    return key;
}

std::string ContextFile(const std::vector<THlpSourceTopic>& Topics, const std::vector<uint32_t>& Offsets,
                        bool Unsigned) {
    std::map<uint32_t, size_t> byHash;
    for (size_t i = 0; i < Topics.size(); ++i) {
        auto [it, added] = byHash.emplace(ContextHash(Topics[i].ContextId), i);
        if (!added)
            throw Exception("The context strings " + Topics[it->second].ContextId + " and " + Topics[i].ContextId +
                            " share a hash");
    }
    std::vector<std::pair<uint32_t, size_t>> sorted(byHash.begin(), byHash.end());
    if (!Unsigned)
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& A, const auto& B) { return int32_t(A.first) < int32_t(B.first); });
    std::vector<TBtreeEntry> entries;
    for (const auto& [hash, topic] : sorted) {
        TBtreeEntry e;
        e.Key = KeyOf(hash);
        e.Leaf = e.Key + KeyOf(Offsets[topic]);
        entries.push_back(std::move(e));
    }
    return BuildBtree(entries, {2048, 0x0002, "L4"});
}

// A tree of a string per topic offset: the titles, or the context strings.
std::string OffsetTree(const std::vector<THlpSourceTopic>& Topics, const std::vector<uint32_t>& Offsets,
                       std::string THlpSourceTopic::*Field) {
    std::vector<TBtreeEntry> entries;
    for (size_t i = 0; i < Topics.size(); ++i) {
        TBtreeEntry e;
        e.Key = KeyOf(Offsets[i]);
        e.Leaf = e.Key + (Field ? Topics[i].*Field : Topics[i].Topic.Title) + '\0';
        entries.push_back(std::move(e));
    }
    return BuildBtree(entries, {2048, 0x0002, "Lz"});
}

}  // namespace

// |TOMAP: the position of each topic's header by its number.
std::string TopicMapFile(const std::vector<uint32_t>& Positions) {
    std::string out;
    for (uint32_t p : Positions) PutU32(out, p);
    return out;
}

std::string BuildHlp(const std::vector<THlpSourceTopic>& SourceTopics, const THlpWriteOptions& Options) {
    const bool v30 = Options.Minor < HlpMinorWithRecords;
    if (v30 && (Options.Compress || Options.Phrases == THlpPhrases::TScheme::Hall || Options.FontLayout != 0 || Options.TopicIds))
        throw Exception("A help file of version 3.0 is not packed and has neither the newer phrases, the later fonts nor context strings by topic");
    const std::vector<THlpSourceTopic> Topics = EncodedTopics(SourceTopics, Options);
    std::vector<std::pair<std::string, std::string>> files;
    std::unique_ptr<THlpPhraseWriter> phrases;
    if (Options.Phrases != THlpPhrases::TScheme::None) {
        std::vector<std::string_view> texts;
        for (const THlpSourceTopic& t : Topics) {
            texts.push_back(t.Topic.Title);
            for (const THlpParagraph& p : t.Topic.Paragraphs)
                for (const THlpRun& r : p.Runs) texts.push_back(r.Text);
        }
        phrases = std::make_unique<THlpPhraseWriter>(Options.Phrases, texts);
        for (auto& f : phrases->Files(Options.Compress)) files.push_back(std::move(f));
    }
    THlpTopicLayout layout{Options.Compress, Options.Compress && Options.SmallBlocks ? 2048u : 4096u, Options.EmbedPictures};
    if (v30) layout.BlockSize = HlpBlockSize30, layout.Version30 = true;
    const std::vector<THlpFont> fonts = FontsOf(Topics);
    THlpTopicImage topic = BuildTopicFile(Topics, layout, fonts, phrases.get());
    files.emplace_back("|SYSTEM", SystemFile(Encoded(Options.Title, Options.Charset), Options));
    files.emplace_back("|FONT", FontFile(fonts, Options.FontLayout));
    files.emplace_back("|CONTEXT", ContextFile(Topics, topic.TopicOffsets, Options.UnsignedHashOrder));
    if (v30) files.emplace_back("|TOMAP", TopicMapFile(topic.TopicPositions));
    else files.emplace_back("|TTLBTREE", OffsetTree(Topics, topic.TopicOffsets, nullptr));
    files.emplace_back("|CTXOMAP", NumberFile(Topics, topic.TopicOffsets));
    if (Options.TopicIds) files.emplace_back("|TopicId", OffsetTree(Topics, topic.TopicOffsets, &THlpSourceTopic::ContextId));
    KeywordFiles(Topics, topic.TopicOffsets, files);
    if (!Options.EmbedPictures) {
        size_t number = 0;
        for (const THlpSourceTopic& t : Topics)
            for (const THlpPicture& p : t.Topic.Pictures) files.emplace_back("|bm" + std::to_string(number++), BuildPicture(p));
    }
    files.emplace_back("|TOPIC", std::move(topic.Bytes));
    return BuildHlpContainer(std::move(files));
}

}  // namespace qm
