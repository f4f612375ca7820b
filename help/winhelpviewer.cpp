// WinHelp calls: the contents command, then the jump macro, whose acceptance is the answer.
#include "winhelpviewer.h"

#include <windows.h>

#include "paths.h"

namespace qm {

void TWinHelpViewer::ShowContents(const std::string& HelpFile) {
    WinHelpA(static_cast<HWND>(FMainWindow), ResolvePath(HelpFile).c_str(), HELP_CONTENTS, 0);
}

bool TWinHelpViewer::JumpToTopic(const std::string& HelpFile, const std::string& TopicID) {
    if (!IsQuotableTopicID(TopicID)) return false;
    std::string macro = JumpMacro(TopicID);
    return WinHelpA(static_cast<HWND>(FMainWindow), ResolvePath(HelpFile).c_str(), HELP_COMMAND,
                    reinterpret_cast<ULONG_PTR>(macro.c_str())) != 0;
}

}  // namespace qm
