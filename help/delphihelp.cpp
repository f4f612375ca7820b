// TDelphiHelp: the index header and key area are held in memory; each lookup reads one block
// (two when the word opens the next block) and scans it in place.
#include "delphihelp.h"

#include <algorithm>

#include "hdxformat.h"
#include "paths.h"

namespace qm {

namespace {

// The block keys from the key area: short strings ended by a zero byte that must be the
// area's last byte.
std::vector<std::string> ReadBlockKeys(std::string_view Area) {
    std::vector<std::string> keys;
    size_t pos = 0;
    while (pos < Area.size() && Area[pos] != 0) {
        size_t length = static_cast<uint8_t>(Area[pos]);
        if (length > Area.size() - pos - 1) InvalidHdxContents();
        keys.emplace_back(Area.substr(pos + 1, length));
        pos += 1 + length;
    }
    if (Area.empty() || pos != Area.size() - 1) InvalidHdxContents();
    return keys;
}

}  // namespace

TDelphiHelp::TDelphiHelp(const std::string& RootDir, THelpViewer& Viewer) : FViewer(Viewer) {
    // Without an installation there is nothing to probe: "\BIN\..." alone would name a
    // directory at the file system's root.
    if (RootDir.empty()) return;
    FIndexFile = RootDir + "\\BIN\\DELPHI.HDX";
    if (!FileExists(FIndexFile)) FIndexFile.clear();
    // Delphi keeps its help files in HELP; an installation may keep them beside the index.
    for (const char* Dir : {"\\HELP\\", "\\BIN\\"}) {
        FHelpDir = RootDir + Dir;
        if (FileExists(FHelpDir + "delphi.hlp")) return;
    }
    FHelpDir.clear();
}

void TDelphiHelp::LoadIndex() {
    if (FLoaded) return;
    if (FIndexFile.empty()) throw EDelphiHelpError("Undefined IndexFile property");
    FStream.reset();
    auto stream = std::make_unique<TReadOnlyFileStream>(FIndexFile);

    std::string signature(HdxSignature.size(), '\0');
    stream->ReadBuffer(signature.data(), signature.size());
    if (signature != HdxSignature) InvalidHdxContents();

    // Read into locals so that a failed attempt leaves nothing behind for the next one.
    std::vector<std::string> names(stream->ReadByte());
    for (std::string& name : names) {
        name.resize(stream->ReadByte());
        stream->ReadBuffer(name.data(), name.size());
    }
    int blockSize = stream->ReadByte() * 1024;
    uint16_t blockBase = stream->ReadWord();
    std::string area(stream->ReadWord(), '\0');
    stream->ReadBuffer(area.data(), area.size());

    FBlockKeys = ReadBlockKeys(area);
    FHelpFileNames = std::move(names);
    FBlockSize = blockSize;
    FBlockBase = blockBase;
    FStream = std::move(stream);
    FLoaded = true;
}

void TDelphiHelp::Lookup(std::string_view Word) {
    FShown = false;
    if (FindEntry(Word)) ShowTopic();
}

bool TDelphiHelp::FindEntry(std::string_view Word) {
    LoadIndex();
    FLastTopic.clear();
    FLastBlock = -1;
    auto first = std::lower_bound(
        FBlockKeys.begin(), FBlockKeys.end(), Word,
        [](const std::string& Key, std::string_view W) { return CompareText(Key, W) < 0; });
    size_t j = size_t(first - FBlockKeys.begin());
    // A word up to key J sorts after key J-1, so its entries start in block J-1. When the word
    // begins block J itself, the first keyword that begins with it opens that block.
    if (ScanBlock(j > 0 ? j - 1 : 0, Word)) return true;
    return j > 0 && j < FBlockKeys.size() && ScanBlock(j, Word);
}

bool TDelphiHelp::ScanBlock(size_t Block, std::string_view Word) {
    THdxBlockReader reader(ReadBlock(Block));
    THdxEntry entry;
    bool any = false;
    bool found = false;
    while (reader.Next(entry)) {
        any = true;
        if (StartsText(entry.Keyword, Word)) {
            found = true;
            break;
        }
    }
    if (any) {
        FTopicID.assign(entry.TopicID);
        FFileIndex = entry.FileIndex;
    }
    if (found) {
        FLastTopic.assign(entry.Keyword);
        FLastBlock = int(Block);
    }
    return found;
}

std::string_view TDelphiHelp::ReadBlock(size_t Block) {
    FBlock.resize(size_t(FBlockSize));
    FStream->Seek(uint64_t(FBlockBase) + uint64_t(Block) * uint64_t(FBlockSize));
    FStream->ReadBuffer(FBlock.data(), FBlock.size());
    return FBlock;
}

void TDelphiHelp::ShowTopic() {
    FShown = false;
    if (FHelpDir.empty()) throw EDelphiHelpError("Undefined HelpDir property");
    if (FLastTopic.empty()) return;
    std::string path = FHelpDir + HelpFileName();
    FViewer.ShowContents(path);
    FShown = FViewer.JumpToTopic(path, FTopicID);
}

const std::string& TDelphiHelp::HelpFileName() const {
    if (size_t(FFileIndex) >= FHelpFileNames.size()) throw EListIndexError(FFileIndex);
    return FHelpFileNames[size_t(FFileIndex)];
}

std::vector<std::string> TDelphiHelp::Keywords() {
    std::vector<std::string> keywords;
    for (THdxKeyword& e : Entries()) keywords.push_back(std::move(e.Keyword));
    return keywords;
}

std::vector<THdxKeyword> TDelphiHelp::Entries() {
    LoadIndex();
    std::vector<THdxKeyword> entries;
    for (size_t block = 0; block < FBlockKeys.size(); ++block) {
        THdxBlockReader reader(ReadBlock(block));
        for (THdxEntry e; reader.Next(e);)
            entries.push_back({std::string(e.Keyword), std::string(e.TopicID), std::string(e.Third), e.FileIndex});
    }
    return entries;
}

}  // namespace qm
