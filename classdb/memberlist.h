// The names the program shows for a member's visibility and kind.
#pragma once

namespace qm {

// "Published", "Public", "Private", "Protected", or "Automated" when none of their bits is set.
const char* VisibilityName(int Flags);
// "Method", "Property", or "Field" when neither bit is set.
const char* KindName(int Flags);

}  // namespace qm
