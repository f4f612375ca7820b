#include <gtest/gtest.h>

#include "errors.h"
#include "format.h"

namespace qm {

TEST(Format, FillsPlaceholdersInOrder) {
    EXPECT_EQ(Format("Internal Error: %s - Line %d, %s", {"Unable to find identifier", 12, "Forms"}),
              "Internal Error: Unable to find identifier - Line 12, Forms");
    EXPECT_EQ(Format("100%% of %s", {"units"}), "100% of units");
    // A missing argument leaves its placeholder, an unknown one is kept as written.
    EXPECT_EQ(Format("%s and %s %x", {"one"}), "one and %s %x");
    EXPECT_EQ(Format("trailing %", {}), "trailing %");
}

TEST(Errors, CarryMessageAndHelpContext) {
    EXPECT_STREQ(EReadError().what(), "Stream read error");
    EXPECT_EQ(EFOpenError("a.pas").Message(), "Cannot open file a.pas");
    Exception e("boom", 9);
    EXPECT_EQ(e.HelpContext(), 9);
    EXPECT_EQ(EAbort().HelpContext(), 0);
}

}  // namespace qm
