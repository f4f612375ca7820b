// The writer's |TOPIC: one topic header record per topic and one display record per
// paragraph, laid out in blocks as the help compilers do.
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
    std::vector<uint32_t> TopicPositions; // per topic, where its header record is
};

struct THlpTopicLayout {
    bool Compress = true;    // LZ77-packed blocks
    size_t BlockSize = 4096; // as stored: 4096, or 2048 for packed blocks
    // Pictures inside the topics; else in |bmN files, numbered through the topics in order.
    bool EmbedPictures = false;
    // Help compiler 3.0's layout: blocks of 2 KB, positions by place, topics and jumps by number.
    bool Version30 = false;
};

// Phrases, when given, encode every record's text that they shorten. Topic texts are in the
// file's character set here; Fonts holds every run's font, its place the font's number.
THlpTopicImage BuildTopicFile(const std::vector<THlpSourceTopic>& Topics, const THlpTopicLayout& Layout,
                              const std::vector<THlpFont>& Fonts, const THlpPhraseWriter* Phrases);

}  // namespace qm
