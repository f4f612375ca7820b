// The temporary home of a Qt test program.
#include "testhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qm {

bool PrepareTestHome(const QTemporaryDir& Home, bool Widgets) {
    if (!Home.isValid()) return false;
    const QByteArray Path = QFile::encodeName(Home.path());
    // Offscreen, unless the test runs on a real X display on purpose.
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* Name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(Name, Path);
    const QString System = Home.filePath(QStringLiteral("system"));
    QDir().mkpath(System);
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(System));
    if (Widgets) {
        qunsetenv("QT_QPA_PLATFORMTHEME");
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    return true;
}

}  // namespace qm
