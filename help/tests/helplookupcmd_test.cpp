// The help-lookup command: its line for a found word, its silence for a missing one, its errors.
#include <gtest/gtest.h>

#include <sys/stat.h>

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
    TRun Run(const std::vector<std::string>& Args, const std::string& RootDir = "", const std::string& Stored = "") {
        std::ostringstream out, err;
        int status = RunHelpLookupCommand(Args, RootDir, Stored, out, err);
        return {status, out.str(), err.str()};
    }
};

}  // namespace

TEST_F(HelpLookupCommand, PrintsTheEntryFoundOrNothing) {
    THdxLayout layout;
    layout.HelpFileNames = {"delphi.hlp", "vcl.hlp"};
    layout.EntriesPerBlock = 1;
    std::vector<THdxKeyword> words = {{"Canvas", "TForm_Canvas", "", 0},
                                      {"Caption", "TControl_Caption", "", 1},
                                      {"Odd", "Tab\there\nand line", "", 0}};
    std::string index = Write("Delphi/BIN/DELPHI.HDX", BuildHdx(words, layout));
    TRun found = Run({"capt", "--index", index});
    EXPECT_EQ(found.Status, 0);
    EXPECT_EQ(found.Out, "Caption\tTControl_Caption\tvcl.hlp\t1\n");
    EXPECT_EQ(Run({"--index", index, "canv"}).Out, "Canvas\tTForm_Canvas\tdelphi.hlp\t0\n");
    EXPECT_EQ(Run({"odd", "--index", index}).Out, "Odd\tTab\\there\\nand line\tdelphi.hlp\t2\n")
        << "an index's texts are escaped: one record, one line";
    EXPECT_EQ(Run({"canv"}, (Dir / "Delphi").string()).Status, 0);  // the installation's index
    EXPECT_EQ(Run({"canv"}, "", index).Status, 0);                    // the stored one

    TRun missing = Run({"Zorder", "--index", index});
    EXPECT_EQ(missing.Status, HelpLookupNotFound);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(missing.Err, "Zorder: not in the help index\n");
}

// An entry whose help file is not in the index's list fails after its first fields are known:
// nothing of the record is printed.
TEST_F(HelpLookupCommand, PrintsNoHalfRecord) {
    THdxLayout layout;
    layout.HelpFileNames = {"delphi.hlp"};
    std::string index = Write("half.hdx", BuildHdx({{"Caption", "TControl_Caption", "", 5}}, layout));
    TRun r = Run({"Caption", "--index", index});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, index + ": List index out of bounds (5)\n");
}

TEST_F(HelpLookupCommand, ReportsErrorsAndUsage) {
    TRun noIndex = Run({"Caption"});
    EXPECT_EQ(noIndex.Status, 1);
    EXPECT_EQ(noIndex.Err, "No help keyword index is known: give one with --index FILE, or store its path as "
                           "DelphiHelpIndex in the settings\n");
    std::string notIndex = Write("bad.hdx", "not an index, but long enough to read");
    TRun bad = Run({"Caption", "--index", notIndex});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, notIndex + ": Invalid HDX contents\n");
    // Not a regular file: refused at once, even a FIFO without a writer.
    TRun folder = Run({"Caption", "--index", Dir.string()});
    EXPECT_EQ(folder.Status, 1);
    EXPECT_EQ(folder.Err, "Cannot open file " + Dir.string() + "\n");
    const std::string fifo = (Dir / "fifo.hdx").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run({"Caption", "--index", fifo}).Err, "Cannot open file " + fifo + "\n");
    using TArgs = std::vector<std::string>;
    for (const TArgs& args :
         {TArgs{}, {"a", "b"}, {"a", "--index"}, {"a", "--index", "x", "--index", "y"}})
        EXPECT_EQ(Run(args).Status, 2);
}

}  // namespace qm::test
