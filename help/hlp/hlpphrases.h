// The phrase tables that shorten the text of topic records: the older |Phrases (a byte 1 to 9
// and the next byte name a phrase, the odd codes with a space after it) and the newer
// |PhrIndex/|PhrImage pair (codes of one to two bytes for phrases, runs of literals, spaces and
// zero bytes).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

class THlpPhrases {
public:
    enum class TScheme { None, Phrases, Hall };

    // |Phrases; its text is LZ77-packed (after a size field) when the file's blocks are.
    void LoadPhrases(std::string_view File, bool Packed);
    void LoadHall(std::string_view Index, std::string_view Image);

    TScheme Scheme() const { return FScheme; }
    size_t Count() const { return FStarts.empty() ? 0 : FStarts.size() - 1; }
    std::string_view Phrase(size_t Index) const;

    // The text a record stores as Stored, at most Size bytes of it (its announced size).
    // Codes that name a missing phrase or end early raise THlpDamage.
    std::string Expand(std::string_view Stored, size_t Size) const;

private:
    void SetText(std::string Text, std::vector<size_t> Starts);

    TScheme FScheme = TScheme::None;
    std::string FText;
    std::vector<size_t> FStarts;  // phrase i is FText[FStarts[i], FStarts[i + 1])
};

}  // namespace qm
