// The scan keeps to the lexical rules that matter for finding words: braces, (* *) and //
// comments, quoted strings (with '' inside), and identifiers with dots between their parts.
#include "unitheading.h"

#include <array>

#include "asciitext.h"

namespace qm {

namespace {

// Every word of a unit passes through here: byte classes by table.
constexpr std::array<unsigned char, 256> WordClasses = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = 3;
    t['_'] = t['&'] = 3;
    for (int c = '0'; c <= '9'; ++c) t[c] = 2;
    return t;
}();
bool IdentStart(char C) { return WordClasses[static_cast<unsigned char>(C)] & 1; }
bool IdentChar(char C) { return WordClasses[static_cast<unsigned char>(C)] & 2; }

class TWords {
public:
    explicit TWords(std::string_view Text) : FText(Text) {}

    // The next identifier or punctuation character; empty at the end of the text.
    std::string_view Next() {
        for (;;) {
            SkipBlanks();
            if (FAt >= FText.size()) return {};
            const char c = FText[FAt];
            if (c == '{') {
                Skip("}", 1);
            } else if (c == '(' && Peek(1) == '*') {
                Skip("*)", 2);
            } else if (c == '/' && Peek(1) == '/') {
                Skip("\n", 2);
            } else if (c == '\'') {
                const size_t from = FAt;
                do Skip("'", 1);  // '' inside a string starts the next part of it
                while (FAt < FText.size() && FText[FAt] == '\'');
                return FText.substr(from, FAt - from);
            } else if (IdentStart(c)) {
                const size_t from = FAt;
                for (;;) {
                    while (FAt < FText.size() && IdentChar(FText[FAt])) ++FAt;
                    if (FAt >= FText.size() || FText[FAt] != '.' || !IdentStart(Peek(1))) break;
                    ++FAt;
                }
                return FText.substr(from, FAt - from);
            } else {
                return FText.substr(FAt++, 1);
            }
        }
    }

private:
    char Peek(size_t Ahead) const { return FAt + Ahead < FText.size() ? FText[FAt + Ahead] : '\0'; }
    void SkipBlanks() {
        while (FAt < FText.size() && static_cast<unsigned char>(FText[FAt]) <= ' ') ++FAt;
    }
    // Past the opening of Open characters and up to and past End (or to the end of the text).
    void Skip(std::string_view End, size_t Open) {
        const size_t close = FText.find(End, FAt + Open);
        FAt = close == std::string_view::npos ? FText.size() : close + End.size();
    }

    std::string_view FText;
    size_t FAt = 0;
};

// 'it''s' is it's.
std::string QuotedText(std::string_view Quoted) {
    std::string text;
    for (size_t i = 1; i < Quoted.size(); ++i) {
        if (Quoted[i] != '\'') text += Quoted[i];
        else if (i + 1 < Quoted.size() && Quoted[i + 1] == '\'') text += Quoted[++i];
    }
    return text;
}

}  // namespace

TUnitHeading ReadUnitHeading(std::string_view Text) {
    TUnitHeading heading;
    TWords words(WithoutByteOrderMark(Text));
    std::string_view word = words.Next();
    if (word.empty() || !IdentStart(word.front())) return heading;
    heading.Kind = UpperCase(std::string(word));
    word = words.Next();
    if (!word.empty() && IdentStart(word.front())) heading.Name = std::string(word);
    for (; !word.empty(); word = words.Next()) {
        if (!SameText(word, "USES")) continue;  // every word of the unit passes here: no copies
        // Names up to the ";", each possibly followed by "in 'file'".
        bool expectName = true;
        for (word = words.Next(); !word.empty() && word != ";"; word = words.Next()) {
            if (word == ",") {
                expectName = true;
            } else if (expectName && IdentStart(word.front())) {
                heading.Uses.push_back(UpperCase(std::string(word)));
                heading.UsesFiles.emplace_back();
                heading.UsesAsWritten.emplace_back(word);
                expectName = false;
            } else if (word.front() == '\'' && !heading.UsesFiles.empty()) {
                heading.UsesFiles.back() = QuotedText(word);
            }
        }
        if (word.empty()) break;
    }
    return heading;
}

}  // namespace qm
