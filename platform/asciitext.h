// Letter case as the program knows it: ASCII only, bytes above 127 are left alone.
#pragma once

#include <string>
#include <string_view>

namespace qm {

std::string UpperCase(std::string Text);
// Equal without regard to ASCII letter case.
bool SameText(std::string_view A, std::string_view B);
// Order without regard to ASCII letter case, by unsigned bytes: negative, zero or positive.
int CompareText(std::string_view A, std::string_view B);
// Text begins with Prefix, without regard to ASCII letter case.
bool StartsText(std::string_view Text, std::string_view Prefix);

// Source files are Windows-1252 unless they begin with UTF-8's byte order mark, or say
// {$CODEPAGE UTF8} near their start (in their first 4 KB).
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
bool IsUtf8Source(std::string_view Bytes);
// Bytes without a byte order mark at its start.
std::string_view WithoutByteOrderMark(std::string_view Bytes);

}  // namespace qm
