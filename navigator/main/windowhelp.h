// TWindowHelp: the window's Delphi help. It owns the help viewers (the built-in topic window, and
// the external one a viewer command names, which wins when set) and the keyword index lookup, and
// reads where the index and the help file are from the settings and writes them back.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace qm {

class TBuiltInHelpViewer;
class TDelphiHelp;
class THelpTopicWindow;
class THelpViewer;

class TWindowHelp {
public:
    TWindowHelp();
    ~TWindowHelp();
    TWindowHelp(const TWindowHelp&) = delete;
    TWindowHelp& operator=(const TWindowHelp&) = delete;

    // Makes the viewers for the window WindowId and the lookup in the installation InstallRoot,
    // with the index and help file locations the settings keep. ShowIndex runs when the topic
    // window's Index button is pressed.
    void Start(void* WindowId, const std::string& InstallRoot, std::function<void()> ShowIndex);
    bool Started() const { return FDelphiHelp != nullptr; }
    // Writes the locations back to the settings and closes the topic window; nothing before Start.
    void Close() const;

    TDelphiHelp& Delphi() const { return *FDelphiHelp; }
    // Looks Word up and shows its topic. False when the keyword index or the help file is
    // missing: the caller asks the user for what is missing.
    bool Lookup(const std::string& Word);
    bool Shown() const;
    // The built-in viewer's window once it showed a topic; null before.
    THelpTopicWindow* TopicWindow() const;

private:
    std::unique_ptr<THelpViewer> FExternal;
    std::unique_ptr<TBuiltInHelpViewer> FBuiltIn;
    std::unique_ptr<THelpViewer> FViewer;  // the one of the two the settings choose
    std::unique_ptr<TDelphiHelp> FDelphiHelp;
};

}  // namespace qm
