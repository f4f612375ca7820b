// The scanner half of TUnitParser: direct indexing into the file's bytes, line counting,
// and skipping of blanks, comments and string literals.
#include <algorithm>
#include <array>
#include <cstring>

#include "unitparser.h"

namespace qm {

namespace {

enum : unsigned char { IdentStart = 1, IdentCont = 2 };

constexpr std::array<unsigned char, 256> MakeCharClasses() {
    std::array<unsigned char, 256> t{};
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = IdentStart | IdentCont;
    t['_'] = IdentStart | IdentCont;
    for (int c = '0'; c <= '9'; ++c) t[c] = IdentCont;
    return t;
}

constexpr auto CharClasses = MakeCharClasses();

inline bool IsIdentStart(char c) { return CharClasses[static_cast<unsigned char>(c)] & IdentStart; }
inline bool IsIdentCont(char c) { return CharClasses[static_cast<unsigned char>(c)] & IdentCont; }
inline char UpCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

}  // namespace

void TUnitParser::StreamNotActive() {
    throw EUnitParserError("Internal Error: Stream not active", ParserStreamNotActive,
                           "Stream not active");
}

void TUnitParser::EndOfStream() { throw EEndOfStream(); }

// Lines may end in CR LF, CR or a lone LF. A lone LF is turned into CR here, so all three
// give the same lines; the scanner proper counts CR and drops the LF of a CR LF pair.
void TUnitParser::OpenStream(std::string Text) {
    Stream = std::make_unique<std::string>(std::move(Text));
    char* begin = Stream->data();
    char* end = begin + Stream->size();
    const char* converted = nullptr;  // the last LF made a CR: it does not pair with the next LF
    for (char* p = begin; (p = static_cast<char*>(std::memchr(p, '\n', size_t(end - p)))); ++p) {
        if (p == begin || p[-1] != '\r' || p - 1 == converted) {
            *p = '\r';
            converted = p;
        }
    }
    FPos = begin;
    FEnd = end;
    Line = 1;
}

void TUnitParser::CloseStream() {
    Stream.reset();
    FPos = FEnd = nullptr;
}

char TUnitParser::PeekChar() {
    CheckStream();
    if (FPos >= FEnd) EndOfStream();
    return *FPos;
}

char TUnitParser::PeekNextChar() {
    CheckStream();
    if (FEnd - FPos < 2) EndOfStream();
    return FPos[1];
}

char TUnitParser::ReadChar() {
    CheckStream();
    char c;
    do {
        if (FPos >= FEnd) throw EReadError();
        c = *FPos++;
    } while (c == '\n');
    if (c == '\r') {
        ++Line;
        if (PeekChar() == '\n') ++FPos;
    }
    return c;
}

// Consumes bytes up to and including the next Stop, exactly as calling ReadChar until it
// returns Stop would, but finds Stop with memchr and counts the CRs in between.
void TUnitParser::ReadCharsUntil(char Stop) {
    const char* hit = static_cast<const char*>(std::memchr(FPos, Stop, size_t(FEnd - FPos)));
    if (!hit) {
        // Runs into the end of the data: ReadChar raises the stream read error there, or the
        // end-of-stream signal when the last byte is a CR.
        while (ReadChar() != Stop) {
        }
        return;
    }
    Line += int(std::count(FPos, hit, '\r'));
    FPos = hit;
    ReadChar();
}

void TUnitParser::SkipBlanks() {
    CheckStream();
    for (;;) {
        if (FPos >= FEnd) EndOfStream();
        switch (*FPos) {
            case ' ':
            case '\t':
                ++FPos;
                break;
            case '\r':
                ReadChar();
                break;
            case '\'':  // string literal; a doubled quote reads as two adjacent literals
                ++FPos;
                ReadCharsUntil('\'');
                break;
            case '{':
                ++FPos;
                ReadCharsUntil('}');
                break;
            case '(':
                if (PeekNextChar() != '*') return;
                FPos += 2;
                do ReadCharsUntil('*');
                while (PeekChar() != ')');
                ++FPos;
                break;
            case '/':
                if (PeekNextChar() != '/') return;
                // A line comment that runs to the end of the file ends the parse normally.
                if (!std::memchr(FPos, '\r', size_t(FEnd - FPos))) EndOfStream();
                ReadCharsUntil('\r');
                break;
            default:
                return;
        }
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
    SkipBlanks();
    const char* start = FPos;
    if (!IsIdentStart(*start)) return {};
    const char* p = start + 1;
    while (p < FEnd && IsIdentCont(*p)) ++p;
    FPos = p;
    if (p >= FEnd) EndOfStream();  // the peek after the last byte
    return {start, size_t(p - start)};
}

std::string TUnitParser::ReadIdent() { return std::string(ScanIdent()); }

std::string_view TUnitParser::ReadSymbols() {
    FSymbols.clear();
    for (;;) {
        SkipBlanks();
        if (IsIdentStart(*FPos)) return FSymbols;
        char c = ReadChar();
        if (c == ' ' || c == '\t') continue;
        if (c == '\r') return FSymbols;
        FSymbols += c;
    }
}

void TUnitParser::SetToken(std::string_view Ident) {
    Token.assign(Ident);
    TokenUpper.resize(Ident.size());
    std::transform(Ident.begin(), Ident.end(), TokenUpper.begin(), UpCase);
}

void TUnitParser::NextToken() { SetToken(ScanIdent()); }

void TUnitParser::NextIdentToken() {
    std::string_view ident;
    while ((ident = ScanIdent()).empty()) ReadSymbols();
    SetToken(ident);
}

}  // namespace qm
