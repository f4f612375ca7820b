// TWinHelpViewer: the help viewer on Windows, the system's own help engine (WinHelp).
#pragma once

#include "helpviewer.h"

namespace qm {

class TWinHelpViewer : public THelpViewer {
public:
    explicit TWinHelpViewer(void* MainWindow) : FMainWindow(MainWindow) {}

    void ShowContents(const std::string& HelpFile) override;
    bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) override;

private:
    void* FMainWindow;
};

}  // namespace qm
