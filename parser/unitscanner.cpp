// The scanner half of TUnitParser: direct indexing into the file's bytes, line counting,
// and skipping of blanks, comments and string literals.
#include <array>
#include <cstdint>
#include <cstring>

#include "asciitext.h"
#include "charclasses.h"
#include "unitparser.h"

namespace qm {

using namespace scanner;


void TUnitParser::StreamNotActive() {
    throw EUnitParserError("Internal Error: Stream not active", ParserStreamNotActive,
                           "Stream not active");
}

void TUnitParser::EndOfStream() { throw EEndOfStream(); }

// Lines may end in CR LF, CR or a lone LF, and all three give the same lines: a lone LF reads
// as CR. Every read consumes the LF of a CR LF pair with its CR, so the position never rests
// on such an LF, and any LF found at the position is a lone one.
void TUnitParser::OpenStream(std::string Text) {
    Stream = std::make_unique<std::string>(std::move(Text));
    const std::string_view bytes = WithoutByteOrderMark(*Stream);
    FPos = bytes.data();
    FEnd = FPos + bytes.size();
    Line = 1;
}

void TUnitParser::CloseStream() {
    // The token's bytes live in the stream: make both texts before the stream goes.
    Token();
    TokenUpper();
    FToken = FTokenText;
    Stream.reset();
    FPos = FEnd = nullptr;
    FFiles.clear();
    FIncludeTexts.clear();
    FClassDepth = 0;
    FConditions.clear();
    FDefines.clear();
    FModeTarget = nullptr;
    FSwitches.clear();
    FMacrosOn = false;
    FNestedComments = false;
    FMacroCount = 0;
    FExpansions.clear();
    FPendingName = {};
}

// The end of the bytes being read: the end of the stream, unless an include file ends there and
// its including file goes on (then the caller stops at the end of the include file's bytes, and
// the next SkipBlanks returns to the including file).
void TUnitParser::EndOfData() {
    if (FFiles.size() < 2) EndOfStream();
}

char TUnitParser::PeekChar() {
    CheckStream();
    if (FPos >= FEnd) {
        EndOfData();
        return 0;
    }
    return *FPos == '\n' ? '\r' : *FPos;
}

char TUnitParser::PeekNextChar() {
    CheckStream();
    if (FEnd - FPos < 2) {
        EndOfData();
        return 0;
    }
    return FPos[1] == '\n' && FPos[0] != '\r' ? '\r' : FPos[1];
}

char TUnitParser::ReadChar() {
    CheckStream();
    if (FPos >= FEnd) throw EReadError();
    char c = *FPos++;
    if (c == '\r' || c == '\n') {
        ++Line;
        if (FPos >= FEnd) {  // the lookahead for the LF of a pair
            EndOfData();
            return '\r';
        }
        if (c == '\r' && *FPos == '\n') ++FPos;
        c = '\r';
    }
    return c;
}

// Consumes bytes up to and including the next Stop, exactly as calling ReadChar until it
// returns Stop would, but finds Stop with memchr and counts the line ends in between.
void TUnitParser::ReadCharsUntil(char Stop) {
    const char* hit = static_cast<const char*>(std::memchr(FPos, Stop, size_t(FEnd - FPos)));
    if (!hit) {
        // Runs into the end of the data: ReadChar raises the stream read error there, or the
        // end-of-stream signal when the last byte ends a line.
        while (ReadChar() != Stop) {
        }
        return;
    }
    // The first byte is never the LF of a pair: the position never rests on one. The loop
    // compares each byte with the one before, not with a carried value, so that it vectorises.
    int lines = 0;
    if (FPos < hit) lines = (*FPos == '\r') | (*FPos == '\n');
    for (const char* p = FPos + 1; p < hit; ++p) lines += (*p == '\r') | (*p == '\n' && p[-1] != '\r');
    Line += lines;
    FPos = hit;
    ReadChar();
}

// A "//" comment runs to the end of its line; one that runs to the end of the file ends the
// parse normally.
void TUnitParser::SkipLineComment() {
    const char* p = FPos;
    while (p < FEnd && *p != '\r' && *p != '\n') ++p;
    FPos = p;
    if (p == FEnd) EndOfData();
    else ReadChar();
}

void TUnitParser::SkipBlanks() {
    CheckStream();
    SkipBlanksUnchecked();
}

// Blanks and line ends are handled here, with the position in a local so that the compiler keeps
// it in a register, and indentation taken eight blanks at a time; comments and literals in
// SkipComment. A line end is read as ReadChar reads it; the end of the data after it is met at
// the top of the loop.
inline void TUnitParser::SkipBlanksUnchecked() {
    constexpr uint64_t EightBlanks = 0x2020202020202020ull;
    for (;;) {
        const char* p = FPos;
        const char* const end = FEnd;
        int lines = 0;
        for (;;) {
            while (end - p >= 8 && std::memcmp(p, &EightBlanks, 8) == 0) p += 8;
            if (p >= end) break;
            const char c = *p;
            const unsigned char kind = ClassOf(c);
            if (kind & Blank) {
                ++p;
            } else if (kind & LineEnd) {
                ++lines;
                ++p;
                if (c == '\r' && p < end && *p == '\n') ++p;
            } else {
                break;
            }
        }
        FPos = p;
        Line += lines;
        if (p >= end) {
            if (!CloseInclude()) EndOfStream();
            continue;
        }
        if (ClassOf(*p) & (IdentStart | Plain) || !SkipComment(*p)) return;
    }
}

// Skips the comment or string literal that starts at the current byte C; false when none does.
bool TUnitParser::SkipComment(char C) {
    switch (C) {
        case '\'':  // string literal; a doubled quote reads as two adjacent literals
            ++FPos;
            ReadCharsUntil('\'');
            return true;
        case '{':
            if (FModern && FEnd - FPos > 1 && FPos[1] == '$') {
                ReadDirective();
                return true;
            }
            SkipBraceComment();
            return true;
        case '(':
            if (PeekNextChar() != '*') return false;
            FPos += 2;
            do ReadCharsUntil('*');
            while (PeekChar() != ')');
            ++FPos;
            return true;
        case '/':
            if (PeekNextChar() != '/') return false;
            SkipLineComment();
            return true;
        default:
            return false;
    }
}

// At "{": to the "}" that closes it, or, where comments nest, the one that closes them all.
void TUnitParser::SkipBraceComment() {
    ++FPos;
    if (!FNestedComments) {
        ReadCharsUntil('}');
        return;
    }
    for (int depth = 1; depth > 0;) {
        const char c = ReadChar();
        if (c == '{') ++depth;
        else if (c == '}') --depth;
    }
}

void TUnitParser::SkipBalanced(char Open, char Close) {
    int depth = 1;
    do {
        SkipBlanks();
        char c = ReadChar();
        if (c == Close) --depth;
        else if (c == Open) ++depth;
    } while (depth > 0);
}

std::string_view TUnitParser::ScanIdent() {
    SkipBlanksUnchecked();
    const char* start = FPos;
    if (!IsIdentStart(*start)) return {};
    const char* p = start + 1;
    while (p < FEnd && IsIdentCont(*p)) ++p;
    FPos = p;
    if (size_t(p - start) > MaxIdentifierLength) [[unlikely]]
        SyntaxError(IdentifierTooLong);
    if (FMacroCount > 0 && FMacrosOn) [[unlikely]]
        if (ExpandMacro({start, size_t(p - start)})) return ScanIdent();
    if (p >= FEnd) EndOfData();  // the peek after the last byte
    return {start, size_t(p - start)};
}

std::string TUnitParser::ReadIdent() {
    CheckStream();
    return std::string(ScanIdent());
}

std::string_view TUnitParser::ReadSymbols() {
    CheckStream();
    FSymbols.clear();
    for (;;) {
        SkipBlanksUnchecked();
        if (IsIdentStart(*FPos)) return FSymbols;
        if (ClassOf(*FPos) & Plain) {
            const char* p = FPos + 1;
            while (p < FEnd && (ClassOf(*p) & Plain)) ++p;
            FSymbols.append(FPos, p);
            FPos = p;
            continue;
        }
        char c = ReadChar();  // "(" or "/" that opens no comment
        if (c == ' ' || c == '\t') continue;
        if (c == '\r') return FSymbols;
        FSymbols += c;
    }
}

void TUnitParser::SetToken(std::string_view Ident) {
    FToken = Ident;
    FTokenMade = FTokenUpperMade = false;
}

void TUnitParser::SetTokenText(const std::string& Text) {
    FTokenText = FTokenUpperText = Text;
    FToken = FTokenText;
    FTokenMade = FTokenUpperMade = true;
}

const std::string& TUnitParser::Token() const {
    if (!FTokenMade) {
        FTokenText.assign(FToken);
        FTokenMade = true;
    }
    return FTokenText;
}

// Identifier bytes are ASCII letters, digits and "_"; of these only the lower-case letters have
// both bits 0x40 and 0x20 set, and clearing 0x20 upper-cases them, eight bytes at a time.
const std::string& TUnitParser::TokenUpper() const {
    if (!FTokenUpperMade) {
        const size_t n = FToken.size();
        FTokenUpperText.resize(n);
        char* u = FTokenUpperText.data();
        size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            uint64_t w;
            std::memcpy(&w, FToken.data() + i, 8);
            w &= ~((w >> 1) & w & 0x2020202020202020ull);
            std::memcpy(u + i, &w, 8);
        }
        for (; i < n; ++i) u[i] = UpperCaseOf[static_cast<unsigned char>(FToken[i])];
        FTokenUpperMade = true;
    }
    return FTokenUpperText;
}

void TUnitParser::NextToken() {
    CheckStream();
    SetToken(ScanIdent());
}

void TUnitParser::NextIdentToken() {
    CheckStream();
    std::string_view ident;
    while ((ident = ScanIdent()).empty()) ReadSymbols();
    SetToken(ident);
}

}  // namespace qm
