// Test main for the window tests: the program's application object, offscreen, Qt's own dialogs,
// and a home, settings and Delphi entry folder of the test run's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "application.h"
#include "dblocation.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    const QString system = home.filePath("system");
    QDir().mkpath(system);
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qm::TQuillmapApplication app(argc, argv);
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
