// TBuiltInHelpViewer: the help viewer of our own, the topic window over WinHelp files, used on
// every system where no viewer command is configured; TPreferredHelpViewer makes that choice at
// each request, so a changed setting applies to the next one.
#pragma once

#include <functional>
#include <memory>

#include "helpviewer.h"

namespace qm {

class THelpTopicWindow;

class TBuiltInHelpViewer : public THelpViewer {
public:
    // ShowIndex runs when the window's Index button is pressed.
    explicit TBuiltInHelpViewer(std::function<void()> ShowIndex);
    ~TBuiltInHelpViewer() override;

    // Nothing: the topic window opens the file with the topic, and Back starts from there.
    void ShowContents(const std::string&) override {}
    // Shows the topic in the window and brings the window up; false, showing nothing, when the
    // file has no such topic. A file that cannot be read or is damaged raises its error.
    bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) override;
    // The window, once a topic was shown; null before.
    THelpTopicWindow* Window() const { return FWindow.get(); }
    // Closes the window if it is open (the program is ending).
    void Close();

private:
    std::function<void()> FShowIndex;
    std::unique_ptr<THelpTopicWindow> FWindow;
};

// The external viewer when its command is set, else the built-in one.
class TPreferredHelpViewer : public THelpViewer {
public:
    TPreferredHelpViewer(TSettingReader ViewerCommand, THelpViewer& External, THelpViewer& BuiltIn)
        : FViewerCommand(std::move(ViewerCommand)), FExternal(External), FBuiltIn(BuiltIn) {}
    void ShowContents(const std::string& HelpFile) override { Chosen().ShowContents(HelpFile); }
    bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) override {
        return Chosen().JumpToTopic(HelpFile, TopicID);
    }

private:
    THelpViewer& Chosen() { return FViewerCommand().empty() ? FBuiltIn : FExternal; }
    TSettingReader FViewerCommand;
    THelpViewer& FExternal;
    THelpViewer& FBuiltIn;
};

}  // namespace qm
