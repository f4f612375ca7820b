// The settings key's name, and the "General" settings as the program and people write them.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <functional>

#include "dblocation.h"
#include "filesizelimit.h"
#include "registry.h"
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
        // Qt's [General] section holds the keys of no group.
        EXPECT_EQ(StoredValue("VCLSourcePath").typeId(), QMetaType::QString);
    }
    // The section is what a person opening the file expects to find.
    EXPECT_TRUE(FileText(UserSettingsFile()).startsWith("[General]\n")) << FileText(UserSettingsFile()).toStdString();
}

// A disk that fills while the file is written: the write fails, and the file keeps what it held.
TEST_F(ConfigSettings, AWriteCutShortFailsAndKeepsTheFileAsItWas) {
    WriteSetting("DelphiHelpDir", "/opt/help/");
    WriteSetting("VCLSourcePath", "/opt/SOURCE/");
    const QByteArray before = FileText(UserSettingsFile());
    ASSERT_FALSE(before.isEmpty());
    {
        const TFileSizeLimit full(4096);
        ExpectRaises<ERegistryException>([] { WriteSetting("HelpViewerCommand", std::string(100000, 'x')); },
                                         "Failed to set data for 'HelpViewerCommand'");
    }
    EXPECT_EQ(FileText(UserSettingsFile()), before);
    EXPECT_EQ(ReadSetting("VCLSourcePath", ""), "/opt/SOURCE/");
    // With room again, the same write succeeds.
    WriteSetting("HelpViewerCommand", std::string(100000, 'x'));
    EXPECT_EQ(ReadSetting("HelpViewerCommand", "").size(), 100000u);
}

// The file as a person writes it with a text editor; reading it changes nothing in it.
TEST_F(ConfigSettings, AHandWrittenGeneralSectionIsRead) {
    const QByteArray viewer = "HelpViewerCommand=myviewer %f --topic %t";
    const QByteArray dir = "DelphiHelpDir=/opt/Delphi 2.0/HELP/";
    const std::pair<const char*, QByteArray> cases[] = {
        {"newline at the end", "[General]\n" + viewer + "\n" + dir + "\n"},
        {"no newline at the end", "[General]\n" + viewer + "\n" + dir},
        {"CR LF line ends", "[General]\r\n" + viewer + "\r\n" + dir + "\r\n"},
        {"among other sections", "[ConfigDlg]\nLinesPerPageEdit=60\n\n[General]\n" + viewer + "\n\n[ClassNav]\nX=1\n"
                                 "[General]\n" + dir + "\n"},
        {"section name in small letters", "[general]\n" + viewer + "\n" + dir + "\n"},
        {"as earlier versions wrote it", "[%General]\n" + viewer + "\n" + dir + "\n"},
        {"both forms, [General] first", "[%General]\nHelpViewerCommand=old %f\n" + dir + "\n[General]\n" + viewer + "\n"},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        WriteFile(UserSettingsFile(), text);
        EXPECT_EQ(ReadSetting("HelpViewerCommand", ""), "myviewer %f --topic %t");
        EXPECT_EQ(TRegistrySettings().ReadSetting("DelphiHelpDir", ""), "/opt/Delphi 2.0/HELP/");
        EXPECT_EQ(ReadSetting("VCLSourcePath", "none"), "none");
        EXPECT_EQ(FileText(UserSettingsFile()), text);
    }
    // Without the quotes Qt reads a list.
    WriteFile(UserSettingsFile(), "[General]\nHelpViewerCommand=\"myviewer --size 800,600 %f\"\n");
    EXPECT_EQ(ReadSetting("HelpViewerCommand", ""), "myviewer --size 800,600 %f");
    EXPECT_TRUE(Notices().empty());
}

// Any write rewrites what earlier versions kept as [%General] in the section [General].
TEST_F(ConfigSettings, WritingMovesTheEarlierFormIntoTheGeneralSection) {
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"a General value", [] { WriteSetting("DelphiHelpIndex", "/opt/Delphi 2.0/BIN/DELPHI.HDX"); }},
        {"another section's value", [] { OpenSettingsKey().WriteString("ConfigDlg", "DelphiHelpCB", "cbChecked"); }},
    };
    for (const auto& [what, write] : writes) {
        SCOPED_TRACE(what);
        WriteFile(UserSettingsFile(), "[ConfigDlg]\nLinesPerPageEdit=60\n[%General]\nDelphiHelpDir=/old/HELP/\n"
                                      "VCLSourcePath=/opt/Delphi 2.0/SOURCE/\n[General]\nDelphiHelpDir=/new/HELP/\n");
        write();
        const QByteArray text = FileText(UserSettingsFile());
        EXPECT_TRUE(text.startsWith("[General]\n")) << text.toStdString();
        EXPECT_FALSE(text.contains("%General")) << text.toStdString();
        EXPECT_EQ(StoredValue("VCLSourcePath"), "/opt/Delphi 2.0/SOURCE/");
        EXPECT_EQ(StoredValue("DelphiHelpDir"), "/new/HELP/");
        EXPECT_EQ(StoredValue("ConfigDlg/LinesPerPageEdit"), "60");
        EXPECT_EQ(ReadSetting("VCLSourcePath", ""), "/opt/Delphi 2.0/SOURCE/");
    }
}

// A store of keys and sub-keys (the registry on Windows) keeps a real sub-key General.
TEST_F(ConfigSettings, AHierarchicalStoreKeepsASubKeyGeneral) {
    static QSettings::SettingsMap stored;
    const auto read = [](QIODevice&, QSettings::SettingsMap& Map) {
        Map = stored;
        return true;
    };
    const auto write = [](QIODevice&, const QSettings::SettingsMap& Map) {
        stored = Map;
        return true;
    };
    const QSettings::Format keyStore = QSettings::registerFormat("keys", read, write);
    const auto open = [keyStore] {
        return std::make_unique<QSettings>(keyStore, QSettings::UserScope, "Brindlewood", "KeyStore");
    };
    stored = {{"General/DelphiHelpDir", "/opt/help/"}};
    WriteFile(open()->fileName(), "-");  // Qt reads a store only when its file holds something
    TRegistry registry(open(), "\\KeyStore");
    EXPECT_EQ(registry.ReadString("General", "DelphiHelpDir", ""), "/opt/help/");
    registry.WriteString("General", "DelphiHelpIndex", "/opt/DELPHI.HDX");
    EXPECT_EQ(stored.keys().join(' ').toStdString(), "General/DelphiHelpDir General/DelphiHelpIndex");
    EXPECT_EQ(stored.value("General/DelphiHelpIndex"), "/opt/DELPHI.HDX");
}

TEST_F(ConfigSettings, MalformedLinesDoNotHideTheReadableValues) {
    WriteFile(UserSettingsFile(), "[%General\n\x01\x02 junk\n=\n[%General]\nDelphiHelpDir=C:\\\\HELP\n[x]]\n");
    EXPECT_EQ(ReadSetting("DelphiHelpDir", ""), "C:\\HELP");
    EXPECT_EQ(ReadSetting("VCLSourcePath", "none"), "none");
}

}  // namespace

}  // namespace qm
