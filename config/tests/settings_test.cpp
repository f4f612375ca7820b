// The settings key's name, the "General" settings, and damaged or unusable stores.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "dblocation.h"
#include "settings.h"
#include "settingsfixture.h"

namespace qm {

namespace {

using ConfigSettings = SettingsTest;

TEST(ConfigSettingsKey, TitleOrExecutableNameUpToItsFirstDot) {
    struct TCase {
        const char* Title;
        const char* Exe;
        const char* Expected;
    };
    const TCase cases[] = {{"Quillmap 2", "quillmap2.exe", "Quillmap 2"},
                           {"", "QUILLMAP.EXE", "QUILLMAP"},
                           {"", "quill.map.exe", "quill"},
                           {"", "quillmap2", "quillmap2"}};
    for (const TCase& c : cases) EXPECT_EQ(ApplicationName(c.Title, c.Exe), c.Expected) << c.Exe;

    EXPECT_EQ(SettingsKey(), "\\Software\\Brindlewood\\Quillmap 2");
    // Without a title Qt reports the whole executable name "config.settings_tests".
    QCoreApplication::setApplicationName("");
    const std::string untitled = SettingsKey();
    QCoreApplication::setApplicationName(DefaultApplicationName);
    EXPECT_EQ(untitled, "\\Software\\Brindlewood\\config");
}

TEST_F(ConfigSettings, FirstRunReadsDefaultsAndCreatesNothing) {
    TRegistrySettings store;
    EXPECT_EQ(store.ReadSetting("VCLSourcePath", "C:\\DELPHI\\"), "C:\\DELPHI\\");
    EXPECT_EQ(ReadSetting("DelphiHelpDir", ""), "");
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(UserSettingsFile()).path()));
}

TEST_F(ConfigSettings, ValuesComeBackAsWrittenInSectionGeneral) {
    struct TCase {
        std::string Written;
        std::string Read;
    };
    const TCase cases[] = {
        {"C:\\DELPHI 2.0\\SOURCE\\", "C:\\DELPHI 2.0\\SOURCE\\"},
        {"", ""},  // an empty value, not a missing one
        {"/home/j\xC3\xBCrgen/Delphi, 2/", "/home/j\xC3\xBCrgen/Delphi, 2/"},
        {"  padded  ", "  padded  "},
        {"@ByteArray(text)", "@ByteArray(text)"},
        {std::string("ab\0cd", 5), "ab"},  // the text ends at its first zero character
    };
    TRegistrySettings store;
    for (const TCase& c : cases) {
        store.WriteSetting("VCLSourcePath", c.Written);
        EXPECT_EQ(ReadSetting("VCLSourcePath", "default"), c.Read) << c.Written;
        EXPECT_EQ(StoredValue("General/VCLSourcePath").typeId(), QMetaType::QString);
    }
}

TEST_F(ConfigSettings, AValueOfAnotherTypeIsAnError) {
    const char* values[] = {R"(@ByteArray(C:\\DELPHI))", R"(@Variant(\0\0\0\x2\0\0\0\x5))", "a,b",
                            "@Point(1 2)"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        WriteFile(UserSettingsFile(), QByteArray("[%General]\nVCLSourcePath=") + value + "\n");
        ExpectRaises<ERegistryException>([] { ReadSetting("VCLSourcePath", ""); },
                                         "Invalid data type for 'VCLSourcePath'");
    }
}

TEST_F(ConfigSettings, MalformedLinesDoNotHideTheReadableValues) {
    WriteFile(UserSettingsFile(), "[%General\n\x01\x02 junk\n=\n[%General]\nDelphiHelpDir=C:\\\\HELP\n[x]]\n");
    EXPECT_EQ(ReadSetting("DelphiHelpDir", ""), "C:\\HELP");
    EXPECT_EQ(ReadSetting("VCLSourcePath", "none"), "none");
}

TEST_F(ConfigSettings, AStoreThatCannotBeReadOrWrittenRaises) {
    // A folder where the settings file should be: Qt can neither read nor write it.
    ASSERT_TRUE(QDir().mkpath(UserSettingsFile()));
    ExpectRaises<ERegistryException>([] { ReadSetting("VCLSourcePath", ""); },
                                     "Failed to get data for 'VCLSourcePath'");
    ExpectRaises<ERegistryException>([] { WriteSetting("VCLSourcePath", "x"); },
                                     "Failed to create key \\Software\\Brindlewood\\Quillmap 2");
}

}  // namespace

}  // namespace qm
