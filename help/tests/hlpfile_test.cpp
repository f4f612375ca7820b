// The help file reader over files of the writer (every packing and phrase scheme, both hash
// orders), damaged files, and a file of an independent writer when one is installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "helptestutil.h"
#include "hlpbtree.h"
#include "hlpfile.h"
#include "hlptestutil.h"
#include "lz77.h"

namespace qm::test {
namespace {

using TScheme = THlpPhrases::TScheme;

struct TKind {
    const char* Name;
    bool Compress;
    TScheme Phrases;
    bool Unsigned;
    uint16_t Minor = 21;
    bool SmallBlocks = false;
};

void PrintTo(const TKind& Kind, std::ostream* Out) { *Out << Kind.Name; }

class HlpKindTest : public TScratchTest, public ::testing::WithParamInterface<TKind> {};

// Enough topics for several topic blocks and several pages of |CONTEXT and |TTLBTREE.
TEST_P(HlpKindTest, EveryTopicReadsBackAsWritten) {
    const TKind kind = GetParam();
    const auto topics = SampleTopics(400);
    // Hashes of both signs, so that a signed and an unsigned sort order differ.
    size_t negative = 0;
    for (const auto& t : topics) negative += ContextHash(t.ContextId) >= 0x80000000u;
    EXPECT_GT(negative, 0u);
    EXPECT_LT(negative, topics.size());
    THlpWriteOptions options{"Sample Help", kind.Compress, kind.Phrases, kind.Unsigned};
    options.Minor = kind.Minor;
    options.SmallBlocks = kind.SmallBlocks;
    std::string image = BuildHlp(topics, options);
    THlpFile help(Write("x.hlp", image));
    EXPECT_EQ(help.Title(), "Sample Help");
    EXPECT_EQ(help.Minor(), kind.Minor);
    EXPECT_EQ(help.Compressed(), kind.Compress);
    EXPECT_EQ(help.TopicBlockSize(), kind.SmallBlocks || kind.Minor < 17 ? 2048u : 4096u);
    EXPECT_EQ(help.PhraseScheme(), kind.Phrases);
    ASSERT_EQ(help.TopicCount(), topics.size());
    for (size_t i = 0; i < topics.size(); ++i) {
        int index = help.FindTopic(topics[i].ContextId);
        ASSERT_EQ(index, int(i)) << topics[i].ContextId;
        EXPECT_EQ(help.TopicTitle(i), topics[i].Topic.Title);
        const THlpTopic topic = help.Topic(i);
        ASSERT_EQ(topic, topics[i].Topic) << topics[i].ContextId;
        // The jump lands on the next topic.
        const THlpRun& jump = topic.Paragraphs[2].Runs[1];
        EXPECT_EQ(help.FindTopicByHash(jump.JumpHash), int((i + 1) % topics.size()));
    }
    EXPECT_EQ(help.FindTopic("NoSuchTopic"), -1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HlpKindTest,
                         ::testing::Values(TKind{"plain", false, TScheme::None, false},
                                           TKind{"packed", true, TScheme::None, false},
                                           TKind{"phrases", false, TScheme::Phrases, false},
                                           TKind{"packed_phrases", true, TScheme::Phrases, false},
                                           TKind{"packed_hall", true, TScheme::Hall, false},
                                           TKind{"hall", false, TScheme::Hall, true},
                                           TKind{"unsigned_hash_order", true, TScheme::Phrases, true},
                                           TKind{"packed_2k", true, TScheme::None, false, 21, true},
                                           TKind{"v4_packed_hall_2k", true, TScheme::Hall, false, 33, true},
                                           TKind{"v4_packed_hall", true, TScheme::Hall, false, 33},
                                           TKind{"v4_plain", false, TScheme::None, false, 33},
                                           TKind{"v30_plain", false, TScheme::None, false, 15},
                                           TKind{"v30_phrases", false, TScheme::Phrases, true, 15}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(HlpFormatTest, PackingAndPhrasesShortenTheFile) {
    const auto topics = SampleTopics(200);
    size_t plain = BuildHlp(topics, {"", false, TScheme::None}).size();
    EXPECT_LT(BuildHlp(topics, {"", false, TScheme::Phrases}).size(), plain);
    EXPECT_LT(BuildHlp(topics, {"", true, TScheme::Phrases}).size(), plain / 2);
}

TEST(HlpFormatTest, LzPackStaysInItsBudgetAndExpandsBack) {
    std::string data;
    for (int i = 0; i < 3000; ++i) data += "Caption" + std::to_string(i % 37) + ' ';
    std::string packed;
    size_t taken = LzPack(data, 10, data.size(), 500, packed);
    EXPECT_LE(packed.size(), 500u);
    EXPECT_GT(taken, 500u);
    EXPECT_EQ(LzExpand(packed, 1 << 20), data.substr(10, taken));
}

TEST(HlpFormatTest, ContextHashOfKnownStrings) {
    // Letters count alike in either case; the values spell a number in base 43.
    EXPECT_EQ(ContextHash("Top"), 67929u);
    EXPECT_EQ(ContextHash("TOP"), ContextHash("top"));
    EXPECT_EQ(ContextHash(""), 0u);
    EXPECT_EQ(ContextHash("a1"), 17u * 43 + 1);
}

TEST(HlpFormatTest, WriterRefusesWhatTheFormatCannotHold) {
    auto topics = SampleTopics(2);
    topics[1].ContextId = topics[0].ContextId;
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, {}); }).find("share a hash"), std::string::npos);
    topics = SampleTopics(2);
    topics[0].Topic.Paragraphs[0].Runs[0].Text = "bell\a";
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, {}); }), "");
}

// Damaged files: every one gives the same message naming the file, none crashes.
class HlpDamageTest : public TScratchTest {
protected:
    std::string Damage(const std::function<void(std::string&)>& Change, bool Compress = true) {
        std::string image = BuildHlp(SampleTopics(300), {"", Compress, TScheme::Phrases});
        Change(image);
        std::string path = Write("bad.hlp", image);
        return ErrorMessage([&] {
            THlpFile help(path);
            for (size_t i = 0; i < help.TopicCount(); ++i) help.Topic(i);
        });
    }
    std::string Expected() { return "Invalid help file " + (Dir / "bad.hlp").string(); }

    static size_t FileAt(const std::string& Image, const std::string& Name) {
        size_t at = Image.find(Name + '\0', Image.size() - 1200);  // the directory is last
        return uint8_t(Image[at + Name.size() + 1]) | uint8_t(Image[at + Name.size() + 2]) << 8 |
               uint8_t(Image[at + Name.size() + 3]) << 16;
    }
    static void Put16(std::string& Image, size_t At, unsigned Value) {
        Image[At] = char(Value & 0xFF);
        Image[At + 1] = char(Value >> 8);
    }
};

TEST_F(HlpDamageTest, DamagedStructuresGiveInvalidHelpFile) {
    const struct {
        const char* What;
        std::function<void(std::string&)> Change;
    } cases[] = {
        {"empty", [](std::string& I) { I.clear(); }},
        {"truncated header", [](std::string& I) { I.resize(10); }},
        {"truncated in the middle", [](std::string& I) { I.resize(I.size() / 2); }},
        {"truncated by one byte", [](std::string& I) { I.pop_back(); }},
        {"wrong magic", [](std::string& I) { I[0] = 'X'; }},
        {"directory beyond the end", [](std::string& I) { Put16(I, 6, 0x7FFF); }},
        {"directory at offset 0", [](std::string& I) { I[4] = I[5] = I[6] = I[7] = 0; }},
        {"file size too big", [](std::string& I) { Put16(I, FileAt(I, "|TOPIC") + 6, 0x7FFF); }},
        {"system magic", [](std::string& I) { I[FileAt(I, "|SYSTEM") + 9] = 0; }},
        {"old version", [](std::string& I) { I[FileAt(I, "|SYSTEM") + 11] = 15; }},
        {"first topic link outside", [](std::string& I) { Put16(I, FileAt(I, "|TOPIC") + 9 + 6, 0x3FFF); }},
        {"context root page outside",
         [](std::string& I) { Put16(I, FileAt(I, "|CONTEXT") + 9 + 26, 0x7000); }},
        {"context levels zero", [](std::string& I) { Put16(I, FileAt(I, "|CONTEXT") + 9 + 32, 0); }},
        {"context leaf points to itself",
         [](std::string& I) { Put16(I, FileAt(I, "|CONTEXT") + 9 + 38 + 6, 0); }},
        {"title leaf entry count too big",
         [](std::string& I) { Put16(I, FileAt(I, "|TTLBTREE") + 9 + 38 + 2, 0x7FFF); }},
        {"phrase offsets backwards", [](std::string& I) { Put16(I, FileAt(I, "|Phrases") + 9 + 8, 0xFFFF); }},
    };
    for (const auto& c : cases) EXPECT_EQ(Damage(c.Change), Expected()) << c.What;
}

TEST_F(HlpDamageTest, LoopsInTheTreesAreCaught) {
    // A two-level tree whose index page names itself as its first child.
    std::vector<TBtreeEntry> entries;
    for (uint32_t i = 0; i < 600; ++i) {
        std::string key(4, '\0');
        key[0] = char(i & 0xFF), key[1] = char(i >> 8);
        entries.push_back({key + key, key});
    }
    std::string tree = BuildBtree(entries, {2048, 2, "L4"});
    size_t count = 0;
    ReadBtreeLeaves(tree, [&](THlpBytes& P) { P.Skip(8), ++count; });
    EXPECT_EQ(count, entries.size());
    int root = uint8_t(tree[26]);
    Put16(tree, 38 + size_t(root) * 2048 + 4, unsigned(root));
    EXPECT_THROW(ReadBtreeLeaves(tree, [&](THlpBytes& P) { P.Skip(8); }), THlpDamage);
}

TEST_F(HlpDamageTest, DamageInsideTopicRecordsIsFoundWhenTheTopicIsRead) {
    // Garbage over the uncompressed topic data: whatever the records then say, only the message.
    for (size_t at : {40u, 300u, 2000u, 5000u})
        EXPECT_EQ(Damage([&](std::string& I) { I.replace(FileAt(I, "|TOPIC") + 9 + at, 30, 30, '\xEE'); }, false),
                  Expected())
            << at;
}

// Only the directory and the parts it names are read: a huge file (sparse here, so it costs no
// disk) opens at once when its parts are sound, and is refused at once when its header is not.
TEST_F(HlpDamageTest, AHugeFileIsReadThroughItsDirectory) {
    const uint64_t huge = uint64_t(30) << 30;
    std::string image = BuildHlp(SampleTopics(20), {"Huge", true, TScheme::Hall});
    const std::string sound = Write("huge.hlp", image);
    std::filesystem::resize_file(sound, huge);
    THlpFile help(sound);
    EXPECT_EQ(help.Title(), "Huge");
    ASSERT_EQ(help.TopicCount(), 20u);
    EXPECT_EQ(help.Topic(19).Title, "Topic 19");

    image[0] = 'X';
    const std::string bad = Write("bad.hlp", image);
    std::filesystem::resize_file(bad, huge);
    EXPECT_EQ(ErrorMessage([&] { THlpFile{bad}; }), Expected());

    // A part that claims gigabytes is damage, not something to read.
    image[0] = '?';
    Put16(image, FileAt(image, "|TOPIC") + 6, 0x7FFF);
    const std::string claims = Write("bad.hlp", image);
    std::filesystem::resize_file(claims, huge);
    EXPECT_EQ(ErrorMessage([&] { THlpFile{claims}; }), Expected());
}

TEST_F(HlpDamageTest, MissingFileIsAFileError) {
    std::string message = ErrorMessage([&] { THlpFile((Dir / "none.hlp").string()); });
    EXPECT_NE(message, "");
    EXPECT_EQ(message.find("Invalid help file"), std::string::npos);
}

// A help file of another writer: Debian's halibut document formatter writes WinHelp files.
TEST_F(HlpDamageTest, ReadsAFileOfAnIndependentWriter) {
    if (std::system("command -v halibut >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "halibut is not installed (scripts/setup.sh installs it): no independent help file";
    std::string source = "\\title Independent Manual\n\n\\C{intro} Introduction\n\n";
    for (int i = 0; i < 40; ++i)
        source += "Paragraph " + std::to_string(i) + " with \\e{emphasis} and a jump to \\k{second}, long enough "
                  "that the topic data runs over more than one block of the file.\n\n";
    source += "\\C{second} Second chapter\n\nThe second chapter's text.\n";
    Write("manual.but", source);
    std::string cmd = "cd '" + Dir.string() + "' && halibut --winhelp=manual.hlp manual.but >/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    THlpFile help((Dir / "manual.hlp").string());
    EXPECT_EQ(help.Title(), "Independent Manual");
    // halibut names its topics Top, t00000000, t00000001 ...
    int intro = help.FindTopic("t00000000"), second = help.FindTopic("t00000001");
    ASSERT_GE(intro, 0);
    ASSERT_GE(second, 0);
    EXPECT_EQ(help.FindTopic("Top"), 0);
    THlpTopic topic = help.Topic(size_t(intro));
    EXPECT_EQ(topic.Title, "Chapter 1: Introduction");
    std::string text = PlainText(topic);
    EXPECT_NE(text.find("Paragraph 39 with emphasis and a jump to chapter 2"), std::string::npos);
    bool italic = false, jumped = false;
    for (const auto& p : topic.Paragraphs)
        for (const auto& r : p.Runs) {
            italic |= r.Italic && r.Text == "emphasis";
            if (r.Jump) {
                jumped = true;
                EXPECT_EQ(help.FindTopicByHash(r.JumpHash), second);
            }
        }
    EXPECT_TRUE(italic);
    EXPECT_TRUE(jumped);
    EXPECT_NE(PlainText(help.Topic(size_t(second))).find("The second chapter's text."), std::string::npos);
}

}  // namespace
}  // namespace qm::test
