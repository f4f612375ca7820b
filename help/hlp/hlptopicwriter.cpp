// Record sizes do not depend on where records land, but their links (topic positions of the
// records before and after, of the next topic) and the topic offsets do; so the layout is
// repeated with the positions of the round before until its own bytes fit. Packed blocks are
// filled with as many whole records as pack into a block, with a little room to spare for
// the links that change between rounds.
#include "hlptopicwriter.h"

#include <algorithm>
#include <optional>

#include "errors.h"
#include "hlpbytes.h"
#include "hlpformat.h"
#include "hlpphrasewriter.h"
#include "lz77.h"

namespace qm {

namespace {

constexpr uint32_t NoPos = 0xFFFFFFFF;
constexpr size_t Spare = 48;  // packed bytes kept free while laying out

struct TRecord {
    uint8_t Type = 0;
    size_t Topic = 0;
    std::string Data1;   // display records: final; topic headers: made per layout
    std::string Stored;  // the text as stored
    uint32_t Size2 = 0;  // the text's expanded size
};

struct TLayout {
    std::vector<uint32_t> Pos;       // per record
    std::vector<size_t> BlockEnds;   // record index after each block's last
    bool operator==(const TLayout&) const = default;
};

void CheckText(std::string_view Text, bool Breaks) {
    for (char c : Text)
        if (uint8_t(c) < 0x20 && !(Breaks && (c == '\n' || c == '\t')))
            throw Exception("A help topic's text holds a control character");
}

std::string StoredText(const std::string& Text, const THlpPhraseWriter* Phrases) {
    if (Phrases) {
        std::string encoded = Phrases->Encode(Text);
        if (encoded.size() < Text.size()) return encoded;
    }
    return Text;
}

// Attributes and commands of one paragraph, and its text's strings.
TRecord ParagraphRecord(const THlpParagraph& Paragraph, const THlpPhraseWriter* Phrases) {
    std::string commands, text, current;
    auto command = [&](std::initializer_list<unsigned> Bytes) {
        text += current;
        text += '\0';
        current.clear();
        for (unsigned b : Bytes) PutU8(commands, b);
    };
    int font = -1;
    bool inJump = false;
    uint32_t jumpHash = 0;
    for (const THlpRun& run : Paragraph.Runs) {
        CheckText(run.Text, true);
        if (inJump && (!run.Jump || run.JumpHash != jumpHash)) command({HlpCmdHotspotEnd}), inJump = false;
        if (run.Jump && !inJump) {
            uint32_t h = run.JumpHash;
            command({HlpCmdJump, h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF, h >> 24});
            inJump = true, jumpHash = h;
        }
        int wanted = (run.Bold ? HlpFontBold : 0) | (run.Italic ? HlpFontItalic : 0) | (run.Underline ? HlpFontUnderline : 0);
        if (wanted != font) command({HlpCmdFont, unsigned(wanted), 0}), font = wanted;
        for (char c : run.Text) {
            if (c == '\n') command({HlpCmdLineBreak});
            else if (c == '\t') command({HlpCmdTab});
            else current += c;
        }
    }
    if (inJump) command({HlpCmdHotspotEnd});
    command({HlpCmdParagraphEnd});
    command({HlpCmdEnd});
    if (text.size() > 0x7FFF) throw Exception("A help topic's paragraph is too long");
    std::string rest = {'\0', '\x80', '\0', '\0', '\0', '\0'};  // no paragraph attributes
    rest += commands;
    TRecord r;
    r.Type = HlpDisplayRecord;
    PutPackedI32(r.Data1, int32_t(rest.size()));
    PutPackedU16(r.Data1, unsigned(text.size()));
    r.Data1 += rest;
    r.Stored = StoredText(text, Phrases);
    r.Size2 = uint32_t(text.size());
    return r;
}

size_t RecordSize(const TRecord& R) { return HlpTopicLinkHeaderSize + R.Data1.size() + R.Stored.size(); }

class TTopicLayouter {
public:
    TTopicLayouter(const std::vector<THlpSourceTopic>& Topics, bool Compress, const THlpPhraseWriter* Phrases)
        : FCompress(Compress), FTopicCount(Topics.size()) {
        for (size_t t = 0; t <= Topics.size(); ++t) {
            TRecord header;
            header.Type = HlpTopicHeaderRecord;
            header.Topic = t;
            header.Data1.assign(28, '\0');
            if (t < Topics.size()) {
                CheckText(Topics[t].Topic.Title, false);
                header.Stored = StoredText(Topics[t].Topic.Title, Phrases);
                header.Size2 = uint32_t(Topics[t].Topic.Title.size());
            }
            FHeaders.push_back(FRecords.size());
            FRecords.push_back(header);
            if (t == Topics.size()) break;  // the closing header that ends the chain
            for (const THlpParagraph& p : Topics[t].Topic.Paragraphs) {
                FRecords.push_back(ParagraphRecord(p, Phrases));
                FRecords.back().Topic = t;
            }
        }
    }

    THlpTopicImage Build() {
        TLayout layout;
        layout.Pos.assign(FRecords.size(), 0);
        // Once the links come from a layout (the second round on), a layout whose own bytes
        // pack into the blocks is taken; it need not be the same as the round before.
        for (int round = 0; round < 8; ++round) {
            layout = Lay(layout);
            if (round == 0) continue;
            if (auto image = Emit(layout)) return std::move(*image);
        }
        throw Exception("The help topics could not be laid out in blocks");
    }

private:
    size_t MaxRaw() const { return FCompress ? HlpMaxBlockData : 4096 - HlpTopicBlockHeaderSize; }

    bool Fits(const std::string& Raw, size_t Budget) const {
        if (Raw.size() > MaxRaw()) return false;
        if (!FCompress || Raw.size() + Raw.size() / 8 + 2 <= Budget) return true;
        std::string packed;
        return LzPack(Raw, 0, Raw.size(), Budget, packed) == Raw.size();
    }

    std::string Concat(const TLayout& L, const std::vector<uint32_t>& Offsets, size_t From, size_t To) const {
        std::string raw;
        for (size_t i = From; i < To; ++i) raw += Bytes(L, Offsets, i);
        return raw;
    }

    TLayout Lay(const TLayout& Old) const {
        const size_t budget = 4096 - HlpTopicBlockHeaderSize - Spare;
        const std::vector<uint32_t> offsets = Old.BlockEnds.empty() ? std::vector<uint32_t>(FHeaders.size(), 0) : TopicOffsets(Old);
        TLayout L;
        L.Pos.resize(FRecords.size());
        for (size_t start = 0; start < FRecords.size();) {
            if (!Fits(Concat(Old, offsets, start, start + 1), budget))
                throw Exception("A help topic's paragraph does not fit a topic block");
            // Gallop, then halve: the most records from start on that fit.
            size_t good = 1, step = 1;
            while (start + good < FRecords.size()) {
                size_t tryCount = std::min(good + step, FRecords.size() - start);
                if (!Fits(Concat(Old, offsets, start, start + tryCount), budget)) break;
                good = tryCount;
                step *= 2;
            }
            size_t bad = std::min(good + step, FRecords.size() - start + 1);
            while (bad - good > 1) {
                size_t mid = (good + bad) / 2;
                if (Fits(Concat(Old, offsets, start, start + mid), budget)) good = mid;
                else bad = mid;
            }
            uint32_t block = uint32_t(L.BlockEnds.size()), offset = HlpTopicBlockHeaderSize;
            for (size_t i = start; i < start + good; ++i) {
                L.Pos[i] = block * HlpTopicPosBlock + offset;
                offset += uint32_t(RecordSize(FRecords[i]));
            }
            start += good;
            L.BlockEnds.push_back(start);
        }
        return L;
    }

    // Topic offsets: the block's number and the characters of the display records before.
    std::vector<uint32_t> TopicOffsets(const TLayout& L) const {
        std::vector<uint32_t> offsets;
        size_t block = 0;
        uint32_t counted = 0;
        for (size_t i = 0; i < FRecords.size(); ++i) {
            while (block < L.BlockEnds.size() && i >= L.BlockEnds[block]) ++block, counted = 0;
            if (FRecords[i].Type == HlpTopicHeaderRecord) offsets.push_back(uint32_t(block) * HlpTopicOffsetBlock + counted);
            else counted += FRecords[i].Size2;
        }
        return offsets;
    }

    std::string Bytes(const TLayout& L, const std::vector<uint32_t>& Offsets, size_t I) const {
        const TRecord& r = FRecords[I];
        std::string out;
        PutU32(out, uint32_t(RecordSize(r)));
        PutU32(out, r.Size2);
        PutU32(out, I == 0 ? NoPos : L.Pos[I - 1]);
        PutU32(out, I + 1 == FRecords.size() ? NoPos : L.Pos[I + 1]);
        PutU32(out, uint32_t(HlpTopicLinkHeaderSize + r.Data1.size()));
        PutU8(out, r.Type);
        if (r.Type != HlpTopicHeaderRecord) return out + r.Data1 + r.Stored;
        const size_t t = r.Topic;
        const bool last = t == FTopicCount;
        const size_t end = last ? FRecords.size() : FHeaders[t + 1];
        uint32_t contentSize = 0;
        for (size_t i = I + 1; i < end; ++i) contentSize += uint32_t(RecordSize(FRecords[i]));
        PutU32(out, contentSize);
        PutU32(out, t == 0 || last ? NoPos : Offsets[t - 1]);
        PutU32(out, t + 1 >= FTopicCount ? NoPos : Offsets[t + 1]);
        PutU32(out, uint32_t(t));
        PutU32(out, NoPos);  // no non-scrolling region
        PutU32(out, end > I + 1 ? L.Pos[I + 1] : NoPos);
        PutU32(out, last ? NoPos : L.Pos[FHeaders[t + 1]]);
        return out + r.Stored;
    }

    std::optional<THlpTopicImage> Emit(const TLayout& L) const {
        THlpTopicImage image;
        const std::vector<uint32_t> offsets = TopicOffsets(L);
        image.TopicOffsets.assign(offsets.begin(), offsets.end() - 1);  // less the closing header's
        uint32_t lastHeader = 0;
        for (size_t b = 0, start = 0; b < L.BlockEnds.size(); start = L.BlockEnds[b++]) {
            std::string raw = Concat(L, offsets, start, L.BlockEnds[b]);
            std::string& out = image.Bytes;
            PutU32(out, b == 0 ? NoPos : L.Pos[start - 1]);
            PutU32(out, L.Pos[start]);
            PutU32(out, lastHeader);
            for (size_t i = start; i < L.BlockEnds[b]; ++i)
                if (FRecords[i].Type == HlpTopicHeaderRecord) lastHeader = L.Pos[i];
            const bool lastBlock = b + 1 == L.BlockEnds.size();
            std::string data;
            if (FCompress) {
                if (LzPack(raw, 0, raw.size(), 4096 - HlpTopicBlockHeaderSize, data) != raw.size())
                    return std::nullopt;
            } else {
                data = raw;
            }
            if (!lastBlock) data.resize(4096 - HlpTopicBlockHeaderSize, '\0');
            out += data;
        }
        return image;
    }

    bool FCompress;
    size_t FTopicCount;
    std::vector<TRecord> FRecords;
    std::vector<size_t> FHeaders;  // record index of each topic's header, the closing one last
};

}  // namespace

THlpTopicImage BuildTopicFile(const std::vector<THlpSourceTopic>& Topics, bool Compress,
                              const THlpPhraseWriter* Phrases) {
    return TTopicLayouter(Topics, Compress, Phrases).Build();
}

}  // namespace qm
