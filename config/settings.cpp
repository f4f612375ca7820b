#include "settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include "dblocation.h"
#include "format.h"
#include "settingsnotice.h"

namespace qm {

namespace {

const std::string GeneralSection = "General";

}  // namespace

std::string ApplicationName(std::string_view Title, std::string_view ExeFileName) {
    if (!Title.empty()) return std::string(Title);
    return std::string(ExeFileName.substr(0, ExeFileName.find('.')));
}

std::string ApplicationName() {
    const QString title = QCoreApplication::applicationName();
    if (!QCoreApplication::instance()) return title.isEmpty() ? DefaultApplicationName : SettingsBytes(title);
    // Qt answers the executable's name when no name was set: that is the empty title of the rule.
    const QString exe = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
    return ApplicationName(title == exe ? std::string() : SettingsBytes(title), SettingsBytes(exe));
}

std::string SettingsKey() { return Format("\\Software\\%s\\%s", {OrganizationName, ApplicationName()}); }

TRegistry OpenSettingsKey() {
    return TRegistry(
        std::make_unique<QSettings>(QSettings::UserScope, OrganizationName, SettingsText(ApplicationName())),
        SettingsKey());
}

std::string ReadSettingText(const TRegistry& Registry, const std::string& Section, const std::string& Name,
                            const std::string& Default) {
    std::string value = Default;
    ReadUsableSetting(Registry, Section, Name, "a text (a text with a comma belongs in double quotes)",
                      [&] { value = Registry.ReadString(Section, Name, Default); });
    return value;
}

void WriteSettingText(TRegistry& Registry, const std::string& Section, const std::string& Name,
                      const std::string& Value) {
    WriteUsableSetting(Registry, [&] { Registry.WriteString(Section, Name, Value); });
}

std::string ReadSetting(const std::string& Name, const std::string& Default) {
    return ReadSettingText(OpenSettingsKey(), GeneralSection, Name, Default);
}

void WriteSetting(const std::string& Name, const std::string& Value) {
    TRegistry registry = OpenSettingsKey();
    WriteSettingText(registry, GeneralSection, Name, Value);
}

std::string TRegistrySettings::ReadSetting(const std::string& Name, const std::string& Default) {
    return qm::ReadSetting(Name, Default);
}

void TRegistrySettings::WriteSetting(const std::string& Name, const std::string& Value) {
    qm::WriteSetting(Name, Value);
}

}  // namespace qm
