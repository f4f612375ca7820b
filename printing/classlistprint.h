// Prints the member list of a class as a five-column table: Member, Class, Level, Visibility,
// Type, with the class name framed in the header and the application title in the footer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "pglayout.h"

namespace qm {

// One row of the Class Info list: the member's name and the Class, Level, Visibility and Type
// texts.
struct TClassListRow {
    std::string Caption;
    std::array<std::string, 4> SubItems;
};

// Prints Rows in their order on PageLayout and tells where the printout went; an empty list
// prints nothing. A printer error drops the partial document and is raised.
TPrintTarget PrintItemClick(TPageLayout& PageLayout, const std::vector<TClassListRow>& Rows,
                            const std::string& CurrentClassName, const std::string& Title);

}  // namespace qm
