// Help text to UTF-8 and back: Windows-1252 by its table, any other code page through the system.
#include "hlpcharset.h"

#include <cstdint>

#include "codepage.h"
#include "windows1252.h"

namespace qm {

namespace {

void PutUtf8(std::string& Out, char32_t C) {
    if (C < 0x80) {
        Out += char(C);
    } else if (C < 0x800) {
        Out += char(0xC0 | (C >> 6));
        Out += char(0x80 | (C & 0x3F));
    } else {
        Out += char(0xE0 | (C >> 12));
        Out += char(0x80 | ((C >> 6) & 0x3F));
        Out += char(0x80 | (C & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view Text) {
    std::string out;
    out.reserve(Text.size() + Text.size() / 8);
    // Mostly plain ASCII: copied a stretch at a time.
    for (size_t i = 0; i < Text.size();) {
        size_t plain = i;
        while (plain < Text.size() && uint8_t(Text[plain]) < 0x80) ++plain;
        out.append(Text.substr(i, plain - i));
        if (plain < Text.size()) PutUtf8(out, Windows1252Char(uint8_t(Text[plain++])));
        i = plain;
    }
    return out;
}

bool Utf8ToCp1252(std::string_view Text, std::string& Out) {
    Out.clear();
    for (size_t i = 0; i < Text.size();) {
        uint8_t b = uint8_t(Text[i]);
        char32_t c;
        size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 0;
        if (length == 0 || i + length > Text.size()) return false;
        c = length == 1 ? b : length == 2 ? b & 0x1F : b & 0x0F;
        for (size_t k = 1; k < length; ++k) {
            uint8_t n = uint8_t(Text[i + k]);
            if ((n & 0xC0) != 0x80) return false;
            c = c << 6 | (n & 0x3F);
        }
        i += length;
        if ((length == 2 && c < 0x80) || (length == 3 && c < 0x800)) return false;  // a longer spelling
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            Out += char(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k)
            if (Windows1252Char(uint8_t(0x80 + k)) == c) found = k;
        if (found < 0) return false;
        Out += char(0x80 + found);
    }
    return true;
}

unsigned CodePageOfCharset(uint8_t Charset) {
    switch (Charset) {
        case 77: return 10000;  // Macintosh
        case 128: return 932;   // Shift JIS
        case 129: return 949;   // Hangul
        case 130: return 1361;  // Johab
        case 134: return 936;   // GB2312
        case 136: return 950;   // Big5
        case 161: return 1253;  // Greek
        case 162: return 1254;  // Turkish
        case 163: return 1258;  // Vietnamese
        case 177: return 1255;  // Hebrew
        case 178: return 1256;  // Arabic
        case 186: return 1257;  // Baltic
        case 204: return 1251;  // Cyrillic
        case 222: return 874;   // Thai
        case 238: return 1250;  // Central European
        case 255: return 437;   // OEM
        default: return Cp1252;
    }
}

std::string HelpTextToUtf8(std::string_view Text, unsigned CodePage) {
    std::string out;
    if (CodePage == Cp1252 || !CodePageToUtf8(CodePage, Text, out)) return Cp1252ToUtf8(Text);
    return out;
}

bool Utf8ToHelpText(std::string_view Text, unsigned CodePage, std::string& Out) {
    return CodePage == Cp1252 ? Utf8ToCp1252(Text, Out) : Utf8ToCodePage(CodePage, Text, Out);
}

}  // namespace qm
