// quillmap2: the class browser's window.
#include <QIcon>

#include "appwindows.h"
#include "application.h"
#include "dblocation.h"
#include "main1.h"
#include "sampleinstall.h"

int main(int argc, char** argv) {
    qm::TQuillmapApplication App(argc, argv);
    // The same maker and application name as the command-line tool: both share settings and database.
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    QApplication::setApplicationDisplayName(qm::DefaultApplicationName);
    // The desktop entry and icon that installing puts in place.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmap2"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quillmap2"), QIcon(QStringLiteral(":/quillmap2.png"))));
    int Status = 0;
    qm::RunReported([&] {
        qm::TNavigatorProgram Program(qm::ClassDatabasePath(), true, qm::FindSampleInstallation(QM_SAMPLE_DIR));
        Program.Windows().ClassNav->show();
        Status = QApplication::exec();
    });
    return Status;
}
