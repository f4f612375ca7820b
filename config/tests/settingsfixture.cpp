#include "settingsfixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "dblocation.h"
#include "registry.h"
#include "settings.h"
#include "settingsnotice.h"

namespace qm {

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::UserScope, OrganizationName, SettingsText(ApplicationName()));
}

}  // namespace

void SettingsTest::SetUp() {
    QDir(QFileInfo(UserSettingsFile()).path()).removeRecursively();
    Notices().clear();
    SetSettingsNotice([](const std::string& Text) { Notices().push_back(Text); });
}

void SettingsTest::TearDown() { SetSettingsNotice({}); }

std::vector<std::string>& SettingsTest::Notices() {
    static std::vector<std::string> notices;
    return notices;
}

QString SettingsTest::UserSettingsFile() { return UserSettings().fileName(); }

QVariant SettingsTest::StoredValue(const QString& Key) { return UserSettings().value(Key); }

void SettingsTest::WriteFile(const QString& Path, const QByteArray& Text) {
    static qint64 stamp = QDateTime::currentSecsSinceEpoch() - 1000000;
    QDir().mkpath(QFileInfo(Path).path());
    QFile file(Path);
    ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
    file.write(Text);
    file.flush();
    ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(++stamp), QFileDevice::FileModificationTime));
}

QByteArray SettingsTest::FileText(const QString& Path) {
    QFile file(Path);
    return file.open(QFile::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace qm
