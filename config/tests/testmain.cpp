// Test main for the configuration tests: an application object (offscreen for the widget tests)
// whose home, user settings and system settings folders lie in a temporary directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dblocation.h"

#ifdef QM_WIDGET_TESTS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    const QString system = home.filePath("system");
    QDir().mkpath(system);
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system));
#ifdef QM_WIDGET_TESTS
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
#endif
    TTestApplication app(argc, argv);
    TTestApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
