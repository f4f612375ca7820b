// Byte classes of the scanner and ASCII upper case as tables: one lookup per byte.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace qm::scanner {

enum : unsigned char {
    IdentStart = 1,
    IdentCont = 2,
    // A byte that a symbol run takes as it is: not part of an identifier, not a blank or line
    // end, and not the possible start of a comment or string literal.
    Plain = 4,
    Blank = 8,    // TAB and space
    LineEnd = 16, // CR and LF
};

constexpr std::array<unsigned char, 256> MakeCharClasses() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = Plain;
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = IdentStart | IdentCont;
    t['_'] = IdentStart | IdentCont;
    for (int c = '0'; c <= '9'; ++c) t[c] = IdentCont | Plain;
    for (unsigned char c : {'\'', '{', '(', '/'}) t[c] = 0;
    t[' '] = t['\t'] = Blank;
    t['\r'] = t['\n'] = LineEnd;
    return t;
}

constexpr std::array<char, 256> MakeUpperCase() {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = char(c >= 'a' && c <= 'z' ? c - 32 : c);
    return t;
}

inline constexpr auto CharClasses = MakeCharClasses();
inline constexpr auto UpperCaseOf = MakeUpperCase();

inline unsigned char ClassOf(char c) { return CharClasses[static_cast<unsigned char>(c)]; }
inline bool IsIdentStart(char c) { return ClassOf(c) & IdentStart; }
inline bool IsIdentCont(char c) { return ClassOf(c) & IdentCont; }

// Equal to an upper-case keyword without regard to ASCII case, as the upper-cased token would be.
template <size_t N>
inline bool IsKeyword(std::string_view Word, const char (&Upper)[N]) {
    if (Word.size() != N - 1) return false;
    for (size_t i = 0; i < N - 1; ++i)
        if (UpperCaseOf[static_cast<unsigned char>(Word[i])] != Upper[i]) return false;
    return true;
}

}  // namespace qm::scanner
