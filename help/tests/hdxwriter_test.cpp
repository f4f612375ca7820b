// The index writer and its keyword list: what it accepts, what it refuses, and that its files
// read back in the order the index needs.
#include <gtest/gtest.h>

#include "delphihelp.h"
#include "hdxwriter.h"
#include "helptestutil.h"

namespace qm::test {

namespace {

class HdxWriter : public TScratchTest {};

}  // namespace

TEST(KeywordList, ReadsFieldsAndDefaults) {
    std::vector<THdxKeyword> expected = {
        {"Caption", "TControl_Caption", "", 0},
        {"Canvas", "TForm_Canvas", "Canvas property", 0},
        {"Run", "TApplication_Run", "Run method", 1},
        {"Empty topic", "", "", 0},
    };
    EXPECT_EQ(ParseKeywordList("Caption\tTControl_Caption\r\n\r\n"
                               "Canvas\tTForm_Canvas\tCanvas property\n"
                               "  \n"
                               "Run\tTApplication_Run\tRun method\t1\n"
                               "Empty topic\t"),
              expected);
}

TEST(KeywordList, NamesTheLineOfAMalformedEntry) {
    for (const char* line :
         {"Caption", "a\tb\tc\t1\te", "\tb", "a\tb\tc\tx", "a\tb\tc\t", "a\tb\tc\t1x"}) {
        std::string text = std::string("ok\tid\n\n") + line + "\n";
        EXPECT_EQ(ErrorMessage([&] { ParseKeywordList(text); }).rfind("Line 3:", 0), 0u) << line;
    }
}

TEST(HdxWriterLimits, RefusesWhatTheFormatCannotHold) {
    THdxLayout layout;
    std::string longText(256, 'x');
    std::vector<THdxKeyword> ok = Keywords({"A"});
    struct {
        const char* Case;
        std::vector<THdxKeyword> Words;
        int BlockSizeKB;
    } cases[] = {
        {"long keyword", {{longText, "t", "", 0}}, 4},
        {"long topic", {{"A", longText, "", 0}}, 4},
        {"file index", {{"A", "t", "", 256}}, 4},
        {"empty keyword", {{"", "t", "", 0}}, 4},
        {"block size 0", ok, 0},
        {"block size 256", ok, 256},
    };
    for (const auto& c : cases) {
        layout.BlockSizeKB = c.BlockSizeKB;
        EXPECT_NE(ErrorMessage([&] { BuildHdx(c.Words, layout); }), "") << c.Case;
    }
    // One block per long keyword makes a key area beyond its 16-bit size.
    std::vector<THdxKeyword> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({std::to_string(1000 + i) + std::string(240, 'k'), "t", "", 0});
    layout.BlockSizeKB = 1;
    layout.EntriesPerBlock = 1;
    EXPECT_EQ(ErrorMessage([&] { BuildHdx(many, layout); }), "Key area exceeds 65535 bytes");
}

TEST_F(HdxWriter, SortsIgnoringCaseKeepingEqualOnesInOrder) {
    THdxLayout layout;
    layout.EntriesPerBlock = 2;
    TRecordingViewer viewer;
    TDelphiHelp help("", viewer);
    help.SetIndexFile(Write("x.hdx", BuildHdx(Keywords({"b", "_x", "B", "a", "Zed"}), layout)));
    EXPECT_EQ(help.Keywords(), (std::vector<std::string>{"a", "b", "B", "Zed", "_x"}));
    EXPECT_EQ(help.BlockKeys(), (std::vector<std::string>{"a", "B", "_x"}));

    TDelphiHelp empty("", viewer);
    empty.SetIndexFile(Write("empty.hdx", BuildHdx({}, layout)));
    EXPECT_FALSE(empty.FindEntry("a"));
}

}  // namespace qm::test
