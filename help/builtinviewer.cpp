#include "builtinviewer.h"

#include "helptopicwin.h"

namespace qm {

TBuiltInHelpViewer::TBuiltInHelpViewer(std::function<void()> ShowIndex) : FShowIndex(std::move(ShowIndex)) {}

TBuiltInHelpViewer::~TBuiltInHelpViewer() = default;

bool TBuiltInHelpViewer::JumpToTopic(const std::string& HelpFile, const std::string& TopicID) {
    if (!FWindow) {
        FWindow = std::make_unique<THelpTopicWindow>();
        QObject::connect(FWindow.get(), &THelpTopicWindow::IndexRequested, FWindow.get(), [this] {
            if (FShowIndex) FShowIndex();
        });
    }
    if (!FWindow->ShowTopic(HelpFile, TopicID)) return false;
    FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
    return true;
}

void TBuiltInHelpViewer::Close() {
    if (FWindow) FWindow->close();
}

}  // namespace qm
