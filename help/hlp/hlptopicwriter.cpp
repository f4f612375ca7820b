// Records follow one another as one stream cut into blocks, a record running on from one block
// into the next as the help compilers write them. Record sizes do not depend on where records
// land, but their links (topic positions of the records before and after, of the next topic)
// and the topic offsets do; packed blocks hold as much as packs into them, so their layout is
// repeated with the positions of the round before until its own bytes fit.
#include "hlptopicwriter.h"

#include <algorithm>
#include <map>
#include <optional>

#include "errors.h"
#include "hlpbytes.h"
#include "hlpformat.h"
#include "hlpphrasewriter.h"
#include "hlppicture.h"
#include "lz77.h"

namespace qm {

namespace {

constexpr uint32_t NoPos = 0xFFFFFFFF;
constexpr size_t Spare = 48;  // packed bytes kept free while laying out

struct TRecord {
    uint8_t Type = 0;
    size_t Topic = 0;
    size_t Paragraph = 0;  // the first of its topic's paragraphs it holds
    std::string Data1;   // display records: final; topic headers: made per layout
    std::string Stored;  // the text as stored
    uint32_t Size2 = 0;  // the text's expanded size
};

// Where each block's data begins in the stream of all records, one record after another.
struct TLayout {
    std::vector<size_t> BlockStart;
};

void CheckText(std::string_view Text, bool Breaks) {
    for (char c : Text)
        if (uint8_t(c) < 0x20 && !(Breaks && (c == '\n' || c == '\t')))
            throw Exception("A help topic's text holds a control character");
}

// Text the phrases do not shorten is stored as it is; the newer scheme's compilers keep the room
// the codes took, unused, after it.
std::string StoredText(const std::string& Text, const THlpPhraseWriter* Phrases) {
    if (Phrases) {
        std::string encoded = Phrases->Encode(Text);
        if (encoded.size() < Text.size()) return encoded;
        if (Phrases->Scheme() == THlpPhrases::TScheme::Hall) return Text + std::string(encoded.size() - Text.size(), '\0');
    }
    return Text;
}

// The commands and text strings of paragraphs of one record, each ended by a paragraph end.
class TCommandWriter {
public:
    // Pictures of the topic are numbered from PictureBase among the file's; Embed puts them
    // inside the topic instead of naming their |bmN file.
    // Numbers, for a version 3.0 file: each topic's number by its context string's hash.
    TCommandWriter(const std::vector<THlpFont>& Fonts, const THlpTopic& Topic, size_t PictureBase, bool Embed,
                   const std::map<uint32_t, uint32_t>* Numbers = nullptr)
        : FFonts(Fonts), FTopic(Topic), FPictureBase(PictureBase), FEmbed(Embed), FNumbers(Numbers) {}

    void Paragraph(const THlpParagraph& Paragraph) {
        for (const THlpRun& run : Paragraph.Runs) {
            CheckText(run.Text, true);
            const bool same = FJump && run.Jump && run.JumpHash == FJumpRun.JumpHash && run.Popup == FJumpRun.Popup &&
                              run.JumpFile == FJumpRun.JumpFile;
            if (FJump && !same) Command({HlpCmdHotspotEnd}), FJump = false;
            if (run.Jump && !FJump) StartJump(run);
            if (run.Picture >= 0) {
                Picture(run);
                continue;
            }
            unsigned font = unsigned(std::find(FFonts.begin(), FFonts.end(), run.Font()) - FFonts.begin());
            if (int(font) != FFont) Command({HlpCmdFont, font & 0xFF, font >> 8}), FFont = int(font);
            for (char c : run.Text) {
                if (c == '\n') Command({HlpCmdLineBreak});
                else if (c == '\t') Command({HlpCmdTab});
                else FCurrent += c;
            }
        }
        if (FJump) Command({HlpCmdHotspotEnd}), FJump = false;
        Command({HlpCmdParagraphEnd});
    }
    void End() { Command({HlpCmdEnd}); }
    void Raw(const std::string& Bytes) { FCommands += Bytes; }

    std::string Commands() const { return FCommands; }
    const std::string& Text() const { return FText; }

private:
    void Command(std::initializer_list<unsigned> Bytes) {
        FText += FCurrent;
        FText += '\0';
        FCurrent.clear();
        for (unsigned b : Bytes) PutU8(FCommands, b);
    }
    void Picture(const THlpRun& Run) {
        if (size_t(Run.Picture) >= FTopic.Pictures.size() || Run.PictureAlign > 2)
            throw Exception("A help topic names a picture it does not have");
        const THlpPicture& picture = FTopic.Pictures[size_t(Run.Picture)];
        std::string data;
        PutU16(data, FEmbed ? 1 : 0);
        PutU16(data, unsigned(FPictureBase + size_t(Run.Picture)));
        if (FEmbed) data += BuildPicture(picture);
        Command({unsigned(HlpCmdPictureInLine + Run.PictureAlign)});
        const bool hotspots = !picture.Hotspots.empty();
        PutU8(FCommands, hotspots ? HlpPictureWithHotspots : HlpPicture);
        PutPackedI32(FCommands, int32_t(data.size()));
        if (hotspots) PutPackedU16(FCommands, unsigned(picture.Hotspots.size()));
        FCommands += data;
    }
    void StartJump(const THlpRun& Run) {
        const uint32_t h = Run.JumpHash;
        if (FNumbers) {
            auto number = FNumbers->find(h);
            if (number == FNumbers->end() || !Run.JumpFile.empty())
                throw Exception("A jump in a help file of version 3.0 goes to a topic of the same file");
            const uint32_t n = number->second;
            Command({Run.Popup ? HlpCmdPopup30 : HlpCmdJump30, n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF, n >> 24});
        } else if (Run.JumpFile.empty()) {
            Command({Run.Popup ? HlpCmdPopup : HlpCmdJump, h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF, h >> 24});
        } else {
            std::string target;
            PutU8(target, 4);  // into another file
            PutU32(target, h);
            target += Run.JumpFile;
            target += '\0';
            Command({Run.Popup ? HlpCmdPopupElsewhere : HlpCmdJumpElsewhere});
            PutU16(FCommands, unsigned(target.size()));
            FCommands += target;
        }
        FJump = true;
        FJumpRun = Run;
    }

    const std::vector<THlpFont>& FFonts;
    const THlpTopic& FTopic;
    size_t FPictureBase;
    bool FEmbed;
    const std::map<uint32_t, uint32_t>* FNumbers;
    std::string FCommands, FText, FCurrent;
    int FFont = -1;
    bool FJump = false;
    THlpRun FJumpRun;
};

const std::string NoParagraphAttributes = {'\0', '\x80', '\0', '\0', '\0', '\0'};

// A display record of one paragraph, or a table record of the cells of one table.
TRecord ParagraphRecord(const std::vector<const THlpParagraph*>& Group, TCommandWriter& writer,
                        const THlpPhraseWriter* Phrases) {
    TRecord r;
    std::string head;
    if (Group.front()->Table == 0) {
        r.Type = HlpDisplayRecord;
        writer.Raw(NoParagraphAttributes);
        writer.Paragraph(*Group.front());
        writer.End();
    } else {
        r.Type = HlpTableRecord;
        const std::vector<int>& widths = Group.front()->ColumnWidths;
        if (widths.empty() || widths.size() > 255) throw Exception("A help table needs from 1 to 255 columns");
        PutU8(head, unsigned(widths.size()));
        PutU8(head, 1);  // columns as wide as given
        for (int w : widths) {
            PutU16(head, 0);  // no gap
            PutU16(head, unsigned(w));
        }
        for (size_t i = 0; i < Group.size();) {
            const THlpParagraph& cell = *Group[i];
            if (cell.Column < 0 || size_t(cell.Column) >= widths.size()) throw Exception("A help table's cell is outside its columns");
            std::string place;
            PutU16(place, unsigned(cell.Column));
            PutU16(place, 0);
            PutU8(place, 0);
            writer.Raw(place + NoParagraphAttributes);
            for (; i < Group.size() && Group[i]->Row == cell.Row && Group[i]->Column == cell.Column; ++i)
                writer.Paragraph(*Group[i]);
            writer.End();
        }
        std::string end;
        PutU16(end, 0xFFFF);
        writer.Raw(end);
    }
    const std::string& text = writer.Text();
    if (text.size() > 0x7FFF) throw Exception("A help topic's paragraph is too long");
    const std::string rest = head + writer.Commands();
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
    TTopicLayouter(const std::vector<THlpSourceTopic>& Topics, const THlpTopicLayout& Layout,
                   const std::vector<THlpFont>& Fonts, const THlpPhraseWriter* Phrases)
        : FLayout(Layout), FTopicCount(Topics.size()) {
        if (Layout.Version30)
            for (size_t t = 0; t < Topics.size(); ++t) FNumbers.emplace(ContextHash(Topics[t].ContextId), uint32_t(t));
        size_t pictureBase = 0;
        for (size_t t = 0; t <= Topics.size(); ++t) {
            TRecord header;
            header.Type = HlpTopicHeaderRecord;
            header.Topic = t;
            header.Data1.assign(Layout.Version30 ? HlpTopicHeaderSize30 : 28, '\0');
            if (t < Topics.size()) {
                CheckText(Topics[t].Topic.Title, false);
                header.Stored = StoredText(Topics[t].Topic.Title, Phrases);
                header.Size2 = uint32_t(Topics[t].Topic.Title.size());
            }
            FHeaders.push_back(FRecords.size());
            FRecords.push_back(header);
            if (t == Topics.size()) break;  // the closing header that ends the chain
            const THlpTopic& topic = Topics[t].Topic;
            if (t > 0) pictureBase += Topics[t - 1].Topic.Pictures.size();
            if (topic.NonScrolling > topic.Paragraphs.size()) throw Exception("A help topic's non-scrolling region is longer than the topic");
            if (Layout.Version30 && (topic.NonScrolling > 0 || std::any_of(topic.Paragraphs.begin(), topic.Paragraphs.end(),
                                                                           [](const THlpParagraph& P) { return P.Table > 0; })))
                throw Exception("A help file of version 3.0 has neither tables nor non-scrolling regions");
            FNonScrolling.push_back(topic.NonScrolling);
            // A table's cells make one record; the non-scrolling region ends between records.
            for (size_t i = 0; i < topic.Paragraphs.size();) {
                std::vector<const THlpParagraph*> group{&topic.Paragraphs[i]};
                const size_t first = i++;
                if (group.front()->Table > 0)
                    while (i < topic.Paragraphs.size() && topic.Paragraphs[i].Table == group.front()->Table &&
                           i != topic.NonScrolling)
                        group.push_back(&topic.Paragraphs[i++]);
                TCommandWriter writer(Fonts, topic, pictureBase, Layout.EmbedPictures, Layout.Version30 ? &FNumbers : nullptr);
                FRecords.push_back(ParagraphRecord(group, writer, Phrases));
                FRecords.back().Topic = t;
                FRecords.back().Paragraph = first;
            }
        }
        for (const TRecord& r : FRecords) {
            FStart.push_back(FTotal);
            FTotal += RecordSize(r);
        }
    }

    THlpTopicImage Build() {
        TLayout layout = Uniform();
        if (!FLayout.Compress) return Emit(layout).value();
        // Where packed blocks end depends on the bytes, which depend on where they end: blocks are
        // laid out with room to spare and then packed to the brim, until a layout packs into
        // itself. Should that not settle, blocks end before the record that would cross.
        for (int round = 0; round < 8; ++round) {
            layout = Lay(layout, round >= 4);
            if (auto image = Emit(layout)) return std::move(*image);
        }
        throw Exception("The help topics could not be laid out in blocks");
    }

private:
    size_t Room() const { return FLayout.BlockSize - HlpTopicBlockHeaderSize; }

    // Unpacked blocks hold the same number of bytes each.
    TLayout Uniform() const {
        TLayout L;
        for (size_t at = 0; at < FTotal || L.BlockStart.empty(); at += Room()) L.BlockStart.push_back(at);
        return L;
    }

    // What a topic position counts per block: a version 3.0 file's positions are places in |TOPIC.
    uint32_t PosBlock() const { return FLayout.Version30 ? uint32_t(FLayout.BlockSize) : HlpTopicPosBlock; }

    size_t BlockOf(const TLayout& L, size_t Record) const {
        return size_t(std::upper_bound(L.BlockStart.begin(), L.BlockStart.end(), FStart[Record]) - L.BlockStart.begin()) - 1;
    }
    uint32_t Pos(const TLayout& L, size_t Record) const {
        size_t b = BlockOf(L, Record);
        return uint32_t(b * PosBlock() + HlpTopicBlockHeaderSize + (FStart[Record] - L.BlockStart[b]));
    }

    TLayout Lay(const TLayout& Old, bool Safe) const {
        const std::string stream = Stream(Old);
        TLayout L;
        for (size_t start = 0; start < FTotal;) {
            L.BlockStart.push_back(start);
            std::string packed;
            size_t taken = LzPack(stream, start, HlpMaxBlockData, Room() - Spare, packed);
            if (Safe && start + taken < FTotal) {
                // The last record that begins inside, unless it is the block's first.
                size_t r = size_t(std::upper_bound(FStart.begin(), FStart.end(), start + taken) - FStart.begin()) - 1;
                if (FStart[r] > start) taken = FStart[r] - start;
            }
            start += taken;
        }
        if (L.BlockStart.empty()) L.BlockStart.push_back(0);
        return L;
    }

    std::string Stream(const TLayout& L) const {
        const std::vector<uint32_t> offsets = TopicOffsets(L);
        std::string out;
        out.reserve(FTotal);
        for (size_t i = 0; i < FRecords.size(); ++i) out += Bytes(L, offsets, i);
        return out;
    }

    // Topic offsets: the block a record begins in, and the characters of the records before it
    // that begin in that block.
    std::vector<uint32_t> TopicOffsets(const TLayout& L) const {
        std::vector<uint32_t> offsets;
        if (FLayout.Version30) {  // numbers
            for (size_t t = 0; t < FHeaders.size(); ++t) offsets.push_back(uint32_t(t));
            return offsets;
        }
        size_t block = 0;
        uint32_t counted = 0;
        for (size_t i = 0; i < FRecords.size(); ++i) {
            size_t b = BlockOf(L, i);
            if (b != block) block = b, counted = 0;
            if (FRecords[i].Type == HlpTopicHeaderRecord) offsets.push_back(uint32_t(block) * HlpTopicOffsetBlock + counted);
            else counted += FRecords[i].Size2;
        }
        return offsets;
    }

    std::string Bytes(const TLayout& L, const std::vector<uint32_t>& Offsets, size_t I) const {
        const TRecord& r = FRecords[I];
        std::string out;
        const bool v30 = FLayout.Version30;
        PutU32(out, uint32_t(RecordSize(r)));
        PutU32(out, r.Size2);
        // Version 3.0 names the records before and after by their distance.
        PutU32(out, I == 0 ? NoPos : v30 ? Pos(L, I) - Pos(L, I - 1) : Pos(L, I - 1));
        PutU32(out, I + 1 == FRecords.size() ? NoPos : v30 ? Pos(L, I + 1) - Pos(L, I) : Pos(L, I + 1));
        PutU32(out, uint32_t(HlpTopicLinkHeaderSize + r.Data1.size()));
        PutU8(out, r.Type);
        if (r.Type != HlpTopicHeaderRecord) return out + r.Data1 + r.Stored;
        const size_t t = r.Topic;
        const bool last = t == FTopicCount;
        const size_t end = last ? FRecords.size() : FHeaders[t + 1];
        uint32_t contentSize = 0;
        for (size_t i = I + 1; i < end; ++i) contentSize += uint32_t(RecordSize(FRecords[i]));
        PutU32(out, contentSize);
        if (v30) {  // the topics before and after by number
            PutU16(out, t == 0 || last ? 0xFFFF : unsigned(t - 1)), PutU16(out, 0);
            PutU16(out, t + 1 >= FTopicCount ? 0xFFFF : unsigned(t + 1)), PutU16(out, 0);
            return out + r.Stored;
        }
        PutU32(out, t == 0 || last ? NoPos : Offsets[t - 1]);
        PutU32(out, t + 1 >= FTopicCount ? NoPos : Offsets[t + 1]);
        PutU32(out, uint32_t(t));
        // The non-scrolling region: from the first record up to the first of the scrolling text.
        size_t scroll = I + 1;
        while (!last && scroll < end && FRecords[scroll].Paragraph < FNonScrolling[t]) ++scroll;
        PutU32(out, !last && FNonScrolling[t] > 0 ? Pos(L, I + 1) : NoPos);
        PutU32(out, scroll < end ? Pos(L, scroll) : NoPos);
        PutU32(out, last ? NoPos : Pos(L, FHeaders[t + 1]));
        return out + r.Stored;
    }

    // The block headers name the first record that begins in each block, the last one before it
    // and the last topic header before it.
    std::optional<THlpTopicImage> Emit(const TLayout& L) const {
        THlpTopicImage image;
        const std::vector<uint32_t> offsets = TopicOffsets(L);
        image.TopicOffsets.assign(offsets.begin(), offsets.end() - 1);  // less the closing header's
        for (size_t t = 0; t < FTopicCount; ++t) image.TopicPositions.push_back(Pos(L, FHeaders[t]));
        const std::string stream = Stream(L);
        size_t record = 0;
        uint32_t lastHeader = 0;
        for (size_t b = 0; b < L.BlockStart.size(); ++b) {
            const size_t start = L.BlockStart[b], end = b + 1 < L.BlockStart.size() ? L.BlockStart[b + 1] : FTotal;
            const size_t before = record;
            while (record < FRecords.size() && FStart[record] < end) ++record;
            std::string& out = image.Bytes;
            PutU32(out, before == 0 ? NoPos : Pos(L, before - 1));
            PutU32(out, before < record ? Pos(L, before) : NoPos);
            PutU32(out, lastHeader);
            for (size_t i = before; i < record; ++i)
                if (FRecords[i].Type == HlpTopicHeaderRecord) lastHeader = Pos(L, i);
            std::string data;
            if (FLayout.Compress) {
                // Padding expands to bytes of its own: a block whose last record goes on in the
                // next one must expand to its part exactly, padding and all.
                const bool crossing = record > 0 && end < FTotal && FStart[record - 1] + RecordSize(FRecords[record - 1]) > end;
                if (!(crossing ? PackExactly(stream, start, end, data)
                               : LzPack(stream, start, end - start, Room(), data) == end - start))
                    return std::nullopt;
            } else {
                data = stream.substr(start, end - start);
            }
            if (b + 1 < L.BlockStart.size()) data.resize(Room(), '\0');
            out += data;
        }
        return image;
    }

    bool ExpandsTo(const std::string& Packed, std::string_view Part) const {
        std::string padded = Packed;
        padded.resize(Room(), '\0');
        return LzExpand(padded, HlpMaxBlockData) == Part;
    }

    // Packs the part so that the whole block expands to it: packed as well as it goes, then with
    // as many leading literals as make it fill the block to the brim.
    bool PackExactly(const std::string& Stream, size_t Start, size_t End, std::string& Out) const {
        const std::string_view part = std::string_view(Stream).substr(Start, End - Start);
        auto pack = [&](size_t Plain) {
            std::string out;
            return LzPack(Stream, Start, End - Start, Room() + 64, out, Plain) == End - Start ? out : std::string(Room() + 64, '\0');
        };
        Out = pack(0);
        if (Out.size() > Room()) return false;
        if (ExpandsTo(Out, part)) return true;
        // The fewest leading literals that fill the block, then a few more for an exact fit.
        size_t low = 0, high = part.size();
        while (high - low > 1) {
            size_t mid = (low + high) / 2;
            if (pack(mid).size() >= Room() - 1) high = mid;
            else low = mid;
        }
        for (size_t plain = high > 8 ? high - 8 : 0; plain <= std::min(part.size(), high + 24); ++plain) {
            Out = pack(plain);
            if (Out.size() <= Room() && ExpandsTo(Out, part)) return true;
        }
        return false;
    }

    THlpTopicLayout FLayout;
    size_t FTopicCount;
    std::vector<TRecord> FRecords;
    std::vector<size_t> FHeaders;  // record index of each topic's header, the closing one last
    std::vector<size_t> FNonScrolling;  // per topic
    std::vector<size_t> FStart;    // where each record begins in the stream of all records
    std::map<uint32_t, uint32_t> FNumbers;  // version 3.0: topic number by context string hash
    size_t FTotal = 0;
};

}  // namespace

THlpTopicImage BuildTopicFile(const std::vector<THlpSourceTopic>& Topics, const THlpTopicLayout& Layout,
                              const std::vector<THlpFont>& Fonts, const THlpPhraseWriter* Phrases) {
    return TTopicLayouter(Topics, Layout, Fonts, Phrases).Build();
}

}  // namespace qm
