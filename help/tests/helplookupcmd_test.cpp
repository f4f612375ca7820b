// The help-lookup command: its line for a found word, its silence for a missing one, its errors.
#include <gtest/gtest.h>

#include <sstream>

#include "helplookupcmd.h"
#include "helptestutil.h"

namespace qm::test {

namespace {

struct TRun {
    int Status;
    std::string Out, Err;
};

class HelpLookupCommand : public TScratchTest {
protected:
    TRun Run(const std::vector<std::string>& Args, const std::string& RootDir = "") {
        std::ostringstream out, err;
        int status = RunHelpLookupCommand(Args, RootDir, out, err);
        return {status, out.str(), err.str()};
    }
};

}  // namespace

TEST_F(HelpLookupCommand, PrintsTheEntryFoundOrNothing) {
    THdxLayout layout;
    layout.HelpFileNames = {"delphi.hlp", "vcl.hlp"};
    layout.EntriesPerBlock = 1;
    std::vector<THdxKeyword> words = {{"Canvas", "TForm_Canvas", "", 0},
                                      {"Caption", "TControl_Caption", "", 1}};
    std::string index = Write("Delphi/BIN/DELPHI.HDX", BuildHdx(words, layout));
    TRun found = Run({"capt", "--index", index});
    EXPECT_EQ(found.Status, 0);
    EXPECT_EQ(found.Out, "Caption\tTControl_Caption\tvcl.hlp\t1\n");
    EXPECT_EQ(Run({"--index", index, "canv"}).Out, "Canvas\tTForm_Canvas\tdelphi.hlp\t0\n");
    EXPECT_EQ(Run({"canv"}, (Dir / "Delphi").string()).Status, 0);  // the installation's index

    TRun missing = Run({"Zorder", "--index", index});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Out + missing.Err, "");
}

TEST_F(HelpLookupCommand, ReportsErrorsAndUsage) {
    TRun noIndex = Run({"Caption"});
    EXPECT_EQ(noIndex.Status, 1);
    EXPECT_EQ(noIndex.Err, "Undefined IndexFile property\n");
    std::string notIndex = Write("bad.hdx", "not an index, but long enough to read");
    TRun bad = Run({"Caption", "--index", notIndex});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, "Invalid HDX contents\n");
    using TArgs = std::vector<std::string>;
    for (const TArgs& args :
         {TArgs{}, {"a", "b"}, {"a", "--index"}, {"a", "--index", "x", "--index", "y"}})
        EXPECT_EQ(Run(args).Status, 2);
}

}  // namespace qm::test
