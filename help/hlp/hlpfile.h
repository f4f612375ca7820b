// THlpFile: a WinHelp help file (.HLP) read through its directory and indexed: its title and version, the topics
// in file order with their titles, and the topics' text with formats and jumps. Files of help
// compiler version 3.1 on are read (|SYSTEM minor version 17 and later).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "hlpphrases.h"
#include "hlptopic.h"

namespace qm {

class THlpContainer;

class THlpFile {
public:
    // Reads the parts of FileName it needs, never the whole file. The runtime's file error when it cannot be read; EDelphiHelpError
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
    THlpPhrases::TScheme PhraseScheme() const { return FPhrases.Scheme(); }

    // Topics in file order; the first is the file's contents.
    size_t TopicCount() const { return FTopics.size(); }
    const std::string& TopicTitle(size_t Index) const { return FTopics.at(Index).Title; }
    // The topic's text; EDelphiHelpError "Invalid help file %s" when its records are damaged.
    THlpTopic Topic(size_t Index) const;

    // The topic a context string (a topic id) or its hash names; -1 when the file has none.
    int FindTopic(std::string_view ContextId) const;
    int FindTopicByHash(uint32_t Hash) const;

private:
    struct TTopicEntry {
        uint32_t Pos = 0;     // of its topic header record
        uint32_t Offset = 0;  // the topic offset its context strings name
        std::string Title;
    };
    struct TLink {
        uint8_t Type = 0;
        uint32_t Next = 0;
        std::string_view Data1;  // after the record header
        std::string Data2;       // expanded
        uint16_t TextLength = 0; // characters it counts in topic offsets (display records)
    };

    [[noreturn]] void Invalid() const;
    void Load(const THlpContainer& Container);
    void ReadSystem(std::string_view System);
    void ReadFonts(std::string_view Font);
    void ReadTopicBlocks(std::string_view Topic);
    void IndexTopics(uint32_t First);
    size_t DataIndex(uint32_t TopicPos) const;
    // Text: expand the record's text (Data2); without it only the header and Data1 are read.
    TLink ReadLink(uint32_t TopicPos, bool Text) const;
    void ReadParagraphs(const TLink& Link, THlpTopic& Topic) const;

    std::string FFileName;
    std::string FTitle;
    uint16_t FMajor = 0, FMinor = 0, FFlags = 0;
    size_t FBlockSize = 4096;
    bool FCompressed = false;
    THlpPhrases FPhrases;
    std::vector<uint8_t> FFontAttributes;  // per font number
    std::string FTopicData;                // every block's data, one after another
    std::vector<size_t> FBlockStart;       // where each block's data begins in FTopicData
    std::vector<TTopicEntry> FTopics;
    std::vector<std::pair<uint32_t, size_t>> FByOffset;  // topic offset, topic index; sorted
    std::unordered_map<uint32_t, uint32_t> FContext;     // hash -> topic offset
};

}  // namespace qm
