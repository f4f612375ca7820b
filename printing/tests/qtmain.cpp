// Test main for the Qt printer tests: an offscreen QGuiApplication whose home, settings and
// documents folders lie in a temporary directory, never the user's own.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, path);
    qputenv("XDG_RUNTIME_DIR", path);
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
