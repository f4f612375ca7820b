// The 8-bit character set of help files of the time (Windows-1252) and UTF-8: the reader decodes a
// topic's text once, the writer encodes it back, so that both sides speak Unicode.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// Every byte has a character: the five codes Windows-1252 leaves free stand for themselves.
std::string Cp1252ToUtf8(std::string_view Text);

// The bytes of a UTF-8 text in Windows-1252; false when a character has no byte there or the
// text is not UTF-8.
bool Utf8ToCp1252(std::string_view Text, std::string& Out);

}  // namespace qm
