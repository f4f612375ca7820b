// The content of one help topic as the reader gives it and the writer takes it: a title and
// paragraphs of runs of text that share one format and, for a hotspot, one jump.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

struct THlpRun {
    // Text in UTF-8; "\n" is a line break, "\t" a tab.
    std::string Text;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // A hotspot that jumps to the topic whose context string hashes to JumpHash.
    bool Jump = false;
    uint32_t JumpHash = 0;

    bool operator==(const THlpRun&) const = default;
};

struct THlpParagraph {
    std::vector<THlpRun> Runs;

    bool operator==(const THlpParagraph&) const = default;
};

struct THlpTopic {
    std::string Title;
    std::vector<THlpParagraph> Paragraphs;

    bool operator==(const THlpTopic&) const = default;
};

// The topic's text without formats: one line per paragraph, a jump as its text.
std::string PlainText(const THlpTopic& Topic);

}  // namespace qm
