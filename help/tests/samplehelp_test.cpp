// The sample installation's help file against its help index: every entry's topic opens, names
// what the entry names and shows a declaration, and every jump lands on its class's topic.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "asciitext.h"
#include "delphihelp.h"
#include "helptestutil.h"
#include "hlpfile.h"

namespace qm::test {
namespace {

const std::string SampleRoot = std::string(QM_SOURCE_DIR) + "/samples/delphi2";

TEST(SampleHelpFile, EveryIndexEntryOpensItsTopicWithItsDeclaration) {
    TRecordingViewer viewer;
    TDelphiHelp index("", viewer);
    index.SetIndexFile(SampleRoot + "/BIN/DELPHI.HDX");
    THlpFile help(SampleRoot + "/BIN/DELPHI.HLP");
    EXPECT_TRUE(help.Compressed());
    EXPECT_EQ(help.PhraseScheme(), THlpPhrases::TScheme::Hall);
    EXPECT_EQ(help.Minor(), 33);
    EXPECT_EQ(help.TopicTitle(0), "Delphi Help");
    const auto entries = index.Entries();
    ASSERT_GT(entries.size(), 4000u);
    // The file's own keyword index holds the help index's keywords.
    std::map<std::string, std::vector<size_t>> keywords;
    for (THlpKeyword& k : help.Keywords()) keywords[k.Keyword] = std::move(k.Topics);
    for (const THdxKeyword& e : entries) {
        int found = help.FindTopic(e.TopicID);
        ASSERT_GE(found, 0) << e.TopicID;
        const auto& topics = keywords[e.Keyword];
        EXPECT_NE(std::find(topics.begin(), topics.end(), size_t(found)), topics.end()) << e.Keyword;
        THlpTopic topic = help.Topic(size_t(found));
        // "TClass class" or "TClass.Member": the keyword is the class or the member.
        size_t dot = topic.Title.find('.');
        std::string named = dot == std::string::npos ? topic.Title.substr(0, topic.Title.find(' ')) : topic.Title.substr(dot + 1);
        EXPECT_TRUE(SameText(named, e.Keyword)) << e.TopicID << ": " << topic.Title;
        ASSERT_GE(topic.Paragraphs.size(), 4u) << e.TopicID;
        EXPECT_EQ(topic.Paragraphs[0].Runs[0].Text, "Declaration");
        const std::string& declaration = topic.Paragraphs[1].Runs[0].Text;
        EXPECT_NE(UpperCase(declaration).find(UpperCase(e.Keyword)), std::string::npos) << e.TopicID << ": " << declaration;
    }
}

// The contents: a heading region, the picture of TControl's descendants with a hotspot per class;
// the table topic: a row per class of the contents.
TEST(SampleHelpFile, ContentsPictureAndClassTable) {
    THlpFile help(SampleRoot + "/BIN/DELPHI.HLP");
    const THlpTopic contents = help.Topic(0);
    EXPECT_EQ(contents.NonScrolling, 1u);
    ASSERT_EQ(contents.Pictures.size(), 1u);
    const THlpPicture& picture = contents.Pictures[0];
    EXPECT_FALSE(picture.Pixels.empty());
    ASSERT_FALSE(picture.Hotspots.empty());
    EXPECT_EQ(picture.Hotspots[0].Name, "TControl");
    for (const THlpHotspot& h : picture.Hotspots) EXPECT_EQ(help.TopicTitle(size_t(help.FindTopicByHash(h.JumpHash))), h.Name + " class");
    const int table = help.FindTopic("ClassTable");
    ASSERT_GE(table, 0);
    size_t rows = 0, classes = 0;
    for (const THlpParagraph& p : help.Topic(size_t(table)).Paragraphs) rows += p.Table > 0 && p.Column == 0;
    for (const THlpParagraph& p : contents.Paragraphs) classes += p.Runs.size() == 1 && p.Runs[0].Jump;
    EXPECT_EQ(rows, classes);
    EXPECT_GT(rows, 100u);
}

TEST(SampleHelpFile, EveryJumpLandsOnTheTopicOfTheClassItNames) {
    THlpFile help(SampleRoot + "/BIN/DELPHI.HLP");
    size_t jumps = 0;
    for (size_t i = 0; i < help.TopicCount(); ++i)
        for (const THlpParagraph& p : help.Topic(i).Paragraphs)
            for (const THlpRun& r : p.Runs) {
                if (!r.Jump) continue;
                ++jumps;
                int target = help.FindTopicByHash(r.JumpHash);
                ASSERT_GE(target, 0) << help.TopicTitle(i) << " -> " << r.Text;
                EXPECT_EQ(help.TopicTitle(size_t(target)), r.Text + " class") << help.TopicTitle(i);
            }
    EXPECT_GT(jumps, 10000u);
}

}  // namespace
}  // namespace qm::test
