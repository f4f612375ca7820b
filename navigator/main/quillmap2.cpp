// quillmap2: the class browser's window.
#include <QIcon>
#include <cstdio>
#include <exception>

#include "appwindows.h"
#include "application.h"
#include "dblocation.h"
#include "errors.h"
#include "main1.h"
#include "sampleinstall.h"
#include "userprompts.h"

namespace {

// Whatever error report the main window installed went with it: an error box of its own, and stderr.
void ShowFailure(const std::exception& E) {
    qm::SetErrorReport({});
    std::fprintf(stderr, "quillmap2: %s\n", E.what());
    qm::Prompts().ShowError(qm::ErrorReportText(E));
}

}  // namespace

int main(int argc, char** argv) {
    qm::TQuillmapApplication App(argc, argv);
    // The same maker and application name as the command-line tool: both share settings and database.
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    QApplication::setApplicationDisplayName(qm::DefaultApplicationName);
    // The desktop entry and icon that installing puts in place.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmap2"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quillmap2"), QIcon(QStringLiteral(":/quillmap2.png"))));
    // Errors inside the event loop go to the window's error report. One that ends the program (while
    // its windows are made, say) has no window left to report it: it is shown here, and fails the run.
    int Status = 1;
    try {
        qm::TNavigatorProgram Program(qm::ClassDatabasePath(), true, qm::FindSampleInstallation(QM_SAMPLE_DIR));
        Program.Windows().ClassNav->show();
        Status = QApplication::exec();
    } catch (const std::exception& E) {
        ShowFailure(E);
    } catch (...) {
        ShowFailure(qm::Exception("Unknown error"));
    }
    qm::SetErrorReport({});
    return Status;
}
