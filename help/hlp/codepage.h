// The system's own converters between a Windows code page and UTF-8 (iconv on POSIX systems,
// the Win32 conversion functions on Windows), for the character sets a help file may name.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// Text in code page CodePage as UTF-8; false when the system has no such code page or the text
// is not valid in it.
bool CodePageToUtf8(unsigned CodePage, std::string_view Text, std::string& Out);
// The reverse; false when a character has no spelling in the code page.
bool Utf8ToCodePage(unsigned CodePage, std::string_view Text, std::string& Out);

}  // namespace qm
