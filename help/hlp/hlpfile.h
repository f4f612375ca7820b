// THlpFile: a WinHelp help file (.HLP) kept open and read through its directory: its title and
// version, its topics in file order with their titles, context strings and numbers, its keyword
// index, and each topic's text with formats and jumps, read when it is asked for. Files of help
// compiler versions 3.0 (|SYSTEM minor version 15), 3.1 (21) and 4.0 (33) are read. Text comes out as UTF-8,
// decoded from the file's character set (|SYSTEM's, or a font's own; Windows-1252 when neither
// names one).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "hlpformat.h"
#include "hlpphrases.h"
#include "hlppicture.h"
#include "hlptopic.h"

namespace qm {

class THlpContainer;
class THlpTopicBlocks;
class TReadOnlyFileStream;

struct THlpKeyword {
    std::string Keyword;
    std::vector<size_t> Topics;  // topic indexes, in the file's order
};

class THlpFile {
public:
    // Reads the directory and the small parts it needs, never the whole file, and keeps the file
    // open for the topics. The runtime's file error when it cannot be read; EDelphiHelpError
    // "Invalid help file %s" (the name as given) when its structures do not fit together.
    explicit THlpFile(const std::string& FileName);
    ~THlpFile();
    THlpFile(const THlpFile&) = delete;
    THlpFile& operator=(const THlpFile&) = delete;

    const std::string& FileName() const { return FFileName; }
    const std::string& Title() const { return FTitle; }
    uint16_t Major() const { return FMajor; }
    uint16_t Minor() const { return FMinor; }
    uint16_t Flags() const { return FFlags; }
    size_t TopicBlockSize() const { return FBlockSize; }
    bool Compressed() const { return FCompressed; }
    // The code page of the file's text (|SYSTEM's character set).
    unsigned CodePage() const { return FCodePage; }
    THlpPhrases::TScheme PhraseScheme() const { return FPhrases.Scheme(); }

    // Help compiler 3.0's layout (|SYSTEM minor version 16 or less).
    bool Version30() const { return FMinor < HlpMinorWithRecords; }

    // Topics in file order; the first is the file's contents.
    size_t TopicCount() const { return FTopics.size(); }
    const std::string& TopicTitle(size_t Index) const { return FTopics.at(Index).Title; }
    // The topic offset its context strings name; in a version 3.0 file, its topic number.
    uint32_t TopicOffset(size_t Index) const { return FTopics.at(Index).Offset; }
    // The context string the file keeps for the topic (|TopicId); empty when it keeps none.
    std::string ContextName(size_t Index) const;
    // The topic's text; EDelphiHelpError "Invalid help file %s" when its records are damaged.
    THlpTopic Topic(size_t Index) const;

    // The topic a context string (a topic id), its hash or a context number (|CTXOMAP) names;
    // -1 when the file has none.
    int FindTopic(std::string_view ContextId) const;
    int FindTopicByHash(uint32_t Hash) const;
    int FindTopicByNumber(int32_t Number) const;

    // The keyword index (|KWBTREE, |KWDATA) in its order; empty when the file has none.
    // EDelphiHelpError "Invalid help file %s" when it is damaged.
    std::vector<THlpKeyword> Keywords() const;

    // Topic blocks read from the disk since the file was opened.
    size_t BlocksRead() const;

private:
    struct TTopicEntry {
        uint32_t Pos = 0;     // of its topic header record; 0 until it is looked for
        uint32_t Offset = 0;  // the topic offset its context strings name
        std::string Title;
    };
    struct TLink {
        uint8_t Type = 0;
        uint32_t Next = 0;
        std::string Data1;       // after the record header
        std::string Data2;       // expanded
        uint16_t TextLength = 0; // characters it counts in topic offsets (display records)
    };

    [[noreturn]] void Invalid() const;
    // Bytes in the file's character set as UTF-8.
    std::string Text(std::string_view Bytes) const;
    void Load();
    void ReadSystem(std::string_view System);
    void ReadFonts(std::string_view Font);
    void ListTopics();
    void ListTopicsByNumber();
    void WalkTopics();
    // Text: expand the record's text (Data2); without it only the header and Data1 are read.
    TLink ReadLink(uint32_t TopicPos, bool Text) const;
    // The topic header at or before the topic offset Offset: its position and its offset.
    std::pair<uint32_t, uint32_t> LocateOffset(uint32_t Offset) const;
    uint32_t HeaderOffset(uint32_t HeaderPos) const;
    // Each offset's topic is looked for once.
    int TopicAtOffset(uint32_t Offset) const;
    int FindTopicAtOffset(uint32_t Offset) const;
    // The picture of |bmN, decoded once while it is among the last few asked for.
    THlpPicture Bitmap(int Number) const;

    std::string FFileName;
    std::unique_ptr<TReadOnlyFileStream> FStream;
    std::unique_ptr<THlpContainer> FContainer;
    std::unique_ptr<THlpTopicBlocks> FBlocks;
    std::string FTitle;
    uint16_t FMajor = 0, FMinor = 0, FFlags = 0;
    size_t FBlockSize = 4096;
    bool FCompressed = false;
    THlpPhrases FPhrases;
    std::vector<THlpFont> FFonts;  // per font number
    unsigned FCodePage = 1252;
    // Topics found from a context that the title list does not hold are added at the end.
    mutable std::vector<TTopicEntry> FTopics;
    mutable std::vector<std::pair<uint32_t, size_t>> FByOffset;  // topic offset, topic index; sorted
    std::unordered_map<uint32_t, uint32_t> FContext;             // hash -> topic offset
    std::unordered_map<int32_t, uint32_t> FNumbers;              // context number -> topic offset
    std::unordered_map<uint32_t, uint32_t> FHashOfNumber;        // version 3.0: topic number -> hash
    std::map<uint32_t, std::string> FTopicIds;                   // topic offset -> context string
    mutable std::unordered_map<uint32_t, int> FAtOffset;         // topic offset -> topic index
    mutable std::map<int, THlpPicture> FBitmaps;
};

}  // namespace qm
