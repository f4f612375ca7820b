// Delphi's installation entry through XDG_CONFIG_DIRS.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "installation.h"
#include "settingsfixture.h"

namespace qm {

namespace {

class ConfigInstallation : public SettingsTest {
protected:
    // Two system folders, searched in order; the test fills them.
    void SetUp() override {
        FSaved = qgetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(FFirst.path() + ":" + FSecond.path()));
    }
    void TearDown() override { qputenv("XDG_CONFIG_DIRS", FSaved); }

    static QString DelphiConf(const QTemporaryDir& Dir) { return Dir.filePath("Borland/Delphi.conf"); }

    QTemporaryDir FFirst, FSecond;
    QByteArray FSaved;
};

TEST_F(ConfigInstallation, RootDirOfTheFirstFileThatHasIt) {
    TRegistryInstallation installation;
    EXPECT_EQ(installation.RootDir(), "");
    WriteFile(DelphiConf(FFirst), "[2.0]\nBinDir=/opt/delphi/BIN\n");
    EXPECT_EQ(installation.RootDir(), "");
    WriteFile(DelphiConf(FSecond), "[2.0]\nRootDir=/opt/Delphi 2.0\n");
    EXPECT_EQ(installation.RootDir(), "/opt/Delphi 2.0");
    WriteFile(DelphiConf(FFirst), "[2.0]\nRootDir=C:\\\\Program Files\\\\Borland\\\\Delphi 2.0\n");
    EXPECT_EQ(installation.RootDir(), "C:\\Program Files\\Borland\\Delphi 2.0");
}

TEST_F(ConfigInstallation, UnreadableEntryRaisesRegistryErrors) {
    TRegistryInstallation installation;
    WriteFile(DelphiConf(FFirst), "[2.0]\nRootDir=@ByteArray(/opt)\n");
    ExpectRaises<ERegistryException>([&] { installation.RootDir(); }, "Invalid data type for 'RootDir'");
    QFile::remove(DelphiConf(FFirst));
    ASSERT_TRUE(QDir().mkpath(DelphiConf(FFirst)));
    ExpectRaises<ERegistryException>([&] { installation.RootDir(); }, "Failed to get data for 'RootDir'");
}

}  // namespace

}  // namespace qm
