// The writer's phrase tables: choosing the phrases of a set of texts, the internal files that
// hold them, and the codes that stand for them in a record's text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hlpphrases.h"

namespace qm {

class THlpPhraseWriter {
public:
    // Picks the words of Texts whose replacement saves most, as many as Scheme can name.
    THlpPhraseWriter(THlpPhrases::TScheme Scheme, const std::vector<std::string_view>& Texts);

    // The internal files (name, bytes) of the table; Packed: the phrase text is LZ77-packed.
    std::vector<std::pair<std::string, std::string>> Files(bool Packed) const;
    THlpPhrases::TScheme Scheme() const { return FScheme; }
    // Text with the table's codes; the reader's Expand gives Text back.
    std::string Encode(std::string_view Text) const;

private:
    size_t Match(std::string_view Text, size_t At) const;  // phrase index + 1, or 0

    THlpPhrases::TScheme FScheme;
    std::vector<std::string> FPhrases;
    std::vector<std::vector<size_t>> FByFirst;  // phrase indexes by first byte, longest first
};

}  // namespace qm
