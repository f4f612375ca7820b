// Keyword tests shared by both dialects of the unit parser.
#pragma once

#include <cstring>
#include <string_view>

#include "charclasses.h"
#include "unitparser.h"

namespace qm::keywords {

using scanner::IsKeyword;

// Exact comparison with a keyword or symbol literal; the constant length lets the compiler
// compare inline, which matters on the main loop's path taken for every identifier.
template <size_t N>
inline bool Is(std::string_view Word, const char (&Literal)[N]) {
    return Word.size() == N - 1 && std::memcmp(Word.data(), Literal, N - 1) == 0;
}

inline bool IsRoutineKeyword(std::string_view Word) {
    return IsKeyword(Word, "PROCEDURE") || IsKeyword(Word, "FUNCTION") || IsKeyword(Word, "CONSTRUCTOR") ||
           IsKeyword(Word, "DESTRUCTOR");
}

// The visibility a section keyword sets, or 0 for any other word.
inline int VisibilityOf(std::string_view Word) {
    if (IsKeyword(Word, "PUBLISHED")) return VisPublished;
    if (IsKeyword(Word, "PUBLIC")) return VisPublic;
    if (IsKeyword(Word, "PROTECTED")) return VisProtected;
    if (IsKeyword(Word, "PRIVATE")) return VisPrivate;
    if (IsKeyword(Word, "AUTOMATED")) return VisAutomated;
    return 0;
}

// A name without the "&" (or "&&") that lets it be spelled like a keyword.
inline std::string_view Bare(std::string_view Name) {
    while (!Name.empty() && Name[0] == '&') Name.remove_prefix(1);
    return Name;
}

}  // namespace qm::keywords
