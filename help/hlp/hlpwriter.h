// Writes WinHelp help files (.HLP) that THlpFile reads: for the sample installation's help
// (through qm_hlpgen), for tests that need files of every kind, damaged ones included, and for
// the benchmark, in the layouts of help compilers 3.0, 3.1 and 4.0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hlpphrases.h"
#include "hlptopic.h"

namespace qm {

struct THlpSourceTopic {
    std::string ContextId;  // the topic id that jumps and look-ups name it by
    THlpTopic Topic;        // a run's JumpHash is ContextHash of the target's ContextId
    std::vector<std::string> Keywords;  // its entries in the file's keyword index
    std::optional<int32_t> ContextNumber;  // its number for look-ups by number (|CTXOMAP)
};

struct THlpWriteOptions {
    std::string Title;
    // LZ77-packed topic blocks (and phrase text), as |SYSTEM flags 4 say.
    bool Compress = true;
    THlpPhrases::TScheme Phrases = THlpPhrases::TScheme::Phrases;
    // |CONTEXT sorted by hash as unsigned numbers instead of signed ones, as some writers do.
    bool UnsignedHashOrder = false;
    // |SYSTEM minor version: 15 (help compiler 3.0: unpacked, plain fonts, no tables, heading
    // regions or jumps into other files), 21 (3.1) or 33 (4.0).
    uint16_t Minor = 21;
    // Packed topic blocks of 2 KB (|SYSTEM flags 8) instead of 4 KB.
    bool SmallBlocks = false;
    // Keep each topic's context string by its topic offset (|TopicId).
    bool TopicIds = false;
    // The layout of |FONT's descriptors: 0 the first (help compiler 3.1), 1 and 2 the later ones.
    int FontLayout = 0;
    // Pictures inside the topics' records instead of in |bmN files.
    bool EmbedPictures = false;
    // The Windows character set of the file's text (version 4.0 files): 0 is Windows-1252. A
    // run's own Charset is its font's, written in the later font layouts.
    uint8_t Charset = 0;
};

// The whole file, topics in the order given (the first is the contents); texts in UTF-8, written
// in the file's character set. Raises Exception with the reason when a text holds a control character other
// than line break and tab or a character its character set does not have, when two context strings
// share a hash, or when one paragraph does not fit a topic block.
std::string BuildHlp(const std::vector<THlpSourceTopic>& Topics, const THlpWriteOptions& Options);

}  // namespace qm
