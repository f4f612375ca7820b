// TCommandHelpViewer: the help viewer where WinHelp does not exist, an external program run
// from a command line kept in the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "helpviewer.h"

namespace qm {

class TCommandHelpViewer : public THelpViewer {
public:
    explicit TCommandHelpViewer(TSettingReader ViewerCommand)
        : FViewerCommand(std::move(ViewerCommand)) {}

    // Nothing: the command is given the file together with the topic, so one run serves both.
    void ShowContents(const std::string&) override {}
    // Starts the configured command and leaves it running; the topic counts as reached when the
    // viewer started. No command configured: nothing runs and the answer is false. A command that
    // cannot be started raises EHelpViewerError naming it and the reason.
    bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) override;

private:
    TSettingReader FViewerCommand;
};

// Splits Command into words at blanks outside double quotes (the quotes are dropped), then
// replaces "%f" by HelpFile, "%t" by TopicID and "%%" by "%" inside each word. The replaced
// texts are never split or interpreted, so an index file cannot add words or shell syntax.
std::vector<std::string> ViewerArguments(std::string_view Command, std::string_view HelpFile,
                                         std::string_view TopicID);

// Starts Args[0], found through PATH, with the other words as arguments and without a shell, and
// does not wait for it; 0 when it started, else the error number of the failure.
int StartProgram(const std::vector<std::string>& Args);

}  // namespace qm
