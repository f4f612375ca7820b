// TDelphiHelp: loading the index header, the block a word is searched in, the entry walk and its
// checks, and what the viewer is asked.
#include <gtest/gtest.h>

#include "commandviewer.h"
#include "delphihelp.h"
#include "hdxformat.h"
#include "helptestutil.h"

namespace qm::test {

namespace {

class DelphiHelp : public TScratchTest {
protected:
    TDelphiHelp& Open(const std::string& Image) {
        Help = std::make_unique<TDelphiHelp>("", Viewer);
        Help->SetIndexFile(Write("delphi.hdx", Image));
        Help->SetHelpDir(Dir.string() + "/");
        return *Help;
    }

    std::string Build(std::vector<THdxKeyword> Words, size_t PerBlock = 0) {
        THdxLayout layout;
        layout.HelpFileNames = {"delphi.hlp", "vcl.hlp"};
        layout.BlockSizeKB = 1;
        layout.EntriesPerBlock = PerBlock;
        return BuildHdx(std::move(Words), layout);
    }

    // A header with the given key area and no blocks.
    static std::string Header(const std::string& KeyArea) {
        std::string h(HdxSignature);
        h += std::string("\x01\x0a" "delphi.hlp" "\x01", 13);
        size_t base = h.size() + 4 + KeyArea.size();
        h += char(base & 0xFF);
        h += char(base >> 8);
        h += char(KeyArea.size() & 0xFF);
        h += char(KeyArea.size() >> 8);
        return h + KeyArea;
    }

    TRecordingViewer Viewer;
    std::unique_ptr<TDelphiHelp> Help;
};

}  // namespace

TEST_F(DelphiHelp, LoadsHeaderAndKeyArea) {
    TDelphiHelp& help = Open(Build(Keywords({"A", "Bx", "M", "Nx", "T"}), 2));
    help.LoadIndex();
    EXPECT_TRUE(help.Loaded());
    EXPECT_EQ(help.HelpFileNames(), (std::vector<std::string>{"delphi.hlp", "vcl.hlp"}));
    EXPECT_EQ(help.BlockKeys(), (std::vector<std::string>{"A", "M", "T"}));
    EXPECT_EQ(help.BlockSize(), 1024);
    EXPECT_EQ(help.Keywords(), (std::vector<std::string>{"A", "Bx", "M", "Nx", "T"}));
}

TEST_F(DelphiHelp, DamagedHeaderIsInvalidAndLoadsNothing) {
    std::string good = Build(Keywords({"A"}));
    std::string badSignature = good;
    badSignature[3] = 'x';
    struct {
        const char* Case;
        std::string Image;
    } cases[] = {
        {"signature", badSignature},
        {"empty key area", Header("")},
        {"no final zero", Header("\x01" "A")},
        {"bytes after the zero", Header(std::string("\x01" "A\0\0", 4))},
        {"key past the area", Header(std::string("\x05" "AB\0", 4))},
    };
    for (const auto& c : cases) {
        TDelphiHelp& help = Open(c.Image);
        EXPECT_EQ(ErrorMessage([&] { help.LoadIndex(); }), "Invalid HDX contents") << c.Case;
        EXPECT_FALSE(help.Loaded()) << c.Case;
        EXPECT_TRUE(help.HelpFileNames().empty()) << c.Case;
    }
}

TEST_F(DelphiHelp, FileErrorsPassThrough) {
    std::string good = Build(Keywords({"A"}));
    TDelphiHelp& truncated = Open(good.substr(0, 30));
    EXPECT_THROW(truncated.LoadIndex(), EReadError);
    TDelphiHelp& noBlocks = Open(Header(std::string("\x01" "A\0", 3)));
    EXPECT_THROW(noBlocks.Lookup("A"), EReadError);  // block 0 lies beyond the end
    TDelphiHelp& missing = Open(good);
    missing.SetIndexFile((Dir / "none.hdx").string());
    EXPECT_THROW(missing.LoadIndex(), EFOpenError);
}

// A failed attempt keeps nothing, so the next file's help file names are its own.
TEST_F(DelphiHelp, RetryAfterFailureStartsClean) {
    TDelphiHelp& help = Open(Header(""));  // one help file name, then a bad key area
    EXPECT_THROW(help.LoadIndex(), EDelphiHelpError);
    help.SetIndexFile(Write("good.hdx", Build(Keywords({"A"}))));
    help.LoadIndex();
    EXPECT_EQ(help.HelpFileNames().size(), 2u);
}

TEST_F(DelphiHelp, WordIsSearchedInTheBlockBeforeItsKeyThenInThatBlock) {
    // Keys A, M, T for blocks [A, Bx], [M, Nx], [T, Zx].
    TDelphiHelp& help = Open(Build(Keywords({"A", "Bx", "M", "Nx", "T", "Zx"}), 2));
    struct {
        const char* Word;
        const char* Found;
        int Block;
    } cases[] = {
        {"0", "", -1},     // before A: block 0 only
        {"a", "A", 0},     {"b", "Bx", 0},   // between A and M: block 0
        {"m", "M", 1},     // equal to a key: block 0, then the key's own block
        {"n", "Nx", 1},    {"t", "T", 2},     {"z", "Zx", 2},  // after T: block 2
        {"Ma", "", -1},    // not in block 1, and no later block is tried
        {"Zxy", "", -1},
    };
    for (const auto& c : cases) {
        help.Lookup(c.Word);
        EXPECT_EQ(help.LastTopic(), c.Found) << c.Word;
        EXPECT_EQ(help.LastBlock(), c.Block) << c.Word;
    }
}

TEST_F(DelphiHelp, PrefixFindsTheFirstKeywordInsideOrOpeningABlock) {
    for (size_t perBlock : {size_t(0), size_t(1)}) {
        TDelphiHelp& help =
            Open(Build(Keywords({"Canvas", "Caption", "CaptionBar", "Color"}), perBlock));
        help.Lookup("capt");
        EXPECT_EQ(help.LastTopic(), "Caption") << perBlock;
        EXPECT_EQ(help.TopicID(), "T_Caption") << perBlock;
        EXPECT_TRUE(help.Shown());
        help.Lookup("CAPTIONB");
        EXPECT_EQ(help.LastTopic(), "CaptionBar") << perBlock;
    }
}

// Every keyword of a larger index is found as itself, whether it opens its block or not.
TEST_F(DelphiHelp, EveryKeywordOfAManyBlockIndexIsFound) {
    std::vector<THdxKeyword> words;
    for (int i = 0; i < 3000; ++i) {
        std::string w = "Kw" + std::to_string(i * 7919 % 3001);
        words.push_back({w, "id" + w, "text of " + w, i % 2});
    }
    TDelphiHelp& help = Open(Build(words));
    ASSERT_GT(help.Keywords().size(), 0u);
    ASSERT_GT(help.BlockKeys().size(), 50u);
    for (const THdxKeyword& w : words) {
        ASSERT_TRUE(help.FindEntry(w.Keyword)) << w.Keyword;
        EXPECT_EQ(help.TopicID(), "id" + w.Keyword);
        EXPECT_EQ(help.HelpFileName(), w.FileIndex ? "vcl.hlp" : "delphi.hlp");
    }
}

TEST_F(DelphiHelp, DamagedEntryIsInvalidWhenReachedOnly) {
    std::string image = Build(Keywords({"Caption", "Color", "Cursor"}));
    size_t color = BlockOffset(image, 0) + 1 + 1 + 1 + 7 + 1 + 9 + 1 + 1;  // after Caption's entry
    ASSERT_EQ(image.substr(color + 3, 5), "Color");
    image[color] = char(image[color] + 1);
    TDelphiHelp& help = Open(image);
    help.Lookup("capt");
    EXPECT_EQ(help.LastTopic(), "Caption");
    EXPECT_EQ(ErrorMessage([&] { help.Lookup("cur"); }), "Invalid HDX contents");

    // A block of sound entries up to its very end without a closing zero, and a block size of 0.
    std::string full = Build(Keywords({"A"}));
    for (size_t pos = BlockOffset(full, 0); pos < full.size(); pos += 8)
        full.replace(pos, 8, std::string("\x08\0\x02" "AA\0\0\0", 8));
    EXPECT_EQ(ErrorMessage([&] { Open(full).Lookup("zz"); }), "Invalid HDX contents");
    std::string zero = Build(Keywords({"A"}));
    zero[BlockSizeOffset(zero)] = 0;
    EXPECT_EQ(ErrorMessage([&] { Open(zero).Lookup("A"); }), "Invalid HDX contents");
}

TEST_F(DelphiHelp, ShowsTheTopicInTheEntrysHelpFile) {
    std::vector<THdxKeyword> words = {{"Abort", "SysUtils_Abort", "", 0},
                                      {"Caption", "TControl_Caption", "", 1},
                                      {"Broken", "x", "", 2}};
    TDelphiHelp& help = Open(Build(words));
    std::string dir = help.HelpDir();
    help.Lookup("capt");
    std::vector<std::string> calls = {"contents " + dir + "vcl.hlp",
                                      "jump " + dir + "vcl.hlp TControl_Caption"};
    EXPECT_EQ(Viewer.Calls, calls);
    EXPECT_THROW(help.Lookup("Broken"), EListIndexError);
}

TEST_F(DelphiHelp, ShownIsFalseWhenNothingIsShown) {
    TDelphiHelp& help = Open(Build(Keywords({"Caption"})));
    help.Lookup("Caption");
    ASSERT_TRUE(help.Shown());
    help.Lookup("Nothing");  // a second request that finds nothing
    EXPECT_FALSE(help.Shown());
    EXPECT_EQ(Viewer.Calls.size(), 2u);

    Viewer.Reached = false;  // the viewer refuses the jump
    help.Lookup("Caption");
    EXPECT_FALSE(help.Shown());

    TCommandHelpViewer unset([] { return std::string(); });  // no viewer command configured
    TDelphiHelp viaCommand("", unset);
    viaCommand.SetIndexFile(help.IndexFile());
    viaCommand.SetHelpDir(help.HelpDir());
    viaCommand.Lookup("Caption");
    EXPECT_EQ(viaCommand.LastTopic(), "Caption");
    EXPECT_FALSE(viaCommand.Shown());
}

TEST_F(DelphiHelp, UndefinedLocations) {
    TDelphiHelp& help = Open(Build(Keywords({"Caption"})));
    help.SetHelpDir("");
    EXPECT_EQ(ErrorMessage([&] { help.Lookup("Caption"); }), "Undefined HelpDir property");
    EXPECT_EQ(ErrorMessage([&] { help.Lookup("None"); }), "");  // nothing to show, nothing raised
    TDelphiHelp none("", Viewer);
    EXPECT_EQ(ErrorMessage([&] { none.Lookup("Caption"); }), "Undefined IndexFile property");
    EXPECT_TRUE(Viewer.Calls.empty());
}

TEST_F(DelphiHelp, ConstructionFindsTheInstallationsFilesIgnoringCase) {
    Write("Delphi/bin/delphi.hdx", "x");
    Write("Delphi/Help/DELPHI.HLP", "x");
    std::string root = (Dir / "Delphi").string();
    TDelphiHelp found(root, Viewer);
    EXPECT_EQ(found.IndexFile(), root + "\\BIN\\DELPHI.HDX");
    EXPECT_EQ(found.HelpDir(), root + "\\HELP\\");

    std::filesystem::remove_all(Dir / "Delphi" / "Help");
    TDelphiHelp noHelp(root, Viewer);
    EXPECT_EQ(noHelp.IndexFile(), root + "\\BIN\\DELPHI.HDX");
    EXPECT_EQ(noHelp.HelpDir(), "");
    TDelphiHelp noRoot("", Viewer);
    EXPECT_EQ(noRoot.IndexFile(), "");
    EXPECT_EQ(noRoot.HelpDir(), "");
}

}  // namespace qm::test
