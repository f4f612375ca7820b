// The viewer command where WinHelp does not exist: its words and placeholders, the run without a
// shell, and the jump macro WinHelp would be given.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <fstream>
#include <sstream>

#include "commandviewer.h"
#include "helperror.h"
#include "helptestutil.h"

namespace qm::test {

namespace {

using TWords = std::vector<std::string>;

class CommandViewer : public TScratchTest {};

}  // namespace

TEST(ViewerArguments, SplitsTheCommandThenFillsPlaceholders) {
    struct {
        const char* Command;
        const char* Topic;
        TWords Expected;
    } cases[] = {
        {"viewer %f %t", "Topic", {"viewer", "/h/d.hlp", "Topic"}},
        {"\"my viewer\"  --file=%f \"--topic %t\"", "Topic",
         {"my viewer", "--file=/h/d.hlp", "--topic Topic"}},
        {"v 100%% %x % \"\"", "T", {"v", "100%", "%x", "%", ""}},
        {"v %t", "a b;rm -rf ~ $(x) \"q\" %f", {"v", "a b;rm -rf ~ $(x) \"q\" %f"}},
        {"   ", "T", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ViewerArguments(c.Command, "/h/d.hlp", c.Topic), c.Expected) << c.Command;
}

TEST(StartProgram, ZeroWhenTheProgramStartedElseTheReason) {
    EXPECT_EQ(StartProgram({"true"}), 0);
    EXPECT_EQ(StartProgram({"false"}), 0) << "started; how it ends is the viewer's affair";
    EXPECT_EQ(StartProgram({"/nonexistent/viewer"}), ENOENT);
    EXPECT_EQ(StartProgram({"no-such-viewer-anywhere"}), ENOENT);
    EXPECT_EQ(StartProgram({}), ENOENT);
}

TEST_F(CommandViewer, RunsTheConfiguredCommandWithTheFileAndTopic) {
    // The viewer stays open until the test lets it go: starting it must not wait for it.
    std::string script = Write("viewer.sh",
                               "#!/bin/sh\nd=$(dirname \"$0\")\nprintf '%s\\n' \"$@\" > \"$d/args.tmp\"\n"
                               "mv \"$d/args.tmp\" \"$d/args.txt\"\n"
                               "i=0\nwhile [ ! -e \"$d/release\" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
                               "touch \"$d/ended\"\n");
    chmod(script.c_str(), 0755);
    std::string helpFile = Write("Help/DELPHI.HLP", "x");
    std::string setting = "\"" + script + "\" --file %f --topic %t";
    TCommandHelpViewer viewer([&] { return setting; });

    std::string topic = "x $(touch pwned) ; y";
    EXPECT_TRUE(viewer.JumpToTopic((Dir / "help").string() + "\\delphi.hlp", topic));
    for (int i = 0; i < 200 && !std::filesystem::exists(Dir / "args.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    EXPECT_FALSE(std::filesystem::exists(Dir / "ended")) << "the viewer still runs: nobody waited for it";
    Write("release", "");
    for (int i = 0; i < 200 && !std::filesystem::exists(Dir / "ended"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    std::ifstream in(Dir / "args.txt");
    std::stringstream args;
    args << in.rdbuf();
    EXPECT_EQ(args.str(), "--file\n" + helpFile + "\n--topic\n" + topic + "\n");
    EXPECT_FALSE(std::filesystem::exists(Dir / "pwned"));

    std::filesystem::remove(Dir / "args.txt");
    EXPECT_FALSE(viewer.JumpToTopic(helpFile, "-e"));  // would read as an option of the viewer
    setting = "";  // the setting is read at each request
    EXPECT_FALSE(viewer.JumpToTopic(helpFile, "T"));
    EXPECT_FALSE(std::filesystem::exists(Dir / "args.txt"));

    // A command naming a program that is not there says so, naming the command and the reason.
    setting = "no-such-viewer-anywhere %f %t";
    try {
        viewer.JumpToTopic(helpFile, "T");
        ADD_FAILURE() << "no error for a missing viewer";
    } catch (const EHelpViewerError& e) {
        EXPECT_EQ(e.Message(), "Unable to start the help viewer \"no-such-viewer-anywhere %f %t\": No such file or directory");
    }
    // A command of megabytes cannot start; the message quotes its beginning, not all of it.
    setting = "/bin/echo " + std::string(3 << 20, 'x');
    try {
        viewer.JumpToTopic(helpFile, "T");
        ADD_FAILURE() << "no error for an argument list too long";
    } catch (const EHelpViewerError& e) {
        EXPECT_EQ(e.Message(), "Unable to start the help viewer \"/bin/echo " + std::string(190, 'x') + "...\": " +
                                   std::strerror(E2BIG));
    }
}

TEST(JumpMacro, QuotesOnlyPlainTopicIDs) {
    EXPECT_EQ(JumpMacro("TControl_Caption"), "JumpID(\"\",\"TControl_Caption\")");
    EXPECT_TRUE(IsQuotableTopicID("TControl_Caption.1 (x)"));
    for (const char* id : {"a\")ExecFile(\"calc", "a'b", "a`b", "a\\b", "a\nb"})
        EXPECT_FALSE(IsQuotableTopicID(id)) << id;
}

}  // namespace qm::test
