// The writer's |TOPIC: one topic header record per topic and one display record per
// paragraph, laid out in blocks so that no record crosses a block's end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hlpwriter.h"

namespace qm {

class THlpPhraseWriter;

struct THlpTopicImage {
    std::string Bytes;                    // the internal file
    std::vector<uint32_t> TopicOffsets;   // per topic, what its context string names
};

// Phrases, when given, encode every record's text that they shorten.
THlpTopicImage BuildTopicFile(const std::vector<THlpSourceTopic>& Topics, bool Compress,
                              const THlpPhraseWriter* Phrases);

}  // namespace qm
