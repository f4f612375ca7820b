// The names the program shows for a member's visibility and kind, and a listed member's columns.
#pragma once

#include <array>
#include <string>

namespace qm {

// "Published", "Public", "Private", "Protected", or "Automated" when none of their bits is set.
const char* VisibilityName(int Flags);
// "Method", "Property", or "Field" when neither bit is set.
const char* KindName(int Flags);

struct TMemberItem;
// The texts of a listed member's columns "Member", "Class", "Level", "Visibility", "Type".
std::array<std::string, 5> MemberColumns(const TMemberItem& Item);

}  // namespace qm
