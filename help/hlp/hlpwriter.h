// Writes WinHelp help files (.HLP) that THlpFile reads: for the sample installation's help
// (through qm_hlpgen), for tests that need files of every kind, damaged ones included, and for
// the benchmark. Version 3.1 layout (|SYSTEM minor 21).
#pragma once

#include <string>
#include <vector>

#include "hlpphrases.h"
#include "hlptopic.h"

namespace qm {

struct THlpSourceTopic {
    std::string ContextId;  // the topic id that jumps and look-ups name it by
    THlpTopic Topic;        // a run's JumpHash is ContextHash of the target's ContextId
};

struct THlpWriteOptions {
    std::string Title;
    // LZ77-packed topic blocks (and phrase text), as |SYSTEM flags 4 say.
    bool Compress = true;
    THlpPhrases::TScheme Phrases = THlpPhrases::TScheme::Phrases;
    // |CONTEXT sorted by hash as unsigned numbers instead of signed ones, as some writers do.
    bool UnsignedHashOrder = false;
};

// The whole file, topics in the order given (the first is the contents). Raises Exception with
// the reason when a text holds a control character other than line break and tab, when two
// context strings share a hash, or when one paragraph does not fit a topic block.
std::string BuildHlp(const std::vector<THlpSourceTopic>& Topics, const THlpWriteOptions& Options);

}  // namespace qm
