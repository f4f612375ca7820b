// TDelphiHelp: reads Delphi's help keyword index (DELPHI.HDX), finds the first keyword that
// begins with a word and has the help viewer open that entry's topic.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "filestream.h"
#include "hdxwriter.h"
#include "helperror.h"
#include "helpviewer.h"

namespace qm {

class TDelphiHelp {
public:
    // RootDir is Delphi's installation directory ("RootDir" of its registry key), empty when
    // Delphi is not installed. The viewer must outlive the object.
    TDelphiHelp(const std::string& RootDir, THelpViewer& Viewer);

    // Reads header and key area once; the file stays open for the lookups.
    void LoadIndex();
    // Finds the first entry of Word and, when there is one, shows its topic.
    void Lookup(std::string_view Word);
    // Lookup without showing: true when an entry was found (LastTopic and the rest describe it).
    bool FindEntry(std::string_view Word);
    // Opens the help file of the last entry found and jumps to its topic.
    void ShowTopic();
    // Every keyword of the index, all blocks in file order.
    std::vector<std::string> Keywords();
    // Every entry of the index, all blocks in file order.
    std::vector<THdxKeyword> Entries();
    // The help file name of the last entry read; EListIndexError when the index has no such name.
    const std::string& HelpFileName() const;

    const std::string& IndexFile() const { return FIndexFile; }
    void SetIndexFile(std::string Value) { FIndexFile = std::move(Value); }
    const std::string& HelpDir() const { return FHelpDir; }
    void SetHelpDir(std::string Value) { FHelpDir = std::move(Value); }
    bool Shown() const { return FShown; }
    // The help request clears it before deciding whether to look up at all.
    void SetShown(bool Value) { FShown = Value; }
    THelpViewer& Viewer() const { return FViewer; }

    bool Loaded() const { return FLoaded; }
    const std::vector<std::string>& HelpFileNames() const { return FHelpFileNames; }
    const std::vector<std::string>& BlockKeys() const { return FBlockKeys; }
    uint16_t BlockBase() const { return FBlockBase; }
    int BlockSize() const { return FBlockSize; }
    const std::string& LastTopic() const { return FLastTopic; }
    const std::string& TopicID() const { return FTopicID; }
    int FileIndex() const { return FFileIndex; }
    // The block the last entry found lies in; -1 when none was found.
    int LastBlock() const { return FLastBlock; }

private:
    bool ScanBlock(size_t Block, std::string_view Word);
    std::string_view ReadBlock(size_t Block);

    THelpViewer& FViewer;
    std::unique_ptr<TReadOnlyFileStream> FStream;
    bool FShown = false;
    std::string FIndexFile;
    std::string FHelpDir;
    std::vector<std::string> FHelpFileNames;
    std::vector<std::string> FBlockKeys;
    bool FLoaded = false;
    uint16_t FBlockBase = 0;
    int FBlockSize = 0;
    std::string FLastTopic;
    std::string FTopicID;
    int FFileIndex = 0;
    int FLastBlock = -1;
    std::string FBlock;  // the block being read, kept to spare an allocation per lookup
};

}  // namespace qm
