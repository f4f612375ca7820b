// The macro text and the choice of viewer for this system.
#include "helpviewer.h"

#include "format.h"

#ifdef _WIN32
#include "winhelpviewer.h"
#else
#include "commandviewer.h"
#endif

namespace qm {

std::string JumpMacro(std::string_view TopicID) {
    return Format("JumpID(\"\",\"%s\")", {TopicID});
}

bool IsQuotableTopicID(std::string_view TopicID) {
    for (char c : TopicID) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '"' || c == '\'' || c == '`' || c == '\\') return false;
    }
    return true;
}

std::unique_ptr<THelpViewer> CreateHelpViewer(void* MainWindow, TSettingReader ViewerCommand) {
#ifdef _WIN32
    (void)ViewerCommand;
    return std::make_unique<TWinHelpViewer>(MainWindow);
#else
    (void)MainWindow;
    return std::make_unique<TCommandHelpViewer>(std::move(ViewerCommand));
#endif
}

}  // namespace qm
