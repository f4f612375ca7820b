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

}  // namespace qm
