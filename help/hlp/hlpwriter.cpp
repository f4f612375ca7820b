// The file's parts: |SYSTEM with the title, |FONT with one descriptor per combination of bold,
// italic and underline (the font number is the attribute bits), the phrase table, |TOPIC,
// |CONTEXT (hash to topic offset) and |TTLBTREE (topic offset to title).
#include "hlpwriter.h"

#include <algorithm>
#include <map>
#include <memory>

#include "errors.h"
#include "hlpbtree.h"
#include "hlpbytes.h"
#include "hlpcontainer.h"
#include "hlpformat.h"
#include "hlpphrasewriter.h"
#include "hlptopicwriter.h"

namespace qm {

namespace {

std::string SystemFile(const THlpWriteOptions& Options) {
    std::string out;
    PutU16(out, HlpSystemMagic);
    PutU16(out, 21);  // minor version: help compiler 3.1
    PutU16(out, 1);
    PutU32(out, 0);   // no date: the same topics give the same bytes
    PutU16(out, Options.Compress ? HlpFlagsCompressed4K : 0);
    PutU16(out, HlpSystemTitleRecord);
    PutU16(out, unsigned(Options.Title.size() + 1));
    out += Options.Title;
    out += '\0';
    return out;
}

std::string FontFile() {
    constexpr unsigned FaceSize = 20, Descriptors = 8;
    std::string out;
    PutU16(out, 1);
    PutU16(out, Descriptors);
    PutU16(out, 8);
    PutU16(out, 8 + FaceSize);
    std::string face = "Arial";
    face.resize(FaceSize, '\0');
    out += face;
    for (unsigned attributes = 0; attributes < Descriptors; ++attributes) {
        PutU8(out, attributes);
        PutU8(out, 20);  // half points
        PutU8(out, 2);   // family
        PutU16(out, 0);  // face
        out.append(6, '\0');  // black on white's default
    }
    return out;
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

std::string TitleFile(const std::vector<THlpSourceTopic>& Topics, const std::vector<uint32_t>& Offsets) {
    std::vector<TBtreeEntry> entries;
    for (size_t i = 0; i < Topics.size(); ++i) {
        TBtreeEntry e;
        e.Key = KeyOf(Offsets[i]);
        e.Leaf = e.Key + Topics[i].Topic.Title + '\0';
        entries.push_back(std::move(e));
    }
    return BuildBtree(entries, {2048, 0x0002, "Lz"});
}

}  // namespace

std::string BuildHlp(const std::vector<THlpSourceTopic>& Topics, const THlpWriteOptions& Options) {
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
    THlpTopicImage topic = BuildTopicFile(Topics, Options.Compress, phrases.get());
    files.emplace_back("|SYSTEM", SystemFile(Options));
    files.emplace_back("|FONT", FontFile());
    files.emplace_back("|CONTEXT", ContextFile(Topics, topic.TopicOffsets, Options.UnsignedHashOrder));
    files.emplace_back("|TTLBTREE", TitleFile(Topics, topic.TopicOffsets));
    files.emplace_back("|TOPIC", std::move(topic.Bytes));
    return BuildHlpContainer(std::move(files));
}

}  // namespace qm
