// Test main for the dialogs: an offscreen application whose home and settings folders lie in a
// temporary directory, with Qt's own dialogs instead of the desktop's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
