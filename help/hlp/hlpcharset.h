// The character sets of help files and UTF-8: the reader decodes a topic's text once, the writer
// encodes it back, so that both sides speak Unicode. Files of the time are mostly Windows-1252;
// |SYSTEM and the newest font descriptors may name another Windows character set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Every byte has a character: the five codes Windows-1252 leaves free stand for themselves.
std::string Cp1252ToUtf8(std::string_view Text);

// The bytes of a UTF-8 text in Windows-1252; false when a character has no byte there or the
// text is not UTF-8.
bool Utf8ToCp1252(std::string_view Text, std::string& Out);

inline constexpr unsigned Cp1252 = 1252;

// The code page of a Windows character set number: ANSI, the default set, the symbol set and
// numbers not known here give Windows-1252.
unsigned CodePageOfCharset(uint8_t Charset);

// Text in the code page as UTF-8; text the system cannot decode is read as Windows-1252, so that
// nothing is lost.
std::string HelpTextToUtf8(std::string_view Text, unsigned CodePage);
// The reverse; false when a character has no spelling in the code page.
bool Utf8ToHelpText(std::string_view Text, unsigned CodePage, std::string& Out);

}  // namespace qm
