// The help viewer layer: opens a help file at its contents and jumps to a topic id. Windows
// uses WinHelp; elsewhere a viewer command from the settings, or nothing when none is set.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qm {

class THelpViewer {
public:
    virtual ~THelpViewer() = default;

    virtual void ShowContents(const std::string& HelpFile) = 0;
    // Runs the jump macro for TopicID in HelpFile; true when the topic was reached.
    virtual bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) = 0;
};

// Reads one stored setting when called, so that a changed value applies to the next request.
using TSettingReader = std::function<std::string()>;

// The viewer for this system. MainWindow is the native handle WinHelp reports to (Windows);
// ViewerCommand gives the viewer command line elsewhere.
std::unique_ptr<THelpViewer> CreateHelpViewer(void* MainWindow, TSettingReader ViewerCommand);

// The WinHelp macro that jumps to TopicID in the file already open.
std::string JumpMacro(std::string_view TopicID);

// A topic id that cannot end the macro's quoted argument early: no quote characters, no
// backslash, no control bytes. An index file is untrusted, and WinHelp macros can run programs.
bool IsQuotableTopicID(std::string_view TopicID);

}  // namespace qm
