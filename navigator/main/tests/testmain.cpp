// Test main for the window tests: the program's application object in a temporary home.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "application.h"
#include "dblocation.h"
#include "testhome.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!qm::PrepareTestHome(home, true)) return 2;
    qm::TQuillmapApplication app(argc, argv);
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
