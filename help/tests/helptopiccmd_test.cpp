// The help-topic command in-process: output, a missing topic, a damaged file, usage.
#include <gtest/gtest.h>

#include <sstream>

#include "helptestutil.h"
#include "helptopiccmd.h"
#include "hlptestutil.h"

namespace qm::test {
namespace {

class HelpTopicCommandTest : public TScratchTest {
protected:
    int Run(std::vector<std::string> Args) {
        std::ostringstream out, err;
        int status = RunHelpTopicCommand(Args, out, err);
        Out = out.str(), Err = err.str();
        return status;
    }
    std::string Out, Err;
};

TEST_F(HelpTopicCommandTest, PrintsTitleThenParagraphsAsLines) {
    std::string file = Write("h.hlp", BuildHlp(SampleTopics(3), {}));
    EXPECT_EQ(Run({file, "T1_Topic"}), 0);
    EXPECT_EQ(Out,
              "Topic 1\nTopic 1\nproperty Caption1: string;\ndeclared in the unit Controls\twith a tab\n"
              "See also: Topic 2.\n");
    EXPECT_EQ(Err, "");
}

TEST_F(HelpTopicCommandTest, MissingTopicDamagedFileAndUsage) {
    std::string file = Write("h.hlp", BuildHlp(SampleTopics(3), {}));
    EXPECT_EQ(Run({file, "T9_Topic"}), HelpTopicNotFound);
    EXPECT_EQ(Err, "T9_Topic: no such topic in " + file + "\n");
    EXPECT_EQ(Out, "");
    std::string bad = Write("bad.hlp", "not a help file at all");
    EXPECT_EQ(Run({bad, "T1_Topic"}), 1);
    EXPECT_EQ(Err, "Invalid help file " + bad + "\n");
    EXPECT_EQ(Run({file}), HelpTopicUsage);
}

TEST_F(HelpTopicCommandTest, ListsTopicsAndKeywordsAndFindsContextNumbers) {
    auto topics = SampleTopics(3);
    topics[0].Topic.Title = "Vue d\u2019ensemble";
    topics[0].Keywords = {"overview", "\u00e9t\u00e9"};
    topics[2].Keywords = {"overview"};
    topics[2].ContextNumber = 42;
    THlpWriteOptions options;
    options.TopicIds = true;
    std::string file = Write("h.hlp", BuildHlp(topics, options));
    ASSERT_EQ(Run({file, "--list"}), 0);
    // Topic offsets count the characters of the paragraphs before each topic in its block.
    EXPECT_EQ(Out, "0\tT0_Topic\tVue d\u2019ensemble\n"
                   "107\tT1_Topic\tTopic 1\n"
                   "214\tT2_Topic\tTopic 2\n");
    ASSERT_EQ(Run({file, "--keywords"}), 0);
    EXPECT_EQ(Out, "overview\tVue d\u2019ensemble\noverview\tTopic 2\n\u00e9t\u00e9\tVue d\u2019ensemble\n");
    ASSERT_EQ(Run({file, "#42"}), 0);
    EXPECT_EQ(Out.substr(0, 8), "Topic 2\n");
    EXPECT_EQ(Run({file, "#7"}), HelpTopicNotFound);
    EXPECT_EQ(Err, "#7: no such topic in " + file + "\n");
}

}  // namespace
}  // namespace qm::test
