// Test main for the configuration tests: an application object (offscreen for the widget tests)
// whose home, user settings and system settings folders lie in a temporary directory.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dblocation.h"
#include "testhome.h"

#ifdef QM_WIDGET_TESTS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    QTemporaryDir home;
#ifdef QM_WIDGET_TESTS
    if (!qm::PrepareTestHome(home, true)) return 2;
#else
    if (!qm::PrepareTestHome(home, false)) return 2;
#endif
    TTestApplication app(argc, argv);
    TTestApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
