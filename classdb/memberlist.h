// The names the program shows for a member's visibility and kind, and a listed member's columns.
#pragma once

#include <array>
#include <string>

namespace qm {

// "Published", "Public", "Private", "Protected", or "Automated" when none of their bits is set;
// empty for a listed interface.
const char* VisibilityName(int Flags);
// "Method", "Property", or "Field" when neither bit is set; "class method", "class property" or
// "class field" for a class member; "interface" for a listed interface.
const char* KindName(int Flags);
// The level as a number, "helper" for a member a helper adds.
std::string LevelText(int Level);

// A member's name (perhaps with its unit and class before it) with its parameters as a person
// writes them: "Run(INTEGER)", "class Forms.TForm.Create()", "AsList<>()" (Params as stored, see
// TMemberRow).
std::string MemberSignature(const std::string& Name, const std::string& Params);

struct TMemberItem;
// The texts of a listed member's columns "Member", "Class", "Level", "Visibility", "Type".
std::array<std::string, 5> MemberColumns(const TMemberItem& Item);

}  // namespace qm
