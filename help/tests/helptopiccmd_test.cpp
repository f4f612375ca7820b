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

}  // namespace
}  // namespace qm::test
