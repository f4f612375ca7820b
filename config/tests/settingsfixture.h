// Shared by the configuration tests: the user's settings folder of the test run, removed before each
// test, a way to write a settings file by hand, the settings problems told, and errors expected by
// their message.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <string>
#include <vector>

namespace qm {

class SettingsTest : public testing::Test {
protected:
    // Also starts recording what the settings layer tells the person.
    void SetUp() override;
    void TearDown() override;
    // The settings problems told since SetUp, in order.
    static std::vector<std::string>& Notices();

    static QString UserSettingsFile();
    // The value as Qt reads it from the user's settings ("Section/Name").
    static QVariant StoredValue(const QString& Key);
    // Qt re-reads a settings file only when its size or time changed: each file written here gets a
    // modification time of its own.
    static void WriteFile(const QString& Path, const QByteArray& Text);
    // The file's bytes as a text editor would show them; empty when it cannot be read.
    static QByteArray FileText(const QString& Path);
};

// Action must raise TError with Message.
template <typename TError, typename TAction>
void ExpectRaises(TAction Action, const std::string& Message) {
    try {
        Action();
        ADD_FAILURE() << "no error: " << Message;
    } catch (const TError& e) {
        EXPECT_EQ(e.Message(), Message);
    }
}

}  // namespace qm
