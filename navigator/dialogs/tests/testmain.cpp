// Test main for the dialogs: an application object in a temporary home, with Qt's own dialogs
// instead of the desktop's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "dblocation.h"
#include "testhome.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!qm::PrepareTestHome(home, true)) return 2;
    QApplication app(argc, argv);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
