// The structures of real help files, each written by the writer and read back exactly: records
// that run on from one topic block into the next, text the phrases leave as it is, Windows-1252
// text, context numbers, the keyword index and kept context strings; topic blocks read only when
// a topic needs them; and the real files of the time, when they are at hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "filestream.h"
#include "helptestutil.h"
#include "hlpcontainer.h"
#include "hlpfile.h"
#include "hlptestutil.h"
#include "hlptopicblocks.h"

namespace qm::test {
namespace {

using TScheme = THlpPhrases::TScheme;

class HlpStructureTest : public TScratchTest {};

// Compilers fill every block and let a record go on in the next; a block whose first record
// begins after its start holds the end of one from the block before.
TEST_F(HlpStructureTest, RecordsRunOnFromOneBlockIntoTheNext) {
    const auto topics = SampleTopics(300);
    for (bool compress : {false, true}) {
        const std::string path = Write("x.hlp", BuildHlp(topics, {"", compress, TScheme::Hall}));
        TReadOnlyFileStream file(path);
        THlpContainer container(file);
        THlpTopicBlocks blocks(container, *container.Find("|TOPIC"), 4096, compress);
        ASSERT_GT(blocks.BlockCount(), 3u);
        size_t runOn = 0;
        for (size_t b = 1; b < blocks.BlockCount(); ++b) runOn += blocks.Block(b).FirstLink % 0x4000 > 12;
        EXPECT_GT(runOn, blocks.BlockCount() / 2) << compress;
        THlpFile help(path);
        for (size_t i = 0; i < topics.size(); ++i) ASSERT_EQ(help.Topic(i), topics[i].Topic) << compress << i;
    }
}

// A text the newer phrase codes would lengthen is stored as it is, with the unused room after it.
TEST_F(HlpStructureTest, TextThePhrasesDoNotShortenReadsBack) {
    std::vector<THlpSourceTopic> topics = SampleTopics(4);
    topics[1].Topic.Title = "Q";
    topics[1].Topic.Paragraphs = {{{Text("zq")}}, {{Bold("!")}}};
    for (bool compress : {false, true}) {
        THlpFile help(Write("x.hlp", BuildHlp(topics, {"", compress, TScheme::Hall})));
        for (size_t i = 0; i < topics.size(); ++i) EXPECT_EQ(help.Topic(i), topics[i].Topic) << i;
    }
}

TEST_F(HlpStructureTest, TextIsWindows1252InTheFileAndUtf8Outside) {
    std::vector<THlpSourceTopic> topics = SampleTopics(2);
    topics[0].Topic.Title = "Caf\u00e9 \u2013 \u20ac";
    topics[0].Topic.Paragraphs = {{{Text("It\u2019s \u201cquoted\u201d\u2026 \u00a9 \u00ff")}}};
    const std::string image = BuildHlp(topics, {"Ma\u00f1ana", true, TScheme::Hall});
    THlpFile help(Write("x.hlp", image));
    EXPECT_EQ(help.Title(), "Ma\u00f1ana");
    EXPECT_EQ(help.TopicTitle(0), topics[0].Topic.Title);
    EXPECT_EQ(help.Topic(0), topics[0].Topic);
    // One byte a character in the file.
    const std::string plain = BuildHlp(topics, {"", false, TScheme::None});
    EXPECT_NE(plain.find("It\x92s \x93quoted\x94\x85 \xA9 \xFF"), std::string::npos);

    topics[0].Topic.Paragraphs = {{{Text("\u4e2d")}}};
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, {}); }).find("Windows-1252"), std::string::npos);
}

// A file of another character set (|SYSTEM's) and a font of a third one (the later font
// layouts name it): each text is stored in its own code page and read back as the same Unicode.
TEST_F(HlpStructureTest, TextIsInTheCharacterSetTheFileAndItsFontsName) {
    std::vector<THlpSourceTopic> topics = SampleTopics(2);
    THlpRun greek = Text("\u0391\u03b8\u03ae\u03bd\u03b1");
    greek.Charset = 161;
    topics[0].Topic.Title = "\u0421\u043f\u0440\u0430\u0432\u043a\u0430";
    topics[0].Topic.Paragraphs = {{{Text("\u041f\u0440\u0438\u0432\u0435\u0442, "), greek}}};
    THlpWriteOptions options{"\u0422\u0435\u043a\u0441\u0442", false, TScheme::None};
    options.Minor = 33, options.Charset = 204, options.FontLayout = 2;
    const std::string image = BuildHlp(topics, options);
    EXPECT_NE(image.find("\xCF\xF0\xE8\xE2\xE5\xF2, "), std::string::npos);  // Cyrillic code page
    EXPECT_NE(image.find("\xC1\xE8\xDE\xED\xE1"), std::string::npos);       // Greek code page
    for (bool compress : {false, true}) {
        options.Compress = compress, options.Phrases = compress ? TScheme::Hall : TScheme::None;
        THlpFile help(Write("x.hlp", BuildHlp(topics, options)));
        EXPECT_EQ(help.CodePage(), 1251u);
        EXPECT_EQ(help.Title(), options.Title);
        EXPECT_EQ(help.TopicTitle(0), topics[0].Topic.Title);
        EXPECT_EQ(help.Topic(0), topics[0].Topic);
    }
    // What the character sets cannot spell, and a set the layout or version cannot name, are refused.
    options.Compress = false;
    topics[0].Topic.Paragraphs = {{{Text("\u00e9\u0416")}}};
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, options); }).find("code page 1251"), std::string::npos);
    topics[0].Topic.Paragraphs = {{{greek}}};
    options.FontLayout = 0;
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, options); }).find("font layouts"), std::string::npos);
    options.FontLayout = 2, options.Minor = 21;
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, options); }).find("version 4.0"), std::string::npos);
}

// A file of help compiler 3.0: the title in |SYSTEM's header, topics listed by number in |TOMAP
// with their titles in their headers, jumps and popups by topic number (0xE1, 0xE0), context
// strings, context numbers and keywords naming topics by number; what 3.0 cannot hold is refused.
TEST_F(HlpStructureTest, Version30FilesReadBack) {
    auto topics = SampleTopics(250);
    THlpRun popup = JumpTo("a popup", "T7_Topic");
    popup.Popup = true;
    topics[3].Topic.Paragraphs.push_back({{Text("Also "), popup}});
    topics[3].ContextNumber = 42;
    topics[3].Keywords = {"third", "every"}, topics[9].Keywords = {"every"};
    THlpWriteOptions options{"Old Help", false, TScheme::Phrases};
    options.Minor = 15;
    const std::string image = BuildHlp(topics, options);
    EXPECT_NE(image.find("|TOMAP"), std::string::npos);
    EXPECT_EQ(image.find("|TTLBTREE"), std::string::npos);
    EXPECT_NE(image.find(std::string("\xE0\x07\0\0\0", 5)), std::string::npos);  // the popup to topic 7
    THlpFile help(Write("x.hlp", image));
    EXPECT_TRUE(help.Version30());
    EXPECT_EQ(help.Title(), "Old Help");
    ASSERT_EQ(help.TopicCount(), topics.size());
    for (size_t i = 0; i < topics.size(); ++i) {
        EXPECT_EQ(help.TopicTitle(i), topics[i].Topic.Title);
        EXPECT_EQ(help.TopicOffset(i), i);
        ASSERT_EQ(help.Topic(i), topics[i].Topic) << i;
    }
    EXPECT_EQ(help.FindTopicByHash(popup.JumpHash), 7);
    EXPECT_EQ(help.FindTopicByNumber(42), 3);
    std::map<std::string, std::vector<size_t>> byKeyword;
    for (const THlpKeyword& k : help.Keywords()) byKeyword[k.Keyword] = k.Topics;
    EXPECT_EQ(byKeyword["every"], (std::vector<size_t>{3, 9}));

    options.Compress = true;
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, options); }).find("version 3.0"), std::string::npos);
    options.Compress = false;
    topics[1].Topic = FormattedTopics()[1].Topic;  // tables and a heading region
    EXPECT_NE(ErrorMessage([&] { BuildHlp(topics, options); }).find("version 3.0"), std::string::npos);
}

TEST_F(HlpStructureTest, ContextNumbersKeywordsAndContextStringsReadBack) {
    std::vector<THlpSourceTopic> topics = SampleTopics(40);
    topics[0].ContextNumber = 1;
    topics[7].ContextNumber = -5;
    topics[39].ContextNumber = 100000;
    for (size_t i = 0; i < topics.size(); ++i) {
        topics[i].Keywords = {"Topic keyword " + std::to_string(i)};
        if (i % 10 == 3) topics[i].Keywords.push_back("every tenth");
    }
    topics[5].Keywords.push_back("\u00dcbersicht");
    THlpWriteOptions options{"", true, TScheme::Hall};
    options.TopicIds = true;
    THlpFile help(Write("x.hlp", BuildHlp(topics, options)));
    EXPECT_EQ(help.FindTopicByNumber(1), 0);
    EXPECT_EQ(help.FindTopicByNumber(-5), 7);
    EXPECT_EQ(help.FindTopicByNumber(100000), 39);
    EXPECT_EQ(help.FindTopicByNumber(2), -1);
    for (size_t i = 0; i < topics.size(); ++i) EXPECT_EQ(help.ContextName(i), topics[i].ContextId);

    const std::vector<THlpKeyword> keywords = help.Keywords();
    ASSERT_EQ(keywords.size(), topics.size() + 2);
    std::map<std::string, std::vector<size_t>> byKeyword;
    for (const THlpKeyword& k : keywords) byKeyword[k.Keyword] = k.Topics;
    EXPECT_EQ(byKeyword["every tenth"], (std::vector<size_t>{3, 13, 23, 33}));
    EXPECT_EQ(byKeyword["Topic keyword 17"], std::vector<size_t>{17});
    EXPECT_EQ(byKeyword["\u00dcbersicht"], std::vector<size_t>{5});

    // A file without them has none.
    THlpFile bare(Write("y.hlp", BuildHlp(SampleTopics(3), {})));
    EXPECT_TRUE(bare.Keywords().empty());
    EXPECT_EQ(bare.ContextName(0), "");
    EXPECT_EQ(bare.FindTopicByNumber(1), -1);
}

TEST_F(HlpStructureTest, TablesHeadingRegionsFontsAndJumpsReadBack) {
    const auto topics = FormattedTopics();
    for (int fonts : {0, 1, 2})
        for (bool compress : {false, true}) {
            THlpWriteOptions options{"", compress, TScheme::Hall};
            options.FontLayout = fonts;
            THlpFile help(Write("x.hlp", BuildHlp(topics, options)));
            for (size_t i = 0; i < topics.size(); ++i)
                EXPECT_EQ(help.Topic(i), topics[i].Topic) << "fonts " << fonts << " packed " << compress << " topic " << i;
        }
}

THlpPicture TestPicture(THlpPicture::TKind Kind, uint8_t Packing, int Width, int Height) {
    THlpPicture p;
    p.Kind = Kind, p.Packing = Packing, p.Width = Width, p.Height = Height;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const bool white = (x / 3 + y / 2) % 2 == 0 || x == y;
            const uint32_t colour = 0xFF000000u | uint32_t(x * 255 / Width) << 16 | uint32_t(y * 255 / Height) << 8 | 0x40;
            p.Pixels.push_back(Kind == THlpPicture::TKind::Ddb ? (white ? 0xFFFFFFFFu : 0xFF000000u) : colour);
        }
    return p;
}

// Bitmaps of both kinds and every packing, in |bmN files or inside the topic, at every place,
// one of them with hotspots and one inside a jump.
TEST_F(HlpStructureTest, PicturesReadBackPixelForPixel) {
    using TKind = THlpPicture::TKind;
    auto topics = SampleTopics(3);
    THlpTopic& t = topics[1].Topic;
    t.Paragraphs.clear();
    int n = 0;
    for (TKind kind : {TKind::Dib, TKind::Ddb})
        for (uint8_t packing : {0, 1, 2, 3}) {
            t.Pictures.push_back(TestPicture(kind, packing, 37 + n, 11 + 2 * n));
            THlpRun picture;
            picture.Picture = n;
            picture.PictureAlign = uint8_t(n % 3);
            t.Paragraphs.push_back({{Text("Picture " + std::to_string(n) + ": "), picture, Text(" after it")}});
            ++n;
        }
    t.Pictures[2].Hotspots = {{"first", "T0_Topic", 1, 2, 10, 5, false, ContextHash("T0_Topic")},
                              {"second", "T2_Topic", 12, 0, 8, 8, true, ContextHash("T2_Topic")}};
    THlpRun linked = JumpTo("", "T2_Topic");
    linked.Picture = 8;
    t.Pictures.push_back(TestPicture(TKind::Ddb, 1, 16, 16));
    t.Paragraphs.push_back({{Text("A picture that jumps: "), linked}});
    for (bool embed : {false, true}) {
        THlpWriteOptions options{"", true, TScheme::Hall};
        options.EmbedPictures = embed;
        THlpFile help(Write("x.hlp", BuildHlp(topics, options)));
        const THlpTopic read = help.Topic(1);
        EXPECT_EQ(read, t) << embed;
        ASSERT_EQ(read.Pictures.size(), 9u);
        EXPECT_EQ(read.Pictures[2].Hotspots, t.Pictures[2].Hotspots);
    }
}

// A picture that cannot be decoded keeps its size and shows no pixels; it is no error.
// Metafiles in every packing, in |bmN files or inside the topic, one with a hotspot: their records
// read back byte for byte, their size in pixels; records cut short or not a metafile's are not kept.
TEST_F(HlpStructureTest, MetafilesReadBackRecordForRecord) {
    THlpPicture drawing;
    drawing.Kind = THlpPicture::TKind::Metafile, drawing.Width = 120, drawing.Height = 45;
    drawing.Metafile = Metafile({{0x020B, 0, 0}, {0x020C, 90, 240}, {0x02FC, 0, 0x00FF, 0, 0}, {0x012D, 0},
                                 {0x041B, 90, 120, 0, 0}, {0x0325, 3, 0, 0, 100, 40, 200, 0}});
    auto topics = SampleTopics(3);
    THlpTopic& t = topics[1].Topic;
    t.Paragraphs.clear();
    for (uint8_t packing : {0, 1, 2, 3}) {
        THlpPicture p = drawing;
        p.Packing = packing;
        if (packing == 1) p.Hotspots = {{"left", "T2_Topic", 0, 0, 60, 45, false, ContextHash("T2_Topic")}};
        THlpRun at;
        at.Picture = int(t.Pictures.size());
        t.Pictures.push_back(p);
        t.Paragraphs.push_back({{Text("Drawing: "), at}});
    }
    for (bool embed : {false, true}) {
        THlpWriteOptions options{"", true, TScheme::Hall};
        options.EmbedPictures = embed;
        THlpFile help(Write("x.hlp", BuildHlp(topics, options)));
        EXPECT_EQ(help.Topic(1), t) << embed;
    }
    const std::string bytes = BuildPicture(drawing);
    EXPECT_EQ(ReadPicture(bytes), drawing);
    const THlpPicture cut = ReadPicture(bytes.substr(0, bytes.size() - 6));
    EXPECT_EQ(cut.Width, 120);
    EXPECT_TRUE(cut.Metafile.empty());
    THlpPicture notOne = drawing;
    notOne.Metafile[2] = 7;  // a header of seven words
    EXPECT_NE(ErrorMessage([&] { BuildPicture(notOne); }).find("metafile"), std::string::npos);
}

TEST_F(HlpStructureTest, APictureThatCannotBeDecodedKeepsItsSize) {
    const std::string bytes = BuildPicture(TestPicture(THlpPicture::TKind::Dib, 0, 30, 20));
    EXPECT_EQ(ReadPicture(bytes).Pixels.size(), 600u);
    const THlpPicture cut = ReadPicture(bytes.substr(0, bytes.size() - 10));
    EXPECT_EQ(cut.Width, 30);
    EXPECT_EQ(cut.Height, 20);
    EXPECT_TRUE(cut.Pixels.empty());
    std::string metafile = bytes;
    metafile[8] = 8;
    EXPECT_TRUE(ReadPicture(metafile).Pixels.empty());
    EXPECT_TRUE(ReadPicture("").Pixels.empty());
    // Hotspots claimed beyond the bytes there are.
    THlpPicture spotted = TestPicture(THlpPicture::TKind::Dib, 0, 30, 20);
    spotted.Hotspots = {{"a", "b", 0, 0, 1, 1, false, 1}};
    std::string many = BuildPicture(spotted);
    const size_t spots = many.size() - (1 + 2 + 4 + 15 + 4);
    many[spots + 1] = many[spots + 2] = '\xFF';
    EXPECT_TRUE(ReadPicture(many).Hotspots.empty());
    EXPECT_TRUE(ReadPicture(std::string(40, '\xFF')).Pixels.empty());
}

// Opening reads no topic block; a topic costs the blocks it lies in, and a topic read again
// comes from the cache.
TEST_F(HlpStructureTest, TopicBlocksAreReadWhenATopicNeedsThem) {
    const auto topics = SampleTopics(2000);
    THlpFile help(Write("x.hlp", BuildHlp(topics, {"", true, TScheme::Hall})));
    EXPECT_EQ(help.BlocksRead(), 0u);
    int topic = help.FindTopic("T1500_Topic");
    ASSERT_EQ(topic, 1500);
    EXPECT_EQ(help.BlocksRead(), 0u);
    EXPECT_EQ(help.Topic(size_t(topic)), topics[1500].Topic);
    const size_t first = help.BlocksRead();
    EXPECT_GE(first, 1u);
    EXPECT_LE(first, 3u);
    help.Topic(size_t(topic));
    EXPECT_EQ(help.BlocksRead(), first);
}

// Reading every topic in order, again and again, expands each block of a file of usual size once.
TEST_F(HlpStructureTest, ReadingEveryTopicAgainExpandsNoBlockAgain) {
    const auto topics = SampleTopics(3000);
    THlpFile help(Write("x.hlp", BuildHlp(topics, {"", true, TScheme::Hall})));
    for (size_t i = 0; i < help.TopicCount(); ++i) help.Topic(i);
    const size_t blocks = help.BlocksRead();
    EXPECT_GT(blocks, 20u);
    for (size_t i = 0; i < help.TopicCount(); ++i) ASSERT_EQ(help.Topic(i), topics[i].Topic) << i;
    EXPECT_EQ(help.BlocksRead(), blocks);
}

// Real help files of the time, not part of the project: read when they are at hand.
TEST_F(HlpStructureTest, RealFilesOpenAndEveryTopicReads) {
    const char* env = std::getenv("QM_REAL_HELP_FILES");
    const std::filesystem::path dir = env ? env : std::string(QM_SOURCE_DIR) + "/../shared/fixtures/help";
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.path().extension() == ".HLP" || e.path().extension() == ".hlp") files.push_back(e.path());
    if (files.empty()) GTEST_SKIP() << "no real help files in " << dir << " (set QM_REAL_HELP_FILES to a folder of them)";
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        THlpFile help(f.string());
        ASSERT_GT(help.TopicCount(), 0u);
        for (size_t i = 0; i < help.TopicCount(); ++i) {
            const THlpTopic topic = help.Topic(i);
            const std::string text = topic.Title + PlainText(topic);
            for (char c : text) EXPECT_FALSE(uint8_t(c) < 0x20 && c != '\n' && c != '\t') << i << ": " << text;
            EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << i;
        }
        for (const THlpKeyword& k : help.Keywords()) EXPECT_FALSE(k.Topics.empty()) << k.Keyword;
        if (f.filename() == "README.HLP") {
            // Its topics hold tables and a heading region each.
            size_t tables = 0, headed = 0;
            for (size_t i = 0; i < help.TopicCount(); ++i) {
                const THlpTopic topic = help.Topic(i);
                headed += topic.NonScrolling > 0;
                for (const THlpParagraph& p : topic.Paragraphs) tables += p.Table > 0 && p.Row == 0 && p.Column == 0;
            }
            EXPECT_GT(tables, 0u);
            EXPECT_GT(headed, 0u);
        }
        if (f.filename() == "TPZIP31.HLP") {
            // Four device-independent bitmaps, run-length packed, of 8 and 24 bits.
            size_t decoded = 0;
            for (size_t i = 0; i < help.TopicCount(); ++i)
                for (const THlpPicture& p : help.Topic(i).Pictures) decoded += !p.Pixels.empty() && p.Kind == THlpPicture::TKind::Dib;
            EXPECT_GE(decoded, 4u);
        }
    }
}

}  // namespace
}  // namespace qm::test
