// The page design of the main window's PageLayout: fonts, margins, automatic paging, and the
// header showing page number and date.
#pragma once

#include "pglayout.h"

namespace qm {

void ConfigureMainPageLayout(TPageLayout& PageLayout);

}  // namespace qm
