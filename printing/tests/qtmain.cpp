// Test main for the Qt printer tests: an offscreen QGuiApplication in a temporary home, so that
// settings and documents never touch the user's own.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "testhome.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!qm::PrepareTestHome(home, false)) return 2;
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
